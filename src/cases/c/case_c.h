#pragma once
// Case C as the list of cases knows it (cases/case_entry.h).

#include "cases/c/case_c_engine.h"
#include "cases/case_entry.h"

namespace retencion {

template <> inline constexpr char kLetterOf<CaseCInput> = 'C';

inline CaseResult caseEngine(const CaseCInput& input)
{
    return CaseCEngine(input);
}
const CaseEntries& caseEntries(const CaseCInput&);
const CaseFields& caseCFields();

} // namespace retencion
