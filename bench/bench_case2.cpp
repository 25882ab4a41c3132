// Case 2: a plate without openings, and a plate wall with two openings
// (two horizontal and three vertical strips), with the trace lines built for
// a reader and with no one reading them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/ZunCalc.h"

using namespace orv;

namespace {

std::unique_ptr<TCalcInput> PlateWall()
{
    auto in = std::make_unique<TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    InitElementRecord(*in);
    in->Case = 2;
    in->l = 400;
    in->h = 300;
    in->wd_kNm2 = 0.8;
    in->SchematScianyTyp = 2;
    in->SchematPlytySciany = 8;
    return in;
}

void Run(benchmark::State& state, const TCalcInput& in, bool read)
{
    TTraceLines lines;
    lines.setRead(read);
    TCalcResults results;
    if (CalcElement(lines, in, results) != 0) state.SkipWithError("the check fails");
    for (auto _ : state) {
        const u8 error = CalcElement(lines, in, results);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(results.M_Sd1);
    }
}

std::unique_ptr<TCalcInput> WallWithOpenings()
{
    auto in = PlateWall();
    in->ScianaZOtworami = 1;
    in->Okna[0] = {150, 120, 40, 60};
    in->Okna[1] = {210, 120, 40, 60};
    in->LiczbaOkien = 2;
    return in;
}

static void BM_WallHorizontalPlate(benchmark::State& state) { Run(state, *PlateWall(), true); }
BENCHMARK(BM_WallHorizontalPlate);
static void BM_WallHorizontalPlateNoTraceReader(benchmark::State& state) { Run(state, *PlateWall(), false); }
BENCHMARK(BM_WallHorizontalPlateNoTraceReader);

static void BM_WallHorizontalOpenings(benchmark::State& state) { Run(state, *WallWithOpenings(), true); }
BENCHMARK(BM_WallHorizontalOpenings);
static void BM_WallHorizontalOpeningsNoTraceReader(benchmark::State& state)
{
    Run(state, *WallWithOpenings(), false);
}
BENCHMARK(BM_WallHorizontalOpeningsNoTraceReader);

} // namespace
