#pragma once
// The hydrographs of a routing, drawn as the design charts are: inflow and
// outflow against time, and the water level against time, in minutes.

#include "cases/a/case_a_engine.h"
#include "figures/figure.h"
#include "routing/level_pool.h"

#include <string>
#include <vector>

namespace retencion::figures {

std::vector<Figure> routingFigures(const routing::RoutingResult& routed, const Separators& separators);

// One value the user gave case A, as the form names it: "Ip", "10", "m³/s".
struct InputLine {
    std::string symbol;
    std::string value;
    std::string unit; // empty for a coefficient
};

// Ip, Tp, Tb, D or L, Ck, and the Qp or the surface given, as the form shows
// them (times in minutes).
std::vector<InputLine> caseAInputLines(const CaseAInput& input, const Separators& separators);

// "Ip = 10 m³/s; Tp = 20 min.; …": the inputs on one line.
std::string caseAInputSummary(const CaseAInput& input, const Separators& separators);

// The mass balance error as a percentage to quote: "< 0,001 %" below what
// the routing can resolve, otherwise a plain decimal, never an exponent.
std::string massBalanceText(double percent, const Separators& separators);

} // namespace retencion::figures
