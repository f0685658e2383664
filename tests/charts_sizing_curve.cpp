// The chart window's sizing curve tab: beside the chart's, following the
// form's calculations, case A's routing curve computed in the background,
// cancelled by the user or by a new calculation, and values under the mouse.
#include "charts/chart_window.h"
#include "charts/figure_painter.h"
#include "charts/sizing_curve_tab.h"
#include "panels/case_a_panel.h"
#include "panels/case_e_panel.h"
#include "ui_test_support.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace retencion;
using namespace retencion::test;

namespace {

const QString kOrifice = "AOption1 AOption4 AINC=3 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0.6";

QStringList tabTexts(const QTabWidget* tabs)
{
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i)
        out << tabs->tabText(i).remove('&');
    return out;
}

} // namespace

class ChartsSizingCurveTest : public QObject {
    Q_OBJECT

private slots:
    // Case A: the chart first, the curve beside it; routing's curve and the
    // difference come once the background work ends, with no progress left.
    void caseAWindowGainsRoutingAndDifference()
    {
        RecordingServices services(",");
        CaseAPanel panel(services);
        act(&panel, kOrifice);
        panel.calcular()->click();
        panel.showChart();
        ChartWindow* window = panel.chartWindow();
        auto* tabs = window->findChild<QTabWidget*>("Pestanas");
        QVERIFY(tabs);
        QCOMPARE(tabTexts(tabs), (QStringList{"Ábaco", "Curva de dimensionamiento"}));
        SizingCurveTab* tab = window->curveTab();
        QVERIFY(tab->curve() && tab->curve()->operating);
        QVERIFY(QTest::qWaitFor([tab] { return !tab->routingRunning(); }, 10000));
        QTest::qWait(0);
        QVERIFY(tab->routing() && tab->routing()->complete);
        const auto figures = window->curveFigures();
        QCOMPARE(figures.size(), std::size_t(2));
        QCOMPARE(panel.report().sizingCurve.size(), std::size_t(2)); // the report draws what the window has
        QVERIFY(!tab->findChild<QProgressBar*>("ProgresoLaminacion")->isVisible());
        // The values under the mouse at the operating point, with a comma.
        tabs->setCurrentWidget(tab);
        window->resize(900, 700);
        QTest::qWait(0);
        auto* view = tab->findChild<ChartView*>();
        QVERIFY(view);
        const FigureLayout L = layoutFigure(view->rect(), view->figure(), view->font());
        const QString values = view->valuesAt(L.pointMark.center());
        QVERIFY2(values.contains("Qp (m³/s) = 3") && values.contains("Sup (m²) = 55"), qPrintable(values));
        QVERIFY(!values.contains("nan") && !values.contains("inf"));
    }

    // "Cancelar" stops the routing: the chart's curve stays, routing's never
    // comes; a new calculation cancels the one before and routes anew.
    void cancelledByTheUserOrByANewCalculation()
    {
        RecordingServices services(".");
        CaseAPanel panel(services);
        act(&panel, kOrifice);
        panel.calcular()->click();
        panel.showChart();
        SizingCurveTab* tab = panel.chartWindow()->curveTab();
        tab->findChild<QPushButton*>("Cancelar")->click();
        QVERIFY(!tab->routingRunning());
        QTest::qWait(50);
        QVERIFY(!tab->routing());
        QCOMPARE(panel.chartWindow()->curveFigures().size(), std::size_t(1));

        QSignalSpy finished(tab, &SizingCurveTab::routingFinished);
        act(&panel, "AINC=4");
        panel.calcular()->click();
        act(&panel, "AINC=5");
        panel.calcular()->click();
        QVERIFY(QTest::qWaitFor([tab] { return tab->routing().has_value(); }, 10000));
        QCOMPARE(tab->curve()->operating->given, 5.0);
        QCOMPARE(std::get<CaseAInput>(tab->curve()->input).given, 5.0);
    }

    // A case whose chart has no routing: no progress, one figure, and an
    // explanation before any calculation.
    void caseEHasTheChartCurveOnly()
    {
        RecordingServices services(",");
        CaseEPanel panel(services);
        panel.showChart();
        SizingCurveTab* tab = panel.chartWindow()->curveTab();
        QVERIFY(panel.chartWindow()->curveFigures().empty());
        QVERIFY(!tab->findChild<QLabel*>("EstadoCurva")->text().isEmpty());
        act(&panel, "EOption1 EINC=10 EIP=30 ETP=60 EB=3 EHO=1 EL=1");
        panel.calcular()->click();
        QVERIFY(!tab->routingRunning());
        QCOMPARE(panel.chartWindow()->curveFigures().size(), std::size_t(1));
    }
};

QTEST_MAIN(ChartsSizingCurveTest)
#include "charts_sizing_curve.moc"
