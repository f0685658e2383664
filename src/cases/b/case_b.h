#pragma once
// Case B as the list of cases knows it (cases/case_entry.h).

#include "cases/b/case_b_engine.h"
#include "cases/case_entry.h"

namespace retencion {

template <> inline constexpr char kLetterOf<CaseBInput> = 'B';

inline CaseResult caseEngine(const CaseBInput& input)
{
    return CaseBEngine(input);
}
const CaseEntries& caseEntries(const CaseBInput&);
const CaseFields& caseBFields();

} // namespace retencion
