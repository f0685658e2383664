#include "shell/report_commands.h"

#include "charts/ui_services.h"
#include "panels/case_panels.h"
#include "shell/calculation_files.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

namespace retencion {
namespace {

// The services of a panel nobody sees: no message is shown, the failures
// are kept for the sheet, and every question is answered "no".
class UnseenServices : public UiServices {
public:
    explicit UnseenServices(const Separators& separators) : m_separators(separators) {}
    void ReportOutOfRange(QWidget*, const QString&) override {}
    void reportFailure(QWidget*, const QString& message, const QString& reason) override
    {
        if (failureTitle.isEmpty()) {
            failureTitle = message;
            failureReason = reason;
        }
    }
    QString savePath(QWidget*, const QString&, const QString&) override { return {}; }
    Separators separators() const override { return m_separators; }
    SaveChoice askToSave(QWidget*) override { return SaveChoice::Discard; }
    QString chooseFileToOpen(QWidget*, const QString&) override { return {}; }
    void showAbout(QWidget*) override {}
    void previewPrint(QWidget*, const QString&, const std::function<void(QPagedPaintDevice&)>&) override {}
    void reportInformation(QWidget*, const QString&, const QString&) override {}
    bool askInDialog(QDialog*) override { return false; }
    int chooseOne(QWidget*, const QString&, const QStringList&) override { return -1; }

    QString failureTitle; // the first failure told, if any
    QString failureReason;

private:
    Separators m_separators;
};

} // namespace

std::optional<SheetOfCase> sheetOf(const CalculationState& calculation, const Separators& separators,
                                   const QString& fileName)
{
    if (calculation.currentCase.size() != 1) return std::nullopt;
    UnseenServices services(separators);
    const std::unique_ptr<CasePanel> panel = newCasePanel(calculation.currentCase.front().toLatin1(), services);
    if (!panel) return std::nullopt;
    // The sheet answers the fields alone: a result kept from before, which a
    // refused calculation would leave in place, is not printed as current.
    CaseState fields = calculation.cases.value(calculation.currentCase);
    fields.results.clear();
    fields.outOfDate.clear();
    panel->restore(fields);
    panel->calcular()->click();

    SheetOfCase sheet{panel->report(), {fileName, QDateTime::currentDateTime(), calculation.project}};
    // A calculation stopped by a failure other than a value out of range
    // (nothing written in the results) says so, as the window would have.
    if (!sheet.report.refused && !services.failureTitle.isEmpty()) {
        sheet.report.refused = true;
        sheet.report.refusalTitle = services.failureTitle;
        sheet.report.refusal = services.failureReason;
    }
    return sheet;
}

QString sheetFileName(const CalculationFiles& files)
{
    const QString path = files.path();
    if (path.isEmpty()) return {};
    return files.modified() ? QStringLiteral("(modificado)") : QFileInfo(path).fileName();
}

void saveReportOf(QWidget* window, const CalculationState& calculation, const QString& fileName,
                  const std::optional<SearchNote>& search, UiServices& services)
{
    if (calculation.currentCase.size() != 1) return;
    const QString name = QStringLiteral("caso-%1-informe-%2.pdf")
                             .arg(calculation.currentCase.toLower(), QDate::currentDate().toString(Qt::ISODate));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = services.savePath(window, QDir(folder).filePath(name), QStringLiteral("Documento PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    auto sheet = sheetOf(calculation, services.separators(), fileName);
    if (!sheet) return;
    // The window's sheet, made again from the fields, also says which search
    // gave them the value found: the panel forgets it at the first edit.
    sheet->report.search = search;
    const QString reason = writeReportPdf(sheet->report, sheet->header, path);
    if (!reason.isEmpty())
        services.reportFailure(
            window, QStringLiteral("No se ha podido guardar el informe en «%1».").arg(QDir::toNativeSeparators(path)),
            reason + QLatin1Char('.'));
}

void printReportOf(QWidget* window, const CalculationState& calculation, const QString& fileName,
                   const std::optional<SearchNote>& search, UiServices& services)
{
    auto sheet = sheetOf(calculation, services.separators(), fileName);
    if (!sheet) return;
    sheet->report.search = search; // as in the PDF
    services.previewPrint(window, sheet->report.caseName,
                          [&sheet](QPagedPaintDevice& device) { paintReport(device, sheet->report, sheet->header); });
}

} // namespace retencion
