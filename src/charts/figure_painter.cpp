#include "charts/figure_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <optional>

namespace retencion {

using figures::Emphasis;
using figures::Figure;

double AxisScale::operator()(double v) const
{
    const auto t = [this](double u) { return log ? std::log10(u) : u; };
    return from + (t(v) - t(low)) / (t(high) - t(low)) * (to - from);
}

namespace {

// Tick values: 1-2-5 steps on a linear axis, decades on a logarithmic one.
std::vector<double> ticks(const AxisScale& s, double& step)
{
    std::vector<double> out;
    if (s.log) {
        for (double d = std::pow(10, std::floor(std::log10(s.low))); d <= s.high * 1.0001; d *= 10)
            if (d >= s.low * 0.9999) out.push_back(d);
        step = 0; // each decade is its own step
        return out;
    }
    const double span = s.high - s.low;
    const double raw = span / 6;
    const double mag = std::pow(10, std::floor(std::log10(raw)));
    step = raw / mag < 1.5 ? mag : raw / mag < 3.5 ? 2 * mag : raw / mag < 7.5 ? 5 * mag : 10 * mag;
    for (double v = std::ceil(s.low / step) * step; v <= s.high + step * 1e-6; v += step)
        out.push_back(std::fabs(v) < step * 1e-9 ? 0 : v);
    return out;
}

// Data range of an axis over the curves, the point and the studied range.
void fit(AxisScale& s, const Figure& f, bool xAxis)
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
    // A refused stretch at an end of the sweep is part of what is shown.
    if (xAxis)
        for (const auto& band : f.bands) {
            take(band.x.low);
            take(band.x.high);
        }
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

QColor colourOf(const Figure& f, std::size_t index)
{
    return seriesColour(f.series[index].group >= 0 ? f.series[index].group : int(index));
}

// Whether the segment a–b passes through `r` (Liang–Barsky clipping).
bool crosses(QPointF a, QPointF b, const QRectF& r)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// What a name or the legend must keep clear of: every curve, the guides
// of the point read, and the boxes already placed.
struct Obstacles {
    std::vector<std::vector<QPointF>> lines;
    std::vector<QRectF> bounds; // of each line, a pixel wider so flat lines count
    std::vector<QRectF> boxes;

    void addLine(std::vector<QPointF> line)
    {
        if (line.size() < 2) return;
        // By hand: a rectangle of no size is null, and uniting with it is a no-op.
        double x0 = line.front().x(), x1 = x0, y0 = line.front().y(), y1 = y0;
        for (const QPointF& p : line) {
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
        bounds.push_back(QRectF(QPointF(x0 - 1, y0 - 1), QPointF(x1 + 1, y1 + 1)));
        lines.push_back(std::move(line));
    }

    bool hits(const QRectF& box) const
    {
        for (const QRectF& b : boxes)
            if (b.intersects(box)) return true;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!bounds[i].intersects(box)) continue;
            for (std::size_t k = 1; k < lines[i].size(); ++k)
                if (crosses(lines[i][k - 1], lines[i][k], box)) return true;
        }
        return false;
    }

    int crossings(const QRectF& box) const
    {
        int n = 0;
        for (const auto& line : lines)
            for (std::size_t k = 1; k < line.size(); ++k)
                n += crosses(line[k - 1], line[k], box);
        return n;
    }
};

constexpr double kSample = 26; // legend: the curve's sample
constexpr double kGap = 3;     // between a curve and its name

double entryWidth(const QFontMetricsF& fm, const LegendEntry& e)
{
    return kSample + 6 + fm.horizontalAdvance(e.text) + 8;
}

// The legend below the plot, as many columns as fit the figure's width.
QSizeF legendBelowSize(const QFontMetricsF& fm, const std::vector<LegendEntry>& entries, double width, int& columns)
{
    double column = 0;
    for (const auto& e : entries)
        column = std::max(column, entryWidth(fm, e));
    columns = std::clamp(int(width / std::max(column, 1.0)), 1, std::max(1, int(entries.size())));
    const int rows = (int(entries.size()) + columns - 1) / columns;
    return {columns * column + 8, rows * fm.height() + 8};
}

} // namespace

namespace {

// The text measures of one figure: its font, the title's bold, one line.
struct Measures {
    QFontMetricsF fm;
    QFontMetricsF bold;
    double line;
};

Measures measuresOf(const QFont& font, const QPaintDevice* device)
{
    QFont boldFont = font;
    boldFont.setBold(true);
    const auto metrics = [device](const QFont& f) { return device ? QFontMetricsF(f, device) : QFontMetricsF(f); };
    const QFontMetricsF fm = metrics(font);
    return {fm, metrics(boldFont), fm.height()};
}

// The ticks of both axes, with the step each is labelled to.
struct Ticks {
    std::vector<double> x, y;
    double xStep = 0, yStep = 0;
};

QString tickLabel(const Figure& f, double v, double step)
{
    return QString::fromStdString(figures::tickText(v, step > 0 ? step : v, f.separators));
}

// The studied range of the checks within the axes, in pixels; none when the
// figure has none or it lies outside what is drawn.
std::optional<QRectF> studiedBand(const FigureLayout& L, const Figure& f)
{
    const double bx0 = f.studiedX ? std::max(L.sx.low, f.studiedX->low) : L.sx.low;
    const double bx1 = f.studiedX ? std::min(L.sx.high, f.studiedX->high) : L.sx.high;
    const double by0 = f.studiedY ? std::max(L.sy.low, f.studiedY->low) : L.sy.low;
    const double by1 = f.studiedY ? std::min(L.sy.high, f.studiedY->high) : L.sy.high;
    if (!(f.studiedX || f.studiedY) || !(bx0 < bx1 && by0 < by1)) return std::nullopt;
    return QRectF(QPointF(L.sx(bx0), L.sy(by1)), QPointF(L.sx(bx1), L.sy(by0)));
}

// The plot, the axis titles and the tick labels, leaving `reserve` below the
// x axis title for a legend.
void layoutAxes(FigureLayout& L, const Figure& f, const Measures& m, const Ticks& t, double reserve)
{
    const QFontMetricsF& fm = m.fm;
    const QRectF& area = L.area;
    const double line = m.line;
    double yTickWidth = 0;
    for (double v : t.y)
        yTickWidth = std::max(yTickWidth, fm.horizontalAdvance(tickLabel(f, v, t.yStep)));
    const double top = area.top() + line * 2.2;
    const double bottom = area.bottom() - line * 2.9 - reserve;
    const double plotHeight = std::max(bottom - top, line);

    // The y axis title beside the plot, over two lines when it is longer.
    QString yTitle = QString::fromStdString(f.y.title);
    int yLines = 1;
    if (fm.horizontalAdvance(yTitle) > plotHeight - 4) {
        yLines = 2;
        const QRectF need =
            fm.boundingRect(QRectF(0, 0, plotHeight - 4, line * 10), Qt::TextWordWrap | Qt::AlignCenter, yTitle);
        if (need.height() > line * 2 + 1) yTitle = fm.elidedText(yTitle, Qt::ElideRight, (plotHeight - 4) * 2);
    }
    const double left = area.left() + 4 + yLines * line + 6 + yTickWidth + 6;
    const double right = area.right() - line * 0.8;
    L.plot = QRectF(QPointF(left, top), QPointF(std::max(right, left + line), top + plotHeight));
    const QRectF& plot = L.plot;
    L.yTitle = {yTitle, QRectF(area.left() + 4, plot.top(), yLines * line, plot.height())};
    L.sx.from = plot.left();
    L.sx.to = plot.right();
    L.sy.from = plot.bottom();
    L.sy.to = plot.top();

    // Tick labels inside the figure, a label dropped where it would touch
    // its neighbour.
    for (double v : t.x)
        L.xGrid.push_back(L.sx(v));
    for (double v : t.y)
        L.yGrid.push_back(L.sy(v));
    for (double v : t.x) {
        const QString text = tickLabel(f, v, t.xStep);
        const double w = fm.horizontalAdvance(text) + 4;
        QRectF box(L.sx(v) - w / 2, plot.bottom() + 3, w, line);
        box.moveLeft(std::clamp(box.left(), area.left() + 1, area.right() - 1 - w));
        if (!L.xTicks.empty() && L.xTicks.back().box.adjusted(0, 0, line * 0.5, 0).intersects(box)) continue;
        L.xTicks.push_back({text, box});
    }
    for (double v : t.y) {
        const QString text = tickLabel(f, v, t.yStep);
        const double w = fm.horizontalAdvance(text) + 2;
        QRectF box(plot.left() - 5 - w, L.sy(v) - line / 2, w, line);
        box.moveTop(std::clamp(box.top(), L.title.box.bottom(), area.bottom() - 1 - line));
        if (!L.yTicks.empty() && L.yTicks.back().box.adjusted(0, -2, 0, 2).intersects(box)) continue;
        L.yTicks.push_back({text, box});
    }
    const double xTitleTop = plot.bottom() + 3 + line + 2;
    L.xTitle = {fm.elidedText(QString::fromStdString(f.x.title), Qt::ElideRight, area.width() - 8),
                QRectF(area.left() + 4, xTitleTop, area.width() - 8, line * 1.2)};
}

// Every curve in pixels, each an obstacle for the names placed later.
void layoutCurves(FigureLayout& L, const Figure& f, Obstacles& clear)
{
    for (const auto& series : f.series) {
        std::vector<QPointF> pixels;
        for (const auto& pt : series.points)
            if (!(L.sx.log && pt.x <= 0) && !(L.sy.log && pt.y <= 0)) pixels.push_back({L.sx(pt.x), L.sy(pt.y)});
        L.curves.push_back(pixels);
        clear.addLine(std::move(pixels));
    }
}

// The reasons of the refused stretches, each once, in the order they first
// come: a reason's place is its hatching.
std::vector<std::string> reasonsOf(const Figure& f)
{
    std::vector<std::string> reasons;
    for (const auto& band : f.bands)
        if (std::find(reasons.begin(), reasons.end(), band.caption) == reasons.end()) reasons.push_back(band.caption);
    return reasons;
}

// The legend's entries for the refused stretches: one for each hatching, so
// that no two reasons share one. A lone reason written inside its stretch
// needs no repeating; otherwise each entry names its reason.
std::vector<LegendEntry> refusedEntries(const std::vector<std::string>& reasons, const std::vector<int>& hatchingsShown,
                                        const std::vector<QString>& reasonsInLegend)
{
    const QString refused = QStringLiteral("Fuera del ábaco");
    std::vector<LegendEntry> out;
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        if (std::find(hatchingsShown.begin(), hatchingsShown.end(), int(i)) == hatchingsShown.end()) continue;
        const QString reason = QString::fromStdString(reasons[i]);
        const bool inside = std::find(reasonsInLegend.begin(), reasonsInLegend.end(), reason) == reasonsInLegend.end();
        const QString text = reasons.size() == 1 && inside ? refused : refused + QStringLiteral(": ") + reason;
        out.push_back({LegendEntry::Kind::Refused, text, 0, int(i)});
    }
    return out;
}

// The refused stretches across the plot, each with its reason at the top:
// along it where it is wide enough, upwards where it is narrow, left out
// where neither fits. The captions are obstacles for every other name.
void layoutBands(FigureLayout& L, const Figure& f, const Measures& m, Obstacles& clear)
{
    const std::vector<std::string> reasons = reasonsOf(f);
    for (const auto& band : f.bands) {
        const double x0 = std::max(L.plot.left(), std::min(L.sx(band.x.low), L.sx(band.x.high)));
        const double x1 = std::min(L.plot.right(), std::max(L.sx(band.x.low), L.sx(band.x.high)));
        if (!(x1 > x0)) continue;
        const QRectF r(QPointF(x0, L.plot.top()), QPointF(x1, L.plot.bottom()));
        L.bands.push_back(r);
        L.bandHatchings.push_back(int(std::find(reasons.begin(), reasons.end(), band.caption) - reasons.begin()));
        const QString text = QString::fromStdString(band.caption);
        const double w = m.fm.horizontalAdvance(text) + 8;
        const double h = m.line;
        const bool upright = w > r.width() - 4;
        const QSizeF size = upright ? QSizeF(h, w) : QSizeF(w, h);
        // A reason with no room in its stretch is said in the legend.
        auto toLegend = [&] {
            if (std::find(L.bandReasonsInLegend.begin(), L.bandReasonsInLegend.end(), text) ==
                L.bandReasonsInLegend.end())
                L.bandReasonsInLegend.push_back(text);
        };
        if (size.width() > r.width() - 2 || size.height() > r.height() - 8) {
            toLegend();
            continue;
        }
        // From the top down, the first place no curve or name crosses; a
        // caption that finds none is left out rather than drawn over a line.
        const double room = r.height() - 8 - size.height();
        const double across = r.width() - 2 - size.width();
        std::optional<QRectF> found;
        for (int k = 0; k <= 8 && !found; ++k)
            for (const double side : {0.5, 0.0, 1.0, 0.25, 0.75}) {
                const QRectF box(QPointF(r.left() + 1 + across * side, r.top() + 4 + room * k / 8), size);
                if (clear.hits(box)) continue;
                found = box;
                break;
            }
        if (!found) {
            toLegend();
            continue;
        }
        L.bandCaptions.push_back({text, *found});
        L.bandCaptionUpright.push_back(upright);
        clear.boxes.push_back(*found);
    }
}

// The point read, its guides and its coordinates, where they cross the
// fewest curves (the box is opaque, yet a curve is better seen).
void layoutPoint(FigureLayout& L, const Figure& f, const Measures& m, Obstacles& clear)
{
    if (!f.point) return;
    const QRectF& plot = L.plot;
    const QPointF at(L.sx(f.point->x), L.sy(f.point->y));
    L.pointMark = QRectF(at - QPointF(6, 6), QSizeF(12, 12));
    const QString text = QString::fromStdString(f.pointLabel);
    const double w = m.fm.horizontalAdvance(text) + 12;
    const double h = m.line * 1.4;
    const QRectF options[] = {QRectF(at.x() + 10, at.y() - h - 6, w, h), QRectF(at.x() - 10 - w, at.y() - h - 6, w, h),
                              QRectF(at.x() + 10, at.y() + 8, w, h), QRectF(at.x() - 10 - w, at.y() + 8, w, h)};
    QRectF best;
    int fewest = INT_MAX;
    for (const QRectF& box : options) {
        if (!plot.contains(box)) continue;
        const int n = clear.crossings(box);
        if (n < fewest) {
            fewest = n;
            best = box;
        }
    }
    if (best.isNull()) {
        best = options[0];
        best.moveLeft(std::clamp(best.left(), plot.left() + 2, plot.right() - 2 - w));
        best.moveTop(std::clamp(best.top(), plot.top() + 2, plot.bottom() - 2 - h));
    }
    L.pointLabel = {text, best};
    clear.boxes.push_back(L.pointMark);
    clear.boxes.push_back(best.adjusted(-2, -2, 2, 2));
    clear.addLine({at, QPointF(at.x(), plot.bottom())});
    clear.addLine({at, QPointF(plot.left(), at.y())});
}

// The first free spot for a name w × h beside the polyline `pts`, from its
// far end back.
std::optional<QRectF> spotAlong(const std::vector<QPointF>& pts, double w, double h, const QRectF& inside,
                                const Obstacles& clear)
{
    std::vector<double> length{0};
    for (std::size_t k = 1; k < pts.size(); ++k)
        length.push_back(length.back() + QLineF(pts[k - 1], pts[k]).length());
    constexpr int kSpots = 48;
    for (int s = 0; s < kSpots; ++s) {
        const double want = length.back() * (1 - double(s) / (kSpots - 1));
        const std::size_t k = std::max<std::size_t>(
            1, std::size_t(std::lower_bound(length.begin(), length.end(), want) - length.begin()));
        const std::size_t kk = std::min(k, pts.size() - 1);
        const double span = length[kk] - length[kk - 1];
        const QPointF p = span > 0 ? pts[kk - 1] + (pts[kk] - pts[kk - 1]) * ((want - length[kk - 1]) / span) : pts[kk];
        const QRectF boxes[] = {
            QRectF(p.x() - w - kGap, p.y() - h - kGap, w, h), QRectF(p.x() + kGap, p.y() - h - kGap, w, h),
            QRectF(p.x() - w - kGap, p.y() + kGap, w, h),     QRectF(p.x() + kGap, p.y() + kGap, w, h),
            QRectF(p.x() - w / 2, p.y() - h - kGap, w, h),    QRectF(p.x() - w / 2, p.y() + kGap, w, h)};
        for (const QRectF& box : boxes)
            if (inside.contains(box) && !clear.hits(box.adjusted(-1, -1, 1, 1))) return box;
    }
    return std::nullopt;
}

// Each curve named beside itself at the first free spot, the curves a
// calculation used first; a curve with no free spot is named in the legend,
// and so is the interpolated curve, its dashes shown beside its name.
// Returns the legend's curve entries, the interpolated curve first.
std::vector<LegendEntry> nameCurves(FigureLayout& L, const Figure& f, const Measures& m, Obstacles& clear)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < f.series.size(); ++i)
        if (!f.series[i].label.empty()) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return (f.series[a].emphasis == Emphasis::Used) > (f.series[b].emphasis == Emphasis::Used);
    });
    std::vector<LegendEntry> legend;
    const QRectF inside = L.plot.adjusted(2, 2, -2, -2);
    for (std::size_t i : order) {
        const auto& series = f.series[i];
        const QString text = QString::fromStdString(series.label);
        std::optional<QRectF> spot;
        if (series.emphasis != Emphasis::Interpolated && L.curves[i].size() >= 2) {
            const double w = (series.emphasis == Emphasis::Used ? m.bold : m.fm).horizontalAdvance(text) + 4;
            spot = spotAlong(L.curves[i], w, m.line, inside, clear);
        }
        if (!spot) {
            legend.push_back({LegendEntry::Kind::Curve, text, i});
            continue;
        }
        L.labels.push_back({text, *spot, i});
        clear.boxes.push_back(spot->adjusted(-2, -2, 2, 2));
    }
    std::stable_sort(legend.begin(), legend.end(), [&](const LegendEntry& a, const LegendEntry& b) {
        const bool ia = f.series[a.series].emphasis == Emphasis::Interpolated;
        const bool ib = f.series[b.series].emphasis == Emphasis::Interpolated;
        return ia != ib ? ia : a.series < b.series;
    });
    return legend;
}

// The legend in a free corner of the plot, or below it within `reserve`.
// False when it fits neither: the caller then reserves `needed` below.
bool placeLegend(FigureLayout& L, const Measures& m, const Obstacles& clear, double reserve, double& needed)
{
    const QRectF& plot = L.plot;
    double width = 0;
    for (const auto& e : L.legend)
        width = std::max(width, entryWidth(m.fm, e));
    const QSizeF size(width + 8, L.legend.size() * m.line + 8);
    const QRectF corners[] = {QRectF(QPointF(plot.right() - 4 - size.width(), plot.top() + 4), size),
                              QRectF(QPointF(plot.left() + 4, plot.top() + 4), size),
                              QRectF(QPointF(plot.right() - 4 - size.width(), plot.bottom() - 4 - size.height()), size),
                              QRectF(QPointF(plot.left() + 4, plot.bottom() - 4 - size.height()), size)};
    for (const QRectF& box : corners) {
        if (plot.contains(box) && !clear.hits(box)) {
            L.legendBox = box;
            return true;
        }
    }
    int columns = 1;
    const QSizeF below = legendBelowSize(m.fm, L.legend, L.area.width() - 8, columns);
    if (below.height() + 4 <= reserve + 0.5) {
        L.legendColumns = columns;
        L.legendBox = QRectF(QPointF(L.area.left() + 4, L.xTitle.box.bottom() + 2), below);
        return true;
    }
    needed = below.height() + 4;
    return false;
}

} // namespace

FigureLayout layoutFigure(const QRectF& area, const Figure& f, const QFont& font, const QPaintDevice* device)
{
    const Measures m = measuresOf(font, device);
    FigureLayout scales;
    scales.sx.log = f.x.logarithmic;
    scales.sy.log = f.y.logarithmic;
    fit(scales.sx, f, true);
    fit(scales.sy, f, false);
    Ticks t;
    t.x = ticks(scales.sx, t.xStep);
    t.y = ticks(scales.sy, t.yStep);
    const PlacedText title{m.bold.elidedText(QString::fromStdString(f.title), Qt::ElideRight, area.width() - 8),
                           QRectF(area.left() + 4, area.top() + 4, area.width() - 8, m.line * 1.3)};

    // The marks the legend names whatever the room beside the curves.
    std::vector<LegendEntry> marks;
    for (const std::string& note : f.legendNotes)
        marks.push_back({LegendEntry::Kind::Note, QString::fromStdString(note), 0});
    if (f.point) marks.push_back({LegendEntry::Kind::Point, QString::fromStdString(f.pointName), 0});
    const LegendEntry studied{LegendEntry::Kind::StudiedRange, QStringLiteral("Intervalo estudiado"), 0};
    const std::vector<std::string> reasons = reasonsOf(f);

    // Laid out again with room below for a legend that fits nowhere else;
    // after a few tries, room for every name there could be settles it.
    double reserve = 0;
    for (int pass = 0;; ++pass) {
        FigureLayout L;
        L.area = area;
        L.line = m.line;
        L.sx = scales.sx;
        L.sy = scales.sy;
        L.title = title;
        layoutAxes(L, f, m, t, reserve);
        Obstacles clear;
        layoutCurves(L, f, clear);
        // The point first: its label goes beside it, a band's caption
        // anywhere along the band.
        layoutPoint(L, f, m, clear);
        layoutBands(L, f, m, clear);
        L.legend = nameCurves(L, f, m, clear);
        L.legend.insert(L.legend.end(), marks.begin(), marks.end());
        const auto refused = refusedEntries(reasons, L.bandHatchings, L.bandReasonsInLegend);
        L.legend.insert(L.legend.end(), refused.begin(), refused.end());
        if (studiedBand(L, f)) L.legend.push_back(studied);
        double needed = 0;
        if (L.legend.empty() || placeLegend(L, m, clear, reserve, needed)) return L;
        if (pass < 3) {
            reserve = needed;
            continue;
        }
        std::vector<LegendEntry> all;
        for (std::size_t i = 0; i < f.series.size(); ++i)
            if (!f.series[i].label.empty())
                all.push_back({LegendEntry::Kind::Curve, QString::fromStdString(f.series[i].label), i});
        all.insert(all.end(), marks.begin(), marks.end());
        all.push_back(studied);
        std::vector<int> everyHatching(reasons.size());
        std::iota(everyHatching.begin(), everyHatching.end(), 0);
        std::vector<QString> everyReason;
        for (const std::string& reason : reasons)
            everyReason.push_back(QString::fromStdString(reason));
        const auto everyRefused = refusedEntries(reasons, everyHatching, everyReason);
        all.insert(all.end(), everyRefused.begin(), everyRefused.end());
        int unused = 1;
        reserve = legendBelowSize(m.fm, all, area.width() - 8, unused).height() + 4;
    }
}

double minimumFigureHeight(const Figure& f, double width, const QFont& font, double floor)
{
    constexpr double kStep = 20;
    for (double h = floor; h < 3000; h += kStep) {
        const FigureLayout L = layoutFigure(QRectF(0, 0, width, h), f, font);
        if (L.plot.height() >= L.line * 8 && (L.legend.empty() || L.area.contains(L.legendBox))) return h;
    }
    return 3000;
}

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
