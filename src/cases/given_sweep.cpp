#include "cases/given_sweep.h"

#include "cases/field_table.h"

#include <cmath>

namespace retencion {
namespace {

// The surface or volume given for an outflow calculation, over the studied
// range its engine holds it to.
GivenSweep overOwnRange(const CaseInput& input)
{
    for (const InputField& f : fieldsOf(input).inputs)
        if (f.range && (f.quantity == Quantity::GivenSurface || f.quantity == Quantity::GivenVolume)) {
            const StudiedRange range = f.range(input);
            if (range.low && range.high) return {range.low->value, range.high->value, true};
        }
    return {};
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
    // A case whose given value has no studied range of its own says how far
    // to sweep it.
    return std::visit(
        [&input](const auto& in) -> GivenSweep {
            if constexpr (requires { caseOutflowSweep(in); })
                return caseOutflowSweep(in);
            else
                return overOwnRange(input);
        },
        input);
}

} // namespace retencion
