#include "panels/case_e_panel.h"

#include "cases/e/case_e_engine.h"
#include "figures/case_figures.h"

namespace retencion {

CaseEPanel::CaseEPanel(UiServices& services, QWidget* parent) : CasePanel('E', services, parent)
{
    addDescription("Label25", QStringLiteral("Depósitos de Retención con derivación, considerando la interacción "
                                             "depósito-red"));
    addCalculationGroup("Frame11", QStringLiteral("Cálculo de la Superficie del Depósito"), 'S');
    // "Tb =" before the time of the peak, and the tool tip of L, are the
    // form's own texts.
    addInputFrame("Frame12",
                  {
                      {"ELabelInc", QStringLiteral("Qp ="), "EINC", "ELabelIncU", QStringLiteral("m³/s"), {}, 0, 0},
                      {"Label43", QStringLiteral("Tb ="), "ETP", "Label42", QStringLiteral("min."),
                       QStringLiteral("Tiempo de ocurrencia del caudal punta del hidrograma de entrada"), 0, 1},
                      {"Label54", QStringLiteral("Ip ="), "EIP", "Label51", QStringLiteral("m³/s"),
                       QStringLiteral("Caudal punta del hidrograma de entrada"), 1, 0},
                      {"Label44", QStringLiteral("ho ="), "EHO", "Label57", QStringLiteral("m"),
                       QStringLiteral("Altura de la apertura del orificio de salida"), 1, 1},
                      {"Label50", QStringLiteral("B ="), "EB", "Label49", QStringLiteral("m"),
                       QStringLiteral("Ancho de conducto de salida"), 2, 0},
                      {"Label55", QStringLiteral("L ="), "EL", "Label53", QStringLiteral("m"),
                       QStringLiteral("Altura de la apertura del orificio de salida"), 2, 1},
                  });
    addResults("ECalcular", "Frame13",
               {
                   {"ELabelRes", QStringLiteral("Sup = "), "ERES", "ELabelResU", QStringLiteral("m²"), {}, 0, 0},
                   {"Label59", QStringLiteral("H ="), "EH", "Label58", QStringLiteral("m"), {}, 0, 1},
               },
               &CaseEPanel::ECalcular_Click);
    finishLayout();

    onSelected("EOption1", &CaseEPanel::EOption1_Click);
    onSelected("EOption2", &CaseEPanel::EOption2_Click);
}

void CaseEPanel::EOption1_Click()
{
    relabelCalculation(kSurfaceCaptions, {"ERES", "EH", "EINC"});
}

void CaseEPanel::EOption2_Click()
{
    relabelCalculation(kOutflowCaptions, {"ERES", "EH", "EINC"});
}

void CaseEPanel::ECalcular_Click()
{
    CaseEInput in;
    in.ip = read("EIP", Quantity::InflowPeak);
    in.tp = readMinutesAsSeconds("ETP", Quantity::PeakTime);
    in.b = read("EB", Quantity::ConduitWidth);
    in.ho = read("EHO", Quantity::OpeningHeight);
    in.l = read("EL", Quantity::Length);
    in.calculation = calculationChosen(CalculationType::Surface);
    const bool surface = in.calculation == CalculationType::Surface;
    if (in.calculation != CalculationType::None)
        in.given = read("EINC", surface ? Quantity::GivenOutflow : Quantity::GivenSurface);

    writeResult(CaseEEngine(in), in.calculation, caseEMasks(in.calculation));
}

std::vector<figures::Figure> CaseEPanel::figures() const
{
    return figures::caseEFigures(calculationChosen(CalculationType::Surface), lastResult(), separators());
}

} // namespace retencion
