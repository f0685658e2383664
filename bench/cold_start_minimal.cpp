// The yardstick: a Qt Widgets program with one empty main window, started
// and shown the same way.
#include "first_paint.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    retencion::bench::mark("main");
    QApplication app(argc, argv);
    retencion::bench::mark("QApplication");
    QMainWindow window;
    retencion::bench::mark("QMainWindow");
    return retencion::bench::showUntilFirstPaint(app, window);
}
