// Start-up to the painted main window on the offscreen platform: a new
// process of this program (with the program's libraries) makes the
// application object, installs the translations, starts as the program does
// (the splash shown and painted, the main window made with its welcome
// dialog), shows and paints the main window, and then says so through a
// pipe. The time runs from the start of the process to that word; the end
// of the process is not timed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <cstring>
#include <vector>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "components/ColorEditorDialog.h"
#include "components/QtTranslations.h"
#include "core/SettingsStore.h"
#include "mainwindow/ZunMain.h"
#include "mainwindow/ZunStartup.h"
#include "platform/HeapPolicy.h"
#include "resources/ProgramIcon.h"

extern char** environ;

using namespace orv;

namespace {

constexpr const char* kChildArgument = "--start-up-child";

// The main window's first paint. The window system's first exposure of the
// shown window paints it and every child in view before it returns, so once
// the events that brought the paint are handled, the window is painted.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// The start-up as the program makes it (its heap policy first, as in main),
// up to the painted main window; then one byte into the pipe.
int StartUpChild(int argc, char** argv, int pipeFd)
{
    KeepFreedMemoryForReuse();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    MemorySettingsStore store;
    BindSettingsStore(&store);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvandel"));
    InstallQtTranslations(app);
    QApplication::setWindowIcon(ProgramIcon());
    RegisterColorEditor();
    TStartup startup;
    TVelkor2& window = startup.window();
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    for (int i = 0; i < 100 && !watch.painted; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!watch.painted) return 1;
    const char painted = 1;
    const bool told = ::write(pipeFd, &painted, 1) == 1;
    BindSettingsStore(nullptr);
    return told ? 0 : 1;
}

void BM_StartUpToPaintedWindow(benchmark::State& state)
{
    char self[] = "/proc/self/exe";
    char child[64];
    std::strcpy(child, kChildArgument);
    for (auto _ : state) {
        int fds[2];
        if (::pipe(fds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        char fd[16];
        std::snprintf(fd, sizeof fd, "%d", fds[1]);
        char* argv[] = {self, child, fd, nullptr};
        pid_t pid = 0;
        if (::posix_spawn(&pid, self, nullptr, nullptr, argv, environ) != 0) {
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

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], kChildArgument) == 0) {
        int one = 1;
        return StartUpChild(one, argv, std::atoi(argv[2]));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
