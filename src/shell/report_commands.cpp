#include "shell/report_commands.h"

#include "charts/ui_services.h"
#include "panels/case_sheet.h"
#include "shell/calculation_files.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

namespace retencion {
std::optional<SheetOfCase> sheetOf(const CalculationState& calculation, const Separators& separators,
                                   const QString& fileName)
{
    if (calculation.currentCase.size() != 1) return std::nullopt;
    const char letter = calculation.currentCase.front().toLatin1();
    if (!fieldsOf(letter)) return std::nullopt;
    // The sheet answers the fields alone: a result kept from before, which a
    // refused calculation would leave in place, is not printed as current.
    const SheetData data = calculatedSheet(letter, calculation.cases.value(calculation.currentCase), separators);
    return SheetOfCase{caseSheet(data, separators), {fileName, QDateTime::currentDateTime(), calculation.project}};
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
