// Case 0 on the default element with loads, trace lines included.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/ZunCalc.h"

using namespace orv;

static void BM_WallVerticalHinged(benchmark::State& state)
{
    auto in = std::make_unique<TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    InitElementRecord(*in);
    in->Nod = 150;
    in->Nsld = 30;
    in->wd = -0.8;
    in->wd2 = 0.6;
    TTraceLines lines;
    TCalcResults results;
    for (auto _ : state) {
        const u8 error = CalcElement(lines, *in, results);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(results.N_mRd);
    }
}
BENCHMARK(BM_WallVerticalHinged);
