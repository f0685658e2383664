#include "charts/figure_export.h"

#include "charts/figure_painter.h"
#include "charts/svg_writer.h"
#include "files/atomic_write.h"

#include <QDate>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QStandardPaths>

#include <cmath>

namespace retencion {
namespace {

constexpr int kExportWidth = 900;
constexpr int kExportHeight = 560; // per figure
constexpr int kCaptionMargin = 16;

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

} // namespace

QString writePng(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path)
{
    return writeAtomically(path, [&](QIODevice& device) {
        QImage image(exportSize(figures, caption) * 2, QImage::Format_ARGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter p(&image);
        paintStacked(p, figures, caption);
        p.end();
        return image.save(&device, "PNG") ? QString() : QStringLiteral("No se ha podido escribir la imagen");
    });
}

QString writeSvg(const std::vector<figures::Figure>& figures, const QString& caption, const QString& path,
                 const QString& title)
{
    return writeAtomically(path, [&](QIODevice& device) {
        const QSize size = exportSize(figures, caption);
        SvgWriter svg(&device, size, title);
        QPainter p;
        if (!p.begin(&svg)) return QStringLiteral("No se ha podido empezar el dibujo");
        paintStacked(p, figures, caption);
        return p.end() ? QString() : QStringLiteral("No se ha podido escribir el dibujo");
    });
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

} // namespace retencion
