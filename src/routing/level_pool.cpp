#include "routing/level_pool.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace retencion::routing {

double PowerLaw::flow(double head) const
{
    if (!(head > 0)) return 0;
    if (exponent == 0.5) return coefficient * std::sqrt(head);
    if (exponent == 1) return coefficient * head;
    return coefficient * std::pow(head, exponent);
}

double PowerLaw::head(double discharge) const
{
    if (!(discharge > 0)) return 0;
    return std::pow(discharge / coefficient, 1 / exponent);
}

double PowerLaw::slope(double head) const
{
    if (!(head > 0)) return exponent < 1 ? INFINITY : (exponent == 1 ? coefficient : 0);
    if (exponent == 0.5) return 0.5 * coefficient / std::sqrt(head);
    if (exponent == 1) return coefficient;
    return coefficient * exponent * std::pow(head, exponent - 1);
}

namespace {

// State: the level h (m) and the volume that has left through the outlet (m³).
using State = std::array<double, 2>;

// Dormand–Prince 5(4): nodes, stages, the fifth-order weights (which are also
// the last stage, so its derivative starts the next step), the difference of
// the two orders' weights, and Shampine's fourth-order dense output.
constexpr double c2 = 1.0 / 5, c3 = 3.0 / 10, c4 = 4.0 / 5, c5 = 8.0 / 9;
constexpr double a21 = 1.0 / 5;
constexpr double a31 = 3.0 / 40, a32 = 9.0 / 40;
constexpr double a41 = 44.0 / 45, a42 = -56.0 / 15, a43 = 32.0 / 9;
constexpr double a51 = 19372.0 / 6561, a52 = -25360.0 / 2187, a53 = 64448.0 / 6561, a54 = -212.0 / 729;
constexpr double a61 = 9017.0 / 3168, a62 = -355.0 / 33, a63 = 46732.0 / 5247, a64 = 49.0 / 176, a65 = -5103.0 / 18656;
constexpr double b1 = 35.0 / 384, b3 = 500.0 / 1113, b4 = 125.0 / 192, b5 = -2187.0 / 6784, b6 = 11.0 / 84;
constexpr double e1 = 71.0 / 57600, e3 = -71.0 / 16695, e4 = 71.0 / 1920, e5 = -17253.0 / 339200, e6 = 22.0 / 525,
                 e7 = -1.0 / 40;
constexpr double d1 = -12715105075.0 / 11282082432, d3 = 87487479700.0 / 32700410799, d4 = -10690763975.0 / 1880347072,
                 d5 = 701980252875.0 / 199316789632, d6 = -1453857185.0 / 822651844, d7 = 69997945.0 / 29380423;

// The inflow on one segment between nodes: linear from q0 at t0 to q1 at t1.
struct Segment {
    double t0, t1, q0, q1;
    double inflow(double t) const { return q0 + (q1 - q0) * ((t - t0) / (t1 - t0)); }
};

// The level over one accepted step, for sampling afterwards: either the exact
// parabola of an orifice tank filling from empty, or the dense output.
// A stiff step keeps the cubic through its ends and their rates of rise.
struct StepRecord {
    enum class Kind { Dense, Exact, Hermite };
    double t0 = 0;
    double dt = 0;
    Kind kind = Kind::Dense;
    double alpha = 0; // exact: h = alpha·(t − t0)²
    std::array<double, 5> r{};

    double level(double t) const
    {
        if (kind == Kind::Exact) return alpha * (t - t0) * (t - t0);
        const double th = std::clamp((t - t0) / dt, 0.0, 1.0);
        if (kind == Kind::Hermite) {
            // r: h0, h1, dt·h0', dt·h1'
            const double th2 = th * th;
            const double th3 = th2 * th;
            return (2 * th3 - 3 * th2 + 1) * r[0] + (th3 - 2 * th2 + th) * r[2] + (-2 * th3 + 3 * th2) * r[1] +
                   (th3 - th2) * r[3];
        }
        return r[0] + th * (r[1] + (1 - th) * (r[2] + th * (r[3] + (1 - th) * r[4])));
    }
};

struct Stages {
    State k1, k2, k3, k4, k5, k6, k7;
    State y1;
};

// Shampine's Rosenbrock 2(3) pair: the same first and last rates as the
// explicit pair keeps in k1 and k7, and the estimate of its local error.
struct StiffStep {
    State f0, f2;
    State y1;
    State err;
};

constexpr double kRosD = 0.29289321881345247559915563789515;  // 1/(2 + √2)
constexpr double kRosE32 = 7.4142135623730950488016887242097; // 6 + √2

class Router {
public:
    Router(std::span<const InflowPoint> inflow, PowerLaw law, double surface, const RoutingOptions& options)
        : m_inflow(inflow), m_law(law), m_surface(surface), m_options(options)
    {
    }

    std::optional<RoutingResult> run();

private:
    State rate(const Segment& seg, double t, const State& y) const
    {
        const double q = m_law.flow(y[0]);
        return {(seg.inflow(t) - q) / m_surface, q};
    }

    void step(const Segment& seg, double t, double dt, const State& y, Stages& s) const;
    void stiffStep(const Segment& seg, double t, double dt, const State& y, const State& f0, StiffStep& s) const;
    bool stiff(const Segment& seg, double level) const;
    bool fillOrificeFromEmpty(const Segment& seg);
    bool integrate(const Segment& seg);
    void peakInside(const Segment& seg, double t, double dt, const State& y, const Stages& s);
    void peakInsideStiff(const Segment& seg, double t, double dt, const State& y, const StiffStep& s);
    void notePeak(double level, double time);
    double inflowAt(double t) const;
    void sample(RoutingResult& result) const;

    std::span<const InflowPoint> m_inflow;
    PowerLaw m_law;
    double m_surface;
    RoutingOptions m_options;

    double m_atolLevel = 0;
    double m_atolVolume = 0;
    double m_t = 0;
    State m_y{0, 0};
    double m_dt = 0; // step size proposed for the next step; 0 until the first
    double m_maxLevel = 0;
    double m_peakTime = 0;
    int m_accepted = 0;
    int m_rejected = 0;
    std::vector<StepRecord> m_record;
};

void Router::step(const Segment& seg, double t, double dt, const State& y, Stages& s) const
{
    State z;
    for (int i = 0; i < 2; ++i)
        z[i] = y[i] + dt * (a21 * s.k1[i]);
    s.k2 = rate(seg, t + c2 * dt, z);
    for (int i = 0; i < 2; ++i)
        z[i] = y[i] + dt * (a31 * s.k1[i] + a32 * s.k2[i]);
    s.k3 = rate(seg, t + c3 * dt, z);
    for (int i = 0; i < 2; ++i)
        z[i] = y[i] + dt * (a41 * s.k1[i] + a42 * s.k2[i] + a43 * s.k3[i]);
    s.k4 = rate(seg, t + c4 * dt, z);
    for (int i = 0; i < 2; ++i)
        z[i] = y[i] + dt * (a51 * s.k1[i] + a52 * s.k2[i] + a53 * s.k3[i] + a54 * s.k4[i]);
    s.k5 = rate(seg, t + c5 * dt, z);
    for (int i = 0; i < 2; ++i)
        z[i] = y[i] + dt * (a61 * s.k1[i] + a62 * s.k2[i] + a63 * s.k3[i] + a64 * s.k4[i] + a65 * s.k5[i]);
    s.k6 = rate(seg, t + dt, z);
    for (int i = 0; i < 2; ++i)
        s.y1[i] = y[i] + dt * (b1 * s.k1[i] + b3 * s.k3[i] + b4 * s.k4[i] + b5 * s.k5[i] + b6 * s.k6[i]);
    s.k7 = rate(seg, t + dt, s.y1);
}

// One linearly implicit step. The Jacobian of (h, V)' = ((I − Q)/S, Q) is
// lower triangular, so W = 1 − dt·d·J is inverted by hand.
void Router::stiffStep(const Segment& seg, double t, double dt, const State& y, const State& f0, StiffStep& s) const
{
    // The true slope however low the level: an orifice tank nearly empty
    // is stiffer than any level above it.
    const double dq = m_law.slope(std::max(y[0], 1e-12 * m_atolLevel));
    const double hd = dt * kRosD;
    const double w00 = 1 + hd * dq / m_surface;
    auto solve = [&](const State& b) -> State {
        const double x0 = b[0] / w00;
        return {x0, b[1] + hd * dq * x0};
    };
    const double ft = (seg.q1 - seg.q0) / (seg.t1 - seg.t0) / m_surface; // ∂f/∂t of the level
    s.f0 = f0;
    const State k1 = solve({f0[0] + hd * ft, f0[1]});
    const State f1 = rate(seg, t + 0.5 * dt, {y[0] + 0.5 * dt * k1[0], y[1] + 0.5 * dt * k1[1]});
    State k2 = solve({f1[0] - k1[0], f1[1] - k1[1]});
    k2 = {k2[0] + k1[0], k2[1] + k1[1]};
    s.y1 = {y[0] + dt * k2[0], y[1] + dt * k2[1]};
    s.f2 = rate(seg, t + dt, s.y1);
    State b3;
    for (int i = 0; i < 2; ++i)
        b3[i] = s.f2[i] - kRosE32 * (k2[i] - f1[i]) - 2 * (k1[i] - f0[i]) + (i == 0 ? hd * ft : 0);
    const State k3 = solve(b3);
    for (int i = 0; i < 2; ++i)
        s.err[i] = dt / 6 * (k1[i] - 2 * k2[i] + k3[i]);
}

// Stiff where the level settles (in S/Q'(h)) more than 10⁴ times faster
// than the segment lasts: there the explicit pair is held by stability, not
// by accuracy.
bool Router::stiff(const Segment& seg, double level) const
{
    const double rate = m_law.slope(std::max(level, m_atolLevel)) / m_surface;
    return rate * (seg.t1 - seg.t0) > 1e4;
}

StepRecord hermiteLevel(double t, double dt, const State& y, const StiffStep& s)
{
    StepRecord rec;
    rec.t0 = t;
    rec.dt = dt;
    rec.kind = StepRecord::Kind::Hermite;
    rec.r = {y[0], s.y1[0], dt * s.f0[0], dt * s.f2[0], 0};
    return rec;
}

StepRecord denseLevel(double t, double dt, const State& y, const Stages& s)
{
    StepRecord rec;
    rec.t0 = t;
    rec.dt = dt;
    const double diff = s.y1[0] - y[0];
    const double bspl = dt * s.k1[0] - diff;
    rec.r = {y[0], diff, bspl, diff - dt * s.k7[0] - bspl,
             dt * (d1 * s.k1[0] + d3 * s.k3[0] + d4 * s.k4[0] + d5 * s.k5[0] + d6 * s.k6[0] + d7 * s.k7[0])};
    return rec;
}

// On a segment whose inflow rises linearly from zero, I = m·(t − ta), a tank
// that starts empty with an orifice fills as h = α·(t − ta)² exactly: the
// balance S·2α·t = m·t − c·√α·t holds when 2S·α + c·√α = m. Starting the
// integrator at h = 0 instead would put it where dQ/dh is infinite.
bool Router::fillOrificeFromEmpty(const Segment& seg)
{
    const double span = seg.t1 - seg.t0;
    const double m = seg.q1 / span;
    const double c = m_law.coefficient;
    // √α = (−c + √(c² + 8S·m)) / 4S, written without the cancellation.
    const double rootAlpha = 2 * m / (c + std::sqrt(c * c + 8 * m_surface * m));
    StepRecord rec;
    rec.t0 = seg.t0;
    rec.dt = span;
    rec.kind = StepRecord::Kind::Exact;
    rec.alpha = rootAlpha * rootAlpha;
    m_y = {rec.alpha * span * span, c * rootAlpha * span * span / 2};
    m_t = seg.t1;
    notePeak(m_y[0], m_t); // the level rises all along the segment
    if (m_options.samples > 0) m_record.push_back(rec);
    return std::isfinite(m_y[0]) && std::isfinite(m_y[1]);
}

// The level peaks where the inflow falls back to the outflow, I = Q(h). A step
// whose rate of rise changes sign holds that instant: it is located on the
// dense output, and the level there is taken by a fresh step from the start of
// this one, shorter and so at least as accurate.
void Router::peakInside(const Segment& seg, double t, double dt, const State& y, const Stages& s)
{
    const StepRecord dense = denseLevel(t, dt, y, s);
    double lo = 0;
    double hi = 1;
    while (hi - lo > 1e-13) {
        const double mid = (lo + hi) / 2;
        const double tm = t + mid * dt;
        if (seg.inflow(tm) > m_law.flow(dense.level(tm)))
            lo = mid;
        else
            hi = mid;
    }
    const double dtPeak = (lo + hi) / 2 * dt;
    if (!(dtPeak > 0)) return;
    Stages fresh;
    fresh.k1 = s.k1;
    step(seg, t, dtPeak, y, fresh);
    notePeak(fresh.y1[0], t + dtPeak);
}

// The same for a stiff step, whose cubic is too coarse for the instant of a
// flat peak: each trial is a fresh stiff step from the start of this one.
void Router::peakInsideStiff(const Segment& seg, double t, double dt, const State& y, const StiffStep& s)
{
    double lo = 0;
    double hi = 1;
    StiffStep fresh;
    while (hi - lo > 1e-12) {
        const double mid = (lo + hi) / 2;
        stiffStep(seg, t, mid * dt, y, s.f0, fresh);
        if (fresh.f2[0] > 0)
            lo = mid;
        else
            hi = mid;
    }
    const double dtPeak = (lo + hi) / 2 * dt;
    if (!(dtPeak > 0)) return;
    stiffStep(seg, t, dtPeak, y, s.f0, fresh);
    notePeak(fresh.y1[0], t + dtPeak);
}

void Router::notePeak(double level, double time)
{
    if (level > m_maxLevel) {
        m_maxLevel = level;
        m_peakTime = time;
    }
}

bool Router::integrate(const Segment& seg)
{
    const double tol = m_options.tolerance;
    const double minStep = 1e-12 * (seg.t1 - seg.t0);
    if (m_dt <= 0) m_dt = 1e-3 * (seg.t1 - seg.t0);
    Stages s;
    StiffStep r;
    s.k1 = rate(seg, m_t, m_y);
    bool rejectedLast = false;
    const std::array<double, 2> atol{m_atolLevel, m_atolVolume};
    while (m_t < seg.t1) {
        if (m_accepted + m_rejected >= m_options.maxSteps) return false;
        double dt = m_dt;
        const bool last = m_t + dt >= seg.t1 || seg.t1 - (m_t + dt) < 1e-2 * dt;
        if (last) dt = seg.t1 - m_t;
        const bool implicit = stiff(seg, m_y[0]);
        State y1;
        std::array<double, 2> err;
        if (implicit) {
            stiffStep(seg, m_t, dt, m_y, s.k1, r);
            y1 = r.y1;
            err = r.err;
        } else {
            step(seg, m_t, dt, m_y, s);
            y1 = s.y1;
            for (int i = 0; i < 2; ++i)
                err[i] = dt * (e1 * s.k1[i] + e3 * s.k3[i] + e4 * s.k4[i] + e5 * s.k5[i] + e6 * s.k6[i] + e7 * s.k7[i]);
        }

        double sum = 0;
        for (int i = 0; i < 2; ++i) {
            const double scale = atol[i] + tol * std::max(std::abs(m_y[i]), std::abs(y1[i]));
            sum += (err[i] / scale) * (err[i] / scale);
        }
        const double norm = std::sqrt(sum / 2);
        // Usual controller: aim at 0.9 of the tolerance, change the step by a
        // factor between 0.2 and 10, and not upwards right after a rejection.
        // The error of the explicit pair goes as dt⁵, of the stiff one as dt³.
        const double order = implicit ? 3 : 5;
        const double factor =
            std::isfinite(norm) ? (norm > 0 ? std::clamp(0.9 * std::pow(norm, -1 / order), 0.2, 10.0) : 10.0) : 0.2;
        if (norm <= 1 && y1[0] >= -m_atolLevel) {
            ++m_accepted;
            const State next = implicit ? r.f2 : s.k7;
            if (s.k1[0] > 0 && !(next[0] > 0)) {
                if (implicit)
                    peakInsideStiff(seg, m_t, dt, m_y, r);
                else
                    peakInside(seg, m_t, dt, m_y, s);
            }
            notePeak(y1[0], m_t + dt);
            if (m_options.samples > 0)
                m_record.push_back(implicit ? hermiteLevel(m_t, dt, m_y, r) : denseLevel(m_t, dt, m_y, s));
            m_t = last ? seg.t1 : m_t + dt;
            m_y = y1;
            s.k1 = next;
            m_dt = dt * (rejectedLast ? std::min(factor, 1.0) : factor);
            rejectedLast = false;
        } else {
            ++m_rejected;
            // A step that took the level below the outlet is halved at least.
            m_dt = dt * (norm > 1 ? factor : 0.5);
            rejectedLast = true;
            if (m_dt < minStep) return false;
        }
    }
    return std::isfinite(m_y[0]) && std::isfinite(m_y[1]);
}

double Router::inflowAt(double t) const
{
    if (t < m_inflow.front().time || t > m_inflow.back().time) return 0;
    auto next = std::upper_bound(m_inflow.begin(), m_inflow.end(), t,
                                 [](double v, const InflowPoint& p) { return v < p.time; });
    if (next == m_inflow.end()) return m_inflow.back().flow;
    const auto& p1 = *next;
    const auto& p0 = *(next - 1);
    return Segment{p0.time, p1.time, p0.flow, p1.flow}.inflow(t);
}

void Router::sample(RoutingResult& result) const
{
    const int n = std::max(m_options.samples, 2);
    const double t0 = m_inflow.front().time;
    std::vector<double> times;
    times.reserve(n + m_inflow.size() + 1);
    for (int i = 0; i < n; ++i)
        times.push_back(t0 + (m_t - t0) * i / (n - 1));
    times.back() = m_t;
    for (const auto& p : m_inflow)
        times.push_back(p.time);
    times.push_back(m_peakTime);
    std::sort(times.begin(), times.end());
    const double close = 1e-12 * (m_t - t0);
    times.erase(std::unique(times.begin(), times.end(), [&](double a, double b) { return b - a <= close; }),
                times.end());

    result.hydrograph.reserve(times.size());
    auto rec = m_record.begin();
    for (const double t : times) {
        while (rec + 1 != m_record.end() && t > rec->t0 + rec->dt)
            ++rec;
        const double level = t == m_peakTime ? m_maxLevel : std::max(rec->level(t), 0.0);
        result.hydrograph.push_back({t, inflowAt(t), m_law.flow(level), level});
    }
}

std::optional<RoutingResult> Router::run()
{
    const auto& opt = m_options;
    if (!(opt.tolerance > 0 && opt.tolerance <= 1e-3) || opt.samples < 0 || opt.maxSteps <= 0) return std::nullopt;
    if (!(opt.drainedFraction > 0 && opt.drainedFraction < 1)) return std::nullopt;
    if (!(m_surface > 0) || !std::isfinite(m_surface)) return std::nullopt;
    if (!(m_law.coefficient > 0) || !std::isfinite(m_law.coefficient)) return std::nullopt;
    if (!(m_law.exponent == 0.5 || m_law.exponent >= 1) || !std::isfinite(m_law.exponent)) return std::nullopt;
    if (m_inflow.size() < 2) return std::nullopt;
    double inflowVolume = 0;
    for (std::size_t i = 0; i < m_inflow.size(); ++i) {
        const auto& p = m_inflow[i];
        if (!std::isfinite(p.time) || !(p.flow >= 0) || !std::isfinite(p.flow)) return std::nullopt;
        if (i > 0) {
            const auto& before = m_inflow[i - 1];
            if (!(p.time > before.time)) return std::nullopt;
            inflowVolume += (p.time - before.time) * (before.flow + p.flow) / 2;
        }
    }
    if (!(inflowVolume > 0) || !std::isfinite(inflowVolume)) return std::nullopt;

    // The level's own scale: the head that discharges the highest inflow, or
    // the level that would hold the whole inflow, whichever is lower, bounds
    // every level reached. Vin/S alone would let a tiny tank's level, far
    // below it, go with hardly any control.
    double highest = 0;
    for (const auto& p : m_inflow)
        highest = std::max(highest, p.flow);
    m_atolLevel = opt.tolerance * std::min(inflowVolume / m_surface, m_law.head(highest));
    m_atolVolume = opt.tolerance * inflowVolume;
    m_t = m_inflow.front().time;
    m_peakTime = m_t;
    if (opt.samples > 0) m_record.reserve(256);

    const bool orifice = m_law.exponent == 0.5;
    for (std::size_t i = 0; i + 1 < m_inflow.size(); ++i) {
        const Segment seg{m_inflow[i].time, m_inflow[i + 1].time, m_inflow[i].flow, m_inflow[i + 1].flow};
        if (orifice && m_y[0] == 0) {
            if (seg.q0 > 0) return std::nullopt;
            if (!fillOrificeFromEmpty(seg)) return std::nullopt;
            continue;
        }
        if (!integrate(seg)) return std::nullopt;
    }

    // With no more inflow the tank only drains, S·dh/dt = −c·h^p, which gives
    // the time to fall to the level of the wanted outflow in closed form.
    const double duration = m_t - m_inflow.front().time;
    const double stopLevel = m_law.head(opt.drainedFraction * m_law.flow(m_maxLevel));
    if (m_y[0] > stopLevel && stopLevel > 0) {
        const double p = m_law.exponent;
        const double k = m_surface / m_law.coefficient;
        const double drain = p == 1 ? k * std::log(m_y[0] / stopLevel)
                                    : k * (std::pow(m_y[0], 1 - p) - std::pow(stopLevel, 1 - p)) / (1 - p);
        const double tail = std::min(drain, 10 * duration);
        if (tail > 0 && !integrate(Segment{m_t, m_t + tail, 0, 0})) return std::nullopt;
    }

    RoutingResult result;
    result.maxLevel = m_maxLevel;
    result.peakOutflow = m_law.flow(m_maxLevel);
    result.peakTime = m_peakTime;
    result.endTime = m_t;
    result.inflowVolume = inflowVolume;
    result.outflowVolume = m_y[1];
    result.storedVolume = m_surface * m_y[0];
    result.massBalancePercent = (inflowVolume - result.outflowVolume - result.storedVolume) / inflowVolume * 100;
    result.acceptedSteps = m_accepted;
    result.rejectedSteps = m_rejected;
    if (opt.samples > 0) sample(result);
    return result;
}

} // namespace

std::optional<RoutingResult> routeLevelPool(std::span<const InflowPoint> inflow, PowerLaw outlet, double surface,
                                            const RoutingOptions& options)
{
    return Router(inflow, outlet, surface, options).run();
}

} // namespace retencion::routing
