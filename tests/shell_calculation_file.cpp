// The calculation file's bytes: what a file of version 1 reads as, texts
// moved between decimal separators, and every kind of bad file refused with
// its reason.
#include "files/calculation_file.h"

#include <QtTest>

using namespace retencion;

namespace {

// The example of docs/file-format.md, as a user's file holds it.
const QByteArray kExample = R"({
  "format": "retencion",
  "version": 1,
  "decimalSeparator": ",",
  "currentCase": "A",
  "cases": {
    "A": {
      "fields":  { "AIP": "10", "ATP": "20", "ATB": "60", "ADL": "1", "ACK": "0,6", "AINC": "3" },
      "options": ["AOption1", "AOption4"],
      "results": { "ARES": "5529,4", "AH": "2,07" }
    }
  },
  "project": { "name": "Colector norte", "location": "Término municipal", "author": "M. G." }
})";

QString reason(const QByteArray& bytes)
{
    const auto read = readCalculationFile(bytes, QStringLiteral(","));
    return std::holds_alternative<QString>(read) ? std::get<QString>(read) : QString();
}

} // namespace

class CalculationFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheDocumentedExample()
    {
        const auto read = readCalculationFile(kExample, QStringLiteral(","));
        QVERIFY(std::holds_alternative<CalculationState>(read));
        const CalculationState& state = std::get<CalculationState>(read);
        QCOMPARE(state.currentCase, QStringLiteral("A"));
        QCOMPARE(state.cases.keys(), QStringList{"A"});
        QCOMPARE(state.cases["A"].fields.value("ACK"), QStringLiteral("0,6"));
        QCOMPARE(state.cases["A"].options, (QStringList{"AOption1", "AOption4"}));
        QCOMPARE(state.cases["A"].results.value("AH"), QStringLiteral("2,07"));
        QVERIFY(state.cases["A"].outOfDate.isEmpty());
        QCOMPARE(state.project, (ProjectData{"Colector norte", "Término municipal", "M. G.", {}}));
    }

    // The greyed results and the project's data go through a file whole;
    // the project's free texts keep their points and commas under either
    // separator, and a file without them reads as it always did.
    void outOfDateAndProjectRoundTrip_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("reading");
        QTest::newRow("same separator") << ","
                                        << ",";
        QTest::newRow("other separator") << ","
                                         << ".";
    }
    void outOfDateAndProjectRoundTrip()
    {
        QFETCH(QString, written);
        QFETCH(QString, reading);
        CalculationState state;
        state.currentCase = "B";
        state.cases["B"] = {{{"BIP", "2"}}, {"BOption1"}, {{"BRES", "28972"}, {"BH", "2,15"}}, {"BH"}};
        state.cases["A"] = {{{"AIP", "11"}}, {}, {{"ARES", "5529,4"}, {"AH", "2,07"}}, {"ARES", "AH"}};
        state.project = {"Colector 2.1, tramo 3,5", "Calle «Mayor», 7", "Ana Pérez", "Línea 1\nLínea 2, 3.5"};
        const QByteArray bytes = writeCalculationFile(state, written);
        QVERIFY(bytes.contains("\"outOfDate\": [\n                \"BH\"\n            ]"));
        const auto read = readCalculationFile(bytes, reading);
        QVERIFY(std::holds_alternative<CalculationState>(read));
        const CalculationState& back = std::get<CalculationState>(read);
        QCOMPARE(back.cases["B"].outOfDate, QStringList{"BH"});
        QCOMPARE(back.cases["A"].outOfDate, (QStringList{"ARES", "AH"}));
        QCOMPARE(back.project, state.project);

        CalculationState plain;
        plain.cases["D"] = {{{"DIP", "25"}}, {}, {}};
        const QByteArray without = writeCalculationFile(plain, written);
        QVERIFY(!without.contains("outOfDate") && !without.contains("project"));
        QCOMPARE(std::get<CalculationState>(readCalculationFile(without, written)), plain);
    }

    // Written and read back under the same separator: the same calculation,
    // empty cases left out; keys of a later version are passed over.
    void writesAndReadsBack()
    {
        CalculationState state;
        state.currentCase = "E";
        state.cases["B"] = {{{"BIP", "1.5"}, {"BD", ""}}, {"BOption3", "BOption1"}, {{"BRES", "1,234.5"}, {"BH", ""}}};
        state.cases["E"] = {{{"EIP", "á «comillas» \"y\" \\ \t"}}, {}, {}};
        state.cases["D"] = {{{"DIP", ""}}, {}, {{"DRES", ""}}};
        const QByteArray bytes = writeCalculationFile(state, ".");
        const auto read = readCalculationFile(bytes, ".");
        QVERIFY(std::holds_alternative<CalculationState>(read));
        state.cases.remove("D");
        QCOMPARE(std::get<CalculationState>(read), state);

        QByteArray later = bytes;
        later.replace("\"cases\"", "\"comentario\": {\"x\": [1]}, \"cases\"");
        later.replace("\"fields\"", "\"nuevo\": 3, \"fields\"");
        QCOMPARE(std::get<CalculationState>(readCalculationFile(later, ".")), state);
    }

    void separatorsSwap_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reads");
        QTest::newRow("comma to point") << ","
                                        << "."
                                        << "5.529,4"
                                        << "5,529.4";
        QTest::newRow("point to comma") << "."
                                        << ","
                                        << "5,529.4"
                                        << "5.529,4";
        QTest::newRow("same comma") << ","
                                    << ","
                                    << "0,6"
                                    << "0,6";
        QTest::newRow("same point") << "."
                                    << "."
                                    << "0.6"
                                    << "0.6";
        QTest::newRow("separator absent") << ""
                                          << ","
                                          << "0.6"
                                          << "0.6";
        QTest::newRow("another separator") << "٫"
                                           << ","
                                           << "0.6"
                                           << "0.6";
    }
    void separatorsSwap()
    {
        QFETCH(QString, written);
        QFETCH(QString, reading);
        QFETCH(QString, typed);
        QFETCH(QString, reads);
        CalculationState state;
        state.cases["C"] = {{{"CIP", typed}}, {}, {{"CRES", typed}}};
        QByteArray bytes = writeCalculationFile(state, written.isEmpty() ? "." : written);
        if (written.isEmpty()) bytes.replace("\"decimalSeparator\": \".\",", "");
        const auto read = readCalculationFile(bytes, reading);
        QVERIFY(std::holds_alternative<CalculationState>(read));
        const CaseState& c = std::get<CalculationState>(read).cases["C"];
        QCOMPARE(c.fields.value("CIP"), reads);
        QCOMPARE(c.results.value("CRES"), reads);
    }

    void refusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const auto with = [](const char* from, const char* to) { return QByteArray(kExample).replace(from, to); };
        QTest::newRow("empty") << QByteArray("  \n") << "El archivo está vacío";
        QTest::newRow("not JSON") << QByteArray("Caso A: Ip = 10") << "No es un texto JSON válido (error en el byte 1)";
        QTest::newRow("cut short") << kExample.left(kExample.size() / 2)
                                   << "El archivo está incompleto: acaba antes de cerrar su contenido";
        QTest::newRow("not UTF-8") << with("\"10\"", "\"1\xff\"") << "Su texto no está en UTF-8 (byte 144)";
        QTest::newRow("a list") << QByteArray("[1, 2]") << "No es un archivo de cálculo de Retención";
        QTest::newRow("another format") << with("\"retencion\"", "\"otro\"")
                                        << "No es un archivo de cálculo de Retención";
        QTest::newRow("no version") << with("\"version\": 1,", "") << "Su número de versión no es válido";
        QTest::newRow("version as text") << with("\"version\": 1", "\"version\": \"1\"")
                                         << "Su número de versión no es válido";
        QTest::newRow("fractional version")
            << with("\"version\": 1", "\"version\": 1.5") << "Su número de versión no es válido";
        QTest::newRow("later version") << with("\"version\": 1", "\"version\": 2")
                                       << "Este archivo procede de una versión más reciente del programa";
        QTest::newRow("huge version") << with("\"version\": 1", "\"version\": 1e300")
                                      << "Este archivo procede de una versión más reciente del programa";
        QTest::newRow("two-character separator") << with("\",\",\n  \"currentCase\"", "\",,\",\n  \"currentCase\"")
                                                 << "«decimalSeparator» no es un único carácter";
        QTest::newRow("unknown tab") << with("\"currentCase\": \"A\"", "\"currentCase\": \"F\"")
                                     << "«currentCase» no nombra ninguna pestaña";
        QTest::newRow("cases a list") << QByteArray(R"({"format":"retencion","version":1,"cases":[]})")
                                      << "«cases» no es un objeto JSON";
        QTest::newRow("case a text") << QByteArray(R"({"format":"retencion","version":1,"cases":{"B":"x"}})")
                                     << "«cases.B» no es un objeto JSON";
        QTest::newRow("field a number") << with("\"AIP\": \"10\"", "\"AIP\": 10")
                                        << "El valor de «AIP» en «cases.A.fields» no es un texto";
        QTest::newRow("field null") << with("\"AIP\": \"10\"", "\"AIP\": null")
                                    << "El valor de «AIP» en «cases.A.fields» no es un texto";
        QTest::newRow("result a number") << with("\"AH\": \"2,07\"", "\"AH\": 2.07")
                                         << "El valor de «AH» en «cases.A.results» no es un texto";
        QTest::newRow("options a text") << with("[\"AOption1\", \"AOption4\"]", "\"AOption1\"")
                                        << "«cases.A.options» no es una lista";
        QTest::newRow("option a number") << with("\"AOption4\"", "4")
                                         << "Un elemento de «cases.A.options» no es un texto";
        QTest::newRow("out of date a text")
            << with("\"options\"", "\"outOfDate\": \"AH\", \"options\"") << "«cases.A.outOfDate» no es una lista";
        QTest::newRow("out of date a number") << with("\"options\"", "\"outOfDate\": [1], \"options\"")
                                              << "Un elemento de «cases.A.outOfDate» no es un texto";
        QTest::newRow("project a list")
            << with("\"project\": {", "\"project\": [{").replace("\"M. G.\" }", "\"M. G.\" }]")
            << "«project» no es un objeto JSON";
        QTest::newRow("project name a number")
            << with("\"Colector norte\"", "7") << "El valor de «name» en «project» no es un texto";
        QTest::newRow("over 1 MiB") << QByteArray(kMaxCalculationFileSize + 1, ' ') << "El archivo ocupa más de 1 MiB";
    }
    void refusesBadFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QCOMPARE(::reason(bytes), reason);
    }
};

QTEST_MAIN(CalculationFileTest)
#include "shell_calculation_file.moc"
