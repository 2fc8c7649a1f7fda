// loaddesign: one design load of a directory through CPC_Corvane_Get, for
// memory and leak checks (/usr/bin/time -v, valgrind). Prints the load and
// teardown times, and the processor time of the load over all threads.
//   loaddesign DIR

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <string>

#include "DesignGenerator.h"
#include "core/ExExpedition.h"
#include "loader/PC_Corvane_Get.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: loaddesign DIR\n");
        return 2;
    }
    const ex::bench::DesignFiles f = ex::bench::DesignFilesIn(argv[1]);
    // The two optional files may be absent.
    auto optional = [](const std::string& p) { return std::filesystem::exists(p) ? p : std::string(); };

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    auto* root = new CExExpedition;
    int result = 0;
    {
        CPC_Corvane_Get loader;
        loader.vSetExpedition(root);
        loader.vSetMExpeditionFilePath(f.sJobPrefs, f.sCellLib, f.sLayout, f.sPadstackLib, optional(f.sNetClass),
                                       optional(f.sPartsDb));
        result = loader.ParseExpeditionOfMFC();
    }
    const auto loaded = Clock::now();
    const std::clock_t cpuLoaded = std::clock();
    delete root;
    const auto end = Clock::now();
    std::printf("%s: result %d, load %.3f s (cpu %.3f s), teardown %.3f s\n", argv[1], result,
                std::chrono::duration<double>(loaded - start).count(),
                static_cast<double>(cpuLoaded - cpuStart) / CLOCKS_PER_SEC,
                std::chrono::duration<double>(end - loaded).count());
    return result == 1 ? 0 : 1;
}
