#pragma once
// The "Caso C" tab: a tank without bypass, with a submerged outlet whose
// conduit's influence is considered.
// Everything it shows and does comes from the case's field table and form.

#include "panels/case_panel.h"

namespace retencion {

class CaseCPanel : public CasePanel {
public:
    explicit CaseCPanel(UiServices& services, QWidget* parent = nullptr) : CasePanel('C', services, parent) {}
};

} // namespace retencion
