#include "shell/application.h"
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
    return QApplication::exec();
}
