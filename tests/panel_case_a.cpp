#include "charts/chart_window.h"
#include "panels/case_a_panel.h"
#include "panels/routing_check_window.h"
#include "routing/chart_check.h"
#include "ui_test_support.h"

#include <QFile>
#include <QImage>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <iterator>

using namespace retencion;
using namespace retencion::test;

namespace {

// The first worked example: orifice, surface, Qp = 3.
const QString kTyped = "AINC=3 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0.6";
const QString kOrifice = "AOption1 AOption4 " + kTyped;

} // namespace

class CaseAPanelTest : public QObject {
    Q_OBJECT

private slots:
    void optionsRelabelAndEmpty()
    {
        const QStringList faults =
            checkCalculationOptions<CaseAPanel>("A", "Sup =", "m²", {"ARES", "AH", "AINC"}) +
            checkOption<CaseAPanel>("AOption4", "AOption3", {{"ALabelD", "L ="}}, {"ARES", "AH", "ADL"}) +
            checkOption<CaseAPanel>("AOption3", "AOption4", {{"ALabelD", "D ="}}, {"ARES", "AH", "ADL"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    void calculations()
    {
        const QString weir = kOrifice + " AOption3 ADL=2 ACK=1.8";
        // clang-format off
        const QStringList faults = play<CaseAPanel>({
            {"orifice, point", ".", {{kOrifice, "ARES=5529.4 AH=2.07"}}},
            {"orifice, comma", ",", {{kOrifice, "ARES=5529,4 AH=2,07"}}},
            // No leading zero before the separator.
            {"weir, point", ".", {{weir, "ARES=38855.34 AH=.89"}}},
            {"weir, comma", ",", {{weir, "ARES=38855,34 AH=,89"}}},
            {"out of range keeps the earlier results", ".",
             {{kOrifice, "ARES=5529.4"}, {"AIP=135", "ARES=5529.4 AH=2.07", 1}}},
            {"no calculation option writes nothing, yet refuses an empty field", ".",
             {{"AOption4 " + kTyped, "ARES= AH="}, {"ARES=old AH=old AIP=", "ARES=old AH=old", 1}}},
            {"outflow without an outlet is refused", ".", {{"AOption2 " + kTyped + " AINC=5529.4", "ARES= AH=", 1}}},
        });
        // clang-format on
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    // The refused value's field takes the focus with its text selected (an
    // empty one is asked for); a derived ratio belongs to no one field and
    // leaves the focus where it was.
    void refusalNamesTheValueAndFocusesItsField()
    {
        const struct {
            QString typed;
            const char* focused;
            const char* detail;
        } rows[] = {
            {kOrifice + " AIP=135", "AIP", "Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
            {kOrifice + " ATB=15", "ATB", "Tb = 15 min: el intervalo estudiado es 20 < Tb ≤ 240 min (Tp = 20 min)."},
            {kOrifice + " AINC=0.8", "ACalcular",
             "Qp/Ip = 0.08: el intervalo estudiado es 0.1 ≤ Qp/Ip ≤ 0.85 (Qp = 0.8 m³/s, Ip = 10 m³/s)."},
            {kOrifice + " AIP=", "AIP", "Falta el valor de Ip: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."},
            {kOrifice + " AINC= ", "AINC",
             "Falta el valor de Qp: el intervalo estudiado es 0 < Qp ≤ 10 m³/s (Ip = 10 m³/s)."},
            {"AOption4 " + kTyped + " ACK=6", "ACK",
             "No se ha elegido el tipo de cálculo. Ck = 6: el intervalo estudiado es 0 < Ck ≤ 5."},
        };
        for (const auto& row : rows) {
            RecordingServices services;
            CaseAPanel panel(services);
            panel.show();
            act(&panel, row.typed);
            panel.calcular()->setFocus();
            panel.calcular()->click();
            QCOMPARE(services.messages, QStringList{QString::fromUtf8(row.detail)});
            QCOMPARE(panel.focusWidget()->objectName(), QString(row.focused));
            if (auto* f = qobject_cast<QLineEdit*>(panel.focusWidget())) QCOMPARE(f->selectedText(), f->text());
        }
    }

    // A field that holds no number stops the calculation before it runs: one
    // "Dato no válido" naming the field and its text, the field focused with
    // its text selected, and nothing on the form changed.
    void fieldThatIsNoNumberIsRefused()
    {
        const struct {
            const char* name;
            const char* decimal;
            const char* options;
            std::vector<std::pair<const char*, const char*>> texts;
            const char* focused;
            const char* detail;
        } rows[] = {
            {"unit after the number", ".", "", {{"AIP", "100 l/s"}, {"AINC", "30 l/s"}}, "AIP",
             "El texto de Ip, «100 l/s», no es un número. Escriba solo el número, en m³/s."},
            {"grouped thousands", ",", "AOption2", {{"AINC", "5.529,4"}}, "AINC",
             "El texto de Sup, «5.529,4», no es un número. Escriba solo el número, en m²."},
            {"time in minutes", ".", "", {{"ATB", "1 h"}}, "ATB",
             "El texto de Tb, «1 h», no es un número. Escriba solo el número, en min."},
            {"no unit", ".", "", {{"ACK", "+"}}, "ACK", "El texto de Ck, «+», no es un número. Escriba solo el número."},
            {"weir length", ",", "AOption3", {{"ADL", "2.0,0"}}, "ADL",
             "El texto de L, «2.0,0», no es un número. Escriba solo el número, en m."},
            {"the first field read is named", ".", "", {{"ATP", "abc"}, {"AIP", "1e"}}, "AIP",
             "El texto de Ip, «1e», no es un número. Escriba solo el número, en m³/s."},
        };
        for (const auto& row : rows) {
            RecordingServices services(row.decimal);
            CaseAPanel panel(services);
            panel.show();
            act(&panel, kOrifice);
            panel.calcular()->click();
            act(&panel, row.options);
            for (const auto& [name, typed] : row.texts)
                panel.field(name)->setText(QString::fromUtf8(typed));
            const CaseState typed = panel.state();
            panel.calcular()->setFocus();
            panel.calcular()->click();
            QVERIFY2(services.messages.isEmpty(), row.name);
            QCOMPARE(services.failures, QStringList{"Dato no válido " + QString::fromUtf8(row.detail)});
            QCOMPARE(panel.focusWidget()->objectName(), QString(row.focused));
            auto* f = qobject_cast<QLineEdit*>(panel.focusWidget());
            QCOMPARE(f->selectedText(), f->text());
            QVERIFY2(panel.state().fields == typed.fields && panel.state().results == typed.results, row.name);
        }
    }

    // A result that no longer answers the form is greyed, with a word, until
    // the next calculation that succeeds.
    void resultsGoOutOfDate()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        panel.show();
        const auto outOfDate = [&panel] {
            const bool res = panel.field("ARES")->property("outOfDate").toBool();
            return res == panel.field("AH")->property("outOfDate").toBool() ? int(res) : -1;
        };
        act(&panel, kOrifice);
        panel.calcular()->click();
        QCOMPARE(outOfDate(), 0);
        QVERIFY(panel.field("ARES")->toolTip().isEmpty());

        act(&panel, "AIP=135"); // refused: the old results stay, marked
        panel.calcular()->click();
        QCOMPARE(outOfDate(), 1);
        QCOMPARE(text(&panel, "ARES"), QStringLiteral("5529.4"));
        QCOMPARE(panel.field("ARES")->toolTip(), QStringLiteral("Resultado anterior: los datos han cambiado"));
        QVERIFY(panel.field("ARES")->palette().color(QPalette::Text) !=
                panel.field("AIP")->palette().color(QPalette::Text));

        act(&panel, "AIP=10");
        panel.calcular()->click();
        QCOMPARE(outOfDate(), 0);
        QCOMPARE(panel.field("ARES")->palette().color(QPalette::Text),
                 panel.field("AIP")->palette().color(QPalette::Text));

        panel.findChild<QPushButton*>("AVerAbaco")->click();
        QTest::keyClicks(panel.field("ACK"), "5"); // the user edits a field
        QCOMPARE(outOfDate(), 1);
        QVERIFY(panel.chartWindow()->windowTitle().contains(QStringLiteral("resultado anterior")));
        panel.calcular()->click(); // Ck = 0.65 is still in range
        QCOMPARE(outOfDate(), 0);
        QVERIFY(!panel.chartWindow()->windowTitle().contains(QStringLiteral("resultado anterior")));
    }

    void fieldsAreNamedForScreenReaders()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        QCOMPARE(panel.field("AIP")->accessibleName(),
                 QStringLiteral("Ip, caudal punta del hidrograma de entrada, metros cúbicos por segundo"));
        QCOMPARE(panel.field("AH")->accessibleName(),
                 QStringLiteral("H, altura de agua sobre el orificio, según Q = Ck·A·√(2g·H), resultado, metros"));
        act(&panel, "AOption2"); // the names follow the captions
        QCOMPARE(panel.field("ARES")->accessibleName(), QStringLiteral("Qp, resultado, metros cúbicos por segundo"));
    }

    // ADL and H say what they are for the outlet chosen; the weir head names
    // its law wherever it appears, and the sheet gives the head under the
    // chart's own law beside it.
    void outletNamesTheLengthAndTheHeadsLaw()
    {
        RecordingServices services(",");
        CaseAPanel panel(services);
        const QString orificeTip = panel.field("ADL")->toolTip();
        const struct {
            const char* option;
            const char* length;
            const char* head;
        } rows[] = {
            {"AOption3", "Longitud del vertedero", "Altura de agua sobre el vertedero, según Q = Ck·L·H^1,5"},
            {"AOption4", "Diametro del orificio de salida", "Altura de agua sobre el orificio, según Q = Ck·A·√(2g·H)"},
            {"AOption2", "Diametro del orificio de salida", "Altura de agua sobre el orificio, según Q = Ck·A·√(2g·H)"},
        };
        for (const auto& row : rows) {
            act(&panel, row.option);
            QCOMPARE(panel.field("ADL")->toolTip(), QString::fromUtf8(row.length));
            QCOMPARE(panel.field("AH")->toolTip(), QString::fromUtf8(row.head));
        }
        QCOMPARE(panel.field("AINC")->toolTip(), QStringLiteral("Superficie del depósito"));

        act(&panel, "AOption1 AOption3 " + kTyped + " ADL=2 ACK=1,8");
        panel.calcular()->click();
        QCOMPARE(text(&panel, "AH"), QStringLiteral(",89"));
        const QString weirTip = QStringLiteral("Altura de agua sobre el vertedero, según Q = Ck·L·H^1,5");
        QVERIFY2(panel.valuesTable().contains(QStringLiteral("H\t,89\tm\t") + weirTip),
                 qPrintable(panel.valuesTable()));
        const CaseReport sheet = panel.report();
        const auto h = std::find_if(sheet.results.begin(), sheet.results.end(),
                                    [](const ReportLine& l) { return l.symbol == QStringLiteral("H"); });
        QVERIFY(h != sheet.results.end() && std::next(h) != sheet.results.end());
        QCOMPARE(h->meaning, weirTip);
        QCOMPARE(h->value, QStringLiteral(",89"));
        QVERIFY2(std::next(h)->meaning.endsWith(QStringLiteral("Q = Ck·L·√(2g)·H^1,5")),
                 qPrintable(std::next(h)->meaning));
        QCOMPARE(std::next(h)->value, QStringLiteral(",33")); // 0,8855 m over (√(2g))^(2/3)

        // Out of date, the head says so; answered again, it names its law.
        QTest::keyClicks(panel.field("ACK"), "5");
        QCOMPARE(panel.field("AH")->toolTip(), QStringLiteral("Resultado anterior: los datos han cambiado"));
        act(&panel, "ACK=1,8");
        panel.calcular()->click();
        QCOMPARE(panel.field("AH")->toolTip(), weirTip);

        // A file with no outlet chosen reads as the form at its start.
        panel.restore(CaseState{});
        QCOMPARE(panel.field("ADL")->toolTip(), orificeTip);
        QVERIFY(panel.field("AH")->toolTip().contains(QStringLiteral("orificio")));
    }

    void keysChooseOptionsAndCalculate()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        for (const QRadioButton* option : panel.findChildren<QRadioButton*>())
            QVERIFY(!option->isChecked()); // none at the start
        act(&panel, kTyped);
        QLineEdit* typing = panel.field("AIP");
        typing->setFocus();
        // An access key presses its button with a short animation.
        QTest::keyClick(typing, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(panel.option("AOption1")->isChecked());
        QTest::keyClick(typing, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(panel.option("AOption4")->isChecked());
        act(&panel, kTyped); // the options emptied some
        QTest::keyClick(typing, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(text(&panel, "ARES"), QStringLiteral("5529.4"));
        act(&panel, "ARES=");
        QTest::keyClick(panel.field("ATB"), Qt::Key_Return);
        QCOMPARE(text(&panel, "ARES"), QStringLiteral("5529.4"));
    }

    // The chart window and the routing check follow the form; both export.
    void windowsFollowTheForm()
    {
        RecordingServices services(",");
        CaseAPanel panel(services);
        panel.show();
        panel.findChild<QPushButton*>("AVerAbaco")->click();
        ChartWindow* chart = panel.chartWindow();
        QVERIFY(chart && chart->isVisible());
        QVERIFY(!chart->figures().at(0).point); // nothing read yet
        auto* comprobar = panel.findChild<QPushButton*>("AComprobar");
        QVERIFY(!comprobar->isEnabled());
        panel.AComprobar_Click(); // with nothing to check, it says why
        QCOMPARE(services.failures.size(), 1);
        QVERIFY(services.failures[0].contains("Calcular"));
        act(&panel, kOrifice);
        panel.calcular()->click();
        QVERIFY(chart->figures().at(0).point);
        QVERIFY(comprobar->isEnabled());
        comprobar->click();
        RoutingCheckWindow* routing = panel.routingWindow();
        QVERIFY(routing && routing->isVisible());
        // Qp, H, and after a surface calculation the surface routing needs.
        QCOMPARE(routing->table()->rowCount(), 3);
        QCOMPARE(routing->table()->item(0, 1)->text(), QStringLiteral("3"));
        // The chart's peak lies above routing's: the one difference, signed.
        QCOMPARE(routing->table()->horizontalHeaderItem(3)->text(),
                 QString::fromUtf8(routing::kChartDifferenceCaption));
        QVERIFY(routing->table()->item(0, 3)->text().startsWith(QStringLiteral("+0,7")));
        const CaseReport sheet = panel.report();
        QCOMPARE(sheet.routingTable.at(0).at(3), QString::fromUtf8(routing::kChartDifferenceCaption));
        QCOMPARE(sheet.routingTable.at(1).at(3), routing->table()->item(0, 3)->text());

        QTemporaryDir dir;
        QVERIFY(routing->exportCsv(dir.filePath("h.csv")));
        QFile csv(dir.filePath("h.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines[9], QByteArray("t (min);Entrada (m³/s);Salida (m³/s);h (m)"));
        QCOMPARE(lines[14].count(';'), 3);
        QVERIFY(lines[14].contains(',')); // the regional decimal separator

        act(&panel, "AOption3"); // another outlet: its chart alone, nothing to check
        QCOMPARE(chart->figures().size(), std::size_t(1));
        QCOMPARE(chart->figures()[0].title, std::string("Ábaco de salida tipo vertedero"));
        QVERIFY(!chart->figures()[0].point);
        QVERIFY(!comprobar->isEnabled() && !routing->isVisible());
        QVERIFY(chart->exportPng(dir.filePath("a.png")));
        QVERIFY(chart->exportSvg(dir.filePath("a.svg")));
        QVERIFY(QImage(dir.filePath("a.png")).width() > 800);
        QFile svg(dir.filePath("a.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    }
};

QTEST_MAIN(CaseAPanelTest)
#include "panel_case_a.moc"
