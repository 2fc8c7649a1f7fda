// loaddesign: one design load of a directory through CPC_Corvane_Get, for
// memory and leak checks (/usr/bin/time -v, valgrind). Prints the load and
// teardown times, the processor time of the load over all threads, and the
// resident memory once the load is done next to the peak the load reached
// (both MiB, from /proc/self/status).
//   loaddesign DIR

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "DesignGenerator.h"
#include "core/ExExpedition.h"
#include "loader/PC_Corvane_Get.h"

namespace {

// A "VmRSS:"-style field of /proc/self/status in MiB; -1 where there is none.
double StatusMiB(const char* field)
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    double kib = -1;
    const std::size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, n) == 0)
            kib = std::atof(line + n);
    std::fclose(f);
    return kib < 0 ? -1 : kib / 1024;
}

} // namespace

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
    const double rss = StatusMiB("VmRSS:"), peak = StatusMiB("VmHWM:");
    delete root;
    const auto end = Clock::now();
    std::printf("%s: result %d, load %.3f s (cpu %.3f s), teardown %.3f s, rss after load %.1f MiB, peak %.1f MiB\n",
                argv[1], result, std::chrono::duration<double>(loaded - start).count(),
                static_cast<double>(cpuLoaded - cpuStart) / CLOCKS_PER_SEC,
                std::chrono::duration<double>(end - loaded).count(), rss, peak);
    return result == 1 ? 0 : 1;
}
