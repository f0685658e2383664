#include "shell/application.h"

#include "shell/qt_spanish.h"

#include <QApplication>
#include <QIcon>

namespace retencion {

void setUpApplication(QApplication& app)
{
    // Where QSettings keeps the recent files.
    QApplication::setOrganizationName(QStringLiteral("Retencion"));
    QApplication::setApplicationName(QStringLiteral("Retención"));
    QApplication::setDesktopFileName(QStringLiteral("retencion"));
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
