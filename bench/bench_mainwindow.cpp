// The main window on the offscreen platform, shown and exposed: one field
// exit on a case-0 element up to the repainted verdict, results text and
// scheme, and the opening of projects of 200 to 10,000 elements up to the
// painted window (the sizes show how the time grows with the elements).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

#include <sys/resource.h>

#include "bench/BenchApp.h"
#include "components/Realedit.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/ZunMain.h"

using namespace orv;

namespace {

MemorySettingsStore g_store;

// Page faults the process has taken: a read into pages new to the process
// takes one a page, which in a virtual machine costs more than the copy.
long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// out of line, so that a profile tells the repaint from the edit
[[gnu::noinline]] void RepaintResults(TVelkor2& w)
{
    w.findChild<QWidget*>("PB2")->repaint();
    w.findChild<QWidget*>("PB1b")->repaint();
    w.findChild<QTextBrowser*>("REdit1")->viewport()->repaint();
}

// Shows the window and waits until it is exposed: before that a repaint
// paints nothing.
bool ShownExposed(QWidget& w, benchmark::State& state)
{
    w.show();
    for (int i = 0; i < 100 && !(w.windowHandle() && w.windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (w.windowHandle() && w.windowHandle()->isExposed()) return true;
    state.SkipWithError("the window is not exposed");
    return false;
}

void BM_FieldExitToRepaint(benchmark::State& state)
{
    orvbench::BenchApp();
    BindSettingsStore(&g_store);
    TVelkor2 w;
    w.resize(1200, 860);
    if (!ShownExposed(w, state)) return;
    auto* t = w.findChild<TNumberEdit*>("t1a");
    t->setFocus();
    double v = 25;
    for (auto _ : state) {
        v = v == 25 ? 38 : 25;
        t->setValue(v);
        w.editor()->commitFocused();
        RepaintResults(w);
    }
    w.session().setModified(false);
}
BENCHMARK(BM_FieldExitToRepaint)->Unit(benchmark::kMillisecond);

void OpenElements(benchmark::State& state, int count)
{
    orvbench::BenchApp();
    BindSettingsStore(&g_store);
    QTemporaryDir dir;
    const QString file = dir.filePath("duzy.clcm");
    {
        ProjectSession s;
        for (int i = 1; i < count; ++i) s.addElement("Element " + std::to_string(i + 1), "", i % 6);
        s.save(file.toStdString());
    }
    TVelkor2 w;
    w.resize(1200, 860);
    if (!ShownExposed(w, state)) return;
    // The project cut to its first element, as the element manager cuts it:
    // the session keeps the storage it holds.
    const auto toOneElement = [&w] {
        TElementList first(1);
        w.session().GetElementRecord(0, first[0]);
        w.session().replaceElements(first, 1, 0);
        w.session().setModified(false);
    };
    // Each round opens the project through the window's file command, from
    // a window of one element, up to the painted window, the tab strip with
    // it. The project is opened twice before, so that both stores the
    // session reads into (the open project's and the spare) have room for
    // it: every timed open reads into memory the process has had, and the
    // faults counter shows that it takes no page fault for its records. (A
    // first open takes one for each 4 KB of its records on top, and so does
    // an open after a small project replaced a large one, whose storage the
    // session then frees.)
    w.OpenProject(file);
    toOneElement();
    w.OpenProject(file);
    long faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        toOneElement();
        w.repaint();
        const long before = MinorFaults();
        state.ResumeTiming();
        w.OpenProject(file);
        w.repaint();
        faults += MinorFaults() - before;
    }
    state.counters["faults"] = benchmark::Counter(double(faults), benchmark::Counter::kAvgIterations);
}

// 200 to 10,000 elements: the time per element stays about the same where
// the opening grows linearly with the project. The tab strip's share does
// not: for every tab it adds, the toolkit's tab bar lays out all its tabs.
void BM_OpenElements(benchmark::State& state)
{
    OpenElements(state, int(state.range(0)));
    state.counters["us_per_element"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                               benchmark::Counter::kInvert);
}
BENCHMARK(BM_OpenElements)
    ->Arg(200)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

} // namespace
