#pragma once
// The sizing curve: for the inputs of one calculation, its main result as the
// given value sweeps its whole range (the surface or volume for each target
// outflow peak, or the outflow peak for each surface or volume), computed by
// the case's own engine, with the stretches that the engine refuses and why.
// For case A, the chart's difference from the same curve by routing
// (routing/routing_curve.h).
// No Qt: the window, the report and the tests draw the same points.

#include "cases/case_input.h"
#include "figures/figure.h"
#include "figures/routing_figures.h"
#include "routing/routing_curve.h"

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

// "Qp/Ip fuera de 0,1–0,85": why a stretch is refused, in few words.
std::string refusalCaption(const Refusal& refusal, const Separators& separators);

// The curve, and with routing, the chart's difference from routing.
std::vector<Figure> sizingCurveFigures(const SizingCurve& curve, const routing::RoutingCurve* routing,
                                       const Separators& separators);

// What the curve's axes name: the given value and the main result, each as
// an axis title ("Qp (m³/s)"), a symbol and a unit.
struct CurveNames {
    std::string given, main; // axis titles
    std::string givenSymbol, mainSymbol, givenUnit, mainUnit;
};
CurveNames curveNames(const CaseInput& input);

// The inputs as the form names them, for the header of an export.
std::vector<InputLine> inputLines(const CaseInput& input, const Separators& separators);

} // namespace retencion::figures
