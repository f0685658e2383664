#include "panels/case_b_panel.h"
#include "ui_test_support.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseBPanelTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithNAndItsCaptionShown()
    {
        RecordingServices services;
        CaseBPanel panel(services);
        panel.show();
        QVERIFY(panel.field("BN")->isVisible());
        QVERIFY(panel.label("Label4")->isVisible());
        QCOMPARE(caption(&panel, "BLabelRes"), QStringLiteral("Sup = "));
    }

    void workedExamples_data()
    {
        QTest::addColumn<QString>("conduit");
        QTest::addColumn<QString>("calculation");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("qb");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("res");
        QTest::addColumn<QString>("h");
        QTest::newRow("rectangular surface, point") << "BOption3"
                                                    << "BOption1"
                                                    << "7"
                                                    << "1"
                                                    << "."
                                                    << "3875."
                                                    << "2.15";
        QTest::newRow("rectangular surface, comma") << "BOption3"
                                                    << "BOption1"
                                                    << "7"
                                                    << "1"
                                                    << ","
                                                    << "3875,"
                                                    << "2,15";
        QTest::newRow("rectangular outflow") << "BOption3"
                                             << "BOption2"
                                             << "4000"
                                             << "1"
                                             << "."
                                             << "6.94"
                                             << "2.14";
        // The depth with circular conduits is shown in whole metres.
        QTest::newRow("circular surface") << "BOption4"
                                          << "BOption1"
                                          << "7"
                                          << "1"
                                          << "."
                                          << "2144."
                                          << "5";
        QTest::newRow("circular outflow, comma") << "BOption4"
                                                 << "BOption2"
                                                 << "2144.21"
                                                 << "1"
                                                 << ","
                                                 << "7,"
                                                 << "5";
    }

    void workedExamples()
    {
        QFETCH(QString, conduit);
        QFETCH(QString, calculation);
        QFETCH(QString, given);
        QFETCH(QString, qb);
        QFETCH(QString, decimal);
        QFETCH(QString, res);
        QFETCH(QString, h);
        RecordingServices services;
        services.separatorsInUse = {decimal.toStdString(), decimal == "." ? "," : "."};
        CaseBPanel panel(services);
        choose(&panel, {conduit.toLatin1().constData(), calculation.toLatin1().constData()});
        const QByteArray size = conduit == "BOption3" ? "2" : "1";
        type(&panel, {{"BINC", given.toUtf8().constData()},
                      {"BIP", "10"},
                      {"BD", size.constData()},
                      {"BQB", qb.toUtf8().constData()},
                      {"BTP", "30"},
                      {"BN", "2"}});
        press(&panel, "BCalcular");
        QCOMPARE(text(&panel, "BRES"), res);
        QCOMPARE(text(&panel, "BH"), h);
        QVERIFY(services.messages.isEmpty());
    }

    void conduitOptionsShowAndHideNWithoutEmptyingIt()
    {
        RecordingServices services;
        CaseBPanel panel(services);
        panel.show();
        type(&panel, {{"BN", "3"}, {"BD", "1"}, {"BRES", "x"}, {"BH", "y"}, {"BIP", "10"}});
        choose(&panel, {"BOption3"});
        QVERIFY(!panel.field("BN")->isVisible());
        QVERIFY(!panel.label("Label4")->isVisible());
        QCOMPARE(caption(&panel, "BLabelD"), QStringLiteral("B ="));
        QCOMPARE(text(&panel, "BN"), QStringLiteral("3"));
        for (const char* f : {"BD", "BRES", "BH"})
            QVERIFY(text(&panel, f).isEmpty());
        type(&panel, {{"BD", "2"}});
        choose(&panel, {"BOption4"});
        QVERIFY(panel.field("BN")->isVisible());
        QCOMPARE(caption(&panel, "BLabelD"), QStringLiteral("D ="));
        QCOMPARE(text(&panel, "BN"), QStringLiteral("3"));
        QVERIFY(text(&panel, "BD").isEmpty());
        QCOMPARE(text(&panel, "BIP"), QStringLiteral("10"));
    }

    void aHiddenNAboveThirtyRefusesEveryCalculation_data()
    {
        QTest::addColumn<QString>("calculation");
        QTest::addColumn<QString>("given");
        QTest::newRow("surface") << "BOption1"
                                 << "7";
        QTest::newRow("outflow") << "BOption2"
                                 << "4000";
    }

    void aHiddenNAboveThirtyRefusesEveryCalculation()
    {
        QFETCH(QString, calculation);
        QFETCH(QString, given);
        RecordingServices services;
        CaseBPanel panel(services);
        type(&panel, {{"BN", "31"}});
        choose(&panel, {"BOption3", calculation.toLatin1().constData()});
        type(&panel, {{"BINC", given.toUtf8().constData()}, {"BIP", "10"}, {"BD", "2"}, {"BQB", "1"}, {"BTP", "30"}});
        press(&panel, "BCalcular");
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(text(&panel, "BRES").isEmpty());
    }

    void depthOutOfRangeWritesTheSurfaceAndKeepsTheDepth()
    {
        RecordingServices services;
        CaseBPanel panel(services);
        choose(&panel, {"BOption3", "BOption1"});
        type(&panel, {{"BINC", "1.4"}, {"BIP", "2"}, {"BD", "2"}, {"BQB", "0.2"}, {"BTP", "30"}, {"BH", "old"}});
        press(&panel, "BCalcular");
        QCOMPARE(text(&panel, "BRES"), QStringLiteral("28972."));
        QCOMPARE(text(&panel, "BH"), QStringLiteral("old"));
        QCOMPARE(services.messages.size(), 1);
    }

    void noConduitWritesNothingAndSaysNothing()
    {
        RecordingServices services;
        CaseBPanel panel(services);
        choose(&panel, {"BOption1"});
        type(&panel, {{"BINC", "7"}, {"BIP", "10"}, {"BD", "2"}, {"BQB", "1"}, {"BTP", "30"}});
        press(&panel, "BCalcular");
        QVERIFY(services.messages.isEmpty());
        QVERIFY(text(&panel, "BRES").isEmpty());
    }
};

QTEST_MAIN(CaseBPanelTest)
#include "panel_case_b.moc"
