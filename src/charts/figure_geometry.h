#pragma once
// What a figure's layout is made of: the axes' scales, the texts placed and
// where, and the layout as a whole, in pixels of the device drawn on.

#include "figures/figure.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace retencion {

// One axis: the data range and how a value maps to a pixel.
struct AxisScale {
    double low = 0;
    double high = 1;
    bool log = false;
    double from = 0; // pixel of `low`
    double to = 1;   // pixel of `high`

    double operator()(double v) const;
};

struct PlacedText {
    QString text;
    QRectF box;
};

// A curve's name beside it, where no other name, curve or mark is.
struct CurveLabel {
    QString text;
    QRectF box;
    std::size_t series = 0;
};

struct LegendEntry {
    enum class Kind { Curve, Point, StudiedRange, Refused, Note };
    Kind kind = Kind::Curve;
    QString text;
    std::size_t series = 0; // for a curve
    int hatching = 0;       // for a refused stretch: one for each reason
};

// Where everything of a figure goes, worked out before anything is drawn so
// that the names, the legend and the ticks can be kept clear of each other.
struct FigureLayout {
    QRectF area;
    QRectF plot;
    AxisScale sx;
    AxisScale sy;
    PlacedText title;
    PlacedText xTitle;
    PlacedText yTitle; // `box` is the rotated box's extent on the page
    std::vector<PlacedText> xTicks;
    std::vector<PlacedText> yTicks;
    std::vector<double> xGrid; // every tick's pixel, labelled or not
    std::vector<double> yGrid;
    std::vector<std::vector<QPointF>> curves; // each series, in pixels
    std::vector<CurveLabel> labels;
    std::vector<QRectF> bands;                // each refused stretch, across the plot
    std::vector<int> bandHatchings;           // its hatching, the same for the same reason
    std::vector<PlacedText> bandCaptions;     // its reason, inside it
    std::vector<bool> bandCaptionUpright;     // written upwards where the stretch is narrow
    std::vector<QString> bandReasonsInLegend; // reasons that found no room inside their stretch
    QRectF pointMark;                         // the point read, as drawn
    PlacedText pointLabel;
    std::vector<LegendEntry> legend;
    QRectF legendBox; // empty when there is no legend
    int legendColumns = 1;
    double line = 0; // text line height
};

// The studied range of the checks within the axes, in pixels; none when the
// figure has none or it lies outside what is drawn.
std::optional<QRectF> studiedBand(const FigureLayout& L, const figures::Figure& f);

} // namespace retencion
