#include "figures/routing_figures.h"

#include <cmath>

namespace retencion::figures {

std::vector<Figure> routingFigures(const routing::RoutingResult& routed, const Separators& separators)
{
    Figure flows;
    flows.separators = separators;
    flows.title = "Hidrogramas de entrada y de salida";
    flows.x.title = "t (min)";
    flows.y.title = "Caudal (m³/s)";
    Series inflow{"Entrada", {}, Emphasis::Family, 0, {}};
    Series outflow{"Salida laminada", {}, Emphasis::Used, 1, {}};
    Figure level;
    level.separators = separators;
    level.title = "Altura de agua sobre la salida";
    level.x.title = "t (min)";
    level.y.title = "h (m)";
    Series h{"h", {}, Emphasis::Used, 2, {}};
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
    flows.pointName = "Caudal punta de salida";
    level.series = {h};
    level.point = Point{routed.peakTime / 60, routed.maxLevel};
    level.pointLabel = "h = " + number(routed.maxLevel, separators) + " m";
    level.pointName = "Altura máxima";
    return {flows, level};
}

std::vector<InputLine> caseAInputLines(const CaseAInput& in, const Separators& s)
{
    auto value = [&s](double v) { return FormatSignificant(v, 6, s); };
    const bool weir = in.outlet == CaseAOutlet::Weir;
    std::vector<InputLine> lines{{"Ip", value(in.ip), "m³/s"},
                                 {"Tp", value(in.tp / 60), "min."},
                                 {"Tb", value(in.tb / 60), "min."},
                                 {weir ? "L" : "D", value(in.dl), "m"},
                                 {"Ck", value(in.ck), ""}};
    if (in.calculation == CalculationType::Surface) lines.push_back({"Qp", value(in.given), "m³/s"});
    if (in.calculation == CalculationType::Outflow) lines.push_back({"Sup", value(in.given), "m²"});
    return lines;
}

std::string caseAInputSummary(const CaseAInput& input, const Separators& separators)
{
    std::string out;
    for (const InputLine& l : caseAInputLines(input, separators))
        out += (out.empty() ? "" : "; ") + l.symbol + " = " + l.value + (l.unit.empty() ? "" : " " + l.unit);
    return out;
}

std::string massBalanceText(double percent, const Separators& separators)
{
    if (!std::isfinite(percent)) return "—";
    if (std::fabs(percent) < 0.001) return "< " + FormatDecimal(0.001, 3, separators) + " %";
    return FormatDecimal(percent, 3, separators) + " %";
}

} // namespace retencion::figures
