#pragma once
// The search for a value: which value of one input, every other held as
// typed, makes a result (the surface, volume or outflow peak, or the height)
// equal a target. The engines answer in well under a microsecond, so the
// unknown's whole range is sampled, the stretches where the engine answers
// are found, and every crossing of the target is refined by bisection.

#include "cases/case_input.h"
#include "cases/field_table.h"

#include <optional>
#include <vector>

namespace retencion {

enum class SearchTarget { Main, Height };

struct SearchRequest {
    CaseInput input;                     // every field as typed; the unknown's own value is ignored
    const InputField* unknown = nullptr; // a row of the input's table that its options ask for
    SearchTarget target = SearchTarget::Main;
    double value = 0; // the target: m², m³ or m³/s for the main result, m for the height
};

struct Span {
    double low = 0;
    double high = 0;
};

struct SearchAnswer {
    // The values of the unknown (times in seconds) for which the engine
    // answers and the target equals the value asked, in rising order: one
    // where the result rises or falls steadily, several where it turns,
    // none where the target is out of reach.
    std::vector<double> found;
    // A whole unknown (N): `found` holds the smallest whole number whose
    // result meets the target or beats it (an outflow, a surface, a volume
    // or a height no larger than asked); `exact` when it meets it.
    bool whole = false;
    bool exact = true;
    // The unknown does not move the target (the head over an orifice does
    // not depend on the hydrograph): no value of it is an answer.
    bool unmoved = false;
    // Where the engine answers: the unknown's extent over the stretches it
    // answers, and the least and greatest target found there. Absent when
    // the engine answers nowhere.
    std::optional<Span> unknownSpan;
    std::optional<Span> targetSpan;
};

// Whether `field` of case `input` is a whole number (a count).
bool isWhole(const InputField& field);

// Every input field that the options of `input` ask for, in the form's
// order: the unknowns a search may solve for.
std::vector<const InputField*> searchableFields(const CaseInput& input);

// Whether the case computes H under the input's options.
bool hasHeightTarget(const CaseInput& input);

SearchAnswer searchValue(const SearchRequest& request);

// The result the search targets, where the engine answers with it.
std::optional<double> targetOf(const CaseResult& result, SearchTarget target);

} // namespace retencion
