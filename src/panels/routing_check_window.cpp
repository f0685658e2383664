#include "panels/routing_check_window.h"

#include "figures/routing_figures.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace retencion {

RoutingCheckWindow::RoutingCheckWindow(UiServices& services, QWidget* panel)
    : ChartWindow(QStringLiteral("Caso A"), services, panel), m_law(new QLabel), m_table(new QTableWidget(0, 4)),
      m_notes(new QLabel)
{
    setObjectName(QStringLiteral("ALaminacion"));
    setWindowTitle(QStringLiteral("Comprobación por laminación — Caso A"));
    m_fileStem = QStringLiteral("caso-a-laminacion");
    m_law->setWordWrap(true);
    m_law->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_table->setObjectName(QStringLiteral("Comparacion"));
    m_table->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("Ábaco"), QStringLiteral("Laminación"), QStringLiteral("Diferencia")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setAccessibleName(QStringLiteral("Respuesta del ábaco frente a la laminación"));

    auto* summary = new QWidget;
    auto* column = new QVBoxLayout(summary);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_law);
    column->addWidget(m_table);
    column->addWidget(m_notes);
    contentLayout()->insertWidget(0, summary);

    auto* csv = new QPushButton(QStringLiteral("Exportar C&SV…"));
    csv->setObjectName(QStringLiteral("ExportarCSV"));
    connect(csv, &QPushButton::clicked, this, [this] {
        saveAs(QStringLiteral("Texto separado por punto y coma (*.csv)"), QStringLiteral(".csv"),
               [this](const QString& path) {
                   QString reason;
                   exportCsv(path, &reason);
                   return reason;
               });
    });
    m_buttons->insertWidget(2, csv);
}

void RoutingCheckWindow::setCheck(const routing::ChartCheck& check, const CaseAInput& in, const Separators& s)
{
    auto num = [&s](double v, int significant = 5) {
        return QString::fromStdString(FormatSignificant(v, significant, s));
    };
    const bool weir = check.outlet == routing::Outlet::Weir;
    m_law->setText(weir ? QStringLiteral("Ley de salida del vertedero: Q = Ck·L·√(2g)·h^1,5, con Ck = %1, L = %2 m y "
                                         "g = 9,81 m/s².")
                              .arg(num(in.ck), num(in.dl))
                        : QStringLiteral("Ley de salida del orificio: Q = Ck·A·√(2g·h), con Ck = %1 y "
                                         "A = π·D²/4 = %2 m² (D = %3 m), g = 9,81 m/s².")
                              .arg(num(in.ck), num(check.area), num(in.dl)));

    struct Row {
        QString what;
        routing::Compared values;
    };
    std::vector<Row> rows{{QStringLiteral("Qp (m³/s)"), check.outflowPeak}, {QStringLiteral("H (m)"), check.head}};
    if (check.surface) rows.push_back({QStringLiteral("Sup para el Qp pedido (m²)"), *check.surface});
    m_table->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const auto& r = rows[std::size_t(i)];
        const QString diff = (r.values.differencePercent > 0 ? QStringLiteral("+") : QString()) +
                             num(r.values.differencePercent, 3) + QStringLiteral(" %");
        const QString cells[] = {r.what, num(r.values.chart), num(r.values.routed), diff};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(i, c, item);
        }
    }
    m_table->setFixedHeight(m_table->horizontalHeader()->height() + m_table->rowHeight(0) * int(rows.size()) + 4);

    const auto& routed = check.routed;
    QString notes = QStringLiteral("Balance de masa, (entrada − salida − almacenado) / entrada: %1 "
                                   "(entrada %2 m³, salida %3 m³, almacenado %4 m³).")
                        .arg(massBalance(routed.massBalancePercent, s), num(routed.inflowVolume, 6),
                             num(routed.outflowVolume, 6), num(routed.storedVolume, 4));
    if (weir && check.formWeirHead)
        notes += QStringLiteral("\nEl H del formulario, %1 m, sale de Q = Ck·L·H^1,5; el ábaco y la laminación "
                                "usan Q = Ck·L·√(2g)·H^1,5, que para el mismo Qp da H = %2 m.")
                     .arg(num(*check.formWeirHead), num(check.head.chart));
    m_notes->setText(notes);

    setFigures(figures::routingFigures(routed, s));
    setCaption(QStringLiteral("Caso A: comprobación por laminación — %1")
                   .arg(QString::fromStdString(figures::caseAInputSummary(in, s))));
    m_csv = figures::hydrographCsv(routed, in, s);
}

QString RoutingCheckWindow::massBalance(double percent, const Separators& separators)
{
    return QString::fromStdString(figures::massBalanceText(percent, separators));
}

bool RoutingCheckWindow::exportCsv(const QString& path, QString* error) const
{
    const QString reason = writeBytes(QByteArray::fromStdString(m_csv), path);
    if (error) *error = reason;
    return reason.isEmpty();
}

} // namespace retencion
