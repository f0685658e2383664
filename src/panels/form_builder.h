#pragma once
// Building a case's form: its description, its option groups, the frames of
// rows of caption, field and unit placed as the case's form says, and the
// "Calcular" button with the results. Widgets only: what they do is the
// panel's.

#include "cases/field_table.h"
#include "panels/case_forms.h"
#include "panels/form_fields.h"

#include <QString>

#include <span>
#include <vector>

class QBoxLayout;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace retencion {

// The caption with its access key underlined: the first occurrence of the
// letter, in either case, gets the ampersand.
QString withAccessKey(const QString& caption, char key);

// A row of the page with `widget` centred on it.
void addCentred(QBoxLayout* layout, QWidget* widget);

// The case's description, one line in a serif face.
QWidget* buildDescription(const char* name, const char* text, QWidget* parent);

struct OptionButton {
    QString name;
    OptionText text;
};
// A group of options in a row; the buttons, in order.
QGroupBox* buildOptionGroup(const char* frameName, const QString& caption, std::span<const OptionButton> options,
                            QWidget* parent, std::vector<QRadioButton*>& buttons);

// A frame of rows: each field of `places` with its caption and unit labels
// in one of the frame's two columns, added to `fields`.
QGroupBox* buildFieldFrame(const char* frameName, const QString& title, std::span<const FieldPlace> places,
                           bool results, QWidget* parent, FormFields& fields);

// A button whose accessible name is its caption.
QPushButton* newButton(const QString& name, const QString& caption, char accessKey, QWidget* parent);

} // namespace retencion
