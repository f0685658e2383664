#include "cases/e/case_e_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace retencion {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;

struct Inputs {
    double ip, tp, b, ho, l; // tp in seconds
    CalculationType mode;
    double inc;
};

CaseEResult run(const Inputs& in)
{
    return CaseEEngine(in.ip, in.tp, in.b, in.ho, in.l, in.mode, in.inc);
}

// A value given to some digits, with the tolerance those digits allow.
struct Approx {
    double value;
    double tolerance;
};

void expectNear(double actual, Approx expected)
{
    if (std::isnan(expected.value))
        EXPECT_TRUE(std::isnan(actual)) << actual;
    else if (std::isinf(expected.value))
        EXPECT_EQ(actual, expected.value);
    else
        EXPECT_NEAR(actual, expected.value, expected.tolerance);
}

void expectSameLimit(const std::optional<Limit>& actual, const std::optional<Limit>& expected)
{
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (!expected) return;
    EXPECT_EQ(actual->value, expected->value);
    EXPECT_EQ(actual->included, expected->included);
}

// --- Computed: both the main result and the depth ---------------------------

struct ComputedRow {
    const char* name;
    Inputs in;
    Approx main;
    Approx h;
};

std::ostream& operator<<(std::ostream& os, const ComputedRow& row)
{
    return os << row.name;
}

class CaseEComputed : public testing::TestWithParam<ComputedRow> {};

TEST_P(CaseEComputed, GivesMainAndDepth)
{
    const ComputedRow& row = GetParam();
    const CaseEResult result = run(row.in);
    ASSERT_EQ(result.outcome, Outcome::Computed);
    EXPECT_FALSE(result.refusal);
    ASSERT_TRUE(result.main && result.h);
    expectNear(*result.main, row.main);
    expectNear(*result.h, row.h);
}

// The node x = 1.40465, r = 0.460994 of the curve B = 2, Ip = 20 (which
// alone weighs at B = 2, Ip = 20), and its depth by hand: y = 1.40465/2 lies
// between rows 7 and 8 of the depth column Ip = 20.
const double kNodeDepth =
    (7.93882 + (1.40465 / 2 - 0.627723) * (9.74213 - 7.93882) / (0.817871 - 0.627723)) * 1000 / 1404.65;

template <class Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

// Tolerances follow the digits each value is known to; the rows at x = 0.4
// and x = 8 were worked out independently to six figures.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, CaseEComputed, testing::Values(
    ComputedRow{"SurfaceBetweenAllCurves",                 {30, 3600, 3, 1, 1, kSurface, 10},   {4031.93, 0.005}, {4.0252, 5e-5}},
    ComputedRow{"OutflowBetweenAllCurves",                 {30, 3600, 3, 1, 1, kOutflow, 4000}, {10.6606, 5e-5},  {4.0333, 5e-5}},
    ComputedRow{"SurfaceTopOfBothRangesWeighsCurveB5Ip50", {50, 3600, 5, 1, 1, kSurface, 20},   {19938.9, 0.05},  {1.3140, 5e-5}},
    ComputedRow{"OutflowOnANodeOfCurveB2Ip20ReadsItsRatio",    {20, 1000, 2, 1, 1, kOutflow, 1404.65},       {20 * 0.460994, 1e-9}, {kNodeDepth, 1e-9}},
    ComputedRow{"SurfaceOnANodeOfCurveB2Ip20ReadsItsAbscissa", {20, 1000, 2, 1, 1, kSurface, 20 * 0.460994}, {1404.65, 1e-6},       {kNodeDepth, 1e-9}},
    ComputedRow{"OutflowReducedSurfaceExactly8IsAdmitted",  {50, 3600, 5, 1, 1, kOutflow, 28800}, {22.76858, 1e-5}, {1.18165, 1e-5}},
    ComputedRow{"OutflowReducedSurfaceExactly04IsAdmitted", {20, 3600, 2, 1, 1, kOutflow, 1440},  {6.30012, 1e-5},  {8.77042, 1e-5}}),
    rowName<ComputedRow>);
// clang-format on

// --- Out of range, with the check that refused ------------------------------

struct RefusedRow {
    const char* name;
    Inputs in;
    Quantity quantity;
    Approx value;
    StudiedRange range;
    Fault fault = Fault::OutsideStudiedRange;
    std::optional<Approx> main = std::nullopt; // kept when only the depth fails
};

std::ostream& operator<<(std::ostream& os, const RefusedRow& row)
{
    return os << row.name;
}

class CaseERefused : public testing::TestWithParam<RefusedRow> {};

TEST_P(CaseERefused, NamesTheFailingCheck)
{
    const RefusedRow& row = GetParam();
    const CaseEResult result = run(row.in);
    ASSERT_EQ(result.outcome, Outcome::OutOfStudiedRange);
    EXPECT_FALSE(result.h);
    ASSERT_TRUE(result.refusal);
    EXPECT_EQ(result.refusal->quantity, row.quantity);
    EXPECT_EQ(result.refusal->fault, row.fault);
    expectNear(result.refusal->value, row.value);
    expectSameLimit(result.refusal->range.low, row.range.low);
    expectSameLimit(result.refusal->range.high, row.range.high);
    ASSERT_EQ(result.main.has_value(), row.main.has_value());
    if (row.main) expectNear(*result.main, *row.main);
}

const auto kIp = StudiedRange::closed(20, 50);
const auto kTp = StudiedRange::above(0);
const auto kB = StudiedRange::closed(2, 5);
const auto kHo = StudiedRange::closed(0.1, 5);
const auto kL = StudiedRange::atLeast(0.2);
const auto kR = StudiedRange::closed(0.15, 0.75);
const auto kX = StudiedRange::closed(0.4, 8);
const auto kY = StudiedRange::closed(0.1, 2.1);
const auto kPositive = StudiedRange::above(0);
const StudiedRange kNone{}; // a fault that no range describes
constexpr auto kNoMode = CalculationType::None;
constexpr Approx exact(double v)
{
    return {v, 0};
}
constexpr Approx near(double v, double tolerance)
{
    return {v, tolerance};
}
constexpr auto kOutside = Fault::OutsideStudiedRange;

const double kPastPoint14Qp = 20 * (0.749307 + (8 - 6.57674) * (0.798332 - 0.749307) / (7.85116 - 6.57674));

// clang-format off
INSTANTIATE_TEST_SUITE_P(InputChecks, CaseERefused, testing::Values(
    RefusedRow{"IpBelow20",         {19.99, 3600, 3, 1, 1, kSurface, 10},  Quantity::InflowPeak, exact(19.99), kIp},
    RefusedRow{"IpAbove50",         {50.01, 3600, 3, 1, 1, kSurface, 10},  Quantity::InflowPeak, exact(50.01), kIp},
    RefusedRow{"IpNotANumber",      {kNaN, 3600, 3, 1, 1, kSurface, 10},   Quantity::InflowPeak, exact(kNaN), kIp},
    RefusedRow{"IpCheckedBeforeTp", {0, 0, 3, 1, 1, kSurface, 10},         Quantity::InflowPeak, exact(0), kIp},
    RefusedRow{"TpZero",            {30, 0, 3, 1, 1, kSurface, 10},        Quantity::PeakTime, exact(0), kTp},
    RefusedRow{"TpInfinite",        {30, kInf, 3, 1, 1, kSurface, 10},     Quantity::PeakTime, exact(kInf), kTp},
    RefusedRow{"BBelow2",           {30, 3600, 1.99, 1, 1, kSurface, 10},  Quantity::ConduitWidth, exact(1.99), kB},
    RefusedRow{"BAbove5",           {30, 3600, 5.01, 1, 1, kSurface, 10},  Quantity::ConduitWidth, exact(5.01), kB},
    RefusedRow{"HoBelowOneTenth",   {30, 3600, 3, 0.0999, 1, kSurface, 10}, Quantity::OpeningHeight, exact(0.0999), kHo},
    RefusedRow{"HoAbove5",          {30, 3600, 3, 5.01, 1, kSurface, 10},  Quantity::OpeningHeight, exact(5.01), kHo},
    RefusedRow{"LBelowTwoTenths",   {30, 3600, 3, 1, 0.19, kSurface, 10},  Quantity::Length, exact(0.19), kL},
    RefusedRow{"LInfinite",         {30, 3600, 3, 1, kInf, kSurface, 10},  Quantity::Length, exact(kInf), kL}),
    rowName<RefusedRow>);

INSTANTIATE_TEST_SUITE_P(ModeChecks, CaseERefused, testing::Values(
    RefusedRow{"SurfaceRatioAbove075",      {30, 3600, 3, 1, 1, kSurface, 24},   Quantity::FlowRatio, near(0.8, 1e-12), kR},
    RefusedRow{"SurfaceRatioJustBelow015",  {30, 3600, 3, 1, 1, kSurface, 4.49}, Quantity::FlowRatio, near(4.49 / 30, 1e-12), kR},
    RefusedRow{"SurfaceTargetNotANumber",   {30, 3600, 3, 1, 1, kSurface, kNaN}, Quantity::FlowRatio, exact(kNaN), kR},
    RefusedRow{"OutflowReducedSurfaceBelow04",    {30, 3600, 3, 1, 1, kOutflow, 400},      Quantity::ReducedSurface, near(0.111111, 1e-6), kX},
    RefusedRow{"OutflowReducedSurfaceJustAbove8", {50, 3600, 5, 1, 1, kOutflow, 28800.01}, Quantity::ReducedSurface, near(8.0000028, 1e-7), kX},
    RefusedRow{"OutflowSurfaceInfinite",          {30, 3600, 3, 1, 1, kOutflow, kInf},     Quantity::ReducedSurface, exact(kInf), kX},
    // No mode: no surface, and a value left in the field is not used.
    RefusedRow{"NoModeFailsTheDepthWithNoMain",   {30, 3600, 3, 1, 1, kNoMode, 4000},      Quantity::DepthIndex, exact(0), kY, Fault::NoCalculationChosen}),
    rowName<RefusedRow>);

INSTANTIATE_TEST_SUITE_P(DepthAfterMain, CaseERefused, testing::Values(
    RefusedRow{"SurfaceFoundThenDepthBelowOneTenth", {20, 1800, 2, 0.1, 0.2, kSurface, 5},
               Quantity::DepthIndex, near(0.0995, 5e-5), kY, kOutside, near(358.124, 5e-4)},
    // Past the last ratio of the curve B = 4, Ip = 50 the search ends on
    // points 13 and 14, and the empty point 14 reads as (0, 0): a finite,
    // if far-fetched, surface.
    RefusedRow{"SurfaceReadsEmptyPoint14OfCurveB4Ip50AsZero", {40, 3600, 3, 1, 1, kSurface, 28},
               Quantity::DepthIndex, near(5.29524, 1e-5), kY, kOutside, near(57188.57, 0.005)},
    // x = 8 lies past point 14 of the curve B = 2, Ip = 20, the last the
    // search may reach: it extrapolates along points 13 and 14.
    RefusedRow{"OutflowPastPoint14OfCurveB2Ip20", {20, 3600, 2, 1, 1, kOutflow, 28800},
               Quantity::DepthIndex, exact(4), kY, kOutside, near(kPastPoint14Qp, 1e-9)},
    RefusedRow{"OutflowDepthNotFiniteKeepsQp", {30, 1e308, 3, 1, 1, kOutflow, 1.1111e308},
               Quantity::DepthIndex, exact(kInf), kNone, Fault::NotFinite, near(10.66059, 1e-5)}),
    rowName<RefusedRow>);

INSTANTIATE_TEST_SUITE_P(Faults, CaseERefused, testing::Values(
    // Past the last point of the curve B = 5, Ip = 35 the search ends on two
    // empty points: 0/0, refused before anything is divided, also at B = 4,
    // where that curve weighs nothing.
    RefusedRow{"SurfaceOnEmptySegmentOfCurveB5",              {30, 3600, 4.5, 1, 1, kSurface, 20},
               Quantity::FlowRatio, near(20.0 / 30, 1e-12), kR, Fault::ChartHasNoValue},
    RefusedRow{"SurfaceOnEmptySegmentEvenWhenB5WeighsNothing", {30, 3600, 4, 1, 1, kSurface, 20},
               Quantity::FlowRatio, near(20.0 / 30, 1e-12), kR, Fault::ChartHasNoValue},
    // r = 0.15 exactly is admitted, but lies below the first point of the
    // curve B = 2, Ip = 35 and extrapolates to a negative surface.
    RefusedRow{"SurfaceOfZeroOrLessIsNoAnswer", {30, 3600, 3, 1, 1, kSurface, 4.5},
               Quantity::ComputedSurface, near(-286.78, 0.005), kPositive},
    RefusedRow{"SurfaceOverflows",              {30, 1.7e308, 3, 1, 1, kSurface, 10},
               Quantity::ComputedSurface, exact(kInf), kNone, Fault::NotFinite}),
    rowName<RefusedRow>);
// clang-format on

} // namespace
} // namespace retencion
