// Case C's entries in the list of cases: its worked examples
// and the quantities it derives, each from what its engine and charts hold.

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

std::span<const WorkedExample> caseExamples(const CaseCInput&)
{
    return kExamples;
}

std::span<const DerivedRange> caseDerivedRanges(const CaseCInput&)
{
    return kDerived;
}

} // namespace retencion
