#include "cases/d/case_d_engine.h"

#include "cases/chart_math.h"
#include "cases/d/case_d_charts.h"

namespace retencion {
namespace {

// Reads one curve of the chart: the value in `result` where the curve reaches
// `value` along `along`, interpolated linearly. A value at or below the
// curve's first point, or above its last, has no segment to read.
std::optional<double> readCurve(const CaseDCurve& along, const CaseDCurve& result, std::size_t points, double value)
{
    return chart::readCurve(along, result, value, 0, points - 1);
}

// The span of a curve that readCurve accepts, to name in a refusal.
StudiedRange curveSpan(const CaseDCurve& along, std::size_t points)
{
    return StudiedRange::openClosed(along[0], along[points - 1]);
}

} // namespace

CaseDResult CaseDEngine(const CaseDInput& in)
{
    const auto tpRange = StudiedRange::above(0);
    if (!tpRange.holds(in.tp)) return outOfRange(Quantity::PeakTime, in.tp, tpRange);
    const auto ipRange = StudiedRange::closed(CaseDIpAxis.front(), CaseDIpAxis.back());
    if (!ipRange.holds(in.ip)) return outOfRange(Quantity::InflowPeak, in.ip, ipRange);

    // Curves c-1 and c enclose Ip; Ip = 35 takes the bracket above it, where
    // curve 3 weighs nothing.
    const std::size_t c = chart::bracket(CaseDIpAxis, in.ip);
    const double ip0 = CaseDIpAxis[c - 1];
    const double ip1 = CaseDIpAxis[c];
    const std::size_t n0 = case_d_data::kFilledPoints[c - 1];
    const std::size_t n1 = case_d_data::kFilledPoints[c];

    switch (in.calculation) {
    case CalculationType::Volume: {
        const double qp = in.given;
        const double r = (in.ip - qp) * 100 / in.ip;
        const auto rRange = StudiedRange::closed(8, 60);
        if (!rRange.holds(r)) return outOfRange(Quantity::PeakReduction, r, rRange);

        // Every curve spans 8..60 %, so both readings succeed.
        const auto w0 = readCurve(CaseDReductionChart[c - 1], CaseDVolumeRateChart[c - 1], n0, r);
        const auto w1 = readCurve(CaseDReductionChart[c], CaseDVolumeRateChart[c], n1, r);
        if (!w0 || !w1) return outOfRange(Refusal{Quantity::PeakReduction, r, rRange, Fault::OutsideCurve});
        const double w = chart::lerp(in.ip, ip0, *w0, ip1, *w1);
        const double v = w * in.tp;
        if (auto bad = notFinite(Quantity::ComputedVolume, v)) return outOfRange(*bad);
        CaseDResult result = computed(v, std::nullopt);
        result.readings[0] = readingBetween(w, r, std::uint8_t(c - 1), std::uint8_t(c), in.ip, ip0, ip1);
        return result;
    }
    case CalculationType::Outflow: {
        const double v = in.given;
        const double w = v / in.tp;
        const auto wRange = StudiedRange::atMost(40);
        if (!wRange.holds(w)) return outOfRange(Quantity::VolumeRate, w, wRange);

        // Curves 1 and 2 end below 40 and no curve reaches down to 0: a W
        // outside either curve in use has no chart value, even where that
        // curve weighs nothing.
        const auto r0 = readCurve(CaseDVolumeRateChart[c - 1], CaseDReductionChart[c - 1], n0, w);
        if (!r0)
            return outOfRange(
                Refusal{Quantity::VolumeRate, w, curveSpan(CaseDVolumeRateChart[c - 1], n0), Fault::OutsideCurve});
        const auto r1 = readCurve(CaseDVolumeRateChart[c], CaseDReductionChart[c], n1, w);
        if (!r1)
            return outOfRange(
                Refusal{Quantity::VolumeRate, w, curveSpan(CaseDVolumeRateChart[c], n1), Fault::OutsideCurve});
        const double r = chart::lerp(in.ip, ip0, *r0, ip1, *r1);
        const double qp = in.ip - (r / 100) * in.ip;
        if (auto bad = notFinite(Quantity::ComputedOutflow, qp)) return outOfRange(*bad);
        CaseDResult result = computed(qp, std::nullopt);
        result.readings[0] = readingBetween(w, r, std::uint8_t(c - 1), std::uint8_t(c), in.ip, ip0, ip1);
        return result;
    }
    case CalculationType::None:
    case CalculationType::Surface:
        break;
    }
    return nothingToCompute();
}

} // namespace retencion
