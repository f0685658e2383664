#pragma once
// The calculation sheet from the menu ("Informe PDF…", "Imprimir…") and
// from the command line (shell/report_command_line.h). Both make it with
// sheetOf(): the case in front computed again from its fields, with no
// window (panels/case_sheet.h), so that the same data give the same sheet
// however it is asked for.

#include "files/calculation_file.h"
#include "numbers/separators.h"
#include "panels/case_report.h"
#include "shell/report_writer.h"

#include <QString>

#include <optional>

class QWidget;

namespace retencion {

class CalculationFiles;
class UiServices;

struct SheetOfCase {
    CaseReport report;
    ReportHeader header;
};

// The sheet of the case in front of `calculation`, whose texts were typed
// under `separators`: its results put aside and computed again from its
// fields and options; no window is made and no message is shown. `fileName` is what "Archivo:" says (empty:
// never saved). Nothing when the index is in front.
std::optional<SheetOfCase> sheetOf(const CalculationState& calculation, const Separators& separators,
                                   const QString& fileName);

// What "Archivo:" says of the window's calculation: the file's name when the
// window holds what was saved, "(modificado)" when it does not, empty when
// it was never saved.
QString sheetFileName(const CalculationFiles& files);

// Asks where, and writes the sheet of the case in front of `calculation` as
// a PDF; `fileName` as for sheetOf(), `search` the search the window's
// last calculation came from, if it did.
void saveReportOf(QWidget* window, const CalculationState& calculation, const QString& fileName,
                  const std::optional<SearchNote>& search, UiServices& services);
// A print preview of the same sheet.
void printReportOf(QWidget* window, const CalculationState& calculation, const QString& fileName,
                   const std::optional<SearchNote>& search, UiServices& services);

} // namespace retencion
