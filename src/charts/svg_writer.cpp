#include "charts/svg_writer.h"

#include <QBuffer>
#include <QIODevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>
#include <QTextItem>

#include <cmath>

namespace retencion {
namespace {

// Points per inch: a font of 9 points is 9 units of the drawing, as in the
// pictures exported before.
constexpr int kResolution = 72;

// Two decimals are a hundredth of a pixel; no exponent, no "-0".
QString num(double v)
{
    if (!std::isfinite(v)) v = 0;
    QString text = QString::number(std::round(v * 100) / 100, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString colourName(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '&': out += QLatin1String("&amp;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        default:
            // XML 1.0 takes no control characters but tab and line breaks.
            if (c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\n')) out += c;
        }
    }
    return out;
}

QString pathData(const QPainterPath& path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement: d += QLatin1Char('M'); break;
        case QPainterPath::LineToElement: d += QLatin1Char('L'); break;
        case QPainterPath::CurveToElement: d += QLatin1Char('C'); break;
        case QPainterPath::CurveToDataElement: d += QLatin1Char(' '); break;
        }
        d += num(e.x) + QLatin1Char(' ') + num(e.y);
    }
    return d;
}

} // namespace

class SvgPaintEngine : public QPaintEngine {
public:
    SvgPaintEngine(QIODevice* output, QSize size, const QString& title)
        : QPaintEngine(AllFeatures), m_output(output), m_size(size), m_title(title)
    {
    }

    bool begin(QPaintDevice*) override
    {
        m_body.clear();
        m_defs.clear();
        m_ids = 0;
        m_clipped = false;
        m_pen = QPen();
        m_brush = QBrush();
        m_transform = QTransform();
        m_opacity = 1;
        return m_output && m_output->isWritable();
    }

    bool end() override
    {
        closeClip();
        QString svg;
        svg += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n");
        svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%1\" height=\"%2\" "
                              "viewBox=\"0 0 %1 %2\">\n")
                   .arg(m_size.width())
                   .arg(m_size.height());
        svg += QLatin1String("<title>") + escaped(m_title) + QLatin1String("</title>\n");
        if (!m_defs.isEmpty()) svg += QLatin1String("<defs>\n") + m_defs + QLatin1String("</defs>\n");
        svg += m_body;
        svg += QLatin1String("</svg>\n");
        const QByteArray bytes = svg.toUtf8();
        return m_output->write(bytes) == bytes.size();
    }

    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen) m_pen = state.pen();
        if (dirty & DirtyBrush) m_brush = state.brush();
        if (dirty & DirtyOpacity) m_opacity = state.opacity();
        if (dirty & DirtyTransform) m_transform = state.transform();
        if (dirty & DirtyClipPath) clipTo(state.clipOperation(), state.clipPath());
        if (dirty & DirtyClipRegion) {
            QPainterPath path;
            path.addRegion(state.clipRegion());
            clipTo(state.clipOperation(), path);
        }
        if ((dirty & DirtyClipEnabled) && !state.isClipEnabled()) closeClip();
    }

    void drawPath(const QPainterPath& path) override
    {
        element(QStringLiteral("<path d=\"%1\"").arg(pathData(path)),
                path.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd") : QStringLiteral("nonzero"), true);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QString list;
        for (int i = 0; i < count; ++i) {
            if (i) list += QLatin1Char(' ');
            list += num(points[i].x()) + QLatin1Char(',') + num(points[i].y());
        }
        const bool polyline = mode == PolylineMode;
        element(QStringLiteral("<%1 points=\"%2\"").arg(polyline ? "polyline" : "polygon", list),
                mode == OddEvenMode ? QStringLiteral("evenodd") : QStringLiteral("nonzero"), !polyline);
    }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF r = rects[i].normalized();
            element(QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                        .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height())),
                    {}, true);
        }
    }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            element(QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"")
                        .arg(num(lines[i].x1()), num(lines[i].y1()), num(lines[i].x2()), num(lines[i].y2())),
                    {}, false);
    }

    void drawEllipse(const QRectF& r) override
    {
        element(QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
                    .arg(num(r.center().x()), num(r.center().y()), num(r.width() / 2), num(r.height() / 2)),
                {}, true);
    }

    void drawPoints(const QPointF* points, int count) override
    {
        const double w = std::max(1.0, m_pen.widthF());
        const QBrush saved = m_brush;
        const QPen pen = m_pen;
        m_brush = pen.brush();
        m_pen = Qt::NoPen;
        for (int i = 0; i < count; ++i)
            drawEllipse(QRectF(points[i].x() - w / 2, points[i].y() - w / 2, w, w));
        m_pen = pen;
        m_brush = saved;
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QString text = item.text();
        if (text.isEmpty()) return;
        const QFont font = item.font();
        const double size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kResolution / 72.0;
        QString open = QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3, sans-serif\" font-size=\"%4\"")
                           .arg(num(p.x()), num(p.y()), escaped(font.family()), num(size));
        if (font.weight() >= QFont::DemiBold) open += QLatin1String(" font-weight=\"bold\"");
        if (font.italic()) open += QLatin1String(" font-style=\"italic\"");
        open += QLatin1String(" xml:space=\"preserve\"") + paint(QStringLiteral("fill"), m_pen.brush());
        m_body += open + transformAttribute() + QLatin1Char('>') + escaped(text) + QLatin1String("</text>\n");
    }

    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        pixmap.copy(source.toAlignedRect()).save(&buffer, "PNG");
        m_body += QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                                 "preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64,%5\" "
                                 "xmlns:xlink=\"http://www.w3.org/1999/xlink\"")
                      .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height()),
                           QString::fromLatin1(png.toBase64())) +
                  transformAttribute() + QLatin1String("/>\n");
    }

private:
    // One shape: its fill (when `filled`), its outline, its transform.
    void element(const QString& open, const QString& fillRule, bool filled)
    {
        QString attributes;
        if (filled && m_brush.style() != Qt::NoBrush) {
            attributes += paint(QStringLiteral("fill"), m_brush);
            if (!fillRule.isEmpty()) attributes += QStringLiteral(" fill-rule=\"%1\"").arg(fillRule);
        } else {
            attributes += QLatin1String(" fill=\"none\"");
        }
        if (m_pen.style() == Qt::NoPen) {
            attributes += QLatin1String(" stroke=\"none\"");
        } else {
            const double width = m_pen.widthF() > 0 ? m_pen.widthF() : 1;
            attributes += paint(QStringLiteral("stroke"), m_pen.brush());
            attributes += QStringLiteral(" stroke-width=\"%1\"").arg(num(width));
            if (m_pen.style() != Qt::SolidLine) {
                QStringList dashes;
                for (const double d : m_pen.dashPattern()) dashes << num(d * width);
                attributes += QStringLiteral(" stroke-dasharray=\"%1\"").arg(dashes.join(QLatin1Char(',')));
            }
            switch (m_pen.capStyle()) {
            case Qt::FlatCap: attributes += QLatin1String(" stroke-linecap=\"butt\""); break;
            case Qt::RoundCap: attributes += QLatin1String(" stroke-linecap=\"round\""); break;
            default: attributes += QLatin1String(" stroke-linecap=\"square\""); break;
            }
            switch (m_pen.joinStyle()) {
            case Qt::RoundJoin: attributes += QLatin1String(" stroke-linejoin=\"round\""); break;
            case Qt::BevelJoin: attributes += QLatin1String(" stroke-linejoin=\"bevel\""); break;
            default: attributes += QLatin1String(" stroke-linejoin=\"miter\""); break;
            }
            if (m_pen.isCosmetic() && !m_transform.isIdentity())
                attributes += QLatin1String(" vector-effect=\"non-scaling-stroke\"");
        }
        m_body += open + attributes + transformAttribute() + QLatin1String("/>\n");
    }

    // `property`="colour" with its opacity; a hatched brush becomes a pattern.
    QString paint(const QString& property, const QBrush& brush)
    {
        QColor colour = brush.color();
        if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().isEmpty())
            colour = gradient->stops().constFirst().second; // no gradient is drawn here: its first colour
        QString value = colourName(colour);
        const Qt::BrushStyle style = brush.style();
        if (style >= Qt::HorPattern && style <= Qt::DiagCrossPattern) value = QStringLiteral("url(#%1)").arg(hatch(style, colour));
        QString out = QStringLiteral(" %1=\"%2\"").arg(property, value);
        const double opacity = colour.alphaF() * m_opacity;
        if (opacity < 1 && value.startsWith(QLatin1Char('#')))
            out += QStringLiteral(" %1-opacity=\"%2\"").arg(property, num(opacity));
        return out;
    }

    // The pattern of lines 8 pixels apart that Qt's hatched brushes draw.
    QString hatch(Qt::BrushStyle style, const QColor& colour)
    {
        const QString id = QStringLiteral("h%1").arg(++m_ids);
        QString lines;
        auto line = [&](const char* d) { lines += QLatin1String("<path d=\"") + QLatin1String(d) + QLatin1String("\"/>"); };
        if (style == Qt::HorPattern || style == Qt::CrossPattern) line("M0 4H8");
        if (style == Qt::VerPattern || style == Qt::CrossPattern) line("M4 0V8");
        if (style == Qt::BDiagPattern || style == Qt::DiagCrossPattern) line("M-1 9L9 -1M-1 1L1 -1M7 9L9 7");
        if (style == Qt::FDiagPattern || style == Qt::DiagCrossPattern) line("M-1 -1L9 9M-1 7L1 9M7 -1L9 1");
        QString stroke = QStringLiteral("stroke=\"%1\"").arg(colourName(colour));
        const double opacity = colour.alphaF() * m_opacity;
        if (opacity < 1) stroke += QStringLiteral(" stroke-opacity=\"%1\"").arg(num(opacity));
        m_defs += QStringLiteral("<pattern id=\"%1\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
                                 "<g %2 stroke-width=\"1\" fill=\"none\">%3</g></pattern>\n")
                      .arg(id, stroke, lines);
        return id;
    }

    QString transformAttribute() const
    {
        if (m_transform.isIdentity()) return {};
        const QTransform& t = m_transform;
        return QStringLiteral(" transform=\"matrix(%1 %2 %3 %4 %5 %6)\"")
            .arg(num(t.m11()), num(t.m12()), num(t.m21()), num(t.m22()), num(t.dx()), num(t.dy()));
    }

    // What follows is drawn only inside `path` (given where it was set, under
    // the transform of that moment), until the clip is lifted.
    void clipTo(Qt::ClipOperation operation, const QPainterPath& path)
    {
        closeClip();
        if (operation == Qt::NoClip) return;
        const QString id = QStringLiteral("c%1").arg(++m_ids);
        m_defs += QStringLiteral("<clipPath id=\"%1\"><path d=\"%2\"/></clipPath>\n")
                      .arg(id, pathData(m_transform.map(path)));
        m_body += QStringLiteral("<g clip-path=\"url(#%1)\">\n").arg(id);
        m_clipped = true;
    }

    void closeClip()
    {
        if (!m_clipped) return;
        m_body += QLatin1String("</g>\n");
        m_clipped = false;
    }

    QIODevice* m_output;
    QSize m_size;
    QString m_title;
    QString m_defs;
    QString m_body;
    int m_ids = 0;
    bool m_clipped = false;
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    double m_opacity = 1;
};

SvgWriter::SvgWriter(QIODevice* output, QSize size, const QString& title)
    : m_engine(std::make_unique<SvgPaintEngine>(output, size, title)), m_size(size)
{
}

SvgWriter::~SvgWriter() = default;

QPaintEngine* SvgWriter::paintEngine() const
{
    return m_engine.get();
}

int SvgWriter::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return qRound(m_size.width() * 25.4 / kResolution);
    case PdmHeightMM: return qRound(m_size.height() * 25.4 / kResolution);
    case PdmNumColors: return 0xffffff;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kResolution;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace retencion
