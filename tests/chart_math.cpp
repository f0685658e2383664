// Reading a family of curves across its parameter, and the weights of the
// four corners of a chart cell, on a small family worked by hand.
#include "cases/chart_math.h"
#include "cases/calculation.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

using namespace retencion;

namespace {

// Three curves of parameter 0.4, 0.6 and 0.8: y = 10·x, 20·x and 40·x, the
// last one drawn only up to x = 1.5.
constexpr std::array<double, 3> kParameters = {0.4, 0.6, 0.8};
constexpr std::array<std::array<double, 3>, 3> kAlong = {{{0, 1, 2}, {0, 1, 2}, {0, 1, 1.5}}};
constexpr std::array<std::array<double, 3>, 3> kValues = {{{0, 10, 20}, {0, 20, 40}, {0, 40, 60}}};

std::optional<double> readFamily(double p, double x, chart::Anchor anchor)
{
    const std::size_t k = chart::bracket(kParameters, p);
    return chart::readAcross(
        kParameters, k, p, [x](std::size_t c) { return chart::readCurve(kAlong[c], kValues[c], x, 0, 2); }, anchor);
}

TEST(ReadAcross, BlendsTwoCurvesReadAtTheSameValue)
{
    const struct {
        const char* what;
        double p, x;
        std::optional<double> value;
    } rows[] = {
        {"first node: curve 1 alone", 0.4, 1, 10},
        {"midpoint of curves 1 and 2, by hand", 0.5, 1, 15},
        {"quarter of the way from curve 2 to 3", 0.65, 1.25, 25 + 0.25 * (50 - 25)},
        {"inner node takes the bracket above: curve 2 alone", 0.6, 1, 20},
        {"last node: curve 3 alone", 0.8, 1, 40},
        {"at a curve's first point there is no segment", 0.5, 0, std::nullopt},
        {"beyond curve 3 even where it weighs nothing", 0.6, 2, std::nullopt},
        {"beyond every curve", 0.5, 2.5, std::nullopt},
    };
    for (const auto& row : rows) {
        for (const chart::Anchor anchor : {chart::Anchor::Lower, chart::Anchor::Upper}) {
            const auto got = readFamily(row.p, row.x, anchor);
            ASSERT_EQ(got.has_value(), row.value.has_value()) << row.what;
            if (got) {
                EXPECT_NEAR(*got, *row.value, 1e-12) << row.what;
            }
        }
    }
}

TEST(CornerWeights, AreBilinearAndFollowTheFractionsBeyondTheCell)
{
    const struct {
        const char* what;
        double s, t;
        std::array<double, 4> weights;
    } rows[] = {
        {"on the first corner", 0, 0, {1, 0, 0, 0}},
        {"on the last corner", 1, 1, {0, 0, 0, 1}},
        {"along the first axis only", 0.25, 0, {0.75, 0.25, 0, 0}},
        {"the middle", 0.5, 0.5, {0.25, 0.25, 0.25, 0.25}},
        {"by hand", 0.25, 0.5, {0.375, 0.125, 0.375, 0.125}},
        {"extended past the first axis's cell", -2.5, 0, {3.5, -2.5, 0, 0}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(chart::cornerWeights(row.s, row.t), row.weights) << row.what;
}

TEST(FractionBetween, MeasuresFromTheLowerNodeOfTheBracket)
{
    constexpr std::array<double, 4> axis = {2, 3, 4, 5};
    const struct {
        std::size_t k;
        double value, fraction;
    } rows[] = {{1, 2, 0}, {1, 3, 1}, {2, 3.5, 0.5}, {3, 5, 1}, {1, 0.5, -1.5}};
    for (const auto& row : rows)
        EXPECT_EQ(chart::fractionBetween(axis, row.k, row.value), row.fraction) << row.k << " " << row.value;
}

TEST(ChartReadings, NumberTheirCurvesAndWeighThem)
{
    const ChartReading between = readingBetween(1, 2, kParameters, 2, 0.65);
    ASSERT_EQ(between.curveCount, 2);
    EXPECT_EQ(between.curves[0].curve, 1);
    EXPECT_EQ(between.curves[1].curve, 2);
    EXPECT_NEAR(between.curves[0].weight, 0.75, 1e-12);
    EXPECT_NEAR(between.curves[1].weight, 0.25, 1e-12);

    const ChartReading among = readingAmong(1, 2, {7, 8, 4, 5}, chart::cornerWeights(0.25, 0.5));
    ASSERT_EQ(among.curveCount, 4);
    const std::array<std::uint8_t, 4> curves = {7, 8, 4, 5};
    const std::array<double, 4> weights = {0.375, 0.125, 0.375, 0.125};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(among.curves[i].curve, curves[i]);
        EXPECT_EQ(among.curves[i].weight, weights[i]);
    }
}

} // namespace
