#pragma once
// What the five case panels share: the form built from the case's field
// table and the places its form gives each field (panels/form_builder.h,
// case_panel_form.cpp), the fields' faces and results (panels/form_fields.h),
// one calculation from field text to engine and back
// (panels/form_calculation.h), the saved state (case_panel_state.cpp), the
// chart windows that follow the result (panels/chart_followers.h) and the
// search for a value (case_panel_search.cpp). A case's own panel adds only
// what is its own.

#include "cases/calculation.h"
#include "cases/field_table.h"
#include "figures/figure.h"
#include "files/case_state.h"
#include "numbers/separators.h"
#include "panels/case_report.h"
#include "panels/case_sheet.h"
#include "panels/chart_followers.h"
#include "panels/field_faces.h"
#include "panels/form_fields.h"
#include "routing/routing_curve.h"

#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace retencion {

class ChartWindow;
class UiServices;
struct FormCalculation;

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
    std::vector<figures::Figure> figures() const;
    // The inputs of the last calculation, for the sizing curve; none before
    // the first.
    std::optional<CaseInput> curveInput() const;
    // The same curve by routing, where the case has one (case A).
    virtual std::optional<routing::RoutingCurve> curveByRouting() const { return std::nullopt; }
    void showChart();
    ChartWindow* chartWindow() const { return m_windows.chart(); } // null until first shown

    // The case as a calculation sheet states it: data, choices, results or
    // refusal, and its charts; made from what the panel holds, as the sheet
    // of a calculation file is (panels/case_sheet.h).
    CaseReport report() const;

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
    QString valuesTable() const { return m_fields.valuesTable(); }

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
    // The form of case `letter`, built whole from its field table and the
    // places its form gives each field; every control name begins with the
    // letter: `AINC`, `ALabelInc`, `AOption1`, ...
    CasePanel(char letter, UiServices& services, QWidget* parent);

    // Another button under "Calcular" and "Ver ábaco".
    QPushButton* addSideButton(const char* role, const QString& caption, char accessKey);
    // Runs whenever the last computed result changes: a calculation, or an
    // option that changed what the form asks for.
    virtual void resultChanged() {}

    // The options chosen now.
    Choice choice() const;
    // The last computed result, or null; the input it was read from.
    const CaseResult* lastResult() const { return m_last ? &*m_last : nullptr; }
    const std::optional<CaseInput>& lastInput() const { return m_lastInput; }
    Separators separators() const;
    // For the windows the panel opens.
    UiServices& services() const { return m_services; }
    // A window that shows the last result, and says so when it is out of date.
    void followResult(ChartWindow* window);

private:
    void buildForm();
    void buildOptions();
    void buildResults();
    void connectInputs();
    // "Calcular": the form read, the engine run, the results written.
    void calculate();
    void showResult(const FormCalculation& calculation);
    void reportNotANumber(const FormCalculation& calculation);
    void reportRefusal(const FormCalculation& calculation);
    // What the form shows and asks for follows the options chosen; an
    // option of `group` (0: the calculation, 1: the outlet) empties the
    // results and the fields whose meaning it changes.
    void showChoice();
    void optionChosen(int group);
    QString resultTip(const char* control) const;
    SheetData sheetData() const;
    ChartContent chartContent() const;
    void refreshChart();
    // The inputs of the last calculation made in this form: none once a
    // calculation file has replaced what it read.
    std::optional<CaseInput> calculatedInput() const;
    QString controlName(const char* role) const;
    template <typename Control> Control* control(const QString& name) const;

    const CaseFields& m_table;
    FormFields m_fields;
    UiServices& m_services;
    std::vector<QRadioButton*> m_options;
    std::optional<CaseInput> m_lastInput; // what the last calculation read
    std::optional<CaseResult> m_last;
    std::optional<SearchNote> m_search; // the search the last calculation came from
    bool m_calculated = false;          // a calculation has read this form since it was last restored
    bool m_refused = false;             // the last calculation was refused...
    QString m_refusal;                  // ...and this sentence said why
    bool m_restoring = false;
    ChartFollowers m_windows;
    QBoxLayout* m_layout;
    QPushButton* m_calcular = nullptr;
    QBoxLayout* m_sideButtons = nullptr;
};

} // namespace retencion
