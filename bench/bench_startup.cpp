// Start-up to the painted main window on the offscreen platform: a new
// process of the program's start (startup_child.cpp) makes the application
// object, installs the translations, starts as the program does (the splash
// shown and painted, the main window made with its welcome dialog), shows
// and paints the main window, and then says so through a pipe. The time
// runs from the start of the process to that word; the end of the process
// is not timed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

void BM_StartUpToPaintedWindow(benchmark::State& state)
{
    char child[] = ORV_STARTUP_CHILD;
    for (auto _ : state) {
        int fds[2];
        if (::pipe(fds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        char fd[16];
        std::snprintf(fd, sizeof fd, "%d", fds[1]);
        char* argv[] = {child, fd, nullptr};
        pid_t pid = 0;
        if (::posix_spawn(&pid, child, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("the program could not be started");
            return;
        }
        ::close(fds[1]);
        char painted = 0;
        const bool ok = ::read(fds[0], &painted, 1) == 1;
        state.PauseTiming();
        ::close(fds[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!ok || !WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the start-up failed");
        state.ResumeTiming();
    }
}
// Other work on the machine only ever adds to a start-up: over repetitions,
// the fastest one is the steadiest figure to compare.
BENCHMARK(BM_StartUpToPaintedWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });

} // namespace

BENCHMARK_MAIN();
