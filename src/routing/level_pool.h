#pragma once
// Level-pool routing: an inflow hydrograph passes through a prismatic tank of
// surface S that starts empty at the outlet's level and empties through an
// outlet whose discharge depends on the head alone,
//
//     S · dh/dt = I(t) − Q(h),   h(t0) = 0.
//
// The routing checks the design charts (which were drawn from this very
// balance) and gives the hydrographs to plot. Unlike the chart engines it
// allocates (the sampled hydrographs), but it keeps no state and uses no Qt.
//
// The balance is integrated with the Dormand–Prince 5(4) pair and step-size
// control; every node of the inflow is a step boundary, so the kinks of the
// hydrograph never fall inside a step. The outflow volume is integrated beside
// the level, so the mass balance is that of the integrator itself.
//
// A tank that barely attenuates (a tiny surface, a long flood, a tiny inflow)
// follows its inflow within a time S/Q'(h) far shorter than the hydrograph:
// the balance is stiff there, and an explicit pair would need millions of
// steps only to stay stable. Where that time is below 10⁻⁴ of the segment
// being routed, the steps are taken by an L-stable Rosenbrock pair
// (Shampine's 2(3)), whose step is bounded by accuracy alone.

#include <optional>
#include <span>
#include <vector>

namespace retencion::routing {

// One node of a piecewise-linear inflow hydrograph. Between nodes the inflow
// is linear, after the last node it is zero.
struct InflowPoint {
    double time = 0; // s
    double flow = 0; // m³/s
};

// Outlet law Q = coefficient · h^exponent, h the head over the outlet (m).
// An orifice has exponent 0.5, a weir 1.5, a linear reservoir 1.
struct PowerLaw {
    double coefficient = 0;
    double exponent = 1;

    double flow(double head) const;      // Q(h), zero for h ≤ 0
    double head(double discharge) const; // the inverse, h(Q)
    double slope(double head) const;     // dQ/dh, for the stiff steps
};

struct HydrographSample {
    double time = 0;    // s
    double inflow = 0;  // m³/s
    double outflow = 0; // m³/s
    double level = 0;   // head over the outlet, m
};

struct RoutingOptions {
    // Relative local error allowed per step, on the level and on the outflow
    // volume. The absolute part is this times the level's own scale, the
    // lower of the head that discharges the inflow peak and the level that
    // would hold the whole inflow, and this times the inflow volume.
    double tolerance = 1e-9;
    // Uniformly spaced samples of the hydrographs from the start to the end of
    // the routing; the inflow's nodes and the outflow peak are added to them.
    // 0 keeps no samples (and allocates nothing).
    int samples = 241;
    // After the inflow has ended, the routing goes on until the outflow has
    // fallen to this fraction of its peak, but for no longer than ten times
    // the inflow's duration.
    double drainedFraction = 0.01;
    int maxSteps = 200000;
};

struct RoutingResult {
    double peakOutflow = 0;   // m³/s
    double peakTime = 0;      // s
    double maxLevel = 0;      // m, the head at which the outflow peaks
    double endTime = 0;       // s
    double inflowVolume = 0;  // m³, the whole hydrograph
    double outflowVolume = 0; // m³, up to endTime
    double storedVolume = 0;  // m³, S·h at endTime
    // (inflow − outflow − stored) / inflow, in %.
    double massBalancePercent = 0;
    int acceptedSteps = 0;
    int rejectedSteps = 0;
    std::vector<HydrographSample> hydrograph; // in time order
};

// Routes `inflow` (at least two nodes, times strictly rising, flows ≥ 0 and
// some inflow) through a tank of surface `surface` (m²) with outlet `outlet`
// (coefficient > 0; exponent 0.5, or 1 and above). The tank starts empty at
// the first node's time.
//
// At h = 0 the orifice law (exponent 0.5) has an infinite slope dQ/dh; a
// segment that starts with an empty tank and no inflow is routed with its
// exact solution h = α·(t − ta)² (the inflow rises linearly from zero), and
// an orifice tank that is empty while inflow is already arriving is refused.
//
// Returns nothing for inputs outside these bounds, non-finite numbers, or
// when the integrator needs more than `maxSteps` steps.
std::optional<RoutingResult> routeLevelPool(std::span<const InflowPoint> inflow, PowerLaw outlet, double surface,
                                            const RoutingOptions& options = {});

} // namespace retencion::routing
