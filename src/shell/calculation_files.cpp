#include "shell/calculation_files.h"

#include "charts/ui_services.h"
#include "files/atomic_write.h"
#include "shell/program_title.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

namespace retencion {
namespace {

const QString kRecentKey = QStringLiteral("archivosRecientes");
const QString kSuffix = QStringLiteral(".retencion");

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString calculationTitle(const QString& path, bool modified)
{
    const QString marker = modified ? QStringLiteral("[*]") : QString();
    if (path.isEmpty()) return programTitle() + marker;
    // A literal "[*]" in a name is written twice, or Qt takes it for the marker.
    QString name = QFileInfo(path).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return name + marker + QStringLiteral(" — ") + programTitle();
}

CalculationFiles::CalculationFiles(QMainWindow& window, UiServices& services, std::function<CalculationState()> capture,
                                   std::function<void(const CalculationState&)> apply)
    : QObject(&window), m_window(window), m_services(services), m_capture(std::move(capture)), m_apply(std::move(apply))
{
    updateTitle();
}

void CalculationFiles::setRecentMenu(QMenu* menu)
{
    m_recentMenu = menu;
    fillRecentMenu();
}

void CalculationFiles::setModified(bool modified)
{
    if (m_modified == modified) return;
    m_modified = modified;
    updateTitle();
}

void CalculationFiles::updateTitle()
{
    m_window.setWindowTitle(calculationTitle(m_path, m_modified));
    m_window.setWindowModified(m_modified);
}

bool CalculationFiles::maybeSave()
{
    if (!m_modified) return true;
    switch (m_services.askToSave(&m_window)) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool CalculationFiles::newCalculation()
{
    if (!maybeSave()) return false;
    m_apply(CalculationState{});
    m_path.clear();
    m_modified = false;
    updateTitle();
    return true;
}

bool CalculationFiles::open()
{
    if (!maybeSave()) return false;
    const QString folder = m_path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                            : QFileInfo(m_path).absolutePath();
    const QString chosen = m_services.chooseFileToOpen(&m_window, folder);
    return !chosen.isEmpty() && load(chosen);
}

bool CalculationFiles::openPath(const QString& path)
{
    return maybeSave() && load(path);
}

// Everything is read and checked before the window changes at all.
bool CalculationFiles::load(const QString& path)
{
    auto bytes = readCalculationBytes(path);
    QString reason;
    if (auto* unread = std::get_if<QString>(&bytes)) {
        reason = *unread;
    } else {
        const QString decimal = QString::fromStdString(m_services.separators().decimal);
        auto read = readCalculationFile(std::get<QByteArray>(bytes), decimal);
        if (auto* refused = std::get_if<QString>(&read)) {
            reason = *refused;
        } else {
            m_apply(std::get<CalculationState>(read));
            m_path = QFileInfo(path).absoluteFilePath();
            m_modified = false;
            updateTitle();
            remember(m_path);
            return true;
        }
    }
    m_services.reportFailure(&m_window, QStringLiteral("No se puede abrir «%1».").arg(shown(path)),
                             reason + QLatin1Char('.'));
    return false;
}

bool CalculationFiles::save()
{
    return m_path.isEmpty() ? saveAs() : writeTo(m_path);
}

bool CalculationFiles::saveAs()
{
    const QString suggested =
        m_path.isEmpty()
            ? QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("calculo" + kSuffix)
            : m_path;
    QString chosen = m_services.savePath(&m_window, suggested, QStringLiteral("Cálculos de Retención (*.retencion)"));
    if (chosen.isEmpty()) return false;
    // The program knows its files by their ending.
    if (!chosen.endsWith(kSuffix, Qt::CaseInsensitive)) chosen += kSuffix;
    return writeTo(chosen);
}

// Written whole or not at all (files/atomic_write.h).
bool CalculationFiles::writeTo(const QString& path)
{
    const QString decimal = QString::fromStdString(m_services.separators().decimal);
    const QByteArray bytes = writeCalculationFile(m_capture(), decimal);
    if (const QString reason = writeAtomically(path, bytes); !reason.isEmpty()) {
        m_services.reportFailure(&m_window,
                                 QStringLiteral("No se ha podido guardar el cálculo en «%1».").arg(shown(path)),
                                 reason + QStringLiteral(". El archivo anterior, si lo había, sigue como estaba."));
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_modified = false;
    updateTitle();
    remember(m_path);
    return true;
}

QStringList CalculationFiles::recentFiles() const
{
    return QSettings().value(kRecentKey).toStringList();
}

void CalculationFiles::remember(const QString& path)
{
    QStringList recent = recentFiles();
    // Settings are written through to disk: not again for the same list.
    if (!recent.isEmpty() && recent.constFirst() == path) return;
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kMaxRecent)
        recent.removeLast();
    QSettings().setValue(kRecentKey, recent);
    fillRecentMenu();
}

void CalculationFiles::forget(const QString& path)
{
    QStringList recent = recentFiles();
    recent.removeAll(path);
    QSettings().setValue(kRecentKey, recent);
    fillRecentMenu();
}

void CalculationFiles::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        forget(path);
        m_services.reportFailure(&m_window, QStringLiteral("No se puede abrir «%1».").arg(shown(path)),
                                 QStringLiteral("El archivo ya no existe; se quita de la lista de recientes."));
        return;
    }
    openPath(path);
}

void CalculationFiles::fillRecentMenu()
{
    if (!m_recentMenu) return;
    // The entry being chosen may be the one that changes the list: deleted
    // once its own signal is over.
    for (QAction* old : m_recentMenu->actions()) {
        m_recentMenu->removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    const QStringList recent = recentFiles();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        QString caption = shown(recent[i]);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        action->setObjectName(QStringLiteral("Reciente%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path = recent[i]] { openRecent(path); });
    }
    m_recentMenu->menuAction()->setEnabled(!recent.isEmpty());
}

} // namespace retencion
