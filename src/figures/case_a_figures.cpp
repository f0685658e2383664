#include "cases/a/case_a_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"
#include "figures/sketch.h"

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

Drawing caseDrawingOf(const CaseAInput& input)
{
    using namespace sketch;
    const CaseAOutlet outlet = input.outlet;
    const bool weir = outlet == CaseAOutlet::Weir;
    Sketch s('A', weir ? "Caso A: salida por vertedero" : "Caso A: salida por orificio");
    hydrograph(s, true, false);
    if (weir) {
        // The crest, below the surface; the head H over it.
        constexpr double crest = 24;
        tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {kTankRight, kBottom}, {kTankRight, crest}}, false);
        s.area({{kTankRight, kWater}, {80, 31}, {84, 27}, {86, 20}, {83.5, 20}, {81.5, 24.5}, {kTankRight, crest}},
               Fill::Water);
        s.arrow({85, 19}, {88, 12});
        s.line({{56, crest}, {64, crest}}, 0.8, true);
        s.dimension({60, crest}, {60, kWater});
        s.note(s.height(), {59, 28}, Anchor::LeftOf);
        s.note(s.sym(Quantity::WeirLength), {75.5, 21}, Anchor::LeftOf);
        s.note(s.sym(Quantity::GivenOutflow), {88.5, 16}, Anchor::RightOf);
        s.note(s.sym(Quantity::DischargeCoef), {88, 10}, Anchor::Below);
    } else {
        // The orifice low in the wall; the head H over its centre.
        tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {kTankRight, kBottom}, {kTankRight, 13}}, false);
        s.line({{kTankRight, 17}, {kTankRight, 44}}, 2);
        s.arrow({kTankRight, 15}, {93, 15});
        s.line({{56, 15}, {64, 15}}, 0.8, true);
        s.dimension({62, 15}, {62, kWater});
        s.note(s.height(), {63, 23.5}, Anchor::RightOf);
        s.note(s.sym(Quantity::OrificeDiameter), {75, 15}, Anchor::LeftOf);
        s.note(s.sym(Quantity::GivenOutflow), {87, 15.5}, Anchor::Above);
        s.note(s.sym(Quantity::DischargeCoef), {87, 13}, Anchor::Below);
    }
    return s.done();
}

} // namespace retencion::figures
