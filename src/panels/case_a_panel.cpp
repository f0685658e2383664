#include "panels/case_a_panel.h"

#include "cases/a/case_a_engine.h"
#include "charts/ui_services.h"
#include "figures/case_figures.h"
#include "figures/routing_figures.h"
#include "panels/routing_check_window.h"
#include "panels/routing_summary.h"
#include "routing/chart_check.h"
#include "routing/routing_curve.h"

#include <algorithm>
#include <iterator>

namespace retencion {
namespace {

// What ADL holds, as the outlet chosen says; the form reads as for an
// orifice until one is chosen.
const QString kDiameterTip = QStringLiteral("Diametro del orificio de salida");
const QString kLengthTip = QStringLiteral("Longitud del vertedero");

// What H is, and the law it comes from.
QString headTip(CaseAOutlet outlet, const Separators& separators)
{
    return (outlet == CaseAOutlet::Weir ? QStringLiteral("Altura de agua sobre el vertedero, según ")
                                        : QStringLiteral("Altura de agua sobre el orificio, según ")) +
           QString::fromStdString(caseAHeadLaw(outlet, separators));
}

} // namespace

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
            {"ALabelD", QStringLiteral("D ="), "ADL", "Label8", QStringLiteral("m"), kDiameterTip, 2, 0},
            {"Label13", QStringLiteral("Tb ="), "ATB", "Label14", QStringLiteral("min."),
             QStringLiteral("Tiempo base del hidrograma de entrada"), 2, 1},
        });
    addResults("ACalcular", "AFrame4",
               {
                   {"ALabelRes", QStringLiteral("Sup = "), "ARES", "ALabelResU", QStringLiteral("m²"), {}, 0, 0},
                   {"Label17", QStringLiteral("H ="), "AH", "Label18", QStringLiteral("m"),
                    headTip(CaseAOutlet::Orifice, services.separators()), 0, 1},
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
    setToolTips({{"ADL", kLengthTip}, {"AH", headTip(CaseAOutlet::Weir, separators())}});
    clearFields({"ARES", "AH", "ADL"});
}

void CaseAPanel::AOption4_Click()
{
    setCaptions({{"ALabelD", QStringLiteral("D =")}});
    setToolTips({{"ADL", kDiameterTip}, {"AH", headTip(CaseAOutlet::Orifice, separators())}});
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
    if (form.reportNotANumber()) return;

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
    const Separators s = separators();
    if (m_lastInput.outlet == CaseAOutlet::Weir && result->h) {
        // Beside the form's weir head, the head under the chart's own law,
        // so that a reader of the routing check sees why the two differ.
        const double qp = m_lastInput.calculation == CalculationType::Surface ? m_lastInput.given : *result->main;
        const double chartHead = caseAChartWeirHead(qp, m_lastInput.ck, m_lastInput.dl);
        const auto h = std::find_if(r.results.begin(), r.results.end(),
                                    [](const ReportLine& l) { return l.symbol == QLatin1String("H"); });
        if (h != r.results.end())
            r.results.insert(
                std::next(h),
                {h->symbol,
                 QStringLiteral("Altura de agua sobre el vertedero según la ley del ábaco, %1")
                     .arg(QString::fromStdString(caseAChartWeirLaw(s))),
                 QString::fromStdString(FormatNumber(chartHead, caseAMasks(m_lastInput.calculation).height, s)),
                 h->unit});
    }
    const auto check = routing::checkByRouting(m_lastInput, *result);
    if (!check) return r;
    const RoutingSummary summary = summarizeRouting(*check, m_lastInput, s);
    r.routingText << summary.law << summary.notes.split(QLatin1Char('\n'));
    r.routingTable.push_back(
        {summary.header.what, summary.header.chart, summary.header.routed, summary.header.difference});
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

// A few milliseconds for the chart window's 25 points: the sheet routes
// them as it is made.
std::optional<routing::RoutingCurve> CaseAPanel::curveByRouting() const
{
    if (m_lastInput.calculation == CalculationType::None) return std::nullopt;
    return routing::routingCurve(m_lastInput);
}

} // namespace retencion
