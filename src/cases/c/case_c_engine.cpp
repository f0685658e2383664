#include "cases/c/case_c_engine.h"

#include "cases/c/case_c_charts.h"
#include "cases/chart_math.h"

#include <cmath>
#include <cstddef>

namespace retencion {
namespace {

// Reads the power-curve family at the four nodes around (Ip, ho), where
// `atNode(i, j)` is the chart's value on the curve of Ip node i and ho node j:
// first along Ip on the curves of both ho nodes, then across ho.
template <class AtNode> double readPowerCharts(const CaseCInput& in, std::size_t i, std::size_t j, AtNode atNode)
{
    const double lower = chart::lerp(in.ip, CaseCIpAxis[i - 1], atNode(i - 1, j - 1), CaseCIpAxis[i], atNode(i, j - 1));
    const double upper = chart::lerp(in.ip, CaseCIpAxis[i - 1], atNode(i - 1, j), CaseCIpAxis[i], atNode(i, j));
    return chart::lerp(in.ho, CaseCHoAxis[j - 1], lower, CaseCHoAxis[j], upper);
}

// Height divisor Y at ho on the lines of rows k and k+1 for conduit width
// node l. The two rows are weighted by the opening height axis entries at
// their own positions k and k+1, not by the nodes that enclose ho, so ho
// usually lies outside them and the line through the two rows is extended to
// it (by a factor of -2.5 at ho = 0.45). That is how these charts are read;
// the heights they give depend on it.
double heightDivisor(double x, double ho, std::size_t k, std::size_t l)
{
    const double y0 = CaseCHeightSlope[l][k] * x + CaseCHeightIntercept[l][k];
    const double y1 = CaseCHeightSlope[l][k + 1] * x + CaseCHeightIntercept[l][k + 1];
    return chart::lerp(ho, CaseCHoAxis[k], y0, CaseCHoAxis[k + 1], y1);
}

// Water height H = Ip/Y for surface index x; j and l are the brackets of ho
// and B. The rows run against the ho axis: bracket j is read on rows 4-j, 5-j.
double height(const CaseCInput& in, double x, std::size_t j, std::size_t l)
{
    const std::size_t k = kCaseCHoNodes - 1 - j;
    const double y = chart::lerp(in.b, CaseCBAxis[l - 1], heightDivisor(x, in.ho, k, l - 1), CaseCBAxis[l],
                                 heightDivisor(x, in.ho, k, l));
    return in.ip / y;
}

// The point (X, r) on the power curves, with the weights of the four corner
// curves, numbered ho node × 7 + Ip node.
ChartReading powerReading(const CaseCInput& in, double x, double r, std::size_t i, std::size_t j)
{
    const double tIp = (in.ip - CaseCIpAxis[i - 1]) / (CaseCIpAxis[i] - CaseCIpAxis[i - 1]);
    const double tHo = (in.ho - CaseCHoAxis[j - 1]) / (CaseCHoAxis[j] - CaseCHoAxis[j - 1]);
    const auto node = [](std::size_t ni, std::size_t nj) { return std::uint8_t(nj * kCaseCIpNodes + ni); };
    return {x,
            r,
            {CurveWeight{node(i - 1, j - 1), (1 - tIp) * (1 - tHo)}, CurveWeight{node(i, j - 1), tIp * (1 - tHo)},
             CurveWeight{node(i - 1, j), (1 - tIp) * tHo}, CurveWeight{node(i, j), tIp * tHo}},
            4};
}

// The point (X, Y) on the height lines, with the weights of the four lines,
// numbered B node × 5 + row; the rows' weights extend beyond 0..1 where the
// line through them is extended to ho.
ChartReading heightReading(const CaseCInput& in, double x, double y, std::size_t j, std::size_t l)
{
    const std::size_t k = kCaseCHoNodes - 1 - j;
    const double tRow = (in.ho - CaseCHoAxis[k]) / (CaseCHoAxis[k + 1] - CaseCHoAxis[k]);
    const double tB = (in.b - CaseCBAxis[l - 1]) / (CaseCBAxis[l] - CaseCBAxis[l - 1]);
    const auto line = [](std::size_t nl, std::size_t row) { return std::uint8_t(nl * kCaseCHeightRows + row); };
    return {x,
            y,
            {CurveWeight{line(l - 1, k), (1 - tRow) * (1 - tB)}, CurveWeight{line(l - 1, k + 1), tRow * (1 - tB)},
             CurveWeight{line(l, k), (1 - tRow) * tB}, CurveWeight{line(l, k + 1), tRow * tB}},
            4};
}

} // namespace

CaseCResult CaseCEngine(const CaseCInput& in)
{
    const auto ipRange = StudiedRange::closed(9, 50);
    if (!ipRange.holds(in.ip)) return outOfRange(Quantity::InflowPeak, in.ip, ipRange);
    const auto tpRange = StudiedRange::openClosed(0, 10000);
    if (!tpRange.holds(in.tp)) return outOfRange(Quantity::PeakTime, in.tp, tpRange);
    const auto bRange = StudiedRange::closed(2, 5);
    if (!bRange.holds(in.b)) return outOfRange(Quantity::ConduitWidth, in.b, bRange);
    const auto hoRange = StudiedRange::closed(0.4, 0.8);
    if (!hoRange.holds(in.ho)) return outOfRange(Quantity::OpeningHeight, in.ho, hoRange);

    // A value on an inner node takes the bracket above it; the top of each
    // range takes the last bracket.
    const std::size_t i = chart::bracket(CaseCIpAxis, in.ip);
    const std::size_t j = chart::bracket(CaseCHoAxis, in.ho);
    const std::size_t l = chart::bracket(CaseCBAxis, in.b);

    double x = 0; // with no calculation chosen the height is read at X = 0
    double ratio = 0;
    std::optional<double> main;
    Quantity what = Quantity::SurfaceIndex;
    switch (in.calculation) {
    case CalculationType::Surface: {
        const double r = in.given / in.ip;
        const auto rRange = StudiedRange::closed(0.12, 0.38);
        if (!rRange.holds(r)) return outOfRange(Quantity::FlowRatio, r, rRange);
        // Each curve r = A·X^E inverted at its node.
        x = readPowerCharts(in, i, j, [r](std::size_t ni, std::size_t nj) {
            const double e = CaseCPowerExp[nj][ni];
            return std::pow(r, 1 / e) / std::pow(CaseCPowerCoef[nj][ni], 1 / e);
        });
        main = x * in.tp * in.b * in.b;
        ratio = r;
        what = Quantity::ComputedSurface;
        break;
    }
    case CalculationType::Outflow: {
        const double s = in.given;
        const auto sRange = StudiedRange::closed(50, 100000);
        if (!sRange.holds(s)) return outOfRange(Quantity::GivenSurface, s, sRange);
        x = s / in.tp / in.b / in.b;
        const auto xRange = StudiedRange::closed(0.12, 2.5);
        if (!xRange.holds(x)) return outOfRange(Quantity::SurfaceIndex, x, xRange);
        const double r = readPowerCharts(in, i, j, [x](std::size_t ni, std::size_t nj) {
            return CaseCPowerCoef[nj][ni] * std::pow(x, CaseCPowerExp[nj][ni]);
        });
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
    if (auto bad = notFinite(what, main.value_or(0))) return outOfRange(*bad);
    if (auto bad = notFinite(what, h)) return outOfRange(*bad);
    CaseCResult result{Outcome::Computed, main, h, std::nullopt, {}};
    if (main) result.readings[0] = powerReading(in, x, ratio, i, j);
    result.readings[1] = heightReading(in, x, in.ip / h, j, l);
    return result;
}

} // namespace retencion
