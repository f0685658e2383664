#pragma once
// The case A design charts: for each hydrograph ratio r = Ip·Tp/Vin, a curve
// of the flow ratio y = Qp/Ip against the outlet parameter x. One row per
// curve, points in order along it; the cells behind a curve's last point are
// empty and read as 0. With them, the studied ranges of case A and the short
// literals its formulas were worked with.

#include "cases/calculation.h"
#include "cases/chart_math.h"

#include <array>

namespace retencion::case_a {

inline constexpr std::size_t kCurves = 5;
inline constexpr std::size_t kPoints = 30;
using Curve = std::array<double, kPoints>;
using ChartTable = std::array<Curve, kCurves>;

struct Chart {
    ChartTable x; // outlet parameter
    ChartTable y; // flow ratio Qp/Ip
};

// Hydrograph ratio r of curves 1 to 5.
inline constexpr std::array<double, kCurves> RatioCurves = {0.4, 0.6, 0.8, 1.0, 1.2};

// The charts were computed with these short literals, not with more precise
// values; the results are only reproducible with them.
inline constexpr double kPi = 3.1416;
inline constexpr double kSqrt2g = 4.4294;
inline constexpr double k2g = 19.62;

// The studied ranges of the inputs and of the values read on the charts.
inline constexpr auto kInflowPeakRange = StudiedRange::openClosed(0, 130);
inline constexpr auto kPeakTimeRange = StudiedRange::openClosed(0, 10000);
constexpr StudiedRange baseTimeRange(double tp)
{
    return StudiedRange::openClosed(tp, 14400);
}
inline constexpr auto kOutletSizeRange = StudiedRange::openClosed(0, 10);
inline constexpr auto kDischargeCoefRange = StudiedRange::openClosed(0, 5);
inline constexpr auto kRatioRange = StudiedRange::closed(RatioCurves.front(), RatioCurves.back());
constexpr StudiedRange givenOutflowRange(double ip)
{
    return StudiedRange::openClosed(0, ip);
}
inline constexpr auto kFlowRatioRange = StudiedRange::closed(0.1, 0.85);
inline constexpr auto kSurfaceRange = StudiedRange::openClosed(500, 90000);
// The weir chart reaches x ≈ 7.9, but the studied range is the same for
// both outlets.
inline constexpr auto kOutletParameterRange = StudiedRange::closed(0.2, 2.95);

namespace detail {
// Orifice: outlet parameter x = Ck·A·√(2g)·Tp/√(S·Vin).
inline constexpr ChartTable OrificeX = {{
    // r = 0.4, 27 points
    {0.015,  0.0449, 0.0936, 0.1423, 0.1835, 0.2322, 0.2884, 0.3333, 0.3858, 0.4419, 0.5243, 0.588,  0.6891, 0.7715,
     0.8539, 0.9663, 1.1086, 1.2285, 1.3633, 1.5281, 1.7041, 1.8689, 2.0449, 2.2472, 2.4569, 2.7303, 3.0038},
    // r = 0.6, 24 points
    {0.0074, 0.0409, 0.0894, 0.1416, 0.2161, 0.2908, 0.358,  0.4327, 0.526,  0.6157, 0.7092, 0.8064,
     0.9186, 1.0383, 1.1805, 1.3414, 1.536,  1.712,  1.9141, 2.1463, 2.3223, 2.5357, 2.7641, 2.9963},
    // r = 0.8, 22 points
    {0.0224, 0.0746, 0.1417, 0.2276, 0.3097, 0.4068, 0.5301, 0.6422, 0.7731, 0.9189, 1.076,
     1.2294, 1.3866, 1.54,   1.7309, 1.9069, 2.1128, 2.3074, 2.4872, 2.6557, 2.8466, 3.0077},
    // r = 1.0, 26 points
    {0.0224, 0.0709, 0.1306, 0.2091, 0.2838, 0.3585, 0.4594, 0.5453, 0.635,  0.7547, 0.8482, 0.9566, 1.0651,
     1.1698, 1.297,  1.4018, 1.4991, 1.6189, 1.7573, 1.922,  2.0942, 2.2664, 2.4499, 2.6596, 2.8355, 3.0003},
    // r = 1.2, 26 points
    {0.0224, 0.0747, 0.1382, 0.2129, 0.3026, 0.3923, 0.4782, 0.5792, 0.6876, 0.7923, 0.897,  1.0017, 1.1065,
     1.2,    1.3197, 1.4657, 1.6341, 1.7987, 1.9372, 2.1057, 2.2554, 2.4051, 2.5511, 2.6972, 2.8581, 3.0004},
}};

// Orifice: flow ratio Qp/Ip at the same points.
inline constexpr ChartTable OrificeY = {{
    // r = 0.4, 27 points
    {0.0357, 0.1091, 0.1904, 0.2777, 0.3392, 0.4006, 0.47,   0.5196, 0.5652, 0.6148, 0.6743, 0.7119, 0.7654, 0.7991,
     0.8308, 0.8625, 0.8961, 0.9178, 0.9356, 0.9534, 0.9651, 0.975,  0.9808, 0.9846, 0.9904, 0.9922, 0.996},
    // r = 0.6, 24 points
    {0.0159, 0.0674, 0.1348, 0.2062, 0.2914, 0.3647, 0.4221, 0.4816, 0.5449, 0.6004, 0.6499, 0.6934,
     0.7389, 0.7784, 0.8179, 0.8514, 0.8869, 0.9085, 0.93,   0.9476, 0.9572, 0.9669, 0.9745, 0.9782},
    // r = 0.8, 22 points
    {0.0198, 0.0852, 0.1585, 0.2378, 0.3051, 0.3764, 0.4576, 0.521,  0.5803, 0.6436, 0.701,
     0.7444, 0.7819, 0.8154, 0.8489, 0.8705, 0.896,  0.9156, 0.9273, 0.937,  0.9466, 0.9544},
    // r = 1.0, 26 points
    {0.0158, 0.0654, 0.1209, 0.1823, 0.2377, 0.2892, 0.3506, 0.4001, 0.4456, 0.501,  0.5405, 0.5821, 0.6216,
     0.6552, 0.6907, 0.7164, 0.7381, 0.7657, 0.7893, 0.8169, 0.8405, 0.8621, 0.8817, 0.8993, 0.9129, 0.9226},
    // r = 1.2, 26 points
    {0.0059, 0.0574, 0.107,  0.1584, 0.2159, 0.2673, 0.3148, 0.3643, 0.4138, 0.4613, 0.5008, 0.5384, 0.5719,
     0.6016, 0.6352, 0.6707, 0.7082, 0.7397, 0.7653, 0.7909, 0.8125, 0.8302, 0.8478, 0.8615, 0.8772, 0.8869},
}};

// Weir: outlet parameter x = Ck·L·√(2g)·Tp·√Vin/S^1.5.
inline constexpr ChartTable WeirX = {{
    // r = 0.4, 26 points
    {0.0112182, 0.0535979, 0.106794, 0.170404, 0.263888, 0.376995, 0.509723, 0.662475, 0.834849,
     1.0371,    1.30951,   1.59169,  1.90335,  2.2251,   2.57656,  2.86763,  3.19883,  3.60996,
     4.08116,   4.56246,   5.05352,  5.59457,  6.16565,  6.76677,  7.25759,  7.96868},
    // r = 0.6, 23 points
    {0.0314028, 0.0636098, 0.157577, 0.260993, 0.363927, 0.54768, 0.750813, 0.973809,
     1.2262,    1.47843,   1.78047,  2.11239,  2.41396,  2.79562, 3.20715,  3.5985,
     4.0198,    4.50102,   5.10246,  5.78399,  6.34506,  6.96628, 7.94801},
    // r = 0.8, 24 points
    {0.031242, 0.0938868, 0.218051, 0.382423, 0.565693, 0.718123, 0.920855, 1.1533,
     1.40553,  1.65751,   1.91935,  2.17086,  2.49244,  2.96461,  3.33602,  3.68732,
     4.12865,  4.64014,   5.14138,  5.62259,  6.23396,  6.84517,  7.39631,  7.94721},
    // r = 1.0, 21 points
    {0.0414952, 0.144911, 0.268351, 0.452185, 0.645386, 0.848117, 1.10099, 1.42394, 1.7163, 2.05847, 2.47073,
     2.90285,   3.33465,  3.84646,  4.34802,  4.89964,  5.62147,  6.25294, 6.87432, 7.4454, 7.9464},
    // r = 1.2, 23 points
    {0.040691, 0.103255, 0.21604, 0.338596, 0.501681, 0.714907, 0.9681,  1.28112, 1.61377, 1.91597, 2.24806, 2.5698,
     2.89131,  3.23284,  3.52391, 3.92535,  4.50725,  5.02883,  5.44998, 6.16171, 6.84332, 7.43459, 7.94568},
}};

// Weir: flow ratio Qp/Ip at the same points.
inline constexpr ChartTable WeirY = {{
    // r = 0.4, 26 points
    {0.0301036, 0.0882727, 0.166506, 0.254763, 0.33896,  0.413087, 0.477144, 0.541171, 0.595128,
     0.645024,  0.696823,  0.742583, 0.774242, 0.807894, 0.833469, 0.851103, 0.870684, 0.88613,
     0.901484,  0.918832,  0.93014,  0.939366, 0.948546, 0.957681, 0.962965, 0.967919},
    // r = 0.6, 23 points
    {0.0340893, 0.0882576, 0.184502, 0.266675, 0.336801, 0.424878, 0.496861, 0.564798,
     0.616627,  0.66444,   0.706154, 0.743807, 0.773473, 0.803019, 0.828503, 0.850002,
     0.869448,  0.884788,  0.901954, 0.919,    0.928195, 0.939308, 0.951886},
    // r = 0.8, 24 points
    {0.0300734, 0.0942361, 0.194451, 0.298621, 0.37465,  0.430645, 0.492589, 0.546456,
     0.594269,  0.636058,  0.673816, 0.703558, 0.733194, 0.772644, 0.796181, 0.81774,
     0.837156,  0.858474,  0.873783, 0.889123, 0.904266, 0.915394, 0.926612, 0.931806},
    // r = 1.0, 21 points
    {0.0360821, 0.118256, 0.200399, 0.290484, 0.36449,  0.426434, 0.49031,  0.55408,  0.603841, 0.647502, 0.691058,
     0.730568,  0.762046, 0.791396, 0.814737, 0.838003, 0.861012, 0.878133, 0.893262, 0.902442, 0.911727},
    // r = 1.2, 23 points
    {0.016003, 0.0781577, 0.144253, 0.204309, 0.276353, 0.350329, 0.422237, 0.48803,
     0.543754, 0.589484,  0.631153, 0.664805, 0.692433, 0.720031, 0.737665, 0.761157,
     0.790401, 0.813712,  0.829142, 0.850158, 0.869212, 0.882378, 0.893656},
}};

} // namespace detail

inline constexpr Chart OrificeChart = {detail::OrificeX, detail::OrificeY};
inline constexpr Chart WeirChart = {detail::WeirX, detail::WeirY};

namespace detail {
constexpr bool wellFormed(const Chart& chart, std::array<std::size_t, kCurves> counts)
{
    for (std::size_t j = 0; j < kCurves; ++j) {
        if (chart::filledPoints(chart.x[j]) != counts[j] || chart::filledPoints(chart.y[j]) != counts[j]) return false;
        if (!chart::strictlyRising(chart.x[j]) || !chart::strictlyRising(chart.y[j])) return false;
        // Every curve spans the studied flow ratios and outlet parameters, so
        // no search runs off a curve.
        if (!(chart.y[j][0] < kFlowRatioRange.low->value && chart.y[j][counts[j] - 1] > kFlowRatioRange.high->value))
            return false;
        if (!(chart.x[j][0] < kOutletParameterRange.low->value &&
              chart.x[j][counts[j] - 1] > kOutletParameterRange.high->value))
            return false;
    }
    return true;
}
} // namespace detail

static_assert(chart::strictlyRising(RatioCurves));
static_assert(detail::wellFormed(OrificeChart, {27, 24, 22, 26, 26}));
static_assert(detail::wellFormed(WeirChart, {26, 23, 24, 21, 23}));

} // namespace retencion::case_a
