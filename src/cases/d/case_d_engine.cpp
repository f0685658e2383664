#include "cases/d/case_d_engine.h"

#include "cases/chart_math.h"
#include "cases/d/case_d_charts.h"

namespace retencion {
namespace {

using namespace case_d;

// Curve c of the chart read from `along` to `result` at `value`, interpolated
// linearly. A value at or below the curve's first point, or above its last,
// has no segment to read.
auto readOn(const ChartTable& along, const ChartTable& result, double value)
{
    return [&along, &result, value](std::size_t c) {
        return chart::readCurve(along[c], result[c], value, 0, kFilledPoints[c] - 1);
    };
}

// The span of curve c that readOn accepts, to name in a refusal.
StudiedRange curveSpan(const ChartTable& along, std::size_t c)
{
    return StudiedRange::openClosed(along[c][0], along[c][kFilledPoints[c] - 1]);
}

} // namespace

CaseDResult CaseDEngine(const CaseDInput& in)
{
    if (!kPeakTimeRange.holds(in.tp)) return refused(Quantity::PeakTime, in.tp, kPeakTimeRange);
    if (!kInflowPeakRange.holds(in.ip)) return refused(Quantity::InflowPeak, in.ip, kInflowPeakRange);

    // Curves c-1 and c enclose Ip; Ip = 35 takes the bracket above it, where
    // curve 3 weighs nothing.
    const std::size_t c = chart::bracket(IpCurves, in.ip);

    switch (in.calculation) {
    case CalculationType::Volume: {
        const double qp = in.given;
        const double r = (in.ip - qp) * 100 / in.ip;
        if (!kPeakReductionRange.holds(r)) return refused(Quantity::PeakReduction, r, kPeakReductionRange);

        // Every curve spans the studied reductions, so both readings succeed.
        const auto w = chart::readAcross(IpCurves, c, in.ip, readOn(ReductionChart, VolumeRateChart, r));
        if (!w) return refused(Refusal{Quantity::PeakReduction, r, kPeakReductionRange, Fault::OutsideCurve});
        const double v = *w * in.tp;
        if (auto bad = notFinite(Quantity::ComputedVolume, v)) return refused(*bad);
        CaseDResult result = computed(v, std::nullopt);
        result.readings[0] = readingBetween(*w, r, IpCurves, c, in.ip);
        return result;
    }
    case CalculationType::Outflow: {
        const double v = in.given;
        const double w = v / in.tp;
        if (!kVolumeRateRange.holds(w)) return refused(Quantity::VolumeRate, w, kVolumeRateRange);

        // Curves 1 and 2 end below 40 and no curve reaches down to 0: a W
        // outside either curve in use has no chart value, even where that
        // curve weighs nothing. The refusal names the span of the first
        // curve that misses it.
        const auto r = chart::readAcross(IpCurves, c, in.ip, readOn(VolumeRateChart, ReductionChart, w));
        if (!r) {
            const std::size_t off = curveSpan(VolumeRateChart, c - 1).holds(w) ? c : c - 1;
            return refused(Refusal{Quantity::VolumeRate, w, curveSpan(VolumeRateChart, off), Fault::OutsideCurve});
        }
        const double qp = in.ip - (*r / 100) * in.ip;
        if (auto bad = notFinite(Quantity::ComputedOutflow, qp)) return refused(*bad);
        CaseDResult result = computed(qp, std::nullopt);
        result.readings[0] = readingBetween(w, *r, IpCurves, c, in.ip);
        return result;
    }
    case CalculationType::None:
    case CalculationType::Surface:
        break;
    }
    return nothingToCompute();
}

} // namespace retencion
