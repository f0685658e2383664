#pragma once
// The calculation sheet from the command line:
// `retencion --informe SALIDA.pdf ARCHIVO.retencion`.

#include <QString>

namespace retencion {

// Opens `file` in a window that is never shown, calculates its case in front
// again, and writes that case's sheet to `output`. Returns the exit code;
// a failure says why in one line on standard error.
int writeReportFromCommandLine(const QString& output, const QString& file);

} // namespace retencion
