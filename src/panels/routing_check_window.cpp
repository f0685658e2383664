#include "panels/routing_check_window.h"

#include "charts/csv_export.h"
#include "figures/routing_figures.h"
#include "files/atomic_write.h"
#include "panels/routing_summary.h"

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
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setAccessibleName(QStringLiteral("Respuesta del ábaco frente a la laminación"));

    // The two figures share one time axis: side by side, and first, so that
    // both are in sight at once on a laptop's screen at any scale; the law
    // and the comparison follow them.
    setFiguresSideBySide();
    auto* summary = new QWidget;
    auto* column = new QVBoxLayout(summary);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_law);
    column->addWidget(m_table);
    column->addWidget(m_notes);
    contentLayout()->addWidget(summary);

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
    const RoutingSummary summary = summarizeRouting(check, in, s);
    m_law->setText(summary.law);
    const auto& h = summary.header;
    m_table->setHorizontalHeaderLabels({h.what, h.chart, h.routed, h.difference});
    m_table->setRowCount(int(summary.rows.size()));
    for (int i = 0; i < int(summary.rows.size()); ++i) {
        const auto& r = summary.rows[std::size_t(i)];
        const QString cells[] = {r.what, r.chart, r.routed, r.difference};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(i, c, item);
        }
    }
    m_table->setFixedHeight(m_table->horizontalHeader()->height() + m_table->rowHeight(0) * int(summary.rows.size()) +
                            4);
    m_notes->setText(summary.notes);
    const auto& routed = check.routed;
    setFigures(figures::routingFigures(routed, s));
    setCaption(QStringLiteral("Caso A: comprobación por laminación — %1")
                   .arg(QString::fromStdString(figures::caseAInputSummary(in, s))));
    m_csv = hydrographCsv(routed, in, s);
}

QString RoutingCheckWindow::massBalance(double percent, const Separators& separators)
{
    return QString::fromStdString(figures::massBalanceText(percent, separators));
}

bool RoutingCheckWindow::exportCsv(const QString& path, QString* error) const
{
    const QString reason = writeAtomically(path, QByteArray::fromStdString(m_csv));
    if (error) *error = reason;
    return reason.isEmpty();
}

} // namespace retencion
