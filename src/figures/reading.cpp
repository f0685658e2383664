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
    const bool between = used.size() > 1;
    if (between) figure.series.push_back(interpolated(used, across, "", 96));
    figure.point = Point{reading.x, reading.y};
    figure.pointLabel =
        xName + " = " + number(reading.x, separators) + "; " + yName + " = " + number(reading.y, separators);
}

} // namespace retencion::figures
