// Case A's entries in the list of cases (cases/case_entry.h): its worked
// examples, the quantities it derives and holds to its charts.

#include "cases/a/case_a.h"

#include "cases/a/case_a_charts.h"
#include "cases/worked_examples.h"

namespace retencion {
namespace {

using C = CalculationType;
using Q = Quantity;
using namespace case_a;

// Cases A and B share the charts' own hydrograph, Ip = 10 m³/s with its
// peak at 20 min.
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
};

const DerivedRange kDerived[] = {
    {Q::HydrographRatio, kRatioRange},
    {Q::FlowRatio, kFlowRatioRange},
    {Q::OutletParameter, kOutletParameterRange},
};

} // namespace

const CaseEntries& caseEntries(const CaseAInput&)
{
    static const CaseEntries kEntries{caseAFields(), kExamples, kDerived};
    return kEntries;
}

} // namespace retencion
