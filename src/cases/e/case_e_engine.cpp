#include "cases/e/case_e_engine.h"

#include "cases/chart_math.h"
#include "cases/e/case_e_charts.h"

#include <cmath>
#include <optional>

namespace retencion {
namespace {

using namespace case_e;

// Where the inputs fall between the chart's curves: the B curves iB-1 and iB
// and the Ip curves iIp-1 and iIp. A value on an inner curve takes the
// bracket above it; B = 5 and Ip = 50 take the last bracket.
struct Brackets {
    std::size_t iB;
    std::size_t iIp;
};

// Reads one attenuation curve: the value of `result` where `along` reaches v.
// Only points 2 to 13 are looked at; a value beyond them (or below the first)
// is extrapolated along the end segment. Behind the last point of a short
// curve that segment can be two empty cells, which would divide zero by zero:
// the chart has no value there.
std::optional<double> readCurve(const ECurve& along, const ECurve& result, double v)
{
    const std::size_t i = chart::pointAtOrAbove(along, v, kFirstSearched, kLastSearched).value_or(kLastSearched + 1);
    if (along[i] == along[i - 1]) return std::nullopt;
    return chart::readSegment(along, result, v, i);
}

// Reads the two B curves of the bracket for the Ip curve k and interpolates
// between them in B.
std::optional<double> readAcrossB(const ELamChart& along, const ELamChart& result, std::size_t k, std::size_t iB,
                                  double b, double v)
{
    const auto low = readCurve(along[k][iB - 1], result[k][iB - 1], v);
    const auto high = readCurve(along[k][iB], result[k][iB], v);
    if (!low || !high) return std::nullopt;
    return chart::lerp(b, EBCurves[iB - 1], *low, EBCurves[iB], *high);
}

// Reads the attenuation chart at v, first in B on each Ip curve of the
// bracket, the upper one first, then in Ip. The Ip interpolation is anchored
// at the upper curve: the last digits of the chart's answers depend on it.
std::optional<double> readAttenuation(const ELamChart& along, const ELamChart& result, Brackets at, double b, double ip,
                                      double v)
{
    const auto upper = readAcrossB(along, result, at.iIp, at.iB, b, v);
    const auto lower = readAcrossB(along, result, at.iIp - 1, at.iB, b, v);
    if (!upper || !lower) return std::nullopt;
    return chart::lerp(ip, EIpCurves[at.iIp], *upper, EIpCurves[at.iIp - 1], *lower);
}

// Reads the depth column k at y, from its first row on.
std::optional<double> readDepthColumn(std::size_t k, double y)
{
    return chart::readCurve(EDepthChartX[k], EDepthChartY[k], y, 0, kPoints - 1);
}

// The point (reduced surface x, Qp/Ip) on the attenuation chart, with the
// weights of the four curves numbered Ip curve × 3 + B curve.
ChartReading attenuationReading(Brackets at, double b, double ip, double x, double outflowRatio)
{
    const double tB = (b - EBCurves[at.iB - 1]) / (EBCurves[at.iB] - EBCurves[at.iB - 1]);
    const double tIp = (ip - EIpCurves[at.iIp - 1]) / (EIpCurves[at.iIp] - EIpCurves[at.iIp - 1]);
    const auto curve = [](std::size_t k, std::size_t j) { return std::uint8_t(k * 3 + j); };
    return {x,
            outflowRatio,
            {CurveWeight{curve(at.iIp - 1, at.iB - 1), (1 - tIp) * (1 - tB)},
             CurveWeight{curve(at.iIp - 1, at.iB), (1 - tIp) * tB},
             CurveWeight{curve(at.iIp, at.iB - 1), tIp * (1 - tB)}, CurveWeight{curve(at.iIp, at.iB), tIp * tB}},
            4};
}

// The point (y, a) on the depth chart, between columns iIp-1 and iIp.
ChartReading depthReading(Brackets at, double ip, double y, double a)
{
    return readingBetween(y, a, std::uint8_t(at.iIp - 1), std::uint8_t(at.iIp), ip, EIpCurves[at.iIp - 1],
                          EIpCurves[at.iIp]);
}

} // namespace

CaseEResult CaseEEngine(const CaseEInput& in)
{
    const double ip = in.ip, tp = in.tp, b = in.b, ho = in.ho, l = in.l;
    const auto ipRange = StudiedRange::closed(20, 50);
    if (!ipRange.holds(ip)) return outOfRange(Quantity::InflowPeak, ip, ipRange);
    const auto tpRange = StudiedRange::above(0);
    if (!tpRange.holds(tp)) return outOfRange(Quantity::PeakTime, tp, tpRange);
    const auto bRange = StudiedRange::closed(2, 5);
    if (!bRange.holds(b)) return outOfRange(Quantity::ConduitWidth, b, bRange);
    const auto hoRange = StudiedRange::closed(0.1, 5);
    if (!hoRange.holds(ho)) return outOfRange(Quantity::OpeningHeight, ho, hoRange);
    const auto lRange = StudiedRange::atLeast(0.2);
    if (!lRange.holds(l)) return outOfRange(Quantity::Length, l, lRange);

    const Brackets at{chart::bracket(EBCurves, b), chart::bracket(EIpCurves, ip)};

    // With no mode there is no surface, and the depth check below refuses
    // s = 0. The panel never asks this case for a volume.
    double s = 0;
    std::optional<double> main;
    double readX = 0; // the point read on the attenuation chart
    double readR = 0;
    switch (in.calculation) {
    case CalculationType::Surface: {
        const double r = in.given / ip;
        const auto rRange = StudiedRange::closed(0.15, 0.75);
        if (!rRange.holds(r)) return outOfRange(Quantity::FlowRatio, r, rRange);
        const auto x = readAttenuation(ELamChartY, ELamChartX, at, b, ip, r);
        if (!x) return outOfRange(Refusal{Quantity::FlowRatio, r, rRange, Fault::ChartHasNoValue});
        s = (*x * tp) * std::pow(ho / l, 0.3);
        readX = *x;
        readR = r;
        if (auto bad = notFinite(Quantity::ComputedSurface, s)) return outOfRange(*bad);
        // Below a curve's first point the chart is extrapolated, and a low
        // ratio can give a surface of 0 or less: no tank has it.
        const auto sRange = StudiedRange::above(0);
        if (!sRange.holds(s)) return outOfRange(Quantity::ComputedSurface, s, sRange);
        main = s;
        break;
    }
    case CalculationType::Outflow: {
        s = in.given;
        const double x = (s / tp) * std::pow(l / ho, 0.3);
        const auto xRange = StudiedRange::closed(0.4, 8);
        if (!xRange.holds(x)) return outOfRange(Quantity::ReducedSurface, x, xRange);
        const auto r = readAttenuation(ELamChartX, ELamChartY, at, b, ip, x);
        if (!r) return outOfRange(Refusal{Quantity::ReducedSurface, x, xRange, Fault::ChartHasNoValue});
        const double qp = *r * ip;
        readX = x;
        readR = *r;
        if (auto bad = notFinite(Quantity::ComputedOutflow, qp)) return outOfRange(*bad);
        main = qp;
        break;
    }
    case CalculationType::None:
    case CalculationType::Volume:
        break;
    }

    // The depth comes last: when it is out of range, the surface or outflow
    // peak found above is still an answer.
    const double y = (s / tp) / b;
    const auto yRange = StudiedRange::closed(0.1, 2.1);
    if (!yRange.holds(y)) {
        // With no calculation chosen there is no surface: the depth check
        // always refuses it.
        const Fault why = main ? Fault::OutsideStudiedRange : Fault::NoCalculationChosen;
        return outOfRange(Refusal{Quantity::DepthIndex, y, yRange, why}, main);
    }
    const auto aLow = readDepthColumn(at.iIp - 1, y);
    const auto aHigh = readDepthColumn(at.iIp, y);
    if (!aLow || !aHigh) return outOfRange(Refusal{Quantity::DepthIndex, y, yRange, Fault::OutsideCurve}, main);
    // Here the Ip interpolation is anchored at the lower curve.
    const double a = chart::lerp(ip, EIpCurves[at.iIp - 1], *aLow, EIpCurves[at.iIp], *aHigh);
    const double h = (a * tp) / s;
    if (auto bad = notFinite(Quantity::DepthIndex, h)) return outOfRange(*bad, main);
    CaseEResult result = computed(*main, h); // set: with no mode, s = 0 never passes the depth check
    result.readings = {attenuationReading(at, b, ip, readX, readR), depthReading(at, ip, y, a)};
    return result;
}

} // namespace retencion
