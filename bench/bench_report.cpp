// The three report sheets and the results RTF of one element of case 0.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "core/ZunCalc.h"
#include "core/ZunRtf.h"
#include "core/ZunStrings.h"

using namespace orv;

static void BM_ReportOfOneElement(benchmark::State& state)
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
    CalcElement(lines, *in, results);
    auto sheet = std::make_unique<TReportSheet>();
    std::ostringstream rtf;
    for (auto _ : state) {
        BuildInputReport(10, 20, 30, *in, results, *sheet);
        benchmark::DoNotOptimize(sheet->Count);
        BuildResultsReport(10, 20, 30, *in, results, *sheet);
        benchmark::DoNotOptimize(sheet->Count);
        DesignSituationLines(10, 20, 30, *in, results, *sheet);
        benchmark::DoNotOptimize(sheet->Count);
        rtf.str({});
        FillResultsRtf(true, *in, results, "Times New Roman", 20, true, false, rtf);
        benchmark::DoNotOptimize(rtf.tellp());
    }
}
BENCHMARK(BM_ReportOfOneElement);
