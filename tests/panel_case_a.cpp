#include "charts/chart_window.h"
#include "panels/case_a_panel.h"
#include "panels/routing_check_window.h"

#include "ui_test_support.h"
#include <QTableWidget>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseAPanelTest : public QObject {
    Q_OBJECT

    // The first worked example: orifice, surface, Qp = 3.
    static void typeOrificeExample(QWidget* panel)
    {
        choose(panel, {"AOption1", "AOption4"});
        type(panel, {{"AINC", "3"}, {"AIP", "10"}, {"ATP", "20"}, {"ATB", "60"}, {"ADL", "1"}, {"ACK", "0.6"}});
    }

private slots:
    void startsWithNoOptionAndSurfaceCaptions()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        for (const char* name : {"AOption1", "AOption2", "AOption3", "AOption4"})
            QVERIFY(!panel.option(name)->isChecked());
        QCOMPARE(caption(&panel, "ALabelInc"), QStringLiteral("Qp ="));
        QCOMPARE(caption(&panel, "ALabelRes"), QStringLiteral("Sup = "));
        QCOMPARE(caption(&panel, "ALabelD"), QStringLiteral("D ="));
        QCOMPARE(panel.field("ADL")->toolTip(), QStringLiteral("Diametro del orificio de salida"));
    }

    void optionRelabelsAndEmpties_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("captions"); // label:text
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QStringList>("kept");
        const QStringList inputs{"AIP", "ATP", "ATB", "ACK"};
        QTest::newRow("surface") << "AOption1"
                                 << QStringList{"ALabelInc:Qp =", "ALabelIncU:m³/s", "ALabelRes:Sup =", "ALabelResU:m²"}
                                 << QStringList{"ARES", "AH", "AINC"} << (inputs + QStringList{"ADL"});
        QTest::newRow("outflow") << "AOption2"
                                 << QStringList{"ALabelInc:Sup =", "ALabelIncU:m²", "ALabelRes:Qp =", "ALabelResU:m³/s"}
                                 << QStringList{"ARES", "AH", "AINC"} << (inputs + QStringList{"ADL"});
        QTest::newRow("weir") << "AOption3" << QStringList{"ALabelD:L ="} << QStringList{"ARES", "AH", "ADL"}
                              << (inputs + QStringList{"AINC"});
        QTest::newRow("orifice") << "AOption4" << QStringList{"ALabelD:D ="} << QStringList{"ARES", "AH", "ADL"}
                                 << (inputs + QStringList{"AINC"});
    }

    void optionRelabelsAndEmpties()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, emptied);
        QFETCH(QStringList, kept);
        RecordingServices services;
        CaseAPanel panel(services);
        // Start from the other option of the group, with every field filled.
        const QString other = option == "AOption1"   ? "AOption2"
                              : option == "AOption2" ? "AOption1"
                              : option == "AOption3" ? "AOption4"
                                                     : "AOption3";
        panel.option(other.toLatin1())->click();
        for (auto* f : panel.findChildren<QLineEdit*>())
            f->setText("7");

        panel.option(option.toLatin1())->click();
        for (const QString& c : captions) {
            const qsizetype colon = c.indexOf(':');
            QCOMPARE(caption(&panel, c.left(colon).toLatin1()), c.mid(colon + 1));
        }
        for (const QString& f : emptied)
            QVERIFY2(text(&panel, f.toLatin1()).isEmpty(), qPrintable(f));
        for (const QString& f : kept)
            QCOMPARE(text(&panel, f.toLatin1()), QStringLiteral("7"));
        QVERIFY(services.messages.isEmpty());
    }

    void workedExamplesUnderRegionalSeparators_data()
    {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<bool>("weir");
        QTest::addColumn<QString>("res");
        QTest::addColumn<QString>("h");
        QTest::newRow("orifice, point") << "." << false << "5529.4"
                                        << "2.07";
        QTest::newRow("orifice, comma") << "," << false << "5529,4"
                                        << "2,07";
        QTest::newRow("weir, point, no leading zero") << "." << true << "38855.34"
                                                      << ".89";
        QTest::newRow("weir, comma, no leading zero") << "," << true << "38855,34"
                                                      << ",89";
    }

    void workedExamplesUnderRegionalSeparators()
    {
        QFETCH(QString, decimal);
        QFETCH(bool, weir);
        QFETCH(QString, res);
        QFETCH(QString, h);
        RecordingServices services;
        services.separatorsInUse = {decimal.toStdString(), decimal == "." ? "," : "."};
        CaseAPanel panel(services);
        typeOrificeExample(&panel);
        if (weir) {
            choose(&panel, {"AOption3"});
            type(&panel, {{"ADL", "2"}, {"ACK", "1.8"}});
        }
        press(&panel, "ACalcular");
        QCOMPARE(text(&panel, "ARES"), res);
        QCOMPARE(text(&panel, "AH"), h);
        QVERIFY(services.messages.isEmpty());
    }

    void outOfRangeKeepsEarlierResults()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        typeOrificeExample(&panel);
        press(&panel, "ACalcular");
        type(&panel, {{"AIP", "135"}});
        press(&panel, "ACalcular");
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(text(&panel, "ARES"), QStringLiteral("5529.4"));
        QCOMPARE(text(&panel, "AH"), QStringLiteral("2.07"));
    }

    void withoutACalculationNothingIsWrittenUnlessOutOfRange()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        choose(&panel, {"AOption4"});
        type(&panel, {{"AINC", "3"},
                      {"AIP", "10"},
                      {"ATP", "20"},
                      {"ATB", "60"},
                      {"ADL", "1"},
                      {"ACK", "0.6"},
                      {"ARES", "old"},
                      {"AH", "old"}});
        press(&panel, "ACalcular");
        QVERIFY(services.messages.isEmpty());
        QCOMPARE(text(&panel, "ARES"), QStringLiteral("old"));
        type(&panel, {{"AIP", ""}});
        press(&panel, "ACalcular");
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(text(&panel, "AH"), QStringLiteral("old"));
    }

    void outflowWithoutAnOutletIsOutOfRange()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        choose(&panel, {"AOption2"});
        type(&panel, {{"AINC", "5529.4"}, {"AIP", "10"}, {"ATP", "20"}, {"ATB", "60"}, {"ADL", "1"}, {"ACK", "0.6"}});
        press(&panel, "ACalcular");
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(text(&panel, "ARES").isEmpty());
    }

    void refusalNamesTheValueAndFocusesItsField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focused"); // empty: a derived ratio belongs to no one field
        QTest::addColumn<QString>("detail");
        QTest::newRow("inflow peak") << "AIP"
                                     << "135"
                                     << "AIP"
                                     << "Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s.";
        QTest::newRow("base time") << "ATB"
                                   << "15"
                                   << "ATB"
                                   << "Tb = 15 min: el intervalo estudiado es 20 < Tb ≤ 240 min (Tp = 20 min).";
        QTest::newRow("flow ratio") << "AINC"
                                    << "0.8"
                                    << ""
                                    << "Qp/Ip = 0.08: el intervalo estudiado es 0.1 ≤ Qp/Ip ≤ 0.85 (Qp = 0.8 m³/s, "
                                       "Ip = 10 m³/s).";
    }

    void refusalNamesTheValueAndFocusesItsField()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, focused);
        QFETCH(QString, detail);
        RecordingServices services;
        CaseAPanel panel(services);
        panel.show();
        typeOrificeExample(&panel);
        panel.field(field.toLatin1())->setText(typed);
        panel.calcular()->setFocus();
        press(&panel, "ACalcular");
        QCOMPARE(services.messages, QStringList{detail});
        if (focused.isEmpty()) {
            QCOMPARE(panel.focusWidget(), panel.calcular());
        } else {
            QLineEdit* f = panel.field(focused.toLatin1());
            QCOMPARE(panel.focusWidget(), f);
            QCOMPARE(f->selectedText(), f->text());
        }
    }

    void fieldsAreNamedForScreenReaders()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        QCOMPARE(panel.field("AIP")->accessibleName(),
                 QStringLiteral("Ip, caudal punta del hidrograma de entrada, metros cúbicos por segundo"));
        QCOMPARE(panel.field("ATB")->accessibleName(),
                 QStringLiteral("Tb, tiempo base del hidrograma de entrada, minutos"));
        QCOMPARE(panel.field("AH")->accessibleName(), QStringLiteral("H, resultado, metros"));
        choose(&panel, {"AOption2"});
        // The names follow the captions that the calculation type sets.
        QCOMPARE(panel.field("ARES")->accessibleName(), QStringLiteral("Qp, resultado, metros cúbicos por segundo"));
    }

    void accessKeysChooseOptionsAndCalculate()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        type(&panel, {{"AINC", "3"}, {"AIP", "10"}, {"ATP", "20"}, {"ATB", "60"}, {"ADL", "1"}, {"ACK", "0.6"}});
        QLineEdit* typing = panel.field("AIP");
        typing->setFocus();
        // An access key presses its button with a short animation.
        QTest::keyClick(typing, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(panel.option("AOption1")->isChecked());
        type(&panel, {{"AINC", "3"}}); // the option emptied it
        QTest::keyClick(typing, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(panel.option("AOption4")->isChecked());
        type(&panel, {{"ADL", "1"}});
        QTest::keyClick(typing, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(text(&panel, "ARES"), QStringLiteral("5529.4"));
        QCOMPARE(panel.option("AOption1")->text(), QStringLiteral("Cálculo de la Superficie del Depósito"));
    }

    void chartWindowFollowsTheForm()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        panel.show();
        QVERIFY(!panel.chartWindow());
        panel.findChild<QPushButton*>("AVerAbaco")->click();
        ChartWindow* window = panel.chartWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->figures().size(), std::size_t(1));
        QVERIFY(!window->figures()[0].point); // nothing read yet

        typeOrificeExample(&panel);
        press(&panel, "ACalcular");
        QVERIFY(window->figures()[0].point);
        QCOMPARE(window->figures()[0].title, std::string("Ábaco de salida tipo orificio"));

        // Another outlet: its chart, alone.
        choose(&panel, {"AOption3"});
        QCOMPARE(window->figures()[0].title, std::string("Ábaco de salida tipo vertedero"));
        QVERIFY(!window->figures()[0].point);

        QTemporaryDir dir;
        QVERIFY(window->exportPng(dir.filePath("a.png")));
        QVERIFY(window->exportSvg(dir.filePath("a.svg")));
        QImage png(dir.filePath("a.png"));
        QVERIFY(!png.isNull() && png.width() > 800);
        QFile svg(dir.filePath("a.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
    }

    void routingCheckComparesTheChartWithRouting()
    {
        RecordingServices services;
        services.separatorsInUse = {",", "."};
        CaseAPanel panel(services);
        panel.show();
        auto* comprobar = panel.findChild<QPushButton*>("AComprobar");
        QCOMPARE(comprobar->text(), QStringLiteral("Comprobar por laminación"));
        QVERIFY(!comprobar->isEnabled());
        typeOrificeExample(&panel);
        press(&panel, "ACalcular");
        QVERIFY(comprobar->isEnabled());
        comprobar->click();
        RoutingCheckWindow* window = panel.routingWindow();
        QVERIFY(window && window->isVisible());
        // Qp, H, and after a surface calculation the surface routing needs.
        QCOMPARE(window->table()->rowCount(), 3);
        QCOMPARE(window->table()->item(0, 1)->text(), QStringLiteral("3"));
        QVERIFY(window->table()->item(0, 3)->text().endsWith(QStringLiteral(" %")));
        QCOMPARE(window->figures().size(), std::size_t(2));

        QTemporaryDir dir;
        QVERIFY(window->exportCsv(dir.filePath("h.csv")));
        QFile csv(dir.filePath("h.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines[0], QByteArray("t (min);Entrada (m³/s);Salida (m³/s);h (m)"));
        QCOMPARE(lines[1].count(';'), 3);
        QVERIFY(lines[5].contains(',')); // the regional decimal separator

        // A new choice leaves nothing to check.
        choose(&panel, {"AOption2"});
        QVERIFY(!comprobar->isEnabled());
        QVERIFY(!window->isVisible());
    }

    void enterInAFieldPressesCalcular()
    {
        RecordingServices services;
        CaseAPanel panel(services);
        typeOrificeExample(&panel);
        QTest::keyClick(panel.field("ATB"), Qt::Key_Return);
        QCOMPARE(text(&panel, "ARES"), QStringLiteral("5529.4"));
    }
};

QTEST_MAIN(CaseAPanelTest)
#include "panel_case_a.moc"
