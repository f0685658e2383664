// Case D's entries in the list of cases: its worked examples
// and the quantities it derives, each from what its engine and charts hold.

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

std::span<const WorkedExample> caseExamples(const CaseDInput&)
{
    return kExamples;
}

std::span<const DerivedRange> caseDerivedRanges(const CaseDInput&)
{
    return kDerived;
}

// W = V/Tp, studied up to a limit and with none below: from 0.2 to a
// quarter past the limit.
GivenSweep caseOutflowSweep(const CaseDInput& input)
{
    return {0.2 * input.tp, kVolumeRateRange.high->value * 1.25 * input.tp, true};
}

} // namespace retencion
