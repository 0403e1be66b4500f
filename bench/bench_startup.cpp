// Start-up of the real window against an empty QMainWindow of the same Qt,
// side by side in one run, as a user's desktop sees them: under X11 (Xvfb,
// with a session bus), the driver watching the X server itself.
//
//   bench_startup compare [rounds]  seeds a data folder, then runs rounds of
//                                   one zeltan, one empty and one label child
//                                   (the order rotating) and prints medians
//                                   and ratios
//   bench_startup zeltan            the window exactly as main.cpp builds it
//
// The empty and the label windows are programs of their own beside this one
// (startup_empty, startup_label): Qt Widgets alone, none of ZELTAN's
// libraries or set-up.
//
// The driver times each child from its spawn: "first map" when the X server
// maps the child's window (MapNotify), "first frame drawn" when the window's
// pixels arrive (the first DamageNotify; Qt's windows have no background, so
// nothing but the program's own image damages them). A frame of ZELTAN or
// the label window counts only when it holds more than one colour: a blank
// put out before the widgets drew (seen in 3 starts of 72) is no frame. The
// empty window's frame is one colour by nature. There the driver reads the
// child's CPU time (its CPU-time clock, ended threads included) and peak RSS
// (VmHWM), then kills it: tearing down is not counted. The child prints its
// own time marks once its first paint pass is done (the breakdown).
//
// Run alone (no driver), a child leaves with _exit at that mark, for
// callgrind (bench/profile startup).

#include "appsetup.h"
#include "benchwindow.h"
#include "childprocess.h"
#include "firstframe.h"
#include "mainwindow.h"
#include "xwatch.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>

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
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using ChildProcess::nowNs;
using ChildProcess::selfPath;

// ---- the child -----------------------------------------------------------

int runZeltan(int argc, char** argv, FirstFrame::Marks& marks)
{
    // As main.cpp does.
    std::jthread fontConfig = AppSetup::loadFontConfigAside();
    QApplication app(argc, argv);
    AppSetup::apply(app);
    fontConfig.join();
    marks.app = nowNs();
    MainWindow window(AppSetup::dataFolder());
    window.start();
    window.fitToScreen();
    return FirstFrame::run(app, &window, marks);
}

// ---- the driver ----------------------------------------------------------

struct Run
{
    double map = 0, frame = 0, cpu = 0; // the driver's view, ms from spawn
    double hwm = 0, maxrss = 0;         // kB, at the first frame and from wait4
    double cover = 0;                   // share of the window in the first damage
    double main = 0, app = 0, built = 0, shown = 0, paint = 0, done = 0; // the child's marks
    std::string size;
    int blanks = 0; // one-colour frames not counted
    bool ok = false;
};

// CPU time of a process so far, ns: its CPU-time clock, which keeps what
// threads that have already ended used (fontconfig's, ≈ 5 ms), where the
// threads' own schedstat files go with them.
double cpuOf(pid_t pid)
{
    clockid_t clock;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return 0;
    return double(used.tv_sec) * 1e9 + double(used.tv_nsec);
}

long statusKbOf(pid_t pid, const char* field)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    return ChildProcess::statusKb(field, path.c_str());
}

std::map<std::string, std::string> tokens(const std::string& text)
{
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
    return fields;
}

// One child: its program and arguments; blankIsFrame when a one-colour
// frame is all the window will ever show.
Run spawnOnce(XWatch& x, const std::vector<std::string>& command, bool blankIsFrame,
              const std::string& errPath)
{
    Run run;
    ChildProcess::PipedSpawn child(errPath);
    if (!child.ok())
        return run;

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, FirstFrame::SpawnVariable, std::strlen(FirstFrame::SpawnVariable)) !=
                0 &&
            std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=xcb");
    const std::string spawnSlot = std::string(FirstFrame::SpawnVariable) + "=";
    env.push_back(spawnSlot);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<char*> args;
    for (const std::string& a : command)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    x.reset();
    // The clock is read last, so building the environment is not counted.
    const long long t0 = nowNs();
    env.back() = spawnSlot + std::to_string(t0);
    envp[env.size() - 1] = env.back().data();
    pid_t pid = 0;
    const int out = child.start(pid, command[0].c_str(), args.data(), envp.data());
    if (out < 0)
        return run;

    // Until the first damage of a window mapped since the spawn; a child
    // that dies or never draws must not hang the driver.
    int status = 0;
    rusage usage{};
    bool gone = false;
    while (!gone && run.frame == 0 && double(nowNs() - t0) < 20e9) {
        const XWatch::Event e = x.next(50);
        const double at = double(nowNs() - t0) / 1e6;
        if (e.kind == XWatch::Kind::Map && run.map == 0) {
            run.map = at;
        } else if (e.kind == XWatch::Kind::Damage && run.map > 0) {
            // Read at once, before the look at the pixels takes its time.
            const double cpu = cpuOf(pid) / 1e6, hwm = double(statusKbOf(pid, "VmHWM"));
            if (!blankIsFrame && !x.hasContent(e.window)) {
                ++run.blanks;
                x.subtract(e.window); // the next pixels are told again
                continue;
            }
            run.frame = at;
            run.cpu = cpu;
            run.hwm = hwm;
            run.size = x.size(e.window);
            int w = 0, h = 0;
            if (std::sscanf(run.size.c_str(), "%dx%d", &w, &h) == 2 && w > 0 && h > 0)
                run.cover = double(e.area) / (double(w) * h);
        } else if (e.kind == XWatch::Kind::None) {
            gone = wait4(pid, &status, WNOHANG, &usage) == pid;
        }
    }
    // The child's own marks come once its paint pass is done, which may be
    // just after its image went out.
    std::string text;
    char buffer[512];
    ssize_t n = 0;
    pollfd fd{out, POLLIN, 0};
    while (!gone && text.find('\n') == std::string::npos && poll(&fd, 1, 2000) > 0 &&
           (n = read(out, buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    if (!gone) {
        kill(pid, SIGKILL);
        while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
    }

    while ((n = read(out, buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out);

    run.maxrss = double(usage.ru_maxrss);
    std::map<std::string, std::string> fields = tokens(text);
    auto num = [&](const char* key) { return std::atof(fields[key].c_str()); };
    run.main = num("main");
    run.app = num("app");
    run.built = num("built");
    run.shown = num("shown");
    run.paint = num("paint");
    run.done = num("frame");
    run.ok = !gone && run.frame > 0;
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

void printErrors(const std::string& errPath)
{
    std::FILE* log = std::fopen(errPath.c_str(), "r");
    char line[512];
    while (log && std::fgets(line, sizeof line, log))
        std::fputs(line, stderr);
    if (log)
        std::fclose(log);
}

int compare(int rounds)
{
    XWatch x;
    if (!x.ok()) {
        std::fprintf(stderr, "bench_startup compare needs an X server with the DAMAGE extension "
                             "(DISPLAY); bench/run startup starts Xvfb with a session bus\n");
        return 1;
    }
    // A data folder as a user has it after the first start: the shipped
    // files, a few machines and a manual of realistic size.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    setenv("XDG_DATA_HOME", home.path().toLocal8Bit().constData(), 1);
    // Settings of its own too: the first, unmeasured start leaves what a
    // user's first start leaves there (the zoom, the footer's fit).
    setenv("XDG_CONFIG_HOME", QDir(home.path()).filePath("config").toLocal8Bit().constData(), 1);
    DataFolder files(QDir(home.path()).filePath(QStringLiteral("zeltan")));
    if (!files.seedShippedFiles() || !TextFile::writeAtomically(files.machines(), kMachines) ||
        !TextFile::writeAtomically(files.help(), realisticHelp())) {
        std::fprintf(stderr, "could not seed the data folder\n");
        return 1;
    }
    const std::string self = selfPath();
    const std::string folder = self.substr(0, self.rfind('/') + 1);
    auto command = [&](int mode, const std::string& size) -> std::vector<std::string> {
        if (mode == 0)
            return {self, "zeltan"};
        return {folder + (mode == 1 ? "startup_empty" : "startup_label"), size};
    };
    const std::string errPath =
        QDir(home.path()).filePath(QStringLiteral("stderr.log")).toStdString();

    // One unmeasured start of each: fills the page cache and the font cache,
    // and tells the size the empty window must have.
    const Run first = spawnOnce(x, command(0, {}), false, errPath);
    if (!first.ok) {
        std::fprintf(stderr, "the zeltan child drew no frame; its messages:\n");
        printErrors(errPath);
        return 1;
    }
    const std::string size = first.size;
    spawnOnce(x, command(1, size), true, errPath);
    spawnOnce(x, command(2, size), false, errPath);

    const char* modes[] = {"zeltan", "empty", "label"};
    std::vector<Run> runsOf[3];
    int blanks[3] = {0, 0, 0};
    for (int i = 0; i < rounds; ++i) {
        for (int k = 0; k < 3; ++k) {
            const int m = (i + k) % 3; // who goes first rotates
            const Run r = spawnOnce(x, command(m, size), m == 1, errPath);
            if (!r.ok) {
                std::fprintf(stderr, "a %s child drew no frame; its messages:\n", modes[m]);
                printErrors(errPath);
                return 1;
            }
            blanks[m] += r.blanks;
            runsOf[m].push_back(r);
        }
    }

    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    const char* display = std::getenv("DISPLAY");
    std::printf("== bench_startup: X display %s, session bus %s, window %s, %d rounds "
                "(zeltan, empty and label, the order rotating); load average %.2f %.2f %.2f\n",
                display ? display : "?",
                std::getenv("DBUS_SESSION_BUS_ADDRESS") ? "present" : "ABSENT", size.c_str(),
                rounds, load[0], load[1], load[2]);
    std::printf("%-48s %11s %11s %11s %9s %9s %7s\n", "median", "zeltan", "empty", "label",
                "z/empty", "l/empty", "goal");
    auto medianOf = [&](int m, double (*field)(const Run&)) {
        std::vector<double> v;
        for (const Run& r : runsOf[m])
            if (field(r) > 0) // a mark the child had no time to print is left out
                v.push_back(field(r));
        return median(v);
    };
    struct Row
    {
        const char* label;
        double (*field)(const Run&);
        const char* unit;
        double scale, goal;
    };
    const Row rows[] = {
        {"first map (MapNotify), from spawn", [](const Run& r) { return r.map; }, "ms", 1, 0},
        {"first frame drawn (first DamageNotify)", [](const Run& r) { return r.frame; }, "ms", 1,
         1.2},
        {"CPU to first frame (every thread)", [](const Run& r) { return r.cpu; }, "ms", 1, 0},
        {"peak RSS at first frame (VmHWM)", [](const Run& r) { return r.hwm; }, "MB", 1.0 / 1024,
         1.15},
        {"peak RSS, ru_maxrss (wait4, after the kill)", [](const Run& r) { return r.maxrss; }, "MB",
         1.0 / 1024, 0},
        {"share of the window in the first damage", [](const Run& r) { return r.cover; }, "", 1, 0},
        {"the child's marks: spawn to main()", [](const Run& r) { return r.main; }, "ms", 1, 0},
        {"  main() to QApplication + AppSetup::apply",
         [](const Run& r) { return r.app > 0 ? r.app - r.main : 0; }, "ms", 1, 0},
        {"  window built (ctor, start, fitToScreen)",
         [](const Run& r) { return r.built > 0 ? r.built - r.app : 0; }, "ms", 1, 0},
        {"  show()", [](const Run& r) { return r.shown > 0 ? r.shown - r.built : 0; }, "ms", 1, 0},
        {"  shown to first paint event",
         [](const Run& r) { return r.paint > 0 ? r.paint - r.shown : 0; }, "ms", 1, 0},
        {"  first paint pass (every widget drawn)",
         [](const Run& r) { return r.done > 0 ? r.done - r.paint : 0; }, "ms", 1, 0},
    };
    bool met = true;
    for (const Row& r : rows) {
        const double z = medianOf(0, r.field) * r.scale, e = medianOf(1, r.field) * r.scale;
        const double l = medianOf(2, r.field) * r.scale;
        const double ratio = e > 0 ? z / e : 0.0;
        char goal[32] = "";
        if (r.goal > 0) {
            std::snprintf(goal, sizeof goal, "%s %.2f", ratio <= r.goal ? "met" : "MISSED", r.goal);
            met = met && ratio <= r.goal;
        }
        std::printf("%-48s %8.2f %-2s %8.2f %-2s %8.2f %-2s %9.2f %9.2f %s\n", r.label, z, r.unit,
                    e, r.unit, l, r.unit, ratio, e > 0 ? l / e : 0.0, goal);
    }
    std::printf("one-colour frames not counted: zeltan %d, label %d\n", blanks[0], blanks[2]);
    std::printf("Goals (first frame drawn <= 1.20 x the empty window, peak RSS <= 1.15 x): %s\n",
                met ? "met" : "missed");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    FirstFrame::Marks marks;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "compare") {
        const int rounds = argc > 2 ? std::atoi(argv[2]) : 25;
        return compare(rounds > 0 ? rounds : 25);
    }
    if (mode == "zeltan") {
        int qtArgc = 1; // Qt sees only the program name: the mode is ours
        return runZeltan(qtArgc, argv, marks);
    }
    std::fprintf(stderr, "usage: %s compare [rounds] | zeltan\n", argv[0]);
    return 2;
}
