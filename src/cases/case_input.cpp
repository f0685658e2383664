#include "cases/case_input.h"

#include <type_traits>

namespace retencion {

CaseResult calculate(const CaseInput& input)
{
    return std::visit(
        [](const auto& in) -> CaseResult {
            using T = std::decay_t<decltype(in)>;
            if constexpr (std::is_same_v<T, CaseAInput>) return CaseAEngine(in);
            if constexpr (std::is_same_v<T, CaseBInput>) return CaseBEngine(in);
            if constexpr (std::is_same_v<T, CaseCInput>) return CaseCEngine(in);
            if constexpr (std::is_same_v<T, CaseDInput>) return CaseDEngine(in);
            if constexpr (std::is_same_v<T, CaseEInput>) return CaseEEngine(in);
        },
        input);
}

char caseLetter(const CaseInput& input)
{
    return kCaseLetters[input.index()];
}

CalculationType calculationOf(const CaseInput& input)
{
    return std::visit([](const auto& in) { return in.calculation; }, input);
}

double givenOf(const CaseInput& input)
{
    return std::visit([](const auto& in) { return in.given; }, input);
}

CaseInput withGiven(CaseInput input, double given)
{
    std::visit([given](auto& in) { in.given = given; }, input);
    return input;
}

} // namespace retencion
