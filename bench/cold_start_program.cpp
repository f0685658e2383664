// The program as it starts for the user, up to its first painted frame.
#include "first_paint.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/qt_ui_services.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    retencion::setUpApplication(app);
    retencion::QtUiServices services;
    retencion::Form1 window(services, nullptr, retencion::Form1::Start::FirstFrameFirst);
    return retencion::bench::showUntilFirstPaint(app, window);
}
