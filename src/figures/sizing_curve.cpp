#include "figures/sizing_curve.h"

#include "cases/field_table.h"
#include "cases/given_sweep.h"
#include "cases/refusal_text.h"
#include "routing/chart_check.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace retencion::figures {
namespace {

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

// The last sample like `before` and the first like `next`, between the
// fractions `tBefore` and `t` of the sweep: found by halving, so that a
// stretch ends where the engine's answer changes.
template <class SampleAt>
std::pair<Sample, Sample> change(const SampleAt& sample, const Sample& before, double tBefore, const Sample& next,
                                 double t)
{
    double lo = tBefore;
    double hi = t;
    Sample loSample = before;
    Sample hiSample = next;
    for (int i = 0; i < 34 && hi - lo > 1e-10; ++i) {
        const double mid = (lo + hi) / 2;
        Sample m = sample(mid);
        if (sameKind(m, before)) {
            lo = mid;
            loSample = std::move(m);
        } else {
            hi = mid;
            hiSample = std::move(m);
        }
    }
    return {std::move(loSample), std::move(hiSample)};
}

SizingCurve sweepOnce(const CaseInput& input, int samples)
{
    SizingCurve curve{input, {}, {}, std::nullopt, 0, 0, false};
    const CalculationType calculation = calculationOf(input);
    if (calculation == CalculationType::None) return curve;
    const GivenSweep sweep = givenSweep(input);
    if (!(std::isfinite(sweep.low) && std::isfinite(sweep.high) && sweep.low < sweep.high) ||
        (sweep.logarithmic && !(sweep.low > 0)))
        return curve;
    curve.low = sweep.low;
    curve.high = sweep.high;
    curve.logarithmic = sweep.logarithmic;

    const CaseResult own = calculate(input);
    if (own.outcome == Outcome::Computed && own.main) curve.operating = CurvePoint{givenOf(input), *own.main};

    auto sample = [&](double t) {
        const double g = sweep.at(t);
        return Sample{g, calculate(withGiven(input, g))};
    };
    samples = std::max(samples, 2);
    Sample before = sample(0);
    // An open end (Qp = 0) is met from inside.
    if (!sweep.logarithmic && sweep.low == 0) before = sample(1e-9);
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
            const auto [loSample, hiSample] = change(sample, before, tBefore, next, t);
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

CurveNames curveNames(const CaseInput& input)
{
    const bool volume = std::holds_alternative<CaseDInput>(input);
    const std::string what = volume ? "Vol" : "Sup";
    const std::string unit = volume ? "m³" : "m²";
    if (calculationOf(input) == CalculationType::Outflow)
        return {what + " (" + unit + ")", "Qp (m³/s)", what, "Qp", unit, "m³/s"};
    return {"Qp (m³/s)", what + " (" + unit + ")", "Qp", what, "m³/s", unit};
}

namespace {

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

std::vector<Figure> sizingCurveFigures(const SizingCurve& curve, const routing::RoutingCurve* routing,
                                       const Separators& separators)
{
    const CurveNames names = curveNames(curve.input);
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
        for (const auto& p : routing->points) {
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
        for (const auto& p : routing->points)
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
    // Case A names its outlet size as the routing's export does.
    if (const auto* a = std::get_if<CaseAInput>(&input)) return caseAInputLines(*a, s);
    auto value = [&s](double v) { return FormatSignificant(v, 6, s); };
    std::vector<InputLine> lines;
    // The fields the options ask for, as the form names them, and the given
    // value last.
    const auto given = [](Quantity q) {
        return q == Quantity::GivenOutflow || q == Quantity::GivenSurface || q == Quantity::GivenVolume;
    };
    for (const InputField& f : fieldsOf(input).inputs) {
        if (given(f.quantity) || inputField(input, f.control) != &f) continue;
        const double v = f.slot.get(input);
        lines.push_back({f.symbol, value(f.minutes ? v / 60 : v), f.unit});
    }
    if (calculationOf(input) != CalculationType::None) {
        const CurveNames names = curveNames(input);
        lines.push_back({names.givenSymbol, value(givenOf(input)), names.givenUnit});
    }
    return lines;
}

} // namespace retencion::figures
