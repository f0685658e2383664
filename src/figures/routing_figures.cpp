#include "figures/routing_figures.h"

namespace retencion::figures {

std::vector<Figure> routingFigures(const routing::RoutingResult& routed, const Separators& separators)
{
    Figure flows;
    flows.title = "Hidrogramas de entrada y de salida";
    flows.x.title = "t (min)";
    flows.y.title = "Caudal (m³/s)";
    Series inflow{"Entrada", {}, Emphasis::Family, 0};
    Series outflow{"Salida laminada", {}, Emphasis::Used, 1};
    Figure level;
    level.title = "Altura de agua sobre la salida";
    level.x.title = "t (min)";
    level.y.title = "h (m)";
    Series h{"h", {}, Emphasis::Used, 2};
    for (const auto& s : routed.hydrograph) {
        const double minutes = s.time / 60;
        inflow.points.push_back({minutes, s.inflow});
        outflow.points.push_back({minutes, s.outflow});
        h.points.push_back({minutes, s.level});
    }
    flows.series = {inflow, outflow};
    flows.point = Point{routed.peakTime / 60, routed.peakOutflow};
    flows.pointLabel = "Qp = " + number(routed.peakOutflow, separators) +
                       " m³/s; t = " + number(routed.peakTime / 60, separators) + " min";
    level.series = {h};
    level.point = Point{routed.peakTime / 60, routed.maxLevel};
    level.pointLabel = "h = " + number(routed.maxLevel, separators) + " m";
    return {flows, level};
}

std::string hydrographCsv(const routing::RoutingResult& routed, const Separators& separators)
{
    auto cell = [&](double v) { return FormatDecimal(v, 6, separators); };
    std::string out = "t (min);Entrada (m³/s);Salida (m³/s);h (m)\n";
    for (const auto& s : routed.hydrograph)
        out += cell(s.time / 60) + ";" + cell(s.inflow) + ";" + cell(s.outflow) + ";" + cell(s.level) + "\n";
    return out;
}

} // namespace retencion::figures
