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

// One parameter of a chart curve, e.g. r = 0.4 or Ip = 20.
struct Parameter {
    std::string name;
    double value = 0;
};

struct Series {
    std::string label; // its parameters, e.g. "r = 0,4"
    std::vector<Point> points;
    Emphasis emphasis = Emphasis::Family;
    int group = -1; // curves of one group share a colour (case E: one per B); -1: a colour of its own
    // The parameters the label names, so that the curve between two or four
    // of them can be named by the same weights that interpolate its values.
    std::vector<Parameter> parameters;
};

struct Axis {
    std::string title;
    bool logarithmic = false;
};

struct Range {
    double low = 0;
    double high = 0;
};

// A stretch of the abscissa shaded across the whole plot, with a caption
// saying what it is: where a curve's engine refuses, and why.
struct Band {
    Range x;
    std::string caption;
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
    std::string pointName = "Punto leído"; // what the legend calls the point
    // Lines the legend gives whatever room the curves leave: what the curves'
    // parameter means, say.
    std::vector<std::string> legendNotes;
    std::vector<Band> bands;
    Separators separators; // of the tick labels, as the builder's texts
};

// A schematic of a case: no axes, only shapes and names placed in the
// drawing's own units (x to the right, y upwards), scaled as a whole to the
// room it is given, so that it keeps its proportions on screen and on paper.
enum class Fill {
    None,
    Water,  // the water in the tank or the network
    Ground, // the soil around a tank or under a conduit
};

struct Shape {
    std::vector<Point> points;
    bool closed = false; // a polygon, filled with `fill`
    Fill fill = Fill::None;
    double width = 1; // in line widths: 2 for walls
    bool dashed = false;
    bool arrowAtStart = false; // dimension lines have both
    bool arrowAtEnd = false;
};

// Where a name sits against its point: beside it on the side named, or
// centred on it.
enum class Anchor { Centre, LeftOf, RightOf, Above, Below };

struct Note {
    std::string text; // a symbol of the form ("Ip", "H") or a short word
    Point at;
    Anchor anchor = Anchor::Centre;
};

struct Drawing {
    std::string title; // "Caso A: salida tipo orificio"
    double width = 100;
    double height = 60;
    std::vector<Shape> shapes;
    std::vector<Note> notes;
    std::string caption; // a line under the drawing; may be empty
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

// Said after an axis formula that holds Tp: the time is typed in minutes,
// but every chart was drawn with it in seconds.
inline constexpr const char* kTpInSeconds = " (Tp en s)";

// The charts' own formulas are written with a decimal comma ("Sup^1,5");
// this gives them, and every other text of the figures, the separator of
// the figure's settings.
std::vector<Figure> withDecimals(std::vector<Figure> figures);

// "B = 2, Ip = 20": the parameters in the order given.
std::string labelOf(const std::vector<Parameter>& parameters, const Separators& separators);

// The curve through the filled points of a chart curve, in its order.
Series curve(std::string label, const double* xs, const double* ys, std::size_t count, int group = -1);
// The same, labelled by its parameters.
Series curve(std::vector<Parameter> parameters, const Separators& separators, const double* xs, const double* ys,
             std::size_t count, int group = -1);

// The label of an axis tick at `value` on an axis ticked every `step` (a
// logarithmic axis: the decade itself): the digits grouped, as many decimals
// as the step needs and no trailing zeros, e.g. 1.000.000 or 0,5.
std::string tickText(double value, double step, const Separators& separators);

} // namespace retencion::figures
