#include "cases/d/case_d_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace retencion {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr auto Volume = CalculationType::Volume;
constexpr auto Outflow = CalculationType::Outflow;

template <class Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

// Computed results. The worked volumes are known to 0.1 m³ and the worked
// outflow peaks to 1e-4 m³/s; the rows on bounds and chart points were worked
// by hand from the chart values and are held to 1e-6.
struct ComputedRow {
    std::string name;
    CaseDInput input;
    double expected;
    double tolerance;
};
void PrintTo(const ComputedRow& row, std::ostream* os)
{
    *os << row.name;
}

class CaseDComputes : public testing::TestWithParam<ComputedRow> {};

TEST_P(CaseDComputes, GivesTheMainResultAndNoHeight)
{
    const auto& row = GetParam();
    const CaseDResult result = CaseDEngine(row.input);
    ASSERT_EQ(result.outcome, Outcome::Computed);
    EXPECT_FALSE(result.refusal);
    EXPECT_FALSE(result.h);
    ASSERT_TRUE(result.main);
    EXPECT_NEAR(*result.main, row.expected, row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CaseDComputes,
    testing::Values(ComputedRow{"VolumeIp25ReadsCurves1And2", {25, 3600, 15, Volume}, 38936.0, 0.05},
                    ComputedRow{"VolumeIp20OnFirstNodeReadsCurve1Alone", {20, 3600, 15, Volume}, 16366.7, 0.05},
                    ComputedRow{"VolumeIp35TakesTheUpperBracket", {35, 5400, 20, Volume}, 84885.6, 0.05},
                    ComputedRow{"VolumeIp50IsAcceptedAndReadsCurve3", {50, 3600, 30, Volume}, 71596.4, 0.05},
                    ComputedRow{"OutflowIp25W10", {25, 3600, 36000, Outflow}, 15.2902, 5e-5},
                    ComputedRow{"OutflowIp40ReadsCurves2And3", {40, 1800, 20000, Outflow}, 27.3235, 5e-5}),
    rowName<ComputedRow>);

// R = (25 − 23)·100/25 = 8 and (50 − 20)·100/50 = 60 exactly; R = 56.3523 is
// point 12 of curve 3, which curves 1 and 2 do not have. Ip = 35 reads curve 2
// alone, up to its last point.
INSTANTIATE_TEST_SUITE_P(
    BoundsAndPoints, CaseDComputes,
    testing::Values(ComputedRow{"VolumeReductionOf8IsAccepted", {25, 1, 23, Volume}, 0.99998445, 1e-6},
                    ComputedRow{"VolumeReductionOf60IsAccepted", {50, 1, 20, Volume}, 36.47129667, 1e-6},
                    ComputedRow{"VolumeOnPoint12OfCurve3", {50, 1, 21.82385, Volume}, 33.1439, 1e-6},
                    ComputedRow{"OutflowOnLastPointOfCurve2", {35, 1, 31.7554, Outflow}, 10.97313, 1e-6},
                    ComputedRow{"OutflowJustAboveFirstPointOfCurve2", {20, 1, 0.225375, Outflow}, 19.3458567, 1e-6}),
    rowName<ComputedRow>);

// Refusals: the first check that fails is named, with the range it was held
// to. An expected value of NaN is not compared.
struct RefusedRow {
    std::string name;
    CaseDInput input;
    Quantity quantity;
    StudiedRange range;
    double value;
    Fault fault = Fault::OutsideStudiedRange;
};
void PrintTo(const RefusedRow& row, std::ostream* os)
{
    *os << row.name;
}

void expectSameLimit(const std::optional<Limit>& actual, const std::optional<Limit>& expected, const char* end)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << end;
    if (!expected) return;
    EXPECT_EQ(actual->value, expected->value) << end;
    EXPECT_EQ(actual->included, expected->included) << end;
}

class CaseDRefuses : public testing::TestWithParam<RefusedRow> {};

TEST_P(CaseDRefuses, NamesTheFailingCheck)
{
    const auto& row = GetParam();
    const CaseDResult result = CaseDEngine(row.input);
    ASSERT_EQ(result.outcome, Outcome::OutOfStudiedRange);
    EXPECT_FALSE(result.main);
    EXPECT_FALSE(result.h);
    ASSERT_TRUE(result.refusal);
    EXPECT_EQ(result.refusal->quantity, row.quantity);
    EXPECT_EQ(result.refusal->fault, row.fault);
    expectSameLimit(result.refusal->range.low, row.range.low, "low end");
    expectSameLimit(result.refusal->range.high, row.range.high, "high end");
    if (!std::isnan(row.value)) {
        EXPECT_NEAR(result.refusal->value, row.value, 1e-9 * (1 + std::abs(row.value)));
    }
}

const auto kTp = StudiedRange::above(0);
const auto kIp = StudiedRange::closed(20, 50);
const auto kR = StudiedRange::closed(8, 60);
const auto kW = StudiedRange::atMost(40);
const auto kCurve1Span = StudiedRange::openClosed(0.0558822, 21.4722);
const auto kCurve2Span = StudiedRange::openClosed(0.225374, 31.7554);
constexpr auto kOffCurve = Fault::OutsideCurve;

// A time of 0, as from an empty field, would give a volume of 0 or divide by 0.
INSTANTIATE_TEST_SUITE_P(
    Inputs, CaseDRefuses,
    testing::Values(
        RefusedRow{"TpZeroWithVolume", {25, 0, 15, Volume}, Quantity::PeakTime, kTp, 0},
        RefusedRow{"TpZeroWithOutflow", {25, 0, 36000, Outflow}, Quantity::PeakTime, kTp, 0},
        RefusedRow{"TpNegative", {25, -1, 15, Volume}, Quantity::PeakTime, kTp, -1},
        RefusedRow{"TpNaN", {25, kNaN, 15, Volume}, Quantity::PeakTime, kTp, kNaN},
        RefusedRow{"TpIsCheckedBeforeIp", {10, 0, 15, Volume}, Quantity::PeakTime, kTp, 0},
        RefusedRow{"IpJustBelow20", {19.99, 3600, 15, Volume}, Quantity::InflowPeak, kIp, 19.99},
        RefusedRow{"IpJustAbove50", {50.01, 3600, 30, Outflow}, Quantity::InflowPeak, kIp, 50.01},
        RefusedRow{
            "IpOutsideWithNoCalculationType", {10, 3600, 0, CalculationType::None}, Quantity::InflowPeak, kIp, 10}),
    rowName<RefusedRow>);

INSTANTIATE_TEST_SUITE_P(
    Volume, CaseDRefuses,
    testing::Values(
        RefusedRow{"ReductionJustBelow8", {25, 3600, 23.0025, Volume}, Quantity::PeakReduction, kR, 7.99},
        RefusedRow{"ReductionJustAbove60", {25, 3600, 9.9975, Volume}, Quantity::PeakReduction, kR, 60.01},
        RefusedRow{"TargetOutflowNaN", {25, 3600, kNaN, Volume}, Quantity::PeakReduction, kR, kNaN},
        RefusedRow{"VolumeOverflows", {25, 1e308, 15, Volume}, Quantity::ComputedVolume, {}, kNaN, Fault::NotFinite}),
    rowName<RefusedRow>);

// Every curve in use must hold W, even curve 2 at Ip = 50 where it weighs
// nothing: W = 40 passes the check but lies beyond curve 2's last point.
INSTANTIATE_TEST_SUITE_P(
    Outflow, CaseDRefuses,
    testing::Values(
        RefusedRow{"VolumeRateJustAbove40", {50, 1, 40.01, Outflow}, Quantity::VolumeRate, kW, 40.01},
        RefusedRow{"VolumeNaN", {50, 1, kNaN, Outflow}, Quantity::VolumeRate, kW, kNaN},
        RefusedRow{
            "VolumeRate40BeyondCurve2AtIp50", {50, 1, 40, Outflow}, Quantity::VolumeRate, kCurve2Span, 40, kOffCurve},
        RefusedRow{"JustAboveLastPointOfCurve1",
                   {25, 1, 21.4723, Outflow},
                   Quantity::VolumeRate,
                   kCurve1Span,
                   21.4723,
                   kOffCurve},
        RefusedRow{"OnFirstPointOfCurve1",
                   {25, 1, 0.0558822, Outflow},
                   Quantity::VolumeRate,
                   kCurve1Span,
                   0.0558822,
                   kOffCurve},
        RefusedRow{
            "BelowFirstPointOfCurve2Only", {25, 1, 0.1, Outflow}, Quantity::VolumeRate, kCurve2Span, 0.1, kOffCurve},
        RefusedRow{"NegativeVolume", {25, 3600, -36000, Outflow}, Quantity::VolumeRate, kCurve1Span, -10, kOffCurve}),
    rowName<RefusedRow>);

TEST(CaseDEngine, NoCalculationTypeComputesNothingWhenTheInputsHold)
{
    const CaseDResult result = CaseDEngine({25, 3600, 15, CalculationType::None});
    EXPECT_EQ(result.outcome, Outcome::NothingToCompute);
    EXPECT_FALSE(result.main);
    EXPECT_FALSE(result.refusal);
}

} // namespace
} // namespace retencion
