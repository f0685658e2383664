#include "panels/field_faces.h"

#include "cases/a/case_a_engine.h"

#include <string_view>

namespace retencion {
namespace {

bool holds(const When& when, Choice choice)
{
    return (choice.calculation == CalculationType::None || !when.calculations ||
            (when.calculations & When::bitOf(choice.calculation))) &&
           (choice.outlet == Outlet::None || !when.outlets || (when.outlets & When::bitOf(choice.outlet)));
}

template <class Row> const Row* rowOf(std::span<const Row> rows, const char* control, Choice choice)
{
    for (const Row& row : rows)
        if (std::string_view(row.control) == control && holds(row.when, choice)) return &row;
    return nullptr;
}

template <class Row> FieldFace faceOf(const Row* row, bool shown)
{
    if (!row) return {};
    FieldFace face{QString::fromUtf8(row->symbol), QString::fromUtf8(row->meaning), QString::fromUtf8(row->unit),
                   shown, QString::fromUtf8(row->meaning)};
    if constexpr (requires { row->toolTip; })
        if (row->toolTip) face.toolTip = QString::fromUtf8(row->toolTip);
    return face;
}

// A field the options hide keeps the face it has with no outlet chosen.
template <class Row> FieldFace faceIn(std::span<const Row> rows, const char* control, Choice choice)
{
    if (const Row* row = rowOf(rows, control, choice)) return faceOf(row, true);
    return faceOf(rowOf(rows, control, {choice.calculation, Outlet::None}), false);
}

} // namespace

Choice choiceOf(const CaseFields& table, const QStringList& options)
{
    Choice choice;
    const QString letter(QLatin1Char(table.letter));
    for (const QString& name : options) {
        if (name == letter + QStringLiteral("Option1")) choice.calculation = table.first;
        if (name == letter + QStringLiteral("Option2")) choice.calculation = CalculationType::Outflow;
        for (const OutletOption& o : table.outlets)
            if (name == QLatin1String(o.control)) choice.outlet = o.outlet;
    }
    return choice;
}

const InputField* shownInput(const CaseFields& table, const char* control, Choice choice)
{
    return rowOf(table.inputs, control, choice);
}

const ResultField* shownResult(const CaseFields& table, const char* control, Choice choice)
{
    return rowOf(table.results, control, choice);
}

const ResultField* shownResult(const CaseFields& table, bool height, Choice choice)
{
    for (const ResultField& r : table.results)
        if (r.height == height) return rowOf(table.results, r.control, choice);
    return nullptr;
}

FieldFace inputFace(const CaseFields& table, const char* control, Choice choice)
{
    return faceIn(table.inputs, control, choice);
}

FieldFace resultFace(const CaseFields& table, const char* control, Choice choice)
{
    return faceIn(table.results, control, choice);
}

QString resultTip(char letter, const char* control, Choice choice, const Separators& separators)
{
    if (letter != 'A' || std::string_view(control) != "AH") return {};
    const bool weir = choice.outlet == Outlet::Weir;
    return (weir ? QStringLiteral("Altura de agua sobre el vertedero, según ")
                 : QStringLiteral("Altura de agua sobre el orificio, según ")) +
           QString::fromStdString(caseAHeadLaw(weir ? CaseAOutlet::Weir : CaseAOutlet::Orifice, separators));
}

QString captionOf(const FieldFace& face)
{
    return face.symbol + QStringLiteral(" =");
}

} // namespace retencion
