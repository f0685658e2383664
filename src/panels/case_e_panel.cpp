#include "panels/case_e_panel.h"

#include "cases/e/case_e_engine.h"
#include "figures/case_figures.h"

namespace retencion {

CaseEPanel::CaseEPanel(UiServices& services, QWidget* parent) : CasePanel('E', services, parent)
{
    addDescription("Label25", QStringLiteral("Depósitos de Retención con derivación, considerando la interacción "
                                             "depósito-red"));
    addCalculationGroup("Frame11", QStringLiteral("Cálculo de la Superficie del Depósito"), 'S', kSurfaceCaptions);
    addInputFrame("Frame12",
                  {
                      {"ELabelInc", QStringLiteral("Qp ="), "EINC", "ELabelIncU", QStringLiteral("m³/s"), {}, 0, 0},
                      {"Label43", QStringLiteral("Tp ="), "ETP", "Label42", QStringLiteral("min."),
                       QStringLiteral("Tiempo de ocurrencia del caudal punta del hidrograma de entrada"), 0, 1},
                      {"Label54", QStringLiteral("Ip ="), "EIP", "Label51", QStringLiteral("m³/s"),
                       QStringLiteral("Caudal punta del hidrograma de entrada"), 1, 0},
                      {"Label44", QStringLiteral("ho ="), "EHO", "Label57", QStringLiteral("m"),
                       QStringLiteral("Altura de la apertura del orificio de salida"), 1, 1},
                      {"Label50", QStringLiteral("B ="), "EB", "Label49", QStringLiteral("m"),
                       QStringLiteral("Ancho de conducto de salida"), 2, 0},
                      {"Label55", QStringLiteral("L ="), "EL", "Label53", QStringLiteral("m"),
                       QStringLiteral("Longitud del conducto de salida"), 2, 1},
                  });
    addResults("ECalcular", "Frame13",
               {
                   {"ELabelRes", QStringLiteral("Sup = "), "ERES", "ELabelResU", QStringLiteral("m²"), {}, 0, 0},
                   {"Label59", QStringLiteral("H ="), "EH", "Label58", QStringLiteral("m"), {}, 0, 1},
               },
               &CaseEPanel::ECalcular_Click);
    finishLayout();
}

void CaseEPanel::ECalcular_Click()
{
    FormReading form = reading();
    CaseEInput in;
    in.ip = form.number("EIP", Quantity::InflowPeak);
    in.tp = form.minutesAsSeconds("ETP", Quantity::PeakTime);
    in.b = form.number("EB", Quantity::ConduitWidth);
    in.ho = form.number("EHO", Quantity::OpeningHeight);
    in.l = form.number("EL", Quantity::Length);
    in.calculation = calculationChosen(CalculationType::Surface);
    const bool surface = in.calculation == CalculationType::Surface;
    if (in.calculation != CalculationType::None)
        in.given = form.number("EINC", surface ? Quantity::GivenOutflow : Quantity::GivenSurface);
    if (form.reportNotANumber()) return;

    m_lastInput = in;
    writeResult(form, CaseEEngine(in), in.calculation, caseEMasks(in.calculation));
}

std::vector<figures::Figure> CaseEPanel::figures() const
{
    return figures::caseEFigures(calculationChosen(CalculationType::Surface), lastResult(), separators());
}

std::optional<CaseInput> CaseEPanel::curveInput() const
{
    if (m_lastInput.calculation == CalculationType::None) return std::nullopt;
    return CaseInput{m_lastInput};
}

} // namespace retencion
