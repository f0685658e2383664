// Building a case panel's form from the case's field table and the places
// its form gives each field, and what its options and fields set going.

#include "panels/case_panel.h"

#include "panels/case_forms.h"
#include "panels/form_builder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <string_view>

namespace retencion {
namespace {

// The controls whose rows differ in the options of `group` (0: the
// calculation, 1: the outlet): what such an option empties.
bool followsGroup(const CaseFields& table, std::string_view control, int group)
{
    int rows = 0;
    for (const InputField& f : table.inputs)
        if (control == f.control && (group == 0 ? f.when.calculations : f.when.outlets)) ++rows;
    return rows > 1;
}

} // namespace

// In reading order; the keyboard follows the same order.
void CasePanel::buildForm()
{
    const CaseForm& form = *caseForm(m_table.letter);
    m_layout->addWidget(buildDescription(form.description, m_table.description, this));
    buildOptions();
    addCentred(m_layout, buildFieldFrame(form.inputFrame, QStringLiteral("Entrada de Datos"), form.inputs, false,
                                         this, m_fields));
    connectInputs();
    buildResults();
    m_layout->addStretch(1);
    showChoice();
}

void CasePanel::buildOptions()
{
    const CaseForm& form = *caseForm(m_table.letter);
    const OptionButton calculation[] = {{controlName("Option1"), m_table.firstCalculation},
                                        {controlName("Option2"), kOutflowOption}};
    addCentred(m_layout, buildOptionGroup(form.calculationFrame, QString::fromUtf8(kCalculationGroup), calculation,
                                          this, m_options));
    if (form.outletFrame) {
        std::vector<OptionButton> outlets;
        for (const OutletOption& o : m_table.outlets)
            outlets.push_back({QString::fromLatin1(o.control), o.text});
        addCentred(m_layout, buildOptionGroup(form.outletFrame, QString::fromUtf8(m_table.outletGroup), outlets,
                                              this, m_options));
    }
    for (std::size_t i = 0; i < m_options.size(); ++i)
        connect(m_options[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optionChosen(i < 2 ? 0 : 1);
        });
}

// A new choice changes what the form asks for: the chart no longer shows
// the last reading, and the results no longer answer the form.
void CasePanel::optionChosen(int group)
{
    if (!m_restoring) emit edited();
    m_last.reset();
    m_fields.markResultsOutOfDate();
    refreshChart();
    resultChanged();
    showChoice();
    for (const FormField& f : m_fields.all())
        if (f.result || followsGroup(m_table, f.field->objectName().toStdString(), group)) f.field->clear();
}

void CasePanel::showChoice()
{
    m_fields.showChoice(choice(), [this](const char* control) { return resultTip(control); });
}

QString CasePanel::resultTip(const char* control) const
{
    return retencion::resultTip(m_table.letter, control, choice(), separators());
}

void CasePanel::connectInputs()
{
    for (const FormField& f : m_fields.all()) {
        connect(f.field, &QLineEdit::returnPressed, this, [this] {
            if (m_calcular) m_calcular->click();
        });
        // Any change of text, not only a key pressed: a paste, an undo, or an
        // option that empties the field.
        connect(f.field, &QLineEdit::textChanged, this, [this] {
            if (!m_restoring) emit edited();
        });
        connect(f.field, &QLineEdit::textEdited, this, [this] { m_fields.markResultsOutOfDate(); });
    }
}

void CasePanel::buildResults()
{
    const CaseForm& form = *caseForm(m_table.letter);
    m_calcular = newButton(QString::fromLatin1(form.calcular), QStringLiteral("Calcular"), 'C', this);
    m_calcular->setMinimumHeight(m_calcular->sizeHint().height() * 3 / 2);
    m_calcular->setMinimumWidth(m_calcular->sizeHint().width() * 3 / 2);
    connect(m_calcular, &QPushButton::clicked, this, &CasePanel::calculate);

    const std::size_t inputs = m_fields.all().size();
    auto* frame = buildFieldFrame(form.resultFrame, QStringLiteral("Resultados"), form.results, true, this, m_fields);
    // An emptied result is not an old one.
    for (std::size_t i = inputs; i < m_fields.all().size(); ++i) {
        QLineEdit* field = m_fields.all()[i].field;
        connect(field, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            if (text.isEmpty()) m_fields.markResult(field, false);
        });
    }

    auto* chart = newButton(controlName("VerAbaco"), QStringLiteral("Ver ábaco"), 'e', this);
    chart->setAccessibleDescription(QKeySequence(Qt::CTRL | Qt::Key_B).toString(QKeySequence::NativeText));
    connect(chart, &QPushButton::clicked, this, &CasePanel::showChart);

    // No access key: every letter of its caption already opens something on
    // some tab; the menu "Cálculo" gives it one, and Ctrl+F.
    auto* buscar = new QPushButton(QStringLiteral("Buscar valor…"), this);
    buscar->setObjectName(controlName("Buscar"));
    buscar->setAccessibleName(QStringLiteral("Buscar valor"));
    buscar->setToolTip(QStringLiteral("Busca el valor de un dato con el que un resultado alcanza el valor pedido (%1)")
                           .arg(QKeySequence(Qt::CTRL | Qt::Key_F).toString(QKeySequence::NativeText)));
    connect(buscar, &QPushButton::clicked, this, &CasePanel::buscar);

    m_sideButtons = new QVBoxLayout;
    m_sideButtons->addWidget(m_calcular);
    m_sideButtons->addWidget(buscar);
    m_sideButtons->addWidget(chart);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addLayout(m_sideButtons);
    row->addSpacing(24);
    row->addWidget(frame);
    row->addStretch(1);
    m_layout->addLayout(row);
}

QPushButton* CasePanel::addSideButton(const char* role, const QString& caption, char accessKey)
{
    auto* button = newButton(controlName(role), caption, accessKey, this);
    m_sideButtons->addWidget(button);
    return button;
}

} // namespace retencion
