// Case D's entries in the list of cases (cases/case_entry.h): its worked
// examples, the quantities it derives and holds to its charts,
// and how far the sizing curve sweeps the surface or volume it is given.

#include "cases/d/case_d.h"

#include "cases/d/case_d_charts.h"
#include "cases/given_sweep.h"
#include "cases/worked_examples.h"

namespace retencion {
namespace {

using C = CalculationType;
using Q = Quantity;
using namespace case_d;

const WorkedExample kExamples[] = {
    {"D1", "Volumen en derivación", "DOption1", CaseDInput{.ip = 25, .tp = 3600, .given = 15, .calculation = C::Volume},
     "DRES=38936."},
};

const DerivedRange kDerived[] = {
    {Q::PeakReduction, kPeakReductionRange},
    {Q::VolumeRate, kVolumeRateRange},
};

} // namespace

const CaseEntries& caseEntries(const CaseDInput&)
{
    static const CaseEntries kEntries{caseDFields(), kExamples, kDerived};
    return kEntries;
}

// W = V/Tp, studied up to a limit and with none below: from 0.2 to a
// quarter past the limit.
GivenSweep caseOutflowSweep(const CaseDInput& input)
{
    return {0.2 * input.tp, kVolumeRateRange.high->value * 1.25 * input.tp, true};
}

} // namespace retencion
