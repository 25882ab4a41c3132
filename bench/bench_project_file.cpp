// Reading and writing a project of 200 elements (about 11 MB), and for
// scale a copy of the file's bytes into a new buffer of their size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "core/ZunProject.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

constexpr int ElementCount = 200;

TElementList makeProject()
{
    TElementList els(ElementCount);
    for (int k = 0; k < ElementCount; ++k) {
        TProjectElement& e = els[k];
        std::memset(&e, 0, sizeof e);
        InitElementRecord(e.Input);
        InitProjectHeader("Autor", e.Header);
        InitLoadCompilation(e.Loads);
        e.Name.set("Element " + std::to_string(k + 1));
        e.Input.t = 25.0 + k % 20;
    }
    return els;
}

const std::vector<std::string> kComments = {"Projekt budynku mieszkalnego", "Ściany parteru"};

std::string benchFile()
{
    return (fs::temp_directory_path() / ("orv_bench_" + std::to_string(::getpid()) + ".clcm")).string();
}

void BM_WriteProjectFile(benchmark::State& state)
{
    auto els = makeProject();
    const std::string file = benchFile();
    for (auto _ : state) {
        if (!WriteProjectFile(kComments, file, els, ElementCount, 0)) state.SkipWithError("write failed");
    }
    fs::remove(file);
}
BENCHMARK(BM_WriteProjectFile)->Unit(benchmark::kMillisecond);

void BM_ReadProjectFile(benchmark::State& state)
{
    auto els = makeProject();
    const std::string file = benchFile();
    WriteProjectFile(kComments, file, els, ElementCount, 0);
    TElementList back;
    std::vector<std::string> comments;
    for (auto _ : state) {
        if (!ReadProjectFile(comments, file, back)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(back.data());
    }
    fs::remove(file);
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMillisecond);

void BM_MemcpyOfProjectBytes(benchmark::State& state)
{
    auto els = makeProject();
    const std::size_t size = els.size() * sizeof(TProjectElement);
    const char* bytes = reinterpret_cast<const char*>(els.data());
    for (auto _ : state) {
        std::unique_ptr<char[]> copy(new char[size]);
        std::memcpy(copy.get(), bytes, size);
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
}
BENCHMARK(BM_MemcpyOfProjectBytes)->Unit(benchmark::kMillisecond);

// The same copy while the previous copy stays alive until the new one is
// complete, as a read keeps the caller's project until it has succeeded.
void BM_MemcpyKeepingThePreviousCopy(benchmark::State& state)
{
    auto els = makeProject();
    const std::size_t size = els.size() * sizeof(TProjectElement);
    const char* bytes = reinterpret_cast<const char*>(els.data());
    std::unique_ptr<char[]> previous(new char[size]);
    std::memcpy(previous.get(), bytes, size);
    for (auto _ : state) {
        std::unique_ptr<char[]> copy(new char[size]);
        std::memcpy(copy.get(), bytes, size);
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
        previous.swap(copy);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
}
BENCHMARK(BM_MemcpyKeepingThePreviousCopy)->Unit(benchmark::kMillisecond);

// The read and both copies above taken in turn within each iteration, so
// that the ratios compare them under the same load on the machine. The
// iteration's time is the read's.
void BM_ReadAgainstMemcpy(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    auto els = makeProject();
    const std::string file = benchFile();
    WriteProjectFile(kComments, file, els, ElementCount, 0);
    const std::size_t size = els.size() * sizeof(TProjectElement);
    const char* bytes = reinterpret_cast<const char*>(els.data());
    TElementList back;
    std::vector<std::string> comments;
    std::unique_ptr<char[]> previous(new char[size]);
    std::memcpy(previous.get(), bytes, size);
    // A copy into a new buffer that replaces the previous one, freed before
    // or after the copy.
    auto copyOver = [&](bool freeFirst) {
        if (freeFirst) previous.reset();
        std::unique_ptr<char[]> copy(new char[size]);
        std::memcpy(copy.get(), bytes, size);
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
        previous.swap(copy);
    };
    double read = 0, keeping = 0, freeing = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        if (!ReadProjectFile(comments, file, back)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(back.data());
        const auto t1 = Clock::now();
        copyOver(false);
        const auto t2 = Clock::now();
        copyOver(true);
        const auto t3 = Clock::now();
        const double r = std::chrono::duration<double>(t1 - t0).count();
        read += r;
        keeping += std::chrono::duration<double>(t2 - t1).count();
        freeing += std::chrono::duration<double>(t3 - t2).count();
        state.SetIterationTime(r);
    }
    state.counters["per_memcpy_keeping"] = keeping > 0 ? read / keeping : 0;
    state.counters["per_memcpy"] = freeing > 0 ? read / freeing : 0;
    fs::remove(file);
}
BENCHMARK(BM_ReadAgainstMemcpy)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
