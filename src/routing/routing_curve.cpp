#include "routing/routing_curve.h"

#include "cases/given_sweep.h"
#include "routing/chart_check.h"
#include "routing/tank_routing.h"

#include <cmath>

namespace retencion::routing {

RoutingCurve routingCurve(const CaseAInput& input, int count, const std::function<bool(int, int)>& progress)
{
    RoutingCurve out;
    if (input.outlet == CaseAOutlet::None || input.calculation == CalculationType::None || count < 2) return out;
    const GivenSweep sweep = givenSweep(input);
    RoutingInput r{input.ip, input.tp, input.tb, input.outlet == CaseAOutlet::Weir ? Outlet::Weir : Outlet::Orifice,
                   input.dl, input.ck, 0};
    const bool surface = input.calculation == CalculationType::Surface;
    for (int k = 0; k < count; ++k) {
        // Inside the ends: no tank gives Qp = Ip, and none gives Qp = 0.
        const double t = surface ? (k + 0.5) / count : double(k) / (count - 1);
        const double given = sweep.at(t);
        CaseAInput in = input;
        in.given = given;
        const CaseResult chart = CaseAEngine(in);
        const std::optional<double> chartMain =
            chart.outcome == Outcome::Computed && chart.main ? chart.main : std::nullopt;
        std::optional<double> routed;
        if (surface) {
            r.surface = chartMain.value_or(0); // the chart's surface is the first guess
            routed = sizeByRouting(r, given);
        } else {
            r.surface = given;
            RoutingOptions quiet;
            quiet.samples = 0;
            if (const auto res = route(r, quiet)) routed = res->peakOutflow;
        }
        if (routed && std::isfinite(*routed)) {
            RoutedPoint p{given, *routed, chartMain, std::nullopt};
            if (chartMain && *routed != 0) p.differencePercent = chartDifferencePercent(*chartMain, *routed);
            out.points.push_back(p);
        }
        if (progress && !progress(k + 1, count)) return out;
    }
    out.complete = true;
    return out;
}

} // namespace retencion::routing
