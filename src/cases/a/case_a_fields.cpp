// Case A's fields: the hydrograph (Ip, Tp, Tb), the outlet (D or L, Ck) and
// the given value, with the surface or outflow peak and the head found.

#include "cases/a/case_a_charts.h"
#include "cases/field_table.h"

namespace retencion {
namespace {

using C = CalculationType;
using namespace case_a;

// clang-format off
constexpr InputField kInputs[] = {
    {.control = "AIP", .symbol = "Ip", .meaning = meaning::kInflowPeak, .unit = "m³/s",
     .quantity = Quantity::InflowPeak, .slot = slot<&CaseAInput::ip>, .column = "Ip", .range = fixed<kInflowPeakRange>},
    {.control = "ATP", .symbol = "Tp", .meaning = meaning::kPeakTime,
     .unit = "min.", .quantity = Quantity::PeakTime, .slot = slot<&CaseAInput::tp>, .column = "Tp",
     .range = fixed<kPeakTimeRange>, .minutes = true},
    {.control = "ATB", .symbol = "Tb", .meaning = "Tiempo base del hidrograma de entrada", .unit = "min.",
     .quantity = Quantity::BaseTime, .slot = slot<&CaseAInput::tb>, .column = "Tb",
     .range = [](const CaseInput& in) { return baseTimeRange(std::get<CaseAInput>(in).tp); }, .minutes = true},
    {.control = "ADL", .symbol = "D", .meaning = "Diámetro del orificio de salida", .unit = "m",
     .quantity = Quantity::OrificeDiameter, .slot = slot<&CaseAInput::dl>, .when = {.outlets = only(Outlet::Orifice)},
     .column = "D", .range = fixed<kOutletSizeRange>, .toolTip = "Diametro del orificio de salida"},
    {.control = "ADL", .symbol = "L", .meaning = "Longitud del vertedero", .unit = "m",
     .quantity = Quantity::WeirLength, .slot = slot<&CaseAInput::dl>, .when = {.outlets = only(Outlet::Weir)},
     .column = "L", .range = fixed<kOutletSizeRange>},
    // With no outlet chosen the file reads D, or L if only L is filled.
    {.control = "ADL", .symbol = "D/L", .meaning = "Diámetro del orificio o longitud del vertedero de salida",
     .unit = "m", .quantity = Quantity::OutletSize, .slot = slot<&CaseAInput::dl>,
     .when = {.outlets = only(Outlet::None)}, .range = fixed<kOutletSizeRange>},
    {.control = "ACK", .symbol = "Ck", .meaning = "Coeficiente de descarga", .unit = "",
     .quantity = Quantity::DischargeCoef, .slot = slot<&CaseAInput::ck>, .column = "Ck",
     .range = fixed<kDischargeCoefRange>},
    {.control = "AINC", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .quantity = Quantity::GivenOutflow, .slot = slot<&CaseAInput::given>, .when = {.calculations = only(C::Surface)},
     .column = "Qp", .range = [](const CaseInput& in) { return givenOutflowRange(std::get<CaseAInput>(in).ip); }},
    {.control = "AINC", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .quantity = Quantity::GivenSurface, .slot = slot<&CaseAInput::given>, .when = {.calculations = only(C::Outflow)},
     .column = "S", .range = fixed<kSurfaceRange>},
};

constexpr ResultField kResults[] = {
    {.control = "ARES", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .mask = caseAMasks(C::Surface).main, .when = {.calculations = only(C::Surface)}},
    {.control = "ARES", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .mask = caseAMasks(C::Outflow).main, .when = {.calculations = only(C::Outflow)}},
    {.control = "AH", .symbol = "H", .meaning = "Altura de agua sobre el orificio", .unit = "m",
     .mask = caseAMasks(C::Surface).height,
     .when = {.calculations = only(C::Surface, C::Outflow), .outlets = only(Outlet::Orifice)}, .height = true},
    {.control = "AH", .symbol = "H", .meaning = "Altura de agua sobre el vertedero, por la ley Q = Ck·L·H^1,5",
     .unit = "m", .mask = caseAMasks(C::Surface).height,
     .when = {.calculations = only(C::Surface, C::Outflow), .outlets = only(Outlet::Weir)}, .height = true},
};
// clang-format on

constexpr OutletOption kOutlets[] = {
    {.control = "AOption4", .text = {"Salida tipo orificio", 'O'}, .outlet = Outlet::Orifice},
    {.control = "AOption3", .text = {"Salida tipo vertedero", 'V'}, .outlet = Outlet::Weir},
};

constexpr CaseFields kFields{.letter = kLetterOf<CaseAInput>, .first = C::Surface, .inputs = kInputs, .results = kResults,
                            .description = "Depósitos de Retención sin derivación y sin considerar la influencia del conducto de salida",
                            .outletGroup = "Tipo de Salida",
                            .outlets = kOutlets};

} // namespace

const CaseFields& caseAFields()
{
    return kFields;
}

} // namespace retencion
