#include "cases/d/case_d_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"

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

} // namespace retencion::figures
