#pragma once

// Running one benchmark case in a process of its own, so the peak RSS of one
// case never hides another's: the driver spawns the child, which prints its
// figures as key=value tokens on stdout and lines of text starting "# ".

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ChildProcess {

inline long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

inline double msSince(long long startNs) { return double(nowNs() - startNs) / 1e6; }

// CPU time of the whole process: on a shared machine it tells the work done
// from the time spent waiting for a core or the disk.
inline long long cpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// A field of a process's status in kB ("VmHWM", "VmRSS", "RssAnon"), or -1;
// this process's unless another status file is named.
inline long statusKb(const char* field, const char* status = "/proc/self/status")
{
    FILE* f = std::fopen(status, "r");
    if (!f)
        return -1;
    char line[256];
    long kb = -1;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, n) == 0 && line[n] == ':') {
            kb = std::strtol(line + n + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(f);
    return kb;
}

struct Result
{
    bool ok = false;                                     // exited with status 0
    double wallMs = 0;                                   // spawn to exit, the driver's clock
    double maxRssKb = 0;                                 // ru_maxrss of the child, from wait4
    std::vector<std::pair<std::string, double>> figures; // in the order printed
    std::vector<std::string> notes;                      // the "# " lines
    int status = 0;

    double value(const std::string& key, double fallback = -1) const
    {
        for (const auto& [k, v] : figures)
            if (k == key)
                return v;
        return fallback;
    }
};

// Calls `f` with each piece of `text` between the separators; a separator
// at the very end leaves no empty piece after it.
template <typename F> void forEachPiece(const std::string& text, char separator, F f)
{
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(separator, pos);
        if (end == std::string::npos)
            end = text.size();
        f(text.substr(pos, end - pos));
        pos = end + 1;
    }
}

// A child to be spawned with its stdout going into a pipe and its stderr
// appended to errPath; the pipe and the file actions are set up first, so
// the caller can read its clock right before start().
class PipedSpawn
{
public:
    explicit PipedSpawn(const std::string& errPath)
    {
        if (pipe(m_out) != 0)
            return;
        posix_spawn_file_actions_init(&m_actions);
        posix_spawn_file_actions_adddup2(&m_actions, m_out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&m_actions, m_out[0]);
        posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0644);
        m_ready = true;
    }
    PipedSpawn(const PipedSpawn&) = delete;
    PipedSpawn& operator=(const PipedSpawn&) = delete;
    ~PipedSpawn()
    {
        if (!m_ready)
            return;
        posix_spawn_file_actions_destroy(&m_actions);
        close(m_out[0]);
        close(m_out[1]);
    }

    bool ok() const { return m_ready; }

    // Spawns `path`; returns the read end of its stdout, for the caller to
    // close, or -1 if it could not be spawned.
    int start(pid_t& pid, const char* path, char* const argv[], char* const envp[])
    {
        const int spawned = posix_spawn(&pid, path, &m_actions, nullptr, argv, envp);
        posix_spawn_file_actions_destroy(&m_actions);
        close(m_out[1]);
        m_ready = false;
        if (spawned != 0) {
            close(m_out[0]);
            return -1;
        }
        return m_out[0];
    }

private:
    int m_out[2] = {-1, -1};
    posix_spawn_file_actions_t m_actions{};
    bool m_ready = false;
};

// Runs args[0] with args, stdout read through a pipe, stderr appended to errPath.
inline Result spawn(const std::vector<std::string>& args, const std::string& errPath)
{
    Result result;
    PipedSpawn child(errPath);
    if (!child.ok())
        return result;
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const long long t0 = nowNs();
    pid_t pid = 0;
    const int out = child.start(pid, argv[0], argv.data(), environ);
    if (out < 0)
        return result;
    // Read while the child runs: a full pipe must not stall it.
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(out, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            text.append(buffer, size_t(n));
    close(out);
    rusage usage{};
    while (wait4(pid, &result.status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.wallMs = msSince(t0);
    result.maxRssKb = double(usage.ru_maxrss);
    result.ok = WIFEXITED(result.status) && WEXITSTATUS(result.status) == 0;

    forEachPiece(text, '\n', [&result](const std::string& line) {
        if (line.rfind("# ", 0) == 0) {
            result.notes.push_back(line.substr(2));
            return;
        }
        forEachPiece(line, ' ', [&result](const std::string& token) {
            const size_t eq = token.find('=');
            if (eq != std::string::npos)
                result.figures.emplace_back(token.substr(0, eq), std::atof(token.c_str() + eq + 1));
        });
    });
    return result;
}

// The q-quantile of values already in ascending order.
inline double sortedPercentile(const std::vector<double>& v, double q)
{
    if (v.empty())
        return 0;
    const size_t i = std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5));
    return v[i];
}

inline double percentile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return sortedPercentile(v, q);
}

// Wall-clock and CPU time of an action, once or repeated.
class Timings
{
public:
    struct Mark
    {
        long long wall, cpu;
    };
    static Mark start() { return {nowNs(), cpuNs()}; }
    // Ends one measurement; `excludedMs` of wall-clock time is taken off.
    double stop(Mark m, double excludedMs = 0)
    {
        m_wall.push_back(msSince(m.wall) - excludedMs);
        m_cpu.push_back(double(cpuNs() - m.cpu) / 1e6);
        return m_wall.back();
    }
    bool empty() const { return m_wall.empty(); }

    // key=ms key_cpu=ms for one measurement; first, median, p90, max and
    // total (and the CPU time of the first and the median) for several.
    void print(const char* key) const
    {
        if (m_wall.empty())
            return;
        if (m_wall.size() == 1) {
            std::printf("%s=%.3f %s_cpu=%.3f ", key, m_wall[0], key, m_cpu[0]);
            return;
        }
        double total = 0;
        for (double v : m_wall)
            total += v;
        std::printf("%s_first=%.3f %s_median=%.3f %s_p90=%.3f %s_max=%.3f %s_total=%.3f "
                    "%s_cpufirst=%.3f %s_cpu=%.3f ",
                    key, m_wall.front(), key, percentile(m_wall, 0.5), key, percentile(m_wall, 0.9),
                    key, percentile(m_wall, 1.0), key, total, key, m_cpu.front(), key,
                    percentile(m_cpu, 0.5));
    }

private:
    std::vector<double> m_wall, m_cpu;
};

inline std::string selfPath()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    path[n] = '\0';
    return path;
}

} // namespace ChildProcess
