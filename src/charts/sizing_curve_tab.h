#pragma once
// The chart window's "Curva de dimensionamiento" tab: the sizing curve of
// the last calculation's inputs, and for case A the same curve by routing,
// computed away from the interface thread with a progress bar that can be
// cancelled; a new calculation cancels a curve still being computed.

#include "figures/sizing_curve.h"

#include <QFutureWatcher>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace retencion {

class FigureStack;
class FigureScroll;

class SizingCurveTab : public QWidget {
    Q_OBJECT
public:
    explicit SizingCurveTab(QWidget* parent = nullptr);
    ~SizingCurveTab() override;

    // The curve for `input` (none: a calculation has yet to be made).
    void setInput(const std::optional<CaseInput>& input, const Separators& separators);
    // Stops a routing curve still being computed, keeping the chart's curve.
    void cancelRouting();
    bool routingRunning() const { return m_routingWanted; }

    // What is drawn: the curve and, for case A once routed, the difference.
    std::vector<figures::Figure> figures() const;
    const std::optional<figures::SizingCurve>& curve() const { return m_curve; }
    const std::optional<routing::RoutingCurve>& routing() const { return m_routing; }
    std::string csv() const;
    // "Exportar CSV…": the window asks where, as for its other exports.
    QPushButton* csvButton() const { return m_csv; }

signals:
    void routingFinished();

private:
    void show();
    void routed();

    FigureScroll* m_scroll;
    FigureStack* m_stack;
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QPushButton* m_csv;
    QFutureWatcher<routing::RoutingCurve> m_watcher;
    std::optional<figures::SizingCurve> m_curve;
    std::optional<routing::RoutingCurve> m_routing;
    Separators m_separators;
    bool m_routingWanted = false; // routing the present input, not cancelled
};

} // namespace retencion
