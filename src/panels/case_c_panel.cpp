#include "panels/case_c_panel.h"

#include "cases/c/case_c_engine.h"
#include "figures/case_figures.h"
#include "numbers/read_number.h"

#include <QLineEdit>

namespace retencion {

CaseCPanel::CaseCPanel(UiServices& services, QWidget* parent) : CasePanel('C', services, parent)
{
    addDescription("Label15", QStringLiteral("Depósitos de Retención sin derivación con salida sumergida y "
                                             "considerando la influencia del conducto de salida"));
    addCalculationGroup("Frame8", QStringLiteral("Cálculo de la Superficie del Depósito"), 'S', kSurfaceCaptions);
    addInputFrame("Frame6",
                  {
                      {"CLabelInc", QStringLiteral("Qp ="), "CINC", "CLabelIncU", QStringLiteral("m³/s"), {}, 0, 0},
                      {"Label38", QStringLiteral("Tp ="), "CTP", "Label39", QStringLiteral("min."),
                       QStringLiteral("Tiempo de ocurrencia del caudal punta del hidrograma de entrada"), 0, 1},
                      {"Label33", QStringLiteral("Ip ="), "CIP", "Label34", QStringLiteral("m³/s"),
                       QStringLiteral("Caudal punta del hidrograma de entrada"), 1, 0},
                      {"Label37", QStringLiteral("ho ="), "CHO", "Label30", QStringLiteral("m"),
                       QStringLiteral("Altura de la apertura del conducto de salida"), 1, 1},
                      {"Label35", QStringLiteral("B ="), "CB", "Label36", QStringLiteral("m"),
                       QStringLiteral("Ancho del conducto de salida"), 2, 0},
                  });
    addResults("CCalcular", "Frame5",
               {
                   {"CLabelRes", QStringLiteral("Sup = "), "CRES", "CLabelResU", QStringLiteral("m²"), {}, 0, 0},
                   {"Label28", QStringLiteral("H ="), "CH", "Label29", QStringLiteral("m"), {}, 0, 1},
               },
               &CaseCPanel::CCalcular_Click);
    finishLayout();
}

void CaseCPanel::CCalcular_Click()
{
    FormReading form = reading();
    CaseCInput in;
    in.ip = form.number("CIP", Quantity::InflowPeak);
    in.tp = form.minutesAsSeconds("CTP", Quantity::PeakTime);
    in.b = form.number("CB", Quantity::ConduitWidth);
    in.ho = form.number("CHO", Quantity::OpeningHeight);
    in.calculation = calculationChosen(CalculationType::Surface);
    const bool surface = in.calculation == CalculationType::Surface;
    if (in.calculation != CalculationType::None)
        in.given = form.number("CINC", surface ? Quantity::GivenOutflow : Quantity::GivenSurface);
    if (form.reportNotANumber()) return;

    // With no calculation chosen only the height is found, and written.
    m_lastInput = in;
    writeResult(form, CaseCEngine(in), in.calculation, caseCMasks(in.calculation));
}

std::vector<figures::Figure> CaseCPanel::figures() const
{
    // The power curves shown are those around the ho of the last reading,
    // or of the field before any.
    CaseCInput in = m_lastInput;
    if (!lastResult()) {
        in.ho = ReadField(field("CHO")->text().toStdString(), separators()).value;
        in.calculation = calculationChosen(CalculationType::Surface);
    }
    return figures::caseCFigures(in, lastResult(), separators());
}

std::optional<CaseInput> CaseCPanel::curveInput() const
{
    if (m_lastInput.calculation == CalculationType::None) return std::nullopt;
    return CaseInput{m_lastInput};
}

} // namespace retencion
