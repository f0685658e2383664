#pragma once
// A fresh panel of any case, by its letter, for tests that run all five.

#include "panels/case_a_panel.h"
#include "panels/case_b_panel.h"
#include "panels/case_c_panel.h"
#include "panels/case_d_panel.h"
#include "panels/case_e_panel.h"
#include "panels/case_panels.h"

#include <memory>

namespace retencion::test {

inline std::unique_ptr<CasePanel> panelFor(char letter, UiServices& services)
{
    return newCasePanel(letter, services);
}

} // namespace retencion::test
