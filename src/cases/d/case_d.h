#pragma once
// Case D as the list of cases knows it (cases/case_entry.h).

#include "cases/d/case_d_engine.h"
#include "cases/case_entry.h"

namespace retencion {

template <> inline constexpr char kLetterOf<CaseDInput> = 'D';

inline CaseResult caseEngine(const CaseDInput& input)
{
    return CaseDEngine(input);
}
const CaseEntries& caseEntries(const CaseDInput&);
const CaseFields& caseDFields();
// The surface or volume the sizing curve sweeps: the case's given value has
// no studied range of its own.
GivenSweep caseOutflowSweep(const CaseDInput& input);

} // namespace retencion
