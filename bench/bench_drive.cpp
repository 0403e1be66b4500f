// The 走行計算 window: each of its handlers run the way a user reaches it,
// through the real DriveWindow beside the real MainWindow, until both windows
// are drawn again; reported as medians and as a share of one 60 Hz frame
// (16.67 ms). The main window's ranges are 200 × 200, so the rollout table is
// at its largest in every case.
//
//   event loop    the action, then the event loop until idle (layout and the
//                 paint of what changed in either window)
//   + full paint  the same, then repaint() of the whole 走行計算 window
//
//   bench_drive [scale of the iterations, default 1]

#include "app/drivetool.h"
#include "appsetup.h"
#include "benchwindow.h"
#include "drivewindow.h"
#include "guibench.h"
#include "mainwindow.h"
#include "print/driveprintout.h"
#include "ratiogridview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
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
#include <utility>
#include <vector>

namespace {

constexpr double FrameMs = 1000.0 / 60.0;
constexpr int Values = 200;

double median(const std::vector<double>& v) { return WindowBench::percentile(v, 0.5); }

class DriveBench
{
public:
    explicit DriveBench(const QString& folder) : m_main(folder)
    {
        qApp->installEventFilter(&m_counter);
        m_main.start();
        WindowBench::showExposed(m_main, "the main window");
        m_main.menuAction(QStringLiteral("soukou"))->trigger();
        m_drive = m_main.findChild<DriveWindow*>();
        if (!m_drive || !QTest::qWaitForWindowExposed(m_drive))
            std::fprintf(stderr, "the 走行計算 window was never exposed\n");
        for (const auto& [field, text] : {std::pair{"tyreDiameter", "64"},
                                          {"kv", "4000"},
                                          {"voltage", "7.4"},
                                          {"wantedRollout", "25.28"}})
            type(field, QString::fromLatin1(text));
        setRanges();
        clickMain("Command29"); // the 200 × 200 grid
        settle();
    }

    MainWindow& main() { return m_main; }
    DriveWindow& drive() { return *m_drive; }
    QLineEdit* edit(const char* name)
    {
        return qobject_cast<QLineEdit*>(m_drive->control(QString::fromLatin1(name)));
    }
    void clickMain(const char* name)
    {
        qobject_cast<QPushButton*>(m_main.control(QString::fromLatin1(name)))->click();
    }
    void clickDrive(const char* name)
    {
        qobject_cast<QPushButton*>(m_drive->control(QString::fromLatin1(name)))->click();
    }
    // As typed: the field's text changes as a key press would change it.
    void type(const char* field, const QString& text)
    {
        QLineEdit* e = edit(field);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    // One key press in a field, as the user types it.
    void key(const char* field, Qt::Key k)
    {
        QLineEdit* e = edit(field);
        e->setFocus();
        e->end(false);
        QTest::keyClick(e, k);
    }
    QStringList takeMessages() { return m_boxCloser.takeMessages(); }

    void settle() { m_counter.settle(); }

    struct Figures
    {
        double wall, cpu, paints; // medians, ms; paint events per iteration
    };
    Figures measure(const std::function<void()>& action, int n, bool full)
    {
        const WindowBench::Samples s = WindowBench::timeRuns(
            m_counter, [&] { once(action, full); }, n);
        return {median(s.wall), median(s.cpu), double(s.paints) / n};
    }

private:
    void setRanges()
    {
        const std::pair<const char*, QString> ranges[] = {
            {"Combo1", "60"}, {"Combo2", QString::number(Values - 1)},
            {"Combo3", "10"}, {"Combo4", QString::number(Values - 1)},
            {"Combo5", "1"},  {"Combo6", "1"}};
        for (const auto& [name, text] : ranges)
            qobject_cast<QComboBox*>(m_main.control(QString::fromLatin1(name)))->setEditText(text);
    }
    void once(const std::function<void()>& action, bool full)
    {
        action();
        settle();
        if (full)
            m_drive->repaint();
    }

    WindowBench::EventCounter m_counter;
    MainWindow m_main;
    DriveWindow* m_drive = nullptr;
    WindowBench::BoxCloser m_boxCloser;
};

struct Case
{
    const char* name;
    std::function<void(DriveBench&)> action;
    int iterations;
    bool paints = true; // false: changes nothing on screen
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const double scale = argc > 1 ? std::max(0.05, std::atof(argv[1])) : 1.0;
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    AppSetup::apply(app);
    DataFolder files(AppSetup::dataFolder());
    if (!files.seedShippedFiles()) {
        std::fprintf(stderr, "could not seed the data folder\n");
        return 1;
    }
    DriveBench bench(files.folder());

    // Every case shows something else on each iteration (two values in
    // turn), or the repaint it claims to measure would be skipped.
    bool flip = false;
    auto two = [&flip](const char* a, const char* b) {
        return QString::fromLatin1((flip = !flip) ? a : b);
    };
    const std::vector<Case> cases = {
        {"main SET of the spur, star on total (Command2): figures follow",
         [two](DriveBench& b) {
             // The keypad's entry; the total worked out from it changes with it.
             b.main().app().form().Label11.text = two("80", "81");
             b.clickMain("Command2");
         },
         200},
        {"main survey 200 x 200 (Command5): rollout table follows",
         [two](DriveBench& b) {
             b.main().app().form().Label9.text = two("8", "7.5");
             b.clickMain("Command5");
         },
         30},
        {"wanted rollout survey 200 x 200 (surveyRollout)",
         [two](DriveBench& b) {
             b.drive().tool().fields.wantedRollout = two("25.28", "27.5");
             b.clickDrive("surveyRollout");
         },
         30},
        {"tyre typed, one key: 200 x 200 rollout table anew",
         [&flip](DriveBench& b) {
             b.key("tyreDiameter", (flip = !flip) ? Qt::Key_5 : Qt::Key_Backspace);
         },
         60},
        {"KV typed, one key: figures only",
         [&flip](DriveBench& b) { b.key("kv", (flip = !flip) ? Qt::Key_5 : Qt::Key_Backspace); },
         200},
        {"take reference (takeReference, drive.dat written)",
         [&flip](DriveBench& b) {
             // A changed motor each time, so every press writes the file.
             b.drive().tool().fields.motorRpm = (flip = !flip) ? "30000" : "";
             b.clickDrive("takeReference");
         },
         200},
        {"print page of 200 x 200 (DrivePrintOut::buildPage)",
         [](DriveBench& b) {
             const DriveTool& t = b.drive().tool();
             if (DrivePrintOut::buildPage(t.sheet(), t.rollouts()).ops.isEmpty())
                 std::fprintf(stderr, "an empty page\n");
         },
         200, false},
        {"explain (text for the box; the box itself waits for the user)",
         [](DriveBench& b) {
             FakeHost host;
             DriveTool tool(b.main().app(), host);
             tool.explain_Click();
         },
         200, false},
        {"window repaint() alone, nothing changed", [](DriveBench& b) { b.drive().repaint(); },
         200},
    };

    double load[3] = {0, 0, 0};
    std::printf("== bench_drive: platform %s, 走行計算 beside the main window, ranges %d x %d\n",
                qgetenv("QT_QPA_PLATFORM").constData(), Values, Values);
    std::printf("%-64s %5s | %8s %8s %7s %7s | %8s %7s\n", "case", "iters", "loop ms", "cpu ms",
                "frames", "paints", "full ms", "frames");
    double worst = 0;
    int failed = 0;
    for (const Case& c : cases) {
        const int n = std::max(5, int(c.iterations * scale));
        const auto loop = bench.measure([&] { c.action(bench); }, n, false);
        const auto full = bench.measure([&] { c.action(bench); }, n, true);
        worst = std::max(worst, full.wall);
        std::printf("%-64s %5d | %8.3f %8.3f %7.3f %7.1f | %8.3f %7.3f\n", c.name, n, loop.wall,
                    loop.cpu, loop.wall / FrameMs, loop.paints, full.wall, full.wall / FrameMs);
        if (c.paints && loop.paints == 0) {
            std::printf("    ERROR: nothing was repainted: the figure is the handler alone\n");
            ++failed;
        }
        if (const QStringList shown = bench.takeMessages(); !shown.isEmpty())
            std::printf("    ERROR: a message was shown: %s\n", qPrintable(shown.join(u'|')));
    }
    const FlexGrid& table = bench.drive().tool().rollouts();
    if (table.rows() != Values + 1 || table.cell(Values, Values).text.isEmpty())
        std::printf("ERROR: the rollout table is not %d x %d\n", Values, Values);
    // Ctrl+R in a session of its own (the window is made once a session),
    // over the same folder: until 走行計算 is exposed and drawn.
    std::vector<double> openWall, openCpu;
    for (int i = 0; i < std::max(5, int(20 * scale)); ++i) {
        MainWindow main(files.folder());
        main.start();
        WindowBench::showExposed(main, "the main window");
        bench.settle();
        const double wall = WindowBench::clockMs(CLOCK_MONOTONIC);
        const double cpu = WindowBench::clockMs(CLOCK_PROCESS_CPUTIME_ID);
        main.menuAction(QStringLiteral("soukou"))->trigger();
        auto* drive = main.findChild<DriveWindow*>();
        for (int k = 0; k < 1000 && drive && !drive->windowHandle()->isExposed(); ++k)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        openWall.push_back(WindowBench::clockMs(CLOCK_MONOTONIC) - wall);
        openCpu.push_back(WindowBench::clockMs(CLOCK_PROCESS_CPUTIME_ID) - cpu);
    }
    std::printf("%-64s %5zu | %8.3f %8.3f %7.3f   (p90 %.3f ms)\n",
                "Ctrl+R, a session's first: 走行計算 made and drawn", openWall.size(),
                median(openWall), median(openCpu), median(openWall) / FrameMs,
                WindowBench::percentile(openWall, 0.9));
    getloadavg(load, 3);
    std::printf("Slowest with a full repaint: %.3f ms = %.3f of a frame (goal: under 1); "
                "load average %.2f %.2f %.2f\n",
                worst, worst / FrameMs, load[0], load[1], load[2]);
    if (failed > 0) {
        std::fprintf(stderr, "bench_drive: %d case(s) painted nothing\n", failed);
        return 1;
    }
    return 0;
}
