#pragma once
// What each case gives the list of cases (cases/case_input.h), declared in
// its own folder beside its engine: its letter, its engine, its field
// table, its worked examples and the quantities it derives and holds to
// the charts. What reads every case alike finds a case through these.

#include "cases/calculation.h"

#include <span>

namespace retencion {

struct CaseFields;
struct WorkedExample;
struct GivenSweep;

// The letter of the case whose input is `T`: each case sets its own.
template <class T> inline constexpr char kLetterOf = 0;

// A quantity a case derives from the data and holds to the charts, with
// the very range its engine checks.
struct DerivedRange {
    Quantity quantity;
    const StudiedRange& range;
};

} // namespace retencion
