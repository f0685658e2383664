#include "shell/application.h"
#include "shell/calculation_files.h"
#include "shell/form1.h"
#include "shell/qt_ui_services.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    retencion::setUpApplication(app);
    retencion::QtUiServices services;
    retencion::Form1 window(services);
    window.show();
    // `retencion ARCHIVO.retencion`, as the file manager starts it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.files().openPath(arguments.at(1));
    return QApplication::exec();
}
