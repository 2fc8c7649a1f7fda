// getlinepass: one std::getline pass over the files of a design directory,
// the yardstick that load times are compared with. Prints the lines read and
// the seconds the pass took.
//   getlinepass DIR

#include <chrono>
#include <cstdio>

#include "DesignGenerator.h"
#include "GetlinePass.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: getlinepass DIR\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::int64_t lines = ex::bench::GetlinePass(ex::bench::DesignFilesIn(argv[1]).Paths());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %lld lines, %.3f s\n", argv[1], static_cast<long long>(lines), seconds);
    return lines > 0 ? 0 : 1;
}
