#pragma once

// What a loaded design holds: units, layer stackup, a count of every kind of
// object, the logs per file, and how fast it loaded.

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "DesignFiles.h"

namespace exload {

// Number of objects of each class in the tree ("CExVia" -> 12).
std::map<std::string, std::int64_t> CountObjects(const CExExpedition& root);

void PrintSummary(const LoadedDesign& design, std::FILE* out);

} // namespace exload
