#pragma once
// Where everything of a figure goes: the plot and its scales, the ticks, the
// titles, every curve in pixels, and the names, captions and legend placed
// clear of each other (charts/label_placement.h), worked out before anything
// is drawn, at the size and with the font of the device drawn on.

#include "charts/figure_geometry.h"
#include "figures/figure.h"

#include <QFont>
#include <QRectF>

class QPaintDevice;

namespace retencion {

// `device` gives the resolution the text is measured at; null for the screen.
FigureLayout layoutFigure(const QRectF& area, const figures::Figure& figure, const QFont& font,
                          const QPaintDevice* device = nullptr);

// The least height, from `floor` pixels up, at which a figure `width` wide
// keeps a readable plot and its legend inside it.
double minimumFigureHeight(const figures::Figure& figure, double width, const QFont& font, double floor = 300);

} // namespace retencion
