// The load compilation dialog on the offscreen platform: one field edit in
// a compilation of nine storeys up to the repainted result line and scheme.
#include <benchmark/benchmark.h>

#include <QWindow>

#include <cstring>
#include <memory>

#include "bench/BenchApp.h"
#include "components/Realedit.h"
#include "core/SettingsStore.h"
#include "dialogs/ZunZestObc.h"

using namespace orv;

namespace {

MemorySettingsStore g_store;

void BM_NineStoreyEditToRepaint(benchmark::State& state)
{
    orvbench::BenchApp();
    BindSettingsStore(&g_store);
    auto l = std::make_unique<TLoadCompilation>();
    std::memset(l.get(), 0, sizeof *l);
    InitLoadCompilation(*l);
    l->TakeFromElement = 0;
    l->StoreyCount = 9;
    l->kond_powtrz = 0;
    l->F_dach = 10;
    for (int e = 0; e < MaxStoreys; ++e) {
        l->ro[e] = 18;
        l->gL[e] = l->gP[e] = 5;
        l->pL[e] = l->pP[e] = 2;
    }
    TCalcInput input{};
    InitElementRecord(input);
    TZestObcDlg dlg;
    dlg.resize(1000, 700);
    dlg.setData(*l, input, false);
    dlg.show();
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
    if (!dlg.windowHandle() || !dlg.windowHandle()->isExposed()) {
        state.SkipWithError("the dialog is not exposed");
        return;
    }
    auto* h = dlg.findChild<TNumberEdit*>("h1");
    QWidget* result = dlg.findChild<QWidget*>("PB1");
    QWidget* scheme = dlg.findChild<QWidget*>("PB2");
    bool flip = false;
    for (auto _ : state) {
        h->setText(flip ? "3,000" : "3,100");
        flip = !flip;
        h->commit();
        result->repaint();
        scheme->repaint();
    }
}
BENCHMARK(BM_NineStoreyEditToRepaint)->Unit(benchmark::kMillisecond);

} // namespace
