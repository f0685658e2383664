// Case B's fields: the hydrograph (Ip, Tp, Qb), the conduit (B, or D and N)
// and the given value, with the surface or outflow peak and the depth found.

#include "cases/b/case_b_charts.h"
#include "cases/field_table.h"

namespace retencion {
namespace {

using C = CalculationType;
using namespace case_b;

const CaseBInput& b(const CaseInput& in)
{
    return std::get<CaseBInput>(in);
}

// clang-format off
constexpr InputField kInputs[] = {
    {.control = "BIP", .symbol = "Ip", .meaning = meaning::kInflowPeak, .unit = "m³/s",
     .quantity = Quantity::InflowPeak, .slot = slot<&CaseBInput::ip>, .column = "Ip", .range = fixed<kInflowPeakRange>},
    {.control = "BTP", .symbol = "Tp", .meaning = meaning::kPeakTime,
     .unit = "min.", .quantity = Quantity::PeakTime, .slot = slot<&CaseBInput::tp>, .column = "Tp",
     .range = fixed<kPeakTimeRange>, .minutes = true},
    {.control = "BQB", .symbol = "Qb", .meaning = "Caudal base del hidrograma de entrada", .unit = "m³/s",
     .quantity = Quantity::BaseFlow, .slot = slot<&CaseBInput::qb>, .column = "Qb",
     .range = [](const CaseInput& in) { return baseFlowRange(b(in).ip); }},
    {.control = "BD", .symbol = "B", .meaning = "Ancho del conducto rectangular de salida", .unit = "m",
     .quantity = Quantity::ConduitWidth, .slot = slot<&CaseBInput::size>,
     .when = {.outlets = only(Outlet::Rectangular)}, .column = "B", .range = fixed<kConduitSizeRange>},
    {.control = "BD", .symbol = "D", .meaning = "Diámetro de cada conducto circular de salida", .unit = "m",
     .quantity = Quantity::ConduitDiameter, .slot = slot<&CaseBInput::size>,
     .when = {.outlets = only(Outlet::Circular)}, .column = "D", .range = fixed<kConduitSizeRange>},
    // With no conduit chosen the form asks for B, and the file reads B, or D
    // if only D is filled.
    {.control = "BD", .symbol = "B", .meaning = meaning::kConduitWidth, .unit = "m",
     .quantity = Quantity::ConduitWidth, .slot = slot<&CaseBInput::size>, .when = {.outlets = only(Outlet::None)},
     .range = fixed<kConduitSizeRange>},
    // A whole number of conduits, read only with circular ones.
    {.control = "BN", .symbol = "N", .meaning = "Número de conductos circulares de salida", .unit = "",
     .quantity = Quantity::ConduitCount, .slot = slot<&CaseBInput::n>, .when = {.outlets = only(Outlet::Circular)},
     .column = "N", .range = fixed<kCircularCountRange>},
    {.control = "BINC", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .quantity = Quantity::GivenOutflow, .slot = slot<&CaseBInput::given>, .when = {.calculations = only(C::Surface)},
     .column = "Qp", .range = [](const CaseInput& in) { return outflowRange(b(in).qb, b(in).ip); }},
    {.control = "BINC", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .quantity = Quantity::GivenSurface, .slot = slot<&CaseBInput::given>, .when = {.calculations = only(C::Outflow)},
     .column = "S", .range = fixed<kSurfaceRange>},
};

constexpr ResultField kResults[] = {
    {.control = "BRES", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .mask = caseBMasks(C::Surface).main, .when = {.calculations = only(C::Surface)}},
    {.control = "BRES", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .mask = caseBMasks(C::Outflow).main, .when = {.calculations = only(C::Outflow)}},
    {.control = "BH", .symbol = "H", .meaning = meaning::kDepth, .unit = "m",
     .mask = caseBMasks(C::Surface).height, .when = {.calculations = only(C::Surface, C::Outflow)},
     .height = true},
};
// clang-format on

constexpr OutletOption kOutlets[] = {
    {.control = "BOption4", .text = {"Conducto Circular", 'I'}, .outlet = Outlet::Circular},
    {.control = "BOption3", .text = {"Conducto Rectangular", 'R'}, .outlet = Outlet::Rectangular},
};

constexpr CaseFields kFields{.letter = kLetterOf<CaseBInput>, .first = C::Surface, .inputs = kInputs, .results = kResults,
                            .description = "Depósitos de Retención sin derivación, con salida libre y considerando la influencia del conducto de salida",
                            .outletGroup = "Tipo de Conducto de Salida",
                            .outlets = kOutlets};

} // namespace

const CaseFields& caseBFields()
{
    return kFields;
}

} // namespace retencion
