// Times the start-up of two programs side by side: launches each in turn,
// interleaved, and reports the median, the spread and the ratio of the
// medians. Usage: cold_start RUNS PROGRAM YARDSTICK
//
// Each time runs from the launch to the program's exit, which follows its
// first frame at once. On Linux the exit holds one cost of a start-up: a
// window with no text never reads the font configuration before its first
// frame, but Qt reads it when it closes its font database, at the exit.
//
// `cold_start --steps RUNS PROGRAM...` splits each program's start-up into
// the steps it marks (bench::mark, first_paint.h): the median time of each
// step, from the launch, and of the exit after the last mark.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

// Wall-clock milliseconds from launch to exit; negative when it failed.
double launch(const char* path)
{
    char* argv[] = {const_cast<char*>(path), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path, nullptr, nullptr, argv, environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double at = q * static_cast<double>(v.size() - 1);
    const auto i = static_cast<std::size_t>(at);
    if (i + 1 >= v.size()) return v.back();
    return v[i] + (at - static_cast<double>(i)) * (v[i + 1] - v[i]);
}

void report(const char* name, const std::vector<double>& ms)
{
    std::printf("%-24s median %8.1f ms   p10 %8.1f   p90 %8.1f   min %8.1f   (%zu runs)\n", name, quantile(ms, 0.5),
                quantile(ms, 0.1), quantile(ms, 0.9), quantile(ms, 0), ms.size());
}

// One launch with the steps marked: each step's name and its milliseconds
// since the step before (the first since the launch), then "exit"; empty
// when the launch failed.
std::vector<std::pair<std::string, double>> launchMarked(const char* path)
{
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto start = std::chrono::steady_clock::now();
    std::string marks = "RETENCION_START_MARKS=1";
    const std::string launched =
        "RETENCION_LAUNCHED_NS=" +
        std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count());
    std::vector<char*> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "RETENCION_START_MARKS=", 22) != 0 && std::strncmp(*e, "RETENCION_LAUNCHED_NS=", 22) != 0)
            env.push_back(*e);
    env.push_back(marks.data());
    env.push_back(const_cast<char*>(launched.c_str()));
    env.push_back(nullptr);
    char* argv[] = {const_cast<char*>(path), nullptr};
    pid_t pid = 0;
    const bool spawned = posix_spawn(&pid, path, &actions, nullptr, argv, env.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    if (!spawned || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    const double total = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::vector<std::pair<std::string, double>> steps;
    double before = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        double ms = 0;
        int name = 0;
        if (std::sscanf(line.c_str(), " %lf ms %n", &ms, &name) == 1 && name > 0) {
            steps.emplace_back(line.substr(std::size_t(name)), ms - before);
            before = ms;
        }
    }
    steps.emplace_back("exit", total - before);
    return steps;
}

int reportSteps(int runs, int count, char** paths)
{
    for (int p = 0; p < count; ++p) {
        std::vector<std::string> names;
        std::vector<std::vector<double>> ms;
        for (int round = 0; round < runs; ++round) {
            const auto steps = launchMarked(paths[p]);
            if (steps.empty()) {
                std::fprintf(stderr, "%s failed\n", paths[p]);
                return 1;
            }
            for (std::size_t i = 0; i < steps.size(); ++i) {
                if (i == names.size()) {
                    names.push_back(steps[i].first);
                    ms.emplace_back();
                }
                ms[i].push_back(steps[i].second);
            }
        }
        std::printf("%s (median of %d runs, each step since the one before)\n", paths[p], runs);
        for (std::size_t i = 0; i < names.size(); ++i)
            std::printf("  %8.2f ms  %s\n", quantile(ms[i], 0.5), names[i].c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--steps") == 0)
        return reportSteps(std::max(1, std::atoi(argv[2])), argc - 3, argv + 3);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM YARDSTICK | --steps RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char* paths[2] = {argv[2], argv[3]};
    // One launch of each first, so that both start from the same warm file
    // cache; then alternate, each going first every other round.
    for (const char* path : paths)
        if (launch(path) < 0) {
            std::fprintf(stderr, "%s did not start and paint\n", path);
            return 1;
        }
    std::vector<double> ms[2];
    for (int round = 0; round < runs; ++round) {
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2;
            const double t = launch(paths[which]);
            if (t < 0) {
                std::fprintf(stderr, "%s failed\n", paths[which]);
                return 1;
            }
            ms[which].push_back(t);
        }
    }
    report("program (Form1)", ms[0]);
    report("minimal QMainWindow", ms[1]);
    const double ratio = quantile(ms[0], 0.5) / quantile(ms[1], 0.5);
    std::printf("ratio of medians: %.2f (target: at most 1.5)\n", ratio);
    return 0;
}
