#include "shell/application.h"

#include "shell/qt_spanish.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>

namespace retencion {

void setUpApplication(QApplication& app)
{
    // Where QSettings keeps the recent files.
    QApplication::setOrganizationName(QStringLiteral("Retencion"));
    QApplication::setApplicationName(QStringLiteral("Retención"));
    QApplication::setDesktopFileName(QStringLiteral("retencion"));
    // The sheet's font travels with the program where the system may lack
    // it (on Windows): the fonts in the "fonts" folder beside the program.
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
    installQtSpanish(app);
}

void setApplicationIcon()
{
    if (!QApplication::windowIcon().isNull()) return;
    QIcon icon;
    for (const int size : {16, 32, 64, 256})
        icon.addFile(QStringLiteral(":/icons/retencion-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace retencion
