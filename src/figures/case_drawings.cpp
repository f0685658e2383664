#include "figures/case_drawings.h"

#include "cases/field_table.h"
#include "figures/case_figures.h"

#include <initializer_list>

namespace retencion::figures {
namespace {

// The drawings share one frame, 100 × 60 units: the inflow hydrograph on
// the left, the tank in the middle with its bottom at y = 10 (y = 8 under a
// network), its outlet on the right.
constexpr double kTankLeft = 44;
constexpr double kTankRight = 76;
constexpr double kBottom = 10;
constexpr double kWater = 32;

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

Drawing caseA(CaseAOutlet outlet)
{
    const bool weir = outlet == CaseAOutlet::Weir;
    Sketch s('A', weir ? "Caso A: salida por vertedero" : "Caso A: salida por orificio");
    hydrograph(s, true, false);
    if (weir) {
        // The crest, below the surface; the head H over it.
        constexpr double crest = 24;
        tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {kTankRight, kBottom}, {kTankRight, crest}}, false);
        s.area({{kTankRight, kWater}, {80, 31}, {84, 27}, {86, 20}, {83.5, 20}, {81.5, 24.5}, {kTankRight, crest}},
               Fill::Water);
        s.arrow({85, 19}, {88, 12});
        s.line({{56, crest}, {64, crest}}, 0.8, true);
        s.dimension({60, crest}, {60, kWater});
        s.note(s.height(), {59, 28}, Anchor::LeftOf);
        s.note(s.sym(Quantity::WeirLength), {75.5, 21}, Anchor::LeftOf);
        s.note(s.sym(Quantity::GivenOutflow), {88.5, 16}, Anchor::RightOf);
        s.note(s.sym(Quantity::DischargeCoef), {88, 10}, Anchor::Below);
    } else {
        // The orifice low in the wall; the head H over its centre.
        tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {kTankRight, kBottom}, {kTankRight, 13}}, false);
        s.line({{kTankRight, 17}, {kTankRight, 44}}, 2);
        s.arrow({kTankRight, 15}, {93, 15});
        s.line({{56, 15}, {64, 15}}, 0.8, true);
        s.dimension({62, 15}, {62, kWater});
        s.note(s.height(), {63, 23.5}, Anchor::RightOf);
        s.note(s.sym(Quantity::OrificeDiameter), {75, 15}, Anchor::LeftOf);
        s.note(s.sym(Quantity::GivenOutflow), {87, 15.5}, Anchor::Above);
        s.note(s.sym(Quantity::DischargeCoef), {87, 13}, Anchor::Below);
    }
    return s.done();
}

// Cases B and C: the outlet conduit leaves the tank at its bottom; its
// opening ho and width B (or N circular conduits of diameter D).
constexpr double kConduitEnd = 92;
constexpr double kConduitTop = 15;

Drawing caseB(OutletConduit conduit)
{
    const bool circular = conduit == OutletConduit::Circular;
    Sketch s('B', circular ? "Caso B: salida libre por conductos circulares"
                           : "Caso B: salida libre por conducto rectangular");
    hydrograph(s, false, true);
    tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {kConduitEnd, kBottom}}, true);
    s.line({{kTankRight, 44}, {kTankRight, kConduitTop}, {kConduitEnd, kConduitTop}}, 2);
    // Free outlet: the conduit runs part full and its jet falls clear.
    s.area({{kTankRight, kBottom}, {kConduitEnd, kBottom}, {kConduitEnd, 13}, {kTankRight, 13}}, Fill::Water);
    s.area({{kConduitEnd, 13}, {94.5, 12}, {96.5, 6}, {95, 6}, {93.5, 10}, {kConduitEnd, kBottom}}, Fill::Water);
    s.note(s.sym(Quantity::GivenOutflow), {84, kConduitTop + 0.5}, Anchor::Above);
    s.note(circular ? s.sym(Quantity::ConduitDiameter) + ", " + s.sym(Quantity::ConduitCount)
                    : s.sym(Quantity::ConduitWidth),
           {86, kBottom}, Anchor::Below);
    return s.done();
}

Drawing caseC()
{
    Sketch s('C', "Caso C: salida sumergida");
    hydrograph(s, false, false);
    tank(s, {{kTankLeft, 44}, {kTankLeft, kBottom}, {99, kBottom}}, true);
    s.line({{kTankRight, 44}, {kTankRight, kConduitTop}, {kConduitEnd, kConduitTop}}, 2);
    // Submerged outlet: the conduit runs full into water that stands above it.
    s.area({{kTankRight, kBottom}, {kConduitEnd, kBottom}, {kConduitEnd, kConduitTop}, {kTankRight, kConduitTop}},
           Fill::Water);
    s.area({{kConduitEnd, kBottom}, {99, kBottom}, {99, 22}, {kConduitEnd, 22}}, Fill::Water);
    s.line({{kConduitEnd, 22}, {99, 22}}, 0.8);
    s.dimension({84, kBottom}, {84, kConduitTop});
    s.note(s.sym(Quantity::OpeningHeight), {84, kConduitTop + 0.5}, Anchor::Above);
    s.note(s.sym(Quantity::ConduitWidth), {86, kBottom}, Anchor::Below);
    s.note(s.sym(Quantity::GivenOutflow), {94.5, 22.5}, Anchor::Above);
    return s.done();
}

// Cases D and E: the network above, the bypass that takes part of its flow
// down into the tank, and the flow Qp that goes on downstream.
constexpr double kNetBottom = 40;
constexpr double kNetTop = 46;
constexpr double kLowBottom = 8;
constexpr double kLowWater = 22;

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

Drawing caseD()
{
    Sketch s('D', "Caso D: depósito en derivación");
    network(s, {{58, 30}, {58, kNetBottom}, {99, kNetBottom}});
    s.line({{kTankLeft, 30}, {kTankLeft, kLowBottom}, {80, kLowBottom}, {80, 30}}, 2);
    s.arrow({62, 43}, {84, 43});
    s.note(s.sym(Quantity::GivenOutflow), {88, kNetTop + 0.5}, Anchor::Above);
    s.note(s.sym(Quantity::GivenVolume), {68, 15}, Anchor::Centre);
    return s.done();
}

Drawing caseE()
{
    Sketch s('E', "Caso E: depósito en derivación que desagua a la red");
    network(s, {{58, 30}, {58, kNetBottom}, {92, kNetBottom}, {92, 12}, {80, 12}, {80, 30}});
    s.line({{kTankLeft, 30}, {kTankLeft, kLowBottom}, {97, kLowBottom}, {97, kNetBottom}, {99, kNetBottom}}, 2);
    // The tank drains back to the network through its outlet conduit.
    s.area({{80, kLowBottom}, {97, kLowBottom}, {97, 12}, {80, 12}}, Fill::Water);
    s.arrow({94.5, 14}, {94.5, 37});
    s.arrow({62, 43}, {86, 43});
    s.note(s.sym(Quantity::GivenOutflow), {94, kNetTop + 0.5}, Anchor::Above);
    s.note(s.sym(Quantity::GivenSurface), {68, kLowWater + 0.5}, Anchor::Above);
    s.dimension({48, kLowBottom}, {48, kLowWater});
    s.note(s.height(), {49, 15}, Anchor::RightOf);
    s.dimension({86, kLowBottom}, {86, 12});
    s.note(s.sym(Quantity::OpeningHeight), {86, 12.5}, Anchor::Above);
    s.note(s.sym(Quantity::ConduitWidth), {89, kLowBottom}, Anchor::Below);
    // L has no place of its own on the charts: it enters them only through
    // the reduced surface.
    s.caption("L entra en el ábaco solo a través de su abscisa, " +
              caseEFigures(CalculationType::Surface, nullptr, Separators{",", "."}).front().x.title + ".");
    return s.done();
}

} // namespace

Drawing caseDrawing(char letter, CaseAOutlet outlet, OutletConduit conduit)
{
    switch (letter) {
    case 'A':
        return caseA(outlet);
    case 'B':
        return caseB(conduit);
    case 'C':
        return caseC();
    case 'D':
        return caseD();
    default:
        return caseE();
    }
}

Drawing caseDrawing(const CaseInput& input)
{
    const auto* a = std::get_if<CaseAInput>(&input);
    const auto* b = std::get_if<CaseBInput>(&input);
    return caseDrawing(caseLetter(input), a ? a->outlet : CaseAOutlet::Orifice,
                       b ? b->conduit : OutletConduit::Rectangular);
}

} // namespace retencion::figures
