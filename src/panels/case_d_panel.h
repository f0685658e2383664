#pragma once
// The "Caso D" tab: a tank with bypass, the interaction between tank and
// network not considered; it finds a volume, and has no height.
// Everything it shows and does comes from the case's field table and form.

#include "panels/case_panel.h"

namespace retencion {

class CaseDPanel : public CasePanel {
public:
    explicit CaseDPanel(UiServices& services, QWidget* parent = nullptr) : CasePanel('D', services, parent) {}
};

} // namespace retencion
