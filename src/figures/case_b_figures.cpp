#include "cases/b/case_b_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"
#include "figures/sketch.h"

#include <algorithm>
#include <cmath>

namespace retencion::figures {
namespace {

using namespace case_b;

Figure reductionChart(CalculationType calculation, const CaseResult* result, const Separators& separators)
{
    Figure f;
    f.separators = separators;
    f.title = "Ábaco de laminación, conducto rectangular";
    f.x.title = std::string("y = Qb^0,75·Sup·(Ip/B)^0,5 / Tp") + kTpInSeconds;
    f.y.title = std::string("Reducción del caudal punta, ") + formula::kPeakReduction + " (%)";
    std::vector<int> seriesOf;
    for (std::size_t c = 0; c < RatioCurves.size(); ++c) {
        f.series.push_back(curve({{"Qb/Ip", RatioCurves[c]}}, separators, SurfaceChart[c].data(),
                                 ReductionChart[c].data(), kCurvePoints[c]));
        seriesOf.push_back(int(c));
    }
    f.studiedX = shaded(kSurfaceCoefficientRange);
    f.studiedY = shaded(kPeakReductionRange);
    if (const ChartReading* r = readingOf(result, 0)) {
        const Across across = calculation == CalculationType::Surface ? Across::XAtY : Across::YAtX;
        showReading(f, *r, seriesOf, across, "y", "reducción", separators);
    }
    return f;
}

Figure depthChart(const CaseResult* result, const Separators& separators)
{
    Figure f;
    f.separators = separators;
    f.title = "Ábaco de calado, conducto rectangular";
    f.x.title = std::string("w = Ip^3,5·Tp / Sup / B^2,5") + kTpInSeconds;
    f.x.logarithmic = true;
    f.y.title = "H (m)";
    f.series.push_back(curve("", DepthChart.w.data(), DepthChart.h.data(), kDepthPoints));
    f.studiedX = shaded(kDepthParameterRange);
    if (const ChartReading* r = readingOf(result, 1)) {
        f.series[0].emphasis = Emphasis::Used;
        f.point = Point{r->x, r->y};
        f.pointLabel = "w = " + number(r->x, separators) + "; H = " + number(r->y, separators) + " m";
    }
    return f;
}

// The closed formulas of circular conduits: the peak reduction against e
// and the depth against v.
std::vector<Figure> circularCharts(const CaseResult* result, const Separators& separators)
{
    Figure f;
    f.separators = separators;
    f.title = "Conductos circulares: reducción del caudal punta";
    f.x.title = std::string("e = Sup / (N·D·Tp^0,7) · (Ip/Qb)^0,5") + kTpInSeconds;
    f.y.title = std::string("Reducción del caudal punta, ") + formula::kPeakReduction + " (%)";
    Series formula{"x = 18,535·ln(e) − 23,414", {}, Emphasis::Family, -1, {}};
    for (int k = 0; k <= 100; ++k) {
        const double x = k; // from no reduction to none left
        formula.points.push_back({circularE(x), x});
    }
    f.series.push_back(formula);
    f.studiedY = Range{0, 100};

    Figure g;
    g.separators = separators;
    g.title = "Conductos circulares: calado";
    g.x.title = std::string("v = Ip/(N·D) · (Tp/Sup)^0,5") + kTpInSeconds;
    g.y.title = "H (m)";
    const ChartReading* depth = readingOf(result, 1);
    const double vMax = std::max(10.0, depth ? depth->x * 1.25 : 0.0);
    g.series.push_back(
        {"H = 1,0048·v + 0,8888", {{0, circularDepth(0)}, {vMax, circularDepth(vMax)}}, Emphasis::Family, -1, {}});

    if (const ChartReading* r = readingOf(result, 0)) {
        f.series[0].emphasis = Emphasis::Used;
        f.point = Point{r->x, r->y};
        f.pointLabel = "e = " + number(r->x, separators) + "; reducción = " + number(r->y, separators) + " %";
    }
    if (depth) {
        g.series[0].emphasis = Emphasis::Used;
        g.point = Point{depth->x, depth->y};
        g.pointLabel = "v = " + number(depth->x, separators) + "; H = " + number(depth->y, separators) + " m";
    }
    return {f, g};
}

} // namespace

std::vector<Figure> caseBFigures(OutletConduit conduit, CalculationType calculation, const CaseResult* result,
                                 const Separators& separators)
{
    if (conduit == OutletConduit::Circular) return withDecimals(circularCharts(result, separators));
    return withDecimals({reductionChart(calculation, result, separators), depthChart(result, separators)});
}

Drawing caseDrawingOf(const CaseBInput& input)
{
    using namespace sketch;
    const OutletConduit conduit = input.conduit;
    const bool circular = conduit == OutletConduit::Circular;
    Sketch s('B', circular ? "Caso B: salida libre por conductos circulares"
                           : "Caso B: salida libre por conducto rectangular");
    hydrograph(s, false, true);
    tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {kConduitEnd, kBottom}}, true);
    s.line({{kTankRight, 44}, {kTankRight, kConduitTop}, {kConduitEnd, kConduitTop}}, 2);
    // Free outlet: the conduit runs part full and its jet falls clear.
    s.area({{kTankRight, kBottom}, {kConduitEnd, kBottom}, {kConduitEnd, 13}, {kTankRight, 13}}, Fill::Water);
    s.area({{kConduitEnd, 13}, {94.5, 12}, {96.5, 6}, {95, 6}, {93.5, 10}, {kConduitEnd, kBottom}}, Fill::Water);
    s.note(s.sym(Quantity::GivenOutflow), {84, kConduitTop + 0.5}, Anchor::Above);
    s.note(circular ? s.sym(Quantity::ConduitDiameter) + ", " + s.sym(Quantity::ConduitCount)
                    : s.sym(Quantity::ConduitWidth),
           {86, kBottom}, Anchor::Below);
    return s.done();
}

} // namespace retencion::figures
