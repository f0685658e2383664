// Case D's fields: the hydrograph (Ip, Tp) and the given value, with the
// volume or outflow peak found; case D has no height.

#include "cases/d/case_d_charts.h"
#include "cases/field_table.h"

namespace retencion {
namespace {

using C = CalculationType;
using namespace case_d;

// clang-format off
constexpr InputField kInputs[] = {
    {.control = "DIP", .symbol = "Ip", .meaning = meaning::kInflowPeak, .unit = "m³/s",
     .quantity = Quantity::InflowPeak, .slot = slot<&CaseDInput::ip>, .column = "Ip", .range = fixed<kInflowPeakRange>},
    {.control = "DTP", .symbol = "Tp", .meaning = meaning::kPeakTime,
     .unit = "min.", .quantity = Quantity::PeakTime, .slot = slot<&CaseDInput::tp>, .column = "Tp",
     .range = fixed<kPeakTimeRange>, .minutes = true},
    // Both given values are held through what they make with Ip and Tp.
    {.control = "DINC", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .quantity = Quantity::GivenOutflow, .slot = slot<&CaseDInput::given>, .when = {.calculations = only(C::Volume)},
     .column = "Qp"},
    {.control = "DINC", .symbol = "Vol", .meaning = meaning::kVolume, .unit = "m³",
     .quantity = Quantity::GivenVolume, .slot = slot<&CaseDInput::given>, .when = {.calculations = only(C::Outflow)},
     .column = "V"},
};

constexpr ResultField kResults[] = {
    {.control = "DRES", .symbol = "Vol", .meaning = meaning::kVolume, .unit = "m³",
     .mask = caseDMasks(C::Volume).main, .when = {.calculations = only(C::Volume)}},
    {.control = "DRES", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .mask = caseDMasks(C::Outflow).main, .when = {.calculations = only(C::Outflow)}},
};
// clang-format on

constexpr CaseFields kFields{.letter = kLetterOf<CaseDInput>, .first = C::Volume, .inputs = kInputs, .results = kResults,
                            .description = "Depósitos de Retención con derivación y sin considerar la interacción depósito red",
                            .firstCalculation = {"Cálculo del Volumen del Depósito", 'V'}};

} // namespace

const CaseFields& caseDFields()
{
    return kFields;
}

} // namespace retencion
