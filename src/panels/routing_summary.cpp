#include "panels/routing_summary.h"

#include "cases/physics.h"
#include "figures/routing_figures.h"

namespace retencion {

RoutingSummary summarizeRouting(const routing::ChartCheck& check, const CaseAInput& in, const Separators& s)
{
    const auto num = [&s](double v, int significant = 5) {
        return QString::fromStdString(FormatSignificant(v, significant, s));
    };
    const QString oneAndHalf = num(1.5); // the weir's exponent, with the regional decimal
    const bool weir = check.outlet == routing::Outlet::Weir;
    RoutingSummary out;
    out.law = weir ? QStringLiteral("Ley de salida del vertedero: Q = Ck·L·√(2g)·h^%1, con Ck = %2, L = %3 m y "
                                    "g = %4 m/s².")
                         .arg(oneAndHalf, num(in.ck), num(in.dl), num(kGravity))
                   : QStringLiteral("Ley de salida del orificio: Q = Ck·A·√(2g·h), con Ck = %1 y "
                                    "A = π·D²/4 = %2 m² (D = %3 m), g = %4 m/s².")
                         .arg(num(in.ck), num(check.area), num(in.dl), num(kGravity));

    const auto row = [&](const QString& what, const routing::Compared& c) {
        const QString sign = c.differencePercent > 0 ? QStringLiteral("+") : QString();
        out.rows.push_back(
            {what, num(c.chart), num(c.routed), sign + num(c.differencePercent, 3) + QStringLiteral(" %")});
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
        out.notes += QStringLiteral("\nEl H del formulario, %1 m, sale de Q = Ck·L·H^%3; el ábaco y la laminación "
                                    "usan Q = Ck·L·√(2g)·H^%3, que para el mismo Qp da H = %2 m.")
                         .arg(num(*check.formWeirHead), num(check.head.chart), oneAndHalf);
    return out;
}

} // namespace retencion
