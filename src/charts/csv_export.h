#pragma once
// The exports for a spreadsheet: semicolon-separated text with the regional
// decimal separator, under one header block. Text only, no Qt.

#include "figures/routing_figures.h"
#include "figures/sizing_curve.h"

#include <string>
#include <vector>

namespace retencion {

// The header block of every export for a spreadsheet: a byte-order mark so
// that the accents read right, the program, `subject` ("Caso A: …"), one
// line per input (symbol; value; unit) and a blank line.
std::string csvHeader(const std::string& subject, const std::vector<figures::InputLine>& inputs);

// The sampled hydrographs as semicolon-separated text for a spreadsheet:
// a byte-order mark so that the accents read right, the program, the case
// and its inputs, a blank line, then time (min); inflow; outflow (m³/s);
// level (m), with the regional decimal separator.
std::string hydrographCsv(const routing::RoutingResult& routed, const CaseAInput& input, const Separators& separators);

// The points as semicolon-separated text, with the header block of the
// other exports: the chart's curve, its refused stretches and, for case A,
// routing's curve beside it.
std::string sizingCurveCsv(const figures::SizingCurve& curve, const routing::RoutingCurve* routing,
                           const Separators& separators);

} // namespace retencion
