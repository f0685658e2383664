#pragma once
// Case A's answer checked by routing: the hydrographs and the level against
// time, the chart's answer beside routing's, the outlet law and the mass
// balance.

#include "charts/chart_window.h"
#include "numbers/format_number.h"
#include "routing/chart_check.h"

#include <QFutureWatcher>

#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace retencion {

class RoutingCheckWindow : public ChartWindow {
    Q_OBJECT
public:
    RoutingCheckWindow(UiServices& services, QWidget* panel);
    ~RoutingCheckWindow() override;

    void setCheck(const routing::ChartCheck& check, const CaseAInput& input, const Separators& separators);
    // The hydrographs with the case's inputs above them; `error` gets the
    // reason when the file cannot be written.
    bool exportCsv(const QString& path, QString* error = nullptr) const;
    // "< 0,001 %" or the balance as a plain decimal.
    static QString massBalance(double percent, const Separators& separators);

    QTableWidget* table() const { return m_table; }

    // "Diámetro (o longitud) por laminación": the outlet whose routed peak,
    // through the chart's tank, is the chart's outflow peak; found away from
    // the interface thread each time a check is shown.
    void cancelOutletSearch();
    bool outletSearchRunning() const { return m_outletWanted; }
    QLabel* outletAnswer() const { return m_outletAnswer; }

private:
    void outletFound();

    QLabel* m_outletAnswer;
    QProgressBar* m_outletProgress;
    QPushButton* m_outletCancel;
    QFutureWatcher<std::optional<double>> m_outletWatcher;
    bool m_outletWanted = false;
    CaseAInput m_input;
    Separators m_separators;
    QLabel* m_law;
    QTableWidget* m_table;
    QLabel* m_notes;
    std::string m_csv;
};

} // namespace retencion
