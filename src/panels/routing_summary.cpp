#include "panels/routing_summary.h"

#include "cases/physics.h"
#include "figures/routing_figures.h"

namespace retencion {

RoutingSummary summarizeRouting(const routing::ChartCheck& check, const CaseAInput& in, const Separators& s)
{
    const auto num = [&s](double v, int significant = 5) {
        return QString::fromStdString(FormatSignificant(v, significant, s));
    };
    const auto text = [](const std::string& t) { return QString::fromStdString(t); };
    const bool weir = check.outlet == routing::Outlet::Weir;
    const QString chartWeirLaw = text(caseAChartWeirLaw(s));
    RoutingSummary out;
    out.law = weir ? QStringLiteral("Ley de salida del vertedero: %1, con Ck = %2, L = %3 m y g = %4 m/s².")
                         .arg(chartWeirLaw, num(in.ck), num(in.dl), num(kGravity))
                   : QStringLiteral("Ley de salida del orificio: %1, con Ck = %2 y "
                                    "A = π·D²/4 = %3 m² (D = %4 m), g = %5 m/s².")
                         .arg(text(caseAHeadLaw(CaseAOutlet::Orifice, s)), num(in.ck), num(check.area), num(in.dl),
                              num(kGravity));

    out.header = {QString(), QStringLiteral("Ábaco"), QStringLiteral("Laminación"),
                  QString::fromUtf8(routing::kChartDifferenceCaption)};
    const auto row = [&](const QString& what, const routing::Compared& c) {
        const QString sign = c.differencePercent > 0 ? QStringLiteral("+") : QString();
        out.rows.push_back({what, num(c.chart), num(c.routed), sign + num(c.differencePercent, 3)});
    };
    row(QStringLiteral("Qp (m³/s)"), check.outflowPeak);
    row(QStringLiteral("H (m)"), check.head);
    if (check.surface) row(QStringLiteral("Sup para el Qp pedido (m²)"), *check.surface);

    const auto& routed = check.routed;
    out.notes = QStringLiteral("Balance de masa, (entrada − salida − almacenado) / entrada: %1 "
                               "(entrada %2 m³, salida %3 m³, almacenado %4 m³).")
                    .arg(QString::fromStdString(figures::massBalanceText(routed.massBalancePercent, s)),
                         num(routed.inflowVolume, 6), num(routed.outflowVolume, 6), num(routed.storedVolume, 4));
    if (weir && check.formWeirHead)
        out.notes += QStringLiteral("\nEl H del formulario, %1 m, sale de %3; el ábaco y la laminación "
                                    "usan %4, que para el mismo Qp da H = %2 m.")
                         .arg(num(*check.formWeirHead), num(check.head.chart), text(caseAHeadLaw(CaseAOutlet::Weir, s)),
                              chartWeirLaw);
    return out;
}

} // namespace retencion
