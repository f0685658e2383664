#include "cases/c/case_c_engine.h"

#include "cases/c/case_c_charts.h"
#include "cases/chart_math.h"

#include <cmath>
#include <cstddef>

namespace retencion {
namespace {

using namespace case_c;

// Reads the power-curve family at the four nodes around (Ip, ho), where
// `atNode(i, j)` is the chart's value on the curve of Ip node i and ho node j:
// first along Ip on the curves of both ho nodes, then across ho.
template <class AtNode> double readPowerCharts(const CaseCInput& in, std::size_t i, std::size_t j, AtNode atNode)
{
    const double lower = chart::lerp(in.ip, IpAxis[i - 1], atNode(i - 1, j - 1), IpAxis[i], atNode(i, j - 1));
    const double upper = chart::lerp(in.ip, IpAxis[i - 1], atNode(i - 1, j), IpAxis[i], atNode(i, j));
    return chart::lerp(in.ho, HoAxis[j - 1], lower, HoAxis[j], upper);
}

// Height divisor Y at ho on the lines of rows k and k+1 for conduit width
// node l. The two rows are weighted by the opening height axis entries at
// their own positions k and k+1, not by the nodes that enclose ho, so ho
// usually lies outside them and the line through the two rows is extended to
// it (by a factor of -2.5 at ho = 0.45). That is how these charts are read;
// the heights they give depend on it.
double heightDivisor(double x, double ho, std::size_t k, std::size_t l)
{
    return chart::lerp(ho, HoAxis[k], heightLine(l, k, x), HoAxis[k + 1], heightLine(l, k + 1, x));
}

// Water height H = Ip/Y for surface index x; j and l are the brackets of ho
// and B. The rows run against the ho axis: bracket j is read on rows 4-j, 5-j.
double height(const CaseCInput& in, double x, std::size_t j, std::size_t l)
{
    const std::size_t k = kHoNodes - 1 - j;
    const double y =
        chart::lerp(in.b, BAxis[l - 1], heightDivisor(x, in.ho, k, l - 1), BAxis[l], heightDivisor(x, in.ho, k, l));
    return in.ip / y;
}

// The point (X, r) on the power curves, with the weights of the four corner
// curves, numbered ho node × 7 + Ip node.
ChartReading powerReading(const CaseCInput& in, double x, double r, std::size_t i, std::size_t j)
{
    const auto node = [](std::size_t ni, std::size_t nj) { return std::uint8_t(nj * kIpNodes + ni); };
    return readingAmong(
        x, r, {node(i - 1, j - 1), node(i, j - 1), node(i - 1, j), node(i, j)},
        chart::cornerWeights(chart::fractionBetween(IpAxis, i, in.ip), chart::fractionBetween(HoAxis, j, in.ho)));
}

// The point (X, Y) on the height lines, with the weights of the four lines,
// numbered B node × 5 + row; the rows' weights extend beyond 0..1 where the
// line through them is extended to ho.
ChartReading heightReading(const CaseCInput& in, double x, double y, std::size_t j, std::size_t l)
{
    const std::size_t k = kHoNodes - 1 - j;
    const auto line = [](std::size_t nl, std::size_t row) { return std::uint8_t(nl * kHeightRows + row); };
    return readingAmong(
        x, y, {line(l - 1, k), line(l - 1, k + 1), line(l, k), line(l, k + 1)},
        chart::cornerWeights(chart::fractionBetween(HoAxis, k + 1, in.ho), chart::fractionBetween(BAxis, l, in.b)));
}

} // namespace

CaseCResult CaseCEngine(const CaseCInput& in)
{
    if (!kInflowPeakRange.holds(in.ip)) return refused(Quantity::InflowPeak, in.ip, kInflowPeakRange);
    if (!kPeakTimeRange.holds(in.tp)) return refused(Quantity::PeakTime, in.tp, kPeakTimeRange);
    if (!kConduitWidthRange.holds(in.b)) return refused(Quantity::ConduitWidth, in.b, kConduitWidthRange);
    if (!kOpeningHeightRange.holds(in.ho)) return refused(Quantity::OpeningHeight, in.ho, kOpeningHeightRange);

    // A value on an inner node takes the bracket above it; the top of each
    // range takes the last bracket.
    const std::size_t i = chart::bracket(IpAxis, in.ip);
    const std::size_t j = chart::bracket(HoAxis, in.ho);
    const std::size_t l = chart::bracket(BAxis, in.b);

    double x = 0; // with no calculation chosen the height is read at X = 0
    double ratio = 0;
    std::optional<double> main;
    Quantity what = Quantity::SurfaceIndex;
    switch (in.calculation) {
    case CalculationType::Surface: {
        const double r = in.given / in.ip;
        if (!kFlowRatioRange.holds(r)) return refused(Quantity::FlowRatio, r, kFlowRatioRange);
        // Each curve r = A·X^E inverted at its node.
        x = readPowerCharts(in, i, j, [r](std::size_t ni, std::size_t nj) {
            const double e = PowerExp[nj][ni];
            return std::pow(r, 1 / e) / std::pow(PowerCoef[nj][ni], 1 / e);
        });
        main = x * in.tp * in.b * in.b;
        ratio = r;
        what = Quantity::ComputedSurface;
        break;
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        if (!kSurfaceRange.holds(s)) return refused(Quantity::GivenSurface, s, kSurfaceRange);
        x = s / in.tp / in.b / in.b;
        if (!kSurfaceIndexRange.holds(x)) return refused(Quantity::SurfaceIndex, x, kSurfaceIndexRange);
        const double r =
            readPowerCharts(in, i, j, [x](std::size_t ni, std::size_t nj) { return powerCurve(ni, nj, x); });
        main = r * in.ip;
        ratio = r;
        what = Quantity::ComputedOutflow;
        break;
    }
    case CalculationType::None:
    case CalculationType::Volume: // the case C form offers no volume calculation
        break;
    }

    const double h = height(in, x, j, l);
    if (auto bad = notFinite(what, main.value_or(0))) return refused(*bad);
    if (auto bad = notFinite(what, h)) return refused(*bad);
    CaseCResult result{Outcome::Computed, main, h, std::nullopt, {}};
    if (main) result.readings[0] = powerReading(in, x, ratio, i, j);
    result.readings[1] = heightReading(in, x, in.ip / h, j, l);
    return result;
}

} // namespace retencion
