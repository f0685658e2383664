#pragma once
// A fresh panel of any case, by its letter, for tests that run all five.

#include "panels/case_a_panel.h"
#include "panels/case_b_panel.h"
#include "panels/case_c_panel.h"
#include "panels/case_d_panel.h"
#include "panels/case_e_panel.h"

#include <memory>

namespace retencion::test {

inline std::unique_ptr<CasePanel> panelFor(char letter, UiServices& services)
{
    switch (letter) {
    case 'A':
        return std::make_unique<CaseAPanel>(services);
    case 'B':
        return std::make_unique<CaseBPanel>(services);
    case 'C':
        return std::make_unique<CaseCPanel>(services);
    case 'D':
        return std::make_unique<CaseDPanel>(services);
    default:
        return std::make_unique<CaseEPanel>(services);
    }
}

} // namespace retencion::test
