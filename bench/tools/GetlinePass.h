#pragma once

// The yardstick for load times: one plain std::getline pass over files, as
// the simplest reader of their lines would make it.

#include <cstdint>
#include <string>
#include <vector>

namespace ex::bench {

// Lines read from the files (one that cannot be opened reads as none).
std::int64_t GetlinePass(const std::vector<std::string>& paths);

} // namespace ex::bench
