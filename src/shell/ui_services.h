#pragma once
// The thin layer between the program and Qt that the panels rely on: the
// modal messages and questions of the program, the file choosers and the
// regional separators. Tests put a recorder in its place, so that no test
// ever blocks on a modal window.

#include "numbers/format_number.h"

#include <QString>

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

    // The decimal and digit-group separators of the user's regional
    // settings at this moment.
    virtual Separators separators() const = 0;

    // Asks "¿Desea guardar los cambios?" with "Guardar", "Descartar" and
    // "Cancelar"; closing the question cancels.
    virtual SaveChoice askToSave(QWidget* parent) = 0;

    // The calculation file to open, starting in `folder`; empty when the
    // user cancels.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& folder) = 0;
    // Where to save the calculation, `suggested` proposed; empty when the
    // user cancels.
    virtual QString chooseFileToSave(QWidget* parent, const QString& suggested) = 0;

    // Says why a file could not be opened or saved: `message` names the
    // file, `reason` says what failed.
    virtual void reportFileProblem(QWidget* parent, const QString& message, const QString& reason) = 0;
};

// The real thing: QMessageBox and the system locale.
class QtUiServices : public UiServices {
public:
    void ReportOutOfRange(QWidget* parent, const QString& detail) override;
    Separators separators() const override;
    SaveChoice askToSave(QWidget* parent) override;
    QString chooseFileToOpen(QWidget* parent, const QString& folder) override;
    QString chooseFileToSave(QWidget* parent, const QString& suggested) override;
    void reportFileProblem(QWidget* parent, const QString& message, const QString& reason) override;
};

} // namespace retencion
