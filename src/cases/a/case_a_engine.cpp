#include "cases/a/case_a_engine.h"

#include "cases/a/case_a_charts.h"
#include "cases/chart_math.h"

#include <cmath>

namespace retencion {
namespace {

// The charts were computed with these short literals, not with more precise
// values; the results are only reproducible with them.
constexpr double kPi = 3.1416;
constexpr double kSqrt2g = 4.4294;
constexpr double k2g = 19.62;

constexpr CaseAChart kNoChart{}; // with no outlet chosen every entry reads as 0

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
    if (auto bad = notFinite(what, main)) return outOfRange(*bad);
    if (auto bad = notFinite(what, h)) return outOfRange(*bad);
    CaseAResult result = computed(main, h);
    result.readings[0] = reading;
    return result;
}

} // namespace

CaseAResult CaseAEngine(const CaseAInput& in)
{
    const auto ipRange = StudiedRange::openClosed(0, 130);
    if (!ipRange.holds(in.ip)) return outOfRange(Quantity::InflowPeak, in.ip, ipRange);
    const auto tpRange = StudiedRange::openClosed(0, 10000);
    if (!tpRange.holds(in.tp)) return outOfRange(Quantity::PeakTime, in.tp, tpRange);
    const auto tbRange = StudiedRange::openClosed(in.tp, 14400);
    if (!tbRange.holds(in.tb)) return outOfRange(Quantity::BaseTime, in.tb, tbRange);
    const auto dlRange = StudiedRange::openClosed(0, 10);
    if (!dlRange.holds(in.dl)) return outOfRange(outletSizeQuantity(in.outlet), in.dl, dlRange);
    const auto ckRange = StudiedRange::openClosed(0, 5);
    if (!ckRange.holds(in.ck)) return outOfRange(Quantity::DischargeCoef, in.ck, ckRange);

    const CaseAChart& chartXY = in.outlet == CaseAOutlet::Orifice ? CaseAOrificeChart
                                : in.outlet == CaseAOutlet::Weir  ? CaseAWeirChart
                                                                  : kNoChart;

    const double area = kPi * in.dl * in.dl / 4;
    const double vin = in.tb * in.ip / 2; // volume of the triangular hydrograph
    const double r = in.ip * in.tp / vin;
    const auto rRange = StudiedRange::closed(CaseACurveRatios.front(), CaseACurveRatios.back());
    if (!rRange.holds(r)) return outOfRange(Quantity::HydrographRatio, r, rRange);

    // Curves k-1 and k enclose r; a ratio on an inner curve takes the bracket
    // above it, so it is read on that curve alone.
    const std::size_t k = chart::bracket(CaseACurveRatios, r);
    const double r0 = CaseACurveRatios[k - 1];
    const double r1 = CaseACurveRatios[k];

    switch (in.calculation) {
    case CalculationType::Surface: {
        const double qp = in.given;
        const auto qpRange = StudiedRange::openClosed(0, in.ip);
        if (!qpRange.holds(qp)) return outOfRange(Quantity::GivenOutflow, qp, qpRange);
        const double q = qp / in.ip;
        const auto qRange = StudiedRange::closed(0.1, 0.85);
        if (!qRange.holds(q)) return outOfRange(Quantity::FlowRatio, q, qRange);
        if (in.outlet == CaseAOutlet::None)
            return outOfRange(Refusal{Quantity::OutletSize, in.dl, {}, Fault::NoOutlet});

        const auto x0 = chart::readCurve(chartXY.y[k - 1], chartXY.x[k - 1], q, 0, kCaseAPoints - 1);
        const auto x1 = chart::readCurve(chartXY.y[k], chartXY.x[k], q, 0, kCaseAPoints - 1);
        if (!x0 || !x1) return outOfRange(Refusal{Quantity::FlowRatio, q, qRange, Fault::OutsideCurve});
        const double x = chart::lerp(r, r0, *x0, r1, *x1);

        const double s = in.outlet == CaseAOutlet::Orifice
                             ? std::pow((in.tp * in.ck * area * kSqrt2g) / x / std::pow(vin, 0.5), 2.0)
                             : std::pow((in.tp * in.ck * in.dl * kSqrt2g) * std::pow(vin, 0.5) / x, 2.0 / 3.0);
        return finish(in, area, Quantity::ComputedSurface, s, qp,
                      readingBetween(x, q, std::uint8_t(k - 1), std::uint8_t(k), r, r0, r1));
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        const auto sRange = StudiedRange::openClosed(500, 90000);
        if (!sRange.holds(s)) return outOfRange(Quantity::GivenSurface, s, sRange);
        double x = 0; // no outlet: the check below always refuses it
        if (in.outlet == CaseAOutlet::Orifice)
            x = (in.tp * in.ck * area * kSqrt2g) / std::pow(s * vin, 0.5);
        else if (in.outlet == CaseAOutlet::Weir)
            x = ((in.tp * in.ck * in.dl * kSqrt2g) * std::pow(vin, 0.5)) / std::pow(s, 1.5);
        // The weir chart reaches x ≈ 7.9, but the studied range is the same
        // for both outlets.
        const auto xRange = StudiedRange::closed(0.2, 2.95);
        if (!xRange.holds(x)) return outOfRange(Quantity::OutletParameter, x, xRange);

        const auto y0 = chart::readCurve(chartXY.x[k - 1], chartXY.y[k - 1], x, 0, kCaseAPoints - 1);
        const auto y1 = chart::readCurve(chartXY.x[k], chartXY.y[k], x, 0, kCaseAPoints - 1);
        if (!y0 || !y1) return outOfRange(Refusal{Quantity::OutletParameter, x, xRange, Fault::OutsideCurve});
        const double y = chart::lerp(r, r0, *y0, r1, *y1);
        const double qp = in.ip * y;
        return finish(in, area, Quantity::ComputedOutflow, qp, qp,
                      readingBetween(x, y, std::uint8_t(k - 1), std::uint8_t(k), r, r0, r1));
    }
    case CalculationType::None:
    case CalculationType::Volume:
        break;
    }
    return nothingToCompute();
}

} // namespace retencion
