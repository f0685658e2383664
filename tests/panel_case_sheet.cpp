// The calculation sheet made from a case's state, with no window, says what
// the window's own sheet says once "Calcular" has been pressed on the same
// fields and options; and a kept result never passes for a current one.

#include "panel_factory.h"
#include "panels/case_sheet.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QTest>

using namespace retencion;
using namespace retencion::test;

namespace {

QString figuresText(const std::vector<figures::Figure>& list)
{
    QString text;
    for (const figures::Figure& f : list) {
        text += QString::fromStdString(f.title) + QStringLiteral(" %1 series").arg(f.series.size());
        if (f.point) text += QStringLiteral(" (%1; %2)").arg(f.point->x).arg(f.point->y);
        text += QString::fromStdString(f.pointLabel) + '\n';
    }
    return text;
}

// Everything a reader of the sheet sees, as lines of text.
QString sheetText(const CaseReport& r)
{
    QString text = r.caseName + " / " + r.heading + '\n';
    for (const ReportChoice& c : r.choices)
        text += c.group + " = " + c.chosen + '\n';
    for (const auto* lines : {&r.inputs, &r.results})
        for (const ReportLine& l : *lines)
            text += l.symbol + " = " + l.value + ' ' + l.unit + " (" + l.meaning + ")\n";
    text += QStringLiteral("rechazado %1, anterior %2: %3 %4\n").arg(r.refused).arg(r.outOfDate).arg(r.refusalTitle, r.refusal);
    text += QString::fromStdString(r.drawing ? r.drawing->title : std::string("-")) + '\n';
    text += figuresText(r.charts) + figuresText(r.sizingCurve) + figuresText(r.routingFigures);
    text += r.routingText.join('\n');
    return text;
}

} // namespace

class PanelCaseSheetTest : public QObject {
    Q_OBJECT
private slots:
    void sheetOfTheStateIsTheWindowsSheet_data()
    {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("words");
        for (const WorkedExample& e : workedExamples()) {
            const QString words = exampleWords(e, ".");
            QTest::newRow(e.id) << e.id[0] << words;
            // The same data with the given value far out of range, and with
            // no calculation chosen.
            QTest::newRow(qPrintable(QString(e.id) + " refused")) << e.id[0] << words + " " + e.id[0] + "IP=1000";
            QTest::newRow(qPrintable(QString(e.id) + " no calculation"))
                << e.id[0] << QString(words).remove(QRegularExpression("\\w+Option[12]"));
        }
        QTest::newRow("B circular, N hidden and kept")
            << 'B' << "BOption4 BN=3 BOption3 BOption1 BINC=7 BIP=10 BTP=30 BQB=1 BD=2";
        QTest::newRow("C nothing typed") << 'C' << "COption1";
    }

    void sheetOfTheStateIsTheWindowsSheet()
    {
        QFETCH(char, letter);
        QFETCH(QString, words);
        RecordingServices services;
        auto panel = panelFor(letter, services);
        act(panel.get(), words);
        panel->calcular()->click();
        const qsizetype widgets = QApplication::allWidgets().size();
        const CaseReport fromState = caseSheet(calculatedSheet(letter, panel->state(), services.separators()),
                                               services.separators());
        QCOMPARE(QApplication::allWidgets().size(), widgets); // made without a window
        QCOMPARE(sheetText(fromState), sheetText(panel->report()));
    }

    // A result kept in a file, greyed or not, is put aside: the sheet shows
    // what the fields give now.
    void keptResultsArePutAside()
    {
        RecordingServices services;
        auto panel = panelFor('A', services);
        act(panel.get(), exampleWords(*workedExample("A1"), "."));
        panel->calcular()->click();
        CaseState state = panel->state();
        const QString answer = state.results.value("ARES");
        state.results["ARES"] = "1";
        state.outOfDate = QStringList{"ARES", "AH"};
        const SheetData data = calculatedSheet('A', state, services.separators());
        QCOMPARE(data.state.results.value("ARES"), answer);
        QVERIFY(data.state.outOfDate.isEmpty());
        QVERIFY(!caseSheet(data, services.separators()).outOfDate);
    }

    // A field that holds no number stops the sheet's calculation as it stops
    // the window's: said with the window's words, and nothing computed.
    void aFieldThatHoldsNoNumberRefusesTheSheet()
    {
        RecordingServices services;
        auto panel = panelFor('B', services);
        act(panel.get(), exampleWords(*workedExample("B1"), ".") + " BQB=uno");
        const SheetData data = calculatedSheet('B', panel->state(), services.separators());
        const CaseReport sheet = caseSheet(data, services.separators());
        QVERIFY(sheet.refused);
        QCOMPARE(sheet.refusalTitle, QStringLiteral("Dato no válido"));
        QVERIFY2(sheet.refusal.contains("uno"), qPrintable(sheet.refusal));
        for (const ReportLine& result : sheet.results)
            QVERIFY(result.value.isEmpty());
        QVERIFY(sheet.sizingCurve.empty());
        panel->calcular()->click();
        QCOMPARE(services.failures, QStringList{"Dato no válido " + sheet.refusal});
    }
};

QTEST_MAIN(PanelCaseSheetTest)
#include "panel_case_sheet.moc"
