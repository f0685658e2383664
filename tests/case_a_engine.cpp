// Case A against its worked examples, a reading exactly on a chart point,
// the passing side of every inclusive bound, and the order of its checks.
#include "engine_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace retencion;
using namespace retencion::test;

namespace {

constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;
constexpr auto kOrifice = CaseAOutlet::Orifice;
constexpr auto kWeir = CaseAOutlet::Weir;
using Q = Quantity;

// Ip = 10 m³/s, Tp = 20 min, Tb = 60 min (r = 2/3), as in the worked examples.
CaseAInput example(CalculationType calc, CaseAOutlet outlet, double dl, double ck, double w)
{
    return CaseAInput{10, 1200, 3600, dl, ck, w, calc, outlet};
}

// r = 0.4 exactly (Tp = 600 s, Tb = 3000 s) reads curve 1 alone; q = 0.3392
// is its 5th ordinate, where x = 0.1835.
const double kOnPoint = std::pow((600 * 0.6 * (3.1416 / 4) * 4.4294) / 0.1835 / std::pow(1500.0, 0.5), 2.0);
// The surface that puts the outlet parameter exactly on x = 0.2:
// S = (Tp·Ck·A·√(2g))² / (x²·Vin).
const double kX02 = std::pow(1200 * 0.6 * (3.1416 / 4) * 4.4294, 2) / (0.2 * 0.2 * 18000);

// clang-format off
INSTANTIATE_TEST_SUITE_P(CaseA, EngineRow, testing::Values(
    Row{"orifice_surface", example(kSurface, kOrifice, 1, 0.6, 3), gives(5529.399, 1e-3, 2.065662, 1e-6)},
    Row{"orifice_outflow", example(kOutflow, kOrifice, 1, 0.6, 5529.4), gives(3.028218, 1e-6, 2.104704, 1e-6)},
    Row{"weir_surface", example(kSurface, kWeir, 2, 1.8, 3), gives(38855.339, 1e-3, 0.885549, 1e-6)},
    Row{"weir_outflow", example(kOutflow, kWeir, 2, 1.8, 38855.34), gives(3.010435, 1e-6, 0.887601, 1e-6)},
    Row{"top_ratio_1_2_uses_curve_5_alone", CaseAInput{1, 1800, 3000, 1, 0.6, 0.5, kSurface, kOrifice}, gives(11751.647, 1e-3, 0.057379, 1e-6)},
    Row{"ratio_0_4_on_a_chart_point", CaseAInput{1, 600, 3000, 1, 0.6, 0.3392, kSurface, kOrifice}, gives(kOnPoint, 1e-9 * kOnPoint, 0, kAny)},
    // The passing side of the inclusive bounds.
    Row{"ip_130", CaseAInput{130, 1200, 3600, 1, 0.6, 50, kSurface, kOrifice}, passes()},
    Row{"tb_14400_s", CaseAInput{10, 4000, 14400, 1, 0.6, 3, kSurface, kOrifice}, passes()},
    Row{"diameter_10", CaseAInput{10, 1200, 3600, 10, 0.01, 3, kSurface, kOrifice}, passes()},
    Row{"ck_5", CaseAInput{10, 1200, 3600, 0.3, 5, 3, kSurface, kOrifice}, passes()},
    Row{"flow_ratio_0_1", example(kSurface, kOrifice, 1, 0.6, 1), passes()},
    Row{"flow_ratio_0_85", example(kSurface, kOrifice, 1, 0.6, 8.5), passes()},
    Row{"surface_90000", example(kOutflow, kOrifice, 2, 0.6, 90000), passes()},
    Row{"outlet_parameter_0_2", example(kOutflow, kOrifice, 1, 0.6, kX02), passes()},
    // Tp = 10000 s passes; no base time up to 14400 s then gives a ratio on the charts.
    Row{"tp_10000_s_passes_on_to_the_ratio", CaseAInput{10, 10000, 14400, 1, 0.6, 3, kSurface, kOrifice}, refuses(Q::HydrographRatio)},
    Row{"qp_equal_to_ip_passes_on_to_the_flow_ratio", example(kSurface, kOrifice, 1, 0.6, 10), refuses(Q::FlowRatio)},
    Row{"outlet_parameter_above_2_95", example(kOutflow, kOrifice, 4, 0.6, 600), refuses(Q::OutletParameter)},
    Row{"outflow_without_outlet", example(kOutflow, CaseAOutlet::None, 1, 0.6, 5529.4), refuses(Q::OutletParameter)},
    // No calculation chosen: nothing, once the common checks hold (the ratio is one of them).
    Row{"no_calculation", example(CalculationType::None, kOrifice, 1, 0.6, NAN), nothing()},
    Row{"no_calculation_ratio_0_24", CaseAInput{10, 1200, 10000, 1, 0.6, 3, CalculationType::None, kOrifice}, refuses(Q::HydrographRatio)}),
    rowName);
// clang-format on

// The form's weir head comes from Q = Ck·L·H^1,5; the chart's own law has
// √(2g) besides, so for the same Qp its head is (√(2g))^(2/3) times smaller.
// The texts name each law with the separator in use.
TEST(CaseAHeadLaws, NameTheLawAndGiveItsHead)
{
    const CaseAInput weir = example(kSurface, kWeir, 2, 1.8, 3);
    const CaseAResult r = CaseAEngine(weir);
    ASSERT_TRUE(r.h);
    const double chartHead = caseAChartWeirHead(3, 1.8, 2);
    EXPECT_NEAR(chartHead, 0.885549 / std::pow(4.4294, 2.0 / 3.0), 1e-6);
    EXPECT_NEAR(3 / (1.8 * 2 * 4.4294 * std::pow(chartHead, 1.5)), 1, 1e-12); // it discharges Qp
    const Separators comma{",", "."};
    const Separators point{".", ","};
    const struct {
        std::string text;
        const char* expected;
    } rows[] = {
        {caseAHeadLaw(kWeir, comma), "Q = Ck·L·H^1,5"},      {caseAHeadLaw(kWeir, point), "Q = Ck·L·H^1.5"},
        {caseAHeadLaw(kOrifice, comma), "Q = Ck·A·√(2g·H)"}, {caseAChartWeirLaw(comma), "Q = Ck·L·√(2g)·H^1,5"},
        {caseAChartWeirLaw(point), "Q = Ck·L·√(2g)·H^1.5"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.text, row.expected);
}

} // namespace
