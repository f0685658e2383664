#include "charts/drawing_view.h"

#include "charts/figure_painter.h"

#include <QPainter>

#include <cmath>

namespace retencion {

DrawingView::DrawingView(figures::Drawing drawing, int width, QWidget* parent)
    : QWidget(parent), m_drawing(std::move(drawing)), m_width(width)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    setAccessibleName(QString::fromStdString(m_drawing.title));
    setToolTip(QString::fromStdString(m_drawing.title));
}

QSize DrawingView::sizeHint() const
{
    return {m_width, heightForWidth(m_width)};
}

int DrawingView::heightForWidth(int width) const
{
    return int(std::ceil(drawingHeight(m_drawing, width, font())));
}

void DrawingView::paintEvent(QPaintEvent*)
{
    // On the window's own ground, not a page's.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    QPainter p(this);
    paintDrawing(p, rect(), m_drawing, colours);
}

} // namespace retencion
