#pragma once
// The "Caso B" tab: a tank without bypass, free outlet through one rectangular
// conduit or N circular ones, the conduit's influence considered.

#include "cases/b/case_b_engine.h"
#include "panels/case_panel.h"

namespace retencion {

class CaseBPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseBPanel(UiServices& services, QWidget* parent = nullptr);

    std::vector<figures::Figure> figures() const override;
    std::optional<CaseInput> curveInput() const override;
    Outlet outletChosen() const override;

    void BOption3_Click(); // rectangular conduit
    void BOption4_Click(); // circular conduits
    void BCalcular_Click();

private:
    CaseBInput m_lastInput; // what the last calculation read
};

} // namespace retencion
