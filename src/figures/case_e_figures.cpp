#include "cases/e/case_e_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"

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

} // namespace retencion::figures
