#pragma once
// The fields of a case's form as a person sees them: each with its caption
// and unit label, their texts and tool tips following the options chosen
// (from the case's field table), the results written and greyed when they
// no longer answer the form, and what a screen reader says of each.

#include "cases/field_table.h"
#include "panels/field_faces.h"

#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;

namespace retencion {

struct FormField {
    QLineEdit* field;
    QLabel* caption;
    QLabel* unit; // may be null
    bool result;
};

class FormFields {
public:
    explicit FormFields(const CaseFields& table) : m_table(table) {}

    void add(const FormField& f) { m_fields.push_back(f); }
    const std::vector<FormField>& all() const { return m_fields; }

    // Captions, units, tool tips and what shows, as `choice` has them;
    // `resultTip` gives a result's tool tip where its case says how it was
    // found (empty elsewhere).
    void showChoice(Choice choice, const std::function<QString(const char*)>& resultTip);

    // Writes `text` into a result field; `kept` greys the text the field
    // already held as out of date, where the calculation found no value.
    void writeResult(QLineEdit* field, const QString& text, bool kept);
    // Greys a result field whose text no longer belongs to the form; an
    // empty field is never greyed.
    void markResult(QLineEdit* field, bool outOfDate);
    void markResultsOutOfDate();
    bool resultsOutOfDate() const;
    // Runs whenever a result's greying changes.
    std::function<void()> onMarked;

    // "Ip\t10\tm³/s": one line per field shown, inputs and then results;
    // a greyed result ends "\t(resultado anterior)".
    QString valuesTable() const;
    // "Caso A: Qp = 3 m³/s; Ip = 10 m³/s; …": the data as typed.
    QString inputsCaption(char letter) const;

    static bool isOutOfDate(const QLineEdit* result);

private:
    void setToolTipOf(QLineEdit* field, const QString& tip);
    void updateAccessibleNames();

    const CaseFields& m_table;
    std::vector<FormField> m_fields;
};

} // namespace retencion
