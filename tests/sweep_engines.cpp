// A seeded random sweep of the five engines, a million inputs each (set
// RETENCION_SWEEP_INPUTS for fewer or more, RETENCION_SWEEP_SEED to replay
// another run), in and around the studied ranges and now and then a value
// no form should hold (0, negative, huge, infinite, NaN). Every result must
// keep the promises of engine_result_checks.h, no engine call may allocate,
// and the physics the charts were drawn for must hold: with everything else
// fixed, a larger tank never lets a larger outflow peak through, and a
// smaller target outflow peak never needs a smaller tank.

#include "engine_result_checks.h"

#include "cases/a/case_a_engine.h"
#include "cases/b/case_b_engine.h"
#include "cases/c/case_c_engine.h"
#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <new>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Every allocation of the test binary is counted, so that the sweep can
// tell whether an engine call made one.
namespace {
std::atomic<long> g_allocations{0};
}

// GCC, inlining these into the library's own new/delete pairs, takes the
// free below for a mismatch; both sides are malloc and free here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

using namespace retencion;
using namespace retencion::test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::size_t kSteps = 8; // tank sizes, or target peaks, per set of other inputs

long inputsPerEngine()
{
    if (const char* v = std::getenv("RETENCION_SWEEP_INPUTS")) return std::max(1L, std::atol(v));
    return 1'000'000;
}

std::uint64_t seed()
{
    if (const char* v = std::getenv("RETENCION_SWEEP_SEED")) return std::strtoull(v, nullptr, 10);
    return 20240611;
}

class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_gen(seed) {}

    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_gen); }
    bool chance(double p) { return uniform(0, 1) < p; }
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_gen); }

    // In and around [lo, hi]: mostly inside, a tenth of the span beyond each
    // end, now and then exactly on a bound, and rarely a value no form
    // should hold.
    double around(double lo, double hi)
    {
        const double u = uniform(0, 1);
        if (u < 0.01) return odd();
        if (u < 0.03) return chance(0.5) ? lo : hi;
        const double margin = (hi - lo) / 10;
        return uniform(lo - margin, hi + margin);
    }
    // The same on a logarithmic scale, for quantities spanning decades.
    double logAround(double lo, double hi)
    {
        const double u = uniform(0, 1);
        if (u < 0.01) return odd();
        if (u < 0.03) return chance(0.5) ? lo : hi;
        const double margin = std::log(hi / lo) / 10;
        return std::exp(uniform(std::log(lo) - margin, std::log(hi) + margin));
    }
    double odd()
    {
        static constexpr std::array<double, 9> kOdd{0, -0.0, -1, 1e-300, 1e300, -1e300, kInf, -kInf, kNaN};
        return kOdd[pick(kOdd.size())];
    }
    // `n` values from `draw`, in increasing order (NaN last).
    template <class Draw> std::array<double, kSteps> sorted(Draw draw)
    {
        std::array<double, kSteps> v{};
        for (double& x : v)
            x = draw();
        std::sort(v.begin(), v.end(), [](double a, double b) { return a < b || (!std::isnan(a) && std::isnan(b)); });
        return v;
    }

private:
    std::mt19937_64 m_gen;
};

// Which way an answer must go when the given value (the tank, or the target
// outflow peak) grows: down, as physics says, or up, where the chart says
// so on its whole extent (see case E below).
enum class Direction { Falling, Rising };

// Where the answer went the other way.
struct Break {
    std::string where; // case, calculation, option
    std::vector<double> inputs;
    double given0, given1, found0, found1;
};

struct Tally {
    long calls = 0;
    long computed = 0;
    long refused = 0;
    long allocations = 0;
    long compared = 0;               // pairs of computed answers held to their direction
    std::vector<std::string> faults; // broken promises, the first few
    std::vector<Break> breaks;
};

// Calls `engine`, counting its allocations, and checks the result's shape.
template <class Engine> CaseResult call(Tally& t, Engine engine, Expected expected)
{
    const long before = g_allocations.load(std::memory_order_relaxed);
    const CaseResult r = engine();
    t.allocations += g_allocations.load(std::memory_order_relaxed) - before;
    ++t.calls;
    if (r.outcome == Outcome::Computed) ++t.computed;
    if (r.outOfRange()) ++t.refused;
    if (const std::string fault = resultFault(r, expected); !fault.empty() && t.faults.size() < 10)
        t.faults.push_back(fault);
    return r;
}

// Refusal sentences are slow to build; every 97th refusal is checked.
void checkSentence(Tally& t, const CaseResult& r, const KnownValues& known)
{
    if (!r.refusal || t.refused % 97 != 0) return;
    if (const std::string fault = refusalTextFault(*r.refusal, known.span()); !fault.empty() && t.faults.size() < 10)
        t.faults.push_back(fault);
}

// The given values rise along `given`; the answers found for them must go
// the way `direction` says (a tie is never a break).
void checkMonotone(Tally& t, Direction direction, const std::string& where, std::vector<double> inputs,
                   const std::array<double, kSteps>& given, const std::array<CaseResult, kSteps>& found)
{
    std::size_t last = kSteps; // the previous computed step
    for (std::size_t i = 0; i < kSteps; ++i) {
        if (found[i].outcome != Outcome::Computed || !found[i].main) continue;
        if (last != kSteps && given[last] < given[i]) {
            ++t.compared;
            const double a = *found[last].main;
            const double b = *found[i].main;
            const double tolerance = 1e-12 * std::fabs(a) + 1e-12;
            if (direction == Direction::Falling ? b > a + tolerance : b < a - tolerance)
                t.breaks.push_back({where, inputs, given[last], given[i], a, b});
        }
        last = i;
    }
}

// ---- Case A --------------------------------------------------------------

constexpr double kSqrt2g = 4.4294; // as the outlet parameter is defined

Tally sweepCaseA(Rng& rng, long inputs)
{
    Tally t;
    while (t.calls < inputs) {
        CaseAInput in;
        in.outlet = rng.chance(0.05) ? CaseAOutlet::None : rng.chance(0.5) ? CaseAOutlet::Orifice : CaseAOutlet::Weir;
        in.ip = rng.around(0, 130);
        in.tp = rng.logAround(60, 10000);
        // Tb from the hydrograph ratio 2·Tp/Tb, which the curves span.
        in.tb = rng.chance(0.1) ? rng.around(0, 14400) : 2 * in.tp / rng.around(0.4, 1.2);
        in.dl = rng.logAround(0.05, 10);
        in.ck = rng.around(0, 5);
        const bool orifice = in.outlet == CaseAOutlet::Orifice;
        const std::string where = orifice ? "A orifice" : in.outlet == CaseAOutlet::Weir ? "A weir" : "A none";
        const std::vector<double> base{in.ip, in.tp, in.tb, in.dl, in.ck};

        // Outflow: surfaces either typed anywhere in their range, or chosen
        // so that the outlet parameter x falls in and around its range.
        const double vin = in.tb * in.ip / 2;
        const double area = 3.1416 * in.dl * in.dl / 4;
        const bool direct = rng.chance(0.3);
        const auto surfaces = rng.sorted([&] {
            if (direct) return rng.logAround(500, 90000);
            const double x = rng.around(0.2, 2.95);
            return orifice ? std::pow(in.tp * in.ck * area * kSqrt2g / x, 2) / vin
                           : std::pow(in.tp * in.ck * in.dl * kSqrt2g * std::sqrt(vin) / x, 2.0 / 3.0);
        });
        std::array<CaseResult, kSteps> found;
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseAInput o = in;
            o.calculation = CalculationType::Outflow;
            o.w = surfaces[i];
            found[i] = call(
                t, [&] { return CaseAEngine(o); }, expected(o));
            checkSentence(t, found[i], known(o, found[i]));
        }
        checkMonotone(t, Direction::Falling, where + " outflow", base, surfaces, found);

        const auto targets = rng.sorted([&] { return rng.around(0.1, 0.85) * in.ip; });
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseAInput s = in;
            s.calculation = rng.chance(0.02) ? CalculationType::None : CalculationType::Surface;
            s.w = targets[i];
            found[i] = call(
                t, [&] { return CaseAEngine(s); }, expected(s));
            checkSentence(t, found[i], known(s, found[i]));
        }
        checkMonotone(t, Direction::Falling, where + " surface", base, targets, found);
    }
    return t;
}

// ---- Case B --------------------------------------------------------------

Tally sweepCaseB(Rng& rng, long inputs)
{
    Tally t;
    while (t.calls < inputs) {
        CaseBInput in;
        in.conduit = rng.chance(0.05)  ? OutletConduit::None
                     : rng.chance(0.5) ? OutletConduit::Rectangular
                                       : OutletConduit::Circular;
        in.ip = rng.around(0, 100);
        in.tp = rng.logAround(60, 10000);
        in.qb = rng.around(0.05, 0.2) * in.ip;
        in.size = rng.around(0, 10);
        in.n = rng.chance(0.9) ? static_cast<double>(rng.pick(32)) : rng.around(0, 30);
        const std::string where = in.conduit == OutletConduit::Rectangular ? "B rectangular"
                                  : in.conduit == OutletConduit::Circular  ? "B circular"
                                                                           : "B none";
        const std::vector<double> base{in.ip, in.tp, in.qb, in.size, in.n};

        // Rectangular surfaces put the surface coefficient y in and around
        // its range half of the time.
        const bool direct = in.conduit != OutletConduit::Rectangular || rng.chance(0.5);
        const auto surfaces = rng.sorted([&] {
            if (direct) return rng.logAround(50, 1e6);
            return rng.around(2, 15) * in.tp / std::pow(in.qb, 0.75) / std::sqrt(in.ip / in.size);
        });
        std::array<CaseResult, kSteps> found;
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseBInput o = in;
            o.calculation = CalculationType::Outflow;
            o.given = surfaces[i];
            found[i] = call(
                t, [&] { return CaseBEngine(o); }, expected(o));
            checkSentence(t, found[i], known(o, found[i]));
        }
        checkMonotone(t, Direction::Falling, where + " outflow", base, surfaces, found);

        // Targets from the peak reduction 100·(Ip − Qp)/Ip.
        const auto targets = rng.sorted([&] { return in.ip * (1 - rng.around(10, 52) / 100); });
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseBInput s = in;
            s.calculation = rng.chance(0.02) ? CalculationType::Volume : CalculationType::Surface;
            s.given = targets[i];
            found[i] = call(
                t, [&] { return CaseBEngine(s); }, expected(s));
            checkSentence(t, found[i], known(s, found[i]));
        }
        checkMonotone(t, Direction::Falling, where + " surface", base, targets, found);
    }
    return t;
}

// ---- Case C --------------------------------------------------------------

Tally sweepCaseC(Rng& rng, long inputs)
{
    Tally t;
    while (t.calls < inputs) {
        CaseCInput in;
        in.ip = rng.around(9, 50);
        in.tp = rng.logAround(60, 10000);
        in.b = rng.around(2, 5);
        in.ho = rng.around(0.4, 0.8);
        const std::vector<double> base{in.ip, in.tp, in.b, in.ho};

        // Surfaces from the surface index S/(Tp·B²) most of the time.
        const bool direct = rng.chance(0.3);
        const auto surfaces = rng.sorted(
            [&] { return direct ? rng.logAround(50, 100000) : rng.logAround(0.12, 2.5) * in.tp * in.b * in.b; });
        std::array<CaseResult, kSteps> found;
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseCInput o = in;
            o.calculation = rng.chance(0.02) ? CalculationType::None : CalculationType::Outflow;
            o.inc = surfaces[i];
            found[i] = call(
                t, [&] { return CaseCEngine(o); }, expected(o));
            checkSentence(t, found[i], known(o, found[i]));
        }
        checkMonotone(t, Direction::Falling, "C outflow", base, surfaces, found);

        const auto targets = rng.sorted([&] { return rng.around(0.12, 0.38) * in.ip; });
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseCInput s = in;
            s.calculation = CalculationType::Surface;
            s.inc = targets[i];
            found[i] = call(
                t, [&] { return CaseCEngine(s); }, expected(s));
            checkSentence(t, found[i], known(s, found[i]));
        }
        checkMonotone(t, Direction::Falling, "C surface", base, targets, found);
    }
    return t;
}

// ---- Case D --------------------------------------------------------------

Tally sweepCaseD(Rng& rng, long inputs)
{
    Tally t;
    while (t.calls < inputs) {
        CaseDInput in;
        in.ip = rng.around(20, 50);
        in.tp = rng.logAround(60, 10000);
        const std::vector<double> base{in.ip, in.tp};

        // Volumes from the volume rate V/Tp.
        const auto volumes = rng.sorted([&] { return rng.around(0, 40) * in.tp; });
        std::array<CaseResult, kSteps> found;
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseDInput o = in;
            o.calculation = rng.chance(0.02) ? CalculationType::Surface : CalculationType::Outflow;
            o.inc = volumes[i];
            found[i] = call(
                t, [&] { return CaseDEngine(o); }, expected(o));
            checkSentence(t, found[i], known(o, found[i]));
        }
        checkMonotone(t, Direction::Falling, "D outflow", base, volumes, found);

        const auto targets = rng.sorted([&] { return in.ip * (1 - rng.around(8, 60) / 100); });
        for (std::size_t i = 0; i < kSteps; ++i) {
            CaseDInput v = in;
            v.calculation = CalculationType::Volume;
            v.inc = targets[i];
            found[i] = call(
                t, [&] { return CaseDEngine(v); }, expected(v));
            checkSentence(t, found[i], known(v, found[i]));
        }
        checkMonotone(t, Direction::Falling, "D volume", base, targets, found);
    }
    return t;
}

// ---- Case E --------------------------------------------------------------
//
// Every curve of the case E attenuation chart rises: the flow ratio Qp/Ip
// grows with the reduced surface x = (S/Tp)·(L/ho)^0.3. So in case E a
// larger tank gives a larger outflow peak, and a smaller target peak needs
// a smaller tank, all over the chart. The sweep holds the engine to the way
// its chart goes. (The one place where a curve turns back, the repeated
// abscissa x = 0.316279 of the curve B = 2, Ip = 20, lies below the studied
// x ≥ 0.4, and reading x from a ratio there still rises.)

Tally sweepCaseE(Rng& rng, long inputs)
{
    Tally t;
    while (t.calls < inputs) {
        const double ip = rng.around(20, 50);
        const double tp = rng.logAround(60, 10000);
        const double b = rng.around(2, 5);
        const double ho = rng.logAround(0.1, 5);
        const double l = rng.logAround(0.2, 20);
        const std::vector<double> base{ip, tp, b, ho, l};

        // Surfaces from the reduced surface (S/Tp)·(L/ho)^0.3.
        const bool direct = rng.chance(0.2);
        const auto surfaces = rng.sorted(
            [&] { return direct ? rng.logAround(100, 1e6) : rng.around(0.4, 8) * tp / std::pow(l / ho, 0.3); });
        std::array<CaseResult, kSteps> found;
        for (std::size_t i = 0; i < kSteps; ++i) {
            const CalculationType mode = rng.chance(0.02) ? CalculationType::None : CalculationType::Outflow;
            found[i] = call(
                t, [&] { return CaseEEngine(ip, tp, b, ho, l, mode, surfaces[i]); }, expectedE(mode));
            checkSentence(t, found[i], knownE(ip, tp, b, ho, l, mode, surfaces[i], found[i]));
        }
        checkMonotone(t, Direction::Rising, "E outflow", base, surfaces, found);

        const auto targets = rng.sorted([&] { return rng.around(0.15, 0.75) * ip; });
        for (std::size_t i = 0; i < kSteps; ++i) {
            const CalculationType mode = CalculationType::Surface;
            found[i] = call(
                t, [&] { return CaseEEngine(ip, tp, b, ho, l, mode, targets[i]); }, expectedE(mode));
            checkSentence(t, found[i], knownE(ip, tp, b, ho, l, mode, targets[i], found[i]));
        }
        checkMonotone(t, Direction::Rising, "E surface", base, targets, found);
    }
    return t;
}

// ---- The sweep -----------------------------------------------------------

std::string describe(const Break& b)
{
    std::ostringstream os;
    os.precision(9);
    os << b.where << " at (";
    for (std::size_t i = 0; i < b.inputs.size(); ++i)
        os << (i ? ", " : "") << b.inputs[i];
    os << "): " << b.given0 << " -> " << b.found0 << ", " << b.given1 << " -> " << b.found1;
    return os.str();
}

struct Engine {
    const char* name;
    Tally (*sweep)(Rng&, long);
};

void PrintTo(const Engine& e, std::ostream* os)
{
    *os << e.name;
}

class SweepEngines : public testing::TestWithParam<Engine> {};

TEST_P(SweepEngines, KeepsItsPromisesOnAMillionRandomInputs)
{
    const Engine& e = GetParam();
    Rng rng(seed());
    const Tally t = e.sweep(rng, inputsPerEngine());
    RecordProperty("seed", std::to_string(seed()));
    std::cout << e.name << ": " << t.calls << " calls, " << t.computed << " computed, " << t.refused << " refused, "
              << t.compared << " pairs compared, seed " << seed() << "\n";

    EXPECT_TRUE(t.faults.empty()) << t.faults.front();
    EXPECT_EQ(t.allocations, 0) << "an engine call allocated";
    // Enough inputs land inside the charts for the sweep to mean something.
    EXPECT_GT(t.computed, t.calls / 10);
    EXPECT_GT(t.compared, t.calls / 20);
    for (const Break& b : t.breaks)
        ADD_FAILURE() << describe(b);
}

INSTANTIATE_TEST_SUITE_P(Cases, SweepEngines,
                         testing::Values(Engine{"case_a", sweepCaseA}, Engine{"case_b", sweepCaseB},
                                         Engine{"case_c", sweepCaseC}, Engine{"case_d", sweepCaseD},
                                         Engine{"case_e", sweepCaseE}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
