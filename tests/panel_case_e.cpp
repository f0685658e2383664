#include "panels/case_e_panel.h"
#include "ui_test_support.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseEPanelTest : public QObject {
    Q_OBJECT

    static void typeExample(QWidget* panel, const char* inc)
    {
        type(panel, {{"EINC", inc}, {"EIP", "30"}, {"ETP", "60"}, {"EB", "3"}, {"EHO", "1"}, {"EL", "1"}});
    }

private slots:
    void workedExamples_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("inc");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("res");
        QTest::addColumn<QString>("h");
        QTest::newRow("surface, point") << "EOption1"
                                        << "10"
                                        << "."
                                        << "4032"
                                        << "4.03";
        QTest::newRow("surface, comma") << "EOption1"
                                        << "10"
                                        << ","
                                        << "4032"
                                        << "4,03";
        QTest::newRow("outflow, point") << "EOption2"
                                        << "4000"
                                        << "."
                                        << "10.66"
                                        << "4.03";
        QTest::newRow("outflow, comma") << "EOption2"
                                        << "4000"
                                        << ","
                                        << "10,66"
                                        << "4,03";
    }

    void workedExamples()
    {
        QFETCH(QString, option);
        QFETCH(QString, inc);
        QFETCH(QString, decimal);
        QFETCH(QString, res);
        QFETCH(QString, h);
        RecordingServices services;
        services.separatorsInUse = {decimal.toStdString(), decimal == "." ? "," : "."};
        CaseEPanel panel(services);
        choose(&panel, {option.toLatin1().constData()});
        typeExample(&panel, inc.toLatin1().constData());
        press(&panel, "ECalcular");
        QCOMPARE(text(&panel, "ERES"), res);
        QCOMPARE(text(&panel, "EH"), h);
        QVERIFY(services.messages.isEmpty());
    }

    void depthOutOfRangeWritesTheSurfaceAndKeepsTheDepth()
    {
        RecordingServices services;
        CaseEPanel panel(services);
        choose(&panel, {"EOption1"});
        type(&panel,
             {{"EINC", "5"}, {"EIP", "20"}, {"ETP", "30"}, {"EB", "2"}, {"EHO", "0.1"}, {"EL", "0.2"}, {"EH", "old"}});
        press(&panel, "ECalcular");
        QCOMPARE(text(&panel, "ERES"), QStringLiteral("358"));
        QCOMPARE(text(&panel, "EH"), QStringLiteral("old"));
        QCOMPARE(services.messages.size(), 1);
    }

    void noOptionGivesOnlyTheMessage()
    {
        RecordingServices services;
        CaseEPanel panel(services);
        QCOMPARE(caption(&panel, "ELabelRes"), QStringLiteral("Sup = "));
        typeExample(&panel, "10");
        press(&panel, "ECalcular");
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(text(&panel, "ERES").isEmpty());
        QVERIFY(text(&panel, "EH").isEmpty());
    }

    void optionsRelabelBothWays()
    {
        RecordingServices services;
        CaseEPanel panel(services);
        typeExample(&panel, "10");
        choose(&panel, {"EOption2"});
        QCOMPARE(caption(&panel, "ELabelInc"), QStringLiteral("Sup ="));
        QCOMPARE(caption(&panel, "ELabelRes"), QStringLiteral("Qp ="));
        QVERIFY(text(&panel, "EINC").isEmpty());
        choose(&panel, {"EOption1"});
        QCOMPARE(caption(&panel, "ELabelInc"), QStringLiteral("Qp ="));
        QCOMPARE(caption(&panel, "ELabelResU"), QStringLiteral("m²"));
        QCOMPARE(text(&panel, "EIP"), QStringLiteral("30"));
    }
};

QTEST_MAIN(CaseEPanelTest)
#include "panel_case_e.moc"
