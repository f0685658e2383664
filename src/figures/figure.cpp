#include "figures/figure.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace retencion::figures {

std::string number(double v, const Separators& separators)
{
    return FormatSignificant(v, 4, separators);
}

Series curve(std::string label, const double* xs, const double* ys, std::size_t count, int group)
{
    Series s{std::move(label), {}, Emphasis::Family, group};
    s.points.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        s.points.push_back({xs[i], ys[i]});
    return s;
}

namespace {

double along(const Point& p, Across across)
{
    return across == Across::YAtX ? p.x : p.y;
}
double across(const Point& p, Across a)
{
    return a == Across::YAtX ? p.y : p.x;
}

// The value of a curve at `v` of its fixed coordinate, linear between its
// points; nullopt outside its span.
std::optional<double> valueAt(const Series& s, double v, Across a)
{
    for (std::size_t i = 1; i < s.points.size(); ++i) {
        const double v0 = along(s.points[i - 1], a);
        const double v1 = along(s.points[i], a);
        // Curves may fall as well as rise along the fixed coordinate.
        if (std::min(v0, v1) <= v && v <= std::max(v0, v1) && v1 != v0)
            return across(s.points[i - 1], a) +
                   (v - v0) * (across(s.points[i], a) - across(s.points[i - 1], a)) / (v1 - v0);
    }
    return std::nullopt;
}

} // namespace

Series interpolated(const std::vector<WeightedCurve>& used, Across a, std::string label, int samples)
{
    Series out{std::move(label), {}, Emphasis::Interpolated, -1};
    if (used.empty()) return out;
    double low = -INFINITY;
    double high = INFINITY;
    for (const WeightedCurve& c : used) {
        if (c.series->points.empty()) return out;
        const double v0 = along(c.series->points.front(), a);
        const double v1 = along(c.series->points.back(), a);
        low = std::max(low, std::min(v0, v1));
        high = std::min(high, std::max(v0, v1));
    }
    if (!(low < high)) return out;
    for (int k = 0; k <= samples; ++k) {
        const double v = low + (high - low) * k / samples;
        double sum = 0;
        bool ok = true;
        for (const WeightedCurve& c : used) {
            const auto value = valueAt(*c.series, v, a);
            if (!value) {
                ok = false;
                break;
            }
            sum += c.weight * *value;
        }
        if (ok) out.points.push_back(a == Across::YAtX ? Point{v, sum} : Point{sum, v});
    }
    return out;
}

} // namespace retencion::figures
