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

void paintStacked(QPainter& p, const std::vector<figures::Figure>& figures)
{
    const QPalette light(Qt::white); // exported pictures are for print: dark on white
    for (std::size_t i = 0; i < figures.size(); ++i)
        paintFigure(p, QRectF(0, double(i) * kExportHeight, kExportWidth, kExportHeight), figures[i], light);
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

FigureStack::FigureStack(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void FigureStack::setFigures(std::vector<figures::Figure> figures)
{
    for (auto* view : findChildren<ChartView*>(QString(), Qt::FindDirectChildrenOnly))
        delete view;
    for (auto& f : figures)
        layout()->addWidget(new ChartView(std::move(f), this));
}

std::vector<figures::Figure> FigureStack::figures() const
{
    std::vector<figures::Figure> out;
    for (auto* view : findChildren<ChartView*>(QString(), Qt::FindDirectChildrenOnly))
        out.push_back(view->figure());
    return out;
}

bool exportPng(const std::vector<figures::Figure>& figures, const QString& path)
{
    QImage image(QSize(kExportWidth, kExportHeight * int(figures.size())) * 2, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter p(&image);
    paintStacked(p, figures);
    p.end();
    return image.save(path, "PNG");
}

bool exportSvg(const std::vector<figures::Figure>& figures, const QString& path, const QString& title)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kExportWidth, kExportHeight * int(figures.size())));
    svg.setViewBox(QRect(0, 0, kExportWidth, kExportHeight * int(figures.size())));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg)) return false;
    paintStacked(p, figures);
    return p.end();
}

void saveAs(QWidget* parent, const QString& filter, const QString& suffix,
            const std::function<bool(const QString&)>& write)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Exportar"), QString(), filter);
    if (path.isEmpty()) return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    if (!write(path))
        QMessageBox::warning(parent, parent->windowTitle(), QStringLiteral("No se ha podido guardar %1.").arg(path));
}

ChartWindow::ChartWindow(const QString& caseName, QWidget* panel) : QDialog(panel), m_stack(new FigureStack)
{
    setWindowTitle(QStringLiteral("Ábaco — %1").arg(caseName));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stack, 1);
    addButtons(layout);
}

void ChartWindow::addButtons(QBoxLayout* layout)
{
    auto* png = new QPushButton(QStringLiteral("Exportar &PNG…"));
    png->setObjectName(QStringLiteral("ExportarPNG"));
    auto* svg = new QPushButton(QStringLiteral("Exportar &SVG…"));
    svg->setObjectName(QStringLiteral("ExportarSVG"));
    auto* close = new QPushButton(QStringLiteral("&Cerrar"));
    close->setObjectName(QStringLiteral("Cerrar"));
    connect(png, &QPushButton::clicked, this, [this] {
        saveAs(this, QStringLiteral("Imagen PNG (*.png)"), QStringLiteral(".png"),
               [this](const QString& path) { return exportPng(path); });
    });
    connect(svg, &QPushButton::clicked, this, [this] {
        saveAs(this, QStringLiteral("Dibujo SVG (*.svg)"), QStringLiteral(".svg"),
               [this](const QString& path) { return exportSvg(path); });
    });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(png);
    m_buttons->addWidget(svg);
    m_buttons->addStretch(1);
    m_buttons->addWidget(close);
    layout->addLayout(m_buttons);
}

} // namespace retencion
