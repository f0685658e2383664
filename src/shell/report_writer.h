#pragma once
// The calculation sheet of one case: A4 pages with the data, the method, the
// result and the chart it was read from, drawn with the same painter as the
// chart window, to a PDF or a printer.

#include "files/calculation_file.h"
#include "panels/case_report.h"

#include <QDateTime>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace retencion {

struct ReportHeader {
    // What "Archivo:" says: the calculation file's name when the data are
    // the saved ones, "(modificado)" when they are not; empty: never saved.
    QString fileName;
    QDateTime when;
    ProjectData project = {}; // for the title block
};

// One piece of a laid-out sheet, on its page: what the layout keeps together.
struct SheetBlock {
    enum class Kind { Title, TitleBlock, Heading, Text, Notice, TableHeader, TableRow, Figure };
    Kind kind;
    int page;     // from 1
    QString text; // a heading's or a paragraph's; empty for the others
};

// The blocks of the sheet, page after page, as paintReport lays them out on
// an A4 page.
std::vector<SheetBlock> sheetLayout(const CaseReport& report, const ReportHeader& header);

// Lays the report out on `device`, page after page (its page layout is set
// here: A4 portrait, 20 mm margins). Returns the number of pages.
int paintReport(QPagedPaintDevice& device, const CaseReport& report, const ReportHeader& header);

// Writes the report as a PDF at `path`, whole or not at all: an empty text,
// or why it could not be written.
QString writeReportPdf(const CaseReport& report, const ReportHeader& header, const QString& path);

} // namespace retencion
