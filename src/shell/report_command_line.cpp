#include "shell/report_command_line.h"

#include "files/calculation_file.h"
#include "shell/qt_ui_services.h"
#include "shell/report_commands.h"
#include "shell/report_writer.h"

#include <QFileInfo>

#include <cstdio>
#include <variant>

namespace retencion {
namespace {

// In UTF-8, as the console is set to show it on Windows, and as a file or
// pipe takes it everywhere.
int fail(const QString& line)
{
    std::fprintf(stderr, "retencion: %s\n", line.toUtf8().constData());
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
    const Separators separators = QtUiServices().separators();
    const auto read = readCalculationFile(std::get<QByteArray>(bytes), QString::fromStdString(separators.decimal));
    if (const auto* why = std::get_if<QString>(&read)) return fail(QStringLiteral("«%1»: %2").arg(file, *why));

    // Calculated again from the file's fields, so that the sheet shows the
    // point read on the chart and, in case A, the check by routing.
    const auto sheet = sheetOf(std::get<CalculationState>(read), separators, QFileInfo(file).fileName());
    if (!sheet) return fail(QStringLiteral("«%1» no tiene ningún caso al frente, sino el índice").arg(file));
    const QString reason = writeReportPdf(sheet->report, sheet->header, output);
    if (!reason.isEmpty()) return fail(QStringLiteral("no se puede escribir «%1»: %2").arg(output, reason));
    return 0;
}

} // namespace retencion
