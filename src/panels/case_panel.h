#pragma once
// What the five case panels share: the frames, the rows of caption, field
// and unit, the option groups, the "Calcular" button and the result row,
// built from each case's own tables; and the path of one calculation from
// field text to engine and back to field text.

#include "cases/calculation.h"
#include "cases/field_table.h"
#include "figures/figure.h"
#include "figures/sizing_curve.h"
#include "files/case_state.h"
#include "numbers/format_number.h"
#include "panels/case_report.h"
#include "routing/routing_curve.h"

#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace retencion {

class ChartWindow;
class UiServices;

// One row of a frame: a caption label, a text box and a unit label, placed
// in one of the frame's two columns.
struct FieldRow {
    const char* labelName;
    QString caption;
    const char* fieldName;
    const char* unitName; // nullptr: the field has no unit label
    QString unit;
    QString toolTip; // empty: no tool tip
    int row = 0;
    int column = 0;
};

struct OptionSpec {
    const char* name;
    QString caption;
    char accessKey = 0; // its first occurrence in the caption is underlined and pressed with Alt
};

// The captions of the given value (`INC`) and of the main result (`RES`)
// for one calculation type.
struct CalculationCaptions {
    QString inc, incUnit, res, resUnit;
};
extern const CalculationCaptions kSurfaceCaptions; // Qp given, surface found
extern const CalculationCaptions kVolumeCaptions;  // Qp given, volume found

class CasePanel;

// The values one calculation reads from the form, each with its field, so
// that a refusal can name the value, say when its field was empty, and give
// that field the focus. A field is read whole, as a cell of retencion-calc
// is: its text is a number, or empty, or refused.
class FormReading {
public:
    double number(const char* field, Quantity quantity);
    double minutesAsSeconds(const char* field, Quantity quantity);

    // Once the calculation has read its fields: when one of them holds
    // something other than a number, says so ("Dato no válido"), gives that
    // field the focus and returns true. The calculation then stops there and
    // nothing on the form changes.
    bool reportNotANumber() const;

private:
    friend class CasePanel;
    explicit FormReading(const CasePanel& panel);
    double read(const char* field, Quantity quantity, bool minutes);

    struct Value {
        Quantity quantity;
        double value;
        const char* field;
        bool missing;    // the field was empty
        bool notANumber; // ...or held no number
    };
    const CasePanel& m_panel;
    Separators m_separators;
    std::vector<Value> m_values;
};

class CasePanel : public QWidget {
    Q_OBJECT
public:
    QLineEdit* field(const char* name) const;
    QLabel* label(const char* name) const;
    QRadioButton* option(const char* name) const;
    QPushButton* calcular() const { return m_calcular; }

    // The case's design charts, with the point the last calculation read
    // (the charts alone before any, after a refusal, or once an option
    // changed what the form asks for).
    virtual std::vector<figures::Figure> figures() const = 0;
    // The inputs of the last calculation, for the sizing curve; none before
    // the first.
    virtual std::optional<CaseInput> curveInput() const = 0;
    // The same curve by routing, where the case has one (case A).
    virtual std::optional<routing::RoutingCurve> curveByRouting() const { return std::nullopt; }
    void showChart();
    ChartWindow* chartWindow() const { return m_chart; } // null until first shown

    // The case as a calculation sheet states it: data, choices, results or
    // refusal, and its charts.
    virtual CaseReport report() const;

    // What the panel holds, for a calculation file: every input field, the
    // options selected and every result field, by control name, and the
    // results greyed as out of date.
    CaseState state() const;
    // Shows `state` exactly as it was kept: the captions follow the options
    // restored, but no option empties a field; the results shown count as
    // current, but for those it names out of date, greyed again. Names the
    // panel does not have are passed over.
    void restore(const CaseState& state);
    // "Ip\t10\tm³/s": one line per field shown, inputs and then results,
    // for a spreadsheet; a greyed result ends "\t(resultado anterior)".
    QString valuesTable() const;

    // "Buscar valor…": asks for an unknown, a target and its value; writes
    // the value found into the unknown's field and presses "Calcular", or
    // says why nothing was written.
    void buscar();
    // The form as it stands, read through the case's field table (times in
    // seconds), every field the options ask for.
    CaseInput formInput() const;
    CaseInput formInput(const InputField* unknown, QString* unread) const;
    // The search the last calculation came from, while the form holds its
    // data.
    const std::optional<SearchNote>& searchNote() const { return m_search; }

signals:
    // The user typed in an input field or chose an option.
    void edited();

protected:
    // `prefix` is the case letter that every control name of the panel
    // begins with: `AINC`, `ALabelInc`, `AOption1`, ...
    CasePanel(char prefix, UiServices& services, QWidget* parent);

    // Builders, called by each panel's constructor in reading order; the
    // keyboard follows the same order.
    void addDescription(const char* name, const QString& text);
    void addOptionGroup(const char* frameName, const QString& caption, std::initializer_list<OptionSpec> options);
    // "Tipo de Cálculo": Option1 with `firstCaption` finds what `captions`
    // name from Qp, Option2 the outflow peak from it. Either relabels `INC`
    // and `RES` and empties `RES`, `H` and `INC`.
    void addCalculationGroup(const char* frameName, const QString& firstCaption, char firstKey,
                             const CalculationCaptions& captions);
    void addInputFrame(const char* frameName, std::initializer_list<FieldRow> rows);
    // The "Calcular" button beside the "Resultados" frame; `onCalcular` is
    // the panel's own click handler.
    template <typename Panel>
    void addResults(const char* buttonName, const char* frameName, std::initializer_list<FieldRow> rows,
                    void (Panel::*onCalcular)())
    {
        connectCalcular(buildResults(buttonName, frameName, rows), static_cast<Panel*>(this), onCalcular);
    }
    void finishLayout();
    // Another button under "Calcular" and "Ver ábaco".
    QPushButton* addSideButton(const char* role, const QString& caption, char accessKey);
    // Runs whenever the last computed result changes: a calculation, or an
    // option that changed what the form asks for.
    virtual void resultChanged() {}
    // The outlet chosen in the panel's second option group, if it has one.
    virtual Outlet outletChosen() const { return Outlet::None; }

    // Runs `handler` after the user selects `optionName`.
    template <typename Panel> void onSelected(const char* optionName, void (Panel::*handler)())
    {
        connectSelected(option(optionName), static_cast<Panel*>(this), handler);
    }

    // What the option handlers do: captions set, then fields emptied, each
    // in the order given.
    void setCaptions(std::initializer_list<std::pair<const char*, QString>> captions);
    void clearFields(std::initializer_list<const char*> names);
    // Tool tips that follow an option: what a field holds, or how a result
    // was found (said again by the sheet and the copied values).
    void setToolTips(std::initializer_list<std::pair<const char*, QString>> tips);
    void setShown(std::initializer_list<const char*> names, bool shown);
    // What the first option group asks for: `first` when Option1 is
    // selected, Outflow when Option2 is, None otherwise.
    CalculationType calculationChosen(CalculationType first) const;

    // The last computed result, or null.
    const CaseResult* lastResult() const { return m_last ? &*m_last : nullptr; }
    Separators separators() const;
    // For the windows the panel opens.
    UiServices& services() const { return m_services; }

    // A new reading of the form, for the calculation about to run.
    FormReading reading() const { return FormReading(*this); }
    bool selected(const char* optionName) const;

    // Writes what the result holds into `RES` and `H`, main value first and
    // then the height, each under its mask; then shows the message if the
    // result is out of range, saying which value was refused; the field that
    // holds it gets the focus, its text selected. A value that is absent
    // leaves its field as it was, shown as out of date.
    void writeResult(const FormReading& reading, const CaseResult& result, CalculationType calculation,
                     ResultMasks masks);

    // Whether a result field shows a value that no longer answers the form.
    bool resultsOutOfDate() const;
    // A window that shows the last result, and says so when it is out of date.
    void followResult(ChartWindow* window);
    // "Caso A: Qp = 3 m³/s; Ip = 10 m³/s; …": the data as typed, for a caption.
    QString inputsCaption() const;

private:
    QPushButton* buildResults(const char* buttonName, const char* frameName, std::initializer_list<FieldRow> rows);
    template <typename Panel> void connectCalcular(QPushButton* button, Panel* panel, void (Panel::*handler)());
    template <typename Panel> void connectSelected(QRadioButton* button, Panel* panel, void (Panel::*handler)());
    void pressCalcularOnEnter(QLineEdit* field);

    QString controlName(const char* role) const;
    template <typename Control> Control* control(const QString& name) const;
    friend class FormReading;
    void addRows(QGroupBox* frame, std::initializer_list<FieldRow> rows, bool results);
    void updateAccessibleNames();
    void relabelCalculation(const CalculationCaptions& captions);
    void reportRefusal(const FormReading& reading, const CaseResult& result, CalculationType calculation);
    // Greys a result field whose text no longer belongs to the form.
    void markResult(QLineEdit* field, bool outOfDate);
    void setToolTipOf(QLineEdit* field, const QString& tip);
    void markResultsOutOfDate();
    void markWindows();

    // What a screen reader says of a field: its caption, tool tip and unit.
    struct FieldLabels {
        QLineEdit* field;
        QLabel* caption;
        QLabel* unit; // may be null
        bool result;
    };
    std::vector<FieldLabels> m_fields;
    // Every caption as built, and the controls that options hide (all shown
    // as built): what the panel looks like before any option is chosen.
    std::vector<std::pair<QLabel*, QString>> m_builtCaptions;
    std::vector<std::pair<QLineEdit*, QString>> m_builtToolTips;
    std::vector<QWidget*> m_shownByOptions;
    bool m_restoring = false;

    void refreshChart();
    // The inputs of the last calculation made in this form: none once a
    // calculation file has replaced what it read.
    std::optional<CaseInput> calculatedInput() const;

    char m_prefix;
    UiServices& m_services;
    std::optional<CaseResult> m_last;
    std::optional<SearchNote> m_search; // the search the last calculation came from
    bool m_calculated = false;          // a calculation has read this form since it was last restored
    bool m_refused = false;             // the last calculation was refused...
    QString m_refusal;                  // ...and this sentence said why
    QLabel* m_description = nullptr;
    std::vector<QGroupBox*> m_optionGroups;
    std::vector<ChartWindow*> m_following;
    ChartWindow* m_chart = nullptr;
    QBoxLayout* m_layout;
    QPushButton* m_calcular = nullptr;
    QBoxLayout* m_sideButtons = nullptr;
};

template <typename Panel> void CasePanel::connectCalcular(QPushButton* button, Panel* panel, void (Panel::*handler)())
{
    connect(button, &QAbstractButton::clicked, panel, handler);
}

template <typename Panel> void CasePanel::connectSelected(QRadioButton* button, Panel* panel, void (Panel::*handler)())
{
    connect(button, &QAbstractButton::toggled, panel, [panel, handler](bool on) {
        if (on) (panel->*handler)();
    });
}

} // namespace retencion
