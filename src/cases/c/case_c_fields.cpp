// Case C's fields: the hydrograph (Ip, Tp), the submerged outlet conduit
// (B, ho) and the given value, with the surface or outflow peak and the
// height found.

#include "cases/c/case_c_charts.h"
#include "cases/field_table.h"

namespace retencion {
namespace {

using C = CalculationType;
using namespace case_c;

// clang-format off
constexpr InputField kInputs[] = {
    {.control = "CIP", .symbol = "Ip", .meaning = meaning::kInflowPeak, .unit = "m³/s",
     .quantity = Quantity::InflowPeak, .slot = slot<&CaseCInput::ip>, .column = "Ip", .range = fixed<kInflowPeakRange>},
    {.control = "CTP", .symbol = "Tp", .meaning = meaning::kPeakTime,
     .unit = "min.", .quantity = Quantity::PeakTime, .slot = slot<&CaseCInput::tp>, .column = "Tp",
     .range = fixed<kPeakTimeRange>, .minutes = true},
    {.control = "CB", .symbol = "B", .meaning = meaning::kConduitWidth, .unit = "m",
     .quantity = Quantity::ConduitWidth, .slot = slot<&CaseCInput::b>, .column = "B",
     .range = fixed<kConduitWidthRange>},
    {.control = "CHO", .symbol = "ho", .meaning = "Altura de la apertura del conducto de salida", .unit = "m",
     .quantity = Quantity::OpeningHeight, .slot = slot<&CaseCInput::ho>, .column = "ho",
     .range = fixed<kOpeningHeightRange>},
    // The target outflow peak is held through Qp/Ip, not on its own.
    {.control = "CINC", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .quantity = Quantity::GivenOutflow, .slot = slot<&CaseCInput::given>, .when = {.calculations = only(C::Surface)},
     .column = "Qp"},
    {.control = "CINC", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .quantity = Quantity::GivenSurface, .slot = slot<&CaseCInput::given>, .when = {.calculations = only(C::Outflow)},
     .column = "S", .range = fixed<kSurfaceRange>},
};

constexpr ResultField kResults[] = {
    {.control = "CRES", .symbol = "Sup", .meaning = meaning::kSurface, .unit = "m²",
     .mask = caseCMasks(C::Surface).main, .when = {.calculations = only(C::Surface)}},
    {.control = "CRES", .symbol = "Qp", .meaning = meaning::kOutflowPeak, .unit = "m³/s",
     .mask = caseCMasks(C::Outflow).main, .when = {.calculations = only(C::Outflow)}},
    {.control = "CH", .symbol = "H", .meaning = meaning::kDepth, .unit = "m",
     .mask = caseCMasks(C::Surface).height, .height = true},
};
// clang-format on

constexpr CaseFields kFields{.letter = kLetterOf<CaseCInput>, .first = C::Surface, .inputs = kInputs, .results = kResults,
                            .description = "Depósitos de Retención sin derivación con salida sumergida y considerando la influencia del conducto de salida"};

} // namespace

const CaseFields& caseCFields()
{
    return kFields;
}

} // namespace retencion
