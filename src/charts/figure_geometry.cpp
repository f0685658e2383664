#include "charts/figure_geometry.h"

#include <algorithm>
#include <cmath>

namespace retencion {

using figures::Figure;

double AxisScale::operator()(double v) const
{
    const auto t = [this](double u) { return log ? std::log10(u) : u; };
    return from + (t(v) - t(low)) / (t(high) - t(low)) * (to - from);
}

std::optional<QRectF> studiedBand(const FigureLayout& L, const Figure& f)
{
    const double bx0 = f.studiedX ? std::max(L.sx.low, f.studiedX->low) : L.sx.low;
    const double bx1 = f.studiedX ? std::min(L.sx.high, f.studiedX->high) : L.sx.high;
    const double by0 = f.studiedY ? std::max(L.sy.low, f.studiedY->low) : L.sy.low;
    const double by1 = f.studiedY ? std::min(L.sy.high, f.studiedY->high) : L.sy.high;
    if (!(f.studiedX || f.studiedY) || !(bx0 < bx1 && by0 < by1)) return std::nullopt;
    return QRectF(QPointF(L.sx(bx0), L.sy(by1)), QPointF(L.sx(bx1), L.sy(by0)));
}

} // namespace retencion
