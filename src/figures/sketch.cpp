#include "figures/sketch.h"

namespace retencion::figures::sketch {

// The triangular inflow hydrograph: its peak Ip at Tp, and where the case
// asks for them, its base time Tb and the base flow Qb it rises from.
void hydrograph(Sketch& s, bool baseTime, bool baseFlow)
{
    // Room on the left of the axis for the names of the flows.
    constexpr double o = 13;
    constexpr double peak = o + 8;
    s.arrow({o, 30}, {o, 55});
    s.arrow({o, 30}, {38, 30});
    s.note("Q", {o + 0.5, 55}, Anchor::RightOf);
    s.note("t", {38, 30.5}, Anchor::Above);
    if (baseFlow) {
        s.line({{o, 34}, {o + 3, 34}, {peak, 50}, {31, 34}, {34, 34}}, 1.6);
        s.note(s.sym(Quantity::BaseFlow), {o, 34}, Anchor::LeftOf);
    } else {
        s.line({{o, 30}, {peak, 50}, {34, 30}}, 1.6);
    }
    s.line({{o, 50}, {peak, 50}}, 0.8, true);
    s.line({{peak, 50}, {peak, 30}}, 0.8, true);
    s.note(s.sym(Quantity::InflowPeak), {o, 50}, Anchor::LeftOf);
    s.note(s.sym(Quantity::PeakTime), {peak, 30}, Anchor::Below);
    if (baseTime) s.note(s.sym(Quantity::BaseTime), {34, 30}, Anchor::Below);
}

// The tank without bypass: walls, ground, the water up to its surface, the
// surface named as the form names it, and the depth H where it is a depth.
void tank(Sketch& s, std::initializer_list<Point> walls, bool depth)
{
    // The hydrograph flows into the tank over its wall.
    s.arrow({39, 48}, {52, 48});
    s.area({{40, 5}, {78, 5}, {78, kBottom}, {40, kBottom}}, Fill::Ground);
    s.area({{kTankLeft, kBottom}, {kTankRight, kBottom}, {kTankRight, kWater}, {kTankLeft, kWater}}, Fill::Water);
    s.line({{kTankLeft, kWater}, {kTankRight, kWater}}, 0.8);
    s.line(walls, 2);
    s.note(s.sym(Quantity::GivenSurface), {52, kWater + 0.5}, Anchor::Above);
    if (depth) {
        s.dimension({62, kBottom}, {62, kWater});
        s.note(s.height(), {63, 21}, Anchor::RightOf);
    }
}

void network(Sketch& s, std::initializer_list<Point> downstreamBottom)
{
    hydrograph(s, false, false);
    s.arrow({39, 43}, {49, 43});
    s.line({{38, kNetTop}, {99, kNetTop}}, 2);
    s.line({{38, kNetBottom}, {52, kNetBottom}, {52, 30}}, 2);
    s.line(downstreamBottom, 2);
    s.arrow({55, 39}, {55, 25});
    s.note("derivación", {55, kNetTop + 0.5}, Anchor::Above);
    s.area({{40, 3}, {82, 3}, {82, kLowBottom}, {40, kLowBottom}}, Fill::Ground);
    s.area({{kTankLeft, kLowBottom}, {80, kLowBottom}, {80, kLowWater}, {kTankLeft, kLowWater}}, Fill::Water);
    s.line({{kTankLeft, kLowWater}, {80, kLowWater}}, 0.8);
}

} // namespace retencion::figures::sketch
