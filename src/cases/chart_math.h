#pragma once
// Searching and interpolating the digitised design charts. Every case reads
// its charts with these; where a case departs from them it says so.
//
// Indices here are 0-based; the charts' own tables count from 1, so "the
// smallest i from 2 to n" of a chart is the smallest index 1..n-1 here.

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace retencion::chart {

// The straight line through (x0, y0) and (x1, y1), evaluated at x, in the
// order y0 + (x - x0) * (y1 - y0) / (x1 - x0): the charts were read this way,
// and the last digits of a result depend on it.
constexpr double lerp(double x, double x0, double y0, double x1, double y1)
{
    return y0 + (x - x0) * (y1 - y0) / (x1 - x0);
}

// Bracket on an increasing axis of curve parameters: the smallest i in
// 1..n-1 with x < axis[i], or n-1 when there is none. The bracket is
// axis[i-1] .. axis[i]; a value equal to an inner node falls into the
// bracket above it, and the last node into the last bracket.
constexpr std::size_t bracket(std::span<const double> axis, double x)
{
    for (std::size_t i = 1; i < axis.size(); ++i)
        if (x < axis[i]) return i;
    return axis.size() - 1;
}

// Where `value` lies between axis[k-1] and axis[k], as a fraction of the
// step: 0 at axis[k-1], 1 at axis[k], beyond 0..1 outside them.
constexpr double fractionBetween(std::span<const double> axis, std::size_t k, double value)
{
    return (value - axis[k - 1]) / (axis[k] - axis[k - 1]);
}

// The bilinear weights of the four corners of a cell for a point at the
// fractions s along its first axis and t along its second (as
// fractionBetween gives them), corners in the order (s0, t0), (s1, t0),
// (s0, t1), (s1, t1).
constexpr std::array<double, 4> cornerWeights(double s, double t)
{
    return {(1 - s) * (1 - t), s * (1 - t), (1 - s) * t, s * t};
}

// Point along a curve: the smallest i in [from, to] with x <= values[i], or
// nullopt when there is none. A value equal to a point takes that point as
// the upper end of its segment.
constexpr std::optional<std::size_t> pointAtOrAbove(std::span<const double> values, double x, std::size_t from,
                                                    std::size_t to)
{
    for (std::size_t i = from; i <= to && i < values.size(); ++i)
        if (x <= values[i]) return i;
    return std::nullopt;
}

// The value of `result` at `value` on the segment of a curve that ends at
// point i, the curve running along `along`.
constexpr double readSegment(std::span<const double> along, std::span<const double> result, double value, std::size_t i)
{
    return lerp(value, along[i - 1], result[i - 1], along[i], result[i]);
}

// Reads a curve: the value of `result` where the curve reaches `value`
// along `along`, on the segment that ends at the first point in [from, to]
// at or above it. nullopt when no such segment exists (the value lies
// beyond the last point searched, or at or below the first point).
constexpr std::optional<double> readCurve(std::span<const double> along, std::span<const double> result, double value,
                                          std::size_t from, std::size_t to)
{
    const auto i = pointAtOrAbove(along, value, from, to);
    if (!i || *i == 0) return std::nullopt;
    return readSegment(along, result, value, *i);
}

// Which curve of a pair the blend across them is written from. The charts
// blend from the lower curve, except where a chart's answers were worked
// from the upper one: the last digits depend on it.
enum class Anchor { Lower, Upper };

// Reads curves k-1 and k of a family at the same value, `readOne(c)` giving
// curve c's value there or nullopt where it has none, and blends the two
// across the family's parameters at p. nullopt when either read fails, even
// where that curve weighs nothing.
template <class ReadOne>
constexpr std::optional<double> readAcross(std::span<const double> parameters, std::size_t k, double p, ReadOne readOne,
                                           Anchor anchor = Anchor::Lower)
{
    const std::optional<double> lower = readOne(k - 1);
    const std::optional<double> upper = readOne(k);
    if (!lower || !upper) return std::nullopt;
    if (anchor == Anchor::Upper) return lerp(p, parameters[k], *upper, parameters[k - 1], *lower);
    return lerp(p, parameters[k - 1], *lower, parameters[k], *upper);
}

// Number of filled points of a curve stored with empty (zero) cells behind
// its last point.
constexpr std::size_t filledPoints(std::span<const double> values)
{
    std::size_t n = values.size();
    while (n > 0 && values[n - 1] == 0.0)
        --n;
    return n;
}

// True when the filled points of a curve rise strictly.
constexpr bool strictlyRising(std::span<const double> values)
{
    const std::size_t n = filledPoints(values);
    for (std::size_t i = 1; i < n; ++i)
        if (!(values[i - 1] < values[i])) return false;
    return true;
}

} // namespace retencion::chart
