#pragma once
// The case E design charts. The attenuation chart: for each outlet-conduit
// width B and inflow peak Ip, a curve of the flow ratio r = Qp/Ip against the
// reduced surface x = (S/Tp)·(L/ho)^0.3. The depth chart: for each Ip, a
// curve of a (m³/s) against y = (S/Tp)/B, from which the depth H = a·Tp/S.
// One row per curve, points in order along it; the cells behind a curve's
// last point are empty and read as 0. With them, the studied ranges of
// case E.

#include "cases/calculation.h"
#include "cases/chart_math.h"

#include <array>
#include <cstddef>

namespace retencion::case_e {

inline constexpr std::size_t kCurves = 3; // B curves, and Ip curves
inline constexpr std::size_t kPoints = 15;
using Curve = std::array<double, kPoints>;
// Indexed [k][j]: k the Ip curve, j the B curve; each row a curve's points.
using AttenuationTable = std::array<std::array<Curve, kCurves>, kCurves>;
// Indexed [k]: k the Ip curve.
using DepthTable = std::array<Curve, kCurves>;

// Outlet-conduit width B of the curves j, m (whole metres).
inline constexpr std::array<double, kCurves> BCurves = {2, 4, 5};
// Inflow peak Ip of the curves k, m³/s (whole numbers).
inline constexpr std::array<double, kCurves> IpCurves = {20, 35, 50};

// Attenuation chart: reduced surface x = (S/Tp)·(L/ho)^0.3, S in m², Tp in s.
// clang-format off
inline constexpr AttenuationTable AttenuationX = {{
    {{ // Ip = 20
        // B = 2, 14 points; points 3 and 4 share their abscissa
        {0.130233, 0.195349, 0.316279, 0.316279, 0.502326, 0.902326, 1.40465, 1.91628, 2.71628, 3.42326, 4.31628, 5.47907, 6.57674, 7.85116},
        // B = 4, 14 points
        {0.213953, 0.372093, 0.567442, 0.883721, 1.22791, 1.6, 2.21395, 2.85581, 3.73953, 4.59535, 5.64651, 6.82791, 8.28837, 9.90698},
        // B = 5, 12 points
        {0.288372, 0.483721, 0.697674, 1.11628, 1.64651, 2.27907, 3.10698, 4.22326, 5.44186, 6.51163, 7.34884, 8.67907},
    }},
    {{ // Ip = 35
        // B = 2, 15 points
        {0.279393, 0.564425, 1.00223, 1.66887, 2.48845, 3.32719, 4.64297, 5.80638, 7.02718, 8.59147, 10.6519, 12.7505, 14.8112, 17.12, 19.9633},
        // B = 4, 14 points
        {0.453983, 0.872754, 1.29171, 2.01576, 2.83543, 3.61709, 4.58957, 5.71478, 7.14541, 8.99587, 11.0181, 13.3649, 16.246, 18.0969},
        // B = 5, 11 points
        {0.512084, 0.93084, 1.78827, 2.85574, 4.24768, 5.96417, 7.71903, 9.6076, 11.7635, 15.694, 18.8233},
    }},
    {{ // Ip = 50
        // B = 2, 13 points
        {0.424726, 0.864735, 1.32756, 2.11383, 2.96925, 3.82439, 5.04895, 6.3887, 8.09751, 10.7989, 13.9619, 18.1408, 22.8738},
        // B = 4, 13 points
        {0.374204, 1.02225, 1.50808, 2.47907, 3.70375, 4.99759, 6.10639, 8.02336, 10.6561, 13.1731, 15.182, 18.1604, 23.4936},
        // B = 5, 11 points
        {0.326808, 0.812716, 1.41401, 2.1771, 3.2171, 4.23381, 6.151, 8.22972, 11.5088, 15.7342, 23.1224},
    }},
}};
// clang-format on

// Attenuation chart: flow ratio r = Qp/Ip at the same points.
// clang-format off
inline constexpr AttenuationTable AttenuationY = {{
    {{ // Ip = 20
        // B = 2, 14 points; point 4 lies a little below point 3
        {0.164064, 0.222743, 0.289203, 0.288604, 0.347275, 0.40773, 0.460994, 0.507071, 0.566304, 0.607579, 0.654831, 0.706259, 0.749307, 0.798332},
        // B = 4, 14 points
        {0.12334, 0.165247, 0.205355, 0.255037, 0.297531, 0.328647, 0.370526, 0.406416, 0.447081, 0.483557, 0.52062, 0.554681, 0.593516, 0.628748},
        // B = 5, 12 points
        {0.0927971, 0.144282, 0.185587, 0.241251, 0.288524, 0.329205, 0.371071, 0.41831, 0.458956, 0.493023, 0.515129, 0.543193},
    }},
    {{ // Ip = 35
        // B = 2, 15 points
        {0.323828, 0.381732, 0.434631, 0.496108, 0.544718, 0.589754, 0.637649, 0.671247, 0.698411, 0.726291, 0.757029, 0.785624, 0.804925, 0.818507, 0.831374},
        // B = 4, 14 points
        {0.190151, 0.240905, 0.283082, 0.336696, 0.381017, 0.418189, 0.456076, 0.491104, 0.522558, 0.554726, 0.58618, 0.613344, 0.636934, 0.651231},
        // B = 5, 11 points
        {0.150119, 0.201589, 0.26521, 0.323114, 0.379587, 0.429627, 0.470373, 0.505401, 0.531136, 0.571168, 0.591183},
    }},
    {{ // Ip = 50
        // B = 2, 13 points
        {0.359225, 0.414298, 0.458884, 0.513967, 0.565118, 0.605126, 0.648421, 0.682542, 0.705529, 0.726576, 0.74829, 0.773309, 0.802275},
        // B = 4, 13 points
        {0.189449, 0.255671, 0.296981, 0.354034, 0.401918, 0.44587, 0.476052, 0.514777, 0.558764, 0.593572, 0.615912, 0.63631, 0.669225},
        // B = 5, 11 points
        {0.141596, 0.186183, 0.229462, 0.280611, 0.328489, 0.367846, 0.415092, 0.460376, 0.507002, 0.543166, 0.59711},
    }},
}};
// clang-format on

// Depth chart: abscissa y = (S/Tp)/B.
// clang-format off
inline constexpr DepthTable DepthX = {{
    // Ip = 20, 14 rows
    {0.00480103, 0.0452801, 0.119005, 0.204602, 0.306827, 0.447077, 0.627723, 0.817871, 1.10302, 1.3454, 1.55925, 1.86335, 2.16745, 2.46913},
    // Ip = 35, 13 rows
    {0.00714806, 0.114157, 0.180718, 0.247268, 0.349461, 0.482546, 0.625122, 0.834226, 1.06233, 1.35696, 1.57793, 1.94857, 2.33108},
    // Ip = 50, 10 rows
    {0.0213947, 0.149747, 0.228168, 0.394491, 0.627333, 0.910053, 1.06447, 1.40416, 1.79134, 2.20464},
}};
// clang-format on

// Depth chart: ordinate a, m³/s, at the same rows; the depth is H = a·Tp/S.
// clang-format off
inline constexpr DepthTable DepthY = {{
    // Ip = 20, 14 rows
    {0.443873, 1.43938, 2.50232, 3.56532, 4.70912, 6.17591, 7.93882, 9.74213, 11.8553, 13.632, 15.0857, 16.8896, 18.586, 19.9595},
    // Ip = 35, 13 rows
    {0.215237, 1.65495, 2.36815, 2.98721, 3.862, 4.96561, 6.02892, 7.52298, 9.09785, 11.0228, 12.49, 14.7381, 17.0132},
    // Ip = 50, 10 rows
    {0.228763, 1.46684, 2.08596, 3.18975, 4.65704, 6.286, 7.08037, 8.62894, 10.2585, 11.9016},
}};
// clang-format on

// Index of the first and the last point that the attenuation searches look
// at (points 2 to 13 of the chart); the point after it is only ever the far
// end of the last segment, and a 15th point is never used.
inline constexpr std::size_t kFirstSearched = 1;
inline constexpr std::size_t kLastSearched = 12;

// The studied ranges of the inputs and of the values read on the charts.
inline constexpr auto kInflowPeakRange = StudiedRange::closed(IpCurves.front(), IpCurves.back());
inline constexpr auto kPeakTimeRange = StudiedRange::above(0);
inline constexpr auto kConduitWidthRange = StudiedRange::closed(BCurves.front(), BCurves.back());
inline constexpr auto kOpeningHeightRange = StudiedRange::closed(0.1, 5);
inline constexpr auto kLengthRange = StudiedRange::atLeast(0.2);
inline constexpr auto kFlowRatioRange = StudiedRange::closed(0.15, 0.75);
inline constexpr auto kReducedSurfaceRange = StudiedRange::closed(0.4, 8);
inline constexpr auto kDepthIndexRange = StudiedRange::closed(0.1, 2.1);
// Below a curve's first point the chart is extrapolated, and a low ratio can
// give a surface of 0 or less: no tank has it.
inline constexpr auto kComputedSurfaceRange = StudiedRange::above(0);

namespace detail {
constexpr bool lamCounts(const AttenuationTable& chart, std::array<std::array<std::size_t, kCurves>, kCurves> counts)
{
    for (std::size_t k = 0; k < kCurves; ++k)
        for (std::size_t j = 0; j < kCurves; ++j)
            if (chart::filledPoints(chart[k][j]) != counts[k][j]) return false;
    return true;
}

// Every curve rises, except the curve B = 2, Ip = 20, which was digitised
// with a repeated abscissa and a dip of the ratio at points 3 and 4.
constexpr bool lamRising(const AttenuationTable& chart)
{
    for (std::size_t k = 0; k < kCurves; ++k)
        for (std::size_t j = 0; j < kCurves; ++j)
            if (!(k == 0 && j == 0) && !chart::strictlyRising(chart[k][j])) return false;
    return true;
}

// A reduced surface up to the studied top ends its search on a segment of
// two stored points: some searched point reaches it, or the point after the
// last searched one is stored.
constexpr bool lamCoversReducedSurface(const AttenuationTable& chart)
{
    for (std::size_t k = 0; k < kCurves; ++k)
        for (std::size_t j = 0; j < kCurves; ++j)
            if (!chart::pointAtOrAbove(chart[k][j], kReducedSurfaceRange.high->value, kFirstSearched, kLastSearched) &&
                chart::filledPoints(chart[k][j]) <= kLastSearched + 1)
                return false;
    return true;
}

// Each depth column spans the studied depth indices, so every admitted y
// finds its row between the second row and the column's last.
constexpr bool depthCovers(const DepthTable& chart)
{
    for (const Curve& column : chart)
        if (!(column[0] < kDepthIndexRange.low->value &&
              column[chart::filledPoints(column) - 1] > kDepthIndexRange.high->value))
            return false;
    return true;
}
} // namespace detail

static_assert(chart::strictlyRising(BCurves) && chart::strictlyRising(IpCurves));
static_assert(detail::lamCounts(AttenuationX, {{{14, 14, 12}, {15, 14, 11}, {13, 13, 11}}}));
static_assert(detail::lamCounts(AttenuationY, {{{14, 14, 12}, {15, 14, 11}, {13, 13, 11}}}));
static_assert(detail::lamRising(AttenuationX) && detail::lamRising(AttenuationY));
static_assert(AttenuationX[0][0][2] == AttenuationX[0][0][3] && AttenuationY[0][0][3] < AttenuationY[0][0][2]);
static_assert(detail::lamCoversReducedSurface(AttenuationX));
static_assert(chart::filledPoints(DepthX[0]) == 14 && chart::filledPoints(DepthX[1]) == 13 &&
              chart::filledPoints(DepthX[2]) == 10);
static_assert(chart::filledPoints(DepthY[0]) == 14 && chart::filledPoints(DepthY[1]) == 13 &&
              chart::filledPoints(DepthY[2]) == 10);
static_assert(chart::strictlyRising(DepthX[0]) && chart::strictlyRising(DepthX[1]) && chart::strictlyRising(DepthX[2]));
static_assert(detail::depthCovers(DepthX));

} // namespace retencion::case_e
