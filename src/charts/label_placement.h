#pragma once
// The names of a figure placed where no curve, guide or other name is: the
// refused stretches' reasons, the point read's coordinates, each curve's
// name beside it, and the legend in a free corner or below the plot. For
// charts/figure_layout.cpp and the painter that draws the legend.

#include "charts/figure_geometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <string>
#include <vector>

class QPaintDevice;

namespace retencion {

// The text measures of one figure: its font, the title's bold, one line.
struct Measures {
    QFontMetricsF fm;
    QFontMetricsF bold;
    double line;
};

Measures measuresOf(const QFont& font, const QPaintDevice* device);

// Whether the segment a–b passes through `r`.
bool crosses(QPointF a, QPointF b, const QRectF& r);

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

inline constexpr double kSample = 26; // legend: the curve's sample

double entryWidth(const QFontMetricsF& fm, const LegendEntry& e);

// The legend below the plot, as many columns as fit the figure's width.
QSizeF legendBelowSize(const QFontMetricsF& fm, const std::vector<LegendEntry>& entries, double width, int& columns);

// The reasons of the refused stretches, each once, in the order they first
// come: a reason's place is its hatching.
std::vector<std::string> reasonsOf(const figures::Figure& f);

// The legend's entries for the refused stretches: one for each hatching, so
// that no two reasons share one. A lone reason written inside its stretch
// needs no repeating; otherwise each entry names its reason.
std::vector<LegendEntry> refusedEntries(const std::vector<std::string>& reasons, const std::vector<int>& hatchingsShown,
                                        const std::vector<QString>& reasonsInLegend);

// The refused stretches across the plot, each with its reason at the top:
// along it where it is wide enough, upwards where it is narrow, left out
// where neither fits. The captions are obstacles for every other name.
void layoutBands(FigureLayout& L, const figures::Figure& f, const Measures& m, Obstacles& clear);

// The point read, its guides and its coordinates, where they cross the
// fewest curves (the box is opaque, yet a curve is better seen).
void layoutPoint(FigureLayout& L, const figures::Figure& f, const Measures& m, Obstacles& clear);

// Each curve named beside itself at the first free spot, the curves a
// calculation used first; a curve with no free spot is named in the legend,
// and so is the interpolated curve, its dashes shown beside its name.
// Returns the legend's curve entries, the interpolated curve first.
std::vector<LegendEntry> nameCurves(FigureLayout& L, const figures::Figure& f, const Measures& m, Obstacles& clear);

// The legend in a free corner of the plot, or below it within `reserve`.
// False when it fits neither: the caller then reserves `needed` below.
bool placeLegend(FigureLayout& L, const Measures& m, const Obstacles& clear, double reserve, double& needed);

} // namespace retencion
