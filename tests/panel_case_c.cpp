#include "panels/case_c_panel.h"
#include "ui_test_support.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseCPanelTest : public QObject {
    Q_OBJECT

private slots:
    void writesUnderItsMasks_data()
    {
        QTest::addColumn<QString>("option");     // empty: no calculation chosen
        QTest::addColumn<QStringList>("inputs"); // INC, IP, TP (min), B, HO
        QTest::addColumn<QString>("res");
        QTest::addColumn<QString>("h");
        QTest::newRow("surface on the lower nodes")
            << "COption1" << QStringList{"5", "20", "60", "3", "0.6"} << "13385."
            << "2.27";
        QTest::newRow("outflow") << "COption2" << QStringList{"20000", "30", "45", "4", "0.75"} << "7.09"
                                 << "1.85";
        QTest::newRow("no calculation writes only the height")
            << "" << QStringList{"5", "20", "60", "3", "0.6"} << "old"
            << "10.45";
    }

    void writesUnderItsMasks()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, inputs);
        QFETCH(QString, res);
        QFETCH(QString, h);
        RecordingServices services;
        CaseCPanel panel(services);
        if (!option.isEmpty()) choose(&panel, {option.toLatin1().constData()});
        const char* names[] = {"CINC", "CIP", "CTP", "CB", "CHO"};
        for (int i = 0; i < 5; ++i)
            panel.field(names[i])->setText(inputs[i]);
        type(&panel, {{"CRES", "old"}, {"CH", "old"}});
        press(&panel, "CCalcular");
        QCOMPARE(text(&panel, "CRES"), res);
        QCOMPARE(text(&panel, "CH"), h);
        QVERIFY(services.messages.isEmpty());
    }

    void outflowOptionRelabelsAndEmpties()
    {
        RecordingServices services;
        CaseCPanel panel(services);
        for (auto* f : panel.findChildren<QLineEdit*>())
            f->setText("7");
        choose(&panel, {"COption2"});
        QCOMPARE(caption(&panel, "CLabelInc"), QStringLiteral("Sup ="));
        QCOMPARE(caption(&panel, "CLabelIncU"), QStringLiteral("m²"));
        QCOMPARE(caption(&panel, "CLabelRes"), QStringLiteral("Qp ="));
        QCOMPARE(caption(&panel, "CLabelResU"), QStringLiteral("m³/s"));
        for (const char* f : {"CRES", "CH", "CINC"})
            QVERIFY(text(&panel, f).isEmpty());
        for (const char* f : {"CIP", "CTP", "CB", "CHO"})
            QCOMPARE(text(&panel, f), QStringLiteral("7"));
    }

    void outOfRangeLeavesEveryField()
    {
        RecordingServices services;
        CaseCPanel panel(services);
        choose(&panel, {"COption1"});
        type(&panel, {{"CINC", "5"}, {"CIP", "20"}, {"CTP", "60"}, {"CB", "3"}, {"CHO", "0.6"}});
        press(&panel, "CCalcular");
        type(&panel, {{"CHO", "0.81"}});
        press(&panel, "CCalcular");
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(text(&panel, "CRES"), QStringLiteral("13385."));
        QCOMPARE(text(&panel, "CH"), QStringLiteral("2.27"));
        QCOMPARE(caption(&panel, "Label38"), QStringLiteral("Tb ="));
    }
};

QTEST_MAIN(CaseCPanelTest)
#include "panel_case_c.moc"
