// The sizing curve: through the worked examples, in the direction its charts
// run, and its refused stretches where the engine refuses.
#include "figures/sizing_curve.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace retencion;
using namespace retencion::figures;

namespace {

constexpr auto S = CalculationType::Surface;
constexpr auto O = CalculationType::Outflow;
const Separators kComma{",", "."};

// The worked examples of every case in both calculations, and the way the
// main result runs as the given value grows: a bigger tank never gives a
// bigger outflow peak, so the surface falls as the target peak rises and the
// peak falls as the surface grows; except on case E's chart, which rises all
// over (there a larger tank gives a larger outflow peak).
struct Example {
    const char* name;
    CaseInput in;
    int direction; // +1 rising, −1 falling
};
void PrintTo(const Example& e, std::ostream* os)
{
    *os << e.name;
}

class Curve : public testing::TestWithParam<Example> {};

TEST_P(Curve, PassesThroughTheWorkedExample)
{
    const auto& [name, in, direction] = GetParam();
    const SizingCurve c = sizingCurve(in);
    const CaseResult own = calculate(in);
    ASSERT_TRUE(own.main && c.operating);
    EXPECT_EQ(c.operating->main, *own.main);
    EXPECT_GE(c.pointCount(), 200u);
    bool found = false;
    for (const auto& run : c.runs)
        for (std::size_t k = 1; k < run.size(); ++k) {
            const CurvePoint& a = run[k - 1];
            const CurvePoint& b = run[k];
            if (!(a.given <= c.operating->given && c.operating->given <= b.given)) continue;
            const double line = a.main + (b.main - a.main) * (c.operating->given - a.given) / (b.given - a.given);
            EXPECT_NEAR(line, *own.main, 2e-3 * *own.main);
            found = true;
        }
    EXPECT_TRUE(found);
}

TEST_P(Curve, RunsTheWayItsChartRuns)
{
    const SizingCurve c = sizingCurve(GetParam().in);
    for (const auto& run : c.runs)
        for (std::size_t k = 1; k < run.size(); ++k) {
            EXPECT_GT(run[k].given, run[k - 1].given);
            EXPECT_GE(GetParam().direction * (run[k].main - run[k - 1].main), 0) << "at " << run[k].given;
        }
}

// Just inside each end the engine refuses for the stretch's own reason, and
// where a stretch meets the line the engine computes.
TEST_P(Curve, RefusedStretchesEndWhereTheEngineRefuses)
{
    const SizingCurve c = sizingCurve(GetParam().in);
    const double close = 1e-7 * (c.high - c.low);
    for (const RefusedStretch& r : c.refused) {
        ASSERT_LT(r.from, r.to);
        for (const double inside : {r.from + close, r.to - close}) {
            const CaseResult res = calculate(withGiven(c.input, inside));
            ASSERT_TRUE(res.refusal) << refusalCaption(r.refusal, kComma) << " at " << inside;
            EXPECT_EQ(res.refusal->quantity, r.refusal.quantity) << inside;
        }
        for (const auto& run : c.runs)
            for (const CurvePoint& end : {run.front(), run.back()}) {
                EXPECT_TRUE(calculate(withGiven(c.input, end.given)).main.has_value());
                EXPECT_FALSE(end.given > r.from + close && end.given < r.to - close) << end.given;
            }
    }
    EXPECT_FALSE(refusalCaption(c.refused.empty() ? Refusal{} : c.refused.front().refusal, kComma).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Curve,
    testing::Values(
        Example{"a_orifice_surface", CaseAInput{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice}, -1},
        Example{"a_weir_outflow", CaseAInput{10, 1200, 3600, 2, 1.8, 38855.34, O, CaseAOutlet::Weir}, -1},
        Example{"b_rectangular_surface", CaseBInput{10, 1800, 1, 2, 0, 7, OutletConduit::Rectangular, S}, -1},
        Example{"b_circular_outflow", CaseBInput{10, 1800, 1, 1, 2, 2144.21, OutletConduit::Circular, O}, -1},
        Example{"c_surface", CaseCInput{20, 3600, 3, 0.6, 5, S}, -1},
        Example{"c_outflow", CaseCInput{30, 2700, 4, 0.75, 20000, O}, -1},
        Example{"d_volume", CaseDInput{25, 3600, 15, CalculationType::Volume}, -1},
        Example{"d_outflow", CaseDInput{40, 1800, 20000, O}, -1},
        Example{"e_surface", CaseEInput{30, 3600, 3, 1, 1, 10, S}, +1},
        Example{"e_outflow", CaseEInput{30, 3600, 3, 1, 1, 4000, O}, +1}),
    [](const auto& info) { return info.param.name; });

} // namespace
