#pragma once

// The record table of the cell library file, for the loader: it tells which
// records a helper thread may parse.

#include "core/GroupTable.h"

class CExCell_Library;

namespace ex {

RecordTable<CExCell_Library> CellLibraryRecords();

} // namespace ex
