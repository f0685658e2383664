#include "charts/figure_view.h"

#include "charts/figure_painter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

#include <cmath>

namespace retencion {
namespace {

// The tallest a scroll area asks for: with the buttons and a title bar it
// leaves a 768-pixel laptop screen its taskbar.
constexpr int kMaxScrollHeight = 560;

} // namespace

ChartView::ChartView(figures::Figure figure, QWidget* parent) : QWidget(parent), m_figure(std::move(figure))
{
    setAccessibleName(QString::fromStdString(m_figure.title));
    setAccessibleDescription(QString::fromStdString(m_figure.pointLabel));
    setMouseTracking(true);
}

QString ChartView::valuesAt(QPointF at) const
{
    const FigureLayout L = layoutFigure(rect(), m_figure, font());
    constexpr double kReach = 8; // pixels
    double best = kReach * kReach;
    const figures::Point* found = nullptr;
    for (std::size_t i = 0; i < L.curves.size() && i < m_figure.series.size(); ++i) {
        const auto& pixels = L.curves[i];
        // The pixels skip only points a logarithmic axis cannot show.
        std::size_t k = 0;
        for (const auto& p : m_figure.series[i].points) {
            if ((L.sx.log && p.x <= 0) || (L.sy.log && p.y <= 0)) continue;
            if (k >= pixels.size()) break;
            const QPointF d = pixels[k++] - at;
            const double d2 = d.x() * d.x() + d.y() * d.y();
            if (d2 < best) {
                best = d2;
                found = &p;
            }
        }
    }
    if (!found) return {};
    const auto& s = m_figure.separators;
    return QStringLiteral("%1 = %2\n%3 = %4")
        .arg(QString::fromStdString(m_figure.x.title), QString::fromStdString(figures::number(found->x, s)),
             QString::fromStdString(m_figure.y.title), QString::fromStdString(figures::number(found->y, s)));
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    const QString text = valuesAt(event->position());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
    QWidget::mouseMoveEvent(event);
}

QSize ChartView::minimumSizeHint() const
{
    if (m_minimum.isEmpty() || m_minimumFont != font()) {
        m_minimumFont = font();
        // Compact: two side by side within a 1366-pixel screen at scale 2.
        const int width = m_compact ? 300 : 480;
        m_minimum = QSize(width, int(std::ceil(minimumFigureHeight(m_figure, width, font(), m_compact ? 200 : 300))));
    }
    return m_minimum;
}

QSize ChartView::sizeHint() const
{
    return (m_compact ? QSize(600, 400) : QSize(720, 440)).expandedTo(minimumSizeHint());
}

void ChartView::setCompact(bool compact)
{
    m_compact = compact;
    m_minimum = QSize();
    updateGeometry();
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintFigure(p, rect(), m_figure, palette());
}

FigureStack::FigureStack(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void FigureStack::setFigures(std::vector<figures::Figure> figures)
{
    for (auto* view : findChildren<ChartView*>(QString(), Qt::FindDirectChildrenOnly))
        delete view;
    for (auto& f : figures) {
        auto* view = new ChartView(std::move(f), this);
        view->setCompact(m_sideBySide);
        layout()->addWidget(view);
    }
}

void FigureStack::setSideBySide(bool sideBySide)
{
    m_sideBySide = sideBySide;
    static_cast<QBoxLayout*>(layout())->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    for (auto* view : findChildren<ChartView*>(QString(), Qt::FindDirectChildrenOnly))
        view->setCompact(sideBySide);
}

std::vector<figures::Figure> FigureStack::figures() const
{
    std::vector<figures::Figure> out;
    for (auto* view : findChildren<ChartView*>(QString(), Qt::FindDirectChildrenOnly))
        out.push_back(view->figure());
    return out;
}

QSize FigureScroll::sizeHint() const
{
    const QSize content = widget() ? widget()->sizeHint() : QSize(480, 300);
    const int frame = 2 * frameWidth();
    const int bar = verticalScrollBar()->sizeHint().width();
    return {content.width() + bar + frame, std::min(content.height(), kMaxScrollHeight) + frame};
}

bool FigureScroll::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace retencion
