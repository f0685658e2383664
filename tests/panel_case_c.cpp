#include "panels/case_c_panel.h"
#include "ui_test_support.h"

#include "charts/chart_window.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

class CaseCPanelTest : public QObject {
    Q_OBJECT

private slots:
    void optionsRelabelAndEmpty()
    {
        const QStringList faults = checkCalculationOptions<CaseCPanel>("C", "Sup =", "m²", {"CRES", "CH", "CINC"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    // The surface is written before the height; with no calculation only the
    // height is; a refusal leaves every field as it was.
    void calculations()
    {
        const QString surface = "CINC=5 CIP=20 CTP=60 CB=3 CHO=0.6 CRES=old CH=old";
        // clang-format off
        const QStringList faults = play<CaseCPanel>({
            {"surface on the lower nodes", ".", {{"COption1 " + surface, "CRES=13385. CH=2.27"}}},
            {"outflow, comma", ",", {{"COption2 CINC=20000 CIP=30 CTP=45 CB=4 CHO=0.75", "CRES=7,09 CH=1,85"}}},
            {"no calculation writes only the height", ".", {{surface, "CRES=old CH=10.45"}}},
            {"out of range leaves every field", ".",
             {{"COption1 " + surface, "CRES=13385."},
              {"CHO=0.81", "CINC=5 CIP=20 CTP=60 CB=3 CHO=0.81 CRES=13385. CH=2.27", 1}}},
        });
        // clang-format on
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    void peakTimeIsCaptionedTp()
    {
        const QStringList faults = peakTimeNamedTp<CaseCPanel>("Label38", "COption1 CINC=5 CIP=20 CTP=60 CB=3 CHO=0,6");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
};

QTEST_MAIN(CaseCPanelTest)
#include "panel_case_c.moc"
