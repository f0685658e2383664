#include "panels/case_panel.h"

#include "cases/refusal_text.h"
#include "cases/search_text.h"
#include "cases/value_search.h"
#include "charts/chart_window.h"
#include "charts/out_of_date.h"
#include "charts/sizing_curve_tab.h"
#include "charts/ui_services.h"
#include "figures/case_drawings.h"
#include "numbers/format_number.h"
#include "numbers/read_number.h"
#include "panels/search_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

namespace retencion {
namespace {

std::u16string_view textOf(const QLineEdit* field)
{
    const QString& text = field->text();
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Room for the longest value a field is expected to hold, in the field's
// own font, so that nothing typed or shown is clipped at any scale.
void sizeField(QLineEdit* field)
{
    const int digits = field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000"));
    field->setMinimumWidth(digits + 12);
}

QLabel* newLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// Centres a frame on its own row of the page.
void addCentred(QBoxLayout* layout, QWidget* widget)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(widget);
    row->addStretch(1);
    layout->addLayout(row);
}

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

} // namespace

const CalculationCaptions kSurfaceCaptions{QStringLiteral("Qp ="), QStringLiteral("m³/s"), QStringLiteral("Sup ="),
                                           QStringLiteral("m²")};
const CalculationCaptions kVolumeCaptions{QStringLiteral("Qp ="), QStringLiteral("m³/s"), QStringLiteral("Vol ="),
                                          QStringLiteral("m³")};

namespace {

// Qp found from the surface or volume that `found` finds from Qp.
CalculationCaptions reversed(const CalculationCaptions& found)
{
    return {found.res, found.resUnit, found.inc, found.incUnit};
}

// The caption with its access key underlined: the first occurrence of the
// letter, in either case, gets the ampersand.
QString withAccessKey(const QString& caption, char key)
{
    if (!key) return caption;
    const qsizetype at = caption.indexOf(QChar::fromLatin1(key), 0, Qt::CaseInsensitive);
    if (at < 0) return caption;
    QString marked = caption;
    marked.insert(at, QLatin1Char('&'));
    return marked;
}

const QString kOutOfDateTip = outOfDateMark();

bool isOutOfDate(const QLineEdit* result)
{
    return result->property("outOfDate").toBool();
}

// A result field's own tool tip, kept while the out-of-date one shows.
constexpr const char* kResultTip = "resultTip";

QString meaningOf(const QString& symbol);

// "Qp" of the caption "Qp =".
QString symbolOf(QString caption)
{
    return caption.remove(QLatin1Char('=')).trimmed();
}

} // namespace

FormReading::FormReading(const CasePanel& panel) : m_panel(panel), m_separators(panel.separators()) {}

double FormReading::read(const char* field, Quantity quantity, bool minutes)
{
    const QLineEdit* box = m_panel.field(field);
    const FieldNumber n = minutes ? ReadFieldMinutes(textOf(box), m_separators) : ReadField(textOf(box), m_separators);
    m_values.push_back({quantity, n.value, field, n.text == FieldText::Empty, n.text == FieldText::NotANumber});
    return n.value;
}

double FormReading::number(const char* field, Quantity quantity)
{
    return read(field, quantity, false);
}

double FormReading::minutesAsSeconds(const char* field, Quantity quantity)
{
    return read(field, quantity, true);
}

bool FormReading::reportNotANumber() const
{
    const auto refused = std::find_if(m_values.begin(), m_values.end(), [](const Value& v) { return v.notANumber; });
    if (refused == m_values.end()) return false;
    QLineEdit* box = m_panel.field(refused->field);
    const std::string sentence = describeNotANumber(box->text().toStdString(), refused->quantity);
    m_panel.m_services.reportFailure(box, QStringLiteral("Dato no válido"), QString::fromStdString(sentence));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    return true;
}

CasePanel::CasePanel(char prefix, UiServices& services, QWidget* parent)
    : QWidget(parent), m_prefix(prefix), m_services(services), m_layout(new QVBoxLayout(this))
{
    m_layout->setSpacing(10);
    // New data are no longer those the search found its value with.
    connect(this, &CasePanel::edited, this, [this] { m_search.reset(); });
}

void CasePanel::addDescription(const char* name, const QString& text)
{
    auto* label = newLabel(name, text, this);
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    // One line: a wrapping label makes every layout pass measure it again at
    // each width, a good part of the program's start; a narrow window scrolls.
    label->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(label);
    m_description = label;
}

void CasePanel::addOptionGroup(const char* frameName, const QString& caption, std::initializer_list<OptionSpec> options)
{
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setAccessibleName(caption);
    m_optionGroups.push_back(frame);
    auto* row = new QHBoxLayout(frame);
    row->setSpacing(24);
    for (const OptionSpec& o : options) {
        auto* button = new QRadioButton(withAccessKey(o.caption, o.accessKey), frame);
        button->setObjectName(QString::fromLatin1(o.name));
        button->setAccessibleName(o.caption);
        button->setAccessibleDescription(caption);
        // A new choice changes what the form asks for: the chart no longer
        // shows the last reading, and the results no longer answer the form.
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            if (!m_restoring) emit edited();
            m_last.reset();
            markResultsOutOfDate();
            refreshChart();
            resultChanged();
        });
        row->addWidget(button);
    }
    addCentred(m_layout, frame);
}

void CasePanel::addCalculationGroup(const char* frameName, const QString& firstCaption, char firstKey,
                                    const CalculationCaptions& captions)
{
    const QByteArray first = controlName("Option1").toLatin1();
    const QByteArray second = controlName("Option2").toLatin1();
    addOptionGroup(frameName, QStringLiteral("Tipo de Cálculo"),
                   {{first.constData(), firstCaption, firstKey},
                    {second.constData(), QStringLiteral("Cálculo del Caudal de Laminación"), 'L'}});
    connect(option(first.constData()), &QRadioButton::toggled, this, [this, captions](bool on) {
        if (on) relabelCalculation(captions);
    });
    connect(option(second.constData()), &QRadioButton::toggled, this, [this, captions](bool on) {
        if (on) relabelCalculation(reversed(captions));
    });
}

// Lays out rows of caption, field and unit in two columns of a grid.
void CasePanel::addRows(QGroupBox* frame, std::initializer_list<FieldRow> rows, bool results)
{
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(6);
    for (const FieldRow& r : rows) {
        const int col = r.column * 4;
        auto* caption = newLabel(r.labelName, r.caption, frame);
        auto* field = new QLineEdit(frame);
        field->setObjectName(QString::fromLatin1(r.fieldName));
        // Every input says what it holds; a result only where a panel says more
        // than its symbol.
        const QString tip = r.toolTip.isEmpty() && !results ? meaningOf(symbolOf(r.caption)) : r.toolTip;
        field->setToolTip(tip);
        if (results) field->setProperty(kResultTip, tip);
        field->setReadOnly(results);
        // An emptied result is not an old one.
        if (results)
            connect(field, &QLineEdit::textChanged, this, [this, field](const QString& text) {
                if (text.isEmpty()) markResult(field, false);
            });
        sizeField(field);
        caption->setBuddy(field);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A field hidden by an option keeps its place, so the frame does not jump.
        for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(field)}) {
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        }
        grid->addWidget(caption, r.row, col);
        grid->addWidget(field, r.row, col + 1);
        QLabel* unit = r.unitName ? newLabel(r.unitName, r.unit, frame) : nullptr;
        if (unit) grid->addWidget(unit, r.row, col + 2);
        m_fields.push_back({field, caption, unit, results});
    }
    if (grid->columnCount() > 4) grid->setColumnMinimumWidth(3, 24); // gap between the two columns
}

// "Ip, caudal punta del hidrograma de entrada, metros cúbicos por segundo":
// the caption as it reads now, the tool tip and the unit spoken.
void CasePanel::updateAccessibleNames()
{
    for (const FieldLabels& f : m_fields) {
        QString name = f.caption->text();
        name.remove(QLatin1Char('=')); // "Sup =" reads as "Sup"
        name = name.trimmed();
        const QString tip = f.field->toolTip();
        if (!tip.isEmpty()) name += QStringLiteral(", ") + tip.left(1).toLower() + tip.mid(1);
        if (f.result) name += QStringLiteral(", resultado");
        if (f.unit) name += QStringLiteral(", ") + spokenUnit(f.unit->text());
        f.field->setAccessibleName(name);
        f.field->setAccessibleDescription(tip);
    }
}

void CasePanel::addInputFrame(const char* frameName, std::initializer_list<FieldRow> rows)
{
    auto* frame = new QGroupBox(QStringLiteral("Entrada de Datos"), this);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setAccessibleName(frame->title());
    addRows(frame, rows, false);
    for (auto* field : frame->findChildren<QLineEdit*>()) {
        pressCalcularOnEnter(field);
        // Any change of text, not only a key pressed: a paste, an undo, or an
        // option that empties the field.
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!m_restoring) emit edited();
        });
        connect(field, &QLineEdit::textEdited, this, &CasePanel::markResultsOutOfDate);
    }
    addCentred(m_layout, frame);
}

QPushButton* CasePanel::buildResults(const char* buttonName, const char* frameName,
                                     std::initializer_list<FieldRow> rows)
{
    m_calcular = new QPushButton(withAccessKey(QStringLiteral("Calcular"), 'C'), this);
    m_calcular->setObjectName(QString::fromLatin1(buttonName));
    m_calcular->setAccessibleName(QStringLiteral("Calcular"));
    m_calcular->setMinimumHeight(m_calcular->sizeHint().height() * 3 / 2);
    m_calcular->setMinimumWidth(m_calcular->sizeHint().width() * 3 / 2);

    auto* frame = new QGroupBox(QStringLiteral("Resultados"), this);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setAccessibleName(frame->title());
    addRows(frame, rows, true);

    auto* chart = new QPushButton(withAccessKey(QStringLiteral("Ver ábaco"), 'e'), this);
    chart->setObjectName(controlName("VerAbaco"));
    chart->setAccessibleName(QStringLiteral("Ver ábaco"));
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
    return m_calcular;
}

QPushButton* CasePanel::addSideButton(const char* role, const QString& caption, char accessKey)
{
    auto* button = new QPushButton(withAccessKey(caption, accessKey), this);
    button->setAccessibleName(caption);
    button->setObjectName(controlName(role));
    m_sideButtons->addWidget(button);
    return button;
}

void CasePanel::finishLayout()
{
    m_layout->addStretch(1);
    updateAccessibleNames();
    for (QLabel* label : findChildren<QLabel*>())
        m_builtCaptions.emplace_back(label, label->text());
    for (const FieldLabels& f : m_fields)
        m_builtToolTips.emplace_back(f.field, f.field->toolTip());
}

CaseState CasePanel::state() const
{
    CaseState state;
    for (const FieldLabels& f : m_fields) {
        (f.result ? state.results : state.fields).insert(f.field->objectName(), f.field->text());
        if (f.result && isOutOfDate(f.field)) state.outOfDate << f.field->objectName();
    }
    for (const QRadioButton* button : findChildren<QRadioButton*>())
        if (button->isChecked()) state.options << button->objectName();
    return state;
}

void CasePanel::restore(const CaseState& state)
{
    const QScopedValueRollback restoring(m_restoring, true);
    // As built, with nothing chosen...
    for (const FieldLabels& f : m_fields)
        f.field->clear();
    for (QRadioButton* button : findChildren<QRadioButton*>()) {
        // An exclusive button that is checked cannot be unchecked.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    for (const auto& [label, text] : m_builtCaptions)
        label->setText(text);
    for (const auto& [field, tip] : m_builtToolTips)
        setToolTipOf(field, tip);
    for (QWidget* widget : m_shownByOptions)
        widget->setVisible(true);
    // ...then the options chosen, whose handlers set the captions over empty
    // fields, and only then the texts.
    for (const QString& name : state.options)
        if (auto* button = findChild<QRadioButton*>(name)) button->setChecked(true);
    for (const FieldLabels& f : m_fields) {
        const auto& texts = f.result ? state.results : state.fields;
        f.field->setText(texts.value(f.field->objectName()));
        if (f.result) markResult(f.field, state.outOfDate.contains(f.field->objectName()));
    }
    updateAccessibleNames();
    m_last.reset();
    m_calculated = false;
    m_refused = false;
    m_refusal.clear();
    refreshChart();
    resultChanged();
}

std::optional<CaseInput> CasePanel::calculatedInput() const
{
    return m_calculated ? curveInput() : std::nullopt;
}

QString CasePanel::valuesTable() const
{
    QString table;
    for (const bool results : {false, true})
        for (const FieldLabels& f : m_fields) {
            if (f.result != results || f.field->isHidden()) continue;
            QString symbol = f.caption->text();
            symbol.remove(QLatin1Char('='));
            table += symbol.trimmed() + QLatin1Char('\t') + f.field->text().trimmed() + QLatin1Char('\t') +
                     (f.unit ? f.unit->text() : QString());
            // A result whose panel says how it was found (case A's head) says so here too...
            const QString how = f.result ? f.field->property(kResultTip).toString() : QString();
            if (!how.isEmpty()) table += QLatin1Char('\t') + how;
            // ...and a greyed result says so last, in a column of its own.
            if (f.result && isOutOfDate(f.field)) table += QStringLiteral("\t(resultado anterior)");
            table += QLatin1Char('\n');
        }
    return table;
}

void CasePanel::pressCalcularOnEnter(QLineEdit* field)
{
    connect(field, &QLineEdit::returnPressed, this, [this] {
        if (m_calcular) m_calcular->click();
    });
}

// A control name misspelled in a panel's tables is a fault of the program:
// it stops at once and names the control, rather than running on with a
// null pointer.
template <typename Control> Control* CasePanel::control(const QString& name) const
{
    auto* found = findChild<Control*>(name);
    if (!found)
        qFatal("Caso %c: no hay ningún control %s del tipo %s", m_prefix, qPrintable(name),
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

void CasePanel::setCaptions(std::initializer_list<std::pair<const char*, QString>> captions)
{
    for (const auto& [name, text] : captions)
        label(name)->setText(text);
    updateAccessibleNames();
}

void CasePanel::setToolTips(std::initializer_list<std::pair<const char*, QString>> tips)
{
    for (const auto& [name, tip] : tips)
        setToolTipOf(field(name), tip);
    updateAccessibleNames();
}

void CasePanel::setToolTipOf(QLineEdit* field, const QString& tip)
{
    if (!field->isReadOnly()) {
        field->setToolTip(tip);
        return;
    }
    field->setProperty(kResultTip, tip);
    if (!field->property("outOfDate").toBool()) field->setToolTip(tip);
}

void CasePanel::clearFields(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        field(name)->clear();
}

void CasePanel::setShown(std::initializer_list<const char*> names, bool shown)
{
    for (const char* name : names) {
        auto* widget = control<QWidget>(QString::fromLatin1(name));
        widget->setVisible(shown);
        if (std::find(m_shownByOptions.begin(), m_shownByOptions.end(), widget) == m_shownByOptions.end())
            m_shownByOptions.push_back(widget);
    }
}

QString CasePanel::controlName(const char* role) const
{
    return QChar::fromLatin1(m_prefix) + QLatin1String(role);
}

void CasePanel::relabelCalculation(const CalculationCaptions& captions)
{
    const std::pair<const char*, const QString*> order[] = {{"LabelInc", &captions.inc},
                                                            {"LabelIncU", &captions.incUnit},
                                                            {"LabelRes", &captions.res},
                                                            {"LabelResU", &captions.resUnit}};
    for (const auto& [role, text] : order)
        control<QLabel>(controlName(role))->setText(*text);
    // The given value's tool tip follows what it now holds.
    setToolTipOf(control<QLineEdit>(controlName("INC")), meaningOf(symbolOf(captions.inc)));
    updateAccessibleNames();
    for (const char* role : {"RES", "H", "INC"})
        if (auto* f = findChild<QLineEdit*>(controlName(role))) f->clear(); // case D has no H
}

CalculationType CasePanel::calculationChosen(CalculationType first) const
{
    if (control<QRadioButton>(controlName("Option1"))->isChecked()) return first;
    if (control<QRadioButton>(controlName("Option2"))->isChecked()) return CalculationType::Outflow;
    return CalculationType::None;
}

bool CasePanel::selected(const char* optionName) const
{
    return option(optionName)->isChecked();
}

void CasePanel::writeResult(const FormReading& reading, const CaseResult& result, CalculationType calculation,
                            ResultMasks masks)
{
    const Separators& separators = reading.m_separators;
    auto* main = control<QLineEdit>(controlName("RES"));
    if (result.main) main->setText(QString::fromStdString(FormatNumber(*result.main, masks.main, separators)));
    markResult(main, !result.main);
    if (masks.height) {
        auto* height = control<QLineEdit>(controlName("H"));
        if (result.h) height->setText(QString::fromStdString(FormatNumber(*result.h, masks.height, separators)));
        markResult(height, !result.h);
    }

    m_refused = false;
    m_refusal.clear();
    m_calculated = true;
    if (result.outcome == Outcome::Computed)
        m_last = result;
    else
        m_last.reset();
    refreshChart();
    resultChanged();
    if (result.outOfRange()) reportRefusal(reading, result, calculation);
}

void CasePanel::markResult(QLineEdit* field, bool outOfDate)
{
    outOfDate = outOfDate && !field->text().isEmpty();
    if (field->property("outOfDate").toBool() == outOfDate) return;
    field->setProperty("outOfDate", outOfDate);
    QPalette palette = field->palette();
    palette.setBrush(QPalette::Active, QPalette::Text,
                     outOfDate ? palette.brush(QPalette::Disabled, QPalette::Text)
                               : QApplication::palette(field).brush(QPalette::Active, QPalette::Text));
    palette.setBrush(QPalette::Inactive, QPalette::Text, palette.brush(QPalette::Active, QPalette::Text));
    field->setPalette(palette);
    field->setToolTip(outOfDate ? kOutOfDateTip : field->property(kResultTip).toString());
    markWindows();
}

void CasePanel::markResultsOutOfDate()
{
    for (const FieldLabels& f : m_fields)
        if (f.result) markResult(f.field, true);
}

bool CasePanel::resultsOutOfDate() const
{
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [](const FieldLabels& f) { return f.result && isOutOfDate(f.field); });
}

void CasePanel::followResult(ChartWindow* window)
{
    m_following.push_back(window);
    window->setOutOfDate(resultsOutOfDate());
}

void CasePanel::markWindows()
{
    const bool outOfDate = resultsOutOfDate();
    for (ChartWindow* window : m_following)
        window->setOutOfDate(outOfDate);
}

QString CasePanel::inputsCaption() const
{
    QStringList parts;
    for (const FieldLabels& f : m_fields) {
        if (f.result || f.field->isHidden() || f.field->text().trimmed().isEmpty()) continue;
        QString part = f.caption->text().trimmed() + QLatin1Char(' ') + f.field->text().trimmed();
        if (f.unit) part += QLatin1Char(' ') + f.unit->text();
        parts << part;
    }
    return QStringLiteral("Caso %1: %2").arg(QChar::fromLatin1(m_prefix), parts.join(QStringLiteral("; ")));
}

Separators CasePanel::separators() const
{
    return m_services.separators();
}

namespace {

// What a symbol of the form means, where its field has no tool tip to say it.
QString meaningOf(const QString& symbol)
{
    static const std::pair<const char*, const char*> kMeanings[] = {
        {"Qp", "Caudal punta de salida del depósito"},
        {"Sup", "Superficie del depósito"},
        {"Vol", "Volumen del depósito"},
        {"H", "Altura de agua"},
        {"B", "Anchura del conducto de salida"},
        {"D", "Diámetro"},
        {"L", "Longitud"},
        {"Tp", "Tiempo de ocurrencia del caudal punta del hidrograma de entrada"},
        {"ho", "Altura de la abertura"},
    };
    for (const auto& [s, meaning] : kMeanings)
        if (symbol == QLatin1String(s)) return QString::fromUtf8(meaning);
    return {};
}

} // namespace

CaseReport CasePanel::report() const
{
    CaseReport r;
    r.caseName = QStringLiteral("Caso %1").arg(QChar::fromLatin1(m_prefix));
    if (m_description) r.heading = m_description->text();
    const std::optional<CaseInput> input = curveInput();
    r.drawing = input ? figures::caseDrawing(*input) : figures::caseDrawing(m_prefix);
    for (const QGroupBox* group : m_optionGroups) {
        QString chosen = QStringLiteral("ninguno");
        for (const QRadioButton* b : group->findChildren<QRadioButton*>())
            if (b->isChecked()) chosen = b->accessibleName();
        r.choices.push_back({group->title(), chosen});
    }
    const Separators s = separators();
    for (const FieldLabels& f : m_fields) {
        if (f.field->isHidden()) continue;
        ReportLine line;
        line.symbol = symbolOf(f.caption->text());
        const QString tip = f.result ? f.field->property(kResultTip).toString() : f.field->toolTip();
        line.meaning = tip.isEmpty() ? meaningOf(line.symbol) : tip;
        line.unit = f.unit ? f.unit->text() : QString();
        const QString text = f.field->text().trimmed();
        if (f.result) {
            line.value = text;
            r.results.push_back(line);
        } else {
            const FieldNumber n = ReadField(textOf(f.field), s);
            line.value = n.text == FieldText::Empty        ? QStringLiteral("(vacío)")
                         : n.text == FieldText::NotANumber ? QStringLiteral("«%1» (no es un número)").arg(text)
                                                           : QString::fromStdString(FormatSignificant(n.value, 6, s));
            r.inputs.push_back(line);
        }
    }
    r.refused = m_refused;
    r.refusal = m_refusal;
    r.search = m_search;
    r.outOfDate = resultsOutOfDate();
    r.charts = figures();
    // Computed here from the inputs of the last calculation, never taken
    // from a chart window, which may show other data; a curve refused over
    // its whole sweep says nothing the refusal does not.
    if (const std::optional<CaseInput> input = calculatedInput()) {
        const figures::SizingCurve curve = figures::sizingCurve(*input);
        if (curve.pointCount() > 0) {
            const std::optional<routing::RoutingCurve> routed = curveByRouting();
            r.sizingCurve = figures::sizingCurveFigures(curve, routed ? &*routed : nullptr, s);
        }
    }
    return r;
}

CaseInput CasePanel::formInput() const
{
    return formInput(nullptr, nullptr);
}

// The form through the case's table; `unread`, where given, gets the
// sentence for the first field other than `unknown` that is empty or no
// number, and the search does not go on.
CaseInput CasePanel::formInput(const InputField* unknown, QString* unread) const
{
    const CaseFields& table = *fieldsOf(m_prefix);
    const Separators s = separators();
    CaseInput input = blankInput(m_prefix, calculationChosen(table.first), outletChosen());
    const CalculationType c = calculationOf(input);
    const Outlet o = outletOf(input);
    for (const InputField& f : table.inputs) {
        if (!f.when.holds(c, o) && !f.heldWhenHidden) continue;
        const QLineEdit* box = field(f.control);
        const FieldNumber n = f.minutes ? ReadFieldMinutes(textOf(box), s) : ReadField(textOf(box), s);
        f.slot.set(input, n.value);
        if (!unread || !unread->isEmpty() || (unknown && std::string_view(unknown->control) == f.control)) continue;
        if (n.text == FieldText::Empty)
            *unread = QStringLiteral("Falta el valor de %1.").arg(QString::fromUtf8(f.symbol));
        else if (n.text == FieldText::NotANumber)
            *unread = QString::fromStdString(describeNotANumber(box->text().toStdString(), f.quantity));
    }
    return input;
}

void CasePanel::buscar()
{
    const QString cannot = QStringLiteral("No se puede buscar un valor.");
    const CaseInput options = formInput();
    if (!resultField(options, false) && !resultField(options, true)) {
        m_services.reportFailure(this, cannot,
                                 QStringLiteral("Elija antes el tipo de cálculo: el valor pedido es el de su "
                                                "resultado."));
        return;
    }
    SearchDialog dialog(options, this);
    if (!m_services.askInDialog(&dialog) || !dialog.unknown()) return;
    const Separators s = separators();
    QString unread;
    const CaseInput input = formInput(dialog.unknown(), &unread);
    const QString typed = dialog.valueText();
    const FieldNumber value = ReadField(
        std::u16string_view(reinterpret_cast<const char16_t*>(typed.utf16()), static_cast<std::size_t>(typed.size())),
        s);
    if (unread.isEmpty() && value.text == FieldText::Empty) unread = QStringLiteral("Falta el valor pedido del resultado.");
    if (unread.isEmpty() && value.text == FieldText::NotANumber)
        unread = QStringLiteral("El valor pedido, «%1», no es un número.").arg(typed.trimmed());
    if (!unread.isEmpty()) {
        m_services.reportFailure(this, cannot, unread);
        return;
    }
    const SearchRequest request{input, dialog.unknown(), dialog.target(), value.value};
    SearchAnswer answer = searchValue(request);
    if (answer.found.empty()) {
        m_services.reportFailure(this, QStringLiteral("Ningún valor alcanza el valor pedido."),
                                 QString::fromStdString(describeSearch(request, answer, s)));
        return;
    }
    if (answer.found.size() > 1) {
        // A result that turns: every value is listed, and none written
        // until one is chosen.
        QStringList items;
        for (const double x : answer.found)
            items << QString::fromStdString(unknownText(request, x, s));
        const QString question =
            QStringLiteral("%1 valores de %2 dan %3. Elija el que se escribe:")
                .arg(items.size())
                .arg(QString::fromUtf8(request.unknown->symbol), QString::fromStdString(targetText(request, s)));
        const int chosen = m_services.chooseOne(this, question, items);
        if (chosen < 0) return;
        answer.found = {answer.found[std::size_t(chosen)]};
    }
    const double x = answer.found.front();
    field(request.unknown->control)->setText(QString::fromStdString(valueText(request, x, s)));
    m_calcular->click();
    m_search = SearchNote{
        QString::fromUtf8(request.unknown->symbol) + QStringLiteral(": ") + QString::fromUtf8(request.unknown->meaning),
        QString::fromStdString(targetText(request, s)), QString::fromStdString(unknownText(request, x, s))};
    m_services.reportInformation(this, QString::fromStdString(describeSearch(request, answer, s)), {});
}

void CasePanel::showChart()
{
    if (!m_chart) {
        m_chart = new ChartWindow(QStringLiteral("Caso %1").arg(QChar::fromLatin1(m_prefix)), m_services, this);
        m_chart->setObjectName(controlName("Abaco"));
        followResult(m_chart);
    }
    m_chart->setFigures(figures());
    m_chart->setSizingCurve(calculatedInput(), separators());
    m_chart->setCaption(inputsCaption());
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
}

void CasePanel::refreshChart()
{
    if (!m_chart) return;
    if (!m_chart->isVisible()) {
        // A curve still being routed answers data the form no longer holds.
        if (m_chart->curveTab()) m_chart->curveTab()->cancelRouting();
        return;
    }
    m_chart->setFigures(figures());
    m_chart->setSizingCurve(calculatedInput(), separators());
    m_chart->setCaption(inputsCaption());
}

void CasePanel::reportRefusal(const FormReading& reading, const CaseResult& result, CalculationType calculation)
{
    QString detail;
    const char* culprit = nullptr;
    if (result.refusal) {
        std::vector<KnownValue> known;
        for (const FormReading::Value& r : reading.m_values)
            known.push_back({r.quantity, r.value, r.missing});
        if (result.main) known.push_back({computedQuantity(calculation), *result.main});
        // The empty field to fill in, or else the refused value's own.
        const Quantity wanted = missingValue(*result.refusal, known).value_or(result.refusal->quantity);
        for (const FormReading::Value& r : reading.m_values)
            if (r.quantity == wanted) culprit = r.field;
        detail = QString::fromStdString(describeRefusal(*result.refusal, known, reading.m_separators, calculation));
    }
    m_refused = true;
    m_refusal = detail;
    m_services.ReportOutOfRange(this, detail);
    if (culprit) {
        QLineEdit* f = field(culprit);
        f->setFocus(Qt::OtherFocusReason);
        f->selectAll();
    }
}

} // namespace retencion
