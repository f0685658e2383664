#pragma once
// "Buscar valor…": asks which input to find (among those the chosen options
// read), which result it must make meet a target (the main result, or H
// where the case has one) and the target's value.

#include "cases/value_search.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace retencion {

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    // `input`: the form as it stands, for its options.
    SearchDialog(const CaseInput& input, QWidget* parent);

    const InputField* unknown() const;
    SearchTarget target() const;
    QString valueText() const;

private:
    void targetChanged();

    CaseInput m_input;
    std::vector<const InputField*> m_unknowns;
    std::vector<SearchTarget> m_targets;
    QComboBox* m_unknown;
    QComboBox* m_target;
    QLineEdit* m_value;
    QLabel* m_unit;
};

} // namespace retencion
