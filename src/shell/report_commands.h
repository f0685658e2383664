#pragma once
// The calculation sheet from the menu ("Informe PDF…", "Imprimir…") and
// from the command line (`retencion --informe SALIDA.pdf ARCHIVO.retencion`).
// Both make it with sheetOf(): the case in front computed again from its
// fields, so that the same data give the same sheet however it is asked for.

#include "numbers/separators.h"
#include "panels/case_report.h"
#include "shell/calculation_file.h"
#include "shell/report_writer.h"

#include <QString>

#include <optional>

namespace retencion {

class Form1;
class UiServices;

struct SheetOfCase {
    CaseReport report;
    ReportHeader header;
};

// The sheet of the case in front of `calculation`, whose texts were typed
// under `separators`: the case restored in a panel nobody sees, its results
// put aside and computed again from its fields, and the report made of that
// panel; no message is shown. `fileName` is what "Archivo:" says (empty:
// never saved). Nothing when the index is in front.
std::optional<SheetOfCase> sheetOf(const CalculationState& calculation, const Separators& separators,
                                   const QString& fileName);

// What "Archivo:" says of the window's calculation: the file's name when the
// window holds what was saved, "(modificado)" when it does not, empty when
// it was never saved.
QString sheetFileName(const Form1& window);

// Asks where, and writes the sheet of the case in front as a PDF.
void saveReportOf(Form1& window, UiServices& services);
// A print preview of the sheet of the case in front.
void printReportOf(Form1& window, UiServices& services);

// Opens `file` in a window that is never shown, calculates its case in front
// again, and writes that case's sheet to `output`. Returns the exit code;
// a failure says why in one line on standard error.
int writeReportFromCommandLine(const QString& output, const QString& file);

} // namespace retencion
