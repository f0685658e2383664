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
const CaseFields& caseBFields();
inline const CaseFields& caseFields(const CaseBInput&)
{
    return caseBFields();
}
std::span<const WorkedExample> caseExamples(const CaseBInput&);
std::span<const DerivedRange> caseDerivedRanges(const CaseBInput&);

} // namespace retencion
