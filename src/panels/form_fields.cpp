#include "panels/form_fields.h"

#include "charts/out_of_date.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace retencion {
namespace {

// A result field's own tool tip, kept while the out-of-date one shows.
constexpr const char* kResultTip = "resultTip";

// How a unit is read aloud.
QString spokenUnit(const QString& unit)
{
    if (unit == QStringLiteral("m³/s")) return QStringLiteral("metros cúbicos por segundo");
    if (unit == QStringLiteral("m²")) return QStringLiteral("metros cuadrados");
    if (unit == QStringLiteral("m³")) return QStringLiteral("metros cúbicos");
    if (unit == QStringLiteral("m")) return QStringLiteral("metros");
    if (unit == QStringLiteral("min.")) return QStringLiteral("minutos");
    return unit;
}

// "Qp" of the caption "Qp =".
QString symbolOf(const QLabel* caption)
{
    return caption->text().remove(QLatin1Char('=')).trimmed();
}

} // namespace

bool FormFields::isOutOfDate(const QLineEdit* result)
{
    return result->property("outOfDate").toBool();
}

void FormFields::showChoice(Choice choice, const std::function<QString(const char*)>& resultTip)
{
    for (const FormField& f : m_fields) {
        const QByteArray control = f.field->objectName().toLatin1();
        const FieldFace face = f.result ? resultFace(m_table, control.constData(), choice)
                                        : inputFace(m_table, control.constData(), choice);
        QString caption = captionOf(face);
        // Until a calculation type is chosen the surface reads "Sup = ", with
        // the blank the form was first drawn with; the options set it without.
        if (f.result && choice.calculation == CalculationType::None && caption == QStringLiteral("Sup ="))
            caption += QLatin1Char(' ');
        f.caption->setText(caption);
        if (f.unit) f.unit->setText(face.unit);
        // A field hidden by an option keeps its text for when it shows again.
        for (QWidget* w : {static_cast<QWidget*>(f.caption), static_cast<QWidget*>(f.field),
                           static_cast<QWidget*>(f.unit)})
            if (w) w->setVisible(face.shown);
        setToolTipOf(f.field, f.result ? resultTip(control.constData()) : face.toolTip);
    }
    updateAccessibleNames();
}

void FormFields::setToolTipOf(QLineEdit* field, const QString& tip)
{
    if (!field->isReadOnly()) {
        field->setToolTip(tip);
        return;
    }
    field->setProperty(kResultTip, tip);
    if (!isOutOfDate(field)) field->setToolTip(tip);
}

// "Ip, caudal punta del hidrograma de entrada, metros cúbicos por segundo":
// the caption as it reads now, the tool tip and the unit spoken.
void FormFields::updateAccessibleNames()
{
    for (const FormField& f : m_fields) {
        QString name = symbolOf(f.caption);
        const QString tip = f.field->toolTip();
        if (!tip.isEmpty()) name += QStringLiteral(", ") + tip.left(1).toLower() + tip.mid(1);
        if (f.result) name += QStringLiteral(", resultado");
        if (f.unit) name += QStringLiteral(", ") + spokenUnit(f.unit->text());
        f.field->setAccessibleName(name);
        f.field->setAccessibleDescription(tip);
    }
}

void FormFields::writeResult(QLineEdit* field, const QString& text, bool kept)
{
    if (!kept) field->setText(text);
    markResult(field, kept);
}

void FormFields::markResult(QLineEdit* field, bool outOfDate)
{
    outOfDate = outOfDate && !field->text().isEmpty();
    if (isOutOfDate(field) == outOfDate) return;
    field->setProperty("outOfDate", outOfDate);
    QPalette palette = field->palette();
    palette.setBrush(QPalette::Active, QPalette::Text,
                     outOfDate ? palette.brush(QPalette::Disabled, QPalette::Text)
                               : QApplication::palette(field).brush(QPalette::Active, QPalette::Text));
    palette.setBrush(QPalette::Inactive, QPalette::Text, palette.brush(QPalette::Active, QPalette::Text));
    field->setPalette(palette);
    field->setToolTip(outOfDate ? outOfDateMark() : field->property(kResultTip).toString());
    if (onMarked) onMarked();
}

void FormFields::markResultsOutOfDate()
{
    for (const FormField& f : m_fields)
        if (f.result) markResult(f.field, true);
}

bool FormFields::resultsOutOfDate() const
{
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [](const FormField& f) { return f.result && isOutOfDate(f.field); });
}

QString FormFields::valuesTable() const
{
    QString table;
    for (const bool results : {false, true})
        for (const FormField& f : m_fields) {
            if (f.result != results || f.field->isHidden()) continue;
            table += symbolOf(f.caption) + QLatin1Char('\t') + f.field->text().trimmed() + QLatin1Char('\t') +
                     (f.unit ? f.unit->text() : QString());
            // A result whose case says how it was found (case A's head) says so here too...
            const QString how = f.result ? f.field->property(kResultTip).toString() : QString();
            if (!how.isEmpty()) table += QLatin1Char('\t') + how;
            // ...and a greyed result says so last, in a column of its own.
            if (f.result && isOutOfDate(f.field)) table += QStringLiteral("\t(resultado anterior)");
            table += QLatin1Char('\n');
        }
    return table;
}

QString FormFields::inputsCaption(char letter) const
{
    QStringList parts;
    for (const FormField& f : m_fields) {
        if (f.result || f.field->isHidden() || f.field->text().trimmed().isEmpty()) continue;
        QString part = f.caption->text().trimmed() + QLatin1Char(' ') + f.field->text().trimmed();
        if (f.unit) part += QLatin1Char(' ') + f.unit->text();
        parts << part;
    }
    return QStringLiteral("Caso %1: %2").arg(QChar::fromLatin1(letter), parts.join(QStringLiteral("; ")));
}

} // namespace retencion
