// The yardstick: a Qt Widgets program with one empty main window, started
// and shown the same way.
#include "first_paint.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    return retencion::bench::showUntilFirstPaint(app, window);
}
