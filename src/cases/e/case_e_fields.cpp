// Case E's fields: the hydrograph (Ip, Tp), the outlet (B, ho, L) and the
// given value, with the surface or outflow peak and the depth found.

#include "cases/e/case_e_charts.h"
#include "cases/field_table.h"

namespace retencion {
namespace {

using C = CalculationType;
using namespace case_e;

// clang-format off
constexpr InputField kInputs[] = {
    {.control = "EIP", .symbol = "Ip", .meaning = meaning::kInflowPeak, .unit = "m³/s",
     .quantity = Quantity::InflowPeak, .slot = slot<&CaseEInput::ip>, .column = "Ip", .range = fixed<kInflowPeakRange>},
    {.control = "ETP", .symbol = "Tp", .meaning = meaning::kPeakTime,
     .unit = "min.", .quantity = Quantity::PeakTime, .slot = slot<&CaseEInput::tp>, .column = "Tp",
     .range = fixed<kPeakTimeRange>, .minutes = true},
    {.control = "EB", .symbol = "B", .meaning = meaning::kConduitWidth, .unit = "m",
     .quantity = Quantity::ConduitWidth, .slot = slot<&CaseEInput::b>, .column = "B",
     .range = fixed<kConduitWidthRange>, .toolTip = "Ancho de conducto de salida"},
    {.control = "EHO", .symbol = "ho", .meaning = "Altura de la apertura del orificio de salida", .unit = "m",
     .quantity = Quantity::OpeningHeight, .slot = slot<&CaseEInput::ho>, .column = "ho",
     .range = fixed<kOpeningHeightRange>},
    // The charts say of L only how it enters the reduced surface.
    {.control = "EL", .symbol = "L", .meaning = "Longitud del conducto de salida",
     .unit = "m", .quantity = Quantity::Length, .slot = slot<&CaseEInput::l>, .column = "L",
     .range = fixed<kLengthRange>},
    // Both given values are held through what they make with the others.
    {.control = "EINC", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .quantity = Quantity::GivenOutflow, .slot = slot<&CaseEInput::given>, .when = {.calculations = only(C::Surface)},
     .column = "Qp"},
    {.control = "EINC", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .quantity = Quantity::GivenSurface, .slot = slot<&CaseEInput::given>, .when = {.calculations = only(C::Outflow)},
     .column = "S"},
};

constexpr ResultField kResults[] = {
    {.control = "ERES", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .mask = caseEMasks(C::Surface).main, .when = {.calculations = only(C::Surface)}},
    {.control = "ERES", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .mask = caseEMasks(C::Outflow).main, .when = {.calculations = only(C::Outflow)}},
    {.control = "EH", .symbol = "H", .meaning = meaning::kDepth, .unit = "m",
     .mask = caseEMasks(C::Surface).height, .when = {.calculations = only(C::Surface, C::Outflow)},
     .height = true},
};
// clang-format on

constexpr CaseFields kFields{.letter = kLetterOf<CaseEInput>, .first = C::Surface, .inputs = kInputs, .results = kResults,
                            .description = "Depósitos de Retención con derivación, considerando la interacción depósito-red"};

} // namespace

const CaseFields& caseEFields()
{
    return kFields;
}

} // namespace retencion
