#include "cases/d/case_d_charts.h"
#include "figures/case_figures.h"

namespace retencion::figures {

std::vector<Figure> caseDFigures(CalculationType calculation, const CaseResult* result, const Separators& separators)
{
    Figure f;
    f.separators = separators;
    f.title = "Ábaco de laminación con derivación";
    f.x.title = "W = Vol / Tp (m³/s)";
    f.y.title = "R = 100·(Ip − Qp)/Ip (%)";
    std::vector<int> seriesOf;
    for (std::size_t c = 0; c < kCaseDCurves; ++c) {
        f.series.push_back(curve({{"Ip", CaseDIpAxis[c]}}, separators, CaseDVolumeRateChart[c].data(),
                                 CaseDReductionChart[c].data(), case_d_data::kFilledPoints[c]));
        seriesOf.push_back(int(c));
    }
    f.studiedX = Range{0, 40};
    f.studiedY = Range{8, 60};
    if (const ChartReading* r = readingOf(result, 0)) {
        const Across across = calculation == CalculationType::Volume ? Across::XAtY : Across::YAtX;
        showReading(f, *r, seriesOf, across, "W", "R", separators);
    }
    return withDecimals({f});
}

} // namespace retencion::figures
