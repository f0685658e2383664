#include "routing/chart_check.h"

#include <cmath>

namespace retencion::routing {
double chartDifferencePercent(double chart, double routed)
{
    return (chart - routed) / routed * 100;
}

namespace {

Compared compare(double chart, double routed)
{
    return {chart, routed, chartDifferencePercent(chart, routed)};
}

} // namespace

std::optional<ChartCheck> checkByRouting(const CaseAInput& in, const CaseAResult& result)
{
    if (result.outcome != Outcome::Computed || !result.main || in.outlet == CaseAOutlet::None) return std::nullopt;
    const bool surfaceMode = in.calculation == CalculationType::Surface;
    if (!surfaceMode && in.calculation != CalculationType::Outflow) return std::nullopt;

    ChartCheck check;
    check.outlet = in.outlet == CaseAOutlet::Weir ? Outlet::Weir : Outlet::Orifice;
    check.law = outletLaw(check.outlet, in.dl, in.ck);
    check.area = std::acos(-1.0) * in.dl * in.dl / 4;

    // The chart's surface is the one found, or the one given.
    const double surface = surfaceMode ? *result.main : in.given;
    const double chartPeak = surfaceMode ? in.given : *result.main;
    check.chartSurface = surface;
    RoutingInput routing{in.ip, in.tp, in.tb, check.outlet, in.dl, in.ck, surface};
    auto routed = route(routing);
    if (!routed) return std::nullopt;
    check.routed = std::move(*routed);
    check.outflowPeak = compare(chartPeak, check.routed.peakOutflow);
    // The orifice head of the form is the chart's own; the weir head of the
    // form comes from a law without √(2g), so the chart's weir head is the
    // one its outlet parameter implies.
    const double chartHead = check.outlet == Outlet::Weir ? caseAChartWeirHead(chartPeak, in.ck, in.dl)
                                                          : result.h.value_or(check.law.head(chartPeak));
    check.head = compare(chartHead, check.routed.maxLevel);
    if (surfaceMode) {
        if (const auto needed = sizeByRouting(routing, chartPeak)) check.surface = compare(surface, *needed);
    }
    if (check.outlet == Outlet::Weir) check.formWeirHead = result.h;
    return check;
}

} // namespace retencion::routing
