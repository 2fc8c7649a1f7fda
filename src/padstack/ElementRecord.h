#pragma once

// What the pad, hole, padstack and custom drill symbol records share: one
// element per record, named by the record's first line, its two-dot
// sub-records handed to the element one by one; the "(x, y)" offset text.

#include <string>
#include <string_view>
#include <vector>

#include "core/ExPt.h"
#include "core/ExTemporary.h"
#include "core/Grouping.h"
#include "core/StringOps.h"

namespace ex {

inline constexpr GroupRule kElementSubRecordRule{2};

// Appends one Element to the array for a non-empty record and empties the
// record. Each sub-record goes to Element::SetSubRecordData with the flag 1,
// whatever flag the record came with; `extra` (the padstack technology) is
// passed before the scale.
template <class Element, class Array, class... Extra>
void SetElementRecord(Array& array, std::vector<std::string>& saRecord, const std::string& sContext,
                      CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale,
                      const Extra&... extra)
{
    if (saRecord.empty())
        return;
    auto* pElement = new Element;
    array.Add(pElement);
    pElement->sName = KeywordValue(TrimView(saRecord[0]));
    GroupLines(saRecord, 1, kElementSubRecordRule, [&](std::vector<std::string>& saSubRecord) {
        pElement->SetSubRecordData(saSubRecord, sContext, 1, pIgnoreLog, pNotUsedLog, extra..., dScale);
    });
}

// The point of an offset line such as `..OFFSET (1.5, -2)`, both values
// times dScale. x is read up to the first ",", y up to the first ")"; a
// missing separator makes its value 0.
CExPt ReadOffset(std::string_view line, double dScale);

} // namespace ex
