#pragma once

#include "figures/figure.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <vector>

class QPaintDevice;
class QPainter;
class QPalette;

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

// The brush of the refused stretches of the `hatching`-th reason: nine
// reasons, nine hatchings, before they repeat.
Qt::BrushStyle hatchingPattern(int hatching);

// `device` gives the resolution the text is measured at; null for the screen.
FigureLayout layoutFigure(const QRectF& area, const figures::Figure& figure, const QFont& font,
                          const QPaintDevice* device = nullptr);

// The least height, from `floor` pixels up, at which a figure `width` wide
// keeps a readable plot and its legend inside it.
double minimumFigureHeight(const figures::Figure& figure, double width, const QFont& font, double floor = 300);

// Draws a figure into `area`: the studied range shaded, every curve with
// its label, the curves a calculation used stronger, the interpolated curve
// dashed, the point read with its coordinates, and a legend for what a
// label beside a curve cannot name. Used on screen and for export alike.
void paintFigure(QPainter& painter, const QRectF& area, const figures::Figure& figure, const QPalette& palette);

// Where a schematic goes: scaled as a whole, keeping its proportions, and
// centred in the room left above its caption; each name beside its point.
struct DrawingLayout {
    QRectF frame; // the drawing's own width × height, in pixels
    double scale = 1;
    std::vector<PlacedText> notes;
    PlacedText caption; // empty text when it has none

    QPointF map(const figures::Point& p) const;
};

DrawingLayout layoutDrawing(const QRectF& area, const figures::Drawing& drawing, const QFont& font,
                            const QPaintDevice* device = nullptr);

// The height a drawing `width` wide needs, its caption included.
double drawingHeight(const figures::Drawing& drawing, double width, const QFont& font,
                     const QPaintDevice* device = nullptr);

// Draws a schematic into `area`: water and ground shaded, walls thick,
// measures with an arrow at each end, and the form's symbols on a clear
// ground of their own.
void paintDrawing(QPainter& painter, const QRectF& area, const figures::Drawing& drawing, const QPalette& palette);

} // namespace retencion
