#pragma once
// The case B design charts for a tank emptying freely through one rectangular
// outlet conduit: for each base-flow ratio r = Qb/Ip, a curve of the surface
// coefficient y = Qb^0.75·S·(Ip/B)^0.5/Tp against the peak reduction
// x = 100·(Ip − Qp)/Ip, and one curve of the water depth against the depth
// parameter w = Ip^3.5·Tp/S/B^2.5. One row per curve, points in order along
// it; the cells behind a curve's last point are empty and read as 0.
// Circular conduits use closed formulas and no chart. With them, the
// studied ranges of case B.

#include "cases/calculation.h"
#include "cases/chart_math.h"

#include <array>
#include <cmath>

namespace retencion::case_b {

inline constexpr std::size_t kCurves = 5;
inline constexpr std::size_t kPoints = 24;
inline constexpr std::size_t kDepthPoints = 9;
using Curve = std::array<double, kPoints>;
using CurveTable = std::array<Curve, kCurves>;

// Base-flow ratio Qb/Ip of curves 1 to 5.
inline constexpr std::array<double, kCurves> RatioCurves = {0.05, 0.07, 0.1, 0.15, 0.2};

// Peak reduction x, % of Ip, of each point.
inline constexpr CurveTable ReductionChart = {{
    // r = 0.05, 22 points
    {6.30825, 9.04418, 11.5523, 14.4405, 17.4808, 20.6732, 23.5617, 26.4505, 29.2634, 32.3045, 34.8898,
     37.3235, 39.7573, 42.6474, 45.69,   48.657,  50.9397, 52.9946, 54.8216, 56.6486, 58.0197, 59.9233},
    // r = 0.07, 21 points
    {4.93986, 7.9036,  11.7032, 15.047,  19.4548, 23.1789, 26.9029, 29.4873, 32.4519, 35.7969, 38.7621,
     41.1194, 44.3134, 47.2793, 49.7897, 51.7682, 53.5953, 55.4223, 56.9457, 58.3931, 59.7644},
    // r = 0.1, 20 points
    {5.31889, 9.0418,  13.2968, 18.0077, 21.3511, 25.7588, 29.4826, 32.5229, 36.2474, 39.4402,
     42.9374, 45.7512, 48.8692, 51.6076, 53.4339, 55.261,  57.0886, 58.0802, 59.2991, 59.9863},
    // r = 0.15, 22 points
    {5.09042, 9.34498, 13.9037, 18.9942, 23.6293, 27.2008, 31.7601, 34.4199, 36.9279, 38.6762, 40.8049,
     42.6298, 44.4546, 47.0398, 49.3211, 51.3749, 53.6572, 55.5597, 57.0821, 58.3771, 59.2922, 59.9042},
    // r = 0.2, 20 points
    {5.91837, 8.87748, 13.506, 18.2863, 23.2946, 26.8613, 30.9594, 34.6784, 38.3979, 41.4346,
     44.8514, 47.8887, 50.623, 52.826,  54.4981, 56.2463, 57.767,  58.7564, 59.5182, 59.9006},
}};

// Surface coefficient y at the same points.
inline constexpr CurveTable SurfaceChart = {{
    // r = 0.05, 22 points
    {1.46458, 2.0436,  2.62262, 3.33787, 4.08719, 4.92166, 5.72207, 6.60763, 7.54428, 8.54905, 9.57084,
     10.6608, 11.7677, 13.1131, 14.6117, 16.2466, 17.6601, 19.0395, 20.436,  21.8154, 23.1437, 24.7616},
    // r = 0.07, 21 points
    {1.03883, 1.60082, 2.29905, 2.98025, 3.88283, 4.73433, 5.55177, 6.23297, 7.08447, 8.14033, 9.19619,
     10.1499, 11.4952, 12.7725, 14.1178, 15.3781, 16.7916, 18.171,  19.6185, 21.049,  22.4625},
    // r = 0.1, 20 points
    {0.800409, 1.26022, 1.85627, 2.52044, 3.08243, 3.95095, 4.68324, 5.44959, 6.4203,  7.40804,
     8.54905,  9.7752,  11.1206, 12.5,    13.6751, 15.0886, 16.6723, 18.0688, 19.2779, 20.4871},
    // r = 0.15, 22 points
    {0.596049, 1.05586, 1.63488, 2.26499, 2.96322, 3.59332, 4.3767,  4.8876,  5.43256, 5.9094, 6.62466,
     7.30586,  7.98706, 8.94074, 9.86035, 10.9162, 12.1594, 13.3856, 14.5266, 15.7868, 17.03,  18.4775},
    // r = 0.2, 20 points
    {0.596455, 0.869121, 1.34628, 1.87457, 2.50511, 3.05044, 3.69802, 4.43081, 5.29993, 6.15201,
     7.25971,  8.31629,  9.49216, 10.5828, 11.6735, 12.8323, 14.0423, 15.1159, 16.2065, 17.229},
}};

// Filled points of curves 1 to 5.
inline constexpr std::array<std::size_t, kCurves> kCurvePoints = {22, 21, 20, 22, 20};

// Water depth against the depth parameter; the depth is read linearly in the
// decimal logarithm of w.
struct DepthCurve {
    std::array<double, kDepthPoints> w; // depth parameter Ip^3.5·Tp/S/B^2.5
    std::array<double, kDepthPoints> h; // water depth H, m
};

inline constexpr DepthCurve DepthChart = {
    {7, 19, 104, 427, 1560, 12075, 91074, 332742, 1882269},
    {0.99, 1.25, 1.79, 2.35, 3.11, 4.98, 7.51, 9.82, 13.82},
};

// The studied ranges of the inputs and of the values read on the charts.
inline constexpr auto kInflowPeakRange = StudiedRange::openClosed(0, 100);
inline constexpr auto kPeakTimeRange = StudiedRange::openClosed(0, 10000);
constexpr StudiedRange baseFlowRange(double ip)
{
    return StudiedRange::openClosed(0, ip);
}
inline constexpr auto kConduitSizeRange = StudiedRange::openClosed(0, 10);
// The number of circular conduits, a whole number: at least one. It means
// nothing to a rectangular conduit, which never reads it.
inline constexpr auto kCircularCountRange = StudiedRange::openClosed(0, 30);
inline constexpr auto kRatioRange = StudiedRange::closed(RatioCurves.front(), RatioCurves.back());
// The target outflow peak, and for circular conduits the outflow peak found:
// outside these bounds the fitted formula runs far beyond its data, down to
// negative outflows.
constexpr StudiedRange outflowRange(double qb, double ip)
{
    return StudiedRange::closed(qb, ip);
}
inline constexpr auto kPeakReductionRange = StudiedRange::closed(10, 52);
inline constexpr auto kSurfaceRange = StudiedRange::closed(50, 1000000); // the same for both conduits
inline constexpr auto kSurfaceCoefficientRange = StudiedRange::closed(2, 15);
// The depth chart begins at w = 7 and nothing is extrapolated below it.
inline constexpr auto kDepthParameterRange = StudiedRange::openClosed(DepthChart.w.front(), 100000);

// The closed formulas fitted for circular conduits, in e = S/(N·D·Tp^0.7)·
// (Ip/Qb)^0.5 and v = Ip/(N·D)·(Tp/S)^0.5: the peak reduction
// x = 18.535·ln(e) − 23.414 and the water depth H = 1.0048·v + 0.8888.
inline constexpr double kTimeExponent = 0.7;
inline constexpr double kReductionSlope = 18.535;
inline constexpr double kReductionOffset = 23.414;
inline constexpr double kDepthSlope = 1.0048;
inline constexpr double kDepthIntercept = 0.8888;

// e for the peak reduction x, the formula inverted.
inline double circularE(double x)
{
    return std::exp((x + kReductionOffset) / kReductionSlope);
}
inline double circularReduction(double e)
{
    return std::log(e) * kReductionSlope - kReductionOffset;
}
constexpr double circularDepth(double v)
{
    return kDepthSlope * v + kDepthIntercept;
}

namespace detail {
constexpr bool wellFormed(const CurveTable& along, const CurveTable& other, std::array<std::size_t, kCurves> counts,
                          StudiedRange studied)
{
    const double first = studied.low->value, last = studied.high->value;
    for (std::size_t c = 0; c < kCurves; ++c) {
        if (chart::filledPoints(along[c]) != counts[c] || chart::filledPoints(other[c]) != counts[c]) return false;
        if (!chart::strictlyRising(along[c]) || !chart::strictlyRising(other[c])) return false;
        // Every curve spans the studied interval [first, last] of the value
        // searched along it, so no search runs off a curve.
        if (!(along[c][0] < first && along[c][counts[c] - 1] > last)) return false;
    }
    return true;
}

} // namespace detail

static_assert(chart::strictlyRising(RatioCurves));
static_assert(detail::wellFormed(ReductionChart, SurfaceChart, kCurvePoints, kPeakReductionRange));
static_assert(detail::wellFormed(SurfaceChart, ReductionChart, kCurvePoints, kSurfaceCoefficientRange));
static_assert(chart::strictlyRising(DepthChart.w) && chart::strictlyRising(DepthChart.h));
static_assert(chart::filledPoints(DepthChart.w) == kDepthPoints && chart::filledPoints(DepthChart.h) == kDepthPoints);
// The studied depth parameters stay within the chart.
static_assert(DepthChart.w.front() == 7 && DepthChart.w.back() > kDepthParameterRange.high->value);

} // namespace retencion::case_b
