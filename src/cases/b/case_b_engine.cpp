#include "cases/b/case_b_engine.h"

#include "cases/b/case_b_charts.h"
#include "cases/chart_math.h"

#include <cmath>

namespace retencion {
namespace {

using case_b::Curve;
using case_b::kCurvePoints;

// The studied range of the given surface, the same for both conduits.
constexpr auto kSurfaceRange = StudiedRange::closed(50, 1000000);

// The value of curves k-1 and k at `value`, blended across the curves at the
// base-flow ratio r.
std::optional<double> readChart(const case_b::CurveTable& along, const case_b::CurveTable& result, std::size_t k,
                                double r, double value)
{
    const auto v0 = chart::readCurve(along[k - 1], result[k - 1], value, 0, kCurvePoints[k - 1] - 1);
    const auto v1 = chart::readCurve(along[k], result[k], value, 0, kCurvePoints[k] - 1);
    if (!v0 || !v1) return std::nullopt;
    return chart::lerp(r, case_b::RatioCurves[k - 1], *v0, case_b::RatioCurves[k], *v1);
}

// The point (surface coefficient, peak reduction) read between curves k-1
// and k of the reduction chart.
ChartReading curvesAt(double y, double x, std::size_t k, double r)
{
    return readingBetween(y, x, std::uint8_t(k - 1), std::uint8_t(k), r, case_b::RatioCurves[k - 1],
                          case_b::RatioCurves[k]);
}

double lg(double v)
{
    return std::log(v) / std::log(10.0);
}

// The water depth over a rectangular conduit. The depth chart begins at
// w = 7 and nothing is extrapolated below it, so the depth parameter is held
// to (7, 100000]; the main result has been found and stays present.
CaseBResult rectangularDepth(const CaseBInput& in, Quantity what, double main, double s, ChartReading read)
{
    if (auto bad = notFinite(what, main)) return outOfRange(*bad);
    const double w = ((std::pow(in.ip, 3.5) * in.tp) / s) / std::pow(in.size, 2.5);
    const auto wRange = StudiedRange::openClosed(case_b::DepthChart.w.front(), 100000);
    if (!wRange.holds(w)) return outOfRange(Quantity::DepthParameter, w, wRange, main);

    const auto& depth = case_b::DepthChart;
    const auto j = chart::pointAtOrAbove(depth.w, w, 0, case_b::kDepthPoints - 1);
    if (!j || *j == 0) return outOfRange(Refusal{Quantity::DepthParameter, w, wRange, Fault::OutsideCurve}, main);
    // Linear in the decimal logarithm of w.
    const double h = chart::lerp(lg(w), lg(depth.w[*j - 1]), depth.h[*j - 1], lg(depth.w[*j]), depth.h[*j]);
    if (auto bad = notFinite(what, h)) return outOfRange(*bad, main);
    CaseBResult result = computed(main, h);
    result.readings = {read, ChartReading{w, h, {}, 0}};
    return result;
}

CaseBResult rectangular(const CaseBInput& in, double r)
{
    const auto rRange = StudiedRange::closed(case_b::RatioCurves.front(), case_b::RatioCurves.back());
    if (!rRange.holds(r)) return outOfRange(Quantity::BaseFlowRatio, r, rRange);
    // Curves k-1 and k enclose r; a ratio on an inner curve takes the bracket
    // above it, so it is read on that curve alone.
    const std::size_t k = chart::bracket(case_b::RatioCurves, r);

    switch (in.calculation) {
    case CalculationType::Surface: {
        const double qp = in.given;
        const auto qpRange = StudiedRange::closed(in.qb, in.ip);
        if (!qpRange.holds(qp)) return outOfRange(Quantity::GivenOutflow, qp, qpRange);
        const double x = ((in.ip - qp) * 100) / in.ip;
        const auto xRange = StudiedRange::closed(10, 52);
        if (!xRange.holds(x)) return outOfRange(Quantity::PeakReduction, x, xRange);

        const auto y = readChart(case_b::ReductionChart, case_b::SurfaceChart, k, r, x);
        if (!y) return outOfRange(Refusal{Quantity::PeakReduction, x, xRange, Fault::OutsideCurve});
        const double s = ((*y * in.tp) / std::pow(in.qb, 0.75)) / std::pow(in.ip / in.size, 0.5);
        return rectangularDepth(in, Quantity::ComputedSurface, s, s, curvesAt(*y, x, k, r));
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        if (!kSurfaceRange.holds(s)) return outOfRange(Quantity::GivenSurface, s, kSurfaceRange);
        const double y = ((std::pow(in.qb, 0.75) * s) / in.tp) * std::pow(in.ip / in.size, 0.5);
        const auto yRange = StudiedRange::closed(2, 15);
        if (!yRange.holds(y)) return outOfRange(Quantity::SurfaceCoefficient, y, yRange);

        const auto x = readChart(case_b::SurfaceChart, case_b::ReductionChart, k, r, y);
        if (!x) return outOfRange(Refusal{Quantity::SurfaceCoefficient, y, yRange, Fault::OutsideCurve});
        const double qp = in.ip - (*x / 100) * in.ip;
        return rectangularDepth(in, Quantity::ComputedOutflow, qp, s, curvesAt(y, *x, k, r));
    }
    case CalculationType::None:
    case CalculationType::Volume:
        break;
    }
    return nothingToCompute();
}

// The water depth over N circular conduits, from the closed formula fitted
// to the same family of tanks.
CaseBResult circularDepth(const CaseBInput& in, Quantity what, double main, double s, ChartReading read)
{
    const double v = ((in.ip / in.n) / in.size) * std::pow(in.tp / s, 0.5);
    const double h = 1.0048 * v + 0.8888;
    if (auto bad = notFinite(what, main)) return outOfRange(*bad);
    if (auto bad = notFinite(what, h)) return outOfRange(*bad, main);
    CaseBResult result = computed(main, h);
    result.readings = {read, ChartReading{v, h, {}, 0}};
    return result;
}

CaseBResult circular(const CaseBInput& in)
{
    // N = 0 passes the input checks (the field means nothing to a
    // rectangular conduit) but leaves no conduit to empty the tank.
    const auto nRange = StudiedRange::openClosed(0, 30);
    if (!nRange.holds(in.n)) return outOfRange(Quantity::ConduitCount, in.n, nRange);

    const double d = in.size;
    switch (in.calculation) {
    case CalculationType::Surface: {
        const double qp = in.given;
        const auto qpRange = StudiedRange::closed(in.qb, in.ip);
        if (!qpRange.holds(qp)) return outOfRange(Quantity::GivenOutflow, qp, qpRange);
        const double x = (100 * (in.ip - qp)) / in.ip;
        const double e = std::exp((x + 23.414) / 18.535);
        const double s = (((e * in.n) * d) * std::pow(in.tp, 0.7)) * std::pow(in.qb / in.ip, 0.5);
        return circularDepth(in, Quantity::ComputedSurface, s, s, ChartReading{e, x, {}, 0});
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        if (!kSurfaceRange.holds(s)) return outOfRange(Quantity::GivenSurface, s, kSurfaceRange);
        const double e = (((s / in.n) / d) / std::pow(in.tp, 0.7)) * std::pow(in.ip / in.qb, 0.5);
        const double x = std::log(e) * 18.535 - 23.414;
        const double qp = in.ip - (x / 100) * in.ip;
        // Outside these bounds the fitted formula runs far beyond its data,
        // down to negative outflows: not a physical answer.
        const auto qpRange = StudiedRange::closed(in.qb, in.ip);
        if (!qpRange.holds(qp)) return outOfRange(Quantity::ComputedOutflow, qp, qpRange);
        return circularDepth(in, Quantity::ComputedOutflow, qp, s, ChartReading{e, x, {}, 0});
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
    const auto ipRange = StudiedRange::openClosed(0, 100);
    if (!ipRange.holds(in.ip)) return outOfRange(Quantity::InflowPeak, in.ip, ipRange);
    const auto tpRange = StudiedRange::openClosed(0, 10000);
    if (!tpRange.holds(in.tp)) return outOfRange(Quantity::PeakTime, in.tp, tpRange);
    const auto qbRange = StudiedRange::openClosed(0, in.ip);
    if (!qbRange.holds(in.qb)) return outOfRange(Quantity::BaseFlow, in.qb, qbRange);
    const auto sizeRange = StudiedRange::openClosed(0, 10);
    if (!sizeRange.holds(in.size)) return outOfRange(sizeQuantity(in.conduit), in.size, sizeRange);
    const auto nRange = StudiedRange::closed(0, 30);
    if (!nRange.holds(in.n)) return outOfRange(Quantity::ConduitCount, in.n, nRange);

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
