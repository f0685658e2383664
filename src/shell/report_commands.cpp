#include "shell/report_commands.h"

#include "panels/case_panels.h"
#include "shell/calculation_files.h"
#include "shell/form1.h"
#include "shell/qt_ui_services.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <memory>
#include <variant>

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
    void reportInformation(QWidget*, const QString&, const QString&) override {}
    bool askInDialog(QDialog*) override { return false; }
    int chooseOne(QWidget*, const QString&, const QStringList&) override { return -1; }

    QString failureTitle; // the first failure told, if any
    QString failureReason;

private:
    Separators m_separators;
};

int fail(const QString& line)
{
    std::fprintf(stderr, "retencion: %s\n", line.toLocal8Bit().constData());
    return 2;
}

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

QString sheetFileName(const Form1& window)
{
    const QString path = window.files().path();
    if (path.isEmpty()) return {};
    return window.files().modified() ? QStringLiteral("(modificado)") : QFileInfo(path).fileName();
}

namespace {

// The window's sheet, made again from the fields, also says which search
// gave them the value found: the panel forgets it at the first edit.
void addSearchOf(Form1& window, SheetOfCase& sheet)
{
    if (const auto* panel = qobject_cast<const CasePanel*>(window.tabs()->currentWidget()))
        sheet.report.search = panel->searchNote();
}

} // namespace

void saveReportOf(Form1& window, UiServices& services)
{
    const CalculationState calculation = window.calculation();
    if (calculation.currentCase.size() != 1) return;
    const QString name = QStringLiteral("caso-%1-informe-%2.pdf")
                             .arg(calculation.currentCase.toLower(), QDate::currentDate().toString(Qt::ISODate));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = services.savePath(&window, QDir(folder).filePath(name), QStringLiteral("Documento PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    auto sheet = sheetOf(calculation, services.separators(), sheetFileName(window));
    if (!sheet) return;
    addSearchOf(window, *sheet);
    const QString reason = writeReportPdf(sheet->report, sheet->header, path);
    if (!reason.isEmpty())
        services.reportFailure(
            &window, QStringLiteral("No se ha podido guardar el informe en «%1».").arg(QDir::toNativeSeparators(path)),
            reason + QLatin1Char('.'));
}

void printReportOf(Form1& window, UiServices& services)
{
    if (auto sheet = sheetOf(window.calculation(), services.separators(), sheetFileName(window))) {
        addSearchOf(window, *sheet);
        previewReport(&window, sheet->report, sheet->header);
    }
}

int writeReportFromCommandLine(const QString& output, const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("no se puede abrir «%1»: %2").arg(file, in.errorString()));
    if (in.size() > kMaxCalculationFileSize)
        return fail(QStringLiteral("«%1» no es un cálculo de Retención: pasa de 1 MiB").arg(file));
    const Separators separators = QtUiServices().separators();
    const auto read = readCalculationFile(in.readAll(), QString::fromStdString(separators.decimal));
    if (const auto* why = std::get_if<QString>(&read)) return fail(QStringLiteral("«%1»: %2").arg(file, *why));

    const auto sheet = sheetOf(std::get<CalculationState>(read), separators, QFileInfo(file).fileName());
    if (!sheet) return fail(QStringLiteral("«%1» no tiene ningún caso al frente, sino el índice").arg(file));
    const QString reason = writeReportPdf(sheet->report, sheet->header, output);
    if (!reason.isEmpty()) return fail(QStringLiteral("no se puede escribir «%1»: %2").arg(output, reason));
    return 0;
}

} // namespace retencion
