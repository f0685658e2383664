#pragma once
// Case A as the list of cases knows it (cases/case_entry.h).

#include "cases/a/case_a_engine.h"
#include "cases/case_entry.h"

namespace retencion {

template <> inline constexpr char kLetterOf<CaseAInput> = 'A';

inline CaseResult caseEngine(const CaseAInput& input)
{
    return CaseAEngine(input);
}
const CaseEntries& caseEntries(const CaseAInput&);
const CaseFields& caseAFields();

} // namespace retencion
