// What the user waits for after a click: each handler run through the real
// MainWindow, the way a click reaches it, until the window has been drawn
// again. Every case is timed per iteration and reported as a median, and as a
// share of one 60 Hz frame (16.67 ms).
//
// Two figures per case:
//   event loop    the click, then the event loop until it is idle: layout,
//                 the item views' deferred layout and the paint of the
//                 region the handler made dirty, as after a real click
//   + full paint  the same, then QWidget::repaint() of the whole window: the
//                 upper bound, as if every widget had changed
//
// Run on the offscreen platform (bench/run sets it); any other platform works
// as well, e.g. under xvfb-run with QT_QPA_PLATFORM=xcb.
//
//   bench_gui [scale of the iterations, default 1] [only cases naming this text]

#include "app/mainsheet.h"
#include "appsetup.h"
#include "benchwindow.h"
#include "common/flexgrid.h"
#include "guibench.h"
#include "itemlistview.h"
#include "mainwindow.h"
#include "pageprinter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr double FrameMs = 1000.0 / 60.0;

using WindowBench::sortedPercentile;

struct Figures
{
    double medianMs = 0, p90Ms = 0, minMs = 0, cpuMs = 0;
    double paints = 0;
    double firstMs = 0; // the case's first call in this process
};

class GuiBench
{
public:
    explicit GuiBench(const QString& folder) : m_window(folder)
    {
        qApp->installEventFilter(&m_counter);
        m_window.start();
        m_window.fitToScreen();
        WindowBench::showExposed(m_window, "the window");
        settle();
    }

    MainWindow& window() { return m_window; }
    Form& form() { return m_window.app().form(); }

    QPushButton* button(const char* name)
    {
        return qobject_cast<QPushButton*>(m_window.control(QString::fromLatin1(name)));
    }
    void setCombo(const char* name, const QString& text)
    {
        // As typed: the box's edit text changes, and with it the Form.
        if (auto* combo = qobject_cast<QComboBox*>(m_window.control(QString::fromLatin1(name))))
            combo->setEditText(text);
    }
    // Spur from 70 and pinion from 20, `values` each at interval 1.
    void setRanges(int values)
    {
        setCombo("Combo1", QStringLiteral("70"));
        setCombo("Combo2", QString::number(values - 1));
        setCombo("Combo3", QStringLiteral("20"));
        setCombo("Combo4", QString::number(values - 1));
        setCombo("Combo5", QStringLiteral("1"));
        setCombo("Combo6", QStringLiteral("1"));
    }

    // Runs the event loop until a pass delivers no event at all.
    void settle() { m_counter.settle(); }

    // Times `iterations` runs of action plus the repaint; `fullPaint` adds a
    // synchronous repaint of the whole window.
    Figures measure(const std::function<void()>& action, int iterations, bool fullPaint)
    {
        WindowBench::Samples s = WindowBench::timeRuns(
            m_counter, [&] { once(action, fullPaint); }, iterations);
        // Sorted in place: several quantiles of one sample need no copies
        // (and GCC 12 at -O3 takes the inlined copy-and-free of a vector for
        // a free of a non-heap pointer, -Wfree-nonheap-object).
        std::sort(s.wall.begin(), s.wall.end());
        std::sort(s.cpu.begin(), s.cpu.end());
        Figures f;
        f.medianMs = sortedPercentile(s.wall, 0.5);
        f.p90Ms = sortedPercentile(s.wall, 0.9);
        f.minMs = sortedPercentile(s.wall, 0.0);
        f.cpuMs = sortedPercentile(s.cpu, 0.5);
        f.paints = double(s.paints) / iterations;
        f.firstMs = s.firstWall;
        return f;
    }

    QStringList takeMessages() { return m_boxCloser.takeMessages(); }

private:
    void once(const std::function<void()>& action, bool fullPaint)
    {
        action();
        settle();
        if (fullPaint)
            m_window.repaint();
    }

    WindowBench::EventCounter m_counter;
    MainWindow m_window;
    WindowBench::BoxCloser m_boxCloser;
};

struct Case
{
    const char* name;
    std::function<void(GuiBench&)> setUp;
    std::function<void(GuiBench&)> action;
    int iterations;
    // What the handler must have left behind, or the case measured nothing.
    std::function<bool(GuiBench&)> check = [](GuiBench&) { return true; };
    bool frameBound = true; // false: the user does not wait on a frame for it
    bool paints = true;     // false: changes nothing on screen (the print page)
};

struct CaseResult
{
    const Case* c;
    Figures loop, full;
    QStringList messages;
    bool checked = false;
};

} // namespace

int main(int argc, char** argv)
{
    // The offscreen platform unless the caller chose one (xvfb-run, a desktop).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    double scale = 1;
    if (argc > 1)
        scale = std::max(0.05, std::atof(argv[1])); // fewer or more iterations
    // Only the cases whose name holds this text, e.g. for callgrind.
    const QString filter = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    AppSetup::apply(app);

    // The data folder of a user who has registered a few machines.
    const QString folder = AppSetup::dataFolder();
    DataFolder files(folder);
    if (!files.seedShippedFiles() || !TextFile::writeAtomically(files.machines(), kMachines) ||
        !TextFile::writeAtomically(files.help(), realisticHelp())) {
        std::fprintf(stderr, "could not seed the data folder\n");
        return 1;
    }

    GuiBench bench(folder);

    // Every case shows something else on each iteration (two values in
    // turn), or the repaint it claims to measure would be skipped.
    bool flip = false;
    auto two = [&flip](const char* a, const char* b) {
        return QString::fromLatin1((flip = !flip) ? a : b);
    };
    auto click = [](const char* name) { return [name](GuiBench& b) { b.button(name)->click(); }; };
    auto survey = [two](GuiBench& b) {
        b.form().Label9.text = two("8", "7.5"); // the wanted ratio, as SET leaves it
        b.button("Command5")->click();
    };
    auto rebuild = [two](GuiBench& b) {
        b.setCombo("Combo1", two("70", "71")); // the spur range's start
        b.button("Command29")->click();
    };
    auto rangesFor = [](int values, bool clearModuleName) {
        return [values, clearModuleName](GuiBench& b) {
            b.setRanges(values);
            if (clearModuleName)
                qobject_cast<QLineEdit*>(b.window().control(QStringLiteral("Text2")))->clear();
        };
    };
    auto pageAfterSurvey = [survey](int values) {
        return [survey, values](GuiBench& b) {
            b.setRanges(values);
            survey(b);
            b.settle();
        };
    };
    auto buildPage = [](GuiBench& b) {
        const PrintPage page = MainSheet::buildPage(b.form());
        if (page.ops.isEmpty())
            std::fprintf(stderr, "an empty page\n");
    };

    auto gridOf = [](int values) {
        return [values](GuiBench& b) {
            const FlexGrid& g = b.form().MSFlexGrid1;
            return g.rows() == values + 1 && g.cols() == values + 1 && !g.cell(1, 1).text.isEmpty();
        };
    };

    const std::vector<Case> cases = {
        {"SET of the spur, star on total (Command2)", click("Command21"),
         [two](GuiBench& b) {
             // The keypad's entry; the total worked out from it changes with it.
             b.form().Label11.text = two("80", "81");
             b.button("Command2")->click();
         },
         200, [](GuiBench& b) { return !b.form().Label9.text.isEmpty(); }},
        {"survey 30 x 30 (Command5)", rangesFor(30, false), survey, 200, gridOf(30)},
        {"survey 200 x 200 (Command5)", rangesFor(200, false), survey, 40, gridOf(200)},
        {"module rebuild 30 x 30 (Command29, Text2 empty)", rangesFor(30, true), rebuild, 200,
         gridOf(30)},
        {"module rebuild 200 x 200 (Command29, Text2 empty)", rangesFor(200, true), rebuild, 40,
         gridOf(200)},
        {"machine selection (List1, 3rd and 4th of 5 in turn)", [](GuiBench& b) { b.settle(); },
         [&flip](GuiBench& b) {
             // A real mouse click on the row, one car and then another.
             auto* list = qobject_cast<ItemListView*>(b.window().control(QStringLiteral("List1")));
             const QRect row = list->rowRect((flip = !flip) ? 2 : 3);
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
         },
         200,
         [](GuiBench& b) {
             const int row = b.form().List1.listIndex;
             return (row == 2 && b.form().Label13.text == QStringLiteral("ツーリングカー")) ||
                    (row == 3 && b.form().Label13.text == QStringLiteral("バギー"));
         }},
        {"manual topic (menus tsitei and tgensokuhi in turn)", [](GuiBench& b) { b.settle(); },
         [two](GuiBench& b) { b.window().menuAction(two("tsitei", "tgensokuhi"))->trigger(); }, 200,
         [](GuiBench& b) { return b.form().List2.items.size() >= 40; }},
        {"print page, survey grid 30 x 30 (PrintOut::buildPage)", pageAfterSurvey(30), buildPage,
         200, gridOf(30), true, false},
        {"print page, survey grid 200 x 200 (PrintOut::buildPage)", pageAfterSurvey(200), buildPage,
         200, gridOf(200), true, false},
        // The cost of drawing every widget once; its "full" figure is two.
        {"whole window repaint() alone, nothing changed", [](GuiBench& b) { b.settle(); },
         [](GuiBench& b) { b.window().repaint(); }, 200},
        {"print page to PDF (PagePrinter::printToPdf, 200 x 200)", pageAfterSurvey(200),
         [&home](GuiBench& b) {
             const QString pdf = QDir(home.path()).filePath(QStringLiteral("page.pdf"));
             PagePrinter::printToPdf(MainSheet::buildPage(b.form()), pdf);
         },
         20,
         [&home](GuiBench&) {
             return QFileInfo(QDir(home.path()).filePath(QStringLiteral("page.pdf"))).size() > 0;
         },
         false, false},
    };

    std::vector<CaseResult> results;
    for (const Case& c : cases) {
        if (!QString::fromUtf8(c.name).contains(filter))
            continue;
        c.setUp(bench);
        bench.settle();
        bench.takeMessages();
        const int n = std::max(5, int(c.iterations * scale));
        CaseResult r{&c, {}, {}, {}};
        r.loop = bench.measure([&] { c.action(bench); }, n, false);
        r.full = bench.measure([&] { c.action(bench); }, n, true);
        r.messages = bench.takeMessages();
        r.checked = c.check(bench);
        results.push_back(r);
    }

    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    std::printf("== bench_gui: platform %s, handler + repaint through MainWindow; medians; "
                "load average %.2f %.2f %.2f\n",
                qgetenv("QT_QPA_PLATFORM").constData(), load[0], load[1], load[2]);
    std::printf("%-56s %5s | %9s %9s %9s %9s %7s %7s | %9s %7s\n", "case", "iters", "first ms",
                "loop ms", "p90 ms", "cpu ms", "frames", "paints", "full ms", "frames");
    const CaseResult* slowest = nullptr;
    int failed = 0;
    for (const CaseResult& r : results) {
        std::printf("%-56s %5d | %9.3f %9.3f %9.3f %9.3f %7.3f %7.1f | %9.3f %7.3f%s\n", r.c->name,
                    std::max(5, int(r.c->iterations * scale)), r.loop.firstMs, r.loop.medianMs,
                    r.loop.p90Ms, r.loop.cpuMs, r.loop.medianMs / FrameMs, r.loop.paints,
                    r.full.medianMs, r.full.medianMs / FrameMs,
                    r.c->frameBound ? "" : "   (not a frame: paper)");
        if (r.c->paints && r.loop.paints == 0) {
            std::printf("    ERROR: nothing was repainted: the figure is the handler alone\n");
            ++failed;
        }
        if (!r.checked)
            std::printf("    ERROR: the handler did not leave the expected result\n");
        if (!r.messages.isEmpty())
            std::printf("    ERROR: the handler showed a message: %s\n",
                        qPrintable(r.messages.join(QStringLiteral(" | "))));
        if (r.c->frameBound && (!slowest || r.full.medianMs > slowest->full.medianMs))
            slowest = &r;
    }
    if (slowest)
        std::printf("Slowest: %s, %.3f ms with the event loop = %.3f of a frame; %.3f ms with a "
                    "full repaint = %.3f of a frame (goal: under 1)\n",
                    slowest->c->name, slowest->loop.medianMs, slowest->loop.medianMs / FrameMs,
                    slowest->full.medianMs, slowest->full.medianMs / FrameMs);
    if (failed > 0) {
        std::fprintf(stderr, "bench_gui: %d case(s) painted nothing\n", failed);
        return 1;
    }
    return 0;
}
