#include "panels/form_builder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace retencion {
namespace {

QLabel* newLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// Room for the longest value a field is expected to hold, in the field's
// own font, so that nothing typed or shown is clipped at any scale.
void sizeField(QLineEdit* field)
{
    const int digits = field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000"));
    field->setMinimumWidth(digits + 12);
}

// A field hidden by an option keeps its place, so the frame does not jump.
void keepPlaceWhenHidden(QWidget* w)
{
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

} // namespace

QString withAccessKey(const QString& caption, char key)
{
    if (!key) return caption;
    const qsizetype at = caption.indexOf(QChar::fromLatin1(key), 0, Qt::CaseInsensitive);
    if (at < 0) return caption;
    QString marked = caption;
    marked.insert(at, QLatin1Char('&'));
    return marked;
}

void addCentred(QBoxLayout* layout, QWidget* widget)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(widget);
    row->addStretch(1);
    layout->addLayout(row);
}

QWidget* buildDescription(const char* name, const char* text, QWidget* parent)
{
    auto* label = newLabel(name, parent);
    label->setText(QString::fromUtf8(text));
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    // One line: a wrapping label makes every layout pass measure it again at
    // each width, a good part of the program's start; a narrow window scrolls.
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGroupBox* buildOptionGroup(const char* frameName, const QString& caption, std::span<const OptionButton> options,
                            QWidget* parent, std::vector<QRadioButton*>& buttons)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setAccessibleName(caption);
    auto* row = new QHBoxLayout(frame);
    row->setSpacing(24);
    for (const OptionButton& o : options) {
        const QString text = QString::fromUtf8(o.text.caption);
        auto* button = new QRadioButton(withAccessKey(text, o.text.accessKey), frame);
        button->setObjectName(o.name);
        button->setAccessibleName(text);
        button->setAccessibleDescription(caption);
        row->addWidget(button);
        buttons.push_back(button);
    }
    return frame;
}

QGroupBox* buildFieldFrame(const char* frameName, const QString& title, std::span<const FieldPlace> places,
                           bool results, QWidget* parent, FormFields& fields)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setAccessibleName(title);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(6);
    for (const FieldPlace& p : places) {
        const int col = p.column * 4;
        auto* caption = newLabel(p.label, frame);
        auto* field = new QLineEdit(frame);
        field->setObjectName(QString::fromLatin1(p.control));
        field->setReadOnly(results);
        sizeField(field);
        caption->setBuddy(field);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        keepPlaceWhenHidden(caption);
        keepPlaceWhenHidden(field);
        grid->addWidget(caption, p.row, col);
        grid->addWidget(field, p.row, col + 1);
        QLabel* unit = p.unit ? newLabel(p.unit, frame) : nullptr;
        if (unit) grid->addWidget(unit, p.row, col + 2);
        fields.add({field, caption, unit, results});
    }
    if (grid->columnCount() > 4) grid->setColumnMinimumWidth(3, 24); // gap between the two columns
    return frame;
}

QPushButton* newButton(const QString& name, const QString& caption, char accessKey, QWidget* parent)
{
    auto* button = new QPushButton(withAccessKey(caption, accessKey), parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    return button;
}

} // namespace retencion
