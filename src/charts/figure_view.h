#pragma once
// Figures on screen: one figure at whatever size it is given, figures one
// below the other or side by side, and the scroll area they sit in.

#include "figures/figure.h"

#include <QFont>
#include <QScrollArea>
#include <QSize>
#include <QWidget>

#include <vector>

namespace retencion {

// One figure on screen, redrawn at whatever size it is given; below its
// minimum the window scrolls rather than squeezing the chart unreadable.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(figures::Figure figure, QWidget* parent = nullptr);
    const figures::Figure& figure() const { return m_figure; }
    // The values of the curve point nearest `at` (within a few pixels), as
    // the tool tip shows them; empty when no curve passes there.
    QString valuesAt(QPointF at) const;
    // A chart with many curves needs the height of the legend that names them.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Content with less: a figure of few curves, beside another, can do with
    // less room than a design chart.
    void setCompact(bool compact);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    figures::Figure m_figure;
    mutable QSize m_minimum; // worked out once, for the font it was worked out in
    mutable QFont m_minimumFont;
    bool m_compact = false;
};

// Figures one below the other, or side by side.
class FigureStack : public QWidget {
    Q_OBJECT
public:
    explicit FigureStack(QWidget* parent = nullptr);
    void setFigures(std::vector<figures::Figure> figures);
    std::vector<figures::Figure> figures() const;
    // Side by side, each compact, so that figures read together (on a common
    // time axis, say) are in sight together on a small screen.
    void setSideBySide(bool sideBySide);

private:
    bool m_sideBySide = false;
};

// A scroll area that asks for its content's width and for as much of its
// height as a laptop screen leaves.
class FigureScroll : public QScrollArea {
    Q_OBJECT
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override;

protected:
    // New figures or a new summary change what the area asks for.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace retencion
