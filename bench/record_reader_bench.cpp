// Times the record reader and the line count that every parse runs over each
// file against a plain std::getline loop over the same bytes. The file (about
// 100 MB of dotted lines) is written once into a temp dir.
//
// Counters: "x_getline" is the best iteration of the benchmark divided by the
// best iteration of the getline loop (run first), both in CPU time of this
// thread (reads from the page cache included), which neighbours on a shared
// machine do not inflate; "x_getline_wall" is the same in wall time.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <time.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "GetlinePass.h"
#include "loader/PC_Corvane_Get.h"
#include "loader/RecordReader.h"

namespace {

constexpr std::uint64_t kTargetBytes = 100ull << 20;

// Keywords by level, as they occur in layout files.
const char* const kLevel1[] = {".NET", ".PLANE_DATA", ".TEXT", ".CELL_INSTANCE", ".DRC_AREA"};
const char* const kLevel2[] = {"..TRACE", "..VIA", "..CONDUCTIVE_AREA", "..PIN", "..NET_NAME"};
const char* const kLevel3[] = {"...LAYER", "...WIDTH", "...POLYLINE_PATH", "...PADSTACK", "...XY"};
const char* const kLevel4[] = {"....XY", "....WIDTH", "....LAYER", "....FILLED", "....CENTER"};

class BenchFile {
public:
    BenchFile()
    {
        m_dir = std::filesystem::temp_directory_path() / ("exload-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        m_path = (m_dir / "layout.hkp").string();
        Write();
        m_nBytes = std::filesystem::file_size(m_path);
    }
    ~BenchFile()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    const std::string& Path() const { return m_path; }
    std::uint64_t Bytes() const { return m_nBytes; }

private:
    // Lines of 20 to 80 characters: a keyword and coordinate pairs, about one
    // record in twenty lines, some coordinate lists continued on the next line.
    void Write()
    {
        std::mt19937 rng(20240611);
        std::uniform_int_distribution<int> length(20, 80), pick(0, 4), kind(0, 99), coord(0, 99999);
        std::ofstream out(m_path, std::ios::binary);
        std::string buf;
        std::string line;
        std::uint64_t written = 0;
        while (written < kTargetBytes) {
            const int k = kind(rng);
            const int level = k < 5 ? 1 : k < 20 ? 2 : k < 55 ? 3 : k < 90 ? 4 : 0;
            const char* const* table[] = {nullptr, kLevel1, kLevel2, kLevel3, kLevel4};
            line.clear();
            if (level == 1)
                line = std::string(kLevel1[pick(rng)]) + " \"N" + std::to_string(coord(rng)) + "\"";
            else if (level > 1)
                line = table[level][pick(rng)];
            const std::size_t want = static_cast<std::size_t>(length(rng));
            while (line.size() + 6 < want) {
                line += (line.empty() || level == 0) ? "(" : " (";
                line += std::to_string(coord(rng) / 100) + "." + std::to_string(coord(rng) % 100) + ", ";
                line += std::to_string(coord(rng) / 100) + "." + std::to_string(coord(rng) % 100) + ")";
            }
            line.resize(std::min(line.size(), std::size_t{80}));
            buf += line;
            buf += '\n';
            if (buf.size() > (1u << 20)) {
                out << buf;
                written += buf.size();
                buf.clear();
            }
        }
        out << buf;
    }

    std::filesystem::path m_dir;
    std::string m_path;
    std::uint64_t m_nBytes = 0;
};

const BenchFile& File()
{
    static const BenchFile file;
    return file;
}

struct Best {
    double dCpu = 1e300;
    double dWall = 1e300;
};

Best g_getline;

double ThreadCpuSeconds()
{
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Runs body once per iteration, timing it by hand so that the best iteration
// can be compared across benchmarks.
template <class Body>
Best TimeIterations(benchmark::State& state, Body body)
{
    Best best;
    std::int64_t lines = 0;
    for (auto _ : state) {
        const double c0 = ThreadCpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        lines = body();
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        best.dCpu = std::min(best.dCpu, ThreadCpuSeconds() - c0);
        best.dWall = std::min(best.dWall, wall);
        state.SetIterationTime(wall);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * File().Bytes()));
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["best_cpu_ms"] = best.dCpu * 1e3;
    return best;
}

void AddRatio(benchmark::State& state, const Best& best)
{
    if (g_getline.dCpu < 1e300) {
        state.counters["x_getline"] = best.dCpu / g_getline.dCpu;
        state.counters["x_getline_wall"] = best.dWall / g_getline.dWall;
    }
}

void BM_GetlineLoop(benchmark::State& state)
{
    const std::string& path = File().Path();
    g_getline = TimeIterations(state, [&] { return ex::bench::GetlinePass({path}); });
}

void BM_RecordReader(benchmark::State& state)
{
    const std::string& path = File().Path();
    const Best best = TimeIterations(state, [&] {
        std::int64_t n = 0;
        std::int64_t records = 0;
        ex::ReadRecordFile(path, [&] { ++n; }, [&](std::vector<std::string>&) { ++records; });
        benchmark::DoNotOptimize(records);
        return n;
    });
    AddRatio(state, best);
}

void BM_LineCount(benchmark::State& state)
{
    const std::string& path = File().Path();
    CPC_Corvane_Get loader;
    const Best best = TimeIterations(state, [&] { return std::int64_t{loader.nGetFileLineCount(path, 0)}; });
    AddRatio(state, best);
}

BENCHMARK(BM_GetlineLoop)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RecordReader)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LineCount)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
