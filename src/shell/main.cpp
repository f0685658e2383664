#include "shell/form1.h"
#include "shell/qt_spanish.h"
#include "shell/qt_ui_services.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    retencion::installQtSpanish(app);
    QApplication::setApplicationName(QStringLiteral("Retención"));
    QApplication::setDesktopFileName(QStringLiteral("retencion"));
    QIcon icon;
    for (const int size : {16, 32, 64, 256})
        icon.addFile(QStringLiteral(":/icons/retencion-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    retencion::QtUiServices services;
    retencion::Form1 window(services);
    window.show();
    return QApplication::exec();
}
