#include "shell/application.h"
#include "shell/calculation_files.h"
#include "shell/command_line.h"
#include "shell/console.h"
#include "shell/form1.h"
#include "shell/qt_ui_services.h"
#include "shell/report_command_line.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // What an option prints reaches the console the program was started from.
    if (argc >= 2 && argv[1][0] == '-') retencion::useParentConsole();
    if (const auto status = retencion::answerCommandLine(argc, argv)) return *status;
    // `retencion --informe SALIDA.pdf ARCHIVO.retencion` writes the sheet of
    // the file's case in front, with no window and no display needed.
    const bool report = argc >= 2 && std::strcmp(argv[1], "--informe") == 0;
    if (report) {
        if (argc != 4) {
            std::fprintf(stderr, "retencion: uso: retencion --informe SALIDA.pdf ARCHIVO.retencion\n");
            return 2;
        }
#ifndef Q_OS_WIN
        // No display is needed. (Windows always has a desktop, and its own
        // platform there measures the sheet with the fonts the window uses.)
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        // Its one line on standard error is its own: Qt's notes stay quiet.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "retencion: %s\n", text.toUtf8().constData());
        });
    }
    retencion::startReadingFontConfiguration();
    QApplication app(argc, argv);
    retencion::setUpApplication(app);
    if (report) {
        const QStringList arguments = QApplication::arguments();
        return retencion::writeReportFromCommandLine(arguments.at(2), arguments.at(3));
    }
    retencion::QtUiServices services;
    retencion::Form1 window(services, nullptr, retencion::Form1::Start::FirstFrameFirst);
    window.show();
    // `retencion ARCHIVO.retencion`, as the file manager starts it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.files().openPath(arguments.at(1));
    return QApplication::exec();
}
