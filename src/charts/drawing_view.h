#pragma once

#include "figures/figure.h"

#include <QWidget>

namespace retencion {

// A case's schematic on screen, scaled to the widget's width and drawn in
// the window's colours.
class DrawingView : public QWidget {
public:
    explicit DrawingView(figures::Drawing drawing, int width, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    figures::Drawing m_drawing;
    int m_width;
};

} // namespace retencion
