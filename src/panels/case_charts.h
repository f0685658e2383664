#pragma once
// A case's design charts as its form stands: the options chosen, and the
// point of the last calculation where one was computed.

#include "cases/field_table.h"
#include "figures/figure.h"
#include "numbers/separators.h"
#include "panels/field_faces.h"

#include <QMap>
#include <QString>

#include <vector>

namespace retencion {

// `fields`: the texts of the input fields, by control (case C draws the
// power curves around the ho typed before any calculation).
std::vector<figures::Figure> caseCharts(char letter, Choice choice, const CaseInput* lastInput,
                                        const CaseResult* result, const QMap<QString, QString>& fields,
                                        const Separators& separators);

} // namespace retencion
