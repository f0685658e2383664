#pragma once
// The hydrographs of a routing, drawn as the design charts are: inflow and
// outflow against time, and the water level against time, in minutes.

#include "figures/figure.h"
#include "routing/level_pool.h"

#include <string>
#include <vector>

namespace retencion::figures {

std::vector<Figure> routingFigures(const routing::RoutingResult& routed, const Separators& separators);

// The sampled hydrographs as semicolon-separated text, with the regional
// decimal separator: time (min); inflow; outflow (m³/s); level (m).
std::string hydrographCsv(const routing::RoutingResult& routed, const Separators& separators);

} // namespace retencion::figures
