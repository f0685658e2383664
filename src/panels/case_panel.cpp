#include "panels/case_panel.h"

#include "charts/ui_services.h"
#include "panels/case_charts.h"
#include "panels/form_calculation.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace retencion {

CasePanel::CasePanel(char letter, UiServices& services, QWidget* parent)
    : QWidget(parent), m_table(*fieldsOf(letter)), m_fields(m_table), m_services(services),
      m_layout(new QVBoxLayout(this))
{
    m_layout->setSpacing(10);
    // New data are no longer those the search found its value with.
    connect(this, &CasePanel::edited, this, [this] { m_search.reset(); });
    m_fields.onMarked = [this] { m_windows.markOutOfDate(m_fields.resultsOutOfDate()); };
    buildForm();
}

Choice CasePanel::choice() const
{
    QStringList chosen;
    for (const QRadioButton* button : m_options)
        if (button->isChecked()) chosen << button->objectName();
    return choiceOf(m_table, chosen);
}

void CasePanel::calculate()
{
    const FieldTexts texts = [this](const char* control) { return field(control)->text(); };
    const FormCalculation c = calculateForm(m_table, choice(), texts, separators());
    if (c.notANumber) {
        reportNotANumber(c);
        return;
    }
    m_lastInput = c.input;
    showResult(c);
}

// Writes the main value and then the height; a value that is absent leaves
// its field as it was, shown as out of date. Then shows the message if the
// result is out of range.
void CasePanel::showResult(const FormCalculation& c)
{
    const Choice chosen = choice();
    for (const bool height : {false, true})
        if (const ResultField* row = shownResult(m_table, height, chosen)) {
            const QString& text = height ? c.height : c.main;
            m_fields.writeResult(field(row->control), text, text.isEmpty());
        }
    m_refused = false;
    m_refusal.clear();
    m_calculated = true;
    if (c.result->outcome == Outcome::Computed)
        m_last = c.result;
    else
        m_last.reset();
    refreshChart();
    resultChanged();
    if (c.result->outOfRange()) reportRefusal(c);
}

// Says a field holds something other than a number ("Dato no válido") and
// gives that field the focus; nothing on the form changes.
void CasePanel::reportNotANumber(const FormCalculation& c)
{
    QLineEdit* box = field(c.notANumber->control);
    const FieldTexts texts = [this](const char* control) { return field(control)->text(); };
    m_services.reportFailure(box, QStringLiteral("Dato no válido"), notANumberOf(c, texts));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

// The one message, saying which value was refused; the field that holds it
// gets the focus, its text selected.
void CasePanel::reportRefusal(const FormCalculation& c)
{
    const char* culprit = nullptr;
    const QString detail = refusalOf(c, separators(), &culprit);
    m_refused = true;
    m_refusal = detail;
    m_services.ReportOutOfRange(this, detail);
    if (culprit) {
        QLineEdit* f = field(culprit);
        f->setFocus(Qt::OtherFocusReason);
        f->selectAll();
    }
}

std::optional<CaseInput> CasePanel::curveInput() const
{
    if (!m_lastInput || calculationOf(*m_lastInput) == CalculationType::None) return std::nullopt;
    return m_lastInput;
}

std::optional<CaseInput> CasePanel::calculatedInput() const
{
    return m_calculated ? curveInput() : std::nullopt;
}

std::vector<figures::Figure> CasePanel::figures() const
{
    return caseCharts(m_table.letter, choice(), m_lastInput ? &*m_lastInput : nullptr, lastResult(),
                      state().fields, separators());
}

SheetData CasePanel::sheetData() const
{
    return {m_table.letter, state(), m_lastInput, m_calculated, m_last, m_refused, {}, m_refusal, m_search};
}

CaseReport CasePanel::report() const
{
    return caseSheet(sheetData(), separators());
}

ChartContent CasePanel::chartContent() const
{
    return {figures(), calculatedInput(), separators(), m_fields.inputsCaption(m_table.letter)};
}

void CasePanel::showChart()
{
    m_windows.showChart(m_table.letter, m_services, this, m_fields.resultsOutOfDate(), chartContent());
}

void CasePanel::refreshChart()
{
    m_windows.refresh([this] { return chartContent(); });
}

void CasePanel::followResult(ChartWindow* window)
{
    m_windows.follow(window, m_fields.resultsOutOfDate());
}

Separators CasePanel::separators() const
{
    return m_services.separators();
}

QString CasePanel::controlName(const char* role) const
{
    return QChar::fromLatin1(m_table.letter) + QLatin1String(role);
}

// A control name misspelled in a case's tables is a fault of the program:
// it stops at once and names the control, rather than running on with a
// null pointer.
template <typename Control> Control* CasePanel::control(const QString& name) const
{
    auto* found = findChild<Control*>(name);
    if (!found)
        qFatal("Caso %c: no hay ningún control %s del tipo %s", m_table.letter, qPrintable(name),
               Control::staticMetaObject.className());
    return found;
}

QLineEdit* CasePanel::field(const char* name) const
{
    return control<QLineEdit>(QString::fromLatin1(name));
}
QLabel* CasePanel::label(const char* name) const
{
    return control<QLabel>(QString::fromLatin1(name));
}
QRadioButton* CasePanel::option(const char* name) const
{
    return control<QRadioButton>(QString::fromLatin1(name));
}

} // namespace retencion
