#include "cases/a/case_a_charts.h"
#include "cases/b/case_b_charts.h"
#include "cases/d/case_d_charts.h"
#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_charts.h"
#include "cases/e/case_e_engine.h"
#include "figures/case_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace retencion;
using namespace retencion::figures;

namespace {

const Separators kComma{",", "."};
constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;

// The value of a drawn curve at `v` of the coordinate it holds fixed.
std::optional<double> valueOn(const Series& s, double v, Across across)
{
    for (std::size_t i = 1; i < s.points.size(); ++i) {
        const Point a = s.points[i - 1];
        const Point b = s.points[i];
        const double v0 = across == Across::YAtX ? a.x : a.y;
        const double v1 = across == Across::YAtX ? b.x : b.y;
        if (std::min(v0, v1) <= v && v <= std::max(v0, v1) && v0 != v1) {
            const double t = (v - v0) / (v1 - v0);
            return across == Across::YAtX ? a.y + t * (b.y - a.y) : a.x + t * (b.x - a.x);
        }
    }
    return std::nullopt;
}

const Series* dashed(const Figure& f)
{
    for (const auto& s : f.series)
        if (s.emphasis == Emphasis::Interpolated) return &s;
    return nullptr;
}

std::vector<std::size_t> used(const Figure& f)
{
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < f.series.size(); ++i)
        if (f.series[i].emphasis == Emphasis::Used) out.push_back(i);
    return out;
}

// A chart curve as the tables hold it, filled points only.
void expectCurve(const Series& s, const double* xs, const double* ys, std::size_t n)
{
    ASSERT_EQ(s.points.size(), n) << s.label;
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(s.points[i].x, xs[i]) << s.label << " point " << i;
        EXPECT_EQ(s.points[i].y, ys[i]) << s.label << " point " << i;
    }
}

TEST(FiguresHoldTheTables, CaseAOrificeAndWeir)
{
    for (const auto outlet : {CaseAOutlet::Orifice, CaseAOutlet::Weir}) {
        const CaseAChart& c = outlet == CaseAOutlet::Weir ? CaseAWeirChart : CaseAOrificeChart;
        const auto figs = caseAFigures(outlet, kSurface, nullptr, kComma);
        ASSERT_EQ(figs.size(), 1u);
        ASSERT_EQ(figs[0].series.size(), kCaseACurves);
        for (std::size_t j = 0; j < kCaseACurves; ++j)
            expectCurve(figs[0].series[j], c.x[j].data(), c.y[j].data(), chart::filledPoints(c.x[j]));
        EXPECT_EQ(figs[0].series[1].label, "r = 0,6");
        EXPECT_FALSE(figs[0].point);
    }
}

TEST(FiguresHoldTheTables, CaseBCaseDAndCaseE)
{
    const auto b = caseBFigures(OutletConduit::Rectangular, kSurface, nullptr, kComma);
    ASSERT_EQ(b.size(), 2u);
    for (std::size_t c = 0; c < 5; ++c)
        expectCurve(b[0].series[c], case_b::SurfaceChart[c].data(), case_b::ReductionChart[c].data(),
                    case_b::kCurvePoints[c]);
    expectCurve(b[1].series[0], case_b::DepthChart.w.data(), case_b::DepthChart.h.data(), case_b::kDepthPoints);
    EXPECT_TRUE(b[1].x.logarithmic);

    const auto d = caseDFigures(CalculationType::Volume, nullptr, kComma);
    for (std::size_t c = 0; c < kCaseDCurves; ++c)
        expectCurve(d[0].series[c], CaseDVolumeRateChart[c].data(), CaseDReductionChart[c].data(),
                    case_d_data::kFilledPoints[c]);

    const auto e = caseEFigures(kSurface, nullptr, kComma);
    ASSERT_EQ(e[0].series.size(), 9u);
    // The repeated point of the curve B = 2, Ip = 20 is drawn as it stands.
    expectCurve(e[0].series[0], case_e::ELamChartX[0][0].data(), case_e::ELamChartY[0][0].data(), 14);
    EXPECT_EQ(e[0].series[0].label, "B = 2, Ip = 20");
    EXPECT_EQ(e[0].series[3].group, 0); // grouped by B
    for (std::size_t k = 0; k < 3; ++k)
        expectCurve(e[1].series[k], case_e::EDepthChartX[k].data(), case_e::EDepthChartY[k].data(),
                    chart::filledPoints(case_e::EDepthChartX[k]));
}

// A worked example drawn on its chart: the point is the engine's own
// reading, the curves it used are drawn stronger, and the point lies on the
// dashed curve interpolated for the user's parameter.
struct Drawn {
    const char* name;
    std::function<CaseResult()> compute;
    std::function<std::vector<Figure>(const CaseResult*)> draw;
    std::size_t chart;
    Across across;
    std::size_t usedCurves;
};
void PrintTo(const Drawn& d, std::ostream* os)
{
    *os << d.name;
}

class WorkedExampleDrawn : public testing::TestWithParam<Drawn> {};

TEST_P(WorkedExampleDrawn, PointIsTheEnginesReading)
{
    const Drawn& d = GetParam();
    const CaseResult r = d.compute();
    ASSERT_EQ(r.outcome, Outcome::Computed);
    ASSERT_TRUE(r.readings[d.chart]);
    const auto figs = d.draw(&r);
    const Figure& f = figs[d.chart];
    ASSERT_TRUE(f.point);
    EXPECT_EQ(f.point->x, r.readings[d.chart]->x);
    EXPECT_EQ(f.point->y, r.readings[d.chart]->y);
    EXPECT_EQ(used(f).size(), d.usedCurves);
    if (d.usedCurves > 1) {
        const Series* line = dashed(f);
        ASSERT_TRUE(line);
        const double fixed = d.across == Across::YAtX ? f.point->x : f.point->y;
        const auto v = valueOn(*line, fixed, d.across);
        ASSERT_TRUE(v);
        const double expected = d.across == Across::YAtX ? f.point->y : f.point->x;
        EXPECT_NEAR(*v, expected, 2e-3 * std::fabs(expected));
    }
    // The same charts with nothing read carry no point and no emphasis.
    const auto alone = d.draw(nullptr);
    EXPECT_FALSE(alone[d.chart].point);
    EXPECT_TRUE(used(alone[d.chart]).empty());
}

CaseResult caseA(CaseAOutlet o, CalculationType c, double dl, double ck, double w)
{
    return CaseAEngine(CaseAInput{10, 1200, 3600, dl, ck, w, c, o});
}

const CaseCInput kCSurface{20, 3600, 3, 0.45, 5, kSurface};
const CaseCInput kCOutflow{30, 2700, 4, 0.75, 20000, kOutflow};

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkedExampleDrawn,
    testing::Values(
        Drawn{"a_orifice_surface", [] { return caseA(CaseAOutlet::Orifice, kSurface, 1, 0.6, 3); },
              [](const CaseResult* r) { return caseAFigures(CaseAOutlet::Orifice, kSurface, r, kComma); }, 0,
              Across::XAtY, 2},
        Drawn{"a_weir_outflow", [] { return caseA(CaseAOutlet::Weir, kOutflow, 2, 1.8, 38855.34); },
              [](const CaseResult* r) { return caseAFigures(CaseAOutlet::Weir, kOutflow, r, kComma); }, 0, Across::YAtX,
              2},
        Drawn{"b_rectangular_between_curves",
              [] {
                  return CaseBEngine({10, 1800, 1.2, 2, 0, 7, OutletConduit::Rectangular, kSurface});
              },
              [](const CaseResult* r) { return caseBFigures(OutletConduit::Rectangular, kSurface, r, kComma); }, 0,
              Across::XAtY, 2},
        Drawn{"b_rectangular_depth",
              [] {
                  return CaseBEngine({10, 1800, 1, 2, 0, 4000, OutletConduit::Rectangular, kOutflow});
              },
              [](const CaseResult* r) { return caseBFigures(OutletConduit::Rectangular, kOutflow, r, kComma); }, 1,
              Across::YAtX, 1},
        Drawn{"b_circular_formula",
              [] {
                  return CaseBEngine({10, 1800, 1, 1, 2, 7, OutletConduit::Circular, kSurface});
              },
              [](const CaseResult* r) { return caseBFigures(OutletConduit::Circular, kSurface, r, kComma); }, 0,
              Across::YAtX, 1},
        Drawn{"c_surface_ho_between_nodes", [] { return CaseCEngine(kCSurface); },
              [](const CaseResult* r) { return caseCFigures(kCSurface, r, kComma); }, 0, Across::XAtY, 4},
        Drawn{"c_outflow_height_lines", [] { return CaseCEngine(kCOutflow); },
              [](const CaseResult* r) { return caseCFigures(kCOutflow, r, kComma); }, 1, Across::YAtX, 4},
        Drawn{"d_volume",
              [] {
                  return CaseDEngine({25, 3600, 15, CalculationType::Volume});
              },
              [](const CaseResult* r) { return caseDFigures(CalculationType::Volume, r, kComma); }, 0, Across::XAtY, 2},
        Drawn{"d_outflow",
              [] {
                  return CaseDEngine({40, 1800, 20000, kOutflow});
              },
              [](const CaseResult* r) { return caseDFigures(kOutflow, r, kComma); }, 0, Across::YAtX, 2},
        Drawn{"e_surface", [] { return CaseEEngine(30, 3600, 3, 1, 1, kSurface, 10); },
              [](const CaseResult* r) { return caseEFigures(kSurface, r, kComma); }, 0, Across::XAtY, 4},
        Drawn{"e_depth", [] { return CaseEEngine(30, 3600, 3, 1, 1, kOutflow, 4000); },
              [](const CaseResult* r) { return caseEFigures(kOutflow, r, kComma); }, 1, Across::YAtX, 2}),
    [](const auto& info) { return info.param.name; });

TEST(FiguresFollowTheOptions, OutletAndConduitSwitchTheChart)
{
    EXPECT_EQ(caseAFigures(CaseAOutlet::Orifice, kSurface, nullptr, kComma)[0].title, "Ábaco de salida tipo orificio");
    EXPECT_EQ(caseAFigures(CaseAOutlet::Weir, kSurface, nullptr, kComma)[0].title, "Ábaco de salida tipo vertedero");
    const auto rect = caseBFigures(OutletConduit::Rectangular, kSurface, nullptr, kComma);
    const auto circ = caseBFigures(OutletConduit::Circular, kSurface, nullptr, kComma);
    EXPECT_EQ(rect[0].series.size(), 5u);
    ASSERT_EQ(circ[0].series.size(), 1u);
    EXPECT_NE(rect[0].title, circ[0].title);
}

} // namespace
