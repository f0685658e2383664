#pragma once
// Shows a window and ends the program once its first frame has been
// painted: the end of a cold start, as the user sees it.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace retencion::bench {

// With RETENCION_START_MARKS set, `mark` prints to stderr the milliseconds
// at each named step of a start-up, so that it can be split into its parts:
// counted from the launch when RETENCION_LAUNCHED_NS gives its instant on
// the monotonic clock (cold_start --steps sets it), else from the first mark.
inline void mark(const char* step)
{
    static const bool on = std::getenv("RETENCION_START_MARKS") != nullptr;
    if (!on) return;
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = [] {
        const char* launched = std::getenv("RETENCION_LAUNCHED_NS");
        const long long ns = launched ? std::atoll(launched) : 0;
        return ns > 0 ? Clock::time_point(std::chrono::nanoseconds(ns)) : Clock::now();
    }();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::fprintf(stderr, "%8.2f ms  %s\n", ms, step);
}

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
            mark("first paint event");
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
    mark("shown");
    QApplication::exec();
    mark(painted ? "first frame painted" : "no frame painted within 10 s");
    return painted ? 0 : 1;
}

} // namespace retencion::bench
