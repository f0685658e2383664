#include "charts/label_placement.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace retencion {

using figures::Emphasis;
using figures::Figure;

Measures measuresOf(const QFont& font, const QPaintDevice* device)
{
    QFont boldFont = font;
    boldFont.setBold(true);
    const auto metrics = [device](const QFont& f) { return device ? QFontMetricsF(f, device) : QFontMetricsF(f); };
    const QFontMetricsF fm = metrics(font);
    return {fm, metrics(boldFont), fm.height()};
}

// Liang–Barsky clipping.
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

constexpr double kGap = 3; // between a curve and its name

double entryWidth(const QFontMetricsF& fm, const LegendEntry& e)
{
    return kSample + 6 + fm.horizontalAdvance(e.text) + 8;
}

QSizeF legendBelowSize(const QFontMetricsF& fm, const std::vector<LegendEntry>& entries, double width, int& columns)
{
    double column = 0;
    for (const auto& e : entries)
        column = std::max(column, entryWidth(fm, e));
    columns = std::clamp(int(width / std::max(column, 1.0)), 1, std::max(1, int(entries.size())));
    const int rows = (int(entries.size()) + columns - 1) / columns;
    return {columns * column + 8, rows * fm.height() + 8};
}

namespace {

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

} // namespace

std::vector<std::string> reasonsOf(const Figure& f)
{
    std::vector<std::string> reasons;
    for (const auto& band : f.bands)
        if (std::find(reasons.begin(), reasons.end(), band.caption) == reasons.end()) reasons.push_back(band.caption);
    return reasons;
}

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

} // namespace retencion
