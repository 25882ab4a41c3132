// One edit of the current element (a new default element of case 0) through
// the session: the work copy and the comparison that decide whether anything
// changed, for a change with the recalculation switched off, for an edit that
// changes nothing (no recalculation), and for a change with the recalculation
// that follows it.
#include <benchmark/benchmark.h>

#include "core/ProjectSession.h"

using namespace orv;

namespace {

void BM_EditCurrentNoRecalculation(benchmark::State& state)
{
    ProjectSession s;
    s.setRecalculation(false);
    double t = 25.0;
    for (auto _ : state) {
        t = t == 25.0 ? 38.0 : 25.0;
        benchmark::DoNotOptimize(s.editCurrent([t](TProjectElement& e) { e.Input.t = t; }));
    }
}
BENCHMARK(BM_EditCurrentNoRecalculation);

void BM_EditCurrentUnchanged(benchmark::State& state)
{
    ProjectSession s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.editCurrent([](TProjectElement& e) { e.Input.t = 27.0; }));
}
BENCHMARK(BM_EditCurrentUnchanged);

void BM_EditCurrentAndRecalculate(benchmark::State& state)
{
    ProjectSession s;
    double t = 25.0;
    for (auto _ : state) {
        t = t == 25.0 ? 38.0 : 25.0;
        benchmark::DoNotOptimize(s.editCurrent([t](TProjectElement& e) { e.Input.t = t; }));
    }
}
BENCHMARK(BM_EditCurrentAndRecalculate);

} // namespace
