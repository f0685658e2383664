// Case B's entries in the list of cases (cases/case_entry.h): its worked
// examples, the quantities it derives and holds to its charts.

#include "cases/b/case_b.h"

#include "cases/b/case_b_charts.h"
#include "cases/worked_examples.h"

namespace retencion {
namespace {

using C = CalculationType;
using Q = Quantity;
using namespace case_b;

// Cases A and B share the charts' own hydrograph, Ip = 10 m³/s with its
// peak at 30 min.
const WorkedExample kExamples[] = {
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
};

const DerivedRange kDerived[] = {
    {Q::BaseFlowRatio, kRatioRange},
    {Q::PeakReduction, kPeakReductionRange},
    {Q::SurfaceCoefficient, kSurfaceCoefficientRange},
    {Q::DepthParameter, kDepthParameterRange},
};

} // namespace

const CaseEntries& caseEntries(const CaseBInput&)
{
    static const CaseEntries kEntries{caseBFields(), kExamples, kDerived};
    return kEntries;
}

} // namespace retencion
