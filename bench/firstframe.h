#pragma once

// What every start-up child of bench_startup shares: its time marks, and the
// first paint pass caught, its figures printed, then (run alone) the exit.
// Qt Widgets and the C library only, so the minimal windows link nothing else.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "childprocess.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <unistd.h>

namespace FirstFrame {

// The driver passes its clock reading at spawn time, so the child can say how
// long the loader took before main().
constexpr const char* SpawnVariable = "ZELTAN_BENCH_SPAWN_NS";

inline long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

using ChildProcess::statusKb;

struct Marks
{
    long long spawn = 0, main = 0, app = 0, built = 0, shown = 0, paint = 0, frame = 0;
    Marks()
    {
        main = nowNs();
        if (const char* at = std::getenv(SpawnVariable))
            spawn = std::atoll(at);
    }
};

// /proc files report size 0, so they are copied by reading to the end.
inline void copyFile(const char* from, const char* to)
{
    FILE* in = std::fopen(from, "r");
    FILE* out = std::fopen(to, "w");
    char buffer[4096];
    size_t n = 0;
    while (in && out && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        std::fwrite(buffer, 1, n, out);
    if (in)
        std::fclose(in);
    if (out)
        std::fclose(out);
}

// Catches the first paint event of the window (or its client area) and prints
// the marks once that paint pass has finished.
class Watch : public QObject
{
public:
    Watch(Marks& marks, QWidget* window) : m_marks(marks), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_marks.paint == 0) {
            m_marks.paint = nowNs();
            // Queued: runs after the paint pass that delivered this event,
            // i.e. once every widget of the frame has been drawn and flushed.
            QMetaObject::invokeMethod(
                this, [this] { finish(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void finish()
    {
        m_marks.frame = nowNs();
        const long hwm = statusKb("VmHWM"), rss = statusKb("VmRSS");
        // Split of the resident pages: private memory, and mapped files
        // (libraries, fonts), which other processes share.
        const long anon = statusKb("RssAnon"), file = statusKb("RssFile");
        const long shmem = statusKb("RssShmem"); // the X11 window's shared image
        const long long base = m_marks.spawn ? m_marks.spawn : m_marks.main;
        auto ms = [base](long long t) { return double(t - base) / 1e6; };
        std::printf("main=%.3f app=%.3f built=%.3f shown=%.3f paint=%.3f frame=%.3f "
                    "hwm=%ld rss=%ld anon=%ld file=%ld shmem=%ld size=%dx%d\n",
                    m_marks.spawn ? ms(m_marks.main) : 0.0, ms(m_marks.app), ms(m_marks.built),
                    ms(m_marks.shown), ms(m_marks.paint), ms(m_marks.frame), hwm, rss, anon, file,
                    shmem, m_window->width(), m_window->height());
        std::fflush(stdout);
        // For profiling the memory: where the resident pages are, by mapping.
        if (const char* path = std::getenv("ZELTAN_BENCH_SMAPS"))
            copyFile("/proc/self/smaps", path);
        // Driven, the image must still reach the X server: the driver ends us.
        if (!m_marks.spawn)
            _exit(0);
    }

    Marks& m_marks;
    QWidget* m_window;
};

// The same placement as MainWindow::fitToScreen, so every window is mapped
// at the same spot of the same screen.
inline void centre(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                     window->frameGeometry().size(), screen->availableGeometry())
                     .topLeft());
}

// "WxH" from the driver, else the design's size.
inline QSize sizeFrom(int argc, char** argv)
{
    int w = 0, h = 0;
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &w, &h) == 2 && w > 0 && h > 0)
        return {w, h};
    return {1016, 740};
}

// Shows the window, watched; a window that never paints must not hang the driver.
inline int run(QApplication& app, QWidget* window, Marks& marks)
{
    marks.built = nowNs();
    Watch watch(marks, window);
    window->installEventFilter(&watch);
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget())
        main->centralWidget()->installEventFilter(&watch);
    alarm(20);
    window->show();
    marks.shown = nowNs();
    return app.exec();
}

} // namespace FirstFrame
