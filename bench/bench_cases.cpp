// Cases 1, 3, 4 and 5 on typical elements, with the trace lines built for
// a reader, and with no one reading them (reports, recalculation with the
// trace window closed).
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/ZunCalc.h"

using namespace orv;

namespace {

std::unique_ptr<TCalcInput> Element(u8 calcCase)
{
    auto in = std::make_unique<TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    InitElementRecord(*in);
    in->Case = calcCase;
    return in;
}

void Run(benchmark::State& state, const TCalcInput& in, bool read)
{
    TTraceLines lines;
    lines.setRead(read);
    TCalcResults results;
    for (auto _ : state) {
        const u8 error = CalcElement(lines, in, results);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(results.N_1Rd);
    }
}

std::unique_ptr<TCalcInput> WallContinuousExternal()
{
    auto in = Element(1);
    in->Nod = 200;
    in->l3 = in->l6 = 450;
    in->g3d = in->g6d = 10;
    in->p3d = in->p6d = 5;
    in->J3 = in->J6 = 28125;
    in->E2 = in->E5 = 3.655;
    in->wd = -0.8;
    in->wd2 = 0.6;
    return in;
}

static void BM_WallContinuousExternal(benchmark::State& state)
{
    Run(state, *WallContinuousExternal(), true);
}
BENCHMARK(BM_WallContinuousExternal);
static void BM_WallContinuousExternalNoTraceReader(benchmark::State& state)
{
    Run(state, *WallContinuousExternal(), false);
}
BENCHMARK(BM_WallContinuousExternalNoTraceReader);

std::unique_ptr<TCalcInput> WallContinuousInternal()
{
    auto in = Element(1);
    in->ScianaZewnetrzna = 0;
    in->Nod = 200;
    in->J3 = in->J4 = in->J6 = in->J7 = 28125;
    in->l3 = in->l4 = in->l6 = in->l7 = 450;
    in->g3d = in->g4d = in->g6d = in->g7d = 10;
    in->p3d = in->p4d = in->p6d = in->p7d = 5;
    in->E2 = in->E5 = 3.655;
    return in;
}

static void BM_WallContinuousInternal(benchmark::State& state)
{
    Run(state, *WallContinuousInternal(), true);
}
BENCHMARK(BM_WallContinuousInternal);
static void BM_WallContinuousInternalNoTraceReader(benchmark::State& state)
{
    Run(state, *WallContinuousInternal(), false);
}
BENCHMARK(BM_WallContinuousInternalNoTraceReader);

std::unique_ptr<TCalcInput> WallConcentrated()
{
    auto in = Element(3);
    in->LiczbaSilSkup = 3;
    return in;
}

static void BM_WallConcentrated(benchmark::State& state) { Run(state, *WallConcentrated(), true); }
BENCHMARK(BM_WallConcentrated);
static void BM_WallConcentratedNoTraceReader(benchmark::State& state)
{
    Run(state, *WallConcentrated(), false);
}
BENCHMARK(BM_WallConcentratedNoTraceReader);

std::unique_ptr<TCalcInput> BasementWall()
{
    auto in = Element(4);
    in->h = 250;
    in->N0_mb = 50;
    in->be = 300;
    return in;
}

static void BM_BasementWall(benchmark::State& state) { Run(state, *BasementWall(), true); }
BENCHMARK(BM_BasementWall);
static void BM_BasementWallNoTraceReader(benchmark::State& state)
{
    Run(state, *BasementWall(), false);
}
BENCHMARK(BM_BasementWallNoTraceReader);

std::unique_ptr<TCalcInput> Column()
{
    auto in = Element(5);
    in->Sily[0].NSd = 40;
    in->Msdx = 1;
    in->Msdy = 0.5;
    return in;
}

static void BM_Column(benchmark::State& state) { Run(state, *Column(), true); }
BENCHMARK(BM_Column);
static void BM_ColumnNoTraceReader(benchmark::State& state) { Run(state, *Column(), false); }
BENCHMARK(BM_ColumnNoTraceReader);

} // namespace
