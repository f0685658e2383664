#pragma once
// The "Caso E" tab: a tank with bypass, the interaction between tank and
// network considered.

#include "cases/e/case_e_engine.h"
#include "panels/case_panel.h"

namespace retencion {

class CaseEPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseEPanel(UiServices& services, QWidget* parent = nullptr);

    std::vector<figures::Figure> figures() const override;
    std::optional<CaseInput> curveInput() const override;

    void ECalcular_Click();

private:
    CaseEInput m_lastInput; // what the last calculation read
};

} // namespace retencion
