// A seeded random sweep of the five engines, a million inputs each (set
// RETENCION_SWEEP_INPUTS for fewer or more, RETENCION_SWEEP_SEED to replay
// another run), in and around the studied ranges and now and then a value
// no form should hold (0, negative, huge, infinite, NaN) or a calculation
// the case does not have. Every result must keep the promises of
// engine_result_checks.h, no engine call may allocate, and the physics the
// charts were drawn for must hold: with everything else fixed, a larger tank
// never lets a larger outflow peak through, and a smaller target outflow
// peak never needs a smaller tank.

#include "allocation_counter.h" // every allocation of this binary is counted
#include "engine_result_checks.h"

#include "cases/e/case_e_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

using namespace retencion;
using namespace retencion::test;

namespace {

constexpr std::size_t kSteps = 8; // tank sizes, or target peaks, per set of other inputs
using Steps = std::array<double, kSteps>;

const char* const kInputs = std::getenv("RETENCION_SWEEP_INPUTS");
const char* const kSeed = std::getenv("RETENCION_SWEEP_SEED");
const long inputsPerEngine = kInputs ? std::max(1L, std::atol(kInputs)) : 1'000'000;
const std::uint64_t seed = kSeed ? std::strtoull(kSeed, nullptr, 10) : 20240611;

class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_gen(seed) {}

    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_gen); }
    bool chance(double p) { return uniform(0, 1) < p; }
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_gen); }

    // In and around [lo, hi] (on a log scale for quantities spanning
    // decades): mostly inside, a tenth of the span beyond each end, now and
    // then exactly on a bound, and rarely a value no form should hold.
    double around(double lo, double hi, bool logScale = false)
    {
        static constexpr double kInf = std::numeric_limits<double>::infinity();
        static constexpr std::array<double, 9> kOdd{0, -0.0, -1, 1e-300, 1e300, -1e300, kInf, -kInf, NAN};
        const double u = uniform(0, 1);
        if (u < 0.01) return kOdd[pick(kOdd.size())];
        if (u < 0.03) return chance(0.5) ? lo : hi;
        if (!logScale) return uniform(lo - (hi - lo) / 10, hi + (hi - lo) / 10);
        const double margin = std::log(hi / lo) / 10;
        return std::exp(uniform(std::log(lo) - margin, std::log(hi) + margin));
    }
    // kSteps values from `draw`, in increasing order (NaN last).
    template <class Draw> Steps sorted(Draw draw)
    {
        Steps v{};
        std::generate(v.begin(), v.end(), draw);
        std::sort(v.begin(), v.end(), [](double a, double b) { return a < b || (!std::isnan(a) && std::isnan(b)); });
        return v;
    }

private:
    std::mt19937_64 m_gen;
};

struct Tally {
    long calls = 0, computed = 0, refused = 0, allocations = 0;
    long compared = 0; // pairs of computed answers held to their direction
    std::vector<std::string> faults;
    void fail(const std::string& what)
    {
        if (faults.size() < 20) faults.push_back(what);
    }
};

using test::expected;
using test::known;

Expected expected(const CaseEInput& in)
{
    return expectedE(in.calculation);
}
KnownValues known(const CaseEInput& in, const CaseResult& r)
{
    return knownE(in, r);
}

// Runs the engine on `in`, counting its allocations, and holds the result to
// its promises; every 97th refusal's sentence too (they are slow to build).
template <class Input, class Engine> CaseResult check(Tally& t, const Input& in, Engine engine)
{
    const long before = counting::allocations.load(std::memory_order_relaxed);
    const CaseResult r = engine();
    t.allocations += counting::allocations.load(std::memory_order_relaxed) - before;
    ++t.calls;
    t.computed += r.outcome == Outcome::Computed;
    std::string fault = resultFault(r, expected(in));
    if (r.refusal && ++t.refused % 97 == 0 && fault.empty()) fault = refusalTextFault(*r.refusal, known(in, r).span());
    if (!fault.empty()) t.fail(fault);
    return r;
}

// The engine over rising given values (tanks, or target outflow peaks),
// everything else fixed: the answers of `mode` must fall, or rise where
// `rising` says the chart does (a tie is never a break). Now and then a
// call is made with any other calculation, which must not break anything.
template <class Engine>
void series(Tally& t, Rng& rng, const char* where, bool rising, CalculationType mode, const Steps& given, Engine engine)
{
    std::optional<std::pair<double, double>> last; // given, found
    for (const double g : given) {
        const CalculationType c = rng.chance(0.02) ? static_cast<CalculationType>(rng.pick(4)) : mode;
        const CaseResult r = engine(c, g);
        if (c != mode || r.outcome != Outcome::Computed || !r.main) continue;
        if (last && last->first < g) {
            ++t.compared;
            const double a = last->second, b = *r.main, tolerance = 1e-12 * std::fabs(a) + 1e-12;
            if (rising ? b < a - tolerance : b > a + tolerance) {
                std::ostringstream os;
                os.precision(9);
                os << where << ": " << last->first << " -> " << a << ", " << g << " -> " << b << ", seed " << seed;
                t.fail(os.str());
            }
        }
        last = {g, *r.main};
    }
}

void sweepCaseA(Tally& t, Rng& rng)
{
    CaseAInput in;
    in.outlet = rng.chance(0.05) ? CaseAOutlet::None : rng.chance(0.5) ? CaseAOutlet::Orifice : CaseAOutlet::Weir;
    in.ip = rng.around(0, 130);
    in.tp = rng.around(60, 10000, true);
    // Tb mostly from the hydrograph ratio 2·Tp/Tb, which the curves span.
    in.tb = rng.chance(0.1) ? rng.around(0, 14400) : 2 * in.tp / rng.around(0.4, 1.2);
    in.dl = rng.around(0.05, 10, true);
    in.ck = rng.around(0, 5);
    const auto engine = [&](CalculationType c, double w) {
        const CaseAInput x{in.ip, in.tp, in.tb, in.dl, in.ck, w, c, in.outlet};
        return check(t, x, [&] { return CaseAEngine(x); });
    };
    // Surfaces typed anywhere in their range, or chosen so that the
    // outlet parameter x (√(2g) = 4.4294) falls in and around its range.
    const double vin = in.tb * in.ip / 2, area = 3.1416 * in.dl * in.dl / 4;
    const bool direct = rng.chance(0.3);
    series(t, rng, "A outflow", false, CalculationType::Outflow, rng.sorted([&] {
        if (direct) return rng.around(500, 90000, true);
        const double x = rng.around(0.2, 2.95);
        return in.outlet == CaseAOutlet::Orifice
                   ? std::pow(in.tp * in.ck * area * 4.4294 / x, 2) / vin
                   : std::pow(in.tp * in.ck * in.dl * 4.4294 * std::sqrt(vin) / x, 2.0 / 3.0);
    }),
           engine);
    series(t, rng, "A surface", false, CalculationType::Surface,
           rng.sorted([&] { return rng.around(0.1, 0.85) * in.ip; }), engine);
}

void sweepCaseB(Tally& t, Rng& rng)
{
    CaseBInput in;
    in.conduit = rng.chance(0.05)  ? OutletConduit::None
                 : rng.chance(0.5) ? OutletConduit::Rectangular
                                   : OutletConduit::Circular;
    in.ip = rng.around(0, 100);
    in.tp = rng.around(60, 10000, true);
    in.qb = rng.around(0.05, 0.2) * in.ip;
    in.size = rng.around(0, 10);
    in.n = rng.chance(0.9) ? static_cast<double>(rng.pick(32)) : rng.around(0, 30);
    const auto engine = [&](CalculationType c, double given) {
        const CaseBInput x{in.ip, in.tp, in.qb, in.size, in.n, given, in.conduit, c};
        return check(t, x, [&] { return CaseBEngine(x); });
    };
    // Rectangular surfaces put the surface coefficient y in and around
    // its range half of the time; targets come from the peak reduction.
    const bool direct = in.conduit != OutletConduit::Rectangular || rng.chance(0.5);
    series(t, rng, "B outflow", false, CalculationType::Outflow, rng.sorted([&] {
        return direct ? rng.around(50, 1e6, true)
                      : rng.around(2, 15) * in.tp / std::pow(in.qb, 0.75) / std::sqrt(in.ip / in.size);
    }),
           engine);
    series(t, rng, "B surface", false, CalculationType::Surface,
           rng.sorted([&] { return in.ip * (1 - rng.around(10, 52) / 100); }), engine);
}

void sweepCaseC(Tally& t, Rng& rng)
{
    const CaseCInput in{rng.around(9, 50), rng.around(60, 10000, true), rng.around(2, 5), rng.around(0.4, 0.8)};
    const auto engine = [&](CalculationType c, double inc) {
        const CaseCInput x{in.ip, in.tp, in.b, in.ho, inc, c};
        return check(t, x, [&] { return CaseCEngine(x); });
    };
    // Surfaces mostly from the surface index S/(Tp·B²).
    const bool direct = rng.chance(0.3);
    series(t, rng, "C outflow", false, CalculationType::Outflow, rng.sorted([&] {
        return direct ? rng.around(50, 100000, true) : rng.around(0.12, 2.5, true) * in.tp * in.b * in.b;
    }),
           engine);
    series(t, rng, "C surface", false, CalculationType::Surface,
           rng.sorted([&] { return rng.around(0.12, 0.38) * in.ip; }), engine);
}

void sweepCaseD(Tally& t, Rng& rng)
{
    const double ip = rng.around(20, 50), tp = rng.around(60, 10000, true);
    const auto engine = [&](CalculationType c, double inc) {
        const CaseDInput x{ip, tp, inc, c};
        return check(t, x, [&] { return CaseDEngine(x); });
    };
    // Volumes from the volume rate V/Tp, targets from the peak reduction.
    series(t, rng, "D outflow", false, CalculationType::Outflow, rng.sorted([&] { return rng.around(0, 40) * tp; }),
           engine);
    series(t, rng, "D volume", false, CalculationType::Volume,
           rng.sorted([&] { return ip * (1 - rng.around(8, 60) / 100); }), engine);
}

// Every curve of the case E attenuation chart rises: the flow ratio Qp/Ip
// grows with the reduced surface x = (S/Tp)·(L/ho)^0.3. So in case E a
// larger tank gives a larger outflow peak, and a smaller target peak needs
// a smaller tank, all over the chart. The sweep holds the engine to the way
// its chart goes. (The one place where a curve turns back, the repeated
// abscissa x = 0.316279 of the curve B = 2, Ip = 20, lies below the studied
// x ≥ 0.4, and reading x from a ratio there still rises.)
void sweepCaseE(Tally& t, Rng& rng)
{
    const double ip = rng.around(20, 50), tp = rng.around(60, 10000, true), b = rng.around(2, 5);
    const double ho = rng.around(0.1, 5, true), l = rng.around(0.2, 20, true);
    const auto engine = [&](CalculationType c, double inc) {
        const CaseEInput x{ip, tp, b, ho, l, inc, c};
        return check(t, x, [&] { return CaseEEngine(x); });
    };
    // Surfaces mostly from the reduced surface (S/Tp)·(L/ho)^0.3.
    const bool direct = rng.chance(0.2);
    series(t, rng, "E outflow", true, CalculationType::Outflow, rng.sorted([&] {
        return direct ? rng.around(100, 1e6, true) : rng.around(0.4, 8) * tp / std::pow(l / ho, 0.3);
    }),
           engine);
    series(t, rng, "E surface", true, CalculationType::Surface, rng.sorted([&] { return rng.around(0.15, 0.75) * ip; }),
           engine);
}

struct Sweep {
    const char* name;
    void (*once)(Tally&, Rng&); // one set of inputs, and two series
};
void PrintTo(const Sweep& s, std::ostream* os)
{
    *os << s.name;
}

class SweepEngines : public testing::TestWithParam<Sweep> {};

TEST_P(SweepEngines, KeepsItsPromisesOnAMillionRandomInputs)
{
    Rng rng(seed);
    Tally t;
    while (t.calls < inputsPerEngine)
        GetParam().once(t, rng);
    std::cout << GetParam().name << ": " << t.calls << " calls, " << t.computed << " computed, " << t.refused
              << " refused, " << t.compared << " pairs compared, seed " << seed << "\n";
    for (const std::string& fault : t.faults)
        ADD_FAILURE() << fault;
    EXPECT_EQ(t.allocations, 0) << "an engine call allocated";
    // Enough inputs land inside the charts for the sweep to mean something.
    EXPECT_GT(t.computed, t.calls / 10);
    EXPECT_GT(t.compared, t.calls / 20);
}

INSTANTIATE_TEST_SUITE_P(Cases, SweepEngines,
                         testing::Values(Sweep{"case_a", sweepCaseA}, Sweep{"case_b", sweepCaseB},
                                         Sweep{"case_c", sweepCaseC}, Sweep{"case_d", sweepCaseD},
                                         Sweep{"case_e", sweepCaseE}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
