// Start-up of the real window against an empty QMainWindow of the same size,
// side by side in one run. The same executable is the driver and the child:
//
//   bench_startup compare [runs]   spawns the children in turn (zeltan, empty,
//                                  label, zeltan, …), times each from spawn to
//                                  exit and prints medians and ratios
//   bench_startup zeltan           the window exactly as main.cpp builds it
//   bench_startup empty [WxH]      an empty QMainWindow after the same setup
//   bench_startup label [WxH]      the same with one Japanese label as its
//                                  client area: the least any window showing
//                                  Japanese text pays (fontconfig, one CJK face)
//
// A child ends right after its first frame: the first paint event of the
// window starts the frame, and a queued call runs once the whole paint pass
// (every child widget) is done; it prints its time marks and peak RSS and
// leaves with _exit, so tearing the window down is not counted. All modes
// are the same binary, so loading the libraries costs each the same.

#include "appsetup.h"
#include "benchwindow.h"
#include "childprocess.h"
#include "form/controltable.h"
#include "mainwindow.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The driver passes its clock reading at spawn time, so the child can say how
// long the loader took before main().
constexpr const char* SpawnVariable = "ZELTAN_BENCH_SPAWN_NS";

using ChildProcess::nowNs;
using ChildProcess::selfPath;
using ChildProcess::statusKb;

// /proc files report size 0, so they are copied by reading to the end.
void copyFile(const char* from, const char* to)
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

// ---- the child -----------------------------------------------------------

struct Marks
{
    long long spawn = 0, main = 0, app = 0, built = 0, shown = 0, paint = 0, frame = 0;
};

// Catches the first paint event of the window (or its client area) and ends
// the process once that paint pass has finished.
class FirstFrame : public QObject
{
public:
    FirstFrame(Marks& marks, QWidget* window) : m_marks(marks), m_window(window) {}

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
        const long hwm = statusKb("VmHWM");
        const long rss = statusKb("VmRSS");
        // Split of the resident pages: private memory, and mapped files
        // (libraries, fonts), which other processes share.
        const long anon = statusKb("RssAnon");
        const long file = statusKb("RssFile");
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
        _exit(0);
    }

    Marks& m_marks;
    QWidget* m_window;
};

void centre(QWidget* window)
{
    // The same placement as MainWindow::fitToScreen, so both windows are
    // mapped at the same spot of the same screen.
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                     window->frameGeometry().size(), screen->availableGeometry())
                     .topLeft());
}

enum class Mode { Zeltan, Empty, Label };

int runWindow(Mode mode, QSize emptySize, int argc, char** argv, Marks& marks)
{
    QApplication app(argc, argv);
    AppSetup::apply(app);
    marks.app = nowNs();

    std::unique_ptr<QMainWindow> window;
    if (mode == Mode::Zeltan) {
        auto zeltan = std::make_unique<MainWindow>(AppSetup::dataFolder());
        zeltan->start();
        zeltan->fitToScreen();
        window = std::move(zeltan);
    } else {
        const QString folder = AppSetup::dataFolder(); // main.cpp asks for it too
        Q_UNUSED(folder);
        window = std::make_unique<QMainWindow>();
        if (mode == Mode::Label) {
            auto* label = new QLabel(ControlTable::WindowCaption);
            label->setFont(QFont(ControlTable::GothicFace, 9));
            window->setCentralWidget(label);
        }
        window->resize(emptySize);
        centre(window.get());
    }
    marks.built = nowNs();

    FirstFrame frame(marks, window.get());
    window->installEventFilter(&frame);
    if (QWidget* client = window->centralWidget())
        client->installEventFilter(&frame);
    // A window that never paints must not hang the driver.
    QTimer::singleShot(20000, [] {
        std::fprintf(stderr, "no paint event within 20 s\n");
        _exit(3);
    });
    window->show();
    marks.shown = nowNs();
    return app.exec();
}

// ---- the driver ----------------------------------------------------------

struct Run
{
    double wall = 0;                                                      // spawn to exit, ms
    double main = 0, app = 0, built = 0, shown = 0, paint = 0, frame = 0; // child marks, ms
    double hwm = 0, rss = 0, anon = 0, file = 0, shmem = 0, maxrss = 0;   // kB
    QString size;
    bool ok = false;
};

Run spawnOnce(const std::string& exe, const char* mode, const std::string& arg,
              const std::string& errPath)
{
    Run run;
    ChildProcess::PipedSpawn child(errPath);
    if (!child.ok())
        return run;

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, SpawnVariable, std::strlen(SpawnVariable)) != 0)
            env.emplace_back(*e);
    const std::string spawnSlot = std::string(SpawnVariable) + "=";
    env.push_back(spawnSlot);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<char*> args = {const_cast<char*>(exe.c_str()), const_cast<char*>(mode)};
    if (!arg.empty())
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    // The clock is read last, so building the environment is not counted.
    const long long t0 = nowNs();
    env.back() = spawnSlot + std::to_string(t0);
    envp[env.size() - 1] = env.back().data();
    pid_t pid = 0;
    const int out = child.start(pid, exe.c_str(), args.data(), envp.data());
    if (out < 0)
        return run;
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const long long t1 = nowNs();

    std::string text;
    char buffer[512];
    ssize_t n = 0;
    while ((n = read(out, buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out);

    run.wall = double(t1 - t0) / 1e6;
    run.maxrss = double(usage.ru_maxrss);
    std::map<std::string, std::string> fields;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of(" \n", pos);
        const std::string token = text.substr(pos, end == std::string::npos ? end : end - pos);
        const size_t eq = token.find('=');
        if (eq != std::string::npos)
            fields[token.substr(0, eq)] = token.substr(eq + 1);
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    auto num = [&](const char* key) { return std::atof(fields[key].c_str()); };
    run.main = num("main");
    run.app = num("app");
    run.built = num("built");
    run.shown = num("shown");
    run.paint = num("paint");
    run.frame = num("frame");
    run.hwm = num("hwm");
    run.rss = num("rss");
    run.anon = num("anon");
    run.file = num("file");
    run.shmem = num("shmem");
    run.size = QString::fromStdString(fields["size"]);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.frame > 0;
    return run;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double minimum(const std::vector<double>& v)
{
    return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
}

int compare(int runs)
{
    // A data folder as a user has it after the first start: the shipped
    // files, a few machines and a manual of realistic size.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    setenv("XDG_DATA_HOME", home.path().toLocal8Bit().constData(), 1);
    DataFolder files(QDir(home.path()).filePath(QStringLiteral("zeltan")));
    if (!files.seedShippedFiles() || !TextFile::writeAtomically(files.machines(), kMachines) ||
        !TextFile::writeAtomically(files.help(), realisticHelp())) {
        std::fprintf(stderr, "could not seed the data folder\n");
        return 1;
    }

    const std::string exe = selfPath();
    const std::string errPath =
        QDir(home.path()).filePath(QStringLiteral("stderr.log")).toStdString();
    const char* platform = std::getenv("QT_QPA_PLATFORM");

    // One unmeasured start of each: fills the page cache and the font cache,
    // and tells the size the empty window must have.
    const Run first = spawnOnce(exe, "zeltan", {}, errPath);
    if (!first.ok) {
        std::fprintf(stderr, "the zeltan child failed; its messages:\n");
        std::FILE* log = std::fopen(errPath.c_str(), "r");
        char line[512];
        while (log && std::fgets(line, sizeof line, log))
            std::fputs(line, stderr);
        if (log)
            std::fclose(log);
        return 1;
    }
    const std::string size = first.size.toStdString();
    spawnOnce(exe, "empty", size, errPath);
    spawnOnce(exe, "label", size, errPath);

    const char* modes[] = {"zeltan", "empty", "label"};
    std::vector<Run> runsOf[3];
    for (int i = 0; i < runs; ++i) {
        for (int m = 0; m < 3; ++m) {
            const Run r = spawnOnce(exe, modes[m], m == 0 ? std::string() : size, errPath);
            if (!r.ok) {
                std::fprintf(stderr, "a %s child failed\n", modes[m]);
                return 1;
            }
            runsOf[m].push_back(r);
        }
    }

    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    std::printf("== bench_startup: platform %s, window %s, %d runs per mode, interleaved "
                "(zeltan, empty, label, zeltan, …); load average %.2f %.2f %.2f\n",
                platform ? platform : "(default)", size.c_str(), runs, load[0], load[1], load[2]);
    std::printf("%-44s %11s %11s %11s %8s %8s\n", "median", "zeltan", "empty", "label", "z/empty",
                "z/label");
    auto medianOf = [&](int m, double (*field)(const Run&)) {
        std::vector<double> v;
        for (const Run& r : runsOf[m])
            v.push_back(field(r));
        return median(v);
    };
    auto row = [&](const char* label, double (*field)(const Run&), const char* unit, double scale) {
        const double z = medianOf(0, field) * scale, e = medianOf(1, field) * scale,
                     l = medianOf(2, field) * scale;
        std::printf("%-44s %8.1f %-2s %8.1f %-2s %8.1f %-2s %8.2f %8.2f\n", label, z, unit, e, unit,
                    l, unit, e > 0 ? z / e : 0.0, l > 0 ? z / l : 0.0);
    };
    struct Row
    {
        const char* label;
        double (*field)(const Run&);
    };
    const Row times[] = {
        {"time, spawn to exit (driver clock)", [](const Run& r) { return r.wall; }},
        {"time, spawn to first frame drawn", [](const Run& r) { return r.frame; }},
        {"  spawn to main() (loader)", [](const Run& r) { return r.main; }},
        {"  main() to QApplication + AppSetup::apply", [](const Run& r) { return r.app - r.main; }},
        {"  window built (ctor, start, fitToScreen)", [](const Run& r) { return r.built - r.app; }},
        {"  show()", [](const Run& r) { return r.shown - r.built; }},
        {"  shown to first paint event", [](const Run& r) { return r.paint - r.shown; }},
        {"  first paint event to frame done", [](const Run& r) { return r.frame - r.paint; }},
        {"time, main() to first frame drawn", [](const Run& r) { return r.frame - r.main; }},
    };
    const Row sizes[] = {
        {"peak RSS, VmHWM at the first frame", [](const Run& r) { return r.hwm; }},
        {"RSS, VmRSS at the first frame", [](const Run& r) { return r.rss; }},
        {"  of which private (RssAnon)", [](const Run& r) { return r.anon; }},
        {"  of which mapped files (RssFile)", [](const Run& r) { return r.file; }},
        {"  of which shared memory (RssShmem)", [](const Run& r) { return r.shmem; }},
        {"peak RSS, ru_maxrss of the child (wait4)", [](const Run& r) { return r.maxrss; }},
    };
    for (const Row& r : times)
        row(r.label, r.field, "ms", 1);
    {
        double fastest[3];
        for (int m = 0; m < 3; ++m) {
            std::vector<double> v;
            for (const Run& r : runsOf[m])
                v.push_back(r.wall);
            fastest[m] = minimum(v);
        }
        std::printf("%-44s %8.1f ms %8.1f ms %8.1f ms %8.2f %8.2f\n",
                    "time, spawn to exit, fastest run", fastest[0], fastest[1], fastest[2],
                    fastest[0] / fastest[1], fastest[0] / fastest[2]);
    }
    for (const Row& r : sizes)
        row(r.label, r.field, "MB", 1.0 / 1024);

    const double timeRatio = medianOf(0, [](const Run& r) { return r.wall; }) /
                             medianOf(1, [](const Run& r) { return r.wall; });
    const double rssRatio = medianOf(0, [](const Run& r) { return r.hwm; }) /
                            medianOf(1, [](const Run& r) { return r.hwm; });
    std::printf("Ratio zeltan/empty: time %.2f, peak RSS %.2f (goal 1.30 or less: time %s, RSS "
                "%s)\n",
                timeRatio, rssRatio, timeRatio <= 1.3 ? "met" : "missed",
                rssRatio <= 1.3 ? "met" : "missed");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Marks marks;
    marks.main = nowNs();
    if (const char* spawn = std::getenv(SpawnVariable))
        marks.spawn = std::atoll(spawn);

    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "compare") {
        const int runs = argc > 2 ? std::atoi(argv[2]) : 30;
        return compare(runs > 0 ? runs : 30);
    }
    if (mode == "zeltan" || mode == "empty" || mode == "label") {
        QSize size(1016, 740);
        if (argc > 2) {
            int w = 0, h = 0;
            if (std::sscanf(argv[2], "%dx%d", &w, &h) == 2 && w > 0 && h > 0)
                size = QSize(w, h);
        }
        // Qt sees only the program name: the mode is ours.
        int qtArgc = 1;
        const Mode m = mode == "zeltan"  ? Mode::Zeltan
                       : mode == "empty" ? Mode::Empty
                                         : Mode::Label;
        return runWindow(m, size, qtArgc, argv, marks);
    }
    std::fprintf(stderr, "usage: %s compare [runs] | zeltan | empty [WxH] | label [WxH]\n",
                 argv[0]);
    return 2;
}
