#include "cases/worked_examples.h"

#include "cases/field_table.h"

namespace retencion {
namespace {

using C = CalculationType;

// Cases A and B share the charts' own hydrograph, Ip = 10 m³/s with its
// peak at 20 or 30 min.
const WorkedExample kExamples[] = {
    {"A1", "Superficie con salida por orificio", "AOption1 AOption4",
     CaseAInput{.ip = 10,
                .tp = 1200,
                .tb = 3600,
                .dl = 1,
                .ck = 0.6,
                .given = 3,
                .calculation = C::Surface,
                .outlet = CaseAOutlet::Orifice},
     "ARES=5529.4 AH=2.07"},
    {"A2", "Superficie con salida por vertedero", "AOption1 AOption3",
     CaseAInput{.ip = 10,
                .tp = 1200,
                .tb = 3600,
                .dl = 2,
                .ck = 1.8,
                .given = 3,
                .calculation = C::Surface,
                .outlet = CaseAOutlet::Weir},
     "ARES=38855.34 AH=.89"},
    {"B1", "Superficie con un conducto rectangular", "BOption1 BOption3",
     CaseBInput{.ip = 10,
                .tp = 1800,
                .qb = 1,
                .size = 2,
                .n = 0,
                .given = 7,
                .conduit = OutletConduit::Rectangular,
                .calculation = C::Surface},
     "BRES=3875. BH=2.15"},
    {"B2", "Superficie con dos conductos circulares", "BOption1 BOption4",
     CaseBInput{.ip = 10,
                .tp = 1800,
                .qb = 1,
                .size = 1,
                .n = 2,
                .given = 7,
                .conduit = OutletConduit::Circular,
                .calculation = C::Surface},
     "BRES=2144. BH=5.49"},
    {"C1", "Superficie con salida sumergida", "COption1",
     CaseCInput{.ip = 20, .tp = 3600, .b = 3, .ho = 0.6, .given = 5, .calculation = C::Surface}, "CRES=13385. CH=2.27"},
    {"D1", "Volumen en derivación", "DOption1", CaseDInput{.ip = 25, .tp = 3600, .given = 15, .calculation = C::Volume},
     "DRES=38936."},
    {"E1", "Superficie en derivación con interacción", "EOption1",
     CaseEInput{.ip = 30, .tp = 3600, .b = 3, .ho = 1, .l = 1, .given = 10, .calculation = C::Surface},
     "ERES=4032 EH=4.03"},
};

} // namespace

std::span<const WorkedExample> workedExamples()
{
    return kExamples;
}

const WorkedExample* workedExample(std::string_view id)
{
    for (const WorkedExample& e : kExamples)
        if (id == e.id) return &e;
    return nullptr;
}

std::vector<TypedValue> typedValues(const CaseInput& input)
{
    std::vector<TypedValue> out;
    const CaseFields& fields = fieldsOf(input);
    for (const InputField& f : fields.inputs) {
        if (inputField(input, f.control) != &f) continue; // another meaning of the field holds
        const double v = f.slot.get(input);
        out.push_back({f.control, f.minutes ? v / 60 : v});
    }
    return out;
}

} // namespace retencion
