#include "panels/case_a_panel.h"

#include "cases/a/case_a_engine.h"
#include "charts/ui_services.h"
#include "figures/case_figures.h"
#include "figures/routing_figures.h"
#include "panels/routing_check_window.h"
#include "panels/routing_summary.h"
#include "routing/chart_check.h"

namespace retencion {

CaseAPanel::CaseAPanel(UiServices& services, QWidget* parent) : CasePanel('A', services, parent)
{
    addDescription("Label7", QStringLiteral("Depósitos de Retención sin derivación y sin considerar la influencia "
                                            "del conducto de salida"));
    addCalculationGroup("AFrame1", QStringLiteral("Cálculo de la Superficie del Depósito"), 'S', kSurfaceCaptions);
    addOptionGroup("AFrame2", QStringLiteral("Tipo de Salida"),
                   {{"AOption4", QStringLiteral("Salida tipo orificio"), 'O'},
                    {"AOption3", QStringLiteral("Salida tipo vertedero"), 'V'}});
    addInputFrame(
        "AFrame3",
        {
            {"ALabelInc", QStringLiteral("Qp ="), "AINC", "ALabelIncU", QStringLiteral("m³/s"),
             QStringLiteral("Caudal punta de salida del depósito"), 0, 0},
            {"Label9", QStringLiteral("Ck ="), "ACK", nullptr, {}, QStringLiteral("Coeficiente de descarga"), 0, 1},
            {"Label5", QStringLiteral("Ip ="), "AIP", "Label6", QStringLiteral("m³/s"),
             QStringLiteral("Caudal punta del hidrograma de entrada"), 1, 0},
            {"Label11", QStringLiteral("Tp ="), "ATP", "Label12", QStringLiteral("min."),
             QStringLiteral("Tiempo de ocurrencia del caudal punta del hidrograma de entrada"), 1, 1},
            {"ALabelD", QStringLiteral("D ="), "ADL", "Label8", QStringLiteral("m"),
             QStringLiteral("Diametro del orificio de salida"), 2, 0},
            {"Label13", QStringLiteral("Tb ="), "ATB", "Label14", QStringLiteral("min."),
             QStringLiteral("Tiempo base del hidrograma de entrada"), 2, 1},
        });
    addResults("ACalcular", "AFrame4",
               {
                   {"ALabelRes", QStringLiteral("Sup = "), "ARES", "ALabelResU", QStringLiteral("m²"), {}, 0, 0},
                   {"Label17", QStringLiteral("H ="), "AH", "Label18", QStringLiteral("m"), {}, 0, 1},
               },
               &CaseAPanel::ACalcular_Click);
    m_comprobar = addSideButton("Comprobar", QStringLiteral("Comprobar por laminación"), 'p');
    m_comprobar->setEnabled(false);
    connect(m_comprobar, &QPushButton::clicked, this, &CaseAPanel::AComprobar_Click);
    finishLayout();

    onSelected("AOption3", &CaseAPanel::AOption3_Click);
    onSelected("AOption4", &CaseAPanel::AOption4_Click);
}

void CaseAPanel::AOption3_Click()
{
    setCaptions({{"ALabelD", QStringLiteral("L =")}});
    clearFields({"ARES", "AH", "ADL"});
}

void CaseAPanel::AOption4_Click()
{
    setCaptions({{"ALabelD", QStringLiteral("D =")}});
    clearFields({"ARES", "AH", "ADL"});
}

void CaseAPanel::ACalcular_Click()
{
    FormReading form = reading();
    CaseAInput in;
    in.outlet = selected("AOption4")   ? CaseAOutlet::Orifice
                : selected("AOption3") ? CaseAOutlet::Weir
                                       : CaseAOutlet::None;
    in.calculation = calculationChosen(CalculationType::Surface);
    const bool surface = in.calculation == CalculationType::Surface;
    in.ip = form.number("AIP", Quantity::InflowPeak);
    in.tp = form.minutesAsSeconds("ATP", Quantity::PeakTime);
    in.tb = form.minutesAsSeconds("ATB", Quantity::BaseTime);
    in.dl = form.number("ADL", in.outlet == CaseAOutlet::Orifice ? Quantity::OrificeDiameter
                               : in.outlet == CaseAOutlet::Weir  ? Quantity::WeirLength
                                                                 : Quantity::OutletSize);
    in.ck = form.number("ACK", Quantity::DischargeCoef);
    if (in.calculation != CalculationType::None)
        in.given = form.number("AINC", surface ? Quantity::GivenOutflow : Quantity::GivenSurface);

    m_lastInput = in;
    writeResult(form, CaseAEngine(in), in.calculation, caseAMasks(in.calculation));
}

void CaseAPanel::resultChanged()
{
    m_comprobar->setEnabled(lastResult() != nullptr);
    // A disabled button says what it waits for.
    m_comprobar->setToolTip(lastResult() ? QString()
                                         : QStringLiteral("Se comprueba por laminación el resultado de un cálculo "
                                                          "hecho con los datos del formulario"));
    // An open check follows the form: the new answer, or nothing to check.
    if (!m_routing || !m_routing->isVisible()) return;
    if (lastResult())
        AComprobar_Click();
    else
        m_routing->hide();
}

void CaseAPanel::AComprobar_Click()
{
    const QString cannot = QStringLiteral("No se puede comprobar por laminación.");
    const CaseResult* result = lastResult();
    if (!result) {
        services().reportFailure(this, cannot,
                                 QStringLiteral("No hay un resultado calculado con los datos del formulario: "
                                                "pulse «Calcular» primero."));
        return;
    }
    const auto check = routing::checkByRouting(m_lastInput, *result);
    if (!check) {
        services().reportFailure(this, cannot,
                                 QStringLiteral("La laminación no ha dado una respuesta con estos datos."));
        return;
    }
    if (!m_routing) {
        m_routing = new RoutingCheckWindow(services(), this);
        followResult(m_routing);
    }
    m_routing->setCheck(*check, m_lastInput, separators());
    m_routing->show();
    m_routing->raise();
    m_routing->activateWindow();
}

CaseReport CaseAPanel::report() const
{
    CaseReport r = CasePanel::report();
    const CaseResult* result = lastResult();
    if (!result) return r;
    const auto check = routing::checkByRouting(m_lastInput, *result);
    if (!check) return r;
    const Separators s = separators();
    const RoutingSummary summary = summarizeRouting(*check, m_lastInput, s);
    r.routingText << summary.law << summary.notes.split(QLatin1Char('\n'));
    r.routingTable.push_back(
        {QString(), QStringLiteral("Ábaco"), QStringLiteral("Laminación"), QStringLiteral("Diferencia")});
    for (const auto& row : summary.rows)
        r.routingTable.push_back({row.what, row.chart, row.routed, row.difference});
    r.routingFigures = figures::routingFigures(check->routed, s);
    return r;
}

std::vector<figures::Figure> CaseAPanel::figures() const
{
    const CaseAOutlet outlet = selected("AOption3") ? CaseAOutlet::Weir : CaseAOutlet::Orifice;
    return figures::caseAFigures(outlet, calculationChosen(CalculationType::Surface), lastResult(), separators());
}

std::optional<CaseInput> CaseAPanel::curveInput() const
{
    if (m_lastInput.calculation == CalculationType::None) return std::nullopt;
    return CaseInput{m_lastInput};
}

Outlet CaseAPanel::outletChosen() const
{
    return selected("AOption4") ? Outlet::Orifice : selected("AOption3") ? Outlet::Weir : Outlet::None;
}

} // namespace retencion
