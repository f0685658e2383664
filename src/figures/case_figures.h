#pragma once
// The figures of each case, in the order of the list of cases
// (cases/case_input.h): its design charts as figures, the chart alone or
// with the reading of a computed result drawn on it (`result` null, or not
// computed, for the chart alone), and its schematic. Each case's own file,
// case_<letter>_figures.cpp, defines them.

#include "cases/case_input.h"
#include "figures/figure.h"

#include <vector>

namespace retencion::figures {

// The orifice or the weir chart, as the outlet says (the orifice chart when
// none is chosen).
std::vector<Figure> caseAFigures(CaseAOutlet outlet, CalculationType calculation, const CaseResult* result,
                                 const Separators& separators);

// Rectangular conduit (or none chosen): the reduction chart and the depth
// chart; circular conduits: the closed formulas.
std::vector<Figure> caseBFigures(OutletConduit conduit, CalculationType calculation, const CaseResult* result,
                                 const Separators& separators);

// The power curves at the two ho nodes that bracket ho (the first two when
// ho is outside the chart), and the height lines.
std::vector<Figure> caseCFigures(const CaseCInput& input, const CaseResult* result, const Separators& separators);

// The three curves of peak reduction against volume rate.
std::vector<Figure> caseDFigures(CalculationType calculation, const CaseResult* result, const Separators& separators);

// The nine attenuation curves, grouped by B, and the depth chart.
std::vector<Figure> caseEFigures(CalculationType calculation, const CaseResult* result, const Separators& separators);

// Each case's schematic (figures/case_drawings.h): case A's shows the
// outlet asked (the orifice when none is chosen), case B's the conduit
// asked (the rectangular one when none is chosen).
Drawing caseDrawingOf(const CaseAInput& input);
Drawing caseDrawingOf(const CaseBInput& input);
Drawing caseDrawingOf(const CaseCInput& input);
Drawing caseDrawingOf(const CaseDInput& input);
Drawing caseDrawingOf(const CaseEInput& input);

// Draws a reading on a figure: the curves it used stronger (`seriesOf`
// gives the series index of a reading's curve number), the interpolated
// curve dashed, and the point with its coordinates.
void showReading(Figure& figure, const ChartReading& reading, const std::vector<int>& seriesOf, Across across,
                 const std::string& xName, const std::string& yName, const Separators& separators);

// The studied range of a check as a figure shades it, between its two
// bounds whether they are included or not.
inline Range shaded(const StudiedRange& range)
{
    return {range.low->value, range.high->value};
}

inline const ChartReading* readingOf(const CaseResult* result, std::size_t chart)
{
    if (!result || result->outcome != Outcome::Computed || !result->readings[chart]) return nullptr;
    return &*result->readings[chart];
}

} // namespace retencion::figures
