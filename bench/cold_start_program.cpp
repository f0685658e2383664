// The program as it starts for the user, up to its first painted frame.
#include "first_paint.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/qt_ui_services.h"

int main(int argc, char** argv)
{
    retencion::bench::mark("main");
    retencion::startReadingFontConfiguration();
    QApplication app(argc, argv);
    retencion::bench::mark("QApplication");
    retencion::setUpApplication(app);
    retencion::bench::mark("setUpApplication");
    retencion::QtUiServices services;
    retencion::Form1 window(services, nullptr, retencion::Form1::Start::FirstFrameFirst);
    retencion::bench::mark("Form1");
    return retencion::bench::showUntilFirstPaint(app, window);
}
