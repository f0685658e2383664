#include "charts/chart_window.h"

#include "charts/out_of_date.h"
#include "charts/sizing_curve_tab.h"
#include "charts/ui_services.h"
#include "files/atomic_write.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace retencion {
namespace {

QRect availableFor(const QWidget* window)
{
    const QWidget* parent = window->parentWidget();
    const QScreen* screen = parent ? parent->screen() : window->screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1326, 728);
}

} // namespace

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
            saveAs(QStringLiteral("Texto separado por punto y coma (*.csv)"), QStringLiteral(".csv"),
                   [this](const QString& path) {
                       return writeAtomically(path, QByteArray::fromStdString(m_curveTab->csv()));
                   });
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
    return outOfDateTitleSuffix();
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
