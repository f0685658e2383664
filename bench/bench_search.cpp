// The search for a value ("Buscar valor…"), for each case and each unknown
// its options ask for: the target is the worked example's own result, the
// unknown blanked. Target: under 1 ms a search.
#include "cases/value_search.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace retencion;

namespace {

using C = CalculationType;

// clang-format off
const std::pair<const char*, CaseInput> kSeeds[] = {
    {"A_orificio", CaseAInput{.ip = 10, .tp = 1200, .tb = 3600, .dl = 1, .ck = 0.6, .given = 3, .calculation = C::Surface, .outlet = CaseAOutlet::Orifice}},
    {"A_vertedero", CaseAInput{.ip = 10, .tp = 1200, .tb = 3600, .dl = 2, .ck = 1.8, .given = 38855.34, .calculation = C::Outflow, .outlet = CaseAOutlet::Weir}},
    {"B_rectangular", CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 2, .n = 2, .given = 7, .conduit = OutletConduit::Rectangular, .calculation = C::Surface}},
    {"B_circular", CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 1, .n = 2, .given = 2144.21, .conduit = OutletConduit::Circular, .calculation = C::Outflow}},
    {"C", CaseCInput{.ip = 20, .tp = 3600, .b = 3, .ho = 0.6, .given = 5, .calculation = C::Surface}},
    {"D", CaseDInput{.ip = 25, .tp = 3600, .given = 15, .calculation = C::Volume}},
    {"E", CaseEInput{.ip = 30, .tp = 3600, .b = 3, .ho = 1, .l = 1, .given = 10, .calculation = C::Surface}},
};
// clang-format on

void search(benchmark::State& state, CaseInput seed, const InputField* unknown)
{
    const auto goal = targetOf(calculate(seed), SearchTarget::Main);
    if (!goal) {
        state.SkipWithError("the example is not computed");
        return;
    }
    unknown->slot.set(seed, 0);
    std::size_t found = 0;
    for (auto _ : state) {
        const SearchAnswer a = searchValue({seed, unknown, SearchTarget::Main, *goal});
        found = a.found.size();
        benchmark::DoNotOptimize(found);
    }
    if (found == 0) state.SkipWithError("nothing found");
}

const bool kRegistered = [] {
    for (const auto& [name, seed] : kSeeds)
        for (const InputField* unknown : searchableFields(seed))
            benchmark::RegisterBenchmark((std::string("Search/") + name + "/" + unknown->symbol).c_str(), search,
                                         seed, unknown)
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
