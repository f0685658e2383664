#pragma once
// The calculation sheet from the command line:
// `retencion --informe SALIDA.pdf ARCHIVO.retencion`.

#include <QString>

namespace retencion {

// Reads `file`, calculates its case in front again from its fields, and
// writes that case's sheet to `output`. Returns the exit code;
// a failure says why in one line on standard error.
int writeReportFromCommandLine(const QString& output, const QString& file);

} // namespace retencion
