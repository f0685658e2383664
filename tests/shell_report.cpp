// The calculation sheet of each case's worked example, written as a PDF and
// read back with Poppler's tools, as a reader of the file would see it.
#include "panels/case_a_panel.h"
#include "panels/case_b_panel.h"
#include "panels/case_c_panel.h"
#include "panels/case_d_panel.h"
#include "panels/case_e_panel.h"
#include "shell/report_writer.h"
#include "ui_test_support.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace retencion;
using namespace retencion::test;

namespace {

std::unique_ptr<CasePanel> panelFor(char letter, UiServices& services)
{
    switch (letter) {
    case 'A':
        return std::make_unique<CaseAPanel>(services);
    case 'B':
        return std::make_unique<CaseBPanel>(services);
    case 'C':
        return std::make_unique<CaseCPanel>(services);
    case 'D':
        return std::make_unique<CaseDPanel>(services);
    default:
        return std::make_unique<CaseEPanel>(services);
    }
}

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
