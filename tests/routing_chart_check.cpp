#include "routing/chart_check.h"

#include <gtest/gtest.h>

using namespace retencion;
using namespace retencion::routing;

namespace {

CaseAInput example(CaseAOutlet outlet, CalculationType calc, double dl, double ck, double w)
{
    return CaseAInput{10, 1200, 3600, dl, ck, w, calc, outlet};
}

TEST(ChartCheck, OrificeSurfaceIsRoutedAndResized)
{
    const auto in = example(CaseAOutlet::Orifice, CalculationType::Surface, 1, 0.6, 3);
    const auto check = checkByRouting(in, CaseAEngine(in));
    ASSERT_TRUE(check);
    // The chart's 5529.4 m² routes to a peak 0.7 % below the target, and
    // routing needs about 1.8 % less surface for it.
    EXPECT_NEAR(check->outflowPeak.chart, 3, 1e-12);
    EXPECT_NEAR(check->outflowPeak.differencePercent, -0.70, 0.05);
    ASSERT_TRUE(check->surface);
    EXPECT_NEAR(check->surface->chart, 5529.399, 1e-3);
    EXPECT_NEAR(check->surface->differencePercent, -1.78, 0.05);
    // Routing the surface it found gives the target back.
    RoutingInput again{10, 1200, 3600, Outlet::Orifice, 1, 0.6, check->surface->routed};
    EXPECT_NEAR(route(again)->peakOutflow, 3, 3e-4);
    EXPECT_LT(std::abs(check->routed.massBalancePercent), 0.01);
    EXPECT_FALSE(check->formWeirHead);
}

TEST(ChartCheck, WeirHeadsFollowTheirOwnLaws)
{
    const auto in = example(CaseAOutlet::Weir, CalculationType::Outflow, 2, 1.8, 38855.34);
    const auto result = CaseAEngine(in);
    const auto check = checkByRouting(in, result);
    ASSERT_TRUE(check);
    EXPECT_FALSE(check->surface);
    EXPECT_NEAR(check->outflowPeak.differencePercent, 0.13, 0.05);
    // The form's head, without √(2g), is (2g)^(1/3) times the chart's own.
    ASSERT_TRUE(check->formWeirHead);
    EXPECT_DOUBLE_EQ(*check->formWeirHead, *result.h);
    EXPECT_NEAR(*check->formWeirHead / check->head.chart, std::cbrt(2 * 9.81), 1e-9);
}

TEST(ChartCheck, NothingToCheckWithoutAnAnswer)
{
    const auto refused = example(CaseAOutlet::Orifice, CalculationType::Surface, 1, 0.6, 30);
    EXPECT_FALSE(checkByRouting(refused, CaseAEngine(refused)));
    const auto none = example(CaseAOutlet::Orifice, CalculationType::None, 1, 0.6, 3);
    EXPECT_FALSE(checkByRouting(none, CaseAEngine(none)));
}

} // namespace
