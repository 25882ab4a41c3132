// The report of a 100-element project as the RTF document of the editor
// export: every section and every figure of each element, no two elements
// alike.
#include <benchmark/benchmark.h>


#include <cstring>
#include <vector>

#include "bench/BenchApp.h"
#include "bench/BenchProject.h"
#include "core/SettingsStore.h"
#include "core/ZunCalc.h"
#include "printing/WstawDWCalc.h"

using namespace orv;

namespace {

MemorySettingsStore g_store;

void BM_RtfOf100Elements(benchmark::State& state)
{
    orvbench::BenchApp();
    BindSettingsStore(&g_store);
    const TElementList elements = orvbench::VariedExampleElements(100);
    TWstawDW4Calc writer;
    writer.Header = elements[0].Header;
    std::memset(writer.Header.PrintParts, 0, sizeof writer.Header.PrintParts);
    for (int p : {0, 1, 2, 3, 4, 6}) writer.Header.PrintParts[p] = 1; // all sections, all elements, names
    writer.Count = static_cast<int>(elements.size());
    struct Source : IElementSource {
        const TElementList& elements;
        TTraceLines trace;
        explicit Source(const TElementList& e) : elements(e) {}
        bool GetElementRecord(int i, TProjectElement& e) override
        {
            e = elements[i];
            return true;
        }
        bool CalculateElement(int i, TCalcResults& r) override
        {
            r.Error = CalcElement(trace, elements[i].Input, r);
            return true;
        }
    } source(elements);
    writer.Source = &source;
    writer.PrepareSettings();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string doc = writer.BuildReport();
        bytes = doc.size();
        benchmark::DoNotOptimize(doc.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    BindSettingsStore(nullptr);
}
BENCHMARK(BM_RtfOf100Elements)->Unit(benchmark::kMillisecond);

} // namespace
