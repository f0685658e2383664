#include "panel_factory.h"
#include "panels/case_b_panel.h"
#include "ui_test_support.h"

#include <QtTest>

using namespace retencion;
using namespace retencion::test;

namespace {

const QString kRectangular = "BOption3 BIP=10 BD=2 BQB=1 BTP=30 BN=2 ";
const QString kCircular = "BOption4 BIP=10 BD=1 BQB=1 BTP=30 BN=2 ";

} // namespace

class CaseBPanelTest : public QObject {
    Q_OBJECT

private slots:
    void optionsRelabelAndEmpty()
    {
        // The conduit options leave N as it was, shown or hidden.
        const QStringList faults =
            checkCalculationOptions<CaseBPanel>("B", "Sup =", "m²", {"BRES", "BH", "BINC"}) +
            checkOption<CaseBPanel>("BOption4", "BOption3", {{"BLabelD", "B ="}}, {"BRES", "BH", "BD"}) +
            checkOption<CaseBPanel>("BOption3", "BOption4", {{"BLabelD", "D ="}}, {"BRES", "BH", "BD"});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    void conduitOptionsShowAndHideN()
    {
        RecordingServices services;
        CaseBPanel panel(services);
        panel.show();
        QVERIFY(panel.field("BN")->isVisible());
        for (const auto& [option, shown] : {std::pair{"BOption3", false}, std::pair{"BOption4", true}}) {
            act(&panel, option);
            QCOMPARE(panel.field("BN")->isVisible(), shown);
            QCOMPARE(panel.label("Label4")->isVisible(), shown);
        }
    }

    void calculations()
    {
        // clang-format off
        const QStringList faults = play<CaseBPanel>({
            {"rectangular surface", ".", {{kRectangular + "BOption1 BINC=7", "BRES=3875. BH=2.15"}}},
            {"rectangular outflow, comma", ",", {{kRectangular + "BOption2 BINC=4000", "BRES=6,94 BH=2,14"}}},
            // The depth with circular conduits is shown in metres and centimetres, as every depth.
            {"circular surface", ".", {{kCircular + "BOption1 BINC=7", "BRES=2144. BH=5.49"}}},
            {"circular outflow, comma", ",", {{kCircular + "BOption2 BINC=2144.21", "BRES=7, BH=5,49"}}},
            // A rectangular conduit never reads the hidden N, whatever it holds.
            {"hidden N of 31, surface", ".", {{kRectangular + "BOption1 BINC=7 BN=31", "BRES=3875. BH=2.15"}}},
            {"hidden N of 31, outflow", ",", {{kRectangular + "BOption2 BINC=4000 BN=31", "BRES=6,94 BH=2,14"}}},
            {"hidden N of 2.5", ".", {{kRectangular + "BOption1 BINC=7 BN=2.5", "BRES=3875. BH=2.15"}}},
            {"hidden N of no number", ".", {{kRectangular + "BOption1 BINC=7 BN=dos", "BRES=3875. BH=2.15"}}},
            // Circular conduits count whole.
            {"circular N of 2.5", ".", {{kCircular + "BOption1 BINC=7 BN=2.5", "BRES= BH=", 1}}},
            {"circular N of 31", ".", {{kCircular + "BOption1 BINC=7 BN=31", "BRES= BH=", 1}}},
            {"circular N of 2.0", ".", {{kCircular + "BOption1 BINC=7 BN=2.0", "BRES=2144. BH=5.49"}}},
            {"depth out of range writes the surface and keeps the depth", ".",
             {{"BOption3 BOption1 BINC=1.4 BIP=2 BD=2 BQB=0.2 BTP=30 BH=old", "BRES=28972. BH=old", 1}}},
            {"no conduit writes nothing and says nothing", ".",
             {{"BOption1 BINC=7 BIP=10 BD=2 BQB=1 BTP=30", "BRES= BH="}}},
        });
        // clang-format on
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    // Circular conduits: a fraction of a conduit is refused as a value out
    // of the studied range, saying why; a text that is no number is refused
    // before the calculation.
    void circularConduitsCountWhole()
    {
        RecordingServices services(",");
        CaseBPanel panel(services);
        panel.show();
        act(&panel, kCircular + "BOption1 BINC=7 BN=2,5");
        panel.calcular()->click();
        QCOMPARE(services.messages,
                 QStringList{"N = 2,5: N cuenta conductos y debe ser un número entero, dentro del intervalo estudiado "
                             "0 < N ≤ 30."});
        QCOMPARE(panel.focusWidget(), panel.field("BN"));

        panel.field("BN")->setText("2 conductos");
        panel.calcular()->click();
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.failures,
                 QStringList{"Dato no válido El texto de N, «2 conductos», no es un número. Escriba solo el número."});
    }

    // Every input of every case has a tool tip whatever the options; here,
    // B's width or diameter and the given value follow the options.
    void everyInputSaysWhatItHolds()
    {
        QStringList faults;
        for (const char letter : {'A', 'B', 'C', 'D', 'E'}) {
            RecordingServices services;
            faults += inputsWithoutToolTip(panelFor(letter, services).get(), QString(QChar(letter)));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));

        RecordingServices services;
        CaseBPanel panel(services);
        const struct {
            const char* option;
            const char* field;
            const char* says;
        } rows[] = {
            {"BOption3", "BD", "Ancho del conducto rectangular"},
            {"BOption4", "BD", "Diámetro"},
            {"BOption1", "BINC", "Caudal punta de salida"},
            {"BOption2", "BINC", "Superficie del depósito"},
        };
        for (const auto& row : rows) {
            act(&panel, row.option);
            QVERIFY2(panel.field(row.field)->toolTip().startsWith(QString::fromUtf8(row.says)),
                     qPrintable(QString(row.option) + ": " + panel.field(row.field)->toolTip()));
        }
    }
};

QTEST_MAIN(CaseBPanelTest)
#include "panel_case_b.moc"
