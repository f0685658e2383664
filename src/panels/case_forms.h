#pragma once
// Where each case's fields sit on its tab: the controls of the frames, the
// caption and unit labels of each field and its cell in the frame's grid.
// What a field is called, means and is measured in comes from the case's
// field table; these name only the controls and places, which files and
// tests know them by.

#include <span>

namespace retencion {

// A field's row: its caption label, its unit label (none: the field has no
// unit) and its cell in the frame's two columns.
struct FieldPlace {
    const char* control; // "AIP", a control of the case's field table
    const char* label;   // "Label5"
    const char* unit;    // "Label6", or null
    int row = 0;
    int column = 0;
};

struct CaseForm {
    char letter;
    const char* description;      // the label of the tab's description
    const char* calculationFrame; // the "Tipo de Cálculo" group
    const char* outletFrame;      // the outlet's group; null: the case has none
    const char* inputFrame;       // "Entrada de Datos"
    std::span<const FieldPlace> inputs; // in the order of the keyboard and the sheet
    const char* calcular;         // the "Calcular" button
    const char* resultFrame;      // "Resultados"
    std::span<const FieldPlace> results;
};

// The form of case `letter` ('A' to 'E'); null for any other letter.
const CaseForm* caseForm(char letter);

} // namespace retencion
