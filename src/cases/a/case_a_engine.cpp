#include "cases/a/case_a_engine.h"

#include "cases/a/case_a_charts.h"
#include "cases/chart_math.h"

#include <cmath>

namespace retencion {
namespace {

using namespace case_a;

constexpr Chart kNoChart{}; // with no outlet chosen every entry reads as 0

Quantity outletSizeQuantity(CaseAOutlet outlet)
{
    switch (outlet) {
    case CaseAOutlet::Orifice:
        return Quantity::OrificeDiameter;
    case CaseAOutlet::Weir:
        return Quantity::WeirLength;
    case CaseAOutlet::None:
        break;
    }
    return Quantity::OutletSize;
}

// Head at which the outlet discharges qp: the inverse of Qp = Ck·A·√(2g·H)
// for the orifice, and of Qp = Ck·L·H^1.5 for the weir (this law has no √(2g),
// while the weir chart's outlet parameter has it).
double head(const CaseAInput& in, double area, double qp)
{
    if (in.outlet == CaseAOutlet::Orifice) return std::pow((qp / in.ck) / area, 2.0) / k2g;
    return std::pow((qp / in.ck) / in.dl, 2.0 / 3.0);
}

CaseAResult finish(const CaseAInput& in, double area, Quantity what, double main, double qp, ChartReading reading)
{
    const double h = head(in, area, qp);
    if (auto bad = notFinite(what, main)) return refused(*bad);
    if (auto bad = notFinite(what, h)) return refused(*bad);
    CaseAResult result = computed(main, h);
    result.readings[0] = reading;
    return result;
}

// "1,5", the weir's exponent, with the separator of the text it goes in.
std::string oneAndHalf(const Separators& separators)
{
    return "1" + separators.decimal + "5";
}

} // namespace

std::string caseAHeadLaw(CaseAOutlet outlet, const Separators& separators)
{
    if (outlet == CaseAOutlet::Weir) return "Q = Ck·L·H^" + oneAndHalf(separators);
    return "Q = Ck·A·√(2g·H)";
}

std::string caseAChartWeirLaw(const Separators& separators)
{
    return "Q = Ck·L·√(2g)·H^" + oneAndHalf(separators);
}

double caseAChartWeirHead(double qp, double ck, double l)
{
    return std::pow(((qp / ck) / l) / kSqrt2g, 2.0 / 3.0);
}

CaseAResult CaseAEngine(const CaseAInput& in)
{
    if (!kInflowPeakRange.holds(in.ip)) return refused(Quantity::InflowPeak, in.ip, kInflowPeakRange);
    if (!kPeakTimeRange.holds(in.tp)) return refused(Quantity::PeakTime, in.tp, kPeakTimeRange);
    const auto tbRange = baseTimeRange(in.tp);
    if (!tbRange.holds(in.tb)) return refused(Quantity::BaseTime, in.tb, tbRange);
    if (!kOutletSizeRange.holds(in.dl)) return refused(outletSizeQuantity(in.outlet), in.dl, kOutletSizeRange);
    if (!kDischargeCoefRange.holds(in.ck)) return refused(Quantity::DischargeCoef, in.ck, kDischargeCoefRange);

    const Chart& chartXY = in.outlet == CaseAOutlet::Orifice ? OrificeChart
                           : in.outlet == CaseAOutlet::Weir  ? WeirChart
                                                             : kNoChart;

    const double area = kPi * in.dl * in.dl / 4;
    const double vin = in.tb * in.ip / 2; // volume of the triangular hydrograph
    const double r = in.ip * in.tp / vin;
    if (!kRatioRange.holds(r)) return refused(Quantity::HydrographRatio, r, kRatioRange);

    // Curves k-1 and k enclose r; a ratio on an inner curve takes the bracket
    // above it, so it is read on that curve alone.
    const std::size_t k = chart::bracket(RatioCurves, r);
    // Curve c of the chart read from `along` to `result` at v.
    const auto readOn = [](const ChartTable& along, const ChartTable& result, double v) {
        return [&along, &result, v](std::size_t c) { return chart::readCurve(along[c], result[c], v, 0, kPoints - 1); };
    };

    switch (in.calculation) {
    case CalculationType::Surface: {
        const double qp = in.given;
        const auto qpRange = givenOutflowRange(in.ip);
        if (!qpRange.holds(qp)) return refused(Quantity::GivenOutflow, qp, qpRange);
        const double q = qp / in.ip;
        if (!kFlowRatioRange.holds(q)) return refused(Quantity::FlowRatio, q, kFlowRatioRange);
        if (in.outlet == CaseAOutlet::None) return refused(Refusal{Quantity::OutletSize, in.dl, {}, Fault::NoOutlet});

        const auto x = chart::readAcross(RatioCurves, k, r, readOn(chartXY.y, chartXY.x, q));
        if (!x) return refused(Refusal{Quantity::FlowRatio, q, kFlowRatioRange, Fault::OutsideCurve});

        const double s = in.outlet == CaseAOutlet::Orifice
                             ? std::pow((in.tp * in.ck * area * kSqrt2g) / *x / std::pow(vin, 0.5), 2.0)
                             : std::pow((in.tp * in.ck * in.dl * kSqrt2g) * std::pow(vin, 0.5) / *x, 2.0 / 3.0);
        return finish(in, area, Quantity::ComputedSurface, s, qp, readingBetween(*x, q, RatioCurves, k, r));
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        if (!kSurfaceRange.holds(s)) return refused(Quantity::GivenSurface, s, kSurfaceRange);
        double x = 0; // no outlet: the check below always refuses it
        if (in.outlet == CaseAOutlet::Orifice)
            x = (in.tp * in.ck * area * kSqrt2g) / std::pow(s * vin, 0.5);
        else if (in.outlet == CaseAOutlet::Weir)
            x = ((in.tp * in.ck * in.dl * kSqrt2g) * std::pow(vin, 0.5)) / std::pow(s, 1.5);
        if (!kOutletParameterRange.holds(x)) return refused(Quantity::OutletParameter, x, kOutletParameterRange);

        const auto y = chart::readAcross(RatioCurves, k, r, readOn(chartXY.x, chartXY.y, x));
        if (!y) return refused(Refusal{Quantity::OutletParameter, x, kOutletParameterRange, Fault::OutsideCurve});
        const double qp = in.ip * *y;
        return finish(in, area, Quantity::ComputedOutflow, qp, qp, readingBetween(x, *y, RatioCurves, k, r));
    }
    case CalculationType::None:
    case CalculationType::Volume:
        break;
    }
    return nothingToCompute();
}

} // namespace retencion
