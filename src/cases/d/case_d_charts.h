#pragma once
// The case D design chart: one family of curves, one per inflow peak Ip,
// each a line of points (peak reduction R, volume rate W). The chart is read
// from R to W for the volume and from W to R for the outflow peak. One row
// per curve, points in order along it; the cells behind a curve's last point
// are empty and read as 0. With them, the studied ranges of case D.

#include "cases/calculation.h"
#include "cases/chart_math.h"

#include <array>

namespace retencion::case_d {

inline constexpr std::size_t kCurves = 3;
inline constexpr std::size_t kPoints = 13;
using Curve = std::array<double, kPoints>;
using ChartTable = std::array<Curve, kCurves>;

// Inflow peak Ip of curves 1 to 3, m³/s.
inline constexpr std::array<double, kCurves> IpCurves = {20, 35, 50};

// Peak reduction R = 100·(Ip − Qp)/Ip, percent.
inline constexpr ChartTable ReductionChart = {{
    // Ip = 20 m³/s, 11 points
    {1.74163, 7.0764, 13.1743, 20.3618, 27.3322, 32.6694, 40.6212, 47.0487, 55.0017, 64.2629, 70.6914},
    // Ip = 35 m³/s, 11 points
    {1.74204, 6.64191, 12.9589, 19.9305, 27.775, 33.0053, 38.781, 46.41, 54.6937, 63.4149, 68.6482},
    // Ip = 50 m³/s, 13 points
    {1.41565, 5.55361, 8.93029, 13.1792, 17.2109, 22.2238, 26.2568, 31.7074, 36.6133, 41.7384, 49.0448, 56.3523,
     65.5153},
}};

// Volume rate W = V/Tp at the same points, m³/s.
inline constexpr ChartTable VolumeRateChart = {{
    // Ip = 20 m³/s, 11 points
    {0.0558822, 0.647219, 1.74676, 3.32614, 5.15984, 6.76813, 9.33594, 11.6783, 14.7828, 18.6779, 21.4722},
    // Ip = 35 m³/s, 11 points
    {0.225374, 1.0146, 2.67904, 5.02121, 8.21053, 10.6381, 13.5174, 17.639, 22.4383, 28.1132, 31.7554},
    // Ip = 50 m³/s, 13 points
    {0.281986, 1.07149, 2.11549, 3.78066, 5.61539, 8.15599, 10.5275, 14.0284, 17.3317, 21.2, 26.9601, 33.1439, 41.5023},
}};

// Filled points of curves 1 to 3.
inline constexpr std::array<std::size_t, kCurves> kFilledPoints = {11, 11, 13};

// The studied ranges of the inputs and of the values read on the chart.
inline constexpr auto kPeakTimeRange = StudiedRange::above(0);
inline constexpr auto kInflowPeakRange = StudiedRange::closed(IpCurves.front(), IpCurves.back());
inline constexpr auto kPeakReductionRange = StudiedRange::closed(8, 60);
inline constexpr auto kVolumeRateRange = StudiedRange::atMost(40);

namespace detail {
// Both columns of a curve are filled to the same point and rise along it, and
// every curve spans the studied reductions, so the volume reading never runs
// off a curve. The volume rates are another matter: curves 1 and 2 end at
// W = 21.4722 and 31.7554, below the studied 40, and every curve starts above
// 0, so the outflow reading has to check each curve's span.
constexpr bool wellFormed()
{
    for (std::size_t c = 0; c < kCurves; ++c) {
        const std::size_t n = kFilledPoints[c];
        if (chart::filledPoints(ReductionChart[c]) != n || chart::filledPoints(VolumeRateChart[c]) != n) return false;
        if (!chart::strictlyRising(ReductionChart[c]) || !chart::strictlyRising(VolumeRateChart[c])) return false;
        if (!(ReductionChart[c][0] < kPeakReductionRange.low->value &&
              ReductionChart[c][n - 1] > kPeakReductionRange.high->value))
            return false;
    }
    return chart::strictlyRising(IpCurves);
}
} // namespace detail

static_assert(detail::wellFormed());

} // namespace retencion::case_d
