#include "figures/figure.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace retencion::figures {

std::string number(double v, const Separators& separators)
{
    return FormatSignificant(v, 4, separators);
}

namespace {

std::string decimalsOf(std::string text, const std::string& decimal)
{
    // Only a comma between two digits is a decimal comma; "B = 2, Ip = 20"
    // keeps its own.
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool between = text[i] == ',' && i > 0 && i + 1 < text.size() &&
                             std::isdigit((unsigned char)text[i - 1]) && std::isdigit((unsigned char)text[i + 1]);
        out += between ? decimal : std::string(1, text[i]);
    }
    return out;
}

} // namespace

std::vector<Figure> withDecimals(std::vector<Figure> figures)
{
    for (Figure& f : figures) {
        const std::string& d = f.separators.decimal;
        for (std::string* text : {&f.title, &f.x.title, &f.y.title, &f.pointLabel})
            *text = decimalsOf(*text, d);
        for (Series& s : f.series)
            s.label = decimalsOf(s.label, d);
        for (std::string& note : f.legendNotes)
            note = decimalsOf(note, d);
    }
    return figures;
}

std::string labelOf(const std::vector<Parameter>& parameters, const Separators& separators)
{
    std::string out;
    for (const Parameter& p : parameters)
        out += (out.empty() ? "" : ", ") + p.name + " = " + number(p.value, separators);
    return out;
}

std::string tickText(double value, double step, const Separators& separators)
{
    // A step of 0.05 needs two decimals, one of 2 none; 1e-9 absorbs the
    // binary error of steps such as 0.1.
    const double magnitude = std::floor(std::log10(std::fabs(step)) + 1e-9);
    const int decimals = std::isfinite(magnitude) ? std::clamp(-int(magnitude), 0, 12) : 0;
    std::string text = FormatNumber(value, "#,##0." + std::string(std::size_t(decimals), '#'), separators);
    const std::string& d = separators.decimal;
    if (text.size() >= d.size() && text.compare(text.size() - d.size(), std::string::npos, d) == 0)
        text.resize(text.size() - d.size());
    return text;
}

Series curve(std::vector<Parameter> parameters, const Separators& separators, const double* xs, const double* ys,
             std::size_t count, int group)
{
    Series s = curve(labelOf(parameters, separators), xs, ys, count, group);
    s.parameters = std::move(parameters);
    return s;
}

Series curve(std::string label, const double* xs, const double* ys, std::size_t count, int group)
{
    Series s{std::move(label), {}, Emphasis::Family, group, {}};
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
    Series out{std::move(label), {}, Emphasis::Interpolated, -1, {}};
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
