#pragma once

// The whole design tree as JSON, streamed: keys are the member names, in
// declaration order, so the same design always gives the same bytes.

#include <cstdio>

#include "expedition.h"

namespace exload {

// Writes the whole JSON text and a final newline; false when writing failed.
bool WriteJson(const CExExpedition& root, std::FILE* out);

} // namespace exload
