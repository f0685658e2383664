#include "panels/case_b_panel.h"

#include "cases/b/case_b_engine.h"
#include "figures/case_figures.h"

namespace retencion {
namespace {

// What BD holds, as the conduit chosen says.
const QString kWidthTip = QStringLiteral("Ancho del conducto rectangular de salida");
const QString kDiameterTip = QStringLiteral("Diámetro de cada conducto circular de salida");

} // namespace

CaseBPanel::CaseBPanel(UiServices& services, QWidget* parent) : CasePanel('B', services, parent)
{
    addDescription("Label10", QStringLiteral("Depósitos de Retención sin derivación, con salida libre y "
                                             "considerando la influencia del conducto de salida"));
    addCalculationGroup("Frame4", QStringLiteral("Cálculo de la Superficie del Depósito"), 'S', kSurfaceCaptions);
    addOptionGroup("Frame3", QStringLiteral("Tipo de Conducto de Salida"),
                   {{"BOption4", QStringLiteral("Conducto Circular"), 'I'},
                    {"BOption3", QStringLiteral("Conducto Rectangular"), 'R'}});
    addInputFrame("Frame2",
                  {
                      {"BLabelInc", QStringLiteral("Qp ="), "BINC", "BLabelIncU", QStringLiteral("m³/s"), {}, 0, 0},
                      {"Label20", QStringLiteral("Qb ="), "BQB", "Label27", QStringLiteral("m³/s"),
                       QStringLiteral("Caudal base del hidrograma de entrada"), 0, 1},
                      {"Label24", QStringLiteral("Ip ="), "BIP", "Label23", QStringLiteral("m³/s"),
                       QStringLiteral("Caudal punta del hidrograma de entrada"), 1, 0},
                      {"Label19", QStringLiteral("Tp ="), "BTP", "Label16", QStringLiteral("min."),
                       QStringLiteral("Tiempo de ocurrencia del caudal punta del hidrograma de entrada"), 1, 1},
                      {"BLabelD", QStringLiteral("B ="), "BD", "Label21", QStringLiteral("m"), kWidthTip, 2, 0},
                      {"Label4",
                       QStringLiteral("N ="),
                       "BN",
                       nullptr,
                       {},
                       QStringLiteral("Número de conductos circulares de salida"),
                       2,
                       1},
                  });
    addResults("BCalcular", "Frame1",
               {
                   {"BLabelRes", QStringLiteral("Sup = "), "BRES", "BLabelResU", QStringLiteral("m²"), {}, 0, 0},
                   {"Label2", QStringLiteral("H ="), "BH", "Label1", QStringLiteral("m"), {}, 0, 1},
               },
               &CaseBPanel::BCalcular_Click);
    finishLayout();

    onSelected("BOption3", &CaseBPanel::BOption3_Click);
    onSelected("BOption4", &CaseBPanel::BOption4_Click);
}

// A hidden N keeps its text for when circular conduits are chosen again.
void CaseBPanel::BOption3_Click()
{
    setCaptions({{"BLabelD", QStringLiteral("B =")}});
    setToolTips({{"BD", kWidthTip}});
    setShown({"Label4", "BN"}, false);
    clearFields({"BRES", "BH", "BD"});
}

void CaseBPanel::BOption4_Click()
{
    setCaptions({{"BLabelD", QStringLiteral("D =")}});
    setToolTips({{"BD", kDiameterTip}});
    setShown({"Label4", "BN"}, true);
    clearFields({"BRES", "BH", "BD"});
}

void CaseBPanel::BCalcular_Click()
{
    FormReading form = reading();
    CaseBInput in;
    in.conduit = selected("BOption3")   ? OutletConduit::Rectangular
                 : selected("BOption4") ? OutletConduit::Circular
                                        : OutletConduit::None;
    in.calculation = calculationChosen(CalculationType::Surface);
    const bool surface = in.calculation == CalculationType::Surface;
    in.ip = form.number("BIP", Quantity::InflowPeak);
    in.tp = form.minutesAsSeconds("BTP", Quantity::PeakTime);
    in.qb = form.number("BQB", Quantity::BaseFlow);
    in.size =
        form.number("BD", in.conduit == OutletConduit::Circular ? Quantity::ConduitDiameter : Quantity::ConduitWidth);
    // N counts circular conduits; hidden with a rectangular one, it is not read.
    if (in.conduit == OutletConduit::Circular) in.n = form.number("BN", Quantity::ConduitCount);
    if (in.calculation != CalculationType::None)
        in.given = form.number("BINC", surface ? Quantity::GivenOutflow : Quantity::GivenSurface);
    if (form.reportNotANumber()) return;

    m_lastInput = in;
    writeResult(form, CaseBEngine(in), in.calculation, caseBMasks(in.calculation));
}

std::vector<figures::Figure> CaseBPanel::figures() const
{
    const OutletConduit conduit = selected("BOption4") ? OutletConduit::Circular : OutletConduit::Rectangular;
    return figures::caseBFigures(conduit, calculationChosen(CalculationType::Surface), lastResult(), separators());
}

std::optional<CaseInput> CaseBPanel::curveInput() const
{
    if (m_lastInput.calculation == CalculationType::None) return std::nullopt;
    return CaseInput{m_lastInput};
}

Outlet CaseBPanel::outletChosen() const
{
    return selected("BOption3") ? Outlet::Rectangular : selected("BOption4") ? Outlet::Circular : Outlet::None;
}

} // namespace retencion
