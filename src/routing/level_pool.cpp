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
struct StepRecord {
    double t0 = 0;
    double dt = 0;
    bool exact = false;
    double alpha = 0; // exact: h = alpha·(t − t0)²
    std::array<double, 5> r{};

    double level(double t) const
    {
        if (exact) return alpha * (t - t0) * (t - t0);
        const double th = std::clamp((t - t0) / dt, 0.0, 1.0);
        return r[0] + th * (r[1] + (1 - th) * (r[2] + th * (r[3] + (1 - th) * r[4])));
    }
};

struct Stages {
    State k1, k2, k3, k4, k5, k6, k7;
    State y1;
};

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
    bool fillOrificeFromEmpty(const Segment& seg);
    bool integrate(const Segment& seg);
    void peakInside(const Segment& seg, double t, double dt, const State& y, const Stages& s);
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
    rec.exact = true;
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
    s.k1 = rate(seg, m_t, m_y);
    bool rejectedLast = false;
    while (m_t < seg.t1) {
        if (m_accepted + m_rejected >= m_options.maxSteps) return false;
        double dt = m_dt;
        const bool last = m_t + dt >= seg.t1 || seg.t1 - (m_t + dt) < 1e-2 * dt;
        if (last) dt = seg.t1 - m_t;
        step(seg, m_t, dt, m_y, s);

        const std::array<double, 2> atol{m_atolLevel, m_atolVolume};
        double sum = 0;
        for (int i = 0; i < 2; ++i) {
            const double err =
                dt * (e1 * s.k1[i] + e3 * s.k3[i] + e4 * s.k4[i] + e5 * s.k5[i] + e6 * s.k6[i] + e7 * s.k7[i]);
            const double scale = atol[i] + tol * std::max(std::abs(m_y[i]), std::abs(s.y1[i]));
            sum += (err / scale) * (err / scale);
        }
        const double norm = std::sqrt(sum / 2);
        // Usual controller: aim at 0.9 of the tolerance, change the step by a
        // factor between 0.2 and 10, and not upwards right after a rejection.
        const double factor =
            std::isfinite(norm) ? (norm > 0 ? std::clamp(0.9 * std::pow(norm, -0.2), 0.2, 10.0) : 10.0) : 0.2;
        if (norm <= 1) {
            ++m_accepted;
            if (s.k1[0] > 0 && !(s.k7[0] > 0)) peakInside(seg, m_t, dt, m_y, s);
            notePeak(s.y1[0], m_t + dt);
            if (m_options.samples > 0) m_record.push_back(denseLevel(m_t, dt, m_y, s));
            m_t = last ? seg.t1 : m_t + dt;
            m_y = s.y1;
            s.k1 = s.k7;
            m_dt = dt * (rejectedLast ? std::min(factor, 1.0) : factor);
            rejectedLast = false;
        } else {
            ++m_rejected;
            m_dt = dt * factor;
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

    // The level that would hold the whole inflow bounds every level reached.
    m_atolLevel = opt.tolerance * inflowVolume / m_surface;
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
