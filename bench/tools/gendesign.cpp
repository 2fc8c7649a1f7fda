// gendesign: writes a synthetic design of a given size into a directory.
//   gendesign DIR MEGABYTES [SEED]

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "DesignGenerator.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: gendesign DIR MEGABYTES [SEED]\n");
        return 2;
    }
    const double mb = std::atof(argv[2]);
    const unsigned long long seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
    if (mb <= 0) {
        std::fprintf(stderr, "gendesign: size must be a positive number of megabytes\n");
        return 2;
    }
    try {
        const ex::bench::DesignFiles f =
            ex::bench::WriteDesign(argv[1], static_cast<std::uint64_t>(mb * 1024 * 1024), seed);
        std::printf("%s: %.1f MB\n", argv[1], static_cast<double>(f.nBytes) / (1024.0 * 1024.0));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gendesign: %s\n", e.what());
        return 1;
    }
    return 0;
}
