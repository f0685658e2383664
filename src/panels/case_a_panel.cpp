#include "panels/case_a_panel.h"

#include "charts/ui_services.h"
#include "panels/routing_check_window.h"
#include "routing/chart_check.h"

namespace retencion {

CaseAPanel::CaseAPanel(UiServices& services, QWidget* parent) : CasePanel('A', services, parent)
{
    m_comprobar = addSideButton("Comprobar", QStringLiteral("Comprobar por laminación"), 'p');
    m_comprobar->setEnabled(false);
    connect(m_comprobar, &QPushButton::clicked, this, &CaseAPanel::AComprobar_Click);
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
    if (!result || !lastInput()) {
        services().reportFailure(this, cannot,
                                 QStringLiteral("No hay un resultado calculado con los datos del formulario: "
                                                "pulse «Calcular» primero."));
        return;
    }
    const CaseAInput& input = std::get<CaseAInput>(*lastInput());
    const auto check = routing::checkByRouting(input, *result);
    if (!check) {
        services().reportFailure(this, cannot,
                                 QStringLiteral("La laminación no ha dado una respuesta con estos datos."));
        return;
    }
    if (!m_routing) {
        m_routing = new RoutingCheckWindow(services(), this);
        followResult(m_routing);
    }
    m_routing->setCheck(*check, input, separators());
    m_routing->show();
    m_routing->raise();
    m_routing->activateWindow();
}

} // namespace retencion
