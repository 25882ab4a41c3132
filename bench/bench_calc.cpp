// Case 0 on the default element with loads, with the trace lines built for a
// reader and with no one reading them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/ZunCalc.h"

using namespace orv;

namespace {

void Run(benchmark::State& state, bool read)
{
    auto in = std::make_unique<TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    InitElementRecord(*in);
    in->Nod = 150;
    in->Nsld = 30;
    in->wd = -0.8;
    in->wd2 = 0.6;
    TTraceLines lines;
    lines.setRead(read);
    TCalcResults results;
    for (auto _ : state) {
        const u8 error = CalcElement(lines, *in, results);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(results.N_mRd);
    }
}

void BM_WallVerticalHinged(benchmark::State& state) { Run(state, true); }
BENCHMARK(BM_WallVerticalHinged);
void BM_WallVerticalHingedNoTraceReader(benchmark::State& state) { Run(state, false); }
BENCHMARK(BM_WallVerticalHingedNoTraceReader);

} // namespace
