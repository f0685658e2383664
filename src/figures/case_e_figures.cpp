#include "cases/e/case_e_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"
#include "figures/sketch.h"

namespace retencion::figures {

std::vector<Figure> caseEFigures(CalculationType calculation, const CaseResult* result, const Separators& separators)
{
    using namespace case_e;
    Figure f;
    f.separators = separators;
    f.title = "Ábaco de laminación con interacción depósito-red";
    f.x.title = std::string("x = (Sup/Tp)·(L/ho)^0,3") + kTpInSeconds;
    f.y.title = std::string("r = ") + formula::kFlowRatio;
    std::vector<int> seriesOf;
    for (std::size_t k = 0; k < kCurves; ++k) {
        for (std::size_t j = 0; j < kCurves; ++j) {
            const std::size_t n = chart::filledPoints(AttenuationX[k][j]);
            f.series.push_back(curve({{"B", BCurves[j]}, {"Ip", IpCurves[k]}}, separators, AttenuationX[k][j].data(),
                                     AttenuationY[k][j].data(), n, int(j)));
            seriesOf.push_back(int(k * kCurves + j));
        }
    }
    f.studiedX = shaded(kReducedSurfaceRange);
    f.studiedY = shaded(kFlowRatioRange);
    if (const ChartReading* r = readingOf(result, 0)) {
        const Across across = calculation == CalculationType::Surface ? Across::XAtY : Across::YAtX;
        showReading(f, *r, seriesOf, across, "x", "r", separators);
    }

    Figure g;
    g.separators = separators;
    g.title = "Ábaco de calado con interacción depósito-red";
    g.x.title = std::string("y = Sup / Tp / B") + kTpInSeconds;
    g.y.title = std::string("a (m³/s), H = a·Tp / Sup") + kTpInSeconds;
    std::vector<int> columnOf;
    for (std::size_t k = 0; k < kCurves; ++k) {
        const std::size_t n = chart::filledPoints(DepthX[k]);
        g.series.push_back(curve({{"Ip", IpCurves[k]}}, separators, DepthX[k].data(), DepthY[k].data(), n));
        columnOf.push_back(int(k));
    }
    g.studiedX = shaded(kDepthIndexRange);
    if (const ChartReading* r = readingOf(result, 1)) showReading(g, *r, columnOf, Across::YAtX, "y", "a", separators);
    return withDecimals({f, g});
}

Drawing caseDrawingOf(const CaseEInput&)
{
    using namespace sketch;
    Sketch s('E', "Caso E: depósito en derivación que desagua a la red");
    network(s, {{58, 30}, {58, kNetBottom}, {92, kNetBottom}, {92, 12}, {80, 12}, {80, 30}});
    s.line({{kTankLeft, 30}, {kTankLeft, kLowBottom}, {97, kLowBottom}, {97, kNetBottom}, {99, kNetBottom}}, 2);
    // The tank drains back to the network through its outlet conduit.
    s.area({{80, kLowBottom}, {97, kLowBottom}, {97, 12}, {80, 12}}, Fill::Water);
    s.arrow({94.5, 14}, {94.5, 37});
    s.arrow({62, 43}, {86, 43});
    s.note(s.sym(Quantity::GivenOutflow), {94, kNetTop + 0.5}, Anchor::Above);
    s.note(s.sym(Quantity::GivenSurface), {68, kLowWater + 0.5}, Anchor::Above);
    s.dimension({48, kLowBottom}, {48, kLowWater});
    s.note(s.height(), {49, 15}, Anchor::RightOf);
    s.dimension({86, kLowBottom}, {86, 12});
    s.note(s.sym(Quantity::OpeningHeight), {86, 12.5}, Anchor::Above);
    s.note(s.sym(Quantity::ConduitWidth), {89, kLowBottom}, Anchor::Below);
    // L has no place of its own on the charts: it enters them only through
    // the reduced surface.
    s.caption("L entra en el ábaco solo a través de su abscisa, " +
              caseEFigures(CalculationType::Surface, nullptr, Separators{",", "."}).front().x.title + ".");
    return s.done();
}

} // namespace retencion::figures
