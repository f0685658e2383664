#pragma once
// What each case gives the list of cases (cases/case_input.h), declared in
// its own folder beside its engine, case_<letter>.h: its letter
// (`kLetterOf`), its engine (`caseEngine`), its entries (`caseEntries`)
// and, where its given value has no studied range of its own, how far the
// sizing curve sweeps it (`caseOutflowSweep`). What reads every case alike
// finds a case through these.

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

// What a case's own folder states of it besides its engine.
struct CaseEntries {
    const CaseFields& fields;                 // its field table
    std::span<const WorkedExample> examples; // its worked examples, the first the template's
    std::span<const DerivedRange> derived;    // what it derives, for the manual
};

} // namespace retencion
