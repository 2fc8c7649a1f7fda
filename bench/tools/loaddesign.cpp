// loaddesign: one design load of a directory through CPC_Corvane_Get, for
// memory and leak checks (/usr/bin/time -v, valgrind). Prints the load time.
//   loaddesign DIR

#include <chrono>
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

    const auto start = std::chrono::steady_clock::now();
    int result = 0;
    {
        CExExpedition root;
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.vSetMExpeditionFilePath(f.sJobPrefs, f.sCellLib, f.sLayout, f.sPadstackLib, optional(f.sNetClass),
                                       optional(f.sPartsDb));
        result = loader.ParseExpeditionOfMFC();
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("loaded %s: result %d, %.3f s (root destroyed)\n", argv[1], result, s);
    return result == 1 ? 0 : 1;
}
