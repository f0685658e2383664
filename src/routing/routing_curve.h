#pragma once
// Case A's sizing curve by routing: the surface that routing needs for each
// target outflow peak, or routing's outflow peak for each surface, over the
// same sweep as the chart's curve (cases/given_sweep.h), with the chart's
// answer beside it where it has one.

#include "cases/a/case_a_engine.h"

#include <functional>
#include <optional>
#include <vector>

namespace retencion::routing {

struct RoutedPoint {
    double given = 0;
    double routed = 0;
    std::optional<double> chart;
    std::optional<double> differencePercent; // chartDifferencePercent(chart, routed)
};

struct RoutingCurve {
    std::vector<RoutedPoint> points; // routing found no answer at the missing ones
    bool complete = false;           // false when it was cancelled
};

// At `count` values of the given one spread over its sweep. `progress(done,
// count)` is called after each point; it returns false to stop the work
// there.
RoutingCurve routingCurve(const CaseAInput& input, int count = 25, const std::function<bool(int, int)>& progress = {});

} // namespace retencion::routing
