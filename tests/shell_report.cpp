// The calculation sheet of each case's worked example, written as a PDF and
// read back with Poppler's tools, as a reader of the file would see it.
#include "panel_factory.h"
#include "shell/form1.h"
#include "shell/report_writer.h"
#include "ui_test_support.h"

#include <QAction>
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
        if (qEnvironmentVariableIsSet("RETENCION_KEEP_REPORTS"))
            QFile::copy(path, QString("/tmp/informe-%1.pdf").arg(QTest::currentDataTag()).replace(' ', '_'));

        const QString info = run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+59[45][.\\d]* x 84[12][.\\d]* pts \\(A4\\)")),
                 qPrintable(info));
        const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
        QVERIFY(pages >= 1 && pages <= 4);

        // Lines joined: a long sentence may wrap anywhere.
        const QString text = run("pdftotext", {"-enc", "UTF-8", path, "-"}).simplified();
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
        QTemporaryDir dir;
        const QString file = dir.filePath("calculo.retencion");
        if (!content.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content.toUtf8());
        }
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM"); // the program needs no display of its own accord
        environment.insert("LANG", "es_ES.UTF-8");
        program.setProcessEnvironment(environment);
        program.start(RETENCION_PROGRAM, {"--informe", dir.filePath(output), file});
        QVERIFY(program.waitForFinished(30000));
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitCode(), code);
        if (code == 0) {
            QVERIFY(errors.isEmpty());
            const QString text = run("pdftotext", {"-enc", "UTF-8", dir.filePath(output), "-"}).simplified();
            QVERIFY2(text.contains("5529,4") && text.contains("calculo.retencion") &&
                         text.contains("Comprobación por laminación"),
                     qPrintable(text.left(400)));
        } else {
            QCOMPARE(errors.count('\n'), 1);
            QVERIFY2(errors.startsWith("retencion: ") && errors.contains(said), qPrintable(errors));
            QVERIFY(!QFile::exists(dir.filePath(output)));
        }
    }

    // "Informe PDF…" writes the sheet of the case in front where the user
    // chose, the ending added; a failure is told, and the index has none.
    void menuWritesTheCaseInFront()
    {
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
        QVERIFY(run("pdftotext", {"-enc", "UTF-8", dir.filePath("depósito.pdf"), "-"}).contains("Caso D"));
        services.chosenPath = dir.filePath("no/existe.pdf");
        informe->trigger();
        QCOMPARE(services.failures.size(), 1);
        QVERIFY(services.failures[0].contains("no/existe.pdf"));
    }

    // A file that cannot be written leaves nothing behind and says why.
    void unwritablePathSaysWhy()
    {
        RecordingServices services;
        CaseDPanel panel(services);
        const QString reason = writeReportPdf(panel.report(), {}, "/nonexistent-folder/informe.pdf");
        QVERIFY(!reason.isEmpty());
        QVERIFY(!QFile::exists("/nonexistent-folder/informe.pdf"));
    }
};

QTEST_MAIN(ReportTest)
#include "shell_report.moc"
