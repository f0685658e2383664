#include "panels/case_d_panel.h"

#include "cases/d/case_d_engine.h"
#include "figures/case_figures.h"

namespace retencion {

CaseDPanel::CaseDPanel(UiServices& services, QWidget* parent) : CasePanel('D', services, parent)
{
    addDescription("Label22", QStringLiteral("Depósitos de Retención con derivación y sin considerar la "
                                             "interacción depósito red"));
    addCalculationGroup("Frame7", QStringLiteral("Cálculo del Volumen del Depósito"), 'V', kVolumeCaptions);
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
}

void CaseDPanel::DCalcular_Click()
{
    FormReading form = reading();
    CaseDInput in;
    in.ip = form.number("DIP", Quantity::InflowPeak);
    in.tp = form.minutesAsSeconds("DTP", Quantity::PeakTime);
    in.calculation = calculationChosen(CalculationType::Volume);
    const bool volume = in.calculation == CalculationType::Volume;
    if (in.calculation != CalculationType::None)
        in.given = form.number("DINC", volume ? Quantity::GivenOutflow : Quantity::GivenVolume);
    if (form.reportNotANumber()) return;

    m_lastInput = in;
    writeResult(form, CaseDEngine(in), in.calculation, caseDMasks(in.calculation));
}

std::vector<figures::Figure> CaseDPanel::figures() const
{
    return figures::caseDFigures(calculationChosen(CalculationType::Volume), lastResult(), separators());
}

std::optional<CaseInput> CaseDPanel::curveInput() const
{
    if (m_lastInput.calculation == CalculationType::None) return std::nullopt;
    return CaseInput{m_lastInput};
}

} // namespace retencion
