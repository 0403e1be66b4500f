// Data files of any size stay cheap: a huge help.txt, module.dat and
// masin.dat, each case timed and its peak RSS taken in a process of its own.
//
//   bench_files [all|manual|modules|machines[,…]] [runs]  the driver (default all, 3 runs)
//   bench_files child CASE FOLDER [iterations]            one case (filecases.h)
//   bench_files child prepare ROOT NAME…                  writes data folders under ROOT
//
// The driver writes the data folders under $TMPDIR, dates every file a day
// back as a user's files are (the record files are cached only once their
// times are a few seconds old), waits until even their change times are old
// enough, then spawns each case `runs` times and prints the medians, with the
// same case over the shipped files as the baseline.

#include "childprocess.h"
#include "filecases.h"
#include "filefolders.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace FileFolders;

constexpr double FrameMs = 1000.0 / 60.0;

using Runs = std::vector<ChildProcess::Result>;

double median(const Runs& runs, const std::string& key)
{
    std::vector<double> v;
    for (const auto& r : runs)
        v.push_back(key == "wall" ? r.wallMs : key == "maxrss" ? r.maxRssKb : r.value(key));
    return ChildProcess::percentile(v, 0.5);
}

struct Case
{
    const char* group; // manual, modules, machines
    const char* title;
    const char* mode;
    const char* folder;
    int iterations;
};

const std::vector<Case> kCases = {
    {"manual", "help.txt of 19 KB, headless topic (baseline)", "topic", "small", 5},
    {"manual", "help.txt 64 MiB: title + commas, headless topic", "topic", "help-title", 5},
    {"manual", "help.txt 60 MB of commas, no title, headless topic", "topic", "help-commas", 5},
    {"manual", "help.txt 64 MiB of \"a,\", no title, headless topic", "topic", "help-letters", 3},
    {"manual", "help.txt 64 MiB of \"a\" lines (LF), no title, headless topic", "topic",
     "help-lines", 3},
    {"manual", "help.txt 1 GiB (over the size limit), headless topic", "topic", "help-huge", 5},
    {"manual", "help.txt of 19 KB, window menu topic (baseline)", "window-topic", "small", 5},
    {"manual", "help.txt 64 MiB: title + commas, window menu topic", "window-topic", "help-title",
     5},
    {"manual", "help.txt 60 MB of commas, window menu topic", "window-topic", "help-commas", 5},
    {"manual", "help.txt 64 MiB of \"a,\", window menu topic", "window-topic", "help-letters", 3},
    {"modules", "module.dat of 8 lines, headless Form_Load (baseline)", "load", "small", 1},
    {"modules", "module.dat of 1 000 008 lines, headless Form_Load", "load", "modules", 1},
    {"modules", "module.dat of 8 lines, window to first frame (baseline)", "window", "small", 1},
    {"modules", "module.dat of 1 000 008 lines, window to first frame", "window", "modules", 1},
    {"modules", "the same, last module in use, window to first frame", "window", "modules-last", 1},
    {"modules", "module.dat of 8 lines, module selector in the window (baseline)", "window-combo",
     "small", 20},
    {"modules", "module.dat of 1 000 008 lines, module selector in the window", "window-combo",
     "modules", 20},
    {"machines", "5 machines, headless List1_Click (baseline)", "pick", "small", 300},
    {"machines", "100 000 machines, headless List1_Click", "pick", "machines", 300},
    {"machines", "100 000 machines, headless Form_Load", "load", "machines", 1},
    {"machines", "100 000 machines, window to first frame", "window", "machines", 1},
    {"machines", "5 machines, window click / Down (baseline)", "window-pick", "small", 50},
    {"machines", "100 000 machines, window click / Down", "window-pick", "machines", 50},
};

int child(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const std::string mode = argv[2];
    const QString folder = QString::fromLocal8Bit(argv[3]);
    const int iterations = argc > 4 ? std::max(1, std::atoi(argv[4])) : 1;
    if (mode == "prepare") { // FOLDER is the root, the names of the folders follow
        for (int i = 4; i < argc; ++i)
            if (!prepare(QDir(folder), argv[i]))
                return 1;
        dateBack(QDir(folder));
        return 0;
    }
    if (mode == "load")
        return FileCases::load(folder);
    if (mode == "topic")
        return FileCases::topic(folder, iterations);
    if (mode == "pick")
        return FileCases::pick(folder, iterations);
    if (mode == "window")
        return FileCases::window(folder, argc, argv);
    if (mode == "window-topic")
        return FileCases::windowTopic(folder, iterations, argc, argv);
    if (mode == "window-pick")
        return FileCases::windowPick(folder, iterations, argc, argv);
    if (mode == "window-combo")
        return FileCases::windowCombo(folder, iterations, argc, argv);
    return 2;
}

void printRuns(const Case& c, const Runs& runs)
{
    std::printf("\n%s [%s, %d iterations]\n   ", c.title, c.mode, c.iterations);
    int column = 3;
    for (const auto& figure : runs.front().figures) {
        char cell[96];
        const int n = std::snprintf(cell, sizeof cell, "%s=%.6g ", figure.first.c_str(),
                                    median(runs, figure.first));
        if (column + n > 100) {
            std::printf("\n   ");
            column = 3;
        }
        std::fputs(cell, stdout);
        column += n;
    }
    std::printf("\n   process: spawn to exit %.1f ms, ru_maxrss %.0f kB\n", median(runs, "wall"),
                median(runs, "maxrss"));
    for (const std::string& note : runs.front().notes)
        std::printf("   %s\n", note.c_str());
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

// The goals, from the medians of the cases run.
void printGoals(const std::map<std::string, Runs>& all)
{
    auto get = [&](const char* mode, const char* folder, const char* key) {
        const auto it = all.find(std::string(mode) + "@" + folder);
        return it == all.end() ? -1.0 : median(it->second, key);
    };
    std::printf("\n== goals (medians; CPU time in brackets)\n");
    const struct
    {
        const char* folder;
        qint64 size;
    } helps[] = {{"help-title", TitleHelpSize},
                 {"help-commas", CommaHelpSize},
                 {"help-letters", LetterHelpSize},
                 {"help-lines", LetterHelpSize}};
    for (const auto& h : helps) {
        for (const char* mode : {"topic", "window-topic"}) {
            const bool window = std::string(mode) == "window-topic";
            const double ms = get(mode, h.folder, window ? "frozen_first" : "topic_first");
            if (ms < 0)
                continue;
            const double cpu = get(mode, h.folder, window ? "frozen_cpufirst" : "topic_cpufirst");
            const double hwm = get(mode, h.folder, "hwm1"), base = get(mode, "small", "hwm1");
            const double allowed = base + 3.0 * double(h.size) / 1024;
            std::printf("manual %-12s %-8s frozen %6.0f ms (%4.0f) goal < 1000 ms: %-6s  peak "
                        "%3.0f MB = baseline %2.0f + %.2f x file, goal <= %3.0f MB: %s\n",
                        h.folder, window ? "window" : "headless", ms, cpu, verdict(ms < 1000),
                        hwm / 1024, base / 1024, (hwm - base) * 1024 / double(h.size),
                        allowed / 1024, verdict(hwm <= allowed));
        }
    }
    const double load = get("load", "modules", "load");
    if (load >= 0) {
        std::printf("modules 1 000 008 lines: headless Form_Load %.0f ms (%.0f), goal < 1000 ms: "
                    "%s; peak %.0f MB (baseline %.0f MB)\n",
                    load, get("load", "modules", "load_cpu"), verdict(load < 1000),
                    get("load", "modules", "hwm") / 1024, get("load", "small", "hwm") / 1024);
        for (const char* folder : {"modules", "modules-last"}) {
            const double frame = get("window", folder, "frame") - get("window", folder, "boxms");
            std::printf("modules %-12s window: main() to first frame %.0f ms (%.0f), spawn to "
                        "exit %.0f ms, goal < 1000 ms: %s; start() %.0f ms; peak %.0f MB "
                        "(baseline %.0f MB); message box time taken off\n",
                        folder, frame, get("window", folder, "frame_cpu"),
                        get("window", folder, "wall"), verdict(frame < 1000),
                        get("window", folder, "start") - get("window", folder, "ctor"),
                        get("window", folder, "hwm") / 1024, get("window", "small", "hwm") / 1024);
        }
    }
    const double popup = get("window-combo", "modules", "popup");
    if (popup >= 0)
        std::printf(
            "modules in the window: module list opened %.0f ms (%.0f; baseline %.1f); "
            "last module picked %.1f ms; SET %.2f ms (%.2f) with an early module in use, "
            "%.1f ms (%.1f) with the last (baseline %.2f)\n",
            popup, get("window-combo", "modules", "popup_cpu"),
            get("window-combo", "small", "popup"), get("window-combo", "modules", "picklast"),
            get("window-combo", "modules", "set_median"), get("window-combo", "modules", "set_cpu"),
            get("window-combo", "modules", "setlast_median"),
            get("window-combo", "modules", "setlast_cpu"),
            get("window-combo", "small", "setlast_median"));
    const double machinesFrame = get("window", "machines", "frame");
    if (machinesFrame >= 0)
        std::printf("machines 100 000 window: main() to first frame %.0f ms (%.0f), of it show() "
                    "%.0f ms; peak %.0f MB\n",
                    machinesFrame, get("window", "machines", "frame_cpu"),
                    get("window", "machines", "shown") - get("window", "machines", "centre"),
                    get("window", "machines", "hwm") / 1024);
    const double pick = get("pick", "machines", "pick_median");
    if (pick >= 0) {
        const double click = get("window-pick", "machines", "click_median");
        const double down = get("window-pick", "machines", "down_median");
        std::printf(
            "machines 100 000: headless pick %.3f ms (%.3f; p90 %.3f); window click %.3f "
            "ms (%.3f; p90 %.3f), goal < %.1f ms: %s; Down %.3f ms a press (%.3f; p90 "
            "%.3f, max %.3f): %s, %.0f ms for %.0f presses (baseline %.3f a press)\n",
            pick, get("pick", "machines", "pick_cpu"), get("pick", "machines", "pick_p90"), click,
            get("window-pick", "machines", "click_cpu"),
            get("window-pick", "machines", "click_p90"), FrameMs, verdict(click < FrameMs), down,
            get("window-pick", "machines", "down_cpu"), get("window-pick", "machines", "down_p90"),
            get("window-pick", "machines", "down_max"), verdict(down < FrameMs),
            get("window-pick", "machines", "down_total"), get("window-pick", "machines", "presses"),
            get("window-pick", "small", "down_median"));
    }
}

} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(data); // the shipped files, compiled into the core library
    const std::string first = argc > 1 ? argv[1] : "all";
    if (first == "child")
        return child(argc, argv);
    // One group or several ("modules,machines"); anything else is all.
    QStringList groups = QString::fromStdString(first).split(u',');
    const QStringList known = {QStringLiteral("manual"), QStringLiteral("modules"),
                               QStringLiteral("machines")};
    if (!std::all_of(groups.begin(), groups.end(),
                     [&known](const QString& g) { return known.contains(g); }))
        groups.clear();
    auto inGroup = [&groups](const Case& c) {
        return groups.isEmpty() || groups.contains(QString::fromLatin1(c.group));
    };
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    QTemporaryDir rootDir;
    const std::string root = rootDir.path().toStdString();
    const std::string errPath = root + "/stderr.log";
    const std::string exe = ChildProcess::selfPath();
    // Written by a child, so the driver's own memory stays small: a child
    // spawned from it counts the driver's peak in its ru_maxrss.
    std::vector<std::string> prepare = {exe, "child", "prepare", root, "small"};
    for (const Case& c : kCases)
        if (inGroup(c) && std::find(prepare.begin() + 4, prepare.end(), c.folder) == prepare.end())
            prepare.push_back(c.folder);
    if (!ChildProcess::spawn(prepare, errPath).ok) {
        std::fprintf(stderr, "could not write the data folders under %s\n", root.c_str());
        return 1;
    }
    // Dating the files back set their change times to now; the cache trusts
    // a stamp only once both times are more than a second in the past.
    QThread::msleep(2200);

    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    std::printf("== bench_files: data folders under %s, %d run(s) per case, each a fresh "
                "process; load average %.2f %.2f %.2f\n",
                qPrintable(QDir::tempPath()), runs, load[0], load[1], load[2]);
    std::printf("   times in ms, memory in kB (hwm = VmHWM, the peak RSS); medians of the runs\n");
    std::map<std::string, Runs> all;
    int failed = 0;
    for (const Case& c : kCases) {
        if (!inGroup(c))
            continue;
        const std::string folder = root + "/" + c.folder;
        Runs runsOf;
        for (int r = 0; r < runs; ++r) {
            ChildProcess::Result result = ChildProcess::spawn(
                {exe, "child", c.mode, folder, std::to_string(c.iterations)}, errPath);
            if (result.ok)
                runsOf.push_back(std::move(result));
            else {
                ++failed;
                std::printf("%s: the child failed (status %d); see %s\n", c.title, result.status,
                            errPath.c_str());
            }
        }
        if (runsOf.empty())
            continue;
        printRuns(c, runsOf);
        all[std::string(c.mode) + "@" + c.folder] = std::move(runsOf);
    }
    std::printf("\nfiles: help.txt %lld (title + commas), %lld (commas), %lld (letters, lines), "
                "%lld bytes (sparse); module.dat 8 + %d lines; masin.dat %d lines\n",
                (long long)TitleHelpSize, (long long)CommaHelpSize, (long long)LetterHelpSize,
                (long long)HugeHelpSize, ModuleLines, MachineLines);
    printGoals(all);
    return failed > 0 ? 1 : 0;
}
