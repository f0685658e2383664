// Case A's curve by routing against routing's own sizing, cancelled when
// asked.
#include "routing/routing_curve.h"
#include "routing/tank_routing.h"

#include <gtest/gtest.h>

using namespace retencion;
using namespace retencion::routing;

namespace {

constexpr auto S = CalculationType::Surface;
constexpr auto O = CalculationType::Outflow;

} // namespace

// Each point of routing's curve is what routing itself gives: the surface it
// sizes for that peak, or the peak it routes through that surface.
TEST(RoutingCurve, AgreesWithRoutingAtItsPoints)
{
    for (const CaseAInput& in : {CaseAInput{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice},
                                 CaseAInput{10, 1200, 3600, 2, 1.8, 3, S, CaseAOutlet::Weir},
                                 CaseAInput{10, 1200, 3600, 1, 0.6, 5529.4, O, CaseAOutlet::Orifice}}) {
        const RoutingCurve c = routingCurve(in);
        ASSERT_TRUE(c.complete);
        ASSERT_GE(c.points.size(), 25u);
        const Outlet outlet = in.outlet == CaseAOutlet::Weir ? Outlet::Weir : Outlet::Orifice;
        for (const RoutedPoint& p : c.points) {
            RoutingInput r{in.ip, in.tp, in.tb, outlet, in.dl, in.ck, 0};
            if (in.calculation == S) {
                EXPECT_NEAR(*sizeByRouting(r, p.given), p.routed, 1e-6 * p.routed) << p.given;
            } else {
                r.surface = p.given;
                EXPECT_NEAR(route(r)->peakOutflow, p.routed, 1e-9 * p.routed) << p.given;
            }
            if (p.chart) {
                EXPECT_NEAR(*p.differencePercent, (*p.chart - p.routed) / p.routed * 100, 1e-9);
            }
        }
    }
}

TEST(RoutingCurve, StopsWhenCancelled)
{
    int calls = 0;
    const RoutingCurve c =
        routingCurve(CaseAInput{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice}, 25, [&calls](int done, int) {
            ++calls;
            return done < 3;
        });
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(c.complete);
    EXPECT_LE(c.points.size(), 3u);
}
