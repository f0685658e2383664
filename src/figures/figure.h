#pragma once
// A design chart as it is drawn: its curves, axes, the studied range and
// the point a calculation read. Built from the same constant tables the
// engines use, with no Qt, so that what is drawn can be checked.

#include "numbers/format_number.h"

#include <optional>
#include <string>
#include <vector>

namespace retencion::figures {

struct Point {
    double x = 0;
    double y = 0;
};

enum class Emphasis {
    Family,       // a curve of the chart
    Used,         // a curve the calculation interpolated between
    Interpolated, // the curve for the user's own parameter, drawn dashed
};

struct Series {
    std::string label; // its parameter, e.g. "r = 0,4"
    std::vector<Point> points;
    Emphasis emphasis = Emphasis::Family;
    int group = -1; // curves of one group share a colour (case E: one per B); -1: a colour of its own
};

struct Axis {
    std::string title;
    bool logarithmic = false;
};

struct Range {
    double low = 0;
    double high = 0;
};

struct Figure {
    std::string title;
    Axis x;
    Axis y;
    std::vector<Series> series;
    // The studied range of the checks, shaded; an absent side is unbounded.
    std::optional<Range> studiedX;
    std::optional<Range> studiedY;
    std::optional<Point> point; // the point read, with its coordinates
    std::string pointLabel;
};

// Which coordinate an interpolation across curves holds fixed.
enum class Across {
    YAtX, // at a given abscissa, the ordinate is interpolated
    XAtY, // at a given ordinate, the abscissa is interpolated
};

struct WeightedCurve {
    const Series* series;
    double weight;
};

// The curve for the user's own parameter between the curves a calculation
// used: at each sample of the fixed coordinate, over the span the curves
// share, the weighted sum of their values.
Series interpolated(const std::vector<WeightedCurve>& used, Across across, std::string label, int samples = 96);

// "0,4": a chart parameter or coordinate, to four significant digits.
std::string number(double v, const Separators& separators);

// The curve through the filled points of a chart curve, in its order.
Series curve(std::string label, const double* xs, const double* ys, std::size_t count, int group = -1);

} // namespace retencion::figures
