// The sizing curve: the chart-based curve of each case computed and drawn at
// the exported size (target: under 20 ms), case A's routing curve of 25
// points on one core (target: under 2 s), and the interface thread's longest
// wait while the chart window routes that curve in the background.
#include "charts/figure_painter.h"
#include "charts/sizing_curve_tab.h"
#include "figures/sizing_curve.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPalette>

using namespace retencion;
using namespace retencion::figures;

namespace {

constexpr auto kSurface = CalculationType::Surface;
constexpr auto kOutflow = CalculationType::Outflow;
const Separators kComma{",", "."};
const CaseAInput kOrifice{10, 1200, 3600, 1, 0.6, 3, kSurface, CaseAOutlet::Orifice};
const CaseAInput kWeir{10, 1200, 3600, 2, 1.8, 3, kSurface, CaseAOutlet::Weir};

void Drawn(benchmark::State& state, CaseInput input)
{
    QImage image(900, 560, QImage::Format_ARGB32);
    for (auto _ : state) {
        const SizingCurve curve = sizingCurve(input);
        const auto figures = sizingCurveFigures(curve, nullptr, kComma);
        QPainter p(&image);
        paintFigure(p, QRectF(0, 0, 900, 560), figures.front(), QPalette(Qt::white));
        p.end();
        if (curve.pointCount() < 200) state.SkipWithError("fewer than 200 points");
    }
}

void Routed(benchmark::State& state, CaseAInput input)
{
    for (auto _ : state) {
        const routing::RoutingCurve c = routing::routingCurve(input, 25);
        if (!c.complete || c.points.size() < 25) state.SkipWithError("routing left points out");
        benchmark::DoNotOptimize(c.points.data());
    }
}

// The chart window's tab routes in the background; the interface thread
// only waits for its events. The longest wait between two turns of the
// event loop, in ms, is the counter.
void Responsive(benchmark::State& state)
{
    SizingCurveTab tab;
    double longest = 0;
    for (auto _ : state) {
        tab.setInput(CaseInput{kOrifice}, kComma);
        QElapsedTimer turn;
        turn.start();
        while (tab.routingRunning()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            longest = std::max(longest, turn.nsecsElapsed() / 1e6);
            turn.restart();
        }
    }
    state.counters["longest_wait_ms"] = longest;
}

} // namespace

BENCHMARK_CAPTURE(Drawn, case_a_orifice, CaseInput{kOrifice})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Drawn, case_b_rectangular,
                  CaseInput{CaseBInput{10, 1800, 1.2, 2, 0, 7, OutletConduit::Rectangular, kSurface}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Drawn, case_c_outflow, CaseInput{CaseCInput{30, 2700, 4, 0.75, 20000, kOutflow}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Drawn, case_d_volume, CaseInput{CaseDInput{25, 3600, 15, CalculationType::Volume}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Drawn, case_e_surface, CaseInput{CaseEInput{30, 3600, 3, 1, 1, 10, kSurface}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Routed, case_a_orifice_25_points, kOrifice)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Routed, case_a_weir_25_points, kWeir)->Unit(benchmark::kMillisecond);
BENCHMARK(Responsive)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
