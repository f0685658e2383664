// Case B against its worked examples, values on the bounds of every check,
// the order of its checks, and the decisions on its faults. Tolerances are
// half a unit in the last digit given.
#include "engine_rows.h"

#include <gtest/gtest.h>

using namespace retencion;
using namespace retencion::test;

namespace {

constexpr auto S = CalculationType::Surface;
constexpr auto O = CalculationType::Outflow;
constexpr auto None = CalculationType::None;
using Q = Quantity;

// Times as the panel reads them: typed in minutes, used in seconds.
CaseBInput rect(double ip, double tpMin, double qb, double b, CalculationType calc, double given, double n = 0)
{
    return {ip, tpMin * 60, qb, b, n, given, OutletConduit::Rectangular, calc};
}
CaseBInput circ(double ip, double tpMin, double qb, double d, double n, CalculationType calc, double given)
{
    return {ip, tpMin * 60, qb, d, n, given, OutletConduit::Circular, calc};
}
CaseBInput atTp(CaseBInput in, double seconds)
{
    in.tp = seconds;
    return in;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CaseBWorkedExamples, EngineRow, testing::Values(
    Row{"RectSurfaceRatioOnCurve3Alone", rect(10, 30, 1, 2, S, 7), gives(3874.92, 5e-3, 2.1528, 5e-5)},
    Row{"RectOutflowGivesBackQp", rect(10, 30, 1, 2, O, 3874.92), gives(7.000, 5e-4, 2.1528, 5e-5)},
    Row{"RectSurfaceBetweenCurves3And4", rect(10, 30, 1.2, 2, S, 7), gives(3172.04, 5e-3, 2.2322, 5e-5)},
    Row{"RectSurfaceTopRatioCurve5Alone", rect(10, 30, 2, 2, S, 7), gives(1697.48, 5e-3, 2.5424, 5e-5)},
    // By hand on curve 1 between x = 29.2634 and 32.3045: y = 7.78765.
    Row{"RectSurfaceBottomRatioCurve1Alone", rect(10, 30, 0.5, 2, S, 7), gives(10543.05, 5e-3, 1.7627, 5e-5)},
    // y = 4.07428 on curve 4 alone (r = 0.15 takes the bracket above it).
    Row{"RectSurfaceInnerRatioCurve4Alone", rect(10, 30, 1.5, 2, S, 7), gives(2419.75, 5e-3, 2.3395, 5e-5)},
    Row{"RectOutflow", rect(10, 30, 1, 2, O, 4000), gives(6.93836, 5e-6, 2.1402, 5e-5)},
    Row{"CircSurface", circ(10, 30, 1, 1, 2, S, 7), gives(2144.21, 5e-3, 5.4919, 5e-5)},
    Row{"CircOutflowGivesBackQp", circ(10, 30, 1, 1, 2, O, 2144.21), gives(7.000, 5e-4, 5.4919, 5e-5)}),
    rowName);

// Values on the bounds of every check are accepted.
INSTANTIATE_TEST_SUITE_P(CaseBBoundsAccepted, EngineRow, testing::Values(
    Row{"Ip100", circ(100, 30, 10, 1, 2, S, 70), gives(2144.21, 5e-3, 46.920, 5e-4)},
    Row{"QbEqualsIpAndQpEqualsIpCircular", circ(10, 30, 10, 1, 2, S, 10), gives(2 * std::pow(1800, 0.7) * std::exp(23.414 / 18.535), 1e-9, 6.7034, 5e-5)},
    Row{"N30WithRectangular", rect(10, 30, 1, 2, S, 7, 30), gives(3874.92, 5e-3, 2.1528, 5e-5)},
    Row{"x10", rect(10, 30, 1, 2, S, 9), gives(1122.508, 5e-4, 2.7850, 5e-5)},
    Row{"x52", rect(25, 30, 2.5, 10, S, 12), gives(7302.007, 5e-4, 1.6200, 5e-5)},
    Row{"y2", rect(8, 30, 1, 2, O, 1800), gives(6.75321, 5e-5, 2.1472, 5e-5)},
    Row{"y15", rect(8, 30, 1, 2, O, 13500), gives(3.49140, 5e-5, 1.4361, 5e-5)},
    Row{"Sup50Circular", circ(10, 1, 1, 0.1, 1, O, 50), gives(4.00091, 5e-5, 110.959, 5e-4)},
    Row{"Sup1e6Circular", atTp(circ(10, 0, 1, 10, 30, O, 1e6), 10000), gives(7.12235, 5e-5, 0.89215, 5e-5)},
    // w = 128·Tp/S exactly; the depth chart begins at w = 7.
    Row{"wJustAbove7", atTp(rect(4, 0, 0.25, 1, O, 12800), 701), gives(2.17832, 5e-5, 0.99037, 5e-5)},
    // w = 2^21·3125/2048/32 = 100000 exactly.
    Row{"w100000", atTp(rect(64, 0, 4, 4, O, 2048), 3125), gives(43.6712, 5e-4, 7.6767, 5e-4)},
    // Read in lg w: a node gives its own depth, the geometric mean of two nodes the mean of their depths.
    Row{"wOnNode19", atTp(rect(4, 0, 0.25, 1, O, 12800), 1900), gives(3.11615, 5e-5, 1.25, 1e-12)},
    Row{"wGeometricMeanOf7And19", atTp(rect(4, 0, 0.25, 1, O, 12800), 100 * std::sqrt(133.0)), gives(2.67547, 5e-5, 1.12, 1e-9)}),
    rowName);

// The first check that fails is named; the depth comes last, and the main
// result stays when only the depth fails. The given value is no input until
// a calculation type is chosen.
INSTANTIATE_TEST_SUITE_P(CaseBChecks, EngineRow, testing::Values(
    Row{"SizeAbove10NoConduitIsWidth", CaseBInput{10, 1800, 1, 10.01, 0, 7, OutletConduit::None, S}, refuses(Q::ConduitWidth)},
    // N counts circular conduits only: a rectangular conduit, or none, never checks it.
    Row{"N31NoConduitNoCalculation", CaseBInput{10, 1800, 1, 2, 31, 7, OutletConduit::None, None}, nothing()},
    Row{"N31Rectangular", rect(10, 30, 1, 2, S, 7, 31), gives(3874.92, 5e-3, 2.1528, 5e-5)},
    Row{"NFractionRectangular", rect(10, 30, 1, 2, S, 7, 2.5), gives(3874.92, 5e-3, 2.1528, 5e-5)},
    Row{"N31Circular", circ(10, 30, 1, 1, 31, S, 7), refuses(Q::ConduitCount)},
    Row{"NFractionCircular", circ(10, 30, 1, 1, 2.5, S, 7), refuses(Q::ConduitCount, Fault::NotWholeNumber)},
    Row{"NFractionCircularBeforeTheCalculationType", circ(10, 30, 1, 1, 0.5, None, 7), refuses(Q::ConduitCount, Fault::NotWholeNumber)},
    Row{"NWholeAsFractionCircular", circ(10, 30, 1, 1, 2.0, S, 7), gives(2144.21, 5e-3, 5.4919, 5e-5)},
    Row{"RatioAbove02BeforeTheCalculationType", rect(10, 30, 2.01, 2, None, 7), refuses(Q::BaseFlowRatio)},
    Row{"QpAboveIpCircular", circ(10, 30, 1, 1, 2, S, 10.01), refuses(Q::GivenOutflow)},
    Row{"QpEqualsIpPassesOnToX0", rect(10, 30, 1, 2, S, 10), refuses(Q::PeakReduction)},
    Row{"Sup50PassesOnToY", rect(10, 30, 1, 2, O, 50), refuses(Q::SurfaceCoefficient)},
    Row{"SupAbove1e6Circular", circ(10, 30, 1, 1, 2, O, 1000001), refuses(Q::GivenSurface)},
    Row{"wBetween04And7KeepsSurface", rect(3, 30, 0.3, 2, S, 2.1), refuses(Q::DepthParameter, Fault::OutsideStudiedRange, 17452.6, 0.05)},
    Row{"wExactly7KeepsOutflow", atTp(rect(4, 0, 0.25, 1, O, 12800), 700), refuses(Q::DepthParameter, Fault::OutsideStudiedRange, 2.17686, 5e-6)},
    Row{"wJustAbove100000KeepsOutflow", atTp(rect(64, 0, 4, 4, O, 2047), 3125), refuses(Q::DepthParameter, Fault::OutsideStudiedRange, 43.67844, 5e-6)},
    Row{"CircularNZero", circ(10, 30, 1, 1, 0, S, 7), refuses(Q::ConduitCount)},
    Row{"CircularNNegativeZeroBeforeTheCalculationType", circ(10, 30, 1, 1, -0.0, None, 7), refuses(Q::ConduitCount)},
    Row{"CircularOutflowBelowQb", circ(10, 30, 1, 1, 2, O, 1000000), refuses(Q::ComputedOutflow)},
    Row{"CircularOutflowAboveIp", circ(10, 30, 1, 1, 2, O, 50), refuses(Q::ComputedOutflow)},
    Row{"NoConduit", CaseBInput{10, 1800, 1, 2, 0, -5, OutletConduit::None, O}, nothing()},
    Row{"RectangularNoCalculation", rect(10, 30, 1, 2, None, NAN), nothing()},
    Row{"CircularNoCalculation", circ(10, 30, 1, 1, 2, None, -5), nothing()}),
    rowName);
// clang-format on

} // namespace
