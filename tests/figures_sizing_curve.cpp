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

// The header of an export names the inputs as the form does: the fields the
// options ask for, in the form's order, times in minutes, and the given
// value last under the name of the curve's axis.
TEST(InputLines, NameTheFieldsTheOptionsAskFor)
{
    const Separators s{",", "."};
    const auto text = [&s](const CaseInput& in) {
        std::string out;
        for (const InputLine& l : inputLines(in, s))
            out += l.symbol + "=" + l.value + (l.unit.empty() ? "" : " " + l.unit) + ";";
        return out;
    };
    using C = CalculationType;
    const struct {
        const char* name;
        CaseInput input;
        const char* lines;
    } rows[] = {
        {"B with circular conduits",
         CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 1, .n = 2, .given = 7, .conduit = OutletConduit::Circular,
                    .calculation = C::Surface},
         "Ip=10 m³/s;Tp=30 min.;Qb=1 m³/s;D=1 m;N=2;Qp=7 m³/s;"},
        {"B with no conduit and no calculation",
         CaseBInput{.ip = 10, .tp = 1800, .qb = 1, .size = 2, .n = 2, .given = 7}, "Ip=10 m³/s;Tp=30 min.;Qb=1 m³/s;B=2 m;"},
        {"C for the outflow", CaseCInput{.ip = 20, .tp = 3600, .b = 3, .ho = 0.6, .given = 900, .calculation = C::Outflow},
         "Ip=20 m³/s;Tp=60 min.;B=3 m;ho=0,6 m;Sup=900 m²;"},
        {"D for the volume", CaseDInput{.ip = 25, .tp = 3600, .given = 15, .calculation = C::Volume},
         "Ip=25 m³/s;Tp=60 min.;Qp=15 m³/s;"},
        {"E for the surface",
         CaseEInput{.ip = 30, .tp = 3600, .b = 3, .ho = 1, .l = 1, .given = 10, .calculation = C::Surface},
         "Ip=30 m³/s;Tp=60 min.;B=3 m;ho=1 m;L=1 m;Qp=10 m³/s;"},
        {"A with the weir",
         CaseAInput{.ip = 10, .tp = 1200, .tb = 3600, .dl = 2, .ck = 1.8, .given = 3, .calculation = C::Surface,
                    .outlet = CaseAOutlet::Weir},
         "Ip=10 m³/s;Tp=20 min.;Tb=60 min.;L=2 m;Ck=1,8;Qp=3 m³/s;"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(text(row.input), row.lines) << row.name;
}
