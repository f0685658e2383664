#pragma once
// The worked examples, once: what the form is given (the options chosen and
// the values of the case's input) and what it then shows. The manual opens
// them into the window and the tests check that each still computes what
// the manual says.

#include "cases/case_input.h"

#include <span>
#include <string>
#include <vector>

namespace retencion {

struct WorkedExample {
    const char* id;      // "A1": the manual's link "ejemplo:A1"
    const char* title;   // what it asks, in a few words
    const char* options; // "AOption1 AOption4": the option buttons chosen
    CaseInput input;     // the values typed, times in seconds
    const char* shown;   // "ARES=5529.4 AH=2.07": the result fields as the form shows them, with a decimal point
};

std::span<const WorkedExample> workedExamples();

// The example with that id, or null.
const WorkedExample* workedExample(std::string_view id);
// The first example of case `letter`, or null.
const WorkedExample* firstWorkedExample(char letter);

// A value of the form as it is typed: its control and the number, times in
// minutes.
struct TypedValue {
    const char* control;
    double value;
};
// Every field the example's options ask for, in the order the form reads
// them.
std::vector<TypedValue> typedValues(const CaseInput& input);

} // namespace retencion
