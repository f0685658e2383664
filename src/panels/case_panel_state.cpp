// A case panel's saved state: what a calculation file keeps of the form,
// and the form shown again from it.

#include "panels/case_panel.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace retencion {

CaseState CasePanel::state() const
{
    CaseState state;
    for (const FormField& f : m_fields.all()) {
        (f.result ? state.results : state.fields).insert(f.field->objectName(), f.field->text());
        if (f.result && FormFields::isOutOfDate(f.field)) state.outOfDate << f.field->objectName();
    }
    for (const QRadioButton* button : m_options)
        if (button->isChecked()) state.options << button->objectName();
    return state;
}

void CasePanel::restore(const CaseState& state)
{
    const QScopedValueRollback restoring(m_restoring, true);
    // As built, with nothing chosen...
    for (const FormField& f : m_fields.all())
        f.field->clear();
    for (QRadioButton* button : m_options) {
        // An exclusive button that is checked cannot be unchecked.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    showChoice();
    // ...then the options chosen, whose handlers set the captions over empty
    // fields, and only then the texts.
    for (const QString& name : state.options)
        if (auto* button = findChild<QRadioButton*>(name)) button->setChecked(true);
    for (const FormField& f : m_fields.all()) {
        const auto& texts = f.result ? state.results : state.fields;
        f.field->setText(texts.value(f.field->objectName()));
        if (f.result) m_fields.markResult(f.field, state.outOfDate.contains(f.field->objectName()));
    }
    showChoice();
    m_last.reset();
    m_calculated = false;
    m_refused = false;
    m_refusal.clear();
    refreshChart();
    resultChanged();
}

} // namespace retencion
