#pragma once

#include "figures/figure.h"
#include "figures/sizing_curve.h"

#include <QDialog>
#include <QScrollArea>
#include <QWidget>

#include <functional>
#include <vector>

class QBoxLayout;
class QTabWidget;
class QVBoxLayout;

namespace retencion {

class SizingCurveTab;
class UiServices;

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

// The figures one below the other, as a picture or as a drawing, with a
// caption below them (none when empty). Each gives the reason the file
// could not be written, or an empty text. The file is replaced whole or not
// at all.
QString writePng(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path);
QString writeSvg(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path,
                 const QString& title);
QString writeBytes(const QByteArray& bytes, const QString& path);
bool exportPng(const std::vector<figures::Figure>& figures, const QString& path);
bool exportSvg(const std::vector<figures::Figure>& figures, const QString& path, const QString& title);

// "caso-a-abaco-2026-12-07.png" in the user's documents folder.
QString proposedPath(const QString& stem, const QString& suffix);

// A case's design charts in a window of their own, with the point the last
// calculation read; it stays open beside the form and follows it.
class ChartWindow : public QDialog {
    Q_OBJECT
public:
    // `services` ask where to save an export and report one that failed.
    ChartWindow(const QString& caseName, UiServices& services, QWidget* panel);

    void setFigures(std::vector<figures::Figure> figures);
    std::vector<figures::Figure> figures() const { return m_stack->figures(); }

    // The "Curva de dimensionamiento" tab beside the chart's, added by the
    // first call: the curve for the inputs of the last calculation.
    void setSizingCurve(const std::optional<CaseInput>& input, const Separators& separators);
    // What the report draws of the curve: none before a curve is set.
    std::vector<figures::Figure> curveFigures() const;
    SizingCurveTab* curveTab() const { return m_curveTab; }
    QTabWidget* tabs() const { return m_tabs; }

    // Marks the figures as the answer to data the form no longer holds.
    void setOutOfDate(bool outOfDate);
    bool isOutOfDate() const { return m_outOfDate; }

    // The case and its inputs, one line below the exported figures.
    void setCaption(const QString& caption) { m_caption = caption; }
    QString caption() const { return m_caption; }

    bool exportPng(const QString& path, QString* error = nullptr) const;
    bool exportSvg(const QString& path, QString* error = nullptr) const;

    // What the window asks for, never more than its screen leaves.
    QSize sizeHint() const override;

    static QString outOfDateSuffix();

protected:
    void showEvent(QShowEvent* event) override;
    // The scrolled content, the figures in it, for what a window adds.
    QVBoxLayout* contentLayout() const { return m_contentLayout; }
    // The figures side by side, each compact and never taller than the
    // scrolled area, so that all of them are in sight together.
    void setFiguresSideBySide();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window's title without the out-of-date mark, for exports.
    QString plainTitle() const;
    // Asks where to save, proposing a file named after the window with
    // `suffix`, adds the suffix when missing, and says which file could not
    // be written and why. `write` gets the chosen path and gives the reason
    // it failed, or an empty text.
    void saveAs(const QString& filter, const QString& suffix, const std::function<QString(const QString&)>& write);
    QBoxLayout* m_buttons = nullptr;
    QString m_fileStem; // of the proposed file names, e.g. "caso-a-abaco"

private:
    // What the export buttons write: the figures of the tab in sight.
    std::vector<figures::Figure> shownFigures() const;
    QString shownStem() const;

    UiServices& m_services;
    QTabWidget* m_tabs;
    SizingCurveTab* m_curveTab = nullptr;
    FigureScroll* m_scroll;
    QVBoxLayout* m_contentLayout;
    FigureStack* m_stack;
    QString m_caption;
    bool m_outOfDate = false;
    bool m_fitted = false;
};

} // namespace retencion
