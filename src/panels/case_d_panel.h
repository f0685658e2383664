#pragma once
// The "Caso D" tab: a tank with bypass, the interaction between tank and
// network not considered. It gives a volume, and no height.

#include "cases/d/case_d_engine.h"
#include "panels/case_panel.h"

namespace retencion {

class CaseDPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseDPanel(UiServices& services, QWidget* parent = nullptr);

    std::vector<figures::Figure> figures() const override;
    std::optional<CaseInput> curveInput() const override;

    void DCalcular_Click();

private:
    CaseDInput m_lastInput; // what the last calculation read
};

} // namespace retencion
