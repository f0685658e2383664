#include "cases/c/case_c_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace retencion {
namespace {

constexpr auto Surface = CalculationType::Surface;
constexpr auto Outflow = CalculationType::Outflow;
constexpr auto None = CalculationType::None;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

CaseCInput input(double ip, double tp, double b, double ho, CalculationType calc, double inc = 0)
{
    return {.ip = ip, .tp = tp, .b = b, .ho = ho, .inc = inc, .calculation = calc};
}

const auto rowName = [](const auto& info) { return std::string(info.param.name); };

// Worked examples; each tolerance is half a unit in the last digit known.
struct Example {
    const char* name;
    CaseCInput in;
    std::optional<double> main;
    double mainTol;
    double h;
    double hTol;
};

class CaseCExample : public testing::TestWithParam<Example> {};

TEST_P(CaseCExample, MatchesTheCharts)
{
    const Example& e = GetParam();
    const CaseCResult res = CaseCEngine(e.in);
    ASSERT_EQ(res.outcome, Outcome::Computed);
    ASSERT_EQ(res.main.has_value(), e.main.has_value());
    if (e.main) {
        EXPECT_NEAR(*res.main, *e.main, e.mainTol);
    }
    ASSERT_TRUE(res.h);
    EXPECT_NEAR(*res.h, e.h, e.hTol);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CaseCExample,
    testing::Values(Example{"surface_with_every_input_on_the_lower_node_of_its_bracket",
                            input(20, 3600, 3, 0.6, Surface, 5), 13384.995, 5e-4, 2.26567, 5e-6},
                    Example{"surface_with_ho_between_nodes_extends_the_height_line",
                            input(20, 3600, 3, 0.45, Surface, 5), 8690.30, 5e-3, 2.90069, 5e-6},
                    Example{"outflow_between_nodes_of_every_axis", input(30, 2700, 4, 0.75, Outflow, 20000), 7.0900566,
                            5e-8, 1.85220, 5e-6},
                    Example{"outflow_in_the_second_ip_bracket", input(12, 1800, 2.5, 0.5, Outflow, 3000), 3.76403, 5e-6,
                            2.38592, 5e-6},
                    Example{"surface_at_the_top_of_every_range_uses_the_last_brackets",
                            input(50, 3600, 5, 0.8, Surface, 10), 42911.2, 5e-2, 1.95633, 5e-6},
                    Example{"none_gives_only_the_height_at_zero_surface_index", input(20, 3600, 3, 0.6, None),
                            std::nullopt, 0, 10.4477, 5e-5}),
    rowName);

// On and just beyond every bound. A refused row names the first check that
// fails, with the value held to it (NaN: not compared) and its range.
struct Bound {
    const char* name;
    CaseCInput in;
    std::optional<Quantity> refused = std::nullopt;
    double value = kNaN;
    StudiedRange range = {};
};

class CaseCBound : public testing::TestWithParam<Bound> {};

TEST_P(CaseCBound, IsAcceptedOrNamesTheFailingCheck)
{
    const Bound& b = GetParam();
    const CaseCResult res = CaseCEngine(b.in);
    if (!b.refused) {
        ASSERT_EQ(res.outcome, Outcome::Computed);
        EXPECT_EQ(res.main.has_value(), b.in.calculation != None);
        EXPECT_TRUE(res.h);
        return;
    }
    ASSERT_EQ(res.outcome, Outcome::OutOfStudiedRange);
    EXPECT_FALSE(res.main || res.h);
    ASSERT_TRUE(res.refusal);
    EXPECT_EQ(res.refusal->quantity, *b.refused);
    EXPECT_EQ(res.refusal->fault, Fault::OutsideStudiedRange);
    if (!std::isnan(b.value)) {
        EXPECT_NEAR(res.refusal->value, b.value, std::abs(b.value) * 1e-12);
    }
    const StudiedRange& got = res.refusal->range;
    ASSERT_TRUE(got.low && got.high);
    EXPECT_EQ(got.low->value, b.range.low->value);
    EXPECT_EQ(got.low->included, b.range.low->included);
    EXPECT_EQ(got.high->value, b.range.high->value);
    EXPECT_EQ(got.high->included, b.range.high->included);
}

const auto kIp = StudiedRange::closed(9, 50);
const auto kTp = StudiedRange::openClosed(0, 10000);
const auto kB = StudiedRange::closed(2, 5);
const auto kHo = StudiedRange::closed(0.4, 0.8);
const auto kR = StudiedRange::closed(0.12, 0.38);
const auto kS = StudiedRange::closed(50, 100000);
const auto kX = StudiedRange::closed(0.12, 2.5);
using Q = Quantity;

INSTANTIATE_TEST_SUITE_P(
    Ranges, CaseCBound,
    testing::Values(
        Bound{"ip_9_accepted", input(9, 3600, 3, 0.6, Surface, 2)},
        Bound{"ip_50_accepted", input(50, 3600, 3, 0.6, Surface, 10)},
        Bound{"tp_10000_s_accepted", input(20, 10000, 3, 0.6, Surface, 5)},
        Bound{"b_2_and_ho_0_4_accepted", input(20, 3600, 2, 0.4, Surface, 5)},
        Bound{"b_5_and_ho_0_8_accepted", input(20, 3600, 5, 0.8, Surface, 5)},
        Bound{"flow_ratio_0_12_accepted", input(25, 3600, 3, 0.6, Surface, 3)},
        Bound{"flow_ratio_0_38_accepted", input(25, 3600, 3, 0.6, Surface, 9.5)},
        Bound{"surface_50_at_short_peak_time_accepted", input(20, 60, 2, 0.6, Outflow, 50)},
        Bound{"surface_index_0_12_accepted", input(20, 2500, 2, 0.6, Outflow, 1200)},
        Bound{"surface_100000_at_surface_index_2_5_accepted", input(20, 10000, 2, 0.6, Outflow, 100000)},
        Bound{"none_does_not_read_inc", input(20, 3600, 3, 0.6, None, kNaN)},
        Bound{"ip_8_99", input(8.99, 3600, 3, 0.6, None), Q::InflowPeak, 8.99, kIp},
        Bound{"ip_50_01", input(50.01, 3600, 3, 0.6, None), Q::InflowPeak, 50.01, kIp},
        Bound{"ip_nan", input(kNaN, 3600, 3, 0.6, None), Q::InflowPeak, kNaN, kIp},
        Bound{"tp_0", input(20, 0, 3, 0.6, None), Q::PeakTime, 0, kTp},
        Bound{"tp_10000_01", input(20, 10000.01, 3, 0.6, None), Q::PeakTime, 10000.01, kTp},
        Bound{"b_1_99", input(20, 3600, 1.99, 0.6, None), Q::ConduitWidth, 1.99, kB},
        Bound{"b_5_01", input(20, 3600, 5.01, 0.6, None), Q::ConduitWidth, 5.01, kB},
        Bound{"ho_0_39", input(20, 3600, 3, 0.39, None), Q::OpeningHeight, 0.39, kHo},
        Bound{"ho_0_81", input(20, 3600, 3, 0.81, None), Q::OpeningHeight, 0.81, kHo},
        Bound{"ip_is_checked_before_ho", input(60, 3600, 3, 0.9, None), Q::InflowPeak, 60, kIp},
        Bound{"ho_is_checked_before_the_flow_ratio", input(20, 3600, 3, 0.3, Surface, 100), Q::OpeningHeight, 0.3, kHo},
        Bound{"flow_ratio_0_11", input(20, 3600, 3, 0.6, Surface, 2.2), Q::FlowRatio, 0.11, kR},
        Bound{"flow_ratio_0_39", input(20, 3600, 3, 0.6, Surface, 7.8), Q::FlowRatio, 0.39, kR},
        Bound{"qp_nan", input(20, 3600, 3, 0.6, Surface, kNaN), Q::FlowRatio, kNaN, kR},
        Bound{"surface_49", input(20, 60, 2, 0.6, Outflow, 49), Q::GivenSurface, 49, kS},
        Bound{"surface_100001", input(20, 10000, 5, 0.6, Outflow, 100001), Q::GivenSurface, 100001, kS},
        Bound{"surface_50_over_a_long_wide_outlet", input(20, 3600, 5, 0.6, Outflow, 50), Q::SurfaceIndex,
              50.0 / 3600 / 25, kX},
        Bound{"surface_index_just_below_0_12", input(20, 2500, 2, 0.6, Outflow, 1199), Q::SurfaceIndex, 0.1199, kX},
        Bound{"surface_index_above_2_5", input(20, 9000, 2, 0.6, Outflow, 100000), Q::SurfaceIndex, 100000.0 / 9000 / 4,
              kX}),
    rowName);

} // namespace
} // namespace retencion
