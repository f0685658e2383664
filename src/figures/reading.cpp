#include "figures/case_figures.h"

namespace retencion::figures {

void showReading(Figure& figure, const ChartReading& reading, const std::vector<int>& seriesOf, Across across,
                 const std::string& xName, const std::string& yName, const Separators& separators)
{
    std::vector<WeightedCurve> used;
    for (std::uint8_t i = 0; i < reading.curveCount; ++i) {
        const CurveWeight& c = reading.curves[i];
        if (c.curve >= seriesOf.size() || seriesOf[c.curve] < 0) continue;
        figure.series[std::size_t(seriesOf[c.curve])].emphasis = Emphasis::Used;
        used.push_back({&figure.series[std::size_t(seriesOf[c.curve])], c.weight});
    }
    // A curve read with weight 1 is the user's own: no dashed copy of it.
    if (used.size() > 1) {
        // The weights that interpolate the values interpolate the curves'
        // parameters too, which gives the user's own: r = 0,55 between 0,4 and 0,6.
        std::vector<Parameter> own = used.front().series->parameters;
        for (Parameter& p : own)
            p.value = 0;
        for (const WeightedCurve& c : used) {
            if (c.series->parameters.size() != own.size()) {
                own.clear();
                break;
            }
            for (std::size_t i = 0; i < own.size(); ++i)
                own[i].value += c.weight * c.series->parameters[i].value;
        }
        const std::string label = own.empty() ? "Curva interpolada" : labelOf(own, separators) + " (interpolada)";
        figure.series.push_back(interpolated(used, across, label, 96));
    }
    figure.point = Point{reading.x, reading.y};
    figure.pointLabel =
        xName + " = " + number(reading.x, separators) + "; " + yName + " = " + number(reading.y, separators);
}

} // namespace retencion::figures
