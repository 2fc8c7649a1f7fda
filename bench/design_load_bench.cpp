// Times a full design load through CPC_Corvane_Get against one plain
// std::getline pass over the same six files, at 15 MiB and 150 MiB of
// generated design (written once per run into a temporary directory).
//
// Counters (wall time, best of the iterations, files in the page cache):
//   MiB          size of the six files
//   s_per_MiB    seconds per MiB
//   x_getline    load time / getline time at the same size (target: <= 3)
//   x_linear     load s_per_MiB at this size / at 15 MiB (target: <= 1.2)

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

#include "DesignGenerator.h"
#include "GetlinePass.h"
#include "core/ExExpedition.h"
#include "loader/PC_Corvane_Get.h"

namespace {

using Clock = std::chrono::steady_clock;

class Designs {
public:
    ~Designs()
    {
        std::error_code ec;
        if (!m_dir.empty())
            std::filesystem::remove_all(m_dir, ec);
    }
    const ex::bench::DesignFiles& Get(int mib)
    {
        auto it = m_designs.find(mib);
        if (it != m_designs.end())
            return it->second;
        if (m_dir.empty()) {
            m_dir = std::filesystem::temp_directory_path() / ("exload-load-bench-" + std::to_string(::getpid()));
        }
        const std::string dir = (m_dir / (std::to_string(mib) + "MiB")).string();
        return m_designs[mib] = ex::bench::WriteDesign(dir, static_cast<std::uint64_t>(mib) << 20);
    }

private:
    std::filesystem::path m_dir;
    std::map<int, ex::bench::DesignFiles> m_designs;
};

Designs& TheDesigns()
{
    static Designs designs;
    return designs;
}

// Best wall times by size, for the ratios.
std::map<int, double> g_getline, g_load;

double MiB(const ex::bench::DesignFiles& f) { return static_cast<double>(f.nBytes) / (1 << 20); }

void BM_GetlinePass(benchmark::State& state)
{
    const int mib = static_cast<int>(state.range(0));
    const ex::bench::DesignFiles& f = TheDesigns().Get(mib);
    double best = 1e30;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(ex::bench::GetlinePass(f.Paths()));
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    g_getline[mib] = best;
    state.counters["MiB"] = MiB(f);
    state.counters["s_per_MiB"] = best / MiB(f);
}

void BM_DesignLoad(benchmark::State& state)
{
    const int mib = static_cast<int>(state.range(0));
    const ex::bench::DesignFiles& f = TheDesigns().Get(mib);
    double best = 1e30;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        auto* root = new CExExpedition;
        {
            CPC_Corvane_Get loader;
            loader.vSetExpedition(root);
            loader.vSetMExpeditionFilePath(f.sJobPrefs, f.sCellLib, f.sLayout, f.sPadstackLib, f.sNetClass, f.sPartsDb);
            if (loader.ParseExpeditionOfMFC() != 1)
                state.SkipWithError("the load failed");
        }
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
        // Tearing the tree down is not part of the load.
        state.PauseTiming();
        delete root;
        state.ResumeTiming();
    }
    g_load[mib] = best;
    state.counters["MiB"] = MiB(f);
    state.counters["s_per_MiB"] = best / MiB(f);
    if (g_getline.count(mib))
        state.counters["x_getline"] = best / g_getline[mib];
    const auto small = g_load.begin();
    if (small->first != mib) {
        const double perSmall = small->second / MiB(TheDesigns().Get(small->first));
        state.counters["x_linear"] = (best / MiB(f)) / perSmall;
    }
}

} // namespace

BENCHMARK(BM_GetlinePass)->Arg(15)->Arg(150)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DesignLoad)->Arg(15)->Arg(150)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
