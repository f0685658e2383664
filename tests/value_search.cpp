// The search for a value, round trip: a computed calculation of each case,
// its result taken as the target, one input blanked and searched for; the
// search gives that input back (or lists it among the values where the
// result turns), every value it gives answers the target, a target out of
// reach gives none and the reach, and the conduit count is the smallest
// whole number that meets or beats the target.

#include "cases/value_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace retencion;

namespace {

using C = CalculationType;

struct Seed {
    const char* name;
    CaseInput input;
};

void PrintTo(const Seed& s, std::ostream* os)
{
    *os << s.name;
}

// clang-format off
const Seed kSeeds[] = {
    {"AOrificeSurface", CaseAInput{.ip = 10, .tp = 1200, .tb = 3600, .dl = 1, .ck = 0.6, .given = 3, .calculation = C::Surface, .outlet = CaseAOutlet::Orifice}},
    {"AOrificeOutflow", CaseAInput{.ip = 10, .tp = 1200, .tb = 3600, .dl = 1, .ck = 0.6, .given = 5529.4, .calculation = C::Outflow, .outlet = CaseAOutlet::Orifice}},
    {"AWeirSurface", CaseAInput{.ip = 10, .tp = 1200, .tb = 3600, .dl = 2, .ck = 1.8, .given = 3, .calculation = C::Surface, .outlet = CaseAOutlet::Weir}},
    {"AWeirOutflow", CaseAInput{.ip = 10, .tp = 1200, .tb = 3600, .dl = 2, .ck = 1.8, .given = 38855.34, .calculation = C::Outflow, .outlet = CaseAOutlet::Weir}},
    {"BRectangularSurface", CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 2, .n = 2, .given = 7, .conduit = OutletConduit::Rectangular, .calculation = C::Surface}},
    {"BRectangularOutflow", CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 2, .n = 2, .given = 4000, .conduit = OutletConduit::Rectangular, .calculation = C::Outflow}},
    {"BCircularSurface", CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 1, .n = 2, .given = 7, .conduit = OutletConduit::Circular, .calculation = C::Surface}},
    {"BCircularOutflow", CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 1, .n = 2, .given = 2144.21, .conduit = OutletConduit::Circular, .calculation = C::Outflow}},
    {"CSurface", CaseCInput{.ip = 20, .tp = 3600, .b = 3, .ho = 0.6, .given = 5, .calculation = C::Surface}},
    {"COutflow", CaseCInput{.ip = 30, .tp = 2700, .b = 4, .ho = 0.75, .given = 20000, .calculation = C::Outflow}},
    {"CHeightOnly", CaseCInput{.ip = 20, .tp = 3600, .b = 3, .ho = 0.6, .given = 0, .calculation = C::None}},
    {"DVolume", CaseDInput{.ip = 25, .tp = 3600, .given = 15, .calculation = C::Volume}},
    {"DOutflow", CaseDInput{.ip = 25, .tp = 3600, .given = 36000, .calculation = C::Outflow}},
    {"ESurface", CaseEInput{.ip = 30, .tp = 3600, .b = 3, .ho = 1, .l = 1, .given = 10, .calculation = C::Surface}},
    {"EOutflow", CaseEInput{.ip = 30, .tp = 3600, .b = 3, .ho = 1, .l = 1, .given = 4000, .calculation = C::Outflow}},
};
// clang-format on

bool near(double a, double b, double rel)
{
    return std::abs(a - b) <= rel * std::max(std::abs(a), std::abs(b));
}

class Search : public testing::TestWithParam<Seed> {};

TEST_P(Search, GivesBackEachUnknownOfEachTarget)
{
    const CaseInput& seed = GetParam().input;
    const CaseResult computed = calculate(seed);
    ASSERT_EQ(computed.outcome, Outcome::Computed);
    int searches = 0;
    for (const SearchTarget target : {SearchTarget::Main, SearchTarget::Height}) {
        const auto goal = targetOf(computed, target);
        if (!goal) continue;
        for (const InputField* unknown : searchableFields(seed)) {
            const double typed = unknown->slot.get(seed);
            CaseInput blank = seed;
            unknown->slot.set(blank, 0);
            const SearchAnswer a = searchValue({blank, unknown, target, *goal});
            const std::string where = std::string(unknown->symbol) + (target == SearchTarget::Main ? " → main" : " → H");
            ++searches;
            if (a.unmoved) {
                // Then the target is the same wherever the engine answers.
                ASSERT_TRUE(a.targetSpan);
                EXPECT_TRUE(near(a.targetSpan->low, *goal, 1e-12)) << where;
                continue;
            }
            ASSERT_FALSE(a.found.empty()) << where;
            for (const double x : a.found) {
                CaseInput at = blank;
                unknown->slot.set(at, x);
                const auto y = targetOf(calculate(at), target);
                ASSERT_TRUE(y) << where << ": the engine refuses the value found " << x;
                if (a.whole)
                    EXPECT_LE(*y, *goal * (1 + 1e-12)) << where;
                else
                    EXPECT_TRUE(near(*y, *goal, 1e-7)) << where << ": " << x << " gives " << *y << ", not " << *goal;
            }
            if (a.whole) {
                EXPECT_LE(a.found.front(), typed) << where;
                EXPECT_EQ(a.found.front(), std::round(a.found.front())) << where;
                continue;
            }
            const bool recovered =
                std::any_of(a.found.begin(), a.found.end(), [&](double x) { return near(x, typed, 1e-6); });
            // Where the result turns right at the typed value (a chart node
            // is a kink), the target is met there and beside it, and the
            // values beside it are listed.
            EXPECT_TRUE(recovered || a.found.size() > 1) << where << ": typed " << typed << ", found " << a.found.front() << " and "
                                   << a.found.size() - 1 << " more";
        }
    }
    EXPECT_GT(searches, 1);
}

TEST_P(Search, TargetOutOfReachGivesTheReach)
{
    const CaseInput& seed = GetParam().input;
    const auto goal = targetOf(calculate(seed), SearchTarget::Main);
    if (!goal) GTEST_SKIP() << "no main result";
    for (const InputField* unknown : searchableFields(seed)) {
        const SearchAnswer probe = searchValue({seed, unknown, SearchTarget::Main, *goal});
        ASSERT_TRUE(probe.targetSpan && probe.unknownSpan) << unknown->symbol;
        for (const double beyond : {probe.targetSpan->high * 1.5 + 1, probe.targetSpan->low * 0.5 - 1}) {
            const SearchAnswer a = searchValue({seed, unknown, SearchTarget::Main, beyond});
            if (a.whole && beyond > probe.targetSpan->high) continue; // a whole count beats a target above reach
            EXPECT_TRUE(a.found.empty()) << unknown->symbol << " " << beyond;
            ASSERT_TRUE(a.targetSpan) << unknown->symbol;
            EXPECT_TRUE(near(a.targetSpan->low, probe.targetSpan->low, 1e-12)) << unknown->symbol;
            EXPECT_TRUE(near(a.targetSpan->high, probe.targetSpan->high, 1e-12)) << unknown->symbol;
            EXPECT_LE(a.unknownSpan->low, a.unknownSpan->high);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachCaseAndOption, Search, testing::ValuesIn(kSeeds),
                         [](const testing::TestParamInfo<Seed>& i) { return std::string(i.param.name); });

// Two circular conduits of 1 m give Qp = 7 m³/s for this surface; more
// conduits let more out. The smallest count whose outflow is no higher than
// asked is the answer, and it says whether it meets the target or beats it.
TEST(SearchWhole, SmallestConduitCountThatMeetsOrBeats)
{
    const CaseBInput in{.ip = 10, .tp = 1800, .qb = 1, .size = 1, .n = 2, .given = 2144.21,
                        .conduit = OutletConduit::Circular, .calculation = C::Outflow};
    const InputField* n = inputField(CaseInput{in}, "BN");
    ASSERT_NE(n, nullptr);
    const auto qpAt = [&](double count) {
        CaseBInput at = in;
        at.n = count;
        return *calculate(at).main;
    };
    // Between the outflows of 3 and 4 conduits: 4 beats it... or 3, as
    // the outflow falls or rises with the count.
    const double asked = 0.5 * (qpAt(3) + qpAt(4));
    const SearchAnswer a = searchValue({CaseInput{in}, n, SearchTarget::Main, asked});
    ASSERT_TRUE(a.whole);
    ASSERT_EQ(a.found.size(), 1u);
    EXPECT_FALSE(a.exact);
    const double found = a.found.front();
    EXPECT_LE(qpAt(found), asked);
    if (found > 1) {
        EXPECT_GT(qpAt(found - 1), asked);
    }
    // Exactly the outflow of 2 conduits: met.
    const SearchAnswer met = searchValue({CaseInput{in}, n, SearchTarget::Main, qpAt(2)});
    ASSERT_EQ(met.found.size(), 1u);
    EXPECT_LE(met.found.front(), 2);
}

} // namespace
