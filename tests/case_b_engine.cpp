#include "cases/b/case_b_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace retencion {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
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

// Tolerances are half a unit in the last digit given for each value.
struct Computed {
    std::string name;
    CaseBInput in;
    double main = 0, mainTol = 0, h = 0, hTol = 0;
};

class CaseBComputes : public testing::TestWithParam<Computed> {};

TEST_P(CaseBComputes, MainAndDepth)
{
    const auto& p = GetParam();
    const auto res = CaseBEngine(p.in);
    ASSERT_EQ(res.outcome, Outcome::Computed);
    ASSERT_TRUE(res.main && res.h && !res.refusal);
    EXPECT_NEAR(*res.main, p.main, p.mainTol);
    EXPECT_NEAR(*res.h, p.h, p.hTol);
}

const auto rowName = [](const auto& info) { return info.param.name; };

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CaseBComputes,
    testing::Values(
        Computed{"RectSurfaceRatioOnCurve3Alone", rect(10, 30, 1, 2, S, 7), 3874.92, 5e-3, 2.1528, 5e-5},
        Computed{"RectOutflowGivesBackQp", rect(10, 30, 1, 2, O, 3874.92), 7.000, 5e-4, 2.1528, 5e-5},
        Computed{"RectSurfaceBetweenCurves3And4", rect(10, 30, 1.2, 2, S, 7), 3172.04, 5e-3, 2.2322, 5e-5},
        Computed{"RectSurfaceTopRatioCurve5Alone", rect(10, 30, 2, 2, S, 7), 1697.48, 5e-3, 2.5424, 5e-5},
        // By hand on curve 1 between x = 29.2634 and 32.3045: y = 7.78765.
        Computed{"RectSurfaceBottomRatioCurve1Alone", rect(10, 30, 0.5, 2, S, 7), 10543.05, 5e-3, 1.7627, 5e-5},
        // y = 4.07428 on curve 4 alone (r = 0.15 takes the bracket above it).
        Computed{"RectSurfaceInnerRatioCurve4Alone", rect(10, 30, 1.5, 2, S, 7), 2419.75, 5e-3, 2.3395, 5e-5},
        Computed{"RectOutflow", rect(10, 30, 1, 2, O, 4000), 6.93836, 5e-6, 2.1402, 5e-5},
        Computed{"CircSurface", circ(10, 30, 1, 1, 2, S, 7), 2144.21, 5e-3, 5.4919, 5e-5},
        Computed{"CircOutflowGivesBackQp", circ(10, 30, 1, 1, 2, O, 2144.21), 7.000, 5e-4, 5.4919, 5e-5}),
    rowName);

// Values on the bounds of every check are accepted.
INSTANTIATE_TEST_SUITE_P(
    BoundsAccepted, CaseBComputes,
    testing::Values(Computed{"Ip100", circ(100, 30, 10, 1, 2, S, 70), 2144.21, 5e-3, 46.920, 5e-4},
                    Computed{"Tp166_66min", circ(10, 166.66, 1, 1, 2, S, 7), 7121.375, 5e-4, 6.8421, 5e-5},
                    Computed{"QbEqualsIpAndQpEqualsIpCircular", circ(10, 30, 10, 1, 2, S, 10),
                             2 * std::pow(1800, 0.7) * std::exp(23.414 / 18.535), 1e-9, 6.7034, 5e-5},
                    Computed{"NZeroWithRectangularUnused", rect(10, 30, 1, 2, S, 7, 0), 3874.92, 5e-3, 2.1528, 5e-5},
                    Computed{"N30WithRectangular", rect(10, 30, 1, 2, S, 7, 30), 3874.92, 5e-3, 2.1528, 5e-5},
                    Computed{"x10", rect(10, 30, 1, 2, S, 9), 1122.508, 5e-4, 2.7850, 5e-5},
                    Computed{"x52", rect(25, 30, 2.5, 10, S, 12), 7302.007, 5e-4, 1.6200, 5e-5},
                    Computed{"y2", rect(8, 30, 1, 2, O, 1800), 6.75321, 5e-5, 2.1472, 5e-5},
                    Computed{"y15", rect(8, 30, 1, 2, O, 13500), 3.49140, 5e-5, 1.4361, 5e-5},
                    Computed{"Sup50Circular", circ(10, 1, 1, 0.1, 1, O, 50), 4.00091, 5e-5, 110.959, 5e-4},
                    Computed{"Sup1e6Circular", atTp(circ(10, 0, 1, 10, 30, O, 1e6), 10000), 7.12235, 5e-5, 0.89215,
                             5e-5},
                    // w = 128·Tp/S exactly; the depth chart begins at w = 7.
                    Computed{"wJustAbove7", atTp(rect(4, 0, 0.25, 1, O, 12800), 701), 2.17832, 5e-5, 0.99037, 5e-5},
                    // w = 2^21·3125/2048/32 = 100000 exactly.
                    Computed{"w100000", atTp(rect(64, 0, 4, 4, O, 2048), 3125), 43.6712, 5e-4, 7.6767, 5e-4},
                    // Read in lg w: a node gives its own depth, the geometric mean of two
                    // nodes the mean of their depths.
                    Computed{"wOnNode19", atTp(rect(4, 0, 0.25, 1, O, 12800), 1900), 3.11615, 5e-5, 1.25, 1e-12},
                    Computed{"wGeometricMeanOf7And19", atTp(rect(4, 0, 0.25, 1, O, 12800), 100 * std::sqrt(133.0)),
                             2.67547, 5e-5, 1.12, 1e-9}),
    rowName);

struct Refused {
    std::string name;
    CaseBInput in;
    Quantity quantity;
    StudiedRange range;
    std::optional<double> main = {}; // the main result found before the depth failed
};

bool sameLimit(const std::optional<Limit>& a, const std::optional<Limit>& b)
{
    return a.has_value() == b.has_value() && (!a || (a->value == b->value && a->included == b->included));
}

class CaseBRefuses : public testing::TestWithParam<Refused> {};

TEST_P(CaseBRefuses, NamesTheFailingCheck)
{
    const auto& p = GetParam();
    const auto res = CaseBEngine(p.in);
    ASSERT_EQ(res.outcome, Outcome::OutOfStudiedRange);
    ASSERT_TRUE(res.refusal);
    EXPECT_EQ(res.refusal->quantity, p.quantity);
    EXPECT_EQ(res.refusal->fault, Fault::OutsideStudiedRange);
    EXPECT_TRUE(sameLimit(res.refusal->range.low, p.range.low) && sameLimit(res.refusal->range.high, p.range.high));
    EXPECT_FALSE(res.h);
    ASSERT_EQ(res.main.has_value(), p.main.has_value());
    if (p.main) {
        EXPECT_NEAR(*res.main, *p.main, 5e-6 * *p.main);
    }
}

const auto kIp = StudiedRange::openClosed(0, 100);
const auto kTp = StudiedRange::openClosed(0, 10000);
const auto kQb = StudiedRange::openClosed(0, 10);
const auto kSize = StudiedRange::openClosed(0, 10);
const auto kN = StudiedRange::closed(0, 30);
const auto kR = StudiedRange::closed(0.05, 0.2);
const auto kQp = StudiedRange::closed(1, 10); // Qb = 1, Ip = 10
const auto kX = StudiedRange::closed(10, 52);
const auto kSup = StudiedRange::closed(50, 1000000);
const auto kY = StudiedRange::closed(2, 15);
const auto kW = StudiedRange::openClosed(7, 100000);
const auto kCircularN = StudiedRange::openClosed(0, 30);

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Checks, CaseBRefuses,
    testing::Values(
        Refused{"IpZeroAsEmptyField", rect(0, 30, 1, 2, S, 7), Q::InflowPeak, kIp},
        Refused{"IpJustAbove100", circ(100.001, 30, 1, 1, 2, S, 7), Q::InflowPeak, kIp},
        Refused{"TpZero", circ(10, 0, 1, 1, 2, S, 7), Q::PeakTime, kTp},
        Refused{"Tp167min", circ(10, 167, 1, 1, 2, S, 7), Q::PeakTime, kTp},
        Refused{"QbZero", circ(10, 30, 0, 1, 2, S, 7), Q::BaseFlow, kQb},
        Refused{"QbAboveIp", circ(10, 30, 10.01, 1, 2, S, 7), Q::BaseFlow, kQb},
        Refused{"WidthZero", rect(10, 30, 1, 0, S, 7), Q::ConduitWidth, kSize},
        Refused{"DiameterAbove10", circ(10, 30, 1, 10.01, 2, S, 7), Q::ConduitDiameter, kSize},
        Refused{"SizeAbove10NoConduitIsWidth", {10, 1800, 1, 10.01, 0, 7, OutletConduit::None, S}, Q::ConduitWidth, kSize},
        Refused{"NNegative", circ(10, 30, 1, 1, -0.5, S, 7), Q::ConduitCount, kN},
        Refused{"HiddenN31Rectangular", rect(10, 30, 1, 2, S, 7, 31), Q::ConduitCount, kN},
        Refused{"N31NoConduit", {10, 1800, 1, 2, 31, 7, OutletConduit::None, None}, Q::ConduitCount, kN},
        Refused{"RatioOneRectangular", rect(10, 30, 10, 2, S, 10), Q::BaseFlowRatio, kR},
        Refused{"RatioJustBelow005", rect(10, 30, 0.49, 2, S, 7), Q::BaseFlowRatio, kR},
        Refused{"RatioJustAbove02NoCalculation", rect(10, 30, 2.01, 2, None, 7), Q::BaseFlowRatio, kR},
        Refused{"QpBelowQbRectangular", rect(10, 30, 1, 2, S, 0.99), Q::GivenOutflow, kQp},
        Refused{"QpAboveIpCircular", circ(10, 30, 1, 1, 2, S, 10.01), Q::GivenOutflow, kQp},
        Refused{"QpNotANumber", circ(10, 30, 1, 1, 2, S, kNaN), Q::GivenOutflow, kQp},
        Refused{"QpEqualsIpGivesX0", rect(10, 30, 1, 2, S, 10), Q::PeakReduction, kX},
        Refused{"xJustBelow10", rect(10, 30, 1, 2, S, 9.01), Q::PeakReduction, kX},
        Refused{"xJustAbove52", rect(25, 30, 2.5, 10, S, 11.99), Q::PeakReduction, kX},
        Refused{"SupBelow50Rectangular", rect(10, 30, 1, 2, O, 49.99), Q::GivenSurface, kSup},
        Refused{"Sup50PassesOnToY", rect(10, 30, 1, 2, O, 50), Q::SurfaceCoefficient, kY},
        Refused{"SupAbove1e6Circular", circ(10, 30, 1, 1, 2, O, 1000001), Q::GivenSurface, kSup},
        Refused{"yJustBelow2", rect(8, 30, 1, 2, O, 1799), Q::SurfaceCoefficient, kY},
        Refused{"yJustAbove15", rect(8, 30, 1, 2, O, 13501), Q::SurfaceCoefficient, kY},
        // The depth comes last, and the main result stays.
        Refused{"wBelow04KeepsSurface", rect(2, 30, 0.2, 2, S, 1.4), Q::DepthParameter, kW, 28971.8},
        Refused{"wBetween04And7KeepsSurface", rect(3, 30, 0.3, 2, S, 2.1), Q::DepthParameter, kW, 17452.6},
        Refused{"wExactly7KeepsOutflow", atTp(rect(4, 0, 0.25, 1, O, 12800), 700), Q::DepthParameter, kW, 2.17686},
        Refused{"wJustAbove100000KeepsOutflow", atTp(rect(64, 0, 4, 4, O, 2047), 3125), Q::DepthParameter, kW, 43.67844},
        Refused{"CircularNZero", circ(10, 30, 1, 1, 0, S, 7), Q::ConduitCount, kCircularN},
        Refused{"CircularNNegativeZeroNoCalculation", circ(10, 30, 1, 1, -0.0, None, 7), Q::ConduitCount, kCircularN},
        Refused{"CircularOutflowBelowQb", circ(10, 30, 1, 1, 2, O, 1000000), Q::ComputedOutflow, kQp},
        Refused{"CircularOutflowAboveIp", circ(10, 30, 1, 1, 2, O, 50), Q::ComputedOutflow, kQp}),
    rowName);
// clang-format on

class CaseBNothing : public testing::TestWithParam<Computed> {};

TEST_P(CaseBNothing, ReturnsNothing)
{
    const auto res = CaseBEngine(GetParam().in);
    EXPECT_EQ(res.outcome, Outcome::NothingToCompute);
    EXPECT_FALSE(res.main || res.h || res.refusal);
}

// The given value is not an input until a calculation type is chosen.
INSTANTIATE_TEST_SUITE_P(Unselected, CaseBNothing,
                         testing::Values(Computed{"NoConduit", {10, 1800, 1, 2, 0, 7, OutletConduit::None, S}},
                                         Computed{"NoConduitGivenIgnored",
                                                  {10, 1800, 1, 2, 0, -5, OutletConduit::None, O}},
                                         Computed{"RectangularNoCalculation", rect(10, 30, 1, 2, None, kNaN)},
                                         Computed{"CircularNoCalculation", circ(10, 30, 1, 1, 2, None, -5)}),
                         rowName);

} // namespace
} // namespace retencion
