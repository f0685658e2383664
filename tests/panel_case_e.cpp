#include "panels/case_e_panel.h"
#include "ui_test_support.h"

#include "charts/chart_window.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseEPanelTest : public QObject {
    Q_OBJECT

private slots:
    void optionsRelabelAndEmpty()
    {
        const QStringList faults = checkCalculationOptions<CaseEPanel>("E", "Sup =", "m²", {"ERES", "EH", "EINC"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    void calculations()
    {
        const QString typed = "EIP=30 ETP=60 EB=3 EHO=1 EL=1 ";
        // clang-format off
        const QStringList faults = play<CaseEPanel>({
            {"surface, point", ".", {{"EOption1 EINC=10 " + typed, "ERES=4032 EH=4.03"}}},
            {"surface, comma", ",", {{"EOption1 EINC=10 " + typed, "ERES=4032 EH=4,03"}}},
            {"outflow, comma", ",", {{"EOption2 EINC=4000 " + typed, "ERES=10,66 EH=4,03"}}},
            {"depth out of range writes the surface and keeps the depth", ".",
             {{"EOption1 EINC=5 EIP=20 ETP=30 EB=2 EHO=0.1 EL=0.2 EH=old", "ERES=358 EH=old", 1}}},
            {"no option gives only the message", ".", {{"EINC=10 " + typed, "ERES= EH=", 1}}},
            // A Spanish engineer's decimal comma reads as the point it means.
            {"decimal comma in a field", ",",
             {{"EOption1 EINC=10 " + typed + "EB=3.5", "ERES=5382 EH=3,34"}, {"EB=3,5 ERES= EH=", "ERES=5382 EH=3,34"}}},
        });
        // clang-format on
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    void peakTimeIsCaptionedTp()
    {
        const QStringList faults =
            peakTimeNamedTp<CaseEPanel>("Label43", "EOption1 EINC=10 EIP=30 ETP=60 EB=3 EHO=1 EL=1");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(CaseEPanelTest)
#include "panel_case_e.moc"
