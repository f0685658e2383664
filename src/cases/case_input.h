#pragma once
// The list of cases: the inputs of one calculation of any case, and the
// engine that answers them, for what sweeps or lists calculations of every
// case alike. A case is added here and in its own folder (its engine, its
// charts, its field table and its entries, cases/case_entry.h); what reads
// every case goes through this list.

#include "cases/a/case_a.h"
#include "cases/b/case_b.h"
#include "cases/c/case_c.h"
#include "cases/d/case_d.h"
#include "cases/e/case_e.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace retencion {

// The alternative names the case: A first, in the order of their tabs.
using CaseInput = std::variant<CaseAInput, CaseBInput, CaseCInput, CaseDInput, CaseEInput>;

namespace detail {
template <class V> struct CaseList;
template <class... T> struct CaseList<std::variant<T...>> {
    static constexpr std::array<char, sizeof...(T)> letters{kLetterOf<T>...};

    // Calls `f` with a default input of each case, in order.
    template <class F> static void forEach(F&& f) { (f(T{}), ...); }
};
} // namespace detail

// The cases' letters, in the order above: the order of their tabs too.
inline constexpr std::string_view kCaseLetters{detail::CaseList<CaseInput>::letters.data(),
                                               detail::CaseList<CaseInput>::letters.size()};

// Calls `f` with a default input of each case (its concrete type), A first.
template <class F> void forEachCase(F&& f)
{
    detail::CaseList<CaseInput>::forEach(f);
}

// An input of case `letter` with every value as its type starts it, or
// nothing for a letter that names no case.
std::optional<CaseInput> inputOfCase(char letter);

// The letters as a sentence names them: "A, B, C, D o E".
std::string caseLettersInWords();

// The case's own engine on `input`.
CaseResult calculate(const CaseInput& input);

char caseLetter(const CaseInput& input);
CalculationType calculationOf(const CaseInput& input);
double givenOf(const CaseInput& input);
// The same calculation for another given value.
CaseInput withGiven(CaseInput input, double given);

} // namespace retencion
