#include "charts/chart_window.h"

#include "charts/figure_painter.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>

namespace retencion {
namespace {

constexpr int kExportWidth = 900;
constexpr int kExportHeight = 560; // per figure

void paintStacked(QPainter& p, const std::vector<figures::Figure>& figures, const QPalette& palette)
{
    for (std::size_t i = 0; i < figures.size(); ++i)
        paintFigure(p, QRectF(0, double(i) * kExportHeight, kExportWidth, kExportHeight), figures[i], palette);
}

} // namespace

ChartView::ChartView(figures::Figure figure, QWidget* parent) : QWidget(parent), m_figure(std::move(figure))
{
    setAccessibleName(QString::fromStdString(m_figure.title));
    setAccessibleDescription(QString::fromStdString(m_figure.pointLabel));
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintFigure(p, rect(), m_figure, palette());
}

ChartWindow::ChartWindow(const QString& caseName, QWidget* panel) : QDialog(panel), m_views(new QWidget)
{
    setWindowTitle(QStringLiteral("Ábaco — %1").arg(caseName));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    new QVBoxLayout(m_views);
    m_views->layout()->setContentsMargins(0, 0, 0, 0);

    auto* png = new QPushButton(QStringLiteral("Exportar &PNG…"));
    png->setObjectName(QStringLiteral("ExportarPNG"));
    auto* svg = new QPushButton(QStringLiteral("Exportar &SVG…"));
    svg->setObjectName(QStringLiteral("ExportarSVG"));
    auto* close = new QPushButton(QStringLiteral("&Cerrar"));
    close->setObjectName(QStringLiteral("Cerrar"));
    connect(png, &QPushButton::clicked, this, [this] { chooseAndExport(false); });
    connect(svg, &QPushButton::clicked, this, [this] { chooseAndExport(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(png);
    buttons->addWidget(svg);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_views, 1);
    layout->addLayout(buttons);
}

void ChartWindow::setFigures(std::vector<figures::Figure> figures)
{
    for (auto* view : m_views->findChildren<ChartView*>(QString(), Qt::FindDirectChildrenOnly))
        delete view;
    for (auto& f : figures)
        m_views->layout()->addWidget(new ChartView(std::move(f), m_views));
}

std::vector<figures::Figure> ChartWindow::figures() const
{
    std::vector<figures::Figure> out;
    for (auto* view : m_views->findChildren<ChartView*>(QString(), Qt::FindDirectChildrenOnly))
        out.push_back(view->figure());
    return out;
}

bool ChartWindow::exportPng(const QString& path) const
{
    const auto all = figures();
    QImage image(QSize(kExportWidth, kExportHeight * int(all.size())) * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter p(&image);
    paintStacked(p, all, QPalette(Qt::white));
    p.end();
    return image.save(path, "PNG");
}

bool ChartWindow::exportSvg(const QString& path) const
{
    const auto all = figures();
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kExportWidth, kExportHeight * int(all.size())));
    svg.setViewBox(QRect(0, 0, kExportWidth, kExportHeight * int(all.size())));
    svg.setTitle(windowTitle());
    QPainter p;
    if (!p.begin(&svg)) return false;
    paintStacked(p, all, QPalette(Qt::white));
    return p.end();
}

void ChartWindow::chooseAndExport(bool svg)
{
    const QString filter = svg ? QStringLiteral("Dibujo SVG (*.svg)") : QStringLiteral("Imagen PNG (*.png)");
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar el ábaco"), QString(), filter);
    if (path.isEmpty()) return;
    const QString suffix = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    if (!(svg ? exportSvg(path) : exportPng(path)))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("No se ha podido guardar %1.").arg(path));
}

} // namespace retencion
