#pragma once
// A case's panel by its letter, for whatever needs one case alone.

#include "panels/case_panel.h"

#include <memory>

namespace retencion {

// The panel of case `letter` ('A' to 'E'); null for any other letter.
std::unique_ptr<CasePanel> newCasePanel(char letter, UiServices& services, QWidget* parent = nullptr);

} // namespace retencion
