#include "panels/chart_followers.h"

#include "charts/chart_window.h"
#include "charts/sizing_curve_tab.h"

namespace retencion {

void ChartFollowers::follow(ChartWindow* window, bool outOfDate)
{
    m_following.push_back(window);
    window->setOutOfDate(outOfDate);
}

void ChartFollowers::markOutOfDate(bool outOfDate)
{
    for (ChartWindow* window : m_following)
        window->setOutOfDate(outOfDate);
}

void ChartFollowers::show(ChartWindow* window, const ChartContent& content)
{
    window->setFigures(content.figures);
    window->setSizingCurve(content.curveInput, content.separators);
    window->setCaption(content.caption);
}

void ChartFollowers::showChart(char letter, UiServices& services, QWidget* panel, bool outOfDate,
                               const ChartContent& content)
{
    if (!m_chart) {
        m_chart = new ChartWindow(QStringLiteral("Caso %1").arg(QChar::fromLatin1(letter)), services, panel);
        m_chart->setObjectName(QChar::fromLatin1(letter) + QStringLiteral("Abaco"));
        follow(m_chart, outOfDate);
    }
    show(m_chart, content);
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
}

void ChartFollowers::refresh(const std::function<ChartContent()>& content)
{
    if (!m_chart) return;
    if (!m_chart->isVisible()) {
        if (m_chart->curveTab()) m_chart->curveTab()->cancelRouting();
        return;
    }
    show(m_chart, content());
}

} // namespace retencion
