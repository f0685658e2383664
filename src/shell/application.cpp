#include "shell/application.h"

#include "shell/qt_spanish.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QStyle>

#include <thread>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#endif

namespace retencion {
namespace {

// The reading of the font configuration under way, if any; a program that
// ends before waiting for it still waits, rather than end under a running
// thread.
struct FontConfigurationReading {
    std::thread thread;
    void wait()
    {
        if (thread.joinable()) thread.join();
    }
    ~FontConfigurationReading() { wait(); }
};

FontConfigurationReading& fontConfigurationReading()
{
    static FontConfigurationReading reading;
    return reading;
}

} // namespace

void startReadingFontConfiguration()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    FontConfigurationReading& reading = fontConfigurationReading();
    if (reading.thread.joinable()) return;
    // Only where Qt itself already brought fontconfig in: then this reads
    // the configuration Qt is about to ask for, once, and Qt finds it read.
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!fontconfig) return;
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(fontconfig, "FcInit"));
    dlclose(fontconfig); // still loaded: Qt holds it
    if (!init) return;
    reading.thread = std::thread([init] { init(); });
#endif
}

void setUpApplication(QApplication& app)
{
    // Where QSettings keeps the recent files.
    QApplication::setOrganizationName(QStringLiteral("Retencion"));
    QApplication::setApplicationName(QStringLiteral("Retención"));
    QApplication::setDesktopFileName(QStringLiteral("retencion"));
    installQtSpanish(app);
    // While the fonts are read on the other core, what needs no font: the
    // style, and the icon of the menu bar's overflow button, which the menu
    // bar loads when it is made and whose first load reads the image format
    // plugins.
    QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    fontConfigurationReading().wait();
    // The sheet's font travels with the program where the system may lack
    // it (on Windows): the fonts in the "fonts" folder beside the program.
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
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
