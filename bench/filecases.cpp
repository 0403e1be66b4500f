// The headless cases of bench_files: the window's handlers without Qt
// Widgets, over the driver's data folder, in a process of their own.

#include "filecases.h"

#include "benchwindow.h"
#include "childprocess.h"
#include "common/recordfile.h"

#include <cstdio>

using ChildProcess::statusKb;
using ChildProcess::Timings;

namespace FileCases {

namespace {

void printNote(const QString& text)
{
    if (!text.isEmpty())
        std::printf("# %s\n", qUtf8Printable(text.left(200)));
}

// Whether both record files come from the snapshot cache now: a second read
// must hand out the very same snapshot. Called after the memory is taken, as
// a miss would read the file again.
int cachedFiles(const DataFolder& files)
{
    int cached = 0;
    for (const QString& path : {files.modules(), files.machines()}) {
        // A snapshot from the cache shares its bytes with the one before.
        const auto first = RecordFile::read(path);
        const auto second = RecordFile::read(path);
        cached += (*first).sharesWith(*second) ? 1 : 0;
    }
    return cached;
}

// The window without widgets, loaded: the constructor and Form_Load timed.
struct Loaded
{
    Timings::Mark t0 = Timings::start();
    FakeHost host;
    Giadsp app;
    Timings load;

    explicit Loaded(const QString& folder) : app(host, folder)
    {
        app.Form_Load();
        load.stop(t0);
    }
};

} // namespace

int load(const QString& folder)
{
    Loaded w(folder);
    const long hwm = statusKb("VmHWM"), rss = statusKb("VmRSS"), anon = statusKb("RssAnon");
    w.load.print("load");
    std::printf("hwm=%ld rss=%ld anon=%ld modules=%lld machines=%lld messages=%d cached=%d\n", hwm,
                rss, anon, (long long)w.app.form().Combo7.items.size(),
                (long long)w.app.form().List1.items.size(), int(w.host.messages.size()),
                cachedFiles(w.app.files()));
    printNote(w.host.messages.value(w.host.messages.size() - 1));
    return 0;
}

int topic(const QString& folder, int iterations)
{
    Loaded w(folder);
    const long rss0 = statusKb("VmRSS"), hwm0 = statusKb("VmHWM");
    Timings topic;
    long long rows = 0;
    int messages = 0;
    for (int i = 0; i < iterations; ++i) {
        const int before = int(w.host.messages.size());
        const Timings::Mark t = Timings::start();
        w.app.manualTopic_Click(0);
        topic.stop(t);
        if (i == 0) {
            rows = w.app.form().List2.items.size();
            messages = int(w.host.messages.size()) - before;
        }
    }
    // The first call's peak; later ones free the same amount they take.
    const long hwm1 = statusKb("VmHWM");
    w.load.print("load");
    std::printf("rss0=%ld hwm0=%ld ", rss0, hwm0);
    topic.print("topic");
    std::printf("rows=%lld messages=%d hwm1=%ld extra=%ld\n", rows, messages, hwm1, hwm1 - rss0);
    printNote(w.host.messages.value(w.host.messages.size() - 1));
    return 0;
}

int pick(const QString& folder, int iterations)
{
    Loaded w(folder);
    Form& f = w.app.form();
    const qsizetype n = f.List1.items.size();
    if (n < 1) {
        std::printf("# no machines to pick\n");
        return 1;
    }
    const long rss0 = statusKb("VmRSS"), hwm0 = statusKb("VmHWM");
    // Near the top, the middle and the end: the name is looked up each time.
    const qsizetype rows[] = {std::min<qsizetype>(1, n - 1), n / 2, n - 1};
    Timings pick;
    int wrong = 0;
    for (int i = 0; i < iterations; ++i) {
        const qsizetype row = rows[i % 3];
        f.List1.listIndex = int(row);
        const QString expected = f.List1.items.at(row);
        const Timings::Mark t = Timings::start();
        w.app.List1_Click();
        pick.stop(t);
        wrong += f.Label13.text == expected ? 0 : 1;
    }
    const long hwm1 = statusKb("VmHWM");
    w.load.print("load");
    std::printf("machines=%lld rss0=%ld hwm0=%ld ", (long long)n, rss0, hwm0);
    pick.print("pick");
    std::printf("wrong=%d messages=%d hwm1=%ld cached=%d\n", wrong, int(w.host.messages.size()),
                hwm1, cachedFiles(w.app.files()));
    printNote(w.host.messages.value(w.host.messages.size() - 1));
    return 0;
}

} // namespace FileCases
