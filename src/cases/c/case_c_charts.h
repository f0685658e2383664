#pragma once
// The case C design charts. The flow ratio r = Qp/Ip follows a power curve
// r = A·X^E of the surface index X = S/(Tp·B²), one curve for each inflow
// peak node i and opening height node j. The height divisor Y (H = Ip/Y)
// follows a straight line Y = M·X + N, one line for each row k and conduit
// width node l. Every cell is filled.
//
// Each table is laid out as the chart lists it, one line per node of its
// second index: PowerCoef[j][i] is A at inflow peak node i on the curve of
// opening height node j, and HeightSlope[l][k] is M in row k for conduit
// width node l. With them, the studied ranges of case C.

#include "cases/calculation.h"
#include "cases/chart_math.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace retencion::case_c {

inline constexpr std::size_t kIpNodes = 7;
inline constexpr std::size_t kHoNodes = 5;
inline constexpr std::size_t kBNodes = 4;
inline constexpr std::size_t kHeightRows = 5;

// Inflow peak nodes, m³/s.
inline constexpr std::array<double, kIpNodes> IpAxis = {9, 11, 13, 20, 25, 35, 50};
// Opening height nodes, m.
inline constexpr std::array<double, kHoNodes> HoAxis = {0.4, 0.5, 0.6, 0.7, 0.8};
// Conduit width nodes, m.
inline constexpr std::array<double, kBNodes> BAxis = {2, 3, 4, 5};

// One line per opening height node, values along the inflow peak axis.
using PowerTable = std::array<std::array<double, kIpNodes>, kHoNodes>;
// One line per conduit width node, values along the rows of the height lines.
// The rows run against the opening height axis: an opening height between
// axis nodes j-1 and j (0-based) is read on rows 4-j and 5-j.
using HeightTable = std::array<std::array<double, kHeightRows>, kBNodes>;

// Coefficient A of the power curve r = A·X^E.
inline constexpr PowerTable PowerCoef = {{
    // HO 0.4 m
    {0.1932, 0.1733, 0.161, 0.1318, 0.1165, 0.1017, 0.0874},
    // HO 0.5 m
    {0.2234, 0.2009, 0.1875, 0.1544, 0.1372, 0.1222, 0.1039},
    // HO 0.6 m
    {0.2482, 0.2242, 0.2095, 0.1741, 0.1549, 0.1371, 0.1187},
    // HO 0.7 m
    {0.2709, 0.2478, 0.2302, 0.1924, 0.1709, 0.1555, 0.1328},
    // HO 0.8 m
    {0.2896, 0.2731, 0.2497, 0.2125, 0.1844, 0.1705, 0.1456},
}};

// Exponent E of the same power curve.
inline constexpr PowerTable PowerExp = {{
    // HO 0.4 m
    {-0.3358, -0.3612, -0.3728, -0.4166, -0.4253, -0.4274, -0.4315},
    // HO 0.5 m
    {-0.3292, -0.3558, -0.3701, -0.4245, -0.4331, -0.4444, -0.449},
    // HO 0.6 m
    {-0.3239, -0.3535, -0.3726, -0.4093, -0.4399, -0.4467, -0.4583},
    // HO 0.7 m
    {-0.3107, -0.3401, -0.3455, -0.4018, -0.432, -0.443, -0.4573},
    // HO 0.8 m
    {-0.2918, -0.3138, -0.3234, -0.3732, -0.4104, -0.4184, -0.4286},
}};

// Slope M of the height line Y = M·X + N, m²/s.
inline constexpr HeightTable HeightSlope = {{
    // B 2 m
    {6.9794, 6.9794, 7.0144, 6.9918, 6.9894},
    // B 3 m
    {16.71, 16.71, 16.734, 16.71, 16.685},
    // B 4 m
    {30.154, 30.154, 30.242, 30.3, 30.286},
    // B 5 m
    {47.514, 47.602, 47.673, 47.745, 47.745},
}};

// Intercept N of the same height line, m²/s.
inline constexpr HeightTable HeightIntercept = {{
    // B 2 m
    {1.7311, 1.5917, 1.3893, 1.2503, 1.0619},
    // B 3 m
    {2.3972, 2.1559, 1.9143, 1.6432, 1.342},
    // B 4 m
    {3.3977, 3.066, 2.7036, 2.3016, 1.8892},
    // B 5 m
    {4.408, 3.99, 3.5475, 3.0418, 2.5048},
}};

// The flow ratio r = A·X^E on the power curve of Ip node i and ho node j.
inline double powerCurve(std::size_t i, std::size_t j, double x)
{
    return PowerCoef[j][i] * std::pow(x, PowerExp[j][i]);
}

// The height divisor Y = M·X + N on the line of row k for B node l.
constexpr double heightLine(std::size_t l, std::size_t k, double x)
{
    return HeightSlope[l][k] * x + HeightIntercept[l][k];
}

// The studied ranges of the inputs and of the values read on the charts:
// the inputs span the chart's nodes.
inline constexpr auto kInflowPeakRange = StudiedRange::closed(IpAxis.front(), IpAxis.back());
inline constexpr auto kPeakTimeRange = StudiedRange::openClosed(0, 10000);
inline constexpr auto kConduitWidthRange = StudiedRange::closed(BAxis.front(), BAxis.back());
inline constexpr auto kOpeningHeightRange = StudiedRange::closed(HoAxis.front(), HoAxis.back());
inline constexpr auto kFlowRatioRange = StudiedRange::closed(0.12, 0.38);
inline constexpr auto kSurfaceRange = StudiedRange::closed(50, 100000);
inline constexpr auto kSurfaceIndexRange = StudiedRange::closed(0.12, 2.5);

namespace detail {
template <std::size_t N, std::size_t M>
constexpr bool allOf(const std::array<std::array<double, N>, M>& t, bool (*pred)(double))
{
    for (const auto& line : t)
        for (double v : line)
            if (!pred(v)) return false;
    return true;
}
constexpr bool positive(double v)
{
    return v > 0;
}
constexpr bool negative(double v)
{
    return v < 0;
}
} // namespace detail

static_assert(chart::strictlyRising(IpAxis) && chart::filledPoints(IpAxis) == kIpNodes);
static_assert(chart::strictlyRising(HoAxis) && chart::filledPoints(HoAxis) == kHoNodes);
static_assert(chart::strictlyRising(BAxis) && chart::filledPoints(BAxis) == kBNodes);
// The height lines are read at the opening height axis positions of their rows.
static_assert(kHeightRows == kHoNodes);
// Every cell filled (none reads as an empty 0). A positive coefficient and a
// negative exponent make each power curve fall as the surface grows, so it can
// be inverted for X at any flow ratio; the height lines rise from a positive
// intercept.
static_assert(detail::allOf(PowerCoef, detail::positive));
static_assert(detail::allOf(PowerExp, detail::negative));
static_assert(detail::allOf(HeightSlope, detail::positive));
static_assert(detail::allOf(HeightIntercept, detail::positive));

} // namespace retencion::case_c
