#include "panels/routing_check_window.h"

#include "cases/field_table.h"
#include "charts/csv_export.h"
#include "figures/routing_figures.h"
#include "files/atomic_write.h"
#include "panels/routing_summary.h"
#include "routing/tank_routing.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace retencion {

RoutingCheckWindow::RoutingCheckWindow(UiServices& services, QWidget* panel)
    : ChartWindow(QStringLiteral("Caso A"), services, panel), m_outletAnswer(new QLabel),
      m_outletProgress(new QProgressBar), m_outletCancel(new QPushButton(QStringLiteral("Cance&lar"))),
      m_law(new QLabel), m_table(new QTableWidget(0, 4)), m_notes(new QLabel)
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
    auto* outletRow = new QHBoxLayout;
    m_outletAnswer->setObjectName(QStringLiteral("DiametroPorLaminacion"));
    m_outletAnswer->setWordWrap(true);
    m_outletAnswer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_outletProgress->setObjectName(QStringLiteral("ProgresoDiametro"));
    m_outletProgress->setRange(0, 0); // a few routings: busy, with no count to show
    m_outletProgress->setMaximumWidth(fontMetrics().averageCharWidth() * 20);
    m_outletCancel->setObjectName(QStringLiteral("CancelarDiametro"));
    outletRow->addWidget(m_outletAnswer, 1);
    outletRow->addWidget(m_outletProgress);
    outletRow->addWidget(m_outletCancel);
    column->addLayout(outletRow);
    m_outletProgress->hide();
    m_outletCancel->hide();
    connect(m_outletCancel, &QPushButton::clicked, this, &RoutingCheckWindow::cancelOutletSearch);
    connect(&m_outletWatcher, &QFutureWatcher<std::optional<double>>::finished, this, &RoutingCheckWindow::outletFound);
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

    // The outlet by routing, for the chart's tank and outflow peak.
    cancelOutletSearch();
    m_input = in;
    m_separators = s;
    const routing::RoutingInput routingInput{in.ip, in.tp, in.tb, check.outlet, in.dl, in.ck, check.chartSurface};
    const double peak = check.outflowPeak.chart;
    m_outletWanted = true;
    m_outletAnswer->setText(QStringLiteral("Diámetro (o longitud) por laminación: calculando…"));
    m_outletProgress->show();
    m_outletCancel->show();
    m_outletWatcher.setFuture(QtConcurrent::run([routingInput, peak](QPromise<std::optional<double>>& promise) {
        promise.addResult(routing::outletByRouting(routingInput, peak, [&promise] { return !promise.isCanceled(); }));
    }));
}

RoutingCheckWindow::~RoutingCheckWindow()
{
    // The routing holds nothing of the window, but must not outlive it.
    m_outletWatcher.cancel();
    m_outletWatcher.waitForFinished();
}

void RoutingCheckWindow::cancelOutletSearch()
{
    if (!m_outletWanted) return;
    m_outletWanted = false;
    m_outletWatcher.cancel();
    m_outletProgress->hide();
    m_outletCancel->hide();
    m_outletAnswer->setText(QStringLiteral("Diámetro (o longitud) por laminación: cancelado."));
}

void RoutingCheckWindow::outletFound()
{
    if (!m_outletWanted) return; // cancelled: its text already says so
    m_outletWanted = false;
    m_outletProgress->hide();
    m_outletCancel->hide();
    const InputField* field = inputField(CaseInput{m_input}, "ADL");
    const QString symbol = field ? QString::fromUtf8(field->symbol) : QStringLiteral("D");
    const QString what = QStringLiteral("%1 por laminación").arg(field ? QString::fromUtf8(field->meaning) : symbol);
    const auto found = m_outletWatcher.future().resultCount() > 0 ? m_outletWatcher.result() : std::nullopt;
    if (!found) {
        m_outletAnswer->setText(
            QStringLiteral("%1: ningún tamaño estudiado da, laminado, el caudal punta del ábaco.").arg(what));
        return;
    }
    const auto number = [&](double v) { return QString::fromStdString(FormatSignificant(v, 4, m_separators)); };
    const double percent = (*found - m_input.dl) / m_input.dl * 100;
    m_outletAnswer->setText(QStringLiteral("%1: %2 = %3 m, frente a %2 = %4 m del ábaco (%5%6 %).")
                                .arg(what, symbol, number(*found), number(m_input.dl), percent >= 0 ? "+" : "−",
                                     QString::fromStdString(FormatSignificant(std::abs(percent), 3, m_separators))));
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
