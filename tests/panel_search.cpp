// "Buscar valor…" at the panels: the dialog asks only for the fields the
// options read, and its three outcomes: one value written and calculated
// with, and said in a sentence; none, with the reach; several, listed and
// none written until one is chosen. The sheet of a search says so.

#include "numbers/format_number.h"
#include "panel_factory.h"
#include "panels/routing_check_window.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QtTest>

using namespace retencion;
using namespace retencion::test;

namespace {

// The user at the dialog: picks the unknown and target whose captions begin
// with the symbols given, types the value and presses "Buscar".
std::function<bool(QDialog*)> asks(QString unknown, QString target, QString value, QStringList* offered = nullptr)
{
    return [=](QDialog* dialog) {
        auto* u = dialog->findChild<QComboBox*>("BuscarIncognita");
        auto* t = dialog->findChild<QComboBox*>("BuscarObjetivo");
        if (offered)
            for (int i = 0; i < u->count(); ++i)
                *offered << u->itemText(i).section(':', 0, 0);
        u->setCurrentIndex(u->findText(unknown + ":", Qt::MatchStartsWith));
        t->setCurrentIndex(t->findText(target + ":", Qt::MatchStartsWith));
        dialog->findChild<QLineEdit*>("BuscarValorObjetivo")->setText(value);
        return u->currentIndex() >= 0 && t->currentIndex() >= 0;
    };
}

} // namespace

class PanelSearchTest : public QObject {
    Q_OBJECT

private slots:
    void everyPanelHasItsButton()
    {
        for (const char letter : {'A', 'B', 'C', 'D', 'E'}) {
            RecordingServices services;
            const auto panel = panelFor(letter, services);
            QVERIFY(panel->findChild<QPushButton*>(QString(QChar(letter)) + "Buscar"));
        }
    }

    // The dialog offers what the options read: with circular conduits N and
    // D, with a rectangular one B and not N.
    void offersOnlyTheFieldsTheOptionsRead()
    {
        RecordingServices services;
        CaseBPanel panel(services);
        act(&panel, "BOption1 BOption3 BIP=10 BTP=30 BQB=1 BD=2 BINC=7");
        QStringList offered;
        services.fillDialog = asks("B", "Sup", "4000", &offered);
        panel.buscar();
        QCOMPARE(offered, (QStringList{"Ip", "Tp", "Qb", "B", "Qp"}));
        offered.clear();
        act(&panel, "BOption4 BD=1 BN=2");
        services.fillDialog = asks("N", "Sup", "4000", &offered);
        panel.buscar();
        QCOMPARE(offered, (QStringList{"Ip", "Tp", "Qb", "D", "N", "Qp"}));
    }

    void oneValueIsWrittenCalculatedWithAndSaid()
    {
        RecordingServices services(",");
        CaseAPanel panel(services);
        act(&panel, "AOption2 AOption4 AIP=10 ATP=20 ATB=60 ACK=0,6 AINC=4000");
        services.fillDialog = asks("D", "Qp", "2,6");
        panel.buscar();
        QCOMPARE(services.failures, QStringList{});
        QCOMPARE(services.messages, QStringList{});
        QVERIFY(!text(&panel, "ADL").isEmpty());
        QCOMPARE(text(&panel, "ARES"), QStringLiteral("2,6"));
        QCOMPARE(services.informations.size(), 1);
        QVERIFY2(
            services.informations[0].startsWith("D = " + text(&panel, "ADL") + " m da Qp = 2,6 m³/s con Sup = 4000 m²"),
            qPrintable(services.informations[0]));
        const CaseReport report = panel.report();
        QVERIFY(report.search);
        QCOMPARE(report.search->found, "D = " + text(&panel, "ADL") + " m");
        // New data: the sheet no longer says the result came from a search.
        act(&panel, "AIP=11");
        QVERIFY(!panel.report().search);
    }

    void noValueSaysTheReachAndWritesNothing()
    {
        RecordingServices services(",");
        CaseAPanel panel(services);
        act(&panel, "AOption2 AOption4 AIP=10 ATP=20 ATB=60 ACK=0,6 AINC=4000");
        services.fillDialog = asks("D", "Qp", "50");
        panel.buscar();
        QCOMPARE(text(&panel, "ADL"), QString());
        QCOMPARE(services.failures.size(), 1);
        QVERIFY2(services.failures[0].contains("Con los demás datos, D entre 0,823"), qPrintable(services.failures[0]));
        QVERIFY(services.informations.isEmpty());
    }

    // The depth over a rectangular conduit turns with Ip where the
    // base-flow ratio meets a chart curve: several inflow peaks give it.
    void severalValuesAreListedAndOnlyTheOneChosenIsWritten()
    {
        RecordingServices services;
        CaseBPanel panel(services);
        act(&panel, "BOption1 BOption3 BIP=10 BTP=30 BQB=1 BD=2 BINC=7");
        panel.calcular()->click();
        const QString depth = text(&panel, "BH");
        services.fillDialog = asks("Ip", "H", "2.15281");
        services.chosenItem = -1;
        panel.buscar();
        QCOMPARE(services.offered.size(), 1);
        QVERIFY2(services.offered[0].count(" | ") >= 1, qPrintable(services.offered[0]));
        QCOMPARE(text(&panel, "BIP"), QStringLiteral("10")); // given up: nothing written
        services.chosenItem = 1;
        panel.buscar();
        const QString second = services.offered[1].section(": ", 1).split(" | ")[1];
        QCOMPARE("Ip = " + text(&panel, "BIP") + " m³/s", second);
        QCOMPARE(text(&panel, "BH"), depth);
    }

    // The routing window finds, off the interface thread, the orifice whose
    // routed peak is the chart's, and says it beside the chart's.
    void routingWindowGivesTheOutletByRouting()
    {
        RecordingServices services(",");
        CaseAPanel panel(services);
        act(&panel, "AOption1 AOption4 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0,6 AINC=3");
        panel.calcular()->click();
        panel.AComprobar_Click();
        RoutingCheckWindow* window = panel.routingWindow();
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window->outletSearchRunning(), 5000);
        const QString said = window->outletAnswer()->text();
        QVERIFY2(said.startsWith("Diámetro del orificio de salida por laminación: D = "), qPrintable(said));
        QVERIFY2(said.contains("frente a D = 1 m del ábaco"), qPrintable(said));
    }

    void withNoCalculationChosenThereIsNothingToMeet()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        act(&panel, "AOption4 AIP=10");
        services.fillDialog = asks("D", "Qp", "1");
        panel.buscar();
        QCOMPARE(services.failures.size(), 1);
        QVERIFY(services.failures[0].contains("tipo de cálculo"));
    }
};

QTEST_MAIN(PanelSearchTest)
#include "panel_search.moc"
