// The sizing curve: through the worked examples, in the direction its charts
// run, its refused stretches where the engine refuses, and case A's curve by
// routing against routing's own sizing, cancelled when asked.
#include "figures/sizing_curve.h"
#include "routing/chart_check.h"
#include "routing/tank_routing.h"

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

// Each point of routing's curve is what routing itself gives: the surface it
// sizes for that peak, or the peak it routes through that surface.
TEST(RoutingCurve, AgreesWithRoutingAtItsPoints)
{
    for (const CaseAInput& in : {CaseAInput{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice},
                                 CaseAInput{10, 1200, 3600, 2, 1.8, 3, S, CaseAOutlet::Weir},
                                 CaseAInput{10, 1200, 3600, 1, 0.6, 5529.4, O, CaseAOutlet::Orifice}}) {
        const RoutingCurve c = routingCurve(in);
        ASSERT_TRUE(c.complete);
        ASSERT_GE(c.points.size(), 25u);
        const routing::Outlet outlet =
            in.outlet == CaseAOutlet::Weir ? routing::Outlet::Weir : routing::Outlet::Orifice;
        for (const RoutedPoint& p : c.points) {
            routing::RoutingInput r{in.ip, in.tp, in.tb, outlet, in.dl, in.ck, 0};
            if (in.calculation == S) {
                EXPECT_NEAR(*routing::sizeByRouting(r, p.given), p.routed, 1e-6 * p.routed) << p.given;
            } else {
                r.surface = p.given;
                EXPECT_NEAR(routing::route(r)->peakOutflow, p.routed, 1e-9 * p.routed) << p.given;
            }
            if (p.chart) {
                EXPECT_NEAR(*p.differencePercent, (*p.chart - p.routed) / p.routed * 100, 1e-9);
            }
        }
    }
}

// The difference figure and the export say the chart's difference from
// routing as the routing check does: one caption over one sign.
TEST(RoutingCurve, DifferenceIsTheRoutingChecksOwn)
{
    const CaseAInput in{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice};
    const RoutingCurve routed = routingCurve(in, 6);
    const auto figures = sizingCurveFigures(sizingCurve(in), &routed, kComma);
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[1].title, routing::kChartDifferenceCaption);
    ASSERT_FALSE(figures[1].series.empty());
    const auto& points = figures[1].series[0].points;
    ASSERT_FALSE(points.empty());
    for (const RoutedPoint& p : routed.points)
        if (p.chart) {
            EXPECT_DOUBLE_EQ(*p.differencePercent, routing::chartDifferencePercent(*p.chart, p.routed));
        }
    const std::string csv = sizingCurveCsv(sizingCurve(in), &routed, kComma);
    EXPECT_NE(csv.find(std::string(";") + routing::kChartDifferenceCaption + "\n"), std::string::npos);
}

TEST(RoutingCurve, StopsWhenCancelled)
{
    int calls = 0;
    const RoutingCurve c =
        routingCurve(CaseAInput{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice}, 25, [&calls](int done, int) {
            ++calls;
            return done < 3;
        });
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(c.complete);
    EXPECT_LE(c.points.size(), 3u);
}

// The export reads back as the points: the header of the other exports,
// semicolons, the regional decimal comma, one row per point.
TEST(SizingCurveCsv, HoldsThePointsUnderTheHeader)
{
    const CaseAInput in{10, 1200, 3600, 1, 0.6, 3, S, CaseAOutlet::Orifice};
    const SizingCurve c = sizingCurve(in);
    const std::string csv = sizingCurveCsv(c, nullptr, kComma);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_NE(csv.find("Caso A: curva de dimensionamiento\nIp;10;m³/s\n"), std::string::npos);
    EXPECT_NE(csv.find("Ck;0,6;\n"), std::string::npos);
    const std::size_t table = csv.find("Qp (m³/s);Sup (m²) por el ábaco\n");
    ASSERT_NE(table, std::string::npos);
    const std::size_t header = csv.substr(0, table).find(',');
    EXPECT_TRUE(header == std::string::npos || csv.substr(0, table).find("0,6") != std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = csv.find('\n', table) + 1; at < csv.size() && csv[at] != '\n'; at = csv.find('\n', at) + 1) {
        const std::string row = csv.substr(at, csv.find('\n', at) - at);
        EXPECT_NE(row.find(';'), std::string::npos) << row;
        EXPECT_EQ(row.find('.'), std::string::npos) << row; // no grouping at these sizes, no decimal point
        ++rows;
    }
    EXPECT_EQ(rows, c.pointCount());
    EXPECT_NE(csv.find("Fuera del ábaco desde;hasta;motivo\n"), std::string::npos);
}

} // namespace
