#include "charts/csv_export.h"

#include "routing/chart_check.h"

namespace retencion {

// The figures' names of the curves and the inputs, written as text.
using namespace figures;

std::string csvHeader(const std::string& subject, const std::vector<InputLine>& inputs)
{
    std::string out = "\xEF\xBB\xBF"
                      "Retención — Predimensionamiento de Depósitos de Retención\n" +
                      subject + "\n";
    for (const InputLine& l : inputs)
        out += l.symbol + ";" + l.value + ";" + l.unit + "\n";
    return out + "\n";
}

std::string hydrographCsv(const routing::RoutingResult& routed, const CaseAInput& input, const Separators& separators)
{
    std::string out = csvHeader("Caso A: comprobación por laminación", caseAInputLines(input, separators));
    out += "t (min);Entrada (m³/s);Salida (m³/s);h (m)\n";
    auto cell = [&](double v) { return FormatDecimal(v, 6, separators); };
    for (const auto& s : routed.hydrograph)
        out += cell(s.time / 60) + ";" + cell(s.inflow) + ";" + cell(s.outflow) + ";" + cell(s.level) + "\n";
    return out;
}

std::string sizingCurveCsv(const SizingCurve& curve, const routing::RoutingCurve* routing, const Separators& separators)
{
    const CurveNames names = curveNames(curve.input);
    std::string out = csvHeader(std::string("Caso ") + caseLetter(curve.input) + ": curva de dimensionamiento",
                                inputLines(curve.input, separators));
    auto cell = [&](double v) { return FormatSignificant(v, 8, separators); };
    out += names.given + ";" + names.main + " por el ábaco\n";
    for (const auto& runPoints : curve.runs)
        for (const CurvePoint& p : runPoints)
            out += cell(p.given) + ";" + cell(p.main) + "\n";
    if (!curve.refused.empty()) {
        out += "\nFuera del ábaco desde;hasta;motivo\n";
        for (const RefusedStretch& r : curve.refused)
            out += cell(r.from) + ";" + cell(r.to) + ";" + refusalCaption(r.refusal, separators) + "\n";
    }
    if (routing && !routing->points.empty()) {
        out += "\n" + names.given + ";" + names.main + " por laminación;" + names.main + " por el ábaco;" +
               routing::kChartDifferenceCaption + "\n";
        for (const auto& p : routing->points)
            out += cell(p.given) + ";" + cell(p.routed) + ";" + (p.chart ? cell(*p.chart) : "") + ";" +
                   (p.differencePercent ? cell(*p.differencePercent) : "") + "\n";
    }
    return out;
}

} // namespace retencion
