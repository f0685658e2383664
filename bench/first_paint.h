#pragma once
// Shows a window and ends the program once its first frame has been
// painted: the end of a cold start, as the user sees it.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace retencion::bench {

// Quits the event loop after the first paint of the window or of anything
// in it has been delivered; the rest of that frame is painted in the same
// pass, before the queued quit runs.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};

// Returns 0 once the first frame is painted, 1 if none comes within 10 s.
inline int showUntilFirstPaint(QApplication& app, QWidget& window)
{
    FirstPaint watcher(&window);
    app.installEventFilter(&watcher);
    bool painted = true;
    QTimer::singleShot(10000, &app, [&] {
        painted = false;
        QCoreApplication::quit();
    });
    window.show();
    QApplication::exec();
    return painted ? 0 : 1;
}

} // namespace retencion::bench
