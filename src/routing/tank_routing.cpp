#include "routing/tank_routing.h"

#include "cases/a/case_a_charts.h"

#include <array>
#include <cmath>
#include <numbers>

namespace retencion::routing {
namespace {

const double kSqrt2g = std::sqrt(2 * kGravity);

bool physical(const RoutingInput& in, bool withSurface)
{
    const std::array<double, 6> all{in.ip, in.tp, in.tb, in.dl, in.ck, withSurface ? in.surface : 1.0};
    for (const double v : all)
        if (!std::isfinite(v) || !(v > 0)) return false;
    return in.tb > in.tp;
}

std::optional<RoutingResult> routeTriangle(const RoutingInput& in, const RoutingOptions& options)
{
    const std::array<InflowPoint, 3> inflow{{{0, 0}, {in.tp, in.ip}, {in.tb, 0}}};
    return routeLevelPool(inflow, outletLaw(in.outlet, in.dl, in.ck), in.surface, options);
}

// Brent's method on f(u) = peak(e^u) − target over a bracket [a, b] with
// f(a), f(b) of opposite signs; xtol is absolute in u, so relative in S.
template <typename F> std::optional<double> brent(F&& f, double a, double fa, double b, double fb, double xtol)
{
    double c = a;
    double fc = fa;
    double d = b - a;
    double e = d;
    for (int iter = 0; iter < 200; ++iter) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * 2.2e-16 * std::abs(b) + 0.5 * xtol;
        const double xm = 0.5 * (c - b);
        if (std::abs(xm) <= tol || fb == 0) return b;
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            // Secant or inverse quadratic interpolation, kept if it falls
            // well inside the bracket and shrinks fast enough.
            const double s = fb / fa;
            double p;
            double q;
            if (a == c) {
                p = 2 * xm * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * xm * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * xm * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : std::copysign(tol, xm);
        const auto next = f(b);
        if (!next) return std::nullopt;
        fb = *next;
    }
    return std::nullopt;
}

} // namespace

PowerLaw outletLaw(Outlet outlet, double dl, double ck)
{
    if (outlet == Outlet::Orifice) return {ck * (std::numbers::pi * dl * dl / 4) * kSqrt2g, 0.5};
    return {ck * dl * kSqrt2g, 1.5};
}

std::optional<RoutingResult> route(const RoutingInput& input, const RoutingOptions& options)
{
    if (!physical(input, true)) return std::nullopt;
    return routeTriangle(input, options);
}

namespace {

// The root of `excess` in u = ln x: from the guess, steps of `stride` (up
// when the excess at the guess is positive and `upWhenAbove`, else down)
// until the excess changes sign, then Brent's method to a relative 1e-8 in
// x. Nothing when a routing fails, a step leaves what `allowed` admits, or
// no sign change comes within `steps`.
template <typename F, typename Allowed>
std::optional<double> solveInLog(F&& excess, double guess, double stride, bool upWhenAbove, int steps, Allowed allowed)
{
    double a = std::log(guess);
    auto fa = excess(a);
    if (!fa) return std::nullopt;
    if (*fa == 0) return guess;
    if ((*fa > 0) != upWhenAbove) stride = -stride;
    for (int i = 0; i < steps; ++i) {
        const double b = a + stride;
        if (!allowed(std::exp(b))) return std::nullopt;
        const auto fb = excess(b);
        if (!fb) return std::nullopt;
        if ((*fb > 0) != (*fa > 0) || *fb == 0) {
            const auto u = brent(excess, a, *fa, b, *fb, 1e-8);
            if (!u) return std::nullopt;
            return std::exp(*u);
        }
        a = b;
        fa = fb;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> sizeByRouting(const RoutingInput& input, double targetPeak, const RoutingOptions& options)
{
    if (!physical(input, false)) return std::nullopt;
    if (!std::isfinite(targetPeak) || !(targetPeak > 0) || !(targetPeak < input.ip)) return std::nullopt;

    RoutingOptions quiet = options;
    quiet.samples = 0;
    // f(u) = routed peak of the tank of surface e^u, less the target.
    auto excess = [&](double u) -> std::optional<double> {
        RoutingInput in = input;
        in.surface = std::exp(u);
        const auto routed = routeTriangle(in, quiet);
        if (!routed) return std::nullopt;
        return routed->peakOutflow - targetPeak;
    };

    double guess = input.surface;
    if (!(guess > 0) || !std::isfinite(guess)) {
        // The volume above the outflow in a triangular sketch, Vin·(1 − Qp/Ip),
        // held at the head that discharges Qp.
        const double vin = input.tb * input.ip / 2;
        guess = vin * (1 - targetPeak / input.ip) / outletLaw(input.outlet, input.dl, input.ck).head(targetPeak);
    }
    // A peak above the target asks for a bigger tank, one below for a smaller.
    return solveInLog(excess, guess, std::log(4.0), true, 30, [](double) { return true; });
}

std::optional<double> outletByRouting(const RoutingInput& input, double targetPeak,
                                      const std::function<bool()>& keepGoing, const RoutingOptions& options)
{
    if (!physical(input, true)) return std::nullopt;
    if (!std::isfinite(targetPeak) || !(targetPeak > 0) || !(targetPeak < input.ip)) return std::nullopt;

    RoutingOptions quiet = options;
    quiet.samples = 0;
    // f(u) = routed peak through the outlet of size e^u, less the target.
    auto excess = [&](double u) -> std::optional<double> {
        if (keepGoing && !keepGoing()) return std::nullopt;
        RoutingInput in = input;
        in.dl = std::exp(u);
        const auto routed = routeTriangle(in, quiet);
        if (!routed) return std::nullopt;
        return routed->peakOutflow - targetPeak;
    };
    // A peak above the target asks for a smaller outlet, one below for a
    // bigger; no outlet beyond the studied sizes is sought.
    return solveInLog(excess, input.dl, std::log(2.0), false, 40,
                      [](double dl) { return case_a::kOutletSizeRange.holds(dl); });
}

} // namespace retencion::routing
