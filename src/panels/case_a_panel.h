#pragma once
// The "Caso A" tab: a tank without bypass, with an orifice or a weir, the
// outlet conduit's influence not considered. Its own: the check by routing
// of a computed result.

#include "cases/a/case_a_engine.h"
#include "panels/case_panel.h"

namespace retencion {

class RoutingCheckWindow;

class CaseAPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseAPanel(UiServices& services, QWidget* parent = nullptr);

    // Routes the hydrograph through the tank of the last answer, beside the
    // chart's answer.
    void AComprobar_Click();
    RoutingCheckWindow* routingWindow() const { return m_routing; }

protected:
    void resultChanged() override;

private:
    QPushButton* m_comprobar;
    RoutingCheckWindow* m_routing = nullptr;
};

} // namespace retencion
