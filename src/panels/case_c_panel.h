#pragma once
// The "Caso C" tab: a tank without bypass with a submerged outlet conduit.

#include "panels/case_panel.h"

namespace retencion {

class CaseCPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseCPanel(UiServices& services, QWidget* parent = nullptr);

    void COption1_Click(); // surface
    void COption2_Click(); // outflow peak
    void CCalcular_Click();
};

} // namespace retencion
