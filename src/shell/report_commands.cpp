#include "shell/report_commands.h"

#include "panels/case_panel.h"
#include "files/calculation_file.h"
#include "shell/calculation_files.h"
#include "shell/form1.h"
#include "shell/qt_ui_services.h"
#include "shell/report_writer.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTabWidget>

#include <cstdio>
#include <variant>

namespace retencion {
namespace {

CasePanel* caseInFront(const Form1& window)
{
    return window.casePanel(window.tabs()->currentIndex());
}

ReportHeader headerOf(const QString& calculationFile)
{
    return {calculationFile.isEmpty() ? QString() : QFileInfo(calculationFile).fileName(),
            QDateTime::currentDateTime()};
}

// The services of a window nobody sees: every message is kept, not shown,
// and every question answered "no".
class UnseenServices : public QtUiServices {
public:
    void ReportOutOfRange(QWidget*, const QString&) override {}
    void reportFailure(QWidget*, const QString&, const QString&) override {}
    QString savePath(QWidget*, const QString&, const QString&) override { return {}; }
    SaveChoice askToSave(QWidget*) override { return SaveChoice::Discard; }
    QString chooseFileToOpen(QWidget*, const QString&) override { return {}; }
};

int fail(const QString& line)
{
    std::fprintf(stderr, "retencion: %s\n", line.toLocal8Bit().constData());
    return 2;
}

} // namespace

void saveReportOf(Form1& window, UiServices& services)
{
    CasePanel* panel = caseInFront(window);
    if (!panel) return;
    const QString name =
        QStringLiteral("caso-%1-informe-%2.pdf")
            .arg(panel->report().caseName.right(1).toLower(), QDate::currentDate().toString(Qt::ISODate));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = services.savePath(&window, QDir(folder).filePath(name), QStringLiteral("Documento PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    const QString reason = writeReportPdf(panel->report(), headerOf(window.files().path()), path);
    if (!reason.isEmpty())
        services.reportFailure(
            &window, QStringLiteral("No se ha podido guardar el informe en «%1».").arg(QDir::toNativeSeparators(path)),
            reason + QLatin1Char('.'));
}

void printReportOf(Form1& window)
{
    if (CasePanel* panel = caseInFront(window))
        previewReport(&window, panel->report(), headerOf(window.files().path()));
}

int writeReportFromCommandLine(const QString& output, const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("no se puede abrir «%1»: %2").arg(file, in.errorString()));
    if (in.size() > kMaxCalculationFileSize)
        return fail(QStringLiteral("«%1» no es un cálculo de Retención: pasa de 1 MiB").arg(file));
    UnseenServices services;
    const auto read = readCalculationFile(in.readAll(), QString::fromStdString(services.separators().decimal));
    if (const auto* why = std::get_if<QString>(&read)) return fail(QStringLiteral("«%1»: %2").arg(file, *why));

    Form1 window(services);
    window.showCalculation(std::get<CalculationState>(read));
    CasePanel* panel = caseInFront(window);
    if (!panel) return fail(QStringLiteral("«%1» no tiene ningún caso al frente, sino el índice").arg(file));
    // Calculated again, so that the sheet shows the point read on the chart
    // and, in case A, the check by routing; the data are those of the file.
    panel->calcular()->click();
    const QString reason = writeReportPdf(panel->report(), headerOf(file), output);
    if (!reason.isEmpty()) return fail(QStringLiteral("no se puede escribir «%1»: %2").arg(output, reason));
    return 0;
}

} // namespace retencion
