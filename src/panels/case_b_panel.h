#pragma once
// The "Caso B" tab: a tank without bypass, with free outflow through a
// rectangular conduit or circular ones whose influence is considered.
// Everything it shows and does comes from the case's field table and form.

#include "panels/case_panel.h"

namespace retencion {

class CaseBPanel : public CasePanel {
public:
    explicit CaseBPanel(UiServices& services, QWidget* parent = nullptr) : CasePanel('B', services, parent) {}
};

} // namespace retencion
