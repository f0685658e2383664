#pragma once
// The calculation sheet from the menu ("Informe PDF…", "Imprimir…") and
// from the command line (`retencion --informe SALIDA.pdf ARCHIVO.retencion`).

#include <QString>

namespace retencion {

class Form1;
class UiServices;

// Asks where, and writes the sheet of the case in front as a PDF.
void saveReportOf(Form1& window, UiServices& services);
// A print preview of the sheet of the case in front.
void printReportOf(Form1& window);

// Opens `file` in a window that is never shown, calculates its case in front
// again, and writes that case's sheet to `output`. Returns the exit code;
// a failure says why in one line on standard error.
int writeReportFromCommandLine(const QString& output, const QString& file);

} // namespace retencion
