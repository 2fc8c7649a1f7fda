#pragma once

// The record table of the layout file, for the loader: it tells which
// records a helper thread may parse, as the remove-net flag has it.

#include "core/GroupTable.h"

class CExLayout;

namespace ex {

RecordTable<CExLayout> LayoutRecords(int bRemoveNet);

} // namespace ex
