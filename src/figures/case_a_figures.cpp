#include "cases/a/case_a_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"

namespace retencion::figures {

std::vector<Figure> caseAFigures(CaseAOutlet outlet, CalculationType calculation, const CaseResult* result,
                                 const Separators& separators)
{
    using namespace case_a;
    const bool weir = outlet == CaseAOutlet::Weir;
    const Chart& chartXY = weir ? WeirChart : OrificeChart;
    Figure f;
    f.separators = separators;
    f.title = weir ? "Ábaco de salida tipo vertedero" : "Ábaco de salida tipo orificio";
    f.x.title = std::string(weir ? "x = Ck·L·√(2g)·Tp·√Vin / Sup^1,5" : "x = Ck·A·√(2g)·Tp / √(Sup·Vin)") +
                " (Tp en s, Vin en m³)";
    f.y.title = formula::kFlowRatio;
    f.legendNotes = {"r = Ip·Tp/Vin, Vin = Ip·Tb/2"};
    std::vector<int> seriesOf;
    for (std::size_t j = 0; j < kCurves; ++j) {
        const std::size_t n = chart::filledPoints(chartXY.x[j]);
        f.series.push_back(curve({{"r", RatioCurves[j]}}, separators, chartXY.x[j].data(), chartXY.y[j].data(), n));
        seriesOf.push_back(int(j));
    }
    f.studiedX = shaded(kOutletParameterRange);
    f.studiedY = shaded(kFlowRatioRange);
    if (const ChartReading* r = readingOf(result, 0)) {
        // A surface is read at the given flow ratio, an outflow peak at the
        // outlet parameter.
        const Across across = calculation == CalculationType::Surface ? Across::XAtY : Across::YAtX;
        showReading(f, *r, seriesOf, across, "x", formula::kFlowRatio, separators);
    }
    return withDecimals({f});
}

} // namespace retencion::figures
