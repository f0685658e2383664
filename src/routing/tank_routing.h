#pragma once
// Routing of case A's tank: the triangular inflow (Ip, Tp, Tb) through a
// prismatic tank of surface S, empty at the outlet's level at t = 0, that
// empties through one orifice or one weir. This is the balance the case A
// charts were drawn from, so routing checks the chart's answer, and sizing by
// routing gives the surface that the balance itself needs.
//
// The outlet laws, with g = 9.81 m/s² and π and √(2g) to full double
// precision (the charts' short literals belong to the chart formulas only):
//   orifice  Q = Ck·A·√(2g·h),  A = π·D²/4;
//   weir     Q = Ck·L·√(2g)·h^1.5, the law that the weir chart's outlet
//            parameter is built on.
// The case A form gives the weir head from Q = Ck·L·H^1.5 instead, without
// √(2g); `outletLaw(...).head(Q)` is the routing's.

#include "cases/physics.h"
#include "routing/level_pool.h"

#include <functional>
#include <optional>

namespace retencion::routing {

enum class Outlet { Orifice, Weir };

struct RoutingInput {
    double ip = 0; // inflow peak, m³/s
    double tp = 0; // time of the inflow peak, s
    double tb = 0; // base time of the hydrograph, s
    Outlet outlet = Outlet::Orifice;
    double dl = 0;      // orifice diameter D or weir length L, m
    double ck = 0;      // discharge coefficient
    double surface = 0; // tank surface S, m²
};

// The outlet's law as Q = coefficient·h^exponent.
PowerLaw outletLaw(Outlet outlet, double dl, double ck);

// Routes the triangular inflow 0 → Ip at Tp → 0 at Tb through the tank of
// `input.surface`. Nothing for a non-physical input (Ip, Tp, D or L, Ck or S
// not positive, Tb ≤ Tp, anything not finite) or a failed integration.
std::optional<RoutingResult> route(const RoutingInput& input, const RoutingOptions& options = {});

// The surface whose routed outflow peak is `targetPeak`, found by bracketing
// and Brent's method on ln S (the routed peak falls as S grows), to a relative
// 1e-8 in S. `input.surface`, when positive and finite, is the first guess
// (the chart's surface, say); otherwise a storage estimate is.
//
// Nothing when no surface gives that peak: a target not strictly between 0 and
// Ip (a tank always lowers the peak, and any outflow needs some), no bracket
// found within a factor 4^30 either way, a non-physical input, or a routing
// that fails along the way. `options.samples` is not used.
std::optional<double> sizeByRouting(const RoutingInput& input, double targetPeak, const RoutingOptions& options = {});

// The orifice diameter or weir length (`input.dl` the first guess, the
// chart's) whose routed outflow peak through the tank of `input.surface` is
// `targetPeak`: bracketed by doubling or halving within case A's studied
// outlet sizes, then Brent's method on ln D to a relative 1e-8 (the routed
// peak rises with the outlet). Nothing when no studied size gives that peak,
// or when `keepGoing`, asked before each routing, says to stop.
std::optional<double> outletByRouting(const RoutingInput& input, double targetPeak,
                                      const std::function<bool()>& keepGoing = {}, const RoutingOptions& options = {});

} // namespace retencion::routing
