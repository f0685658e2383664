#include "panels/case_panels.h"

#include "panels/case_a_panel.h"
#include "panels/case_b_panel.h"
#include "panels/case_c_panel.h"
#include "panels/case_d_panel.h"
#include "panels/case_e_panel.h"

namespace retencion {

std::unique_ptr<CasePanel> newCasePanel(char letter, UiServices& services, QWidget* parent)
{
    switch (letter) {
    case 'A':
        return std::make_unique<CaseAPanel>(services, parent);
    case 'B':
        return std::make_unique<CaseBPanel>(services, parent);
    case 'C':
        return std::make_unique<CaseCPanel>(services, parent);
    case 'D':
        return std::make_unique<CaseDPanel>(services, parent);
    case 'E':
        return std::make_unique<CaseEPanel>(services, parent);
    default:
        return nullptr;
    }
}

} // namespace retencion
