#pragma once
// The sizing curve: for the inputs of one calculation, its main result as the
// given value sweeps its whole range (the surface or volume for each target
// outflow peak, or the outflow peak for each surface or volume), computed by
// the case's own engine, with the stretches that the engine refuses and why.
// For case A, the same curve by routing, and the chart's difference from it.
// No Qt: the window, the report and the tests draw the same points.

#include "cases/case_input.h"
#include "figures/figure.h"
#include "figures/routing_figures.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace retencion::figures {

struct CurvePoint {
    double given = 0; // the target outflow peak, or the surface or volume given
    double main = 0;  // what the engine found for it
};

// A stretch of the given value that the engine refuses, for one reason.
struct RefusedStretch {
    double from = 0;
    double to = 0;
    Refusal refusal;
};

struct SizingCurve {
    CaseInput input;
    // The computed stretches, each in order of the given value; a refused
    // stretch between two of them breaks the line.
    std::vector<std::vector<CurvePoint>> runs;
    std::vector<RefusedStretch> refused; // in order, clear of the runs
    std::optional<CurvePoint> operating; // the calculation's own answer
    double low = 0;                      // the sweep of the given value
    double high = 0;
    bool logarithmic = false; // swept in equal ratios (surfaces and volumes)

    std::size_t pointCount() const;
};

// At least `samples` + 1 values of the given one, with the ends of every
// refused stretch found to a part in 10⁹ of the sweep. Empty when the input
// asks for no calculation.
SizingCurve sizingCurve(const CaseInput& input, int samples = 240);

// Case A's curve by routing at `count` values of the given one spread over
// its sweep: the surface that routing needs for each outflow peak, or
// routing's peak for each surface, beside the chart's where it has one.
struct RoutedPoint {
    double given = 0;
    double routed = 0;
    std::optional<double> chart;
    std::optional<double> differencePercent; // routing::chartDifferencePercent(chart, routed)
};

struct RoutingCurve {
    std::vector<RoutedPoint> points; // routing found no answer at the missing ones
    bool complete = false;           // false when it was cancelled
};

// `progress(done, count)` is called after each point; it returns false to
// stop the work there.
RoutingCurve routingCurve(const CaseAInput& input, int count = 25, const std::function<bool(int, int)>& progress = {});

// "Qp/Ip fuera de 0,1–0,85": why a stretch is refused, in few words.
std::string refusalCaption(const Refusal& refusal, const Separators& separators);

// The curve, and with routing, the chart's difference from routing.
std::vector<Figure> sizingCurveFigures(const SizingCurve& curve, const RoutingCurve* routing,
                                       const Separators& separators);

// The inputs as the form names them, for the header of an export.
std::vector<InputLine> inputLines(const CaseInput& input, const Separators& separators);

// The points as semicolon-separated text, with the header block of the
// other exports: the chart's curve, its refused stretches and, for case A,
// routing's curve beside it.
std::string sizingCurveCsv(const SizingCurve& curve, const RoutingCurve* routing, const Separators& separators);

} // namespace retencion::figures
