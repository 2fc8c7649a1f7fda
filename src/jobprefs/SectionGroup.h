#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"

namespace ex {

// Looks up the head line of a section group in a level-2 table (any case).
// Returns the row when its action opens an element. Otherwise the group is
// consumed here: dropped without a trace for a row whose action is empty,
// logged whole as not used (flag 1) when no row matches.
template <class Row, std::size_t N>
const Row* OpenSectionGroup(const Row (&table)[N], std::vector<std::string>& saGroup, CExTemporaryArray* pNotUsedLog,
                            const char* sContext)
{
    const Row* row = saGroup.empty() ? nullptr : MatchKeyword(table, TrimView(saGroup[0]));
    if (row != nullptr && row->action)
        return row;
    if (row == nullptr && pNotUsedLog != nullptr)
        pNotUsedLog->SetNoUsedArray(saGroup, sContext, 1);
    saGroup.clear();
    return nullptr;
}

} // namespace ex
