#pragma once
// Case E as the list of cases knows it (cases/case_entry.h).

#include "cases/e/case_e_engine.h"
#include "cases/case_entry.h"

namespace retencion {

template <> inline constexpr char kLetterOf<CaseEInput> = 'E';

inline CaseResult caseEngine(const CaseEInput& input)
{
    return CaseEEngine(input);
}
const CaseEntries& caseEntries(const CaseEInput&);
const CaseFields& caseEFields();
// The surface or volume the sizing curve sweeps: the case's given value has
// no studied range of its own.
GivenSweep caseOutflowSweep(const CaseEInput& input);

} // namespace retencion
