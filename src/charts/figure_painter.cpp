#include "charts/figure_painter.h"

#include "charts/label_placement.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>

namespace retencion {

using figures::Emphasis;
using figures::Figure;

namespace {

QColor seriesColour(int index)
{
    static const QColor kColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                      QColor(0x94, 0x67, 0xbd), QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b),
                                      QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf), QColor(0xbc, 0xbd, 0x22)};
    return kColours[std::size_t(index) % std::size(kColours)];
}

QColor colourOf(const Figure& f, std::size_t index)
{
    return seriesColour(f.series[index].group >= 0 ? f.series[index].group : int(index));
}

} // namespace

Qt::BrushStyle hatchingPattern(int hatching)
{
    static constexpr Qt::BrushStyle kPatterns[] = {Qt::BDiagPattern,  Qt::FDiagPattern,  Qt::DiagCrossPattern,
                                                   Qt::VerPattern,    Qt::HorPattern,    Qt::CrossPattern,
                                                   Qt::Dense6Pattern, Qt::Dense5Pattern, Qt::Dense4Pattern};
    constexpr int kCount = int(std::size(kPatterns));
    return kPatterns[((hatching % kCount) + kCount) % kCount];
}

namespace {

// What paints one figure: its painter, colours and fonts, and its layout.
class FigurePainter {
public:
    FigurePainter(QPainter& p, const Figure& f, const FigureLayout& layout, const QPalette& palette)
        : m_p(p), m_f(f), m_L(layout), m_palette(palette), m_text(palette.color(QPalette::Text)), m_font(p.font()),
          m_bold(p.font()), m_anyUsed(std::any_of(f.series.begin(), f.series.end(),
                                                  [](const auto& series) { return series.emphasis == Emphasis::Used; }))
    {
        m_bold.setBold(true);
    }

    void frame()
    {
        m_p.fillRect(m_L.area, m_palette.color(QPalette::Base));
        m_p.setFont(m_bold);
        m_p.setPen(m_text);
        m_p.drawText(m_L.title.box, Qt::AlignCenter, m_L.title.text);
        m_p.setFont(m_font);
        if (const auto band = studiedBand(m_L, m_f)) drawBand(*band);
        for (std::size_t i = 0; i < m_L.bands.size(); ++i)
            drawRefused(m_L.bands[i], m_L.bandHatchings[i]);
        axes();
    }

    // The curves, clipped to the plot.
    void curves()
    {
        m_p.save();
        m_p.setClipRect(m_L.plot.adjusted(-1, -1, 1, 1));
        for (std::size_t i = 0; i < m_f.series.size(); ++i) {
            const auto& pts = m_L.curves[i];
            if (pts.empty()) continue;
            QPainterPath path(pts.front());
            for (std::size_t k = 1; k < pts.size(); ++k)
                path.lineTo(pts[k]);
            m_p.setPen(penOf(i));
            m_p.setBrush(Qt::NoBrush);
            m_p.drawPath(path);
        }
        m_p.restore();
    }

    void labels()
    {
        for (std::size_t i = 0; i < m_L.bandCaptions.size(); ++i) {
            const PlacedText& t = m_L.bandCaptions[i];
            m_p.setPen(m_text);
            if (!m_L.bandCaptionUpright[i]) {
                m_p.drawText(t.box, Qt::AlignCenter, t.text);
                continue;
            }
            m_p.save();
            m_p.translate(t.box.left(), t.box.bottom());
            m_p.rotate(-90);
            m_p.drawText(QRectF(0, 0, t.box.height(), t.box.width()), Qt::AlignCenter, t.text);
            m_p.restore();
        }
        QColor back = m_palette.color(QPalette::Base);
        back.setAlpha(200);
        for (const CurveLabel& l : m_L.labels) {
            const bool used = m_f.series[l.series].emphasis == Emphasis::Used;
            m_p.fillRect(l.box, back);
            m_p.setPen(colourOf(m_f, l.series));
            m_p.setFont(used ? m_bold : m_font);
            m_p.drawText(l.box, Qt::AlignCenter, l.text);
        }
        m_p.setFont(m_font);
    }

    // The point read, with guides to both axes and its coordinates.
    void point()
    {
        if (!m_f.point) return;
        const QPointF at = m_L.pointMark.center();
        m_p.setPen(QPen(m_text, 1, Qt::DotLine));
        m_p.drawLine(at, QPointF(at.x(), m_L.plot.bottom()));
        m_p.drawLine(at, QPointF(m_L.plot.left(), at.y()));
        drawMark(at);
        QColor opaque = m_palette.color(QPalette::Base);
        opaque.setAlpha(230);
        m_p.setBrush(opaque);
        m_p.setPen(QPen(m_text, 1));
        m_p.drawRoundedRect(m_L.pointLabel.box, 4, 4);
        m_p.drawText(m_L.pointLabel.box, Qt::AlignCenter, m_L.pointLabel.text);
    }

    void legend()
    {
        if (m_L.legendBox.isEmpty()) return;
        QColor frame = m_text;
        frame.setAlpha(90);
        m_p.setPen(QPen(frame, 1));
        m_p.setBrush(m_palette.color(QPalette::Base));
        m_p.drawRect(m_L.legendBox);
        const int rows = (int(m_L.legend.size()) + m_L.legendColumns - 1) / m_L.legendColumns;
        const double column = (m_L.legendBox.width() - 8) / m_L.legendColumns;
        for (std::size_t i = 0; i < m_L.legend.size(); ++i) {
            const LegendEntry& e = m_L.legend[i];
            const double x = m_L.legendBox.left() + 4 + int(i) / rows * column;
            const double y = m_L.legendBox.top() + 4 + int(i) % rows * m_L.line;
            const QRectF sample(x + 2, y + 3, kSample - 4, m_L.line - 6);
            switch (e.kind) {
            case LegendEntry::Kind::Curve:
                m_p.setPen(penOf(e.series));
                m_p.drawLine(QPointF(sample.left(), sample.center().y()), QPointF(sample.right(), sample.center().y()));
                break;
            case LegendEntry::Kind::Point:
                drawMark(sample.center());
                break;
            case LegendEntry::Kind::StudiedRange:
                drawBand(sample);
                break;
            case LegendEntry::Kind::Refused:
                drawRefused(sample, e.hatching);
                break;
            case LegendEntry::Kind::Note:
                break;
            }
            m_p.setPen(m_text);
            m_p.drawText(QRectF(x + kSample + 6, y, column - kSample - 6, m_L.line), Qt::AlignLeft | Qt::AlignVCenter,
                         e.text);
        }
    }

private:
    // Grid at every tick, labels where they fit, and the axis titles.
    void axes()
    {
        const QRectF& plot = m_L.plot;
        QColor grid = m_text;
        grid.setAlpha(40);
        m_p.setPen(QPen(grid, 1));
        for (double x : m_L.xGrid)
            m_p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        for (double y : m_L.yGrid)
            m_p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        m_p.setPen(m_text);
        for (const auto& t : m_L.xTicks)
            m_p.drawText(t.box, Qt::AlignCenter, t.text);
        for (const auto& t : m_L.yTicks)
            m_p.drawText(t.box, Qt::AlignRight | Qt::AlignVCenter, t.text);
        m_p.setPen(QPen(m_text, 1));
        m_p.drawRect(plot);
        m_p.drawText(m_L.xTitle.box, Qt::AlignCenter, m_L.xTitle.text);
        m_p.save();
        m_p.translate(m_L.yTitle.box.left(), m_L.yTitle.box.bottom());
        m_p.rotate(-90);
        m_p.drawText(QRectF(0, 0, m_L.yTitle.box.height(), m_L.yTitle.box.width()), Qt::AlignCenter | Qt::TextWordWrap,
                     m_L.yTitle.text);
        m_p.restore();
    }

    void drawBand(const QRectF& r)
    {
        QColor shade = m_palette.color(QPalette::Highlight);
        shade.setAlpha(36);
        m_p.fillRect(r, shade);
        shade.setAlpha(120);
        m_p.setPen(QPen(shade, 1, Qt::DashLine));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(r);
    }

    // Grey and hatched, unlike the studied range: no line is drawn here. Each
    // reason has a hatching of its own.
    void drawRefused(const QRectF& r, int hatching)
    {
        QColor shade = m_text;
        shade.setAlpha(28);
        m_p.fillRect(r, shade);
        shade.setAlpha(60);
        m_p.fillRect(r, QBrush(shade, hatchingPattern(hatching)));
    }

    void drawMark(QPointF at)
    {
        m_p.setPen(QPen(m_text, 2));
        m_p.setBrush(m_palette.color(QPalette::Highlight));
        m_p.drawEllipse(at, 5, 5);
    }

    QPen penOf(std::size_t i) const
    {
        const auto& series = m_f.series[i];
        const QColor colour = colourOf(m_f, i);
        QPen pen(colour, 1.2);
        if (series.emphasis == Emphasis::Used) pen.setWidthF(2.8);
        if (series.emphasis == Emphasis::Interpolated) pen = QPen(m_text, 2, Qt::DashLine);
        // With a reading drawn, the rest of the family steps back.
        if (series.emphasis == Emphasis::Family && m_anyUsed)
            pen.setColor(QColor(colour.red(), colour.green(), colour.blue(), 110));
        return pen;
    }

    QPainter& m_p;
    const Figure& m_f;
    const FigureLayout& m_L;
    const QPalette& m_palette;
    const QColor m_text;
    const QFont m_font;
    QFont m_bold;
    const bool m_anyUsed;
};

} // namespace

void paintFigure(QPainter& p, const QRectF& area, const Figure& f, const QPalette& palette)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const FigureLayout layout = layoutFigure(area, f, p.font(), p.device());
    FigurePainter painter(p, f, layout, palette);
    painter.frame();
    painter.curves();
    painter.labels();
    painter.point();
    painter.legend();
    p.restore();
}

} // namespace retencion

namespace retencion {

using figures::Anchor;
using figures::Drawing;
using figures::Fill;

QPointF DrawingLayout::map(const figures::Point& p) const
{
    return {frame.left() + p.x * scale, frame.bottom() - p.y * scale};
}

namespace {

constexpr double kNoteGap = 3; // between a name and its point

QRectF captionBox(const Drawing& d, double width, const QFontMetricsF& fm)
{
    if (d.caption.empty()) return {};
    return fm.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignHCenter,
                           QString::fromStdString(d.caption));
}

QFontMetricsF metricsOf(const QFont& font, const QPaintDevice* device)
{
    return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

} // namespace

double drawingHeight(const Drawing& d, double width, const QFont& font, const QPaintDevice* device)
{
    const QRectF caption = captionBox(d, width, metricsOf(font, device));
    return width * d.height / d.width + (caption.isEmpty() ? 0 : caption.height() + 4);
}

DrawingLayout layoutDrawing(const QRectF& area, const Drawing& d, const QFont& font, const QPaintDevice* device)
{
    const QFontMetricsF fm = metricsOf(font, device);
    DrawingLayout L;
    double room = area.height();
    if (!d.caption.empty()) {
        const QRectF need = captionBox(d, area.width(), fm);
        L.caption = {QString::fromStdString(d.caption),
                     QRectF(area.left(), area.bottom() - need.height(), area.width(), need.height())};
        room -= need.height() + 4;
    }
    L.scale = std::max(0.0, std::min(area.width() / d.width, room / d.height));
    const QSizeF size(d.width * L.scale, d.height * L.scale);
    L.frame =
        QRectF(QPointF(area.left() + (area.width() - size.width()) / 2, area.top() + (room - size.height()) / 2), size);
    for (const figures::Note& n : d.notes) {
        const QString text = QString::fromStdString(n.text);
        const QSizeF box(fm.horizontalAdvance(text) + 2, fm.height());
        const QPointF at = L.map(n.at);
        QPointF topLeft;
        switch (n.anchor) {
        case Anchor::Centre:
            topLeft = at - QPointF(box.width() / 2, box.height() / 2);
            break;
        case Anchor::LeftOf:
            topLeft = at - QPointF(box.width() + kNoteGap, box.height() / 2);
            break;
        case Anchor::RightOf:
            topLeft = at + QPointF(kNoteGap, -box.height() / 2);
            break;
        case Anchor::Above:
            topLeft = at - QPointF(box.width() / 2, box.height() + kNoteGap);
            break;
        case Anchor::Below:
            topLeft = at + QPointF(-box.width() / 2, kNoteGap);
            break;
        }
        L.notes.push_back({text, QRectF(topLeft, box)});
    }
    return L;
}

void paintDrawing(QPainter& p, const QRectF& area, const Drawing& d, const QPalette& palette)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const DrawingLayout L = layoutDrawing(area, d, p.font(), p.device());
    const QColor ink = palette.color(QPalette::Text);
    const QColor paper = palette.color(QPalette::Base);
    const double unit = std::max(1.0, L.scale * 0.35); // a line width, growing with the drawing
    const auto pathOf = [&L](const figures::Shape& shape) {
        QPainterPath path(L.map(shape.points.front()));
        for (std::size_t i = 1; i < shape.points.size(); ++i)
            path.lineTo(L.map(shape.points[i]));
        if (shape.closed) path.closeSubpath();
        return path;
    };
    for (const figures::Shape& shape : d.shapes) {
        if (shape.points.size() < 2 || shape.fill == Fill::None) continue;
        const QPainterPath path = pathOf(shape);
        if (shape.fill == Fill::Water) {
            p.fillPath(path, QColor(0x6a, 0xae, 0xe0, 150));
        } else {
            QColor soil = ink;
            soil.setAlpha(40);
            p.fillPath(path, soil);
            soil.setAlpha(110);
            p.fillPath(path, QBrush(soil, Qt::BDiagPattern));
        }
    }
    for (const figures::Shape& shape : d.shapes) {
        if (shape.points.size() < 2 || shape.width <= 0) continue;
        QPen pen(ink, shape.width * unit, shape.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(pathOf(shape));
        // Arrow heads, as long as four line widths and at least 5 pixels.
        const double head = std::max(5.0, 4 * unit);
        const auto headAt = [&](QPointF tip, QPointF from) {
            const QLineF back(tip, from);
            if (back.length() <= 0) return;
            const QPointF along = (from - tip) / back.length() * head;
            const QPointF across(-along.y() * 0.45, along.x() * 0.45);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPolygon(QPolygonF{tip, tip + along + across, tip + along - across});
            p.setPen(pen);
        };
        const auto& pts = shape.points;
        if (shape.arrowAtEnd) headAt(L.map(pts.back()), L.map(pts[pts.size() - 2]));
        if (shape.arrowAtStart) headAt(L.map(pts.front()), L.map(pts[1]));
    }
    QColor ground = paper;
    ground.setAlpha(210);
    p.setPen(ink);
    for (const PlacedText& t : L.notes) {
        p.fillRect(t.box, ground);
        p.drawText(t.box, Qt::AlignCenter, t.text);
    }
    if (!L.caption.text.isEmpty())
        p.drawText(L.caption.box, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, L.caption.text);
    p.restore();
}

} // namespace retencion
