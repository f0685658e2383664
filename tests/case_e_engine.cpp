// Case E against its worked examples, chart nodes, the inclusive ends of
// the reduced surface, the depth checked last with the main result kept,
// and the decisions on empty chart segments and surfaces of 0 or less.
#include "engine_rows.h"

#include <gtest/gtest.h>

using namespace retencion;
using namespace retencion::test;

namespace {

constexpr auto S = CalculationType::Surface;
constexpr auto O = CalculationType::Outflow;
using Q = Quantity;

// The node x = 1.40465, r = 0.460994 of the curve B = 2, Ip = 20 (which
// alone weighs at B = 2, Ip = 20), and its depth by hand: y = 1.40465/2 lies
// between rows 7 and 8 of the depth column Ip = 20.
const double kNodeDepth =
    (7.93882 + (1.40465 / 2 - 0.627723) * (9.74213 - 7.93882) / (0.817871 - 0.627723)) * 1000 / 1404.65;
// x = 8 lies past point 14 of the curve B = 2, Ip = 20, the last the search
// may reach: it extrapolates along points 13 and 14.
const double kPastPoint14Qp = 20 * (0.749307 + (8 - 6.57674) * (0.798332 - 0.749307) / (7.85116 - 6.57674));
constexpr auto kOutside = Fault::OutsideStudiedRange;

// Tolerances follow the digits each value is known to; the rows at x = 0.4
// and x = 8 were worked out independently to six figures.
// clang-format off
INSTANTIATE_TEST_SUITE_P(CaseE, EngineRow, testing::Values(
    Row{"SurfaceBetweenAllCurves",                     CaseEInput{30, 3600, 3, 1, 1, 10, S},   gives(4031.93, 0.005, 4.0252, 5e-5)},
    Row{"OutflowBetweenAllCurves",                     CaseEInput{30, 3600, 3, 1, 1, 4000, O}, gives(10.6606, 5e-5, 4.0333, 5e-5)},
    Row{"SurfaceTopOfBothRangesWeighsCurveB5Ip50",     CaseEInput{50, 3600, 5, 1, 1, 20, S},   gives(19938.9, 0.05, 1.3140, 5e-5)},
    Row{"OutflowOnANodeOfCurveB2Ip20ReadsItsRatio",    CaseEInput{20, 1000, 2, 1, 1, 1404.65, O},       gives(20 * 0.460994, 1e-9, kNodeDepth, 1e-9)},
    Row{"SurfaceOnANodeOfCurveB2Ip20ReadsItsAbscissa", CaseEInput{20, 1000, 2, 1, 1, 20 * 0.460994, S}, gives(1404.65, 1e-6, kNodeDepth, 1e-9)},
    Row{"OutflowReducedSurfaceExactly8IsAdmitted",     CaseEInput{50, 3600, 5, 1, 1, 28800, O}, gives(22.76858, 1e-5, 1.18165, 1e-5)},
    Row{"OutflowReducedSurfaceExactly04IsAdmitted",    CaseEInput{20, 3600, 2, 1, 1, 1440, O},  gives(6.30012, 1e-5, 8.77042, 1e-5)},
    Row{"IpCheckedBeforeTp",                           CaseEInput{0, 0, 3, 1, 1, 10, S}, refuses(Q::InflowPeak)},
    // The depth comes last; the main result stays.
    Row{"SurfaceFoundThenDepthBelowOneTenth",          CaseEInput{20, 1800, 2, 0.1, 0.2, 5, S}, refuses(Q::DepthIndex, kOutside, 358.124, 5e-4)},
    // Past the last ratio of the curve B = 4, Ip = 50 the search ends on
    // points 13 and 14, and the empty point 14 reads as (0, 0): a finite,
    // if far-fetched, surface.
    Row{"SurfaceReadsEmptyPoint14OfCurveB4Ip50AsZero", CaseEInput{40, 3600, 3, 1, 1, 28, S},    refuses(Q::DepthIndex, kOutside, 57188.57, 0.005)},
    Row{"OutflowPastPoint14OfCurveB2Ip20",             CaseEInput{20, 3600, 2, 1, 1, 28800, O}, refuses(Q::DepthIndex, kOutside, kPastPoint14Qp, 1e-9)},
    Row{"OutflowDepthNotFiniteKeepsQp",                CaseEInput{30, 1e308, 3, 1, 1, 1.1111e308, O}, refuses(Q::DepthIndex, Fault::NotFinite, 10.66059, 1e-5)},
    // Past the last point of the curve B = 5, Ip = 35 the search ends on two
    // empty points: 0/0, refused before anything is divided, also at B = 4,
    // where that curve weighs nothing.
    Row{"SurfaceOnEmptySegmentOfCurveB5",               CaseEInput{30, 3600, 4.5, 1, 1, 20, S}, refuses(Q::FlowRatio, Fault::ChartHasNoValue)},
    Row{"SurfaceOnEmptySegmentEvenWhenB5WeighsNothing", CaseEInput{30, 3600, 4, 1, 1, 20, S},   refuses(Q::FlowRatio, Fault::ChartHasNoValue)},
    Row{"SurfaceOverflows",                             CaseEInput{30, 1.7e308, 3, 1, 1, 10, S}, refuses(Q::ComputedSurface, Fault::NotFinite)}),
    rowName);
// clang-format on

} // namespace
