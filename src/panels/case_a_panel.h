#pragma once
// The "Caso A" tab: a tank without bypass, with an orifice or a weir, the
// outlet conduit's influence not considered.

#include "cases/a/case_a_engine.h"
#include "panels/case_panel.h"

namespace retencion {

class RoutingCheckWindow;

class CaseAPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseAPanel(UiServices& services, QWidget* parent = nullptr);

    std::vector<figures::Figure> figures() const override;
    std::optional<CaseInput> curveInput() const override;
    Outlet outletChosen() const override;
    std::optional<routing::RoutingCurve> curveByRouting() const override;
    // With the check by routing of a computed result.
    CaseReport report() const override;

    void AOption3_Click(); // weir
    void AOption4_Click(); // orifice
    void ACalcular_Click();
    // Routes the hydrograph through the tank of the last answer, beside the
    // chart's answer.
    void AComprobar_Click();
    RoutingCheckWindow* routingWindow() const { return m_routing; }

protected:
    void resultChanged() override;

private:
    CaseAInput m_lastInput; // what the last calculation read
    QPushButton* m_comprobar;
    RoutingCheckWindow* m_routing = nullptr;
};

} // namespace retencion
