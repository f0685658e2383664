#include "cases/d/case_d_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"
#include "figures/sketch.h"

namespace retencion::figures {

std::vector<Figure> caseDFigures(CalculationType calculation, const CaseResult* result, const Separators& separators)
{
    using namespace case_d;
    Figure f;
    f.separators = separators;
    f.title = "Ábaco de laminación con derivación";
    f.x.title = "W = Vol / Tp (m³/s, Tp en s)";
    f.y.title = std::string("R = ") + formula::kPeakReduction + " (%)";
    std::vector<int> seriesOf;
    for (std::size_t c = 0; c < kCurves; ++c) {
        f.series.push_back(curve({{"Ip", IpCurves[c]}}, separators, VolumeRateChart[c].data(), ReductionChart[c].data(),
                                 kFilledPoints[c]));
        seriesOf.push_back(int(c));
    }
    // Volume rates are studied up to their upper bound; the shading starts
    // where the chart does, at 0.
    f.studiedX = Range{0, kVolumeRateRange.high->value};
    f.studiedY = shaded(kPeakReductionRange);
    if (const ChartReading* r = readingOf(result, 0)) {
        const Across across = calculation == CalculationType::Volume ? Across::XAtY : Across::YAtX;
        showReading(f, *r, seriesOf, across, "W", "R", separators);
    }
    return withDecimals({f});
}

Drawing caseDrawingOf(const CaseDInput&)
{
    using namespace sketch;
    Sketch s('D', "Caso D: depósito en derivación");
    network(s, {{58, 30}, {58, kNetBottom}, {99, kNetBottom}});
    s.line({{kTankLeft, 30}, {kTankLeft, kLowBottom}, {80, kLowBottom}, {80, 30}}, 2);
    s.arrow({62, 43}, {84, 43});
    s.note(s.sym(Quantity::GivenOutflow), {88, kNetTop + 0.5}, Anchor::Above);
    s.note(s.sym(Quantity::GivenVolume), {68, 15}, Anchor::Centre);
    return s.done();
}

} // namespace retencion::figures
