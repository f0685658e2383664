#pragma once
// The inputs of one calculation of any case, and the engine that answers
// them: for what sweeps or lists calculations of every case alike.

#include "cases/a/case_a_engine.h"
#include "cases/b/case_b_engine.h"
#include "cases/c/case_c_engine.h"
#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_engine.h"

#include <string_view>
#include <variant>

namespace retencion {

// The alternative names the case: A first.
using CaseInput = std::variant<CaseAInput, CaseBInput, CaseCInput, CaseDInput, CaseEInput>;

// The cases' letters, in the order above: the order of their tabs too.
inline constexpr std::string_view kCaseLetters = "ABCDE";
static_assert(kCaseLetters.size() == std::variant_size_v<CaseInput>);

// The case's own engine on `input`.
CaseResult calculate(const CaseInput& input);

char caseLetter(const CaseInput& input);
CalculationType calculationOf(const CaseInput& input);
double givenOf(const CaseInput& input);
// The same calculation for another given value.
CaseInput withGiven(CaseInput input, double given);

} // namespace retencion
