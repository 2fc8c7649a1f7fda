#include "GetlinePass.h"

#include <fstream>

namespace ex::bench {

std::int64_t GetlinePass(const std::vector<std::string>& paths)
{
    std::int64_t n = 0;
    std::string line;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        while (std::getline(in, line))
            ++n;
    }
    return n;
}

} // namespace ex::bench
