#include "cases/case_input.h"

namespace retencion {

std::optional<CaseInput> inputOfCase(char letter)
{
    std::optional<CaseInput> out;
    forEachCase([&](auto in) {
        if (kLetterOf<decltype(in)> == letter) out = in;
    });
    return out;
}

std::string caseLettersInWords()
{
    std::string out;
    for (std::size_t i = 0; i < kCaseLetters.size(); ++i) {
        if (i > 0) out += i + 1 == kCaseLetters.size() ? " o " : ", ";
        out += kCaseLetters[i];
    }
    return out;
}

CaseResult calculate(const CaseInput& input)
{
    return std::visit([](const auto& in) { return caseEngine(in); }, input);
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
