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
std::optional<double> readCurve(const Curve& along, const Curve& result, double v)
{
    const std::size_t i = chart::pointAtOrAbove(along, v, kFirstSearched, kLastSearched).value_or(kLastSearched + 1);
    if (along[i] == along[i - 1]) return std::nullopt;
    return chart::readSegment(along, result, v, i);
}

// Reads the attenuation chart at v, in B on each Ip curve of the bracket,
// then in Ip. The Ip interpolation is anchored at the upper curve: the last
// digits of the chart's answers depend on it.
std::optional<double> readAttenuation(const AttenuationTable& along, const AttenuationTable& result, Brackets at,
                                      double b, double ip, double v)
{
    return chart::readAcross(
        IpCurves, at.iIp, ip,
        [&](std::size_t k) {
            return chart::readAcross(BCurves, at.iB, b,
                                     [&](std::size_t j) { return readCurve(along[k][j], result[k][j], v); });
        },
        chart::Anchor::Upper);
}

// Reads the depth columns of the bracket at y, each from its first row on,
// and interpolates in Ip anchored at the lower curve.
std::optional<double> readDepth(Brackets at, double ip, double y)
{
    return chart::readAcross(IpCurves, at.iIp, ip,
                             [y](std::size_t k) { return chart::readCurve(DepthX[k], DepthY[k], y, 0, kPoints - 1); });
}

// The point (reduced surface x, Qp/Ip) on the attenuation chart, with the
// weights of the four curves numbered Ip curve × 3 + B curve.
ChartReading attenuationReading(Brackets at, double b, double ip, double x, double outflowRatio)
{
    const auto curve = [](std::size_t k, std::size_t j) { return std::uint8_t(k * kCurves + j); };
    return readingAmong(
        x, outflowRatio,
        {curve(at.iIp - 1, at.iB - 1), curve(at.iIp - 1, at.iB), curve(at.iIp, at.iB - 1), curve(at.iIp, at.iB)},
        chart::cornerWeights(chart::fractionBetween(BCurves, at.iB, b), chart::fractionBetween(IpCurves, at.iIp, ip)));
}

// The point (y, a) on the depth chart, between columns iIp-1 and iIp.
ChartReading depthReading(Brackets at, double ip, double y, double a)
{
    return readingBetween(y, a, IpCurves, at.iIp, ip);
}

} // namespace

CaseEResult CaseEEngine(const CaseEInput& in)
{
    const double ip = in.ip, tp = in.tp, b = in.b, ho = in.ho, l = in.l;
    if (!kInflowPeakRange.holds(ip)) return refused(Quantity::InflowPeak, ip, kInflowPeakRange);
    if (!kPeakTimeRange.holds(tp)) return refused(Quantity::PeakTime, tp, kPeakTimeRange);
    if (!kConduitWidthRange.holds(b)) return refused(Quantity::ConduitWidth, b, kConduitWidthRange);
    if (!kOpeningHeightRange.holds(ho)) return refused(Quantity::OpeningHeight, ho, kOpeningHeightRange);
    if (!kLengthRange.holds(l)) return refused(Quantity::Length, l, kLengthRange);

    const Brackets at{chart::bracket(BCurves, b), chart::bracket(IpCurves, ip)};

    // With no mode there is no surface, and the depth check below refuses
    // s = 0. The panel never asks this case for a volume.
    double s = 0;
    std::optional<double> main;
    double readX = 0; // the point read on the attenuation chart
    double readR = 0;
    switch (in.calculation) {
    case CalculationType::Surface: {
        const double r = in.given / ip;
        const auto& rRange = kFlowRatioRange;
        if (!rRange.holds(r)) return refused(Quantity::FlowRatio, r, rRange);
        const auto x = readAttenuation(AttenuationY, AttenuationX, at, b, ip, r);
        if (!x) return refused(Refusal{Quantity::FlowRatio, r, rRange, Fault::ChartHasNoValue});
        s = (*x * tp) * std::pow(ho / l, 0.3);
        readX = *x;
        readR = r;
        if (auto bad = notFinite(Quantity::ComputedSurface, s)) return refused(*bad);
        if (!kComputedSurfaceRange.holds(s)) return refused(Quantity::ComputedSurface, s, kComputedSurfaceRange);
        main = s;
        break;
    }
    case CalculationType::Outflow: {
        s = in.given;
        const double x = (s / tp) * std::pow(l / ho, 0.3);
        const auto& xRange = kReducedSurfaceRange;
        if (!xRange.holds(x)) return refused(Quantity::ReducedSurface, x, xRange);
        const auto r = readAttenuation(AttenuationX, AttenuationY, at, b, ip, x);
        if (!r) return refused(Refusal{Quantity::ReducedSurface, x, xRange, Fault::ChartHasNoValue});
        const double qp = *r * ip;
        readX = x;
        readR = *r;
        if (auto bad = notFinite(Quantity::ComputedOutflow, qp)) return refused(*bad);
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
    const auto& yRange = kDepthIndexRange;
    if (!yRange.holds(y)) {
        // With no calculation chosen there is no surface: the depth check
        // always refuses it.
        const Fault why = main ? Fault::OutsideStudiedRange : Fault::NoCalculationChosen;
        return refused(Refusal{Quantity::DepthIndex, y, yRange, why}, main);
    }
    const auto a = readDepth(at, ip, y);
    if (!a) return refused(Refusal{Quantity::DepthIndex, y, yRange, Fault::OutsideCurve}, main);
    const double h = (*a * tp) / s;
    if (auto bad = notFinite(Quantity::DepthIndex, h)) return refused(*bad, main);
    CaseEResult result = computed(*main, h); // set: with no mode, s = 0 never passes the depth check
    result.readings = {attenuationReading(at, b, ip, readX, readR), depthReading(at, ip, y, *a)};
    return result;
}

} // namespace retencion
