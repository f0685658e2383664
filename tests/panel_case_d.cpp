#include "panels/case_d_panel.h"
#include "ui_test_support.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseDPanelTest : public QObject {
    Q_OBJECT

private slots:
    void writesUnderItsMasks_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("inc");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("tp");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("res");
        QTest::newRow("volume, point") << "DOption1"
                                       << "15"
                                       << "25"
                                       << "60"
                                       << "."
                                       << "38936.";
        QTest::newRow("volume, comma") << "DOption1"
                                       << "15"
                                       << "25"
                                       << "60"
                                       << ","
                                       << "38936,";
        QTest::newRow("outflow, point") << "DOption2"
                                        << "36000"
                                        << "25"
                                        << "60"
                                        << "."
                                        << "15.29";
        QTest::newRow("outflow, comma") << "DOption2"
                                        << "36000"
                                        << "25"
                                        << "60"
                                        << ","
                                        << "15,29";
    }

    void writesUnderItsMasks()
    {
        QFETCH(QString, option);
        QFETCH(QString, inc);
        QFETCH(QString, ip);
        QFETCH(QString, tp);
        QFETCH(QString, decimal);
        QFETCH(QString, res);
        RecordingServices services;
        services.separatorsInUse = {decimal.toStdString(), decimal == "." ? "," : "."};
        CaseDPanel panel(services);
        choose(&panel, {option.toLatin1().constData()});
        panel.field("DINC")->setText(inc);
        panel.field("DIP")->setText(ip);
        panel.field("DTP")->setText(tp);
        press(&panel, "DCalcular");
        QCOMPARE(text(&panel, "DRES"), res);
        QVERIFY(services.messages.isEmpty());
    }

    void outflowOptionRelabelsAndEmpties()
    {
        RecordingServices services;
        CaseDPanel panel(services);
        QCOMPARE(caption(&panel, "DLabelRes"), QStringLiteral("Vol ="));
        for (auto* f : panel.findChildren<QLineEdit*>())
            f->setText("7");
        choose(&panel, {"DOption2"});
        QCOMPARE(caption(&panel, "DLabelInc"), QStringLiteral("Vol ="));
        QCOMPARE(caption(&panel, "DLabelIncU"), QStringLiteral("m³"));
        QCOMPARE(caption(&panel, "DLabelRes"), QStringLiteral("Qp ="));
        QCOMPARE(caption(&panel, "DLabelResU"), QStringLiteral("m³/s"));
        QVERIFY(text(&panel, "DRES").isEmpty());
        QVERIFY(text(&panel, "DINC").isEmpty());
        QCOMPARE(text(&panel, "DIP"), QStringLiteral("7"));
    }

    void noOptionWritesNothingButStillRefuses()
    {
        RecordingServices services;
        CaseDPanel panel(services);
        type(&panel, {{"DINC", "15"}, {"DIP", "25"}, {"DTP", "60"}});
        press(&panel, "DCalcular");
        QVERIFY(services.messages.isEmpty());
        QVERIFY(text(&panel, "DRES").isEmpty());
        type(&panel, {{"DIP", "51"}});
        press(&panel, "DCalcular");
        QCOMPARE(services.messages.size(), 1);
    }

    void anEmptyTimeIsRefused()
    {
        RecordingServices services;
        CaseDPanel panel(services);
        choose(&panel, {"DOption1"});
        type(&panel, {{"DINC", "15"}, {"DIP", "25"}, {"DRES", "old"}});
        press(&panel, "DCalcular");
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(text(&panel, "DRES"), QStringLiteral("old"));
    }
};

QTEST_MAIN(CaseDPanelTest)
#include "panel_case_d.moc"
