#include "charts/sizing_curve_tab.h"

#include "charts/csv_export.h"
#include "charts/figure_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace retencion {
namespace {

// Enough for the line to read as a curve, few enough to route in a moment.
constexpr int kRoutedPoints = 25;

} // namespace

SizingCurveTab::SizingCurveTab(QWidget* parent)
    : QWidget(parent), m_scroll(new FigureScroll), m_stack(new FigureStack), m_status(new QLabel),
      m_progress(new QProgressBar), m_cancel(new QPushButton(QStringLiteral("Cance&lar"))),
      m_csv(new QPushButton(QStringLiteral("Exportar C&SV…")))
{
    setObjectName(QStringLiteral("CurvaDimensionamiento"));
    m_scroll->setObjectName(QStringLiteral("FigurasCurva"));
    m_stack->setObjectName(QStringLiteral("PilaCurva"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(m_stack);
    m_status->setObjectName(QStringLiteral("EstadoCurva"));
    m_status->setWordWrap(true);
    m_progress->setObjectName(QStringLiteral("ProgresoLaminacion"));
    m_progress->setFormat(QStringLiteral("Laminación: %v de %m puntos"));
    m_cancel->setObjectName(QStringLiteral("Cancelar"));
    m_csv->setObjectName(QStringLiteral("ExportarCSV"));
    m_csv->setEnabled(false);

    auto* work = new QHBoxLayout;
    work->addWidget(m_status, 1);
    work->addWidget(m_progress);
    work->addWidget(m_cancel);
    work->addWidget(m_csv);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(work);
    m_progress->hide();
    m_cancel->hide();

    connect(m_cancel, &QPushButton::clicked, this, &SizingCurveTab::cancelRouting);
    connect(&m_watcher, &QFutureWatcher<routing::RoutingCurve>::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcher<routing::RoutingCurve>::finished, this, &SizingCurveTab::routed);
}

SizingCurveTab::~SizingCurveTab()
{
    // The routing holds nothing of the window, but must not outlive it.
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

void SizingCurveTab::setInput(const std::optional<CaseInput>& input, const Separators& separators)
{
    cancelRouting();
    m_separators = separators;
    m_routing.reset();
    m_curve.reset();
    if (input && calculationOf(*input) != CalculationType::None) m_curve = figures::sizingCurve(*input);
    m_csv->setEnabled(m_curve && m_curve->pointCount() > 0);
    m_status->clear();

    const auto* a = input ? std::get_if<CaseAInput>(&*input) : nullptr;
    if (m_curve && a && a->outlet != CaseAOutlet::None) {
        const CaseAInput in = *a;
        m_progress->setRange(0, kRoutedPoints);
        m_progress->setValue(0);
        m_progress->show();
        m_cancel->show();
        m_status->setText(QStringLiteral("Calculando la curva por laminación…"));
        m_routingWanted = true;
        m_watcher.setFuture(QtConcurrent::run([in](QPromise<routing::RoutingCurve>& promise) {
            promise.setProgressRange(0, kRoutedPoints);
            routing::RoutingCurve curve = routing::routingCurve(in, kRoutedPoints, [&promise](int done, int) {
                promise.setProgressValue(done);
                return !promise.isCanceled();
            });
            if (curve.complete) promise.addResult(std::move(curve));
        }));
    }
    show();
}

void SizingCurveTab::cancelRouting()
{
    if (!m_routingWanted) return;
    m_routingWanted = false;
    m_watcher.cancel();
    m_progress->hide();
    m_cancel->hide();
    m_status->setText(QStringLiteral("Curva por laminación cancelada."));
}

void SizingCurveTab::routed()
{
    if (!m_routingWanted) return; // cancelled: its text already says so
    m_routingWanted = false;
    m_progress->hide();
    m_cancel->hide();
    const QFuture<routing::RoutingCurve> future = m_watcher.future();
    if (future.isCanceled() || future.resultCount() == 0) {
        emit routingFinished();
        return;
    }
    m_routing = future.result();
    m_status->clear();
    show();
    emit routingFinished();
}

void SizingCurveTab::show()
{
    m_stack->setFigures(figures());
    if (!m_curve)
        m_status->setText(QStringLiteral("Calcule con un tipo de cálculo elegido para ver la curva de "
                                         "dimensionamiento."));
    m_scroll->updateGeometry();
}

std::vector<figures::Figure> SizingCurveTab::figures() const
{
    if (!m_curve) return {};
    return figures::sizingCurveFigures(*m_curve, m_routing ? &*m_routing : nullptr, m_separators);
}

std::string SizingCurveTab::csv() const
{
    if (!m_curve) return {};
    return sizingCurveCsv(*m_curve, m_routing ? &*m_routing : nullptr, m_separators);
}

} // namespace retencion
