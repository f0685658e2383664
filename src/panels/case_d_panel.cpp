#include "panels/case_d_panel.h"

#include "cases/d/case_d_engine.h"

namespace retencion {

CaseDPanel::CaseDPanel(UiServices& services, QWidget* parent) : CasePanel('D', services, parent)
{
    addDescription("Label22", QStringLiteral("Depósitos de Retención con derivación y sin considerar la "
                                             "interacción depósito red"));
    addCalculationGroup("Frame7", QStringLiteral("Cálculo del Volumen del Depósito"));
    addInputFrame("Frame9",
                  {
                      {"DLabelInc", QStringLiteral("Qp ="), "DINC", "DLabelIncU", QStringLiteral("m³/s"), {}, 0, 0},
                      {"Label41", QStringLiteral("Tp ="), "DTP", "Label40", QStringLiteral("min."), {}, 0, 1},
                      {"Label46", QStringLiteral("Ip ="), "DIP", "Label45", QStringLiteral("m³/s"),
                       QStringLiteral("Caudal punta del hidrograma de entrada"), 1, 0},
                  });
    addResults("DCalcular", "Frame10",
               {{"DLabelRes", QStringLiteral("Vol ="), "DRES", "DLabelResU", QStringLiteral("m³"), {}, 0, 0}},
               &CaseDPanel::DCalcular_Click);
    finishLayout();

    onSelected("DOption1", &CaseDPanel::DOption1_Click);
    onSelected("DOption2", &CaseDPanel::DOption2_Click);
}

void CaseDPanel::DOption1_Click()
{
    relabelCalculation(kVolumeCaptions, {"DRES", "DINC"});
}

void CaseDPanel::DOption2_Click()
{
    relabelCalculation(kOutflowFromVolumeCaptions, {"DRES", "DINC"});
}

void CaseDPanel::DCalcular_Click()
{
    CaseDInput in;
    in.ip = read("DIP");
    in.tp = readMinutesAsSeconds("DTP");
    in.calculation = calculationChosen(CalculationType::Volume);
    if (in.calculation != CalculationType::None) in.inc = read("DINC");

    const char* mainMask = in.calculation == CalculationType::Volume ? "######." : "#0.00";
    writeResult(CaseDEngine(in), {"DRES", mainMask}, {nullptr, nullptr});
}

} // namespace retencion
