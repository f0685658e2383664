#include "charts/figure_painter.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <optional>

namespace retencion {
namespace {

using figures::Emphasis;
using figures::Figure;

// One axis: the data range and how a value maps to a pixel.
struct Scale {
    double low = 0;
    double high = 1;
    bool log = false;
    double from = 0; // pixel of `low`
    double to = 1;   // pixel of `high`

    double t(double v) const { return log ? std::log10(v) : v; }
    double operator()(double v) const { return from + (t(v) - t(low)) / (t(high) - t(low)) * (to - from); }
};

// Tick values: 1-2-5 steps on a linear axis, decades on a logarithmic one.
std::vector<double> ticks(const Scale& s)
{
    std::vector<double> out;
    if (s.log) {
        for (double d = std::pow(10, std::floor(std::log10(s.low))); d <= s.high * 1.0001; d *= 10)
            if (d >= s.low * 0.9999) out.push_back(d);
        return out;
    }
    const double span = s.high - s.low;
    const double raw = span / 6;
    const double mag = std::pow(10, std::floor(std::log10(raw)));
    const double step = raw / mag < 1.5 ? mag : raw / mag < 3.5 ? 2 * mag : raw / mag < 7.5 ? 5 * mag : 10 * mag;
    for (double v = std::ceil(s.low / step) * step; v <= s.high + step * 1e-6; v += step)
        out.push_back(std::fabs(v) < step * 1e-9 ? 0 : v);
    return out;
}

QString tickText(double v, bool log)
{
    const QLocale locale;
    if (log && v >= 1) return locale.toString(v, 'f', 0); // 1.000.000, not 1E+06
    return locale.toString(v, 'g', 6);
}

// Data range of an axis over the curves, the point and the studied range.
void fit(Scale& s, const Figure& f, bool xAxis)
{
    double low = INFINITY;
    double high = -INFINITY;
    auto take = [&](double v) {
        if (!std::isfinite(v) || (s.log && v <= 0)) return;
        low = std::min(low, v);
        high = std::max(high, v);
    };
    for (const auto& series : f.series)
        for (const auto& p : series.points)
            take(xAxis ? p.x : p.y);
    if (f.point) take(xAxis ? f.point->x : f.point->y);
    if (!(low < high)) {
        low = s.log ? 1 : 0;
        high = s.log ? 10 : 1;
    }
    if (s.log) {
        low = std::pow(10, std::floor(std::log10(low)));
        high = std::pow(10, std::ceil(std::log10(high)));
    } else {
        const double pad = (high - low) * 0.04;
        low = low >= 0 && low - pad < 0 ? 0 : low - pad;
        high += pad;
    }
    s.low = low;
    s.high = high;
}

QColor seriesColour(int index)
{
    static const QColor kColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
                                      QColor(0x94, 0x67, 0xbd), QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b),
                                      QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf), QColor(0xbc, 0xbd, 0x22)};
    return kColours[std::size_t(index) % std::size(kColours)];
}

} // namespace

void paintFigure(QPainter& p, const QRectF& area, const Figure& f, const QPalette& palette)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, palette.color(QPalette::Base));
    const QColor text = palette.color(QPalette::Text);
    QFont font = p.font();
    const QFontMetricsF fm(font);
    const double line = fm.height();

    // Title on top, axis titles below and to the left, tick labels beside
    // the plot.
    QFont titleFont = font;
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(text);
    p.drawText(QRectF(area.left(), area.top() + 4, area.width(), line * 1.3), Qt::AlignCenter,
               QString::fromStdString(f.title));
    p.setFont(font);

    const double left = area.left() + line * 1.6 + fm.horizontalAdvance(QStringLiteral("0000000"));
    const double right = area.right() - line;
    const double top = area.top() + line * 2;
    const double bottom = area.bottom() - line * 3.2;
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));

    Scale sx{0, 1, f.x.logarithmic, plot.left(), plot.right()};
    Scale sy{0, 1, f.y.logarithmic, plot.bottom(), plot.top()};
    fit(sx, f, true);
    fit(sy, f, false);

    // The studied range of the checks, shaded.
    const double bx0 = f.studiedX ? std::max(sx.low, f.studiedX->low) : sx.low;
    const double bx1 = f.studiedX ? std::min(sx.high, f.studiedX->high) : sx.high;
    const double by0 = f.studiedY ? std::max(sy.low, f.studiedY->low) : sy.low;
    const double by1 = f.studiedY ? std::min(sy.high, f.studiedY->high) : sy.high;
    if ((f.studiedX || f.studiedY) && bx0 < bx1 && by0 < by1) {
        QColor shade = palette.color(QPalette::Highlight);
        shade.setAlpha(36);
        const QRectF band(QPointF(sx(bx0), sy(by1)), QPointF(sx(bx1), sy(by0)));
        p.fillRect(band, shade);
        shade.setAlpha(120);
        p.setPen(QPen(shade, 1, Qt::DashLine));
        p.drawRect(band);
    }

    // Grid, ticks and their labels.
    QColor grid = text;
    grid.setAlpha(40);
    for (double v : ticks(sx)) {
        const double x = sx(v);
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.setPen(text);
        const QString label = tickText(v, sx.log);
        const double w = fm.horizontalAdvance(label) + 6;
        QRectF box(x - w / 2, plot.bottom() + 3, w, line);
        box.moveLeft(std::clamp(box.left(), area.left(), area.right() - w));
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, label);
    }
    for (double v : ticks(sy)) {
        const double y = sy(v);
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(text);
        p.drawText(QRectF(area.left(), y - line / 2, plot.left() - area.left() - 5, line),
                   Qt::AlignRight | Qt::AlignVCenter, tickText(v, sy.log));
    }
    p.setPen(QPen(text, 1));
    p.drawRect(plot);
    p.drawText(QRectF(plot.left(), plot.bottom() + line * 1.4, plot.width(), line * 1.4), Qt::AlignCenter,
               QString::fromStdString(f.x.title));
    p.save();
    p.translate(area.left() + 2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line * 1.3), Qt::AlignCenter,
               QString::fromStdString(f.y.title));
    p.restore();

    // The curves, clipped to the plot.
    p.setClipRect(plot.adjusted(-1, -1, 1, 1));
    const bool anyUsed = std::any_of(f.series.begin(), f.series.end(),
                                     [](const auto& series) { return series.emphasis == Emphasis::Used; });
    struct Label {
        QString text;
        QPointF at;
        QColor colour;
        bool used;
    };
    std::vector<Label> labels;
    int index = 0;
    for (const auto& series : f.series) {
        QPainterPath path;
        bool started = false;
        for (const auto& pt : series.points) {
            if (sx.log && pt.x <= 0) continue;
            const QPointF q(sx(pt.x), sy(pt.y));
            if (!started)
                path.moveTo(q);
            else
                path.lineTo(q);
            started = true;
        }
        const QColor colour = seriesColour(series.group >= 0 ? series.group : index);
        QPen pen(colour, 1.2);
        if (series.emphasis == Emphasis::Used) pen.setWidthF(2.8);
        if (series.emphasis == Emphasis::Interpolated) pen = QPen(text, 2, Qt::DashLine);
        // With a reading drawn, the rest of the family steps back.
        if (series.emphasis == Emphasis::Family && anyUsed)
            pen.setColor(QColor(colour.red(), colour.green(), colour.blue(), 110));
        p.setPen(pen);
        p.drawPath(path);
        if (!series.label.empty() && !series.points.empty()) {
            const auto& last = series.points.back();
            labels.push_back({QString::fromStdString(series.label), QPointF(sx(last.x), sy(last.y)), colour,
                              series.emphasis == Emphasis::Used});
        }
        ++index;
    }

    // Each curve labelled at its far end; where curves end close together
    // the labels step aside, the curves a calculation used first, and a
    // label with no room left is dropped rather than drawn over another.
    std::stable_sort(labels.begin(), labels.end(), [](const Label& a, const Label& b) { return a.used > b.used; });
    std::vector<QRectF> placed;
    QFont boldFont = font;
    boldFont.setBold(true);
    for (const Label& l : labels) {
        const double w = QFontMetricsF(l.used ? boldFont : font).horizontalAdvance(l.text) + 6;
        QRectF home(l.at.x() - w - 2, l.at.y() - line, w, line);
        home.moveLeft(std::clamp(home.left(), plot.left() + 2, plot.right() - w - 2));
        home.moveTop(std::clamp(home.top(), plot.top() + 2, plot.bottom() - line - 2));
        std::optional<QRectF> spot;
        for (int step = 0; step < 24 && !spot; ++step) {
            const double offset = (step % 2 ? 1 : -1) * ((step + 1) / 2) * line * 0.95;
            QRectF box = home.translated(0, offset);
            if (box.top() < plot.top() || box.bottom() > plot.bottom()) continue;
            if (std::none_of(placed.begin(), placed.end(), [&](const QRectF& r) { return r.intersects(box); }))
                spot = box;
        }
        if (!spot) continue;
        placed.push_back(*spot);
        p.setPen(l.colour);
        p.setFont(l.used ? boldFont : font);
        p.drawText(*spot, Qt::AlignRight | Qt::AlignVCenter, l.text);
    }
    p.setFont(font);

    // The point read, with guides to both axes and its coordinates.
    if (f.point) {
        const QPointF at(sx(f.point->x), sy(f.point->y));
        p.setPen(QPen(text, 1, Qt::DotLine));
        p.drawLine(at, QPointF(at.x(), plot.bottom()));
        p.drawLine(at, QPointF(plot.left(), at.y()));
        p.setPen(QPen(text, 2));
        p.setBrush(palette.color(QPalette::Highlight));
        p.drawEllipse(at, 5, 5);
        const QString label = QString::fromStdString(f.pointLabel);
        const double w = fm.horizontalAdvance(label) + 12;
        QRectF box(at.x() + 10, at.y() - line * 1.8, w, line * 1.4);
        if (box.right() > plot.right()) box.moveRight(at.x() - 10);
        if (box.top() < plot.top()) box.moveTop(at.y() + 8);
        QColor back = palette.color(QPalette::Base);
        back.setAlpha(230);
        p.setBrush(back);
        p.setPen(QPen(text, 1));
        p.drawRoundedRect(box, 4, 4);
        p.drawText(box, Qt::AlignCenter, label);
    }
    p.restore();
}

} // namespace retencion
