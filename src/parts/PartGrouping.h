#pragma once

// How a part record is cut: its sub-records open at two dots, the groups of a
// slot, swap group or symbol sub-record at three.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/ExTemporary.h"
#include "core/Grouping.h"
#include "core/StringOps.h"

namespace ex {

inline constexpr GroupRule kPartSubRecordRule{2, 0, false};
inline constexpr GroupRule kPartGroupRule{3, 0, false};

// The record operation of the slot, swap group and symbol arrays: one element
// per sub-record, named by the value of its first line when pName is set,
// every group after that line parsed into the same element.
template <class Element, class Array>
void SetElementData_InPart(Array& array, std::vector<std::string>& saSubRecord, std::string Element::*pName,
                           const std::string& sContext, int nFlag, CExTemporaryArray* pIgnoreLog,
                           CExTemporaryArray* pNotUsedLog)
{
    if (saSubRecord.empty())
        return;
    auto* pElement = new Element;
    array.Add(pElement);
    if (pName)
        pElement->*pName = KeywordValue(TrimView(saSubRecord[0]));
    GroupLines(saSubRecord, 1, kPartGroupRule, [&](std::vector<std::string>& saGroup) {
        pElement->SetSubRecordData(saGroup, sContext, nFlag, pIgnoreLog, pNotUsedLog);
    });
}

} // namespace ex
