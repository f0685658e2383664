#include "cases/refusal_text.h"

#include "cases/field_table.h"
#include "cases/formulas.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace retencion {
namespace {

using Q = Quantity;

struct Description {
    Q quantity;
    const char* symbol; // the formula of a derived quantity; none: a typed value, named as its field is
    const char* unit;   // empty: dimensionless
    bool minutes;       // held in seconds, shown in minutes
    std::initializer_list<Q> explainedBy;
    bool timeInSeconds = false; // a formula that takes Tp in seconds
};

// How a sentence names each quantity, and which typed values explain a
// derived one.
// clang-format off
const Description kDescriptions[] = {
    {Q::InflowPeak, nullptr, "m³/s", false, {}},
    {Q::PeakTime, nullptr, "min", true, {}},
    {Q::BaseTime, nullptr, "min", true, {Q::PeakTime}},
    {Q::OrificeDiameter, nullptr, "m", false, {}},
    {Q::WeirLength, nullptr, "m", false, {}},
    {Q::OutletSize, nullptr, "m", false, {}},
    {Q::DischargeCoef, nullptr, "", false, {}},
    {Q::BaseFlow, nullptr, "m³/s", false, {Q::InflowPeak}},
    {Q::ConduitWidth, nullptr, "m", false, {}},
    {Q::ConduitDiameter, nullptr, "m", false, {}},
    {Q::ConduitCount, nullptr, "", false, {}},
    {Q::OpeningHeight, nullptr, "m", false, {}},
    {Q::Length, nullptr, "m", false, {}},
    {Q::GivenOutflow, nullptr, "m³/s", false, {Q::InflowPeak, Q::BaseFlow}},
    {Q::GivenSurface, nullptr, "m²", false, {}},
    {Q::GivenVolume, nullptr, "m³", false, {}},
    {Q::HydrographRatio, "2·Tp/Tb", "", false, {Q::PeakTime, Q::BaseTime}},
    {Q::FlowRatio, formula::kFlowRatio, "", false, {Q::GivenOutflow, Q::InflowPeak}},
    {Q::OutletParameter, "x", "", false,
     {Q::GivenSurface, Q::InflowPeak, Q::PeakTime, Q::BaseTime, Q::OrificeDiameter, Q::WeirLength, Q::OutletSize,
      Q::DischargeCoef}},
    {Q::BaseFlowRatio, "Qb/Ip", "", false, {Q::BaseFlow, Q::InflowPeak}},
    {Q::PeakReduction, formula::kPeakReduction, "%", false, {Q::GivenOutflow, Q::InflowPeak}},
    {Q::SurfaceCoefficient, "Qb^0.75·Sup·(Ip/B)^0.5/Tp", "", false,
     {Q::BaseFlow, Q::GivenSurface, Q::InflowPeak, Q::ConduitWidth, Q::PeakTime}, true},
    {Q::DepthParameter, "Ip^3.5·Tp/Sup/B^2.5", "", false,
     {Q::InflowPeak, Q::PeakTime, Q::GivenSurface, Q::ComputedSurface, Q::ConduitWidth}, true},
    {Q::SurfaceIndex, "Sup/(Tp·B²)", "", false, {Q::GivenSurface, Q::PeakTime, Q::ConduitWidth}, true},
    {Q::VolumeRate, "Vol/Tp", "m³/s", false, {Q::GivenVolume, Q::PeakTime}, true},
    {Q::ReducedSurface, "(Sup/Tp)·(L/ho)^0.3", "", false,
     {Q::GivenSurface, Q::PeakTime, Q::Length, Q::OpeningHeight}, true},
    {Q::DepthIndex, "Sup/Tp/B", "m/s", false, {Q::GivenSurface, Q::ComputedSurface, Q::PeakTime, Q::ConduitWidth},
     true},
    {Q::ComputedOutflow, "Qp calculado", "m³/s", false,
     {Q::GivenSurface, Q::InflowPeak, Q::BaseFlow, Q::ConduitDiameter, Q::ConduitCount, Q::PeakTime}},
    {Q::ComputedSurface, "Sup calculada", "m²", false, {Q::GivenOutflow, Q::InflowPeak}},
    {Q::ComputedVolume, "Vol calculado", "m³", false, {Q::GivenOutflow, Q::InflowPeak, Q::PeakTime}},
};
// clang-format on

const Description& describe(Q q)
{
    for (const Description& d : kDescriptions)
        if (d.quantity == q) return d;
    return kDescriptions[0];
}

// Whether a quantity is a typed input, a value derived from several, or a
// result the calculation found.
bool isComputed(Q q)
{
    return q == Q::ComputedOutflow || q == Q::ComputedSurface || q == Q::ComputedVolume;
}

// A value a double cannot hold, in words.
std::string outOfReach(double v)
{
    if (std::isnan(v)) return "indefinido";
    return v > 0 ? "demasiado grande" : "negativo y demasiado grande";
}

class Writer {
public:
    explicit Writer(const Separators& separators) : m_separators(separators) {}

    // A number to six significant digits, in fixed notation, without
    // trailing zeros.
    std::string number(double v) const { return FormatSignificant(v, 6, m_separators); }

    // A value of quantity q, with its unit: times in minutes.
    std::string value(Q q, double v) const
    {
        const Description& d = describe(q);
        if (!std::isfinite(v)) return "un valor " + outOfReach(v);
        std::string text = number(d.minutes ? v / 60.0 : v);
        if (*d.unit) text += std::string(" ") + d.unit;
        return text;
    }

    std::string bound(Q q, double v) const { return number(describe(q).minutes ? v / 60.0 : v); }

    // A symbol, its exponents written with the regional decimal separator.
    std::string symbol(Q q) const
    {
        std::string out;
        for (const char* c = quantitySymbol(q); *c; ++c) {
            if (*c == '.')
                out += m_separators.decimal;
            else
                out += *c;
        }
        return out;
    }

private:
    const Separators& m_separators;
};

std::optional<double> find(std::span<const KnownValue> known, Q q)
{
    for (const KnownValue& k : known)
        if (k.quantity == q) return k.value;
    return std::nullopt;
}

} // namespace

std::optional<Q> missingValue(const Refusal& refusal, std::span<const KnownValue> known)
{
    if (refusal.fault == Fault::NoCalculationChosen) return std::nullopt; // nothing typed is missing there
    const Q q = refusal.quantity;
    auto missing = [&](Q part) {
        return std::any_of(known.begin(), known.end(),
                           [part](const KnownValue& k) { return k.quantity == part && k.missing; });
    };
    if (missing(q)) return q;
    for (Q part : describe(q).explainedBy)
        if (missing(part)) return part;
    return std::nullopt;
}

namespace {

// " (Qp = 0,8 m³/s, Ip = 10 m³/s)", from the values known that make q up.
std::string explanation(Q q, std::span<const KnownValue> known, const Writer& w)
{
    std::string out;
    for (Q part : describe(q).explainedBy) {
        const auto v = find(known, part);
        if (!v) continue;
        out += out.empty() ? " (" : ", ";
        out += w.symbol(part) + " = " + w.value(part, *v);
        if (describe(part).minutes && describe(q).timeInSeconds) out += " = " + w.number(*v) + " s";
    }
    return out.empty() ? out : out + ")";
}

// "0 < Ip ≤ 130 m³/s", "L ≥ 0,2 m", "Vol/Tp ≤ 40 m³/s".
std::string interval(Q q, const StudiedRange& range, const Writer& w)
{
    const Description& d = describe(q);
    const std::string symbol = w.symbol(q);
    std::string out;
    if (range.low && range.high) {
        out = w.bound(q, range.low->value) + (range.low->included ? " ≤ " : " < ") + symbol +
              (range.high->included ? " ≤ " : " < ") + w.bound(q, range.high->value);
    } else if (range.low) {
        out = symbol + (range.low->included ? " ≥ " : " > ") + w.bound(q, range.low->value);
    } else if (range.high) {
        out = symbol + (range.high->included ? " ≤ " : " < ") + w.bound(q, range.high->value);
    }
    if (*d.unit) out += std::string(" ") + d.unit;
    return out;
}

std::string sentence(const Refusal& refusal, std::span<const KnownValue> known, const Writer& w)
{
    const Q q = refusal.quantity;
    const std::string symbol = w.symbol(q);
    const std::string why = explanation(q, known, w);
    const auto missing = missingValue(refusal, known);
    if (missing && *missing == q)
        return "Falta el valor de " + symbol + ": el intervalo estudiado es " + interval(q, refusal.range, w) + why +
               ".";
    if (missing)
        return "Falta el valor de " + w.symbol(*missing) + ", y sin él " + symbol + " = " + w.value(q, refusal.value) +
               " queda fuera del intervalo estudiado " + interval(q, refusal.range, w) + ".";
    switch (refusal.fault) {
    case Fault::OutsideStudiedRange: {
        const bool finite = std::isfinite(refusal.value);
        const std::string head = finite ? symbol + " = " + w.value(q, refusal.value) + ": "
                                        : symbol + ": el valor es " + outOfReach(refusal.value) + "; ";
        if (isComputed(q))
            return head + "no es una respuesta física; el intervalo admisible es " + interval(q, refusal.range, w) +
                   why + ".";
        return head + "el intervalo estudiado es " + interval(q, refusal.range, w) + why + ".";
    }
    case Fault::NotWholeNumber:
        return symbol + " = " + w.value(q, refusal.value) + ": " + symbol +
               " cuenta conductos y debe ser un número entero, dentro del intervalo estudiado " +
               interval(q, refusal.range, w) + ".";
    case Fault::NoOutlet:
        return "No se ha elegido el tipo de salida: sin orificio ni vertedero no hay ábaco que leer.";
    case Fault::ChartHasNoValue:
        return symbol + " = " + w.value(q, refusal.value) +
               ": el ábaco no tiene valores ahí, porque una de las curvas que se interpolan termina antes" + why + ".";
    case Fault::OutsideCurve:
        return symbol + " = " + w.value(q, refusal.value) + ": queda fuera de las curvas del ábaco, que solo cubren " +
               interval(q, refusal.range, w) + why + ".";
    case Fault::NotFinite:
        return "Con estos datos el resultado no se puede calcular" + why + ".";
    case Fault::NoCalculationChosen:
        return "No se ha elegido el tipo de cálculo: sin superficie, " + symbol + " = " + w.value(q, refusal.value) +
               " queda fuera del intervalo estudiado " + interval(q, refusal.range, w) + ".";
    }
    return {};
}

} // namespace

const char* quantitySymbol(Quantity q)
{
    const char* formula = describe(q).symbol;
    if (formula) return formula;
    const char* typed = inputSymbol(q);
    return typed ? typed : "";
}

const char* quantityUnit(Quantity q)
{
    return describe(q).unit;
}

std::string describeNotANumber(std::string_view text, Quantity q)
{
    std::string out = "El texto de ";
    out.append(quantitySymbol(q)).append(", «").append(text).append("», no es un número. Escriba solo el número");
    const char* unit = describe(q).unit;
    if (*unit) out.append(", en ").append(unit);
    return out + ".";
}

std::string describeRefusal(const Refusal& refusal, std::span<const KnownValue> known, const Separators& separators,
                            CalculationType calculation)
{
    const std::string text = sentence(refusal, known, Writer(separators));
    // Case E says it in its own words when the missing choice is the fault.
    if (calculation != CalculationType::None || refusal.fault == Fault::NoCalculationChosen) return text;
    return "No se ha elegido el tipo de cálculo. " + text;
}

} // namespace retencion
