// The cases of bench_files that go through the real MainWindow, started as
// main.cpp starts it, on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise. Times run from the user's action until the event loop is idle
// again (handler, render, the views' deferred layout and the repaint).

#include "filecases.h"

#include "appsetup.h"
#include "childprocess.h"
#include "itemlistview.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

using ChildProcess::cpuNs;
using ChildProcess::msSince;
using ChildProcess::nowNs;
using ChildProcess::statusKb;
using ChildProcess::Timings;

namespace FileCases {

namespace {

// Counts the events the application delivers (idle is a pass that delivers
// none) and closes every message box as soon as it is shown, noting when: a
// modal box runs an event loop, so the window is not frozen while it is up.
class Watcher : public QObject
{
public:
    long long events = 0;
    long long paints =
        0; // a case that claims a repaint and paints nothing measured the handler only
    int boxes = 0;
    long long boxNs = 0; // time with a box on screen, in all
    QStringList texts;

    void settle()
    {
        for (int pass = 0; pass < 100; ++pass) {
            const long long before = events;
            QCoreApplication::processEvents();
            if (events == before)
                return;
        }
    }
    double boxMs() const { return double(boxNs) / 1e6; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        ++events;
        if (event->type() == QEvent::Paint)
            ++paints;
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++boxes;
                texts << box->text();
                QTimer::singleShot(0, box, [this, box, shown = nowNs()] {
                    boxNs += nowNs() - shown;
                    box->reject();
                });
            }
        return QObject::eventFilter(watched, event);
    }
};

// A case timed as "until the window is repainted" that painted nothing timed
// the handler alone: the child fails, and with it the benchmark.
int paintedOrFail(long long paints)
{
    if (paints > 0)
        return 0;
    std::fprintf(stderr, "nothing was repainted: the figure is the handler alone\n");
    return 1;
}

// Ends the process once the first paint pass of the window is done, as
// bench_startup does, printing the start-up marks.
class FirstFrame : public QObject
{
public:
    std::function<void()> finish;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            paintNs = nowNs();
            QMetaObject::invokeMethod(
                this, [this] { finish(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

public:
    long long paintNs = 0;

private:
    bool m_seen = false;
};

void printNotes(const Watcher& w)
{
    QStringList seen;
    for (const QString& text : w.texts) {
        if (seen.contains(text))
            continue;
        seen << text;
        std::printf("# box (%lld times): %s\n", (long long)w.texts.count(text),
                    qUtf8Printable(text.left(200)));
    }
}

bool restore(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// QApplication, AppSetup and the window as main.cpp makes them; `body` gets
// the window before it is shown and returns the exit status.
int withWindow(const QString& folder, int argc, char** argv, bool exposed,
               const std::function<int(MainWindow&, Watcher&, long long)>& body)
{
    const long long t0 = nowNs();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_UNUSED(argc);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    AppSetup::apply(app);
    Watcher watcher;
    app.installEventFilter(&watcher);
    const double appMs = msSince(t0);
    MainWindow window(folder);
    const double ctorMs = msSince(t0);
    window.start();
    const double startMs = msSince(t0);
    window.fitToScreen();
    const double centreMs = msSince(t0);
    std::printf("app=%.3f ctor=%.3f start=%.3f centre=%.3f ", appMs, ctorMs, startMs, centreMs);
    if (exposed) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::printf("# the window was never exposed\n");
        watcher.settle();
        std::printf("exposed=%.3f ", msSince(t0));
    }
    return body(window, watcher, t0);
}

} // namespace

int window(const QString& folder, int argc, char** argv)
{
    return withWindow(folder, argc, argv, false, [](MainWindow& w, Watcher& watcher, long long t0) {
        FirstFrame frame;
        frame.finish = [&] {
            // A box shown at start-up waits for the user: its time is not
            // the program's.
            std::printf("paint=%.3f frame=%.3f frame_cpu=%.3f boxes=%d boxms=%.3f "
                        "hwm=%ld rss=%ld anon=%ld modules=%lld machines=%lld\n",
                        double(frame.paintNs - t0) / 1e6, msSince(t0), double(cpuNs()) / 1e6,
                        watcher.boxes, watcher.boxMs(), statusKb("VmHWM"), statusKb("VmRSS"),
                        statusKb("RssAnon"), (long long)w.app().form().Combo7.items.size(),
                        (long long)w.app().form().List1.items.size());
            printNotes(watcher);
            std::fflush(stdout);
            _exit(0); // tearing the window down is not start-up
        };
        w.installEventFilter(&frame);
        if (QWidget* client = w.centralWidget())
            client->installEventFilter(&frame);
        QTimer::singleShot(120000, [] { _exit(3); }); // never hang the driver
        w.show();
        std::printf("shown=%.3f ", msSince(t0));
        return QApplication::exec();
    });
}

int windowTopic(const QString& folder, int iterations, int argc, char** argv)
{
    return withWindow(
        folder, argc, argv, true, [iterations](MainWindow& w, Watcher& watcher, long long) {
            const long rss0 = statusKb("VmRSS"), hwm0 = statusKb("VmHWM");
            // Two topics in turn, so every iteration shows other rows.
            QAction* actions[] = {w.menuAction(QStringLiteral("tzigensoku")),
                                  w.menuAction(QStringLiteral("tspgia"))};
            auto* list = qobject_cast<ItemListView*>(w.control(QStringLiteral("List2")));
            Timings frozen;
            long long rows = 0;
            int boxes = 0;
            const long long paintsBefore = watcher.paints;
            for (int i = 0; i < iterations; ++i) {
                const int before = watcher.boxes;
                const double boxBefore = watcher.boxMs();
                const Timings::Mark t = Timings::start();
                actions[i % 2]->trigger();
                watcher.settle();
                frozen.stop(t, watcher.boxMs() - boxBefore);
                if (i == 0) {
                    rows = list->count();
                    boxes = watcher.boxes - before;
                }
            }
            const long hwm1 = statusKb("VmHWM");
            std::printf("rss0=%ld hwm0=%ld ", rss0, hwm0);
            frozen.print("frozen");
            const long long paints = watcher.paints - paintsBefore;
            std::printf("rows=%lld boxes=%d hwm1=%ld extra=%ld paints=%lld\n", rows, boxes, hwm1,
                        hwm1 - rss0, paints);
            printNotes(watcher);
            return paintedOrFail(paints);
        });
}

int windowPick(const QString& folder, int iterations, int argc, char** argv)
{
    return withWindow(
        folder, argc, argv, true, [iterations](MainWindow& w, Watcher& watcher, long long) {
            auto* list = qobject_cast<ItemListView*>(w.control(QStringLiteral("List1")));
            const Form& f = w.app().form();
            const int n = list->count();
            if (n < 2) {
                std::printf("# fewer than two machines\n");
                return 1;
            }
            const long rss0 = statusKb("VmRSS"), hwm0 = statusKb("VmHWM");
            int wrong = 0;
            // A real mouse click on the row, until the window is idle again.
            auto clickRow = [&](int row, Timings& timings) {
                const QRect rect = list->rowRect(row);
                const Timings::Mark t = Timings::start();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
                watcher.settle();
                timings.stop(t);
                wrong += f.List1.listIndex == row && f.Label13.text == list->itemText(row) ? 0 : 1;
            };
            // Two visible rows in turn, so every click picks another car.
            Timings clicks, lastRow, first;
            const long long paintsBefore = watcher.paints;
            for (int i = 0; i < iterations; ++i)
                clickRow(1 + i % 2, clicks);
            const long long paints = watcher.paints - paintsBefore;
            list->scrollToBottom();
            watcher.settle();
            clickRow(n - 1, lastRow);

            // Down held: from the first row, one press after the other.
            list->scrollToTop();
            watcher.settle();
            clickRow(0, first);
            list->setFocus();
            watcher.settle();
            const int presses = std::min(200, n - 1);
            Timings downs;
            for (int i = 0; i < presses; ++i) {
                const Timings::Mark t = Timings::start();
                QTest::keyClick(list, Qt::Key_Down);
                watcher.settle();
                downs.stop(t);
            }
            wrong +=
                f.List1.listIndex == presses && f.Label13.text == list->itemText(presses) ? 0 : 1;
            const long hwm1 = statusKb("VmHWM");
            std::printf("machines=%d rss0=%ld hwm0=%ld ", n, rss0, hwm0);
            clicks.print("click");
            lastRow.print("lastrow");
            std::printf("presses=%d ", presses);
            downs.print("down");
            std::printf("wrong=%d boxes=%d hwm1=%ld paints=%lld\n", wrong, watcher.boxes, hwm1,
                        paints);
            printNotes(watcher);
            return paintedOrFail(paints);
        });
}

int windowCombo(const QString& folder, int iterations, int argc, char** argv)
{
    const QString lastInputs = DataFolder(folder).lastInputs();
    QFile file(lastInputs);
    const QByteArray saved = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    return withWindow(
        folder, argc, argv, true,
        [iterations, &lastInputs, &saved](MainWindow& w, Watcher& watcher, long long) {
            auto* star = qobject_cast<QPushButton*>(w.control(QStringLiteral("Command21")));
            auto* set = qobject_cast<QPushButton*>(w.control(QStringLiteral("Command4")));
            auto* combo = qobject_cast<QComboBox*>(w.control(QStringLiteral("Combo7")));
            const Form& f = w.app().form();
            // SET changes nothing in the module selector, so it shows what every
            // handler pays for rendering it.
            auto setPresses = [&](const char* key) {
                Timings presses;
                for (int i = 0; i < iterations; ++i) {
                    const Timings::Mark t = Timings::start();
                    set->click();
                    watcher.settle();
                    presses.stop(t);
                }
                presses.print(key);
            };
            star->click();
            watcher.settle();
            setPresses("set");

            // The module list opened, as by a click on its arrow.
            Timings popup, pickLast;
            Timings::Mark t = Timings::start();
            combo->showPopup();
            watcher.settle();
            popup.stop(t);
            combo->hidePopup();
            watcher.settle();

            // The last module picked from it: what a pick from the list raises.
            const int last = combo->count() - 1;
            t = Timings::start();
            combo->setCurrentIndex(last);
            emit combo->activated(last);
            watcher.settle();
            pickLast.stop(t);
            popup.print("popup");
            pickLast.print("picklast");
            std::printf("picked=%d ", f.Combo7.text == combo->itemText(last) ? 1 : 0);
            setPresses("setlast");
            std::printf("result=%d boxes=%d hwm=%ld\n", f.Label9.text.isEmpty() ? 0 : 1,
                        watcher.boxes, statusKb("VmHWM"));
            printNotes(watcher);
            // The pick saved the last module as the one in use; the next run
            // must start as this one did.
            return restore(lastInputs, saved) ? 0 : 1;
        });
}

} // namespace FileCases
