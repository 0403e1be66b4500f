// セッティング記録 with a hundred thousand runs: the window opened until its
// list is drawn, a filter change and a chart redraw until drawn again, and
// the memory the notebook takes per run. Then a session's first opening and
// 記録する, each until the list and the charts are drawn, at 0, 1 000 and that
// many runs. Last, every run on one car and one track: both chosen, until the
// line over the list (with its fitted advice) and the list are drawn. Medians of repeated runs, in
// one process over one file per size (the page cache warm, as on a second opening).
//
//   bench_notebook [runs, default 20] [entries, default 100000]

#include "app/notebook.h"
#include "appsetup.h"
#include "childprocess.h"
#include "mainwindow.h"
#include "notebookchartview.h"
#include "notebookwindow.h"
#include "support/boxcloser.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

using ChildProcess::msSince;
using ChildProcess::nowNs;
using ChildProcess::percentile;

// oneTrack: every run of one car on one track.
void seed(const QString& path, int count, bool oneTrack = false)
{
    const QStringList cars = oneTrack
                                 ? QStringList{"TRF421"}
                                 : QStringList{"TRF421", "YZ-4 SF2", "Xray T4", "BD12", "A800R"};
    const QStringList tracks = oneTrack ? QStringList{"筑波サーキット"}
                                        : QStringList{"筑波サーキット", "袖ヶ浦フォレスト",
                                                      "室内カーペット", "River", "Home"};
    QList<NotebookEntry> entries;
    entries.reserve(count);
    const QDateTime start(QDate(2020, 1, 1), QTime(9, 0));
    for (int i = 0; i < count; ++i) {
        NotebookEntry e;
        e.taken = start.addSecs(qint64(i) * 1800);
        e.car = cars[i % cars.size()];
        e.track = tracks[(i / 7) % tracks.size()];
        e.conditions = QStringLiteral("ドライ 18℃");
        e.secondary = "2.6";
        e.spur = QString::number(80 + i % 6);
        e.pinion = QString::number(20 + i % 9);
        e.total = QString::number((80.0 + i % 6) / (20 + i % 9) * 2.6, 'f', 5);
        e.module = "48P";
        e.tyre = "64";
        e.rollout = QString::number(201.06 / e.total.toDouble(), 'f', 2);
        e.kv = "4000";
        e.voltage = "7.4";
        // On one track the motor runs warmer with a longer rollout, give or
        // take a degree, so the advice is given and names an owned pair.
        e.motorTemp = oneTrack
                          ? QString::number(std::round(20 + 2.0 * e.rollout.toDouble() + i % 3))
                          : QString::number(40 + i % 45);
        e.lap = QString::number(12.0 + (i % 100) / 100.0, 'f', 3);
        e.note = i % 3 ? QString() : QStringLiteral("タイヤ新品");
        entries << e;
    }
    // A box of gears and a mount for the first car, as the advice reads them.
    GearInventory gears;
    QList<int> spurs, pinions;
    for (int t = 72; t <= 92; ++t)
        spurs << t;
    for (int t = 16; t <= 32; ++t)
        pinions << t;
    gears.gears << OwnedGearList{"48P", spurs, pinions};
    gears.mounts << CarMount{cars.first(), "48P", 96, 112};
    NotebookStore store;
    if (!store.open(path) || !store.addAll(entries, gears)) {
        std::fprintf(stderr, "could not seed %s\n", qPrintable(path));
        std::exit(1);
    }
}

void settle()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

long long threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// Each case's wall time, the process's CPU time and the window thread's: on
// a shared machine the CPU tells the work from the waiting for a core, and
// the window's thread is what a frame waits for (the notebook's file is read
// on a thread of its own).
struct Case
{
    const char* what;
    double budget;
    std::vector<double> wall, cpu, gui;

    struct Mark
    {
        long long wall = nowNs(), cpu = ChildProcess::cpuNs(), gui = threadCpuNs();
    };
    // The time from a mark to now.
    void since(const Mark& m)
    {
        cpu.push_back(double(ChildProcess::cpuNs() - m.cpu) / 1e6);
        gui.push_back(double(threadCpuNs() - m.gui) / 1e6);
        wall.push_back(msSince(m.wall));
    }
    void timed(const std::function<void()>& work)
    {
        const Mark start;
        work();
        since(start);
    }
    void print() const
    {
        std::printf("%-44s wall %7.2f (%7.2f)  cpu %7.2f (%7.2f)  window thread %7.2f (%7.2f)"
                    "  budget %g\n",
                    what, percentile(wall, 0.5), percentile(wall, 0.9), percentile(cpu, 0.5),
                    percentile(cpu, 0.9), percentile(gui, 0.5), percentile(gui, 0.9), budget);
    }
};

// Drawn as the event loop draws a frame: every widget whose look changed, once.
void drawn() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

// The file is read and checked after the window's first frame, on a thread:
// waited for as the event loop waits, woken by the thread's news.
void read(NotebookWindow* window)
{
    for (int i = 0; i < 1000 && !window->notebook().isOpen(); ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Until the list shows what the thread read (or the opening is over), and
// the views have laid it out (the item views do it on a timer) to be drawn.
void listed(NotebookWindow* window, quint64 revision)
{
    for (int i = 0;
         i < 1000 && window->notebook().revision() == revision && !window->notebook().isOpen(); ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A session's first Ctrl+L, timed from start until the window is drawn
// (painted when the platform exposes it), then until its list and charts are.
NotebookWindow* firstOpening(MainWindow& main, const Case::Mark& start, Case& shown, Case& filled)
{
    auto* window = new NotebookWindow(main.session(), main.link());
    window->open();
    for (int i = 0; i < 1000 && !window->windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    shown.since(start);
    listed(window, window->notebook().revision());
    drawn();
    filled.since(start);
    return window;
}

// What a racer waits for in a session: the first Ctrl+L (a window of its own
// over the file: drawn, then the list filled from the reading thread, then
// the file checked), 記録する until the new run is listed, then until it is
// charted in the frame after, and an edit of it saved.
void sessionCases(int runs, int count)
{
    for (const int size : {0, 1000, count}) {
        QTemporaryDir home;
        seed(QDir(home.path()).filePath(Notebook::FileName), size);
        Case shown{"first opening, the window drawn", 16, {}, {}, {}},
            first{"first opening, list and charts filled", 50, {}, {}, {}},
            checked{"first opening, the file checked", 50, {}, {}, {}},
            aheadShown{"after the read ahead: the window drawn", 16, {}, {}, {}},
            ahead{"after the read ahead: list and charts filled", 50, {}, {}, {}},
            record{"記録する, the list drawn", 16, {}, {}, {}},
            recordCharts{"記録する, then the charts drawn", 16, {}, {}, {}},
            edit{"保存 of its lap, the list drawn", 16, {}, {}, {}},
            filter{"car filter changed, list and charts drawn", 16, {}, {}, {}};
        for (int r = 0; r < runs; ++r) {
            // Ctrl+L once the session has read the notebook ahead (a moment
            // after start-up): the list is in the window's first frame.
            {
                MainWindow main(home.path());
                main.start();
                main.show();
                settle();
                main.session().notebook().waitForReading();
                const Case::Mark start;
                delete firstOpening(main, start, aheadShown, ahead);
                settle();
            }
            // A session of its own each time: the session keeps its notebook
            // read, so only its first Ctrl+L reads and checks the file. Here
            // Ctrl+L comes as the main window's first frame is out, with the
            // read ahead only just started.
            MainWindow main(home.path());
            main.start();
            main.show();
            settle();
            const Case::Mark start;
            NotebookWindow* window = firstOpening(main, start, shown, first);
            read(window);
            drawn();
            checked.since(start);
            settle();
            record.timed([&] {
                window->handle(QStringLiteral("record"));
                drawn();
            });
            // The frame after: the charts' work, posted behind the first.
            recordCharts.timed([&] {
                QCoreApplication::sendPostedEvents();
                drawn();
            });
            settle();
            edit.timed([&] {
                window->notebook().draft.lap = QStringLiteral("11.%1").arg(r, 3, 10, QChar(u'0'));
                window->handle(QStringLiteral("save"));
                drawn();
            });
            settle();
            auto* car = qobject_cast<QComboBox*>(window->control("car"));
            filter.timed([&] {
                car->setCurrentIndex(car->count() > 1 ? 1 + r % (car->count() - 1) : 0);
                emit car->activated(car->currentIndex());
                drawn();
            });
            delete window;
            settle();
        }
        std::printf("# a session at %d runs, %d times each; medians (p90) in ms\n", size, runs);
        shown.print();
        first.print();
        checked.print();
        aheadShown.print();
        ahead.print();
        record.print();
        recordCharts.print();
        edit.print();
        filter.print();
    }
}

// The line over the list for a car and a track holding every run: the best
// lap, the newest, the count and the fit, worked out from the index as the
// list is drawn.
void trackCase(int runs, int count)
{
    QTemporaryDir home;
    seed(QDir(home.path()).filePath(Notebook::FileName), count, true);
    MainWindow main(home.path());
    main.start();
    main.show();
    settle();
    auto* window = new NotebookWindow(main.session(), main.link());
    window->open();
    read(window);
    settle();
    auto* car = qobject_cast<QComboBox*>(window->control("car"));
    auto* track = qobject_cast<QComboBox*>(window->control("track"));
    Case chosen{"track chosen: line, advice and list drawn", 16, {}, {}, {}},
        model{"track chosen: the model alone (list, marks, line)", 16, {}, {}, {}},
        sorted{"list sorted by a heading, drawn", 16, {}, {}, {}},
        sortModel{"list sorted: the model alone", 16, {}, {}, {}};
    Notebook& notebook = window->notebook();
    for (int r = 0; r < runs; ++r) {
        car->setCurrentIndex(1);
        emit car->activated(1);
        settle();
        chosen.timed([&] {
            track->setCurrentIndex(1);
            emit track->activated(1);
            drawn();
        });
        track->setCurrentIndex(0);
        emit track->activated(0);
        settle();
        model.timed([&] { notebook.setFilter(car->itemText(1), track->itemText(1)); });
        // Every run listed, sorted by a heading (temperature, lap in turn).
        notebook.setFilter({}, {});
        settle();
        QHeaderView* headings = window->list()->horizontalHeader();
        const int column = r % 2 ? Notebook::Temp : Notebook::Lap;
        sorted.timed([&] {
            headings->setSortIndicator(column,
                                       r % 4 < 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
            drawn();
        });
        sortModel.timed([&] {
            notebook.sortBy(column == Notebook::Temp ? Notebook::Lap : Notebook::Temp, true);
        });
        headings->setSortIndicator(Notebook::Date, Qt::DescendingOrder);
        settle();
        notebook.setFilter(car->itemText(1), {});
    }
    std::printf("# %d runs of one car on one track, %d times; medians (p90) in ms\n", count, runs);
    chosen.print();
    model.print();
    sorted.print();
    sortModel.print();
    notebook.setFilter(car->itemText(1), track->itemText(1));
    std::printf("  %s\n", qPrintable(notebook.trackLine()));
    delete window;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AppSetup::apply(app);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
    QTemporaryDir home;
    MainWindow main(home.path());
    main.start();
    main.show();
    BoxCloser closer(50);
    closer.start();

    long long t = nowNs();
    seed(QDir(home.path()).filePath(Notebook::FileName), count);
    std::printf("# %d runs seeded in %.0f ms; file %.1f MB\n", count, msSince(t),
                QFileInfo(QDir(home.path()).filePath(Notebook::FileName)).size() / 1048576.0);

    Case store{"open the store (quick_check, migrations)", 100, {}, {}, {}},
        index{"read the index (every run, small rows)", 100, {}, {}, {}},
        open{"Ctrl+L: the first opening, then again", 100, {}, {}, {}},
        filter{"car filter changed, list and charts drawn", 16, {}, {}, {}},
        chart{"charts of every run worked out and drawn", 16, {}, {}, {}};
    long before = 0, after = 0;
    NotebookWindow* window = nullptr;
    const QString file = QDir(home.path()).filePath(Notebook::FileName);
    for (int r = 0; r < runs; ++r) {
        {
            // The file alone: opened with its check, then the small rows read.
            NotebookStore s;
            store.timed([&] { static_cast<void>(s.open(file)); });
            index.timed([&] { static_cast<void>(s.index()); });
        }
        // The heap in use around the first opening (RSS would not tell: the
        // seeding's freed memory is reused).
        if (r == 0)
            before = long(mallinfo2().uordblks);
        // Ctrl+L again in one session shows the window it made the first time.
        open.timed([&] {
            if (!window)
                window = new NotebookWindow(main.session(), main.link());
            window->open();
            read(window);
            drawn();
        });
        if (r == 0)
            after = long(mallinfo2().uordblks);
        settle();

        auto* car = qobject_cast<QComboBox*>(window->control("car"));
        filter.timed([&] {
            car->setCurrentIndex(1 + r % (car->count() - 1));
            emit car->activated(car->currentIndex());
            drawn();
        });
        car->setCurrentIndex(0);
        emit car->activated(0);
        settle();
        chart.timed([&] {
            window->chart()->setPlots(window->notebook().chart(NotebookChart::XKind::Ratio),
                                      window->notebook().chart(NotebookChart::XKind::Time));
            window->chart()->repaint();
        });
        window->close();
        settle();
    }
    delete window;
    std::printf("# %d entries, %d runs each; medians (p90) in ms\n", count, runs);
    for (const Case* c : {&store, &index, &open, &filter, &chart})
        c->print();
    std::printf("memory of one open window with its notebook: %.1f MB (%.0f bytes a run)\n",
                double(after - before) / 1048576.0, double(after - before) / count);
    std::printf("\n");
    sessionCases(runs, count);
    std::printf("\n");
    trackCase(runs, count);
    return 0;
}
