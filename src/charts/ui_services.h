#pragma once
// What the windows ask of the desktop around them: the one message of a
// refused calculation, a failure to tell the user, whether to save unsaved
// work, which file to open and where to save one, the About window, the
// print preview, and the regional separators. The shell gives the real thing; tests put a
// recorder in its place, so that no test ever blocks on a modal window.

#include "numbers/separators.h"

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QPagedPaintDevice;
class QWidget;

namespace retencion {

// The answer to "¿Desea guardar los cambios?".
enum class SaveChoice { Save, Discard, Cancel };

class UiServices {
public:
    virtual ~UiServices() = default;

    // Shows "Valores fuera de los estudiados" in a modal message box with
    // the OK button only and the program title as caption; `detail`, when
    // given, is shown below it. Returns when the user closes it.
    virtual void ReportOutOfRange(QWidget* parent, const QString& detail) = 0;

    // Tells the user that something they asked for failed: `message` says
    // what (naming the file, if any), `reason` why. Returns when the user
    // has seen it.
    virtual void reportFailure(QWidget* parent, const QString& message, const QString& reason) = 0;

    // Asks where to save a file of the kinds `filter` names, proposing
    // `proposed`; empty when the user gives up.
    virtual QString savePath(QWidget* parent, const QString& proposed, const QString& filter) = 0;

    // The decimal and digit-group separators of the user's regional
    // settings at this moment.
    virtual Separators separators() const = 0;

    // Asks "¿Desea guardar los cambios?" with "Guardar", "Descartar" and
    // "Cancelar"; closing the question cancels.
    virtual SaveChoice askToSave(QWidget* parent) = 0;

    // The calculation file to open, starting in `folder`; empty when the
    // user cancels.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& folder) = 0;

    // Shows the About window modally, the same window each time for the
    // same `parent`. Returns when the user closes it.
    virtual void showAbout(QWidget* parent) = 0;

    // A print preview of the pages `paint` lays out on the device it is
    // given, from which the user prints; `document` names what is printed
    // ("Caso A"). Returns when the user closes it.
    virtual void previewPrint(QWidget* parent, const QString& document,
                              const std::function<void(QPagedPaintDevice&)>& paint) = 0;

    // Tells the user what was done: `message` in a sentence, with `detail`
    // below it when given. Returns when the user has seen it.
    virtual void reportInformation(QWidget* parent, const QString& message, const QString& detail) = 0;

    // Runs a dialog that asks for what a command needs; true when the user
    // accepts it.
    virtual bool askInDialog(QDialog* dialog) = 0;

    // Asks the user to choose one of `items`, under `question`; the index
    // chosen, or -1 when the user gives up.
    virtual int chooseOne(QWidget* parent, const QString& question, const QStringList& items) = 0;
};

} // namespace retencion
