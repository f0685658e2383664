#pragma once
// A stand-in for the message boxes, the file choosers and the regional
// settings, so that tests never block on a modal window and choose their own
// answers and separators, and a user's work at a panel written as rows of a
// table.

#include "cases/worked_examples.h"
#include "charts/ui_services.h"
#include "numbers/format_number.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace retencion::test {

class RecordingServices : public UiServices {
public:
    explicit RecordingServices(const char* decimal = ".") : separatorsInUse{decimal, *decimal == '.' ? "," : "."} {}
    void ReportOutOfRange(QWidget*, const QString& detail) override { messages << detail; }
    void reportFailure(QWidget*, const QString& message, const QString& reason) override
    {
        failures << message + ' ' + reason;
    }
    QString savePath(QWidget*, const QString&, const QString&) override { return chosenPath; }
    Separators separators() const override { return separatorsInUse; }
    SaveChoice askToSave(QWidget*) override
    {
        ++questions;
        return answer;
    }
    QString chooseFileToOpen(QWidget*, const QString&) override { return fileToOpen; }
    void showAbout(QWidget*) override { ++aboutShown; }
    void previewPrint(QWidget*, const QString& document, const std::function<void(QPagedPaintDevice&)>&) override
    {
        previews << document;
    }
    void reportInformation(QWidget*, const QString& message, const QString& detail) override
    {
        informations << (detail.isEmpty() ? message : message + ' ' + detail);
    }
    bool askInDialog(QDialog* dialog) override { return fillDialog && fillDialog(dialog); }
    int chooseOne(QWidget*, const QString& question, const QStringList& items) override
    {
        offered << question + ": " + items.join(" | ");
        return chosenItem;
    }

    QStringList messages; // one entry per message shown, holding its detail
    QStringList failures; // one entry per failure reported: what failed, and why
    QString chosenPath;   // where the user saves when asked; empty: gives up
    Separators separatorsInUse;
    int questions = 0;                        // "¿Desea guardar los cambios?" asked
    SaveChoice answer = SaveChoice::Cancel;   // ...and answered
    QString fileToOpen;                       // chosen to open; empty: cancelled
    int aboutShown = 0;                       // the About window opened
    QStringList previews;                     // what each print preview showed
    QStringList informations;                 // what the program said it did
    std::function<bool(QDialog*)> fillDialog; // the user at a dialog: fills it, and accepts it or not
    QStringList offered;                      // the lists the user was asked to choose from
    int chosenItem = -1;                      // ...and the choice; -1: gave up
};

inline QLineEdit* field(QWidget* panel, const QString& name)
{
    return panel->findChild<QLineEdit*>(name);
}

inline QString text(QWidget* panel, const QString& name)
{
    return field(panel, name)->text();
}

inline QString caption(QWidget* panel, const QString& name)
{
    return panel->findChild<QLabel*>(name)->text();
}

// Types into the named fields and clicks the named options, as the
// benchmarks do.
inline void type(QWidget* panel, std::initializer_list<std::pair<const char*, const char*>> texts)
{
    for (const auto& [name, typed] : texts)
        field(panel, name)->setText(QString::fromUtf8(typed));
}

inline void choose(QWidget* panel, std::initializer_list<const char*> options)
{
    for (const char* name : options)
        panel->findChild<QRadioButton*>(name)->click();
}

// Acts as a user on a panel, word by word: "AIP=10" leaves the field AIP
// holding 10 ("AIP=" empties it); any other word clicks that option.
inline void act(QWidget* panel, const QString& words)
{
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = word.indexOf('=');
        if (equals < 0)
            panel->findChild<QRadioButton*>(word)->click();
        else
            field(panel, word.left(equals))->setText(word.mid(equals + 1));
    }
}

// A worked example as a user types it under `decimal`: its options, then
// "FIELD=value" words.
inline QString exampleWords(const WorkedExample& e, const char* decimal)
{
    QString words = QString::fromUtf8(e.options);
    const Separators s{decimal, *decimal == '.' ? "," : "."};
    for (const TypedValue& v : typedValues(e.input))
        words += QStringLiteral(" %1=%2").arg(v.control, QString::fromStdString(FormatSignificant(v.value, 6, s)));
    return words;
}

// One press of "Calcular": what the user did before it, what the fields read
// after it ("FIELD=text" words), and how many messages have been shown by then.
struct Step {
    QString does;
    QString shows;
    qsizetype messages = 0;
};

// A fresh panel under one decimal separator, and a user's steps on it.
struct UserSteps {
    const char* name;
    const char* decimal;
    std::vector<Step> steps;
};

// The faults found, none when every step shows what it should.
template <class Panel> QStringList play(std::initializer_list<UserSteps> sessions)
{
    QStringList faults;
    for (const UserSteps& session : sessions) {
        RecordingServices services(session.decimal);
        Panel panel(services);
        for (std::size_t i = 0; i < session.steps.size(); ++i) {
            const Step& step = session.steps[i];
            act(&panel, step.does);
            panel.calcular()->click();
            const QString where = QStringLiteral("%1, step %2: ").arg(session.name).arg(i + 1);
            for (const QString& word : step.shows.split(' ', Qt::SkipEmptyParts)) {
                const QString name = word.section('=', 0, 0);
                if (text(&panel, name) != word.section('=', 1)) faults << where + name + " reads " + text(&panel, name);
            }
            if (services.messages.size() != step.messages)
                faults << where + QString::number(services.messages.size()) + " messages";
        }
    }
    return faults;
}

using Captions = std::vector<std::pair<QString, QString>>; // label name, caption

// An option clicked after another, with every field holding "7": it sets
// these captions, empties these fields, leaves every other field as it was
// and says nothing. The faults found, if any.
template <class Panel>
QStringList checkOption(const QString& from, const QString& option, const Captions& captions,
                        const QStringList& emptied)
{
    QStringList faults;
    RecordingServices services;
    Panel panel(services);
    act(&panel, from);
    const auto fields = panel.template findChildren<QLineEdit*>();
    for (QLineEdit* f : fields)
        f->setText("7");
    act(&panel, option);
    for (const auto& [label, want] : captions)
        if (caption(&panel, label) != want) faults << option + ": " + label + " reads " + caption(&panel, label);
    for (QLineEdit* f : fields)
        if (f->text() != (emptied.contains(f->objectName()) ? "" : "7")) faults << option + ": " + f->objectName();
    if (!services.messages.isEmpty()) faults << option + ": a message";
    return faults;
}

// The two calculation options of panel `p` swap the captions of the value
// given and of the result: option 1 finds `found` from Qp, option 2 the reverse.
template <class Panel>
QStringList checkCalculationOptions(const QString& p, const QString& found, const QString& unit,
                                    const QStringList& emptied)
{
    const auto captions = [&](const QString& inc, const QString& incUnit, const QString& res, const QString& resUnit) {
        return Captions{
            {p + "LabelInc", inc}, {p + "LabelIncU", incUnit}, {p + "LabelRes", res}, {p + "LabelResU", resUnit}};
    };
    return checkOption<Panel>(p + "Option2", p + "Option1", captions("Qp =", "m³/s", found, unit), emptied) +
           checkOption<Panel>(p + "Option1", p + "Option2", captions(found, unit, "Qp =", "m³/s"), emptied);
}

// Every input field in sight says in its tool tip what it holds, at the
// start and after each option of the panel in turn; the faults found.
inline QStringList inputsWithoutToolTip(QWidget* panel, const QString& name)
{
    QStringList faults;
    const auto check = [&](const QString& after) {
        for (const QLineEdit* f : panel->findChildren<QLineEdit*>())
            if (!f->isReadOnly() && !f->isHidden() && f->toolTip().isEmpty())
                faults << name + ", " + after + ": " + f->objectName();
    };
    check(QStringLiteral("at the start"));
    for (QRadioButton* option : panel->findChildren<QRadioButton*>()) {
        option->click();
        check(option->objectName());
    }
    return faults;
}

// The peak time's caption, "Tp =", as the copied values, the sheet's data and
// the chart's caption say it; "Tb" names the base time, which the panel
// does not have. The faults found after `words` and "Calcular".
template <class Panel> QStringList peakTimeNamedTp(const char* label, const QString& words)
{
    QStringList faults;
    RecordingServices services(",");
    Panel panel(services);
    act(&panel, words);
    panel.calcular()->click();
    if (caption(&panel, label) != QStringLiteral("Tp =")) faults << QStringLiteral("caption ") + caption(&panel, label);
    const QString copied = panel.valuesTable();
    if (!copied.contains(QStringLiteral("Tp\t60\tmin.")) || copied.contains(QStringLiteral("Tb")))
        faults << "copied: " + copied;
    const auto report = panel.report();
    const bool inSheet = std::any_of(report.inputs.begin(), report.inputs.end(), [](const auto& line) {
        return line.symbol == QStringLiteral("Tp") && line.meaning.contains(QStringLiteral("caudal punta"));
    });
    if (!inSheet) faults << QStringLiteral("the sheet's data have no Tp");
    for (const auto& line : report.inputs)
        if (line.symbol == QStringLiteral("Tb")) faults << QStringLiteral("the sheet's data have Tb");
    panel.showChart();
    const QString chartCaption = panel.chartWindow()->caption();
    if (!chartCaption.contains(QStringLiteral("Tp = 60 min.")) || chartCaption.contains(QStringLiteral("Tb")))
        faults << "chart caption: " + chartCaption;
    return faults;
}

} // namespace retencion::test
