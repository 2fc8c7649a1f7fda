// gendesign: writes a synthetic design of a given size into a directory.
//   gendesign DIR MEGABYTES [SEED] [--unindented]
// MEGABYTES counts the text without its indentation, so that a design and its
// unindented twin hold the same records.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "DesignGenerator.h"

int main(int argc, char** argv)
{
    std::vector<const char*> args;
    ex::bench::Indent indent = ex::bench::Indent::ByLevel;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--unindented") == 0)
            indent = ex::bench::Indent::None;
        else
            args.push_back(argv[i]);
    }
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: gendesign DIR MEGABYTES [SEED] [--unindented]\n");
        return 2;
    }
    const double mb = std::atof(args[1]);
    const unsigned long long seed = args.size() > 2 ? std::strtoull(args[2], nullptr, 10) : 1;
    if (mb <= 0) {
        std::fprintf(stderr, "gendesign: size must be a positive number of megabytes\n");
        return 2;
    }
    try {
        const ex::bench::DesignFiles f =
            ex::bench::WriteDesign(args[0], static_cast<std::uint64_t>(mb * 1024 * 1024), seed, indent);
        std::printf("%s: %.1f MB\n", args[0], static_cast<double>(f.nBytes) / (1024.0 * 1024.0));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gendesign: %s\n", e.what());
        return 1;
    }
    return 0;
}
