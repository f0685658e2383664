#pragma once

#include "figures/figure.h"

#include <QDialog>
#include <QWidget>

#include <functional>

#include <vector>

class QBoxLayout;

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

// Figures one below the other.
class FigureStack : public QWidget {
    Q_OBJECT
public:
    explicit FigureStack(QWidget* parent = nullptr);
    void setFigures(std::vector<figures::Figure> figures);
    std::vector<figures::Figure> figures() const;
};

// The figures one below the other, as a picture or as a drawing.
bool exportPng(const std::vector<figures::Figure>& figures, const QString& path);
bool exportSvg(const std::vector<figures::Figure>& figures, const QString& path, const QString& title);

// Asks where to save, adds the extension when missing, and says so when
// the file cannot be written. `write` gets the chosen path.
void saveAs(QWidget* parent, const QString& filter, const QString& suffix,
            const std::function<bool(const QString&)>& write);

// A case's design charts in a window of their own, with the point the last
// calculation read; it stays open beside the form and follows it.
class ChartWindow : public QDialog {
    Q_OBJECT
public:
    ChartWindow(const QString& caseName, QWidget* panel);

    void setFigures(std::vector<figures::Figure> figures) { m_stack->setFigures(std::move(figures)); }
    std::vector<figures::Figure> figures() const { return m_stack->figures(); }
    bool exportPng(const QString& path) const { return retencion::exportPng(figures(), path); }
    bool exportSvg(const QString& path) const { return retencion::exportSvg(figures(), path, windowTitle()); }

protected:
    // Export buttons and "Cerrar" below `content`.
    void addButtons(QBoxLayout* layout);
    QBoxLayout* m_buttons = nullptr;

private:
    FigureStack* m_stack;
};

} // namespace retencion
