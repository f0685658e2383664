#pragma once
// The "Caso E" tab: a tank with bypass, the interaction between tank and
// network considered.
// Everything it shows and does comes from the case's field table and form.

#include "panels/case_panel.h"

namespace retencion {

class CaseEPanel : public CasePanel {
public:
    explicit CaseEPanel(UiServices& services, QWidget* parent = nullptr) : CasePanel('E', services, parent) {}
};

} // namespace retencion
