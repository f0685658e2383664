#include "shell/report_commands.h"

#include "charts/ui_services.h"
#include "panels/case_panel.h"
#include "shell/report_writer.h"

#include <QDate>
#include <QDir>
#include <QStandardPaths>

namespace retencion {

void saveReportOf(QWidget* window, CasePanel& panel, const QString& calculationFile, UiServices& services)
{
    const QString name =
        QStringLiteral("caso-%1-informe-%2.pdf")
            .arg(panel.report().caseName.right(1).toLower(), QDate::currentDate().toString(Qt::ISODate));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = services.savePath(window, QDir(folder).filePath(name), QStringLiteral("Documento PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    const QString reason = writeReportPdf(panel.report(), reportHeaderOf(calculationFile), path);
    if (!reason.isEmpty())
        services.reportFailure(
            window, QStringLiteral("No se ha podido guardar el informe en «%1».").arg(QDir::toNativeSeparators(path)),
            reason + QLatin1Char('.'));
}

void printReportOf(QWidget* window, CasePanel& panel, const QString& calculationFile, UiServices& services)
{
    const CaseReport report = panel.report();
    const ReportHeader header = reportHeaderOf(calculationFile);
    services.previewPrint(window, report.caseName,
                          [&report, &header](QPagedPaintDevice& device) { paintReport(device, report, header); });
}

} // namespace retencion
