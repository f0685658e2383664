#pragma once
// The file commands of the main window: new, open, open recent, save and
// save as; the file the calculation belongs to, whether it holds changes not
// yet saved, and the window title that says both.

#include "files/calculation_file.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QMainWindow;
class QMenu;

namespace retencion {

class UiServices;

class CalculationFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxRecent = 8;

    // `capture` reads the window's calculation, `apply` shows one in it.
    CalculationFiles(QMainWindow& window, UiServices& services, std::function<CalculationState()> capture,
                     std::function<void(const CalculationState&)> apply);

    // "Abrir reciente": the menu that lists the last files opened or saved.
    void setRecentMenu(QMenu* menu);

    QString path() const { return m_path; } // empty: never saved
    bool modified() const { return m_modified; }
    void setModified(bool modified);

    // Each returns whether it went through; none loses unsaved work without
    // asking, and none leaves the window half changed.
    bool newCalculation();
    bool open();
    bool openPath(const QString& path);
    bool save();
    bool saveAs();
    // Asks whether to save unsaved changes, and saves them if so; false when
    // the user cancels or the save fails.
    bool maybeSave();

    QStringList recentFiles() const;

private:
    bool load(const QString& path);
    bool writeTo(const QString& path);
    void openRecent(const QString& path);
    void remember(const QString& path);
    void forget(const QString& path);
    void fillRecentMenu();
    void updateTitle();

    QMainWindow& m_window;
    UiServices& m_services;
    std::function<CalculationState()> m_capture;
    std::function<void(const CalculationState&)> m_apply;
    QMenu* m_recentMenu = nullptr;
    QString m_path;
    bool m_modified = false;
};

// The window title for a calculation kept in `path` (empty: none), with
// Qt's placeholder for the modified marker when `modified`.
QString calculationTitle(const QString& path, bool modified);

} // namespace retencion
