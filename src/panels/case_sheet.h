#pragma once
// The calculation sheet of one case, made from data and no window: what
// the form holds (fields, options, results), the last calculation's input
// and result, and the case's field table. The window's sheet and the
// sheet of a calculation file (`retencion --informe`) are both made here.

#include "cases/field_table.h"
#include "files/case_state.h"
#include "numbers/separators.h"
#include "panels/case_report.h"

#include <optional>

namespace retencion {

struct SheetData {
    char letter = 'A';
    CaseState state; // the texts of the fields and results, the options chosen
    // What the last calculation read, for the charts' point and the
    // drawing, and whether it was read from these very fields (the sizing
    // curve is drawn only then).
    std::optional<CaseInput> lastInput;
    bool calculated = false;
    std::optional<CaseResult> result; // the last result computed, if any
    bool refused = false;             // the last calculation was refused...
    QString refusalTitle;             // ...by this (empty: a value out of range)
    QString refusal;                  // ...and this sentence said why
    std::optional<SearchNote> search;
};

CaseReport caseSheet(const SheetData& data, const Separators& separators);

// The data of `state`'s case calculated again from its fields and options:
// the results it keeps are put aside, and a field that holds no number
// refuses the calculation as the window's "Dato no válido" does.
SheetData calculatedSheet(char letter, const CaseState& state, const Separators& separators);

} // namespace retencion
