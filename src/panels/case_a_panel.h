#pragma once
// The "Caso A" tab: a tank without bypass, with an orifice or a weir, the
// outlet conduit's influence not considered.

#include "panels/case_panel.h"

namespace retencion {

class CaseAPanel : public CasePanel {
    Q_OBJECT
public:
    explicit CaseAPanel(UiServices& services, QWidget* parent = nullptr);

    std::vector<figures::Figure> figures() const override;

    void AOption1_Click(); // surface
    void AOption2_Click(); // outflow peak
    void AOption3_Click(); // weir
    void AOption4_Click(); // orifice
    void ACalcular_Click();
};

} // namespace retencion
