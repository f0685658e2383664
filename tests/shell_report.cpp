// The calculation sheet of each case's worked example, written as a PDF and
// read back with Poppler's tools, as a reader of the file would see it.
#include "charts/chart_window.h"
#include "panel_factory.h"
#include "shell/calculation_files.h"
#include "shell/form1.h"
#include "shell/report_commands.h"
#include "shell/report_writer.h"
#include "ui_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace retencion;
using namespace retencion::test;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Poppler's tools read the sheets back as text; a Windows build tested under
// Wine has none, and its tests of a sheet's text are skipped there.
#ifdef Q_OS_WIN
#define REQUIRE_PDF_TOOLS() QSKIP("sin pdftotext ni pdfinfo no se puede leer el texto de la hoja")
#else
#define REQUIRE_PDF_TOOLS() (void)0
#endif

QString pdfText(const QString& path)
{
    return run("pdftotext", {"-enc", "UTF-8", path, "-"});
}

// `retencion --informe output file`, as a user runs it under Spanish
// settings with no display: its exit code and what it said.
std::pair<int, QString> runInforme(const QString& output, const QString& file)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifndef Q_OS_WIN
    environment.remove("QT_QPA_PLATFORM"); // the program needs no display of its own accord
#endif
    environment.insert("LANG", "es_ES.UTF-8");
    program.setProcessEnvironment(environment);
    program.start(RETENCION_PROGRAM, {"--informe", output, file});
    if (!program.waitForFinished(60000)) return {-1, "did not finish"};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

// The sheet's text with its date and time, which two sheets made apart
// never share, put aside.
QString withoutDate(QString text)
{
    static const QRegularExpression date("\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d");
    return text.replace(date, "(fecha)");
}

// The sheet the window's "Informe PDF…" writes, as text.
QString windowSheet(Form1& window, RecordingServices& services, const QString& path)
{
    services.chosenPath = path;
    window.findChild<QAction*>("InformePDF")->trigger();
    return pdfText(path);
}

void keepReport(const QString& path, const QString& name)
{
    if (qEnvironmentVariableIsSet("RETENCION_KEEP_REPORTS"))
        QFile::copy(path, QString("/tmp/informe-%1.pdf").arg(name).replace(' ', '_'));
}

const char* kCaseAExample = "AOption1 AOption4 AINC=3 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0,6";

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

private slots:
    void sheetsOfTheWorkedExamples_data()
    {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QStringList>("shown"); // besides the results the fields show
        QTest::newRow("A orifice, with the routing check")
            << 'A' << "AOption1 AOption4 AINC=3 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0.6"
            << QStringList{"0,6", "Salida tipo orificio", "Comprobación por laminación", "Balance de masa"};
        QTest::newRow("A weir, both laws of its head")
            << 'A' << "AOption1 AOption3 AINC=3 AIP=10 ATP=20 ATB=60 ADL=2 ACK=1,8"
            << QStringList{"Longitud del vertedero", "Q = Ck·L·H^1,5", "Q = Ck·L·√(2g)·H^1,5", ",89", ",33"};
        QTest::newRow("B circular conduits") << 'B' << "BOption1 BOption4 BIP=10 BD=1 BQB=1 BTP=30 BN=2 BINC=7"
                                             << QStringList{"Conducto Circular", "Número de conductos"};
        QTest::newRow("C surface") << 'C' << "COption1 CINC=5 CIP=20 CTP=60 CB=3 CHO=0,6"
                                   << QStringList{"0,6", "Cálculo de la Superficie del Depósito"};
        QTest::newRow("D volume") << 'D' << "DOption1 DINC=15 DIP=25 DTP=60"
                                  << QStringList{"Cálculo del Volumen del Depósito"};
        QTest::newRow("E outflow") << 'E' << "EOption2 EINC=4000 EIP=30 ETP=60 EB=3 EHO=1 EL=1"
                                   << QStringList{"Cálculo del Caudal de Laminación"};
        QTest::newRow("A refused") << 'A' << "AOption1 AOption4 AINC=3 AIP=135 ATP=20 ATB=60 ADL=1 ACK=0.6"
                                   << QStringList{"Cálculo rechazado",
                                                  "Ip = 135 m³/s: el intervalo estudiado es 0 < Ip ≤ 130 m³/s."};
        QTest::newRow("A out of date") << 'A' << "AOption1 AOption4 AINC=3 AIP=10 ATP=20 ATB=60 ADL=1 ACK=0.6 +AIP=11"
                                       << QStringList{"Resultado anterior", "11"};
    }

    // A4 pages with the data, the results as the window shows them and the
    // foot, all as text a reader can search.
    void sheetsOfTheWorkedExamples()
    {
        REQUIRE_PDF_TOOLS();
        QFETCH(char, letter);
        QFETCH(QString, words);
        QFETCH(QStringList, shown);
        RecordingServices services(",");
        auto panel = panelFor(letter, services);
        const QStringList steps = words.split(" +");
        act(panel.get(), steps.front());
        panel->calcular()->click();
        for (const QString& later : steps.mid(1)) { // typed after the calculation
            const QString name = later.section('=', 0, 0);
            QTest::keyClick(panel->field(name.toLatin1().constData()), Qt::Key_End);
            field(panel.get(), name)->clear();
            QTest::keyClicks(panel->field(name.toLatin1().constData()), later.section('=', 1));
        }

        QTemporaryDir dir;
        const QString path = dir.filePath("informe.pdf");
        const CaseReport report = panel->report();
        QCOMPARE(writeReportPdf(report, {QString(), QDateTime::currentDateTime()}, path), QString());
        keepReport(path, QTest::currentDataTag());

        const QString info = run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+59[45][.\\d]* x 84[12][.\\d]* pts \\(A4\\)")),
                 qPrintable(info));
        const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
        QVERIFY(pages >= 1 && pages <= 4);

        // Lines joined: a long sentence may wrap anywhere.
        const QString text = pdfText(path).simplified();
        QStringList wanted = shown;
        wanted << "Predimensionamiento de Depósitos de Retención"
               << "sin guardar"
               << "Datos"
               << "Resultados" << QString("Página %1 de %1").arg(pages) << report.caseName;
        for (const ReportLine& line : report.results)
            if (!line.value.isEmpty()) wanted << line.value;
        for (const QString& w : wanted)
            QVERIFY2(text.contains(w.simplified()), qPrintable(w + " not in: " + text.left(600)));
    }

    // `retencion --informe SALIDA.pdf ARCHIVO.retencion`: 0 and the sheet, or
    // 2 and one line on standard error naming what failed.
    void commandLine_data()
    {
        QTest::addColumn<QString>("content"); // of the calculation file; empty: no file
        QTest::addColumn<QString>("output");  // relative to a scratch folder
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        const QString caseA =
            R"({"format":"retencion","version":1,"decimalSeparator":",","currentCase":"A","cases":{"A":{"fields":)"
            R"({"AIP":"10","ATP":"20","ATB":"60","ADL":"1","ACK":"0,6","AINC":"3"},"options":["AOption1","AOption4"]}}})";
        QTest::newRow("case A") << caseA << "informe.pdf" << 0 << "";
        QTest::newRow("no such file") << ""
                                      << "informe.pdf" << 2 << "no se puede abrir";
        // A device that never ends is read only up to the size limit.
        QTest::newRow("endless device") << "/dev/zero"
                                        << "informe.pdf" << 2 << "ocupa más de 1 MiB";
        QTest::newRow("not a calculation") << "{"
                                           << "informe.pdf" << 2 << "incompleto";
        QTest::newRow("index in front") << QString(caseA).replace(R"("currentCase":"A")", R"("currentCase":"INDICE")")
                                        << "informe.pdf" << 2 << "índice";
        QTest::newRow("unwritable output") << caseA << "no/existe/informe.pdf" << 2 << "no se puede escribir";
    }

    void commandLine()
    {
        QFETCH(QString, content);
        QFETCH(QString, output);
        QFETCH(int, code);
        QFETCH(QString, said);
#ifdef Q_OS_WIN
        if (content.startsWith("/dev/")) QSKIP("Windows has no endless device to read");
#endif
        QTemporaryDir dir;
        const QString file = content.startsWith("/dev/") ? content : dir.filePath("calculo.retencion");
        if (!content.isEmpty() && file != content) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content.toUtf8());
        }
        const auto [exitCode, errors] = runInforme(dir.filePath(output), file);
        QCOMPARE(exitCode, code);
        if (code == 0) {
            QVERIFY(errors.isEmpty());
            QVERIFY(QFile::exists(dir.filePath(output)));
            REQUIRE_PDF_TOOLS();
            const QString text = pdfText(dir.filePath(output)).simplified();
            QVERIFY2(text.contains("5529,4") && text.contains("calculo.retencion") &&
                         text.contains("Comprobación por laminación"),
                     qPrintable(text.left(400)));
        } else {
            QCOMPARE(errors.count('\n'), 1);
            QVERIFY2(errors.startsWith("retencion: ") && errors.contains(said), qPrintable(errors));
            QVERIFY(!QFile::exists(dir.filePath(output)));
        }
    }

    // The same file gives the same sheet from the window's "Informe PDF…" and
    // from `retencion --informe`, but for the date: both compute the case in
    // front from its fields, whether or not the window had calculated it.
    void windowAndCommandLineGiveTheSameSheet_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("words");
        QTest::addColumn<bool>("calculated"); // "Calcular" pressed in the window before saving
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("A orifice, calculated")
            << 0 << kCaseAExample << true << QStringList{"5529,4", "Comprobación por laminación"};
        QTest::newRow("A orifice, never calculated") << 0 << kCaseAExample << false << QStringList{"5529,4"};
        QTest::newRow("A weir") << 0 << "AOption1 AOption3 AINC=3 AIP=10 ATP=20 ATB=60 ADL=2 ACK=0,6" << true
                                << QStringList{"Salida tipo vertedero", "Comprobación por laminación"};
        QTest::newRow("A refused") << 0 << "AOption1 AOption4 AINC=3 AIP=135 ATP=20 ATB=60 ADL=1 ACK=0,6" << true
                                   << QStringList{"Cálculo rechazado", "el intervalo estudiado es 0 < Ip ≤ 130"};
        QTest::newRow("B circular") << 1 << "BOption1 BOption4 BIP=10 BD=1 BQB=1 BTP=30 BN=2 BINC=7" << true
                                    << QStringList{"2144"};
        QTest::newRow("C surface") << 2 << "COption1 CINC=5 CIP=20 CTP=60 CB=3 CHO=0,6" << true
                                   << QStringList{"Cálculo de la Superficie del Depósito"};
        QTest::newRow("D volume") << 3 << "DOption1 DINC=15 DIP=25 DTP=60" << false
                                  << QStringList{"Cálculo del Volumen del Depósito"};
        QTest::newRow("E outflow") << 4 << "EOption2 EINC=4000 EIP=30 ETP=60 EB=3 EHO=1 EL=1" << true
                                   << QStringList{"10,66"};
    }
    void windowAndCommandLineGiveTheSameSheet()
    {
        REQUIRE_PDF_TOOLS();
        QFETCH(int, tab);
        QFETCH(QString, words);
        QFETCH(bool, calculated);
        QFETCH(QStringList, shown);
        RecordingServices services(",");
        Form1 window(services);
        window.tabs()->setCurrentIndex(tab);
        act(window.casePanel(tab), words);
        if (calculated) window.casePanel(tab)->calcular()->click();
        QTemporaryDir dir;
        services.chosenPath = dir.filePath("calculo");
        QVERIFY(window.files().saveAs());

        const QString fromWindow = windowSheet(window, services, dir.filePath("ventana.pdf"));
        const auto [code, said] = runInforme(dir.filePath("orden.pdf"), dir.filePath("calculo.retencion"));
        QCOMPARE(code, 0);
        QVERIFY2(said.isEmpty(), qPrintable(said));
        const QString fromCommandLine = pdfText(dir.filePath("orden.pdf"));
        keepReport(dir.filePath("ventana.pdf"), QTest::currentDataTag());
        QVERIFY(!fromWindow.isEmpty());
        QCOMPARE(withoutDate(fromWindow), withoutDate(fromCommandLine));
        QVERIFY(fromWindow != withoutDate(fromWindow)); // there was a date to put aside
        const QString text = fromWindow.simplified();
        shown << "Archivo: calculo.retencion";
        // A curve refused over its whole sweep is left out.
        QCOMPARE(text.contains("Curva de dimensionamiento"), !text.contains("Cálculo rechazado"));
        for (const QString& w : shown)
            QVERIFY2(text.contains(w), qPrintable(w + " not in: " + text.left(900)));
        QVERIFY(!text.contains("Resultado anterior"));
    }

    // What the window shows beside the fields never reaches the sheet: not
    // results out of date, nor a chart window's curve of earlier data.
    void sheetAnswersTheFieldsNotTheWindow()
    {
        REQUIRE_PDF_TOOLS();
        RecordingServices services(",");
        Form1 window(services);
        window.tabs()->setCurrentIndex(0);
        CasePanel* panel = window.casePanel(0);
        act(panel, kCaseAExample);
        panel->calcular()->click();
        panel->showChart(); // its sizing curve answers Ip = 10
        panel->field("AIP")->selectAll();
        QTest::keyClicks(panel->field("AIP"), "11"); // not calculated
        QCOMPARE(text(panel, "ARES"), QStringLiteral("5529,4"));
        QVERIFY(panel->field("ARES")->property("outOfDate").toBool());

        RecordingServices other(",");
        auto fresh = panelFor('A', other);
        act(fresh.get(), QString(kCaseAExample).replace("AIP=10", "AIP=11"));
        fresh->calcular()->click();
        const QString answer = text(fresh.get(), "ARES");
        QVERIFY(answer != "5529,4" && !answer.isEmpty());

        const auto sheet = sheetOf(window.calculation(), services.separators(), sheetFileName(window.files()));
        QVERIFY(sheet);
        QVERIFY(!sheet->report.outOfDate && !sheet->report.refused);
        QCOMPARE(sheet->report.results.front().value, answer);
        const auto pointOf = [](const std::vector<figures::Figure>& curve) {
            return curve.empty() || !curve.front().point ? -1.0 : curve.front().point->y;
        };
        QCOMPARE(pointOf(sheet->report.sizingCurve), pointOf(fresh->report().sizingCurve));
        QVERIFY(pointOf(sheet->report.sizingCurve) != pointOf(panel->chartWindow()->curveFigures()));
        QVERIFY(pointOf(panel->chartWindow()->curveFigures()) > 0);
        // The window itself is left as it was.
        QCOMPARE(text(panel, "ARES"), QStringLiteral("5529,4"));
        QVERIFY(services.messages.isEmpty());

        QTemporaryDir dir;
        const QString written = windowSheet(window, services, dir.filePath("informe.pdf")).simplified();
        QVERIFY2(written.contains(answer) && !written.contains("5529,4"), qPrintable(written.left(900)));
    }

    // "Archivo:" names the file only while the window holds what it keeps.
    void fileLineSaysWhetherTheDataAreTheSaved()
    {
        REQUIRE_PDF_TOOLS();
        RecordingServices services(",");
        Form1 window(services);
        window.tabs()->setCurrentIndex(3);
        act(window.casePanel(3), "DOption1 DINC=15 DIP=25 DTP=60");
        QTemporaryDir dir;
        const auto fileLine = [&] {
            const QString text = windowSheet(window, services, dir.filePath("informe.pdf")).simplified();
            return text.section("Archivo: ", 1).section(' ', 0, 0);
        };
        QCOMPARE(fileLine(), QStringLiteral("sin"));
        services.chosenPath = dir.filePath("calculo");
        QVERIFY(window.files().saveAs());
        QCOMPARE(fileLine(), QStringLiteral("calculo.retencion"));
        QTest::keyClicks(window.casePanel(3)->field("DIP"), "0");
        QCOMPARE(fileLine(), QStringLiteral("(modificado)"));
        keepReport(dir.filePath("informe.pdf"), "modificado");
        QVERIFY(window.files().save());
        QCOMPARE(fileLine(), QStringLiteral("calculo.retencion"));
    }

    // The title block: the project's data as typed, and two boxes to sign.
    void titleBlockCarriesTheProject()
    {
        REQUIRE_PDF_TOOLS();
        RecordingServices services(",");
        Form1 window(services);
        window.tabs()->setCurrentIndex(3);
        act(window.casePanel(3), "DOption1 DINC=15 DIP=25 DTP=60");
        CalculationState state = window.calculation();
        state.project = {"Colector norte", "Término municipal de Prueba", "Ana Pérez",
                         "Tanque previo al aliviadero.\nSegunda línea de notas, más larga que la primera, para ver "
                         "cómo se parte al llegar al borde de la caja del proyecto."};
        window.showCalculation(state);
        QTemporaryDir dir;
        const QString text = windowSheet(window, services, dir.filePath("informe.pdf")).simplified();
        for (const char* w :
             {"Proyecto: Colector norte", "Emplazamiento: Término municipal de Prueba", "Autor: Ana Pérez",
              "Notas: Tanque previo al aliviadero.", "Calculado", "Revisado", "Nombre:", "Fecha:", "Firma:"})
            QVERIFY2(text.contains(w), qPrintable(QString(w) + " not in: " + text.left(900)));
        QCOMPARE(text.count("Firma:"), 2);
        keepReport(dir.filePath("informe.pdf"), "proyecto");
    }

    // However long the data or the routing notes, no heading ends a page and
    // no table's header row stands on a page without a row of its own.
    void headingsAndTableHeadersKeepWithWhatFollows()
    {
        RecordingServices services(",");
        auto panel = panelFor('A', services);
        act(panel.get(), kCaseAExample);
        panel->calcular()->click();
        const CaseReport example = panel->report();
        QVERIFY(!example.routingTable.empty() && !example.sizingCurve.empty());
        QStringList faults;
        // One line each, so that every heading and header lands, somewhere
        // in the sweep, at each height near the foot.
        for (int inputs = 0; inputs <= 40; ++inputs)
            for (int notes : {0, 1, 2, 7, 19}) {
                CaseReport report = example;
                for (int i = 0; i < inputs; ++i)
                    report.inputs.push_back({"X", "Un dato más", "1", "m"});
                for (int i = 0; i < notes; ++i)
                    report.routingText << "Una nota más de la comprobación por laminación.";
                const std::vector<SheetBlock> blocks = sheetLayout(report, {});
                const QString where = QString("%1 inputs, %2 notes: ").arg(inputs).arg(notes);
                for (std::size_t i = 0; i < blocks.size(); ++i) {
                    const SheetBlock& b = blocks[i];
                    const SheetBlock* next = i + 1 < blocks.size() ? &blocks[i + 1] : nullptr;
                    if (b.kind == SheetBlock::Kind::Heading && (!next || next->page != b.page))
                        faults << where + "heading «" + b.text + "» ends page " + QString::number(b.page);
                    if (b.kind == SheetBlock::Kind::TableHeader &&
                        (!next || next->kind != SheetBlock::Kind::TableRow || next->page != b.page))
                        faults << where + "a table header alone on page " + QString::number(b.page);
                }
            }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 5).join("; ")));
    }

    // "Informe PDF…" writes the sheet of the case in front where the user
    // chose, the ending added; a failure is told, and the index has none.
    void menuWritesTheCaseInFront()
    {
        REQUIRE_PDF_TOOLS();
        RecordingServices services(",");
        Form1 window(services);
        auto* informe = window.findChild<QAction*>("InformePDF");
        QVERIFY(!informe->isEnabled()); // the index is in front
        window.tabs()->setCurrentIndex(3);
        QVERIFY(informe->isEnabled() && window.findChild<QAction*>("Imprimir")->isEnabled());
        QCOMPARE(informe->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
        act(window.casePanel(3), "DOption1 DINC=15 DIP=25 DTP=60");
        window.casePanel(3)->calcular()->click();
        QTemporaryDir dir;
        services.chosenPath = dir.filePath("depósito");
        informe->trigger();
        QVERIFY(pdfText(dir.filePath("depósito.pdf")).contains("Caso D"));
        services.chosenPath = dir.filePath("no/existe.pdf");
        informe->trigger();
        QCOMPARE(services.failures.size(), 1);
        QVERIFY(services.failures[0].contains("no/existe.pdf"));
        // "Imprimir…" previews the same case's sheet, through the services.
        window.findChild<QAction*>("Imprimir")->trigger();
        QCOMPARE(services.previews, QStringList{"Caso D"});
    }

    // A calculation that came from "Buscar valor…" says so on its sheet,
    // until the data change.
    void sheetSaysWhatTheSearchFound()
    {
        REQUIRE_PDF_TOOLS();
        RecordingServices services(",");
        Form1 window(services);
        window.tabs()->setCurrentIndex(0);
        act(window.casePanel(0), "AOption2 AOption4 AIP=10 ATP=20 ATB=60 ACK=0,6 AINC=4000");
        services.fillDialog = [](QDialog* dialog) {
            auto* unknown = dialog->findChild<QComboBox*>("BuscarIncognita");
            unknown->setCurrentIndex(unknown->findText("D:", Qt::MatchStartsWith));
            dialog->findChild<QLineEdit*>("BuscarValorObjetivo")->setText("3");
            return true;
        };
        window.findChild<QAction*>("BuscarValor")->trigger();
        QTemporaryDir dir;
        services.chosenPath = dir.filePath("busqueda");
        window.findChild<QAction*>("InformePDF")->trigger();
        const QString text = pdfText(dir.filePath("busqueda.pdf")).simplified();
        QVERIFY2(text.contains("Búsqueda de un valor") && text.contains("Valor pedido: Qp = 3 m³/s") &&
                     text.contains("Valor encontrado: D = " + window.casePanel(0)->field("ADL")->text() + " m"),
                 qPrintable(text.left(1500)));
        act(window.casePanel(0), "AIP=11");
        window.findChild<QAction*>("InformePDF")->trigger();
        QVERIFY(!pdfText(dir.filePath("busqueda.pdf")).contains("Búsqueda de un valor"));
    }

    // A file that cannot be written leaves nothing behind and says why.
    void unwritablePathSaysWhy()
    {
        RecordingServices services;
        CaseDPanel panel(services);
        const QString reason = writeReportPdf(panel.report(), {}, "/nonexistent-folder/informe.pdf");
        QVERIFY2(reason.startsWith("La carpeta «") && reason.contains(QDir::toNativeSeparators("/nonexistent-folder» no existe")),
                 qPrintable(reason));
        QVERIFY(!QFile::exists("/nonexistent-folder/informe.pdf"));
    }
};

QTEST_MAIN(ReportTest)
#include "shell_report.moc"
