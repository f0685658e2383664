#pragma once

// The views and the exports of figures, which every chart window has.
#include "charts/figure_export.h"
#include "charts/figure_view.h"
#include "figures/figure.h"
#include "figures/sizing_curve.h"

#include <QDialog>

#include <functional>
#include <vector>

class QBoxLayout;
class QTabWidget;
class QVBoxLayout;

namespace retencion {

class SizingCurveTab;
class UiServices;

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
