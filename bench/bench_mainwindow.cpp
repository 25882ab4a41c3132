// The main window on the offscreen platform: one field exit on a case-0
// element up to the repainted verdict, results text and scheme, and the
// opening of a 200-, 500- and 1000-element project up to the first painted
// element (the three show how the time grows with the elements).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "bench/BenchApp.h"
#include "components/Realedit.h"
#include "core/ProjectSession.h"
#include "core/SettingsStore.h"
#include "mainwindow/ElementEditor.h"
#include "mainwindow/ZunMain.h"

using namespace orv;

namespace {

MemorySettingsStore g_store;

void RepaintResults(TVelkor2& w)
{
    w.findChild<QWidget*>("PB2")->repaint();
    w.findChild<QWidget*>("PB1b")->repaint();
    w.findChild<QTextBrowser*>("REdit1")->viewport()->repaint();
}

void BM_FieldExitToRepaint(benchmark::State& state)
{
    orvbench::BenchApp();
    BindSettingsStore(&g_store);
    TVelkor2 w;
    w.resize(1200, 860);
    w.show();
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
    const QString single = dir.filePath("jeden.clcm");
    {
        ProjectSession s;
        s.save(single.toStdString());
        for (int i = 1; i < count; ++i) s.addElement("Element " + std::to_string(i + 1), "", i % 6);
        s.save(file.toStdString());
    }
    TVelkor2 w;
    w.resize(1200, 860);
    w.show();
    // each round from a window of one element, as a project is opened
    for (auto _ : state) {
        state.PauseTiming();
        w.OpenProject(single);
        RepaintResults(w);
        state.ResumeTiming();
        w.OpenProject(file);
        RepaintResults(w);
    }
}

void BM_Open200Elements(benchmark::State& state) { OpenElements(state, 200); }
BENCHMARK(BM_Open200Elements)->Unit(benchmark::kMillisecond);

void BM_Open500Elements(benchmark::State& state) { OpenElements(state, 500); }
BENCHMARK(BM_Open500Elements)->Unit(benchmark::kMillisecond);

void BM_Open1000Elements(benchmark::State& state) { OpenElements(state, 1000); }
BENCHMARK(BM_Open1000Elements)->Unit(benchmark::kMillisecond);

} // namespace
