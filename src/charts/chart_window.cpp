#include "charts/chart_window.h"

#include "charts/figure_painter.h"
#include "charts/sizing_curve_tab.h"
#include "charts/svg_writer.h"
#include "charts/ui_services.h"

#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

namespace retencion {
namespace {

constexpr int kExportWidth = 900;
constexpr int kExportHeight = 560; // per figure
constexpr int kCaptionMargin = 16;
// The tallest a scroll area asks for: with the buttons and a title bar it
// leaves a 768-pixel laptop screen its taskbar.
constexpr int kMaxScrollHeight = 560;

// Exported text in pixels, so that a picture and a drawing lay out alike
// whatever resolution each device claims.
QFont exportFont()
{
    QFont font;
    font.setPixelSize(13);
    return font;
}

double captionHeight(const QString& caption)
{
    if (caption.isEmpty()) return 0;
    const QFontMetricsF fm(exportFont());
    const QRectF room(0, 0, kExportWidth - 2 * kCaptionMargin, 1e5);
    return fm.boundingRect(room, Qt::TextWordWrap, caption).height() + kCaptionMargin;
}

QSize exportSize(const std::vector<figures::Figure>& figures, const QString& caption)
{
    return {kExportWidth, kExportHeight * int(figures.size()) + int(std::ceil(captionHeight(caption)))};
}

void paintStacked(QPainter& p, const std::vector<figures::Figure>& figures, const QString& caption)
{
    p.setFont(exportFont());
    const QPalette light(Qt::white); // exported pictures are for print: dark on white
    for (std::size_t i = 0; i < figures.size(); ++i)
        paintFigure(p, QRectF(0, double(i) * kExportHeight, kExportWidth, kExportHeight), figures[i], light);
    if (caption.isEmpty()) return;
    const double top = double(figures.size()) * kExportHeight;
    p.fillRect(QRectF(0, top, kExportWidth, captionHeight(caption)), Qt::white);
    p.setPen(Qt::black);
    p.drawText(QRectF(kCaptionMargin, top, kExportWidth - 2 * kCaptionMargin, captionHeight(caption)),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
}

QString savingError(QSaveFile& file, const QString& fallback)
{
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason.isEmpty() || reason == QLatin1String("Unknown error") ? fallback : reason;
}

QRect availableFor(const QWidget* window)
{
    const QWidget* parent = window->parentWidget();
    const QScreen* screen = parent ? parent->screen() : window->screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1326, 728);
}

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

QString writePng(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path)
{
    QImage image(exportSize(figures, caption) * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter p(&image);
    paintStacked(p, figures, caption);
    p.end();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (!image.save(&file, "PNG")) return savingError(file, QStringLiteral("no se ha podido escribir la imagen"));
    if (!file.commit()) return file.errorString();
    return {};
}

QString writeSvg(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path,
                 const QString& title)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QSize size = exportSize(figures, caption);
    SvgWriter svg(&file, size, title);
    QPainter p;
    if (!p.begin(&svg)) return savingError(file, QStringLiteral("no se ha podido empezar el dibujo"));
    paintStacked(p, figures, caption);
    if (!p.end() || file.error() != QFileDevice::NoError)
        return savingError(file, QStringLiteral("no se ha podido escribir el dibujo"));
    if (!file.commit()) return file.errorString();
    return {};
}

QString writeBytes(const QByteArray& bytes, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) return savingError(file, QStringLiteral("no se ha podido escribir"));
    if (!file.commit()) return file.errorString();
    return {};
}

bool exportPng(const std::vector<figures::Figure>& figures, const QString& path)
{
    return writePng(figures, QString(), path).isEmpty();
}

bool exportSvg(const std::vector<figures::Figure>& figures, const QString& path, const QString& title)
{
    return writeSvg(figures, QString(), path, title).isEmpty();
}

QString proposedPath(const QString& stem, const QString& suffix)
{
    const QString name = stem + QLatin1Char('-') + QDate::currentDate().toString(Qt::ISODate) + suffix;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? name : QDir(documents).filePath(name);
}

ChartWindow::ChartWindow(const QString& caseName, UiServices& services, QWidget* panel)
    : QDialog(panel), m_services(services), m_tabs(new QTabWidget), m_scroll(new FigureScroll),
      m_contentLayout(new QVBoxLayout), m_stack(new FigureStack)
{
    setWindowTitle(QStringLiteral("Ábaco — %1").arg(caseName));
    setModal(false);
    m_fileStem = caseName.toLower().replace(QLatin1Char(' '), QLatin1Char('-')) + QStringLiteral("-abaco");

    // The figures scroll; the buttons below them stay in sight however small
    // the window.
    auto* content = new QWidget;
    content->setLayout(m_contentLayout);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->addWidget(m_stack, 1);
    m_scroll->setObjectName(QStringLiteral("Figuras"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(content);
    m_scroll->setFrameShape(QFrame::NoFrame);
    // One tab, the chart's, until a sizing curve is set: the bar shows only
    // when there is a choice.
    m_tabs->setObjectName(QStringLiteral("Pestanas"));
    m_tabs->setTabBarAutoHide(true);
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(m_scroll, QStringLiteral("Á&baco"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);

    auto* png = new QPushButton(QStringLiteral("Exportar &PNG…"));
    png->setObjectName(QStringLiteral("ExportarPNG"));
    auto* svg = new QPushButton(QStringLiteral("Exportar S&VG…"));
    svg->setObjectName(QStringLiteral("ExportarSVG"));
    auto* close = new QPushButton(QStringLiteral("&Cerrar"));
    close->setObjectName(QStringLiteral("Cerrar"));
    connect(png, &QPushButton::clicked, this, [this] {
        saveAs(QStringLiteral("Imagen PNG (*.png)"), QStringLiteral(".png"),
               [this](const QString& path) { return writePng(shownFigures(), m_caption, path); });
    });
    connect(svg, &QPushButton::clicked, this, [this] {
        saveAs(QStringLiteral("Dibujo SVG (*.svg)"), QStringLiteral(".svg"),
               [this](const QString& path) { return writeSvg(shownFigures(), m_caption, path, plainTitle()); });
    });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(png);
    m_buttons->addWidget(svg);
    m_buttons->addStretch(1);
    m_buttons->addWidget(close);
    layout->addLayout(m_buttons);
}

void ChartWindow::setFigures(std::vector<figures::Figure> figures)
{
    m_stack->setFigures(std::move(figures));
    m_scroll->updateGeometry();
}

void ChartWindow::setFiguresSideBySide()
{
    m_stack->setSideBySide(true);
    m_scroll->viewport()->installEventFilter(this);
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Once the window has its size: what it asks for counts the figures whole.
    if (m_fitted && watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        m_stack->setMaximumHeight(std::max(m_scroll->viewport()->height(), m_stack->minimumSizeHint().height()));
    return QDialog::eventFilter(watched, event);
}

void ChartWindow::setSizingCurve(const std::optional<CaseInput>& input, const Separators& separators)
{
    if (!m_curveTab) {
        m_curveTab = new SizingCurveTab;
        m_tabs->addTab(m_curveTab, QStringLiteral("Curva de &dimensionamiento"));
        connect(m_curveTab->csvButton(), &QPushButton::clicked, this, [this] {
            saveAs(
                QStringLiteral("Texto separado por punto y coma (*.csv)"), QStringLiteral(".csv"),
                [this](const QString& path) { return writeBytes(QByteArray::fromStdString(m_curveTab->csv()), path); });
        });
    }
    m_curveTab->setInput(input, separators);
}

std::vector<figures::Figure> ChartWindow::curveFigures() const
{
    return m_curveTab ? m_curveTab->figures() : std::vector<figures::Figure>{};
}

std::vector<figures::Figure> ChartWindow::shownFigures() const
{
    return m_curveTab && m_tabs->currentWidget() == m_curveTab ? curveFigures() : figures();
}

QString ChartWindow::shownStem() const
{
    if (!m_curveTab || m_tabs->currentWidget() != m_curveTab) return m_fileStem;
    QString stem = m_fileStem;
    return stem.replace(QStringLiteral("-abaco"), QStringLiteral("-curva"));
}

QString ChartWindow::outOfDateSuffix()
{
    return QStringLiteral(" — resultado anterior: los datos han cambiado");
}

QString ChartWindow::plainTitle() const
{
    QString title = windowTitle();
    if (title.endsWith(outOfDateSuffix())) title.chop(outOfDateSuffix().size());
    return title;
}

void ChartWindow::saveAs(const QString& filter, const QString& suffix,
                         const std::function<QString(const QString&)>& write)
{
    QString path = m_services.savePath(this, proposedPath(shownStem(), suffix), filter);
    if (path.isEmpty()) return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    const QString reason = write(path);
    if (!reason.isEmpty())
        m_services.reportFailure(this,
                                 QStringLiteral("No se ha podido guardar «%1».").arg(QDir::toNativeSeparators(path)),
                                 reason + QLatin1Char('.'));
}

void ChartWindow::setOutOfDate(bool outOfDate)
{
    m_outOfDate = outOfDate;
    setWindowTitle(plainTitle() + (outOfDate ? outOfDateSuffix() : QString()));
}

bool ChartWindow::exportPng(const QString& path, QString* error) const
{
    const QString reason = writePng(figures(), m_caption, path);
    if (error) *error = reason;
    return reason.isEmpty();
}

bool ChartWindow::exportSvg(const QString& path, QString* error) const
{
    const QString reason = writeSvg(figures(), m_caption, path, plainTitle());
    if (error) *error = reason;
    return reason.isEmpty();
}

QSize ChartWindow::sizeHint() const
{
    // The window manager's frame is not known before the first showing;
    // a title bar and thin borders are what desktops commonly add.
    QMargins frame(8, 32, 8, 8);
    if (const QWindow* w = windowHandle()) {
        const QMargins m = w->frameMargins();
        frame = QMargins(std::max(m.left(), frame.left()), std::max(m.top(), frame.top()),
                         std::max(m.right(), frame.right()), std::max(m.bottom(), frame.bottom()));
    }
    const QRect room = availableFor(this).marginsRemoved(frame);
    return QDialog::sizeHint().boundedTo(room.size()).expandedTo(minimumSizeHint().boundedTo(room.size()));
}

void ChartWindow::showEvent(QShowEvent* event)
{
    // The first showing opens at the size asked for, within the screen the
    // form is on; afterwards the window keeps the size the user gave it.
    if (!m_fitted) {
        m_fitted = true;
        // What the content asks for may have changed since it was last laid out.
        m_contentLayout->invalidate();
        m_scroll->updateGeometry();
        resize(sizeHint());
    }
    QDialog::showEvent(event);
}

} // namespace retencion
