#pragma once
// What every engine promises of every result, whatever it was given: a
// computed result holds finite values, exactly those its case writes; a
// refusal names a value that really fails the check it names; and the
// sentence that explains a refusal never shows an infinity or a NaN. Shared
// by the random sweep and the fuzz targets, which feed the engines anything,
// and, through `mismatch`, by the engine tests' tables.

#include "cases/a/case_a_engine.h"
#include "cases/b/case_b_engine.h"
#include "cases/c/case_c_engine.h"
#include "cases/calculation.h"
#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_engine.h"
#include "cases/known_values.h"
#include "cases/refusal_text.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <type_traits>

namespace retencion::test {

// Which values a computed result carries, and whether a refusal may still
// carry the main value (cases B and E check the depth last).
struct Expected {
    bool main = true;
    bool height = true;
    bool mainWhenRefused = false;
};

// Empty when `r` keeps the promises, otherwise what it breaks. Chart
// readings must be finite, and the weights of the curves read add up to 1.
inline std::string resultFault(const CaseResult& r, Expected expected)
{
    const auto finite = [](const std::optional<double>& v) { return !v || std::isfinite(*v); };
    if (r.outcome == Outcome::NothingToCompute)
        return r.main || r.h || r.refusal ? "nothing to compute, yet something is present" : "";
    if (r.outcome == Outcome::Computed) {
        if (r.refusal || r.main.has_value() != expected.main || r.h.has_value() != expected.height)
            return "a computed result with the wrong values present";
        if (!finite(r.main) || !finite(r.h)) return "a computed value is not finite";
        for (const auto& reading : r.readings) {
            if (!reading) continue;
            if (!std::isfinite(reading->x) || !std::isfinite(reading->y) ||
                reading->curveCount > reading->curves.size())
                return "a chart reading off any chart";
            double sum = 0;
            for (std::size_t i = 0; i < reading->curveCount; ++i)
                sum += reading->curves[i].weight;
            if (reading->curveCount && !(std::fabs(sum - 1) < 1e-9)) return "curve weights do not add up to 1";
        }
        return {};
    }
    if (!r.refusal || r.h || (r.main && !expected.mainWhenRefused) || !finite(r.main))
        return "out of range without a refusal, or with a value it may not keep";
    const Refusal& why = *r.refusal;
    const Fault f = why.fault;
    if ((f == Fault::OutsideStudiedRange || f == Fault::NoCalculationChosen) && why.range.holds(why.value))
        return "the refused value lies inside the range it is refused for";
    if (f == Fault::NotFinite && std::isfinite(why.value)) return "a finite value refused as not finite";
    // A chart is read only with values that have passed their own checks.
    if ((f == Fault::ChartHasNoValue || f == Fault::OutsideCurve) && !std::isfinite(why.value))
        return "a chart fault on a value that is not finite";
    return {};
}

// Empty when the sentence for `refusal` shows no "inf" or "nan" under both
// the point and the comma as decimal separator.
inline std::string refusalTextFault(const Refusal& refusal, std::span<const KnownValue> known)
{
    for (const Separators& s : {Separators{".", ","}, Separators{",", "."}}) {
        std::string text = describeRefusal(refusal, known, s, CalculationType::Surface);
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (text.empty() || text.find("inf") != std::string::npos || text.find("nan") != std::string::npos)
            return "a sentence that is empty or shows a non-finite number: " +
                   describeRefusal(refusal, known, s, CalculationType::Surface);
    }
    return {};
}

// The values a panel knows when it explains a refusal, as the core builds them.
using retencion::KnownValues;

// What a result holds. `first` is the case's calculation other than the
// outflow peak; cases B and E check the depth last and may keep the main
// value when it fails; case D finds no depth.
template <class Input> Expected expected(const Input& in)
{
    constexpr bool d = std::is_same_v<Input, CaseDInput>;
    const CalculationType first = d ? CalculationType::Volume : CalculationType::Surface;
    return {in.calculation == first || in.calculation == CalculationType::Outflow, !d,
            std::is_same_v<Input, CaseBInput>};
}
inline Expected expectedE(CalculationType mode)
{
    return {mode == CalculationType::Surface || mode == CalculationType::Outflow, true, true};
}

template <class Input> KnownValues known(const Input& in, const CaseResult& r)
{
    return knownValues(in, r);
}
inline KnownValues knownE(const CaseEInput& in, const CaseResult& r)
{
    return knownValues(in, r);
}

// What an engine test expects of one result: the main value and the depth,
// each within its tolerance (absent: not written; an infinite tolerance
// takes any finite value), or the check that refused.
struct Want {
    Outcome outcome = Outcome::Computed;
    std::optional<double> main{};
    double mainTol = 0;
    std::optional<double> h{};
    double hTol = 0;
    Quantity refused{};
    Fault fault = Fault::OutsideStudiedRange;
};

constexpr double kAny = std::numeric_limits<double>::infinity();

inline Want gives(std::optional<double> main, double mainTol, std::optional<double> h, double hTol)
{
    return {Outcome::Computed, main, mainTol, h, hTol};
}
// Computed, with whatever values: a row on the passing side of a bound.
inline Want passes()
{
    return gives(0.0, kAny, 0.0, kAny);
}
inline Want refuses(Quantity q, Fault fault = Fault::OutsideStudiedRange, std::optional<double> keptMain = {},
                    double tol = 0)
{
    return {Outcome::OutOfStudiedRange, keptMain, tol, std::nullopt, 0, q, fault};
}
inline Want nothing()
{
    return {Outcome::NothingToCompute};
}

// Empty when `r` is what `want` says, otherwise how it differs.
inline std::string mismatch(const CaseResult& r, const Want& want)
{
    std::ostringstream os;
    os.precision(12);
    const auto compare = [&](const char* what, const std::optional<double>& got, const std::optional<double>& wanted,
                             double tol) {
        if (got.has_value() != wanted.has_value())
            os << what << (got ? " present; " : " absent; ");
        else if (got && !(std::fabs(*got - *wanted) <= tol))
            os << what << " = " << *got << ", not " << *wanted << " within " << tol << "; ";
    };
    if (r.outcome != want.outcome) os << "outcome " << int(r.outcome) << ", not " << int(want.outcome) << "; ";
    compare("main", r.main, want.main, want.mainTol);
    compare("h", r.h, want.h, want.hTol);
    if (r.refusal.has_value() != (want.outcome == Outcome::OutOfStudiedRange))
        os << "refusal " << (r.refusal ? "present; " : "absent; ");
    else if (r.refusal && (r.refusal->quantity != want.refused || r.refusal->fault != want.fault))
        os << "refused quantity " << int(r.refusal->quantity) << " fault " << int(r.refusal->fault) << ", not "
           << int(want.refused) << " fault " << int(want.fault);
    return os.str();
}

} // namespace retencion::test
