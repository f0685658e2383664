#include "figures/sizing_curve.h"

#include "cases/refusal_text.h"
#include "routing/chart_check.h"
#include "routing/tank_routing.h"

#include <algorithm>
#include <cmath>

namespace retencion::figures {
namespace {

double inflowPeak(const CaseInput& input)
{
    return std::visit([](const auto& in) { return in.ip; }, input);
}

struct Sweep {
    double low = 0;
    double high = 0;
    bool log = false;
};

// The given value's whole range. An outflow peak runs up to Ip (from Qb in
// case B, whose hydrograph never falls below it); a surface or volume over
// its own studied range, or where that is open, over what the chart's
// parameter reaches, with a margin either side to show where it ends.
Sweep sweepOf(const CaseInput& input)
{
    const double ip = inflowPeak(input);
    if (calculationOf(input) != CalculationType::Outflow) {
        const double low = std::holds_alternative<CaseBInput>(input) ? std::get<CaseBInput>(input).qb : 0;
        return {low, ip, false};
    }
    return std::visit(
        [](const auto& in) -> Sweep {
            using T = std::decay_t<decltype(in)>;
            if constexpr (std::is_same_v<T, CaseAInput>) return {500, 90000, true};
            if constexpr (std::is_same_v<T, CaseBInput>) return {50, 1e6, true};
            if constexpr (std::is_same_v<T, CaseCInput>) return {50, 1e5, true};
            // W = V/Tp is studied up to 40.
            if constexpr (std::is_same_v<T, CaseDInput>) return {0.2 * in.tp, 50 * in.tp, true};
            // x = (S/Tp)·(L/ho)^0.3 is studied from 0.4 to 8.
            if constexpr (std::is_same_v<T, CaseEInput>) {
                const double perX = in.tp / std::pow(in.l / in.ho, 0.3);
                return {0.2 * perX, 12 * perX, true};
            }
        },
        input);
}

double at(const Sweep& s, double t)
{
    return s.log ? s.low * std::pow(s.high / s.low, t) : s.low + (s.high - s.low) * t;
}

// What the engine gives at one value: a main result, or the reason it
// refuses. An out-of-range result that still carries a main value (a depth
// refused last) is refused all the same.
struct Sample {
    double given = 0;
    CaseResult result;
    bool computed() const { return result.outcome == Outcome::Computed && result.main.has_value(); }
};

bool sameKind(const Sample& a, const Sample& b)
{
    if (a.computed() || b.computed()) return a.computed() == b.computed();
    if (!a.result.refusal || !b.result.refusal) return !a.result.refusal == !b.result.refusal;
    return a.result.refusal->quantity == b.result.refusal->quantity &&
           a.result.refusal->fault == b.result.refusal->fault;
}

} // namespace

std::size_t SizingCurve::pointCount() const
{
    std::size_t n = 0;
    for (const auto& r : runs)
        n += r.size();
    return n;
}

namespace {

SizingCurve sweepOnce(const CaseInput& input, int samples)
{
    SizingCurve curve{input, {}, {}, std::nullopt, 0, 0, false};
    const CalculationType calculation = calculationOf(input);
    if (calculation == CalculationType::None) return curve;
    const Sweep sweep = sweepOf(input);
    if (!(std::isfinite(sweep.low) && std::isfinite(sweep.high) && sweep.low < sweep.high) ||
        (sweep.log && !(sweep.low > 0)))
        return curve;
    curve.low = sweep.low;
    curve.high = sweep.high;
    curve.logarithmic = sweep.log;

    const CaseResult own = calculate(input);
    if (own.outcome == Outcome::Computed && own.main) curve.operating = CurvePoint{givenOf(input), *own.main};

    auto sample = [&](double t) {
        const double g = at(sweep, t);
        return Sample{g, calculate(withGiven(input, g))};
    };
    samples = std::max(samples, 2);
    Sample before = sample(0);
    // An open end (Qp = 0) is met from inside.
    if (!sweep.log && sweep.low == 0) before = sample(1e-9);
    double tBefore = 0;
    std::vector<CurvePoint> line;
    double stretchFrom = before.given;
    auto closeStretch = [&](const Sample& last, double to) {
        if (last.computed()) {
            if (!line.empty()) curve.runs.push_back(std::move(line));
            line.clear();
        } else if (last.result.refusal && stretchFrom < to) {
            // The first stretch reaches the end of the sweep, open or not.
            curve.refused.push_back(
                {curve.refused.empty() && curve.runs.empty() ? sweep.low : stretchFrom, to, *last.result.refusal});
        }
    };
    if (before.computed()) line.push_back({before.given, *before.result.main});
    for (int k = 1; k <= samples; ++k) {
        const double t = double(k) / samples;
        Sample next = sample(t);
        if (!sameKind(before, next)) {
            // The change lies between the two samples: found by halving, so
            // that a stretch ends where the engine's answer changes.
            double lo = tBefore;
            double hi = t;
            Sample loSample = before;
            Sample hiSample = next;
            for (int i = 0; i < 34 && hi - lo > 1e-10; ++i) {
                const double mid = (lo + hi) / 2;
                Sample m = sample(mid);
                if (sameKind(m, before)) {
                    lo = mid;
                    loSample = m;
                } else {
                    hi = mid;
                    hiSample = m;
                }
            }
            if (loSample.computed() && loSample.given != before.given)
                line.push_back({loSample.given, *loSample.result.main});
            closeStretch(before, loSample.given);
            stretchFrom = hiSample.given;
            if (hiSample.computed()) line.push_back({hiSample.given, *hiSample.result.main});
        }
        if (next.computed() && (line.empty() || line.back().given != next.given))
            line.push_back({next.given, *next.result.main});
        before = std::move(next);
        tBefore = t;
    }
    closeStretch(before, before.given);
    return curve;
}

} // namespace

SizingCurve sizingCurve(const CaseInput& input, int samples)
{
    SizingCurve curve = sweepOnce(input, samples);
    // Where the engine refuses most of the sweep, denser samples keep as
    // many points on the line.
    const std::size_t n = curve.pointCount();
    if (n > 1 && n < std::size_t(samples) * 5 / 6)
        curve = sweepOnce(input, int(double(samples) * samples / double(n) * 1.1));
    return curve;
}

RoutingCurve routingCurve(const CaseAInput& input, int count, const std::function<bool(int, int)>& progress)
{
    RoutingCurve out;
    if (input.outlet == CaseAOutlet::None || input.calculation == CalculationType::None || count < 2) return out;
    const Sweep sweep = sweepOf(input);
    routing::RoutingInput r{
        input.ip, input.tp,
        input.tb, input.outlet == CaseAOutlet::Weir ? routing::Outlet::Weir : routing::Outlet::Orifice,
        input.dl, input.ck,
        0};
    const bool surface = input.calculation == CalculationType::Surface;
    for (int k = 0; k < count; ++k) {
        // Inside the ends: no tank gives Qp = Ip, and none gives Qp = 0.
        const double t = surface ? (k + 0.5) / count : double(k) / (count - 1);
        const double given = at(sweep, t);
        CaseAInput in = input;
        in.given = given;
        const CaseResult chart = CaseAEngine(in);
        const std::optional<double> chartMain =
            chart.outcome == Outcome::Computed && chart.main ? chart.main : std::nullopt;
        std::optional<double> routed;
        if (surface) {
            r.surface = chartMain.value_or(0); // the chart's surface is the first guess
            routed = routing::sizeByRouting(r, given);
        } else {
            r.surface = given;
            routing::RoutingOptions quiet;
            quiet.samples = 0;
            if (const auto res = routing::route(r, quiet)) routed = res->peakOutflow;
        }
        if (routed && std::isfinite(*routed)) {
            RoutedPoint p{given, *routed, chartMain, std::nullopt};
            if (chartMain && *routed != 0) p.differencePercent = routing::chartDifferencePercent(*chartMain, *routed);
            out.points.push_back(p);
        }
        if (progress && !progress(k + 1, count)) return out;
    }
    out.complete = true;
    return out;
}

std::string refusalCaption(const Refusal& refusal, const Separators& separators)
{
    const std::string symbol = quantitySymbol(refusal.quantity);
    switch (refusal.fault) {
    case Fault::OutsideStudiedRange:
    case Fault::OutsideCurve: {
        const auto& r = refusal.range;
        const std::string where = refusal.fault == Fault::OutsideCurve ? " fuera de la curva" : " fuera de";
        if (r.low && r.high)
            return symbol + where + " " + number(r.low->value, separators) + "–" + number(r.high->value, separators);
        if (r.high) return symbol + " debe ser ≤ " + number(r.high->value, separators);
        if (r.low) return symbol + " debe ser " + (r.low->included ? "≥ " : "> ") + number(r.low->value, separators);
        return symbol + " fuera del ábaco";
    }
    case Fault::ChartHasNoValue:
        return symbol + ": el ábaco no tiene valor";
    case Fault::NotFinite:
        return symbol + ": sin resultado finito";
    case Fault::NotWholeNumber:
        return symbol + " debe ser entero";
    case Fault::NoOutlet:
        return "Sin tipo de salida";
    case Fault::NoCalculationChosen:
        return "Sin tipo de cálculo";
    }
    return symbol;
}

namespace {

struct Names {
    std::string given, main; // axis titles
    std::string givenSymbol, mainSymbol, givenUnit, mainUnit;
};

Names namesOf(const CaseInput& input)
{
    const bool volume = std::holds_alternative<CaseDInput>(input);
    const std::string what = volume ? "Vol" : "Sup";
    const std::string unit = volume ? "m³" : "m²";
    if (calculationOf(input) == CalculationType::Outflow)
        return {what + " (" + unit + ")", "Qp (m³/s)", what, "Qp", unit, "m³/s"};
    return {"Qp (m³/s)", what + " (" + unit + ")", "Qp", what, "m³/s", unit};
}

bool spansDecades(const std::vector<double>& values)
{
    double lo = INFINITY, hi = 0;
    for (double v : values) {
        if (!(v > 0)) return false;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    return !values.empty() && hi / lo > 30;
}

} // namespace

std::vector<Figure> sizingCurveFigures(const SizingCurve& curve, const RoutingCurve* routing,
                                       const Separators& separators)
{
    const Names names = namesOf(curve.input);
    Figure f;
    f.separators = separators;
    f.title = std::string("Curva de dimensionamiento — Caso ") + caseLetter(curve.input);
    f.x.title = names.given;
    f.y.title = names.main;
    f.x.logarithmic = curve.logarithmic;
    std::vector<double> mains;
    bool named = false;
    for (const auto& runPoints : curve.runs) {
        Series s{named ? "" : "Ábaco", {}, Emphasis::Used, 0, {}};
        named = true;
        for (const CurvePoint& p : runPoints) {
            s.points.push_back({p.given, p.main});
            mains.push_back(p.main);
        }
        f.series.push_back(std::move(s));
    }
    const bool withRouting = routing && !routing->points.empty();
    if (withRouting) {
        Series s{"Laminación", {}, Emphasis::Used, 1, {}};
        for (const RoutedPoint& p : routing->points) {
            s.points.push_back({p.given, p.routed});
            mains.push_back(p.routed);
        }
        f.series.push_back(std::move(s));
    }
    f.y.logarithmic = spansDecades(mains);
    for (const RefusedStretch& r : curve.refused)
        f.bands.push_back({{std::min(r.from, r.to), std::max(r.from, r.to)}, refusalCaption(r.refusal, separators)});
    if (curve.operating) {
        f.point = Point{curve.operating->given, curve.operating->main};
        f.pointLabel = names.givenSymbol + " = " + number(curve.operating->given, separators) + " " + names.givenUnit +
                       "; " + names.mainSymbol + " = " + number(curve.operating->main, separators) + " " +
                       names.mainUnit;
    }
    std::vector<Figure> out{std::move(f)};

    if (withRouting) {
        Figure d;
        d.separators = separators;
        d.title = routing::kChartDifferenceCaption;
        d.x = out.front().x;
        d.y.title = "Diferencia (%)";
        Series s{"Diferencia", {}, Emphasis::Used, 2, {}};
        for (const RoutedPoint& p : routing->points)
            if (p.differencePercent) s.points.push_back({p.given, *p.differencePercent});
        if (!s.points.empty()) {
            d.series.push_back(std::move(s));
            d.bands = out.front().bands;
            out.push_back(std::move(d));
        }
    }
    return out;
}

std::vector<InputLine> inputLines(const CaseInput& input, const Separators& s)
{
    auto value = [&s](double v) { return FormatSignificant(v, 6, s); };
    const Names names = namesOf(input);
    return std::visit(
        [&](const auto& in) -> std::vector<InputLine> {
            using T = std::decay_t<decltype(in)>;
            if constexpr (std::is_same_v<T, CaseAInput>) {
                return caseAInputLines(in, s);
            } else {
                std::vector<InputLine> lines{{"Ip", value(in.ip), "m³/s"}, {"Tp", value(in.tp / 60), "min."}};
                if constexpr (std::is_same_v<T, CaseBInput>) {
                    lines.push_back({"Qb", value(in.qb), "m³/s"});
                    const bool circular = in.conduit == OutletConduit::Circular;
                    lines.push_back({circular ? "D" : "B", value(in.size), "m"});
                    if (circular) lines.push_back({"N", value(in.n), ""});
                }
                if constexpr (std::is_same_v<T, CaseCInput>) {
                    lines.push_back({"B", value(in.b), "m"});
                    lines.push_back({"ho", value(in.ho), "m"});
                }
                if constexpr (std::is_same_v<T, CaseEInput>) {
                    lines.push_back({"B", value(in.b), "m"});
                    lines.push_back({"ho", value(in.ho), "m"});
                    lines.push_back({"L", value(in.l), "m"});
                }
                if (in.calculation != CalculationType::None)
                    lines.push_back({names.givenSymbol, value(in.given), names.givenUnit});
                return lines;
            }
        },
        input);
}

std::string sizingCurveCsv(const SizingCurve& curve, const RoutingCurve* routing, const Separators& separators)
{
    const Names names = namesOf(curve.input);
    std::string out = csvHeader(std::string("Caso ") + caseLetter(curve.input) + ": curva de dimensionamiento",
                                inputLines(curve.input, separators));
    auto cell = [&](double v) { return FormatSignificant(v, 8, separators); };
    out += names.given + ";" + names.main + " por el ábaco\n";
    for (const auto& runPoints : curve.runs)
        for (const CurvePoint& p : runPoints)
            out += cell(p.given) + ";" + cell(p.main) + "\n";
    if (!curve.refused.empty()) {
        out += "\nFuera del ábaco desde;hasta;motivo\n";
        for (const RefusedStretch& r : curve.refused)
            out += cell(r.from) + ";" + cell(r.to) + ";" + refusalCaption(r.refusal, separators) + "\n";
    }
    if (routing && !routing->points.empty()) {
        out += "\n" + names.given + ";" + names.main + " por laminación;" + names.main + " por el ábaco;" +
               routing::kChartDifferenceCaption + "\n";
        for (const RoutedPoint& p : routing->points)
            out += cell(p.given) + ";" + cell(p.routed) + ";" + (p.chart ? cell(*p.chart) : "") + ";" +
                   (p.differencePercent ? cell(*p.differencePercent) : "") + "\n";
    }
    return out;
}

} // namespace retencion::figures
