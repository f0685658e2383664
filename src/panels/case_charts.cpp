#include "panels/case_charts.h"

#include "figures/case_figures.h"
#include "numbers/read_number.h"

namespace retencion {
namespace {

// The power curves shown are those around the ho of the last reading, or of
// the field before any.
std::vector<figures::Figure> caseCCharts(Choice choice, const CaseInput* lastInput, const CaseResult* result,
                                         const QMap<QString, QString>& fields, const Separators& s)
{
    CaseCInput in = lastInput ? std::get<CaseCInput>(*lastInput) : CaseCInput{};
    if (!result) {
        in.ho = ReadField(fields.value(QStringLiteral("CHO")).toStdString(), s).value;
        in.calculation = choice.calculation;
    }
    return figures::caseCFigures(in, result, s);
}

} // namespace

std::vector<figures::Figure> caseCharts(char letter, Choice choice, const CaseInput* lastInput,
                                        const CaseResult* result, const QMap<QString, QString>& fields,
                                        const Separators& s)
{
    switch (letter) {
    case 'A':
        return figures::caseAFigures(choice.outlet == Outlet::Weir ? CaseAOutlet::Weir : CaseAOutlet::Orifice,
                                     choice.calculation, result, s);
    case 'B':
        return figures::caseBFigures(choice.outlet == Outlet::Circular ? OutletConduit::Circular
                                                                       : OutletConduit::Rectangular,
                                     choice.calculation, result, s);
    case 'C':
        return caseCCharts(choice, lastInput, result, fields, s);
    case 'D':
        return figures::caseDFigures(choice.calculation, result, s);
    default:
        return figures::caseEFigures(choice.calculation, result, s);
    }
}

} // namespace retencion
