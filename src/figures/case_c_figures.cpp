#include "cases/c/case_c_charts.h"
#include "cases/formulas.h"
#include "figures/case_figures.h"
#include "figures/sketch.h"

#include <cmath>

namespace retencion::figures {
namespace {

using namespace case_c;

constexpr double kXLow = kSurfaceIndexRange.low->value; // the studied surface indices
constexpr double kXHigh = kSurfaceIndexRange.high->value;

// The power curves r = A·X^E at every Ip node, for the two ho nodes around
// ho, sampled on a logarithmic grid of X.
Figure powerCurves(const CaseCInput& in, const CaseResult* result, const Separators& separators)
{
    const std::size_t j = chart::bracket(HoAxis, in.ho);
    Figure f;
    f.separators = separators;
    f.title = "Curvas r = A·X^E";
    f.x.title = std::string("X = Sup / (Tp·B²)") + kTpInSeconds;
    f.y.title = std::string("r = ") + formula::kFlowRatio;
    std::vector<int> seriesOf(kHoNodes * kIpNodes, -1);
    for (std::size_t nj = j - 1; nj <= j; ++nj) {
        for (std::size_t ni = 0; ni < kIpNodes; ++ni) {
            std::vector<Parameter> at{{"Ip", IpAxis[ni]}, {"ho", HoAxis[nj]}};
            Series s{labelOf(at, separators), {}, Emphasis::Family, int(nj - (j - 1)), std::move(at)};
            for (int k = 0; k <= 60; ++k) {
                const double x = kXLow * std::pow(kXHigh / kXLow, k / 60.0);
                s.points.push_back({x, powerCurve(ni, nj, x)});
            }
            seriesOf[nj * kIpNodes + ni] = int(f.series.size());
            f.series.push_back(std::move(s));
        }
    }
    f.studiedX = shaded(kSurfaceIndexRange);
    f.studiedY = shaded(kFlowRatioRange);
    if (const ChartReading* r = readingOf(result, 0)) {
        const Across across = in.calculation == CalculationType::Surface ? Across::XAtY : Across::YAtX;
        showReading(f, *r, seriesOf, across, "X", "r", separators);
    }
    return f;
}

// The straight lines Y = M·X + N of the height chart, one per row and
// conduit width; the height is H = Ip / Y.
Figure heightLines(const CaseResult* result, const Separators& separators)
{
    Figure f;
    f.separators = separators;
    f.title = "Rectas de altura Y = M·X + N";
    f.x.title = std::string("X = Sup / (Tp·B²)") + kTpInSeconds;
    f.y.title = "Y = Ip / H";
    std::vector<int> seriesOf(kBNodes * kHeightRows, -1);
    for (std::size_t l = 0; l < kBNodes; ++l) {
        for (std::size_t k = 0; k < kHeightRows; ++k) {
            seriesOf[l * kHeightRows + k] = int(f.series.size());
            // Row k of the chart is read at the opening height of node k.
            std::vector<Parameter> at{{"B", BAxis[l]}, {"ho", HoAxis[k]}};
            f.series.push_back({labelOf(at, separators),
                                {{0, heightLine(l, k, 0)}, {kXHigh, heightLine(l, k, kXHigh)}},
                                Emphasis::Family,
                                int(l),
                                std::move(at)});
        }
    }
    f.studiedX = Range{0, kXHigh};
    if (const ChartReading* r = readingOf(result, 1)) showReading(f, *r, seriesOf, Across::YAtX, "X", "Y", separators);
    return f;
}

} // namespace

std::vector<Figure> caseCFigures(const CaseCInput& input, const CaseResult* result, const Separators& separators)
{
    return withDecimals({powerCurves(input, result, separators), heightLines(result, separators)});
}

Drawing caseDrawingOf(const CaseCInput&)
{
    using namespace sketch;
    Sketch s('C', "Caso C: salida sumergida");
    hydrograph(s, false, false);
    tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {99, kBottom}}, true);
    s.line({{kTankRight, 44}, {kTankRight, kConduitTop}, {kConduitEnd, kConduitTop}}, 2);
    // Submerged outlet: the conduit runs full into water that stands above it.
    s.area({{kTankRight, kBottom}, {kConduitEnd, kBottom}, {kConduitEnd, kConduitTop}, {kTankRight, kConduitTop}},
           Fill::Water);
    s.area({{kConduitEnd, kBottom}, {99, kBottom}, {99, 22}, {kConduitEnd, 22}}, Fill::Water);
    s.line({{kConduitEnd, 22}, {99, 22}}, 0.8);
    s.dimension({84, kBottom}, {84, kConduitTop});
    s.note(s.sym(Quantity::OpeningHeight), {84, kConduitTop + 0.5}, Anchor::Above);
    s.note(s.sym(Quantity::ConduitWidth), {86, kBottom}, Anchor::Below);
    s.note(s.sym(Quantity::GivenOutflow), {94.5, 22.5}, Anchor::Above);
    return s.done();
}

} // namespace retencion::figures
