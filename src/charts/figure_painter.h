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

} // namespace retencion
