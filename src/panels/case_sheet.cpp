#include "panels/case_sheet.h"

#include "cases/a/case_a_engine.h"
#include "figures/case_drawings.h"
#include "figures/routing_figures.h"
#include "figures/sizing_curve.h"
#include "numbers/format_number.h"
#include "numbers/read_number.h"
#include "panels/case_charts.h"
#include "panels/case_forms.h"
#include "panels/field_faces.h"
#include "panels/form_calculation.h"
#include "panels/routing_summary.h"
#include "routing/chart_check.h"
#include "routing/routing_curve.h"

#include <algorithm>
#include <iterator>

namespace retencion {
namespace {

std::u16string_view viewOf(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// An input as typed: the number read, "(vacío)", or the text refused.
QString inputValue(const QString& typed, const Separators& s)
{
    const FieldNumber n = ReadField(viewOf(typed), s);
    if (n.text == FieldText::Empty) return QStringLiteral("(vacío)");
    if (n.text == FieldText::NotANumber) return QStringLiteral("«%1» (no es un número)").arg(typed.trimmed());
    return QString::fromStdString(FormatSignificant(n.value, 6, s));
}

void addChoices(CaseReport& r, const CaseFields& table, const CaseState& state)
{
    const QString letter(QLatin1Char(table.letter));
    QString chosen = QString::fromUtf8(kNoneChosen);
    if (state.options.contains(letter + QStringLiteral("Option1"))) chosen = QString::fromUtf8(table.firstCalculation.caption);
    if (state.options.contains(letter + QStringLiteral("Option2"))) chosen = QString::fromUtf8(kOutflowOption.caption);
    r.choices.push_back({QString::fromUtf8(kCalculationGroup), chosen});
    if (!table.outletGroup) return;
    chosen = QString::fromUtf8(kNoneChosen);
    for (const OutletOption& o : table.outlets)
        if (state.options.contains(QLatin1String(o.control))) chosen = QString::fromUtf8(o.text.caption);
    r.choices.push_back({QString::fromUtf8(table.outletGroup), chosen});
}

void addLines(CaseReport& r, const CaseFields& table, const CaseState& state, const Separators& s)
{
    const CaseForm& form = *caseForm(table.letter);
    const Choice choice = choiceOf(table, state.options);
    for (const FieldPlace& place : form.inputs) {
        const FieldFace face = inputFace(table, place.control, choice);
        if (face.shown)
            r.inputs.push_back({face.symbol, face.meaning,
                                inputValue(state.fields.value(QLatin1String(place.control)), s), face.unit});
    }
    for (const FieldPlace& place : form.results) {
        const FieldFace face = resultFace(table, place.control, choice);
        if (!face.shown) continue;
        const QString tip = resultTip(table.letter, place.control, choice, s);
        r.results.push_back({face.symbol, tip.isEmpty() ? face.meaning : tip,
                             state.results.value(QLatin1String(place.control)).trimmed(), face.unit});
    }
}

// Beside the form's weir head, the head under the chart's own law, so that
// a reader of the routing check sees why the two differ.
void addChartWeirHead(CaseReport& r, const CaseAInput& in, const CaseResult& result, const Separators& s)
{
    if (in.outlet != CaseAOutlet::Weir || !result.h) return;
    const double qp = in.calculation == CalculationType::Surface ? in.given : *result.main;
    const double chartHead = caseAChartWeirHead(qp, in.ck, in.dl);
    const auto h = std::find_if(r.results.begin(), r.results.end(),
                                [](const ReportLine& l) { return l.symbol == QLatin1String("H"); });
    if (h == r.results.end()) return;
    r.results.insert(std::next(h),
                     {h->symbol,
                      QStringLiteral("Altura de agua sobre el vertedero según la ley del ábaco, %1")
                          .arg(QString::fromStdString(caseAChartWeirLaw(s))),
                      QString::fromStdString(FormatNumber(chartHead, caseAMasks(in.calculation).height, s)), h->unit});
}

// Case A: its answer checked by routing the hydrograph through the tank.
void addRoutingCheck(CaseReport& r, const CaseAInput& in, const CaseResult& result, const Separators& s)
{
    addChartWeirHead(r, in, result, s);
    const auto check = routing::checkByRouting(in, result);
    if (!check) return;
    const RoutingSummary summary = summarizeRouting(*check, in, s);
    r.routingText << summary.law << summary.notes.split(QLatin1Char('\n'));
    r.routingTable.push_back({summary.header.what, summary.header.chart, summary.header.routed, summary.header.difference});
    for (const auto& row : summary.rows)
        r.routingTable.push_back({row.what, row.chart, row.routed, row.difference});
    r.routingFigures = figures::routingFigures(check->routed, s);
}

// The sizing curve of the last calculation's inputs; a curve refused over
// its whole sweep says nothing the refusal does not.
std::vector<figures::Figure> sizingCurveOf(const CaseInput& input, const Separators& s)
{
    const figures::SizingCurve curve = figures::sizingCurve(input);
    if (curve.pointCount() == 0) return {};
    std::optional<routing::RoutingCurve> routed;
    if (const auto* a = std::get_if<CaseAInput>(&input)) routed = routing::routingCurve(*a);
    return figures::sizingCurveFigures(curve, routed ? &*routed : nullptr, s);
}

} // namespace

CaseReport caseSheet(const SheetData& data, const Separators& s)
{
    const CaseFields& table = *fieldsOf(data.letter);
    CaseReport r;
    r.caseName = QStringLiteral("Caso %1").arg(QChar::fromLatin1(data.letter));
    r.heading = QString::fromUtf8(table.description);
    // The drawing and the curve of a calculation that asked for something.
    std::optional<CaseInput> asked = data.lastInput;
    if (asked && calculationOf(*asked) == CalculationType::None) asked.reset();
    r.drawing = asked ? figures::caseDrawing(*asked) : figures::caseDrawing(data.letter);
    addChoices(r, table, data.state);
    addLines(r, table, data.state, s);
    r.refused = data.refused;
    r.refusalTitle = data.refusalTitle;
    r.refusal = data.refusal;
    r.search = data.search;
    r.outOfDate = !data.state.outOfDate.isEmpty();
    const CaseResult* result = data.result ? &*data.result : nullptr;
    r.charts = caseCharts(data.letter, choiceOf(table, data.state.options),
                          data.lastInput ? &*data.lastInput : nullptr, result,
                          data.state.fields, s);
    if (asked && data.calculated) r.sizingCurve = sizingCurveOf(*asked, s);
    if (const auto* a = data.lastInput ? std::get_if<CaseAInput>(&*data.lastInput) : nullptr; a && result)
        addRoutingCheck(r, *a, *result, s);
    return r;
}

SheetData calculatedSheet(char letter, const CaseState& state, const Separators& s)
{
    const CaseFields& table = *fieldsOf(letter);
    SheetData data;
    data.letter = letter;
    data.state = state;
    data.state.results.clear();
    data.state.outOfDate.clear();
    const FieldTexts texts = [&state](const char* control) { return state.fields.value(QLatin1String(control)); };
    const FormCalculation c = calculateForm(table, choiceOf(table, state.options), texts, s);
    if (c.notANumber) {
        data.refused = true;
        data.refusalTitle = QStringLiteral("Dato no válido");
        data.refusal = notANumberOf(c, texts);
        return data;
    }
    data.lastInput = c.input;
    data.calculated = true;
    const Choice choice = choiceOf(table, state.options);
    for (const bool height : {false, true})
        if (const ResultField* row = shownResult(table, height, choice))
            data.state.results.insert(QLatin1String(row->control), height ? c.height : c.main);
    if (c.result->outcome == Outcome::Computed) data.result = c.result;
    if (c.result->outOfRange()) {
        const char* culprit = nullptr;
        data.refused = true;
        data.refusal = refusalOf(c, s, &culprit);
    }
    return data;
}

} // namespace retencion
