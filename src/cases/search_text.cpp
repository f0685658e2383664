#include "cases/search_text.h"

#include "numbers/format_number.h"
#include "numbers/read_number.h"

#include <cmath>

namespace retencion {
namespace {

// The value as typed: minutes for a time held in seconds.
double shown(const InputField& f, double x)
{
    return f.minutes ? x / 60.0 : x;
}

std::string withUnit(std::string number, const char* unit)
{
    if (*unit) number.append(" ").append(unit);
    return number;
}

const ResultField* targetField(const SearchRequest& r)
{
    return resultField(r.input, r.target == SearchTarget::Height);
}

std::string number(double v, const Separators& s)
{
    return FormatSignificant(v, 6, s);
}

// " con Sup = 4000 m²": the given value, when it is not the unknown.
std::string givenText(const SearchRequest& r, const Separators& s)
{
    const CaseInput& in = r.input;
    for (const InputField& f : fieldsOf(in).inputs) {
        const bool given = f.quantity == Quantity::GivenOutflow || f.quantity == Quantity::GivenSurface ||
                           f.quantity == Quantity::GivenVolume;
        if (given && &f != r.unknown && f.when.holds(calculationOf(in), outletOf(in)))
            return std::string(" con ") + f.symbol + " = " + withUnit(number(shown(f, f.slot.get(in)), s), f.unit);
    }
    return {};
}

} // namespace

std::string valueText(const SearchRequest& r, double x, const Separators& s, int minDigits)
{
    const InputField& f = *r.unknown;
    if (f.quantity == Quantity::ConduitCount) return FormatSignificant(x, 12, s);
    const ResultField* target = targetField(r);
    const std::string wanted = target ? FormatNumber(r.value, target->mask, s) : std::string();
    std::string text;
    for (int digits = minDigits; digits <= 12; ++digits) {
        text = FormatSignificant(shown(f, x), digits, s);
        if (!target) break;
        CaseInput at = r.input;
        const double typed = ReadField(text, s).value;
        f.slot.set(at, f.minutes ? typed * 60.0 : typed);
        const auto y = targetOf(calculate(at), r.target);
        if (y && FormatNumber(*y, target->mask, s) == wanted) break;
    }
    return text;
}

std::string unknownText(const SearchRequest& r, double x, const Separators& s)
{
    return std::string(r.unknown->symbol) + " = " + withUnit(valueText(r, x, s), r.unknown->unit);
}

std::string targetText(const SearchRequest& r, const Separators& s)
{
    const ResultField* t = targetField(r);
    if (!t) return {};
    return std::string(t->symbol) + " = " + withUnit(number(r.value, s), t->unit);
}

std::string describeSearch(const SearchRequest& r, const SearchAnswer& a, const Separators& s)
{
    const InputField& f = *r.unknown;
    const ResultField* t = targetField(r);
    const char* symbol = t ? t->symbol : "";
    const char* unit = t ? t->unit : "";
    const std::string given = givenText(r, s);
    if (a.found.size() == 1 && a.whole) {
        CaseInput at = r.input;
        f.slot.set(at, a.found.front());
        const auto y = targetOf(calculate(at), r.target);
        if (a.exact) return unknownText(r, a.found.front(), s) + " da " + targetText(r, s) + given + ".";
        return unknownText(r, a.found.front(), s) + " es el menor número entero que da " + symbol + " no mayor que " +
               withUnit(number(r.value, s), unit) + ": da " + symbol + " = " +
               withUnit(number(y.value_or(0), s), unit) + given + ".";
    }
    if (a.found.size() == 1) return unknownText(r, a.found.front(), s) + " da " + targetText(r, s) + given + ".";
    if (a.found.size() > 1) {
        std::string list;
        for (std::size_t i = 0; i < a.found.size(); ++i)
            list += (i == 0 ? "" : i + 1 == a.found.size() ? " y " : ", ") + unknownText(r, a.found[i], s);
        return "Dan " + targetText(r, s) + given + " " + std::to_string(a.found.size()) + " valores: " + list +
               ". Elija uno.";
    }
    if (!a.unknownSpan || !a.targetSpan)
        return std::string("Con los demás datos, el cálculo no tiene respuesta para ningún valor de ") + f.symbol + ".";
    if (a.unmoved)
        return std::string(f.symbol) + " no cambia " + symbol + ": con los demás datos, " + symbol + " = " +
               withUnit(number(a.targetSpan->low, s), unit) + " para cualquier valor de " + f.symbol + ".";
    return "Ningún valor de " + std::string(f.symbol) + " da " + targetText(r, s) + ". Con los demás datos, " +
           f.symbol + " entre " + number(shown(f, a.unknownSpan->low), s) + " y " +
           withUnit(number(shown(f, a.unknownSpan->high), s), f.unit) + " da " + symbol + " entre " +
           number(a.targetSpan->low, s) + " y " + withUnit(number(a.targetSpan->high, s), unit) + ".";
}

} // namespace retencion
