#include "cases/given_sweep.h"

#include "cases/a/case_a_charts.h"
#include "cases/b/case_b_charts.h"
#include "cases/c/case_c_charts.h"
#include "cases/d/case_d_charts.h"
#include "cases/e/case_e_charts.h"

#include <cmath>
#include <type_traits>

namespace retencion {
namespace {

GivenSweep over(const StudiedRange& range)
{
    return {range.low->value, range.high->value, true};
}

} // namespace

double GivenSweep::at(double t) const
{
    return logarithmic ? low * std::pow(high / low, t) : low + (high - low) * t;
}

GivenSweep givenSweep(const CaseInput& input)
{
    const double ip = std::visit([](const auto& in) { return in.ip; }, input);
    if (calculationOf(input) != CalculationType::Outflow) {
        // Case B's hydrograph never falls below its base flow.
        const double low = std::holds_alternative<CaseBInput>(input) ? std::get<CaseBInput>(input).qb : 0;
        return {low, ip, false};
    }
    return std::visit(
        [](const auto& in) -> GivenSweep {
            using T = std::decay_t<decltype(in)>;
            if constexpr (std::is_same_v<T, CaseAInput>) return over(case_a::kSurfaceRange);
            if constexpr (std::is_same_v<T, CaseBInput>) return over(case_b::kSurfaceRange);
            if constexpr (std::is_same_v<T, CaseCInput>) return over(case_c::kSurfaceRange);
            // W = V/Tp, studied up to a limit and with none below: from 0.2 to
            // a quarter past the limit.
            if constexpr (std::is_same_v<T, CaseDInput>)
                return {0.2 * in.tp, case_d::kVolumeRateRange.high->value * 1.25 * in.tp, true};
            // x = (S/Tp)·(L/ho)^0.3: from half its studied low to half again
            // its studied high.
            if constexpr (std::is_same_v<T, CaseEInput>) {
                const double perX = in.tp / std::pow(in.l / in.ho, 0.3);
                const auto& x = case_e::kReducedSurfaceRange;
                return {x.low->value / 2 * perX, x.high->value * 1.5 * perX, true};
            }
        },
        input);
}

} // namespace retencion
