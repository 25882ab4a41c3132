// Reading and writing a project of 200 elements (about 11 MB), and for
// scale a copy of the file's bytes into a new buffer of their size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <fcntl.h>
#include <sys/resource.h>
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

// Writes a buffer several times the size of the last-level cache, so that
// what follows finds none of its bytes in the CPU caches.
class TCacheEvictor {
public:
    void operator()()
    {
        ++pass_;
        for (std::size_t i = 0; i < Bytes; i += 64) buffer_[i] = static_cast<char>(pass_ + i);
        benchmark::DoNotOptimize(buffer_.get());
        benchmark::ClobberMemory();
    }

private:
    static constexpr std::size_t Bytes = std::size_t{128} << 20;
    std::unique_ptr<char[]> buffer_{new char[Bytes]()};
    unsigned pass_ = 0;
};

// Page faults taken by the process so far: a read into pages new to the
// process takes one a page, which in a virtual machine can cost more than
// the copy itself.
long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The read, both copies above and a bare read() of the file's bytes (the
// least any read of the file costs) taken in turn within each iteration, so
// that the ratios compare them under the same load on the machine. The
// iteration's time is the read's.
//   The bare read takes the memory the reader takes: it reads into a new
//   list of as many elements while the caller's list is kept, and then
//   replaces the caller's list, all within its time. Whether the allocator
//   hands out pages used before or pages new to the process decides much
//   of either time, so the two take turns with the same list, and the
//   faults each takes are shown.
//   warm: each runs as it comes after the others. The copies then find
//     their source, and the bare one its destination, still in the cache,
//     while the file's pages were last touched an iteration before.
//   cold: the caches are emptied before each, as when a user opens a file
//     whose pages are in memory but not in the CPU's caches.
// The file is written as the program saves it, in one write, which leaves
// it in the kernel's page cache in large blocks. The same file read back
// from the disk is cached in small ones, and every later read of it takes
// about 2.5 times as long, the reader's and the bare one alike.
void BM_ReadAgainstMemcpy(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const bool cold = state.range(0) != 0;
    auto els = makeProject();
    const std::string file = benchFile();
    WriteProjectFile(kComments, file, els, ElementCount, 0);
    const std::size_t size = els.size() * sizeof(TProjectElement);
    const char* bytes = reinterpret_cast<const char*>(els.data());
    TElementList back;
    std::vector<std::string> comments;
    std::unique_ptr<char[]> previous(new char[size]);
    std::memcpy(previous.get(), bytes, size);
    TCacheEvictor evict;
    // A copy into a new buffer that replaces the previous one, freed before
    // or after the copy; the time of the copy alone.
    auto copyOver = [&](bool freeFirst) {
        if (freeFirst) previous.reset();
        std::unique_ptr<char[]> copy(new char[size]);
        if (cold) evict();
        const auto t0 = Clock::now();
        std::memcpy(copy.get(), bytes, size);
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
        const auto t1 = Clock::now();
        previous.swap(copy);
        return std::chrono::duration<double>(t1 - t0).count();
    };
    const std::size_t fileSize = fs::file_size(file);
    long bareFaults = 0;
    // The file's bytes read into a new list of as many elements and the text
    // after them, which then replace the caller's list as the reader's do.
    auto readBytes = [&] {
        if (cold) evict();
        const long faults = MinorFaults();
        const auto t0 = Clock::now();
        bool ok = false;
        {
            TElementList fresh;
            char* const to = reinterpret_cast<char*>(AppendUnfilled(fresh, ElementCount));
            std::string tail(fileSize - size, '\0');
            if (const int fd = ::open(file.c_str(), O_RDONLY); fd >= 0) {
                std::size_t got = 0;
                while (got < fileSize) {
                    char* const at = got < size ? to + got : tail.data() + (got - size);
                    const std::size_t room = got < size ? size - got : fileSize - got;
                    const ssize_t r = ::read(fd, at, room);
                    if (r <= 0) break;
                    got += std::size_t(r);
                }
                ok = got == fileSize;
                ::close(fd);
            }
            benchmark::DoNotOptimize(fresh.data());
            benchmark::DoNotOptimize(tail.data());
            back.swap(fresh);
        }
        const auto t1 = Clock::now();
        bareFaults += MinorFaults() - faults;
        if (!ok) state.SkipWithError("bare read failed");
        return std::chrono::duration<double>(t1 - t0).count();
    };
    double read = 0, keeping = 0, freeing = 0, bare = 0;
    long readFaults = 0;
    for (auto _ : state) {
        if (cold) evict();
        const long faults = MinorFaults();
        const auto t0 = Clock::now();
        if (!ReadProjectFile(comments, file, back)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(back.data());
        const double r = std::chrono::duration<double>(Clock::now() - t0).count();
        read += r;
        readFaults += MinorFaults() - faults;
        keeping += copyOver(false);
        freeing += copyOver(true);
        bare += readBytes();
        state.SetIterationTime(r);
    }
    state.counters["per_memcpy_keeping"] = keeping > 0 ? read / keeping : 0;
    state.counters["per_memcpy"] = freeing > 0 ? read / freeing : 0;
    state.counters["per_bare_read"] = bare > 0 ? read / bare : 0;
    const double rounds = static_cast<double>(state.iterations());
    state.counters["faults_read"] = static_cast<double>(readFaults) / rounds;
    state.counters["faults_bare_read"] = static_cast<double>(bareFaults) / rounds;
    fs::remove(file);
}
BENCHMARK(BM_ReadAgainstMemcpy)
    ->ArgName("cold")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

} // namespace
