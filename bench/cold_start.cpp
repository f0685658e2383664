// Times the start-up of two programs side by side: launches each in turn,
// interleaved, and reports the median, the spread and the ratio of the
// medians. Usage: cold_start RUNS PROGRAM YARDSTICK
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM YARDSTICK\n", argv[0]);
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
