#include "panels/case_d_panel.h"
#include "ui_test_support.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseDPanelTest : public QObject {
    Q_OBJECT

private slots:
    void optionsRelabelAndEmpty()
    {
        const QStringList faults = checkCalculationOptions<CaseDPanel>("D", "Vol =", "m³", {"DRES", "DINC"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    void calculations()
    {
        // clang-format off
        const QStringList faults = play<CaseDPanel>({
            {"volume, point", ".", {{"DOption1 DINC=15 DIP=25 DTP=60", "DRES=38936."}}},
            {"volume, comma", ",", {{"DOption1 DINC=15 DIP=25 DTP=60", "DRES=38936,"}}},
            {"outflow, point", ".", {{"DOption2 DINC=36000 DIP=25 DTP=60", "DRES=15.29"}}},
            {"outflow, comma", ",", {{"DOption2 DINC=36000 DIP=25 DTP=60", "DRES=15,29"}}},
            {"no option writes nothing, yet refuses the inflow peak", ".",
             {{"DINC=15 DIP=25 DTP=60", "DRES="}, {"DIP=51", "DRES=", 1}}},
            {"an empty time is refused", ".", {{"DOption1 DINC=15 DIP=25 DRES=old", "DRES=old", 1}}},
        });
        // clang-format on
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(CaseDPanelTest)
#include "panel_case_d.moc"
