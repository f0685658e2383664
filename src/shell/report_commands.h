#pragma once
// The calculation sheet from the menu: "Informe PDF…" and "Imprimir…".

#include <QString>

class QWidget;

namespace retencion {

class CasePanel;
class UiServices;

// Asks where, and writes the sheet of `panel`'s case as a PDF.
// `calculationFile` is the file the window's calculation was saved to or
// opened from (empty: none), named in the sheet's header.
void saveReportOf(QWidget* window, CasePanel& panel, const QString& calculationFile, UiServices& services);
// A print preview of the same sheet.
void printReportOf(QWidget* window, CasePanel& panel, const QString& calculationFile, UiServices& services);

} // namespace retencion
