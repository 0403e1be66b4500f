// Handler costs of the headless window, measured through Giadsp exactly as the
// front end calls them, so the figures include file reads and writes. The
// summary at the end compares each handler with one 60 Hz frame: a handler
// well inside a frame never makes the window stutter.

#include "app/mainsheet.h"
#include "benchwindow.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Window : BenchWindow
{
    // Ranges of state.range(0) values each; returns that count.
    int rangesFrom(const benchmark::State& state)
    {
        const int values = int(state.range(0));
        setRanges(values - 1);
        return values;
    }
    // A benchmark that ended in a message measured an error path.
    bool failed(benchmark::State& state)
    {
        state.counters["messages"] = double(host.messages.size());
        if (host.messages.size() == 0)
            return false;
        state.SkipWithError(host.messages.value(host.messages.size() - 1).toStdString().c_str());
        return true;
    }
};

// The cases over the grid: at 30 × 30 and at 200 × 200 values, in µs.
void atGridSizes(benchmark::internal::Benchmark* b)
{
    b->ArgName("values")->Arg(30)->Arg(200)->Unit(benchmark::kMicrosecond);
}

void BM_FormLoad(benchmark::State& state)
{
    Window w;
    for (auto _ : state) {
        Giadsp app(w.host, w.dir.path());
        app.Form_Load();
        benchmark::DoNotOptimize(app.form().MSFlexGrid1.revision());
    }
    w.failed(state);
}
BENCHMARK(BM_FormLoad)->Name("start_up/Form_Load")->Unit(benchmark::kMicrosecond);

void BM_SetTotal(benchmark::State& state)
{
    Window w;
    w.app->Command21_Click(); // the star on the total
    for (auto _ : state) {
        w.app->Command4_Click();
        benchmark::DoNotOptimize(w.form().Label9.text.size());
    }
    w.failed(state);
}
BENCHMARK(BM_SetTotal)->Name("SET_total/Command4_Click")->Unit(benchmark::kMicrosecond);

void BM_Survey(benchmark::State& state)
{
    Window w;
    const int values = w.rangesFrom(state);
    for (auto _ : state) {
        w.survey();
        benchmark::DoNotOptimize(w.form().MSFlexGrid1.revision());
    }
    if (w.failed(state))
        return;
    if (w.form().MSFlexGrid1.cell(1, 1).text.isEmpty())
        state.SkipWithError("the survey filled no grid");
    state.counters["cells"] = double(values) * values;
}
BENCHMARK(BM_Survey)->Name("survey/Command5_Click")->Apply(atGridSizes);

void BM_BuildRatioGrid(benchmark::State& state)
{
    Window w;
    w.rangesFrom(state);
    w.form().Text2.text.clear(); // builds the table only, stores no module
    for (auto _ : state) {
        w.app->Command29_Click();
        benchmark::DoNotOptimize(w.form().MSFlexGrid1.revision());
    }
    w.failed(state);
}
BENCHMARK(BM_BuildRatioGrid)->Name("BuildRatioGrid/Command29_Click")->Apply(atGridSizes);

void BM_SelectMachine(benchmark::State& state)
{
    Window w;
    Form& f = w.form();
    if (f.List1.items.size() != kMachines.size()) {
        state.SkipWithError("masin.dat was not listed");
        return;
    }
    for (auto _ : state) {
        f.List1.listIndex = 2;
        w.app->List1_Click();
        benchmark::DoNotOptimize(f.Label9.text.size());
    }
    w.failed(state);
}
BENCHMARK(BM_SelectMachine)->Name("select_machine/List1_Click")->Unit(benchmark::kMicrosecond);

void BM_ManualTopic(benchmark::State& state)
{
    Window w;
    for (auto _ : state) {
        w.app->manualTopic_Click(4);
        benchmark::DoNotOptimize(w.form().List2.items.size());
    }
    if (!w.failed(state) && w.form().List2.items.size() < 40)
        state.SkipWithError("the topic was not found in help.txt");
}
BENCHMARK(BM_ManualTopic)->Name("manual_topic/manualTopic_Click_4")->Unit(benchmark::kMicrosecond);

void BM_BuildPage(benchmark::State& state)
{
    Window w;
    w.rangesFrom(state);
    w.survey();
    for (auto _ : state) {
        const PrintPage page = MainSheet::buildPage(w.form());
        benchmark::DoNotOptimize(page.ops.size());
    }
    w.failed(state);
}
BENCHMARK(BM_BuildPage)->Name("print_page/PrintOut_buildPage")->Apply(atGridSizes);

// The usual console table, then every handler as a share of one frame.
class FrameReporter : public benchmark::ConsoleReporter
{
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // With repetitions the median stands for the single runs: one slow
            // disk sync must not decide the figure.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            Figure& f = m_figures[run.run_name.str()];
            if (median || !f.median)
                f = {run.GetAdjustedRealTime() * toMs, run.GetAdjustedCPUTime() * toMs, median};
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_figures.empty())
            return;
        constexpr double frameMs = 1000.0 / 60.0;
        std::vector<std::pair<std::string, Figure>> sorted(m_figures.begin(), m_figures.end());
        std::sort(sorted.begin(), sorted.end(),
                  [](const auto& a, const auto& b) { return a.second.realMs > b.second.realMs; });
        std::printf("\nShare of one 60 Hz frame (%.2f ms), slowest first (wall clock; CPU "
                    "time beside it):\n",
                    frameMs);
        for (const auto& [name, f] : sorted)
            std::printf("  %-44s %9.4f ms %8.4f frames   cpu %9.4f ms %8.4f frames\n", name.c_str(),
                        f.realMs, f.realMs / frameMs, f.cpuMs, f.cpuMs / frameMs);
        const auto& [name, f] = sorted.front();
        std::printf("Slowest handler: %s, %.4f ms = %.4f of a frame\n", name.c_str(), f.realMs,
                    f.realMs / frameMs);
    }

private:
    struct Figure
    {
        double realMs = 0, cpuMs = 0;
        bool median = false;
    };
    std::map<std::string, Figure> m_figures;
};

} // namespace

int main(int argc, char** argv)
{
    // The shipped data files live in zeltan_core's resources, which a static
    // library only links in when something names them.
    Q_INIT_RESOURCE(data);
    // Our own reporter bypasses the library's handling of --benchmark_color,
    // which Initialize takes out of argv.
    bool colour = isatty(fileno(stdout)) != 0;
    for (int i = 1; i < argc; ++i)
        colour = colour && std::strcmp(argv[i], "--benchmark_color=false") != 0;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FrameReporter reporter(colour ? benchmark::ConsoleReporter::OO_ColorTabular
                                  : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
