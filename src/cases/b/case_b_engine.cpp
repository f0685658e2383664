#include "cases/b/case_b_engine.h"

#include "cases/b/case_b_charts.h"
#include "cases/chart_math.h"

#include <cmath>

namespace retencion {
namespace {

using namespace case_b;

// The value of curves k-1 and k at `value`, blended across the curves at the
// base-flow ratio r.
std::optional<double> readChart(const CurveTable& along, const CurveTable& result, std::size_t k, double r,
                                double value)
{
    return chart::readAcross(RatioCurves, k, r, [&](std::size_t c) {
        return chart::readCurve(along[c], result[c], value, 0, kCurvePoints[c] - 1);
    });
}

double lg(double v)
{
    return std::log(v) / std::log(10.0);
}

// The water depth over a rectangular conduit. The main result has been found
// and stays present when the depth parameter is refused.
CaseBResult rectangularWithDepth(const CaseBInput& in, Quantity what, double main, double s, ChartReading read)
{
    if (auto bad = notFinite(what, main)) return refused(*bad);
    const double w = ((std::pow(in.ip, 3.5) * in.tp) / s) / std::pow(in.size, 2.5);
    const auto& wRange = kDepthParameterRange;
    if (!wRange.holds(w)) return refused(Quantity::DepthParameter, w, wRange, main);

    const auto& depth = DepthChart;
    const auto j = chart::pointAtOrAbove(depth.w, w, 0, kDepthPoints - 1);
    if (!j || *j == 0) return refused(Refusal{Quantity::DepthParameter, w, wRange, Fault::OutsideCurve}, main);
    // Linear in the decimal logarithm of w.
    const double h = chart::lerp(lg(w), lg(depth.w[*j - 1]), depth.h[*j - 1], lg(depth.w[*j]), depth.h[*j]);
    if (auto bad = notFinite(what, h)) return refused(*bad, main);
    CaseBResult result = computed(main, h);
    result.readings = {read, ChartReading{w, h, {}, 0}};
    return result;
}

CaseBResult rectangular(const CaseBInput& in, double r)
{
    if (!kRatioRange.holds(r)) return refused(Quantity::BaseFlowRatio, r, kRatioRange);
    // Curves k-1 and k enclose r; a ratio on an inner curve takes the bracket
    // above it, so it is read on that curve alone.
    const std::size_t k = chart::bracket(RatioCurves, r);

    switch (in.calculation) {
    case CalculationType::Surface: {
        const double qp = in.given;
        const auto qpRange = outflowRange(in.qb, in.ip);
        if (!qpRange.holds(qp)) return refused(Quantity::GivenOutflow, qp, qpRange);
        const double x = ((in.ip - qp) * 100) / in.ip;
        if (!kPeakReductionRange.holds(x)) return refused(Quantity::PeakReduction, x, kPeakReductionRange);

        const auto y = readChart(ReductionChart, SurfaceChart, k, r, x);
        if (!y) return refused(Refusal{Quantity::PeakReduction, x, kPeakReductionRange, Fault::OutsideCurve});
        const double s = ((*y * in.tp) / std::pow(in.qb, 0.75)) / std::pow(in.ip / in.size, 0.5);
        return rectangularWithDepth(in, Quantity::ComputedSurface, s, s, readingBetween(*y, x, RatioCurves, k, r));
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        if (!kSurfaceRange.holds(s)) return refused(Quantity::GivenSurface, s, kSurfaceRange);
        const double y = ((std::pow(in.qb, 0.75) * s) / in.tp) * std::pow(in.ip / in.size, 0.5);
        const auto& yRange = kSurfaceCoefficientRange;
        if (!yRange.holds(y)) return refused(Quantity::SurfaceCoefficient, y, yRange);

        const auto x = readChart(SurfaceChart, ReductionChart, k, r, y);
        if (!x) return refused(Refusal{Quantity::SurfaceCoefficient, y, yRange, Fault::OutsideCurve});
        const double qp = in.ip - (*x / 100) * in.ip;
        return rectangularWithDepth(in, Quantity::ComputedOutflow, qp, s, readingBetween(y, *x, RatioCurves, k, r));
    }
    case CalculationType::None:
    case CalculationType::Volume:
        break;
    }
    return nothingToCompute();
}

// The water depth over N circular conduits, from the closed formula fitted
// to the same family of tanks.
CaseBResult circularWithDepth(const CaseBInput& in, Quantity what, double main, double s, ChartReading read)
{
    const double v = ((in.ip / in.n) / in.size) * std::pow(in.tp / s, 0.5);
    const double h = circularDepth(v);
    if (auto bad = notFinite(what, main)) return refused(*bad);
    if (auto bad = notFinite(what, h)) return refused(*bad, main);
    CaseBResult result = computed(main, h);
    result.readings = {read, ChartReading{v, h, {}, 0}};
    return result;
}

CaseBResult circular(const CaseBInput& in)
{
    // N counts the conduits: none leaves nothing to empty the tank, and a
    // fraction of a conduit is no conduit that can be built.
    if (!kCircularCountRange.holds(in.n)) return refused(Quantity::ConduitCount, in.n, kCircularCountRange);
    if (in.n != std::floor(in.n))
        return refused(Refusal{Quantity::ConduitCount, in.n, kCircularCountRange, Fault::NotWholeNumber});

    const double d = in.size;
    const auto qpRange = outflowRange(in.qb, in.ip);
    switch (in.calculation) {
    case CalculationType::Surface: {
        const double qp = in.given;
        if (!qpRange.holds(qp)) return refused(Quantity::GivenOutflow, qp, qpRange);
        const double x = (100 * (in.ip - qp)) / in.ip;
        const double e = circularE(x);
        const double s = (((e * in.n) * d) * std::pow(in.tp, kTimeExponent)) * std::pow(in.qb / in.ip, 0.5);
        return circularWithDepth(in, Quantity::ComputedSurface, s, s, ChartReading{e, x, {}, 0});
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        if (!kSurfaceRange.holds(s)) return refused(Quantity::GivenSurface, s, kSurfaceRange);
        const double e = (((s / in.n) / d) / std::pow(in.tp, kTimeExponent)) * std::pow(in.ip / in.qb, 0.5);
        const double x = circularReduction(e);
        const double qp = in.ip - (x / 100) * in.ip;
        if (!qpRange.holds(qp)) return refused(Quantity::ComputedOutflow, qp, qpRange);
        return circularWithDepth(in, Quantity::ComputedOutflow, qp, s, ChartReading{e, x, {}, 0});
    }
    case CalculationType::None:
    case CalculationType::Volume:
        break;
    }
    return nothingToCompute();
}

Quantity sizeQuantity(OutletConduit conduit)
{
    return conduit == OutletConduit::Circular ? Quantity::ConduitDiameter : Quantity::ConduitWidth;
}

} // namespace

CaseBResult CaseBEngine(const CaseBInput& in)
{
    if (!kInflowPeakRange.holds(in.ip)) return refused(Quantity::InflowPeak, in.ip, kInflowPeakRange);
    if (!kPeakTimeRange.holds(in.tp)) return refused(Quantity::PeakTime, in.tp, kPeakTimeRange);
    const auto qbRange = baseFlowRange(in.ip);
    if (!qbRange.holds(in.qb)) return refused(Quantity::BaseFlow, in.qb, qbRange);
    if (!kConduitSizeRange.holds(in.size)) return refused(sizeQuantity(in.conduit), in.size, kConduitSizeRange);

    const double r = in.qb / in.ip;
    switch (in.conduit) {
    case OutletConduit::Rectangular:
        return rectangular(in, r);
    case OutletConduit::Circular:
        return circular(in);
    case OutletConduit::None:
        break;
    }
    return nothingToCompute();
}

} // namespace retencion
