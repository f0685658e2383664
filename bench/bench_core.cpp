// Each engine in each of its calculations, on the worked examples, and the
// number conversions on the texts a form holds. Every benchmark reports the
// allocations one call makes ("allocs"), which for an engine must be 0.
#include "allocation_counter.h"

#include "cases/a/case_a_engine.h"
#include "cases/b/case_b_engine.h"
#include "cases/c/case_c_engine.h"
#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_engine.h"
#include "numbers/format_number.h"
#include "numbers/read_number.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace retencion;

namespace {

constexpr auto kSurface = CalculationType::Surface;
constexpr auto kVolume = CalculationType::Volume;
constexpr auto kOutflow = CalculationType::Outflow;

// Runs `call` in the timing loop and reports its allocations per call.
template <class Call> void measure(benchmark::State& state, Call call)
{
    const long before = counting::allocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(call());
    const long made = counting::allocations.load() - before;
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(made), benchmark::Counter::kAvgIterations);
}

void expectComputed(benchmark::State& state, const CaseResult& r)
{
    if (r.outcome != Outcome::Computed) state.SkipWithError("the example is not computed");
}

template <class Input> void engine(benchmark::State& state, CaseResult (*run)(const Input&), Input in)
{
    expectComputed(state, run(in));
    measure(state, [&] {
        benchmark::DoNotOptimize(in);
        return run(in);
    });
}

void CaseA(benchmark::State& state, CaseAInput in)
{
    engine(state, CaseAEngine, in);
}
void CaseB(benchmark::State& state, CaseBInput in)
{
    engine(state, CaseBEngine, in);
}
void CaseC(benchmark::State& state, CaseCInput in)
{
    engine(state, CaseCEngine, in);
}
void CaseD(benchmark::State& state, CaseDInput in)
{
    engine(state, CaseDEngine, in);
}

void CaseE(benchmark::State& state, CaseEInput in)
{
    engine(state, CaseEEngine, in);
}

void Read(benchmark::State& state, std::u16string text)
{
    const Separators separators{",", "."};
    measure(state, [&] { return ReadField(text, separators).value; });
}

void Format(benchmark::State& state, double value, const char* mask)
{
    const Separators separators{",", "."};
    measure(state, [&] { return FormatNumber(value, mask, separators); });
}

} // namespace

BENCHMARK_CAPTURE(CaseA, surface_orifice, CaseAInput{10, 1200, 3600, 1, 0.6, 3, kSurface, CaseAOutlet::Orifice});
BENCHMARK_CAPTURE(CaseA, outflow_orifice, CaseAInput{10, 1200, 3600, 1, 0.6, 5529.4, kOutflow, CaseAOutlet::Orifice});
BENCHMARK_CAPTURE(CaseA, surface_weir, CaseAInput{10, 1200, 3600, 2, 1.8, 3, kSurface, CaseAOutlet::Weir});
BENCHMARK_CAPTURE(CaseA, outflow_weir, CaseAInput{10, 1200, 3600, 2, 1.8, 38855.34, kOutflow, CaseAOutlet::Weir});
BENCHMARK_CAPTURE(CaseB, surface_rectangular, CaseBInput{10, 1800, 1.2, 2, 0, 7, OutletConduit::Rectangular, kSurface});
BENCHMARK_CAPTURE(CaseB, outflow_rectangular,
                  CaseBInput{10, 1800, 1, 2, 0, 4000, OutletConduit::Rectangular, kOutflow});
BENCHMARK_CAPTURE(CaseB, surface_circular, CaseBInput{10, 1800, 1, 1, 2, 7, OutletConduit::Circular, kSurface});
BENCHMARK_CAPTURE(CaseB, outflow_circular, CaseBInput{10, 1800, 1, 1, 2, 2144.21, OutletConduit::Circular, kOutflow});
BENCHMARK_CAPTURE(CaseC, surface, CaseCInput{20, 3600, 3, 0.45, 5, kSurface});
BENCHMARK_CAPTURE(CaseC, outflow, CaseCInput{30, 2700, 4, 0.75, 20000, kOutflow});
BENCHMARK_CAPTURE(CaseC, height_only, CaseCInput{20, 3600, 3, 0.6, 0, CalculationType::None});
BENCHMARK_CAPTURE(CaseD, volume, CaseDInput{25, 3600, 15, kVolume});
BENCHMARK_CAPTURE(CaseD, outflow, CaseDInput{25, 3600, 36000, kOutflow});
BENCHMARK_CAPTURE(CaseE, surface, CaseEInput{30, 3600, 3, 1, 1, 10, kSurface});
BENCHMARK_CAPTURE(CaseE, outflow, CaseEInput{30, 3600, 3, 1, 1, 4000, kOutflow});

BENCHMARK_CAPTURE(Read, short_decimal, std::u16string(u"12.5"));
BENCHMARK_CAPTURE(Read, blanks_and_exponent, std::u16string(u" 1 234.5e-1 "));
BENCHMARK_CAPTURE(Read, hexadecimal, std::u16string(u"&HFFFF"));
BENCHMARK_CAPTURE(Format, two_decimals, 12.346, "##.##");
BENCHMARK_CAPTURE(Format, whole_surface, 38855.339, "#######.");
BENCHMARK_CAPTURE(Format, grouped, 1234567.891, "##,##");

BENCHMARK_MAIN();
