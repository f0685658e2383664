#pragma once
// One calculation of a case's form, with no window: the fields' texts read
// through the case's field table under the options chosen, the engine run,
// and the results written under the table's masks. The panel's "Calcular"
// and the calculation sheet both go this way.

#include "cases/field_table.h"
#include "numbers/separators.h"
#include "panels/field_faces.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace retencion {

// A value read from a field, remembered with its field so that a refusal
// can name it, say when its field was empty, and give that field the focus.
struct ReadValue {
    Quantity quantity;
    double value;
    const char* control;
    bool missing;    // the field was empty
    bool notANumber; // ...or held no number
};

struct FormCalculation {
    CaseInput input;
    std::vector<ReadValue> values; // in the order the table reads them
    // The first field that held something other than a number: the
    // calculation stopped there, and no result was found.
    const ReadValue* notANumber = nullptr;
    std::optional<CaseResult> result;
    // The results as the form writes them; empty where absent. The height
    // is written only where the case has one.
    QString main, height;
    bool hasHeight = false;
};

// The text typed in an input field, by its control name.
using FieldTexts = std::function<QString(const char* control)>;

// Reads the fields of `table`'s case under `choice` and, if every one held
// a number or nothing, calculates.
FormCalculation calculateForm(const CaseFields& table, Choice choice, const FieldTexts& texts,
                              const Separators& separators);

// Why the calculation's result is out of range, in one sentence; `culprit`
// gets the control of the field to fill in or correct, if any.
QString refusalOf(const FormCalculation& calculation, const Separators& separators, const char** culprit);

// Why a field held no number: "Dato no válido" says so with this sentence.
QString notANumberOf(const FormCalculation& calculation, const FieldTexts& texts);

} // namespace retencion
