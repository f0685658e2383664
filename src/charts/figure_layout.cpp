#include "charts/figure_layout.h"

#include "charts/label_placement.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace retencion {

using figures::Figure;

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

// The ticks of both axes, with the step each is labelled to.
struct Ticks {
    std::vector<double> x, y;
    double xStep = 0, yStep = 0;
};

QString tickLabel(const Figure& f, double v, double step)
{
    return QString::fromStdString(figures::tickText(v, step > 0 ? step : v, f.separators));
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

} // namespace retencion
