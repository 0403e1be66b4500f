// A fixed amount of one handler's work for callgrind: instruction counts are
// exact where timings wobble, so this is what to profile before optimising.
// Only the measured calls are collected; one warm-up call first keeps the
// one-time set-up (code page tables, statics) out of the figures.
//
//   valgrind --tool=callgrind --instr-atstart=no --collect-atstart=no bench_profile survey 200 10
// (bench/profile does this and prints the top functions)

#include "benchwindow.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(data);
    const char* what = argc > 1 ? argv[1] : "survey";
    const int values = argc > 2 ? std::atoi(argv[2]) : 200;
    const int calls = argc > 3 ? std::atoi(argv[3]) : 10;
    if (values < 1 || values > 200 || calls < 1) {
        std::fprintf(stderr, "usage: %s survey|grid|set [values 1…200] [calls]\n", argv[0]);
        return 2;
    }

    BenchWindow w;
    w.setRanges(values - 1);
    w.form().Text2.text.clear();
    std::function<void()> handler;
    if (std::strcmp(what, "survey") == 0) {
        handler = [&] { w.survey(); };
    } else if (std::strcmp(what, "grid") == 0) {
        handler = [&] { w.app->Command29_Click(); };
    } else if (std::strcmp(what, "set") == 0) {
        w.app->Command21_Click();
        handler = [&] { w.app->Command4_Click(); };
    } else {
        std::fprintf(stderr, "unknown handler %s\n", what);
        return 2;
    }

    handler();
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < calls; ++i)
        handler();
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_STOP_INSTRUMENTATION;

    std::printf("%s on %d x %d values, %d calls, %d messages\n", what, values, values, calls,
                int(w.host.messages.size()));
    if (int(w.host.messages.size()) > 0) {
        std::fprintf(stderr, "error path taken: %s\n",
                     qUtf8Printable(w.host.messages.value(w.host.messages.size() - 1)));
        return 1;
    }
    return 0;
}
