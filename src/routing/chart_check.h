#pragma once
// Case A's chart answer checked by routing its own hydrograph through the
// tank it describes: the outflow peak and head that routing gives for the
// chart's surface, and, after a surface calculation, the surface that
// routing itself needs for the target peak.

#include "cases/a/case_a_engine.h"
#include "routing/tank_routing.h"

#include <optional>

namespace retencion::routing {

// How far the chart's answer lies from routing's, in per cent of routing's
// (the balance the chart was drawn from is the reference): positive when the
// chart gives more. Every table, figure and file that compares the two says
// it so, under `kChartDifferenceCaption`.
double chartDifferencePercent(double chart, double routed);
inline constexpr const char* kChartDifferenceCaption = "Diferencia (ábaco − laminación)/laminación (%)";

struct Compared {
    double chart = 0;
    double routed = 0;
    double differencePercent = 0; // chartDifferencePercent(chart, routed)
};

struct ChartCheck {
    Outlet outlet = Outlet::Orifice;
    PowerLaw law;                    // the outlet law routed
    double area = 0;                 // orifice area π·D²/4, m² (orifice only)
    double chartSurface = 0;         // the tank routed: the surface found, or the one given, m²
    RoutingResult routed;            // the chart's surface, routed
    Compared outflowPeak;            // Qp: the chart's (given or found) against the routed peak
    Compared head;                   // the chart's H (for a weir, under the chart's own law) against routing's highest
    std::optional<Compared> surface; // surface calculations: the chart's S against the S routing needs
    // The weir head the form shows, from Q = Ck·L·H^1,5 (without √(2g)).
    std::optional<double> formWeirHead;
};

// Nothing unless `result` is a computed case A result for an orifice or a
// weir, and routing succeeds.
std::optional<ChartCheck> checkByRouting(const CaseAInput& input, const CaseAResult& result);

} // namespace retencion::routing
