#pragma once
// The calculation sheet of one case: A4 pages with the data, the method, the
// result and the chart it was read from, drawn with the same painter as the
// chart window, to a PDF or a printer.

#include "panels/case_report.h"

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;

namespace retencion {

struct ReportHeader {
    QString fileName; // the calculation file's name; empty: not saved
    QDateTime when;
};

// Lays the report out on `device`, page after page (its page layout is set
// here: A4 portrait, 20 mm margins). Returns the number of pages.
int paintReport(QPagedPaintDevice& device, const CaseReport& report, const ReportHeader& header);

// Writes the report as a PDF at `path`, whole or not at all: an empty text,
// or why it could not be written.
QString writeReportPdf(const CaseReport& report, const ReportHeader& header, const QString& path);

// The header of a sheet drawn now from the calculation file `calculationFile`
// (empty: not saved).
ReportHeader reportHeaderOf(const QString& calculationFile);

} // namespace retencion
