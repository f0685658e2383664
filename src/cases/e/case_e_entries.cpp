// Case E's entries in the list of cases (cases/case_entry.h): its worked
// examples, the quantities it derives and holds to its charts,
// and how far the sizing curve sweeps the surface or volume it is given.

#include "cases/e/case_e.h"

#include "cases/e/case_e_charts.h"
#include "cases/given_sweep.h"
#include "cases/worked_examples.h"

#include <cmath>

namespace retencion {
namespace {

using C = CalculationType;
using Q = Quantity;
using namespace case_e;

const WorkedExample kExamples[] = {
    {"E1", "Superficie en derivación con interacción", "EOption1",
     CaseEInput{.ip = 30, .tp = 3600, .b = 3, .ho = 1, .l = 1, .given = 10, .calculation = C::Surface},
     "ERES=4032 EH=4.03"},
};

const DerivedRange kDerived[] = {
    {Q::FlowRatio, kFlowRatioRange},
    {Q::ReducedSurface, kReducedSurfaceRange},
    {Q::DepthIndex, kDepthIndexRange},
};

} // namespace

const CaseEntries& caseEntries(const CaseEInput&)
{
    static const CaseEntries kEntries{caseEFields(), kExamples, kDerived};
    return kEntries;
}

// x = (S/Tp)·(L/ho)^0.3: from half its studied low to half again its
// studied high.
GivenSweep caseOutflowSweep(const CaseEInput& input)
{
    const double perX = input.tp / std::pow(input.l / input.ho, 0.3);
    const auto& x = kReducedSurfaceRange;
    return {x.low->value / 2 * perX, x.high->value * 1.5 * perX, true};
}

} // namespace retencion
