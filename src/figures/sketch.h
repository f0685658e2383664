#pragma once
// What the drawings of the cases share: one frame, 100 × 60 units, a
// sketch that names each quantity as the case's form names it, and the
// pieces several cases draw alike (the inflow hydrograph, the tank, the
// outlet conduit, the network and its bypass). Each case draws its own
// schematic from these, beside its charts.

#include "cases/field_table.h"
#include "figures/figure.h"

#include <initializer_list>
#include <string>

namespace retencion::figures::sketch {

// The drawings share one frame, 100 × 60 units: the inflow hydrograph on
// the left, the tank in the middle with its bottom at y = 10 (y = 8 under a
// network), its outlet on the right.
inline constexpr double kTankLeft = 44;
inline constexpr double kTankRight = 76;
inline constexpr double kBottom = 10;
inline constexpr double kWater = 32;

// Cases B and C: the outlet conduit leaves the tank at its bottom; its
// opening ho and width B (or N circular conduits of diameter D).
inline constexpr double kConduitEnd = 92;
inline constexpr double kConduitTop = 15;

// Cases D and E: the network above, the bypass that takes part of its flow
// down into the tank, and the flow Qp that goes on downstream.
inline constexpr double kNetBottom = 40;
inline constexpr double kNetTop = 46;
inline constexpr double kLowBottom = 8;
inline constexpr double kLowWater = 22;

class Sketch {
public:
    Sketch(char letter, std::string title) : m_letter(letter) { m_d.title = std::move(title); }

    // The symbol the case's form gives a quantity, or its height: the
    // drawing names what the form names, as the form names it.
    std::string sym(Quantity q) const
    {
        const InputField* f = inputField(m_letter, q);
        return f ? f->symbol : "?";
    }
    std::string height() const
    {
        for (const ResultField& r : fieldsOf(m_letter)->results)
            if (r.height) return r.symbol;
        return "?";
    }

    void line(std::initializer_list<Point> points, double width = 1, bool dashed = false)
    {
        m_d.shapes.push_back({points, false, Fill::None, width, dashed, false, false});
    }
    void arrow(Point from, Point to) { m_d.shapes.push_back({{from, to}, false, Fill::None, 1, false, false, true}); }
    // A measure between two points, with an arrow at each end.
    void dimension(Point from, Point to)
    {
        m_d.shapes.push_back({{from, to}, false, Fill::None, 0.8, false, true, true});
    }
    void area(std::initializer_list<Point> points, Fill fill)
    {
        m_d.shapes.push_back({points, true, fill, 0, false, false, false});
    }
    void note(std::string text, Point at, Anchor anchor) { m_d.notes.push_back({std::move(text), at, anchor}); }
    void caption(std::string text) { m_d.caption = std::move(text); }

    Drawing done() { return std::move(m_d); }

private:
    char m_letter;
    Drawing m_d;
};

// The triangular inflow hydrograph: its peak Ip at Tp, and where the case
// asks for them, its base time Tb and the base flow Qb it rises from.
void hydrograph(Sketch& s, bool baseTime, bool baseFlow);

// The tank without bypass: walls, ground, the water up to its surface, the
// surface named as the form names it, and the depth H where it is a depth.
void tank(Sketch& s, std::initializer_list<Point> walls, bool depth);

// The network and the bypass down to the tank, with the hydrograph that
// flows into it; `downstreamBottom` is the network's bottom past the bypass.
void network(Sketch& s, std::initializer_list<Point> downstreamBottom);

} // namespace retencion::figures::sketch
