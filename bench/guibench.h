#pragma once

// What the benches that drive the real windows share: the clocks, the event
// loop run until idle, message boxes closed at once, and the timed runs.

#include "childprocess.h"
#include "support/boxcloser.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>
#include <vector>

namespace WindowBench {

using ChildProcess::percentile;
using ChildProcess::sortedPercentile;

inline double clockMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Counts the events the application delivers, and the paint events among
// them: the event loop is idle once a pass delivers nothing, and a case that
// painted nothing measured no repaint.
class EventCounter : public QObject
{
public:
    long long events = 0;
    long long paints = 0;

    // Runs the event loop until a pass delivers no event at all.
    void settle() const
    {
        for (int pass = 0; pass < 50; ++pass) {
            const long long before = events;
            QCoreApplication::processEvents();
            if (events == before)
                return;
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        ++events;
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Shows `window` and waits until it is exposed; says so on stderr if it never
// is ("the window was never exposed").
inline void showExposed(QWidget& window, const char* what)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "%s was never exposed\n", what);
}

// A message box inside a handler would wait for a user: it is closed at once
// and its text kept, so the case can be reported as having taken an error path.
class BoxCloser : public ::BoxCloser
{
public:
    BoxCloser() : ::BoxCloser(20) { start(); }
};

// Wall-clock and CPU times, ms, of `iterations` calls of `once` after three
// warm-up ones (caches, first layout of new rows), the paint events the
// counted ones delivered, and the wall time of the very first call: what a
// user meets once a session, which the medians hide.
struct Samples
{
    std::vector<double> wall, cpu;
    long long paints = 0;
    double firstWall = 0;
};

inline Samples timeRuns(const EventCounter& counter, const std::function<void()>& once,
                        int iterations)
{
    Samples s;
    const double first = clockMs(CLOCK_MONOTONIC);
    once();
    s.firstWall = clockMs(CLOCK_MONOTONIC) - first;
    for (int i = 0; i < 2; ++i)
        once();
    const long long paintsBefore = counter.paints;
    for (int i = 0; i < iterations; ++i) {
        const double c0 = clockMs(CLOCK_PROCESS_CPUTIME_ID);
        const double t0 = clockMs(CLOCK_MONOTONIC);
        once();
        s.wall.push_back(clockMs(CLOCK_MONOTONIC) - t0);
        s.cpu.push_back(clockMs(CLOCK_PROCESS_CPUTIME_ID) - c0);
    }
    s.paints = counter.paints - paintsBefore;
    return s;
}

} // namespace WindowBench
