#pragma once

#include "figures/figure.h"

#include <QDialog>
#include <QWidget>

#include <vector>

namespace retencion {

// One figure on screen, redrawn at whatever size it is given.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(figures::Figure figure, QWidget* parent = nullptr);
    const figures::Figure& figure() const { return m_figure; }
    QSize sizeHint() const override { return {720, 440}; }
    QSize minimumSizeHint() const override { return {420, 280}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    figures::Figure m_figure;
};

// A case's design charts in a window of their own, with the point the last
// calculation read; it stays open beside the form and follows it.
class ChartWindow : public QDialog {
    Q_OBJECT
public:
    ChartWindow(const QString& caseName, QWidget* panel);

    void setFigures(std::vector<figures::Figure> figures);
    std::vector<figures::Figure> figures() const;

    // The charts one below the other, as a picture or as a drawing.
    bool exportPng(const QString& path) const;
    bool exportSvg(const QString& path) const;

private:
    void chooseAndExport(bool svg);

    QWidget* m_views;
};

} // namespace retencion
