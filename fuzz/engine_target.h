#pragma once
// What every engine target checks of one result: its shape, and the
// sentence a panel would show for its refusal.

#include "engine_result_checks.h"
#include "fuzz_input.h"

namespace retencion::fuzz {

inline void checkResult(const CaseResult& r, test::Expected expected, const test::KnownValues& known)
{
    require(test::resultFault(r, expected), "result");
    if (r.refusal) require(test::refusalTextFault(*r.refusal, known.span()), "refusal sentence");
}

inline CalculationType calculationOption(const FuzzLines& lines)
{
    return static_cast<CalculationType>(lines.option(0, 4));
}

} // namespace retencion::fuzz
