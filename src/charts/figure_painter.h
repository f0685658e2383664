#pragma once
// Painting a figure, on screen and for export alike, from its layout
// (charts/figure_layout.h).

#include "charts/figure_layout.h"
#include "figures/figure.h"

#include <QRectF>

class QPainter;
class QPalette;

namespace retencion {

// The brush of the refused stretches of the `hatching`-th reason: nine
// reasons, nine hatchings, before they repeat.
Qt::BrushStyle hatchingPattern(int hatching);

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
