#include "cases/a/case_a_charts.h"
#include "cases/b/case_b_charts.h"
#include "cases/b/case_b_engine.h"
#include "cases/d/case_d_charts.h"
#include "cases/d/case_d_engine.h"
#include "cases/e/case_e_charts.h"
#include "cases/e/case_e_engine.h"
#include "figures/case_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace retencion;
using namespace retencion::figures;

namespace {

const Separators kComma{",", "."};
constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;
constexpr auto kOrifice = CaseAOutlet::Orifice;
constexpr auto kWeir = CaseAOutlet::Weir;
constexpr auto kRect = OutletConduit::Rectangular;
constexpr auto kCirc = OutletConduit::Circular;

// A chart curve as the tables hold it, filled points only.
void expectCurve(const Series& s, const double* xs, const double* ys, std::size_t n)
{
    ASSERT_EQ(s.points.size(), n) << s.label;
    for (std::size_t i = 0; i < n; ++i)
        EXPECT_EQ(std::pair(s.points[i].x, s.points[i].y), std::pair(xs[i], ys[i])) << s.label << " point " << i;
}

TEST(FiguresHoldTheTables, EveryCase)
{
    for (const auto outlet : {kOrifice, kWeir}) {
        const case_a::Chart& c = outlet == kWeir ? case_a::WeirChart : case_a::OrificeChart;
        const auto a = caseAFigures(outlet, kSurface, nullptr, kComma);
        ASSERT_EQ(a[0].series.size(), case_a::kCurves);
        for (std::size_t j = 0; j < case_a::kCurves; ++j)
            expectCurve(a[0].series[j], c.x[j].data(), c.y[j].data(), chart::filledPoints(c.x[j]));
        EXPECT_EQ(a[0].series[1].label, "r = 0,6");
    }
    const auto b = caseBFigures(kRect, kSurface, nullptr, kComma);
    ASSERT_EQ(b.size(), 2u);
    for (std::size_t c = 0; c < case_b::kCurves; ++c)
        expectCurve(b[0].series[c], case_b::SurfaceChart[c].data(), case_b::ReductionChart[c].data(),
                    case_b::kCurvePoints[c]);
    expectCurve(b[1].series[0], case_b::DepthChart.w.data(), case_b::DepthChart.h.data(), case_b::kDepthPoints);
    EXPECT_TRUE(b[1].x.logarithmic);

    const auto d = caseDFigures(CalculationType::Volume, nullptr, kComma);
    for (std::size_t c = 0; c < case_d::kCurves; ++c)
        expectCurve(d[0].series[c], case_d::VolumeRateChart[c].data(), case_d::ReductionChart[c].data(),
                    case_d::kFilledPoints[c]);

    const auto e = caseEFigures(kSurface, nullptr, kComma);
    ASSERT_EQ(e[0].series.size(), 9u);
    // The repeated point of the curve B = 2, Ip = 20 is drawn as it stands.
    expectCurve(e[0].series[0], case_e::AttenuationX[0][0].data(), case_e::AttenuationY[0][0].data(), 14);
    EXPECT_EQ(e[0].series[0].label, "B = 2, Ip = 20");
    for (std::size_t k = 0; k < 3; ++k)
        expectCurve(e[1].series[k], case_e::DepthX[k].data(), case_e::DepthY[k].data(),
                    chart::filledPoints(case_e::DepthX[k]));
}

// What the figures say, under both separators: the separators the tick
// labels use, the formulas' decimals, and curves named by their parameters
// rather than by the rows of a table.
TEST(FiguresSpeakTheRegionalSettings, EveryText)
{
    const Separators point{".", ","};
    for (const Separators& s : {kComma, point}) {
        const CaseResult a = CaseAEngine(CaseAInput{10, 1200, 3600, 1, 0.6, 3, kSurface, kOrifice});
        const CaseCInput c{30, 2700, 4, 0.75, 20000, kOutflow};
        const CaseResult cr = CaseCEngine(c);
        std::vector<Figure> all;
        for (auto set :
             {caseAFigures(kOrifice, kSurface, &a, s), caseAFigures(kWeir, kSurface, nullptr, s),
              caseBFigures(kRect, kSurface, nullptr, s), caseBFigures(kCirc, kSurface, nullptr, s),
              caseCFigures(c, &cr, s), caseDFigures(kOutflow, nullptr, s), caseEFigures(kSurface, nullptr, s)})
            all.insert(all.end(), set.begin(), set.end());
        for (const Figure& f : all) {
            EXPECT_EQ(f.separators.decimal, s.decimal) << f.title;
            std::vector<std::string> texts{f.title, f.x.title, f.y.title, f.pointLabel};
            for (const Series& series : f.series)
                texts.push_back(series.label);
            for (const std::string& t : texts) {
                EXPECT_EQ(t.find("fila"), std::string::npos) << t;
                if (s.decimal == ".") {
                    EXPECT_EQ(t.find("1,5"), std::string::npos) << t;
                }
            }
        }
    }
}

TEST(TickText, GroupsDigitsAndKeepsTheDecimalsTheStepNeeds)
{
    const Separators point{".", ","};
    const struct {
        double value, step;
        const Separators& separators;
        const char* text;
    } rows[] = {
        {1e6, 2e5, kComma, "1.000.000"}, {1e6, 2e5, point, "1,000,000"}, {0.5, 0.1, kComma, "0,5"},
        {0.25, 0.05, kComma, "0,25"},    {3, 0.5, kComma, "3"},          {0.1, 0.1, kComma, "0,1"},
        {0.01, 0.01, point, "0.01"},     {1000, 1000, kComma, "1.000"},  {0.30000000000000004, 0.1, kComma, "0,3"},
        {-5e-17, 0.1, kComma, "0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(tickText(row.value, row.step, row.separators), row.text) << row.value;
}

// Case B's conduit switches its charts: the five curves of the reduction
// chart for a rectangular conduit, the one closed formula for circular ones.
TEST(FiguresFollowTheOptions, ConduitSwitchesTheChart)
{
    const auto rect = caseBFigures(kRect, kSurface, nullptr, kComma);
    const auto circ = caseBFigures(kCirc, kSurface, nullptr, kComma);
    EXPECT_EQ(rect[0].series.size(), 5u);
    EXPECT_EQ(circ[0].series.size(), 1u);
    EXPECT_NE(rect[0].title, circ[0].title);
}

// Every axis formula that holds Tp or Vin says the unit it takes them in, for
// Tp is typed in minutes; case A says what its curves' r is.
TEST(FiguresSayWhatTheyMean, AxisFormulasGiveTheirUnits)
{
    std::vector<Figure> all;
    const CaseCInput c{20, 3600, 3, 0.45, 5, kSurface};
    for (auto set : {caseAFigures(kOrifice, kSurface, nullptr, kComma), caseAFigures(kWeir, kOutflow, nullptr, kComma),
                     caseBFigures(kRect, kSurface, nullptr, kComma), caseBFigures(kCirc, kSurface, nullptr, kComma),
                     caseCFigures(c, nullptr, kComma), caseDFigures(kOutflow, nullptr, kComma),
                     caseEFigures(kSurface, nullptr, kComma)})
        all.insert(all.end(), set.begin(), set.end());
    int withTp = 0;
    for (const Figure& f : all)
        for (const std::string& title : {f.x.title, f.y.title}) {
            const bool tp = title.find("Tp") != std::string::npos;
            withTp += tp;
            EXPECT_EQ(tp, title.find("Tp en s") != std::string::npos) << title;
            EXPECT_EQ(title.find("Vin") != std::string::npos, title.find("Vin en m³") != std::string::npos) << title;
        }
    EXPECT_GE(withTp, 10);
    for (const auto outlet : {kOrifice, kWeir}) {
        const auto notes = caseAFigures(outlet, kSurface, nullptr, kComma)[0].legendNotes;
        ASSERT_FALSE(notes.empty());
        EXPECT_NE(notes[0].find("r = Ip·Tp/Vin"), std::string::npos) << notes[0];
    }
}

// Case B's circular-conduit axes are the quantities the engine reads the
// formulas at: the point of a worked example, computed again by the formula
// each axis title writes, lands where it is drawn.
TEST(FiguresSayWhatTheyMean, CircularAxesAreThePlottedQuantities)
{
    const CaseBInput in{10, 1800, 1, 1, 2, 7, kCirc, kSurface}; // Qb/Ip = 0,1: an inverted ratio shows
    const CaseResult r = CaseBEngine(in);
    ASSERT_EQ(r.outcome, Outcome::Computed);
    const auto f = caseBFigures(kCirc, kSurface, &r, kComma);
    const double s = *r.main;
    EXPECT_EQ(f[0].x.title.rfind("e = Sup / (N·D·Tp^0,7) · (Ip/Qb)^0,5", 0), 0u) << f[0].x.title;
    EXPECT_NEAR(f[0].point->x, s / (in.n * in.size * std::pow(in.tp, 0.7)) * std::pow(in.ip / in.qb, 0.5),
                1e-9 * f[0].point->x);
    EXPECT_EQ(f[1].x.title.rfind("v = Ip/(N·D) · (Tp/Sup)^0,5", 0), 0u) << f[1].x.title;
    EXPECT_NEAR(f[1].point->x, in.ip / (in.n * in.size) * std::pow(in.tp / s, 0.5), 1e-9 * f[1].point->x);
}

// The value of a drawn curve at `v` of the coordinate it holds fixed.
std::optional<double> valueOn(const Series& s, double v, Across across)
{
    const auto fixed = [&](Point p) { return across == Across::YAtX ? p.x : p.y; };
    const auto free = [&](Point p) { return across == Across::YAtX ? p.y : p.x; };
    for (std::size_t i = 1; i < s.points.size(); ++i) {
        const Point a = s.points[i - 1], b = s.points[i];
        if (std::min(fixed(a), fixed(b)) <= v && v <= std::max(fixed(a), fixed(b)) && fixed(a) != fixed(b))
            return free(a) + (v - fixed(a)) / (fixed(b) - fixed(a)) * (free(b) - free(a));
    }
    return std::nullopt;
}

std::size_t countOf(const Figure& f, Emphasis e)
{
    return std::count_if(f.series.begin(), f.series.end(), [&](const Series& s) { return s.emphasis == e; });
}

// A worked example drawn on its chart: the point is the engine's own
// reading, the curves it used are drawn stronger, and the point lies on the
// dashed curve interpolated for the user's parameter.
struct Drawn {
    const char* name;
    CaseResult result;
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
    ASSERT_EQ(d.result.outcome, Outcome::Computed);
    const auto& reading = d.result.readings[d.chart];
    ASSERT_TRUE(reading);
    const Figure f = d.draw(&d.result)[d.chart];
    ASSERT_TRUE(f.point);
    EXPECT_EQ(f.point->x, reading->x);
    EXPECT_EQ(f.point->y, reading->y);
    EXPECT_EQ(countOf(f, Emphasis::Used), d.usedCurves);
    if (d.usedCurves > 1) {
        const auto line = std::find_if(f.series.begin(), f.series.end(),
                                       [](const Series& s) { return s.emphasis == Emphasis::Interpolated; });
        ASSERT_NE(line, f.series.end());
        // Named by the parameters the weights give, as the legend shows it.
        EXPECT_TRUE(line->label.ends_with(" (interpolada)")) << line->label;
        EXPECT_EQ(line->label.substr(0, 2), f.series.front().label.substr(0, 2)) << line->label;
        const bool yAtX = d.across == Across::YAtX;
        const auto v = valueOn(*line, yAtX ? f.point->x : f.point->y, d.across);
        ASSERT_TRUE(v);
        const double expected = yAtX ? f.point->y : f.point->x;
        EXPECT_NEAR(*v, expected, 2e-3 * std::fabs(expected));
    }
    // The same chart with nothing read carries no point and no emphasis.
    const Figure alone = d.draw(nullptr)[d.chart];
    EXPECT_FALSE(alone.point);
    EXPECT_EQ(countOf(alone, Emphasis::Used), 0u);
}

CaseResult caseA(CaseAOutlet o, CalculationType c, double dl, double ck, double w)
{
    return CaseAEngine(CaseAInput{10, 1200, 3600, dl, ck, w, c, o});
}

const CaseCInput kCSurface{20, 3600, 3, 0.45, 5, kSurface};
const CaseCInput kCOutflow{30, 2700, 4, 0.75, 20000, kOutflow};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, WorkedExampleDrawn, testing::Values(
    Drawn{"a_orifice_surface", caseA(kOrifice, kSurface, 1, 0.6, 3),
          [](auto r) { return caseAFigures(kOrifice, kSurface, r, kComma); }, 0, Across::XAtY, 2},
    Drawn{"a_weir_outflow", caseA(kWeir, kOutflow, 2, 1.8, 38855.34),
          [](auto r) { return caseAFigures(kWeir, kOutflow, r, kComma); }, 0, Across::YAtX, 2},
    Drawn{"b_rectangular_between_curves", CaseBEngine({10, 1800, 1.2, 2, 0, 7, kRect, kSurface}),
          [](auto r) { return caseBFigures(kRect, kSurface, r, kComma); }, 0, Across::XAtY, 2},
    Drawn{"b_rectangular_depth", CaseBEngine({10, 1800, 1, 2, 0, 4000, kRect, kOutflow}),
          [](auto r) { return caseBFigures(kRect, kOutflow, r, kComma); }, 1, Across::YAtX, 1},
    Drawn{"b_circular_formula", CaseBEngine({10, 1800, 1, 1, 2, 7, kCirc, kSurface}),
          [](auto r) { return caseBFigures(kCirc, kSurface, r, kComma); }, 0, Across::YAtX, 1},
    Drawn{"c_surface_ho_between_nodes", CaseCEngine(kCSurface),
          [](auto r) { return caseCFigures(kCSurface, r, kComma); }, 0, Across::XAtY, 4},
    Drawn{"c_outflow_height_lines", CaseCEngine(kCOutflow),
          [](auto r) { return caseCFigures(kCOutflow, r, kComma); }, 1, Across::YAtX, 4},
    Drawn{"d_volume", CaseDEngine({25, 3600, 15, CalculationType::Volume}),
          [](auto r) { return caseDFigures(CalculationType::Volume, r, kComma); }, 0, Across::XAtY, 2},
    Drawn{"d_outflow", CaseDEngine({40, 1800, 20000, kOutflow}),
          [](auto r) { return caseDFigures(kOutflow, r, kComma); }, 0, Across::YAtX, 2},
    Drawn{"e_surface", CaseEEngine({30, 3600, 3, 1, 1, 10, kSurface}),
          [](auto r) { return caseEFigures(kSurface, r, kComma); }, 0, Across::XAtY, 4},
    Drawn{"e_depth", CaseEEngine({30, 3600, 3, 1, 1, 4000, kOutflow}),
          [](auto r) { return caseEFigures(kOutflow, r, kComma); }, 1, Across::YAtX, 2}),
    [](const auto& info) { return info.param.name; });
// clang-format on

} // namespace
