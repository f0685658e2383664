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
const CaseFields& caseAFields();
inline const CaseFields& caseFields(const CaseAInput&)
{
    return caseAFields();
}
std::span<const WorkedExample> caseExamples(const CaseAInput&);
std::span<const DerivedRange> caseDerivedRanges(const CaseAInput&);

} // namespace retencion
