#include "shell/report_command_line.h"

#include "files/calculation_file.h"
#include "panels/case_panel.h"
#include "shell/form1.h"
#include "shell/qt_ui_services.h"
#include "shell/report_writer.h"

#include <QTabWidget>

#include <cstdio>
#include <variant>

namespace retencion {
namespace {

// The services of a window nobody sees: every message is kept, not shown,
// and every question answered "no".
class UnseenServices : public QtUiServices {
public:
    void ReportOutOfRange(QWidget*, const QString&) override {}
    void reportFailure(QWidget*, const QString&, const QString&) override {}
    QString savePath(QWidget*, const QString&, const QString&) override { return {}; }
    SaveChoice askToSave(QWidget*) override { return SaveChoice::Discard; }
    QString chooseFileToOpen(QWidget*, const QString&) override { return {}; }
    void showAbout(QWidget*) override {}
    void previewPrint(QWidget*, const QString&, const std::function<void(QPagedPaintDevice&)>&) override {}
};

int fail(const QString& line)
{
    std::fprintf(stderr, "retencion: %s\n", line.toLocal8Bit().constData());
    return 2;
}

} // namespace

int writeReportFromCommandLine(const QString& output, const QString& file)
{
    // Read as the window reads it: never more than the size limit, so that
    // a device such as /dev/zero is refused rather than read without end.
    const auto bytes = readCalculationBytes(file);
    if (const auto* why = std::get_if<QString>(&bytes))
        return fail(QStringLiteral("no se puede abrir «%1»: %2").arg(file, *why));
    UnseenServices services;
    const auto read =
        readCalculationFile(std::get<QByteArray>(bytes), QString::fromStdString(services.separators().decimal));
    if (const auto* why = std::get_if<QString>(&read)) return fail(QStringLiteral("«%1»: %2").arg(file, *why));

    Form1 window(services);
    window.showCalculation(std::get<CalculationState>(read));
    CasePanel* panel = window.casePanel(window.tabs()->currentIndex());
    if (!panel) return fail(QStringLiteral("«%1» no tiene ningún caso al frente, sino el índice").arg(file));
    // Calculated again, so that the sheet shows the point read on the chart
    // and, in case A, the check by routing; the data are those of the file.
    panel->calcular()->click();
    const QString reason = writeReportPdf(panel->report(), reportHeaderOf(file), output);
    if (!reason.isEmpty()) return fail(QStringLiteral("no se puede escribir «%1»: %2").arg(output, reason));
    return 0;
}

} // namespace retencion
