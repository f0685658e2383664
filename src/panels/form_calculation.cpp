#include "panels/form_calculation.h"

#include "cases/refusal_text.h"
#include "numbers/format_number.h"
#include "numbers/read_number.h"

#include <algorithm>

namespace retencion {
namespace {

std::u16string_view viewOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

void writeResults(FormCalculation& c, const CaseFields& table, Choice choice, const Separators& s)
{
    const CaseResult& result = *c.result;
    if (const ResultField* main = shownResult(table, false, choice); main && result.main)
        c.main = QString::fromStdString(FormatNumber(*result.main, main->mask, s));
    const ResultField* height = shownResult(table, true, choice);
    c.hasHeight = height != nullptr;
    if (height && result.h) c.height = QString::fromStdString(FormatNumber(*result.h, height->mask, s));
}

} // namespace

FormCalculation calculateForm(const CaseFields& table, Choice choice, const FieldTexts& texts,
                              const Separators& separators)
{
    FormCalculation c{blankInput(table.letter, choice.calculation, choice.outlet), {}, nullptr, {}, {}, {}, false};
    for (const InputField& f : table.inputs) {
        if (!f.when.holds(choice.calculation, choice.outlet) && !f.heldWhenHidden) continue;
        const QString text = texts(f.control);
        const FieldNumber n = f.minutes ? ReadFieldMinutes(viewOf(text), separators) : ReadField(viewOf(text), separators);
        f.slot.set(c.input, n.value);
        c.values.push_back({f.quantity, n.value, f.control, n.text == FieldText::Empty,
                            n.text == FieldText::NotANumber});
    }
    const auto refused = std::find_if(c.values.begin(), c.values.end(), [](const ReadValue& v) { return v.notANumber; });
    if (refused != c.values.end()) {
        c.notANumber = &*refused;
        return c;
    }
    c.result = calculate(c.input);
    writeResults(c, table, choice, separators);
    return c;
}

QString refusalOf(const FormCalculation& c, const Separators& separators, const char** culprit)
{
    *culprit = nullptr;
    if (!c.result || !c.result->refusal) return {};
    const CalculationType calculation = calculationOf(c.input);
    std::vector<KnownValue> known;
    for (const ReadValue& r : c.values)
        known.push_back({r.quantity, r.value, r.missing});
    if (c.result->main) known.push_back({computedQuantity(calculation), *c.result->main});
    // The empty field to fill in, or else the refused value's own.
    const Quantity wanted = missingValue(*c.result->refusal, known).value_or(c.result->refusal->quantity);
    for (const ReadValue& r : c.values)
        if (r.quantity == wanted) *culprit = r.control;
    return QString::fromStdString(describeRefusal(*c.result->refusal, known, separators, calculation));
}

QString notANumberOf(const FormCalculation& c, const FieldTexts& texts)
{
    if (!c.notANumber) return {};
    return QString::fromStdString(describeNotANumber(texts(c.notANumber->control).toStdString(), c.notANumber->quantity));
}

} // namespace retencion
