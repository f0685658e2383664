#pragma once
// What a field of a case's form shows under the options chosen: the symbol
// of its caption, the meaning its tool tip gives, its unit, and whether it
// shows at all; read from the case's field table, for the form and for the
// calculation sheet alike.

#include "cases/field_table.h"
#include "numbers/separators.h"

#include <QString>
#include <QStringList>

namespace retencion {

// The options chosen on a case's form.
struct Choice {
    CalculationType calculation = CalculationType::None;
    Outlet outlet = Outlet::None;
};

// The choice that the option controls named in `options` make on the form
// of `table`'s case; names of other controls are passed over.
Choice choiceOf(const CaseFields& table, const QStringList& options);

struct FieldFace {
    QString symbol;  // "Ip"
    QString meaning; // "Caudal punta del hidrograma de entrada"
    QString unit;    // "m³/s", or empty
    bool shown = false;
    QString toolTip; // the form's tool tip: the meaning, or as the table words it for the form
};

// The row of the input or result field `control` that the form shows under
// `choice`, or null where the options hide the field.
const InputField* shownInput(const CaseFields& table, const char* control, Choice choice);
const ResultField* shownResult(const CaseFields& table, const char* control, Choice choice);
// The main result's row (or, with `height`, H's) under `choice`; null
// where the case has none.
const ResultField* shownResult(const CaseFields& table, bool height, Choice choice);

// The face of the input or result field `control`. Until an option is
// chosen the field reads as under the first the table gives it (Qp, the
// orifice's D, the rectangular conduit's B); a field that no row gives
// under the options chosen is hidden, and keeps its face.
FieldFace inputFace(const CaseFields& table, const char* control, Choice choice);
FieldFace resultFace(const CaseFields& table, const char* control, Choice choice);

// A result's tool tip, where its case says how it was found: case A's head
// H and the law it comes from. Empty for any other result.
QString resultTip(char letter, const char* control, Choice choice, const Separators& separators);

// "Qp =": a field's caption.
QString captionOf(const FieldFace& face);

} // namespace retencion
