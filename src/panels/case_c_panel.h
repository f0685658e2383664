#pragma once
// The "Caso C" tab: a tank without bypass with a submerged outlet conduit.

#include "cases/c/case_c_engine.h"
#include "panels/case_panel.h"

namespace retencion {

class CaseCPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseCPanel(UiServices& services, QWidget* parent = nullptr);

    std::vector<figures::Figure> figures() const override;
    std::optional<CaseInput> curveInput() const override;

    void CCalcular_Click();

private:
    CaseCInput m_lastInput; // what the last calculation read, for its chart
};

} // namespace retencion
