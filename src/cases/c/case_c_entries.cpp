// Case C's entries in the list of cases (cases/case_entry.h): its worked
// examples, the quantities it derives and holds to its charts.

#include "cases/c/case_c.h"

#include "cases/c/case_c_charts.h"
#include "cases/worked_examples.h"

namespace retencion {
namespace {

using C = CalculationType;
using Q = Quantity;
using namespace case_c;

const WorkedExample kExamples[] = {
    {"C1", "Superficie con salida sumergida", "COption1",
     CaseCInput{.ip = 20, .tp = 3600, .b = 3, .ho = 0.6, .given = 5, .calculation = C::Surface}, "CRES=13385. CH=2.27"},
};

const DerivedRange kDerived[] = {
    {Q::FlowRatio, kFlowRatioRange},
    {Q::SurfaceIndex, kSurfaceIndexRange},
};

} // namespace

const CaseEntries& caseEntries(const CaseCInput&)
{
    static const CaseEntries kEntries{caseCFields(), kExamples, kDerived};
    return kEntries;
}

} // namespace retencion
