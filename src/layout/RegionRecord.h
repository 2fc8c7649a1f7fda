#pragma once

// The named region records of the layout file (panel board instances, design
// rule areas, contours) share one form: a keyword line whose value names the
// object, then level-2 groups that each set a member, hold texts or shapes,
// or are logged as not used.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ExPt.h"
#include "core/ExTemporary.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"

namespace ex {

enum class RegionEffect {
    Value,         // keyword value of the line, double quotes removed
    QuotedValue,   // keyword value of the line, quotes kept
    Number,        // leading number of the value (quotes kept), not scaled
    Drop,          // taken, nothing kept
    Texts,         // the whole group is one text
    DeeperPoints,  // the group's "...XY" lines, scaled
    LinePoints,    // the points after the row's keyword on the line itself, unscaled
};

template <class T>
struct RegionAction {
    RegionEffect effect = RegionEffect::Drop;
    std::string T::*pString = nullptr;
    double T::*pNumber = nullptr;
    CExPtArray T::*pPoints = nullptr;
};

template <class T>
using RegionRow = KeywordRow<RegionAction<T>>;

// Creates the object, names it from the first line and hands every level-2
// group of the rest to parse(object, group). One object per non-empty record,
// appended even when no group follows; the record is empty on return.
template <class T, class Array, class GroupParser>
void SetRegionRecord(Array& array, std::vector<std::string>& record, std::string T::*pName, GroupParser&& parse)
{
    if (record.empty())
        return;
    auto owned = std::make_unique<T>();
    T* pObject = owned.get();
    pObject->*pName = KeywordValue(TrimView(record[0]));
    GroupLines(record, 1, GroupRule{2, 0, false},
               [&](std::vector<std::string>& group) { parse(pObject, group); });
    array.Add(pObject);
    owned.release();
}

// One level-2 group: the first row of the table that the group's first line
// begins with decides; a line that no row takes but that begins with a shape
// keyword gives shapes, anything else goes to the not-used log. headQuotes
// says whether double quotes are removed from the line before the tests.
// The group is empty on return.
template <class T, std::size_t N>
void SetRegionGroup(T* pObject, const RegionRow<T> (&table)[N], Quotes headQuotes, std::vector<std::string>& group,
                    std::string context, int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                    double dScale)
{
    if (pObject == nullptr || group.empty()) {
        group.clear();
        return;
    }
    const std::string_view line = TrimView(group[0]);
    const std::string unquoted = headQuotes == Quotes::Remove ? WithoutChar(line, '"') : std::string();
    const std::string_view head = headQuotes == Quotes::Remove ? std::string_view(unquoted) : line;

    const RegionRow<T>* row = MatchKeyword(table, head);
    if (row == nullptr) {
        if (IsShapeLine(head, 2))
            pObject->pShapeArray->SetDObjData_InCell(2, group, std::move(context), flag, ignoreLog, notUsedLog,
                                                     dScale);
        else if (notUsedLog != nullptr)
            notUsedLog->SetNoUsedArray(group, std::move(context), flag);
        group.clear();
        return;
    }

    const RegionAction<T>& action = row->action;
    switch (action.effect) {
    case RegionEffect::Value:
    case RegionEffect::QuotedValue:
        pObject->*action.pString =
            KeywordValue(line, action.effect == RegionEffect::Value ? Quotes::Remove : Quotes::Keep);
        break;
    case RegionEffect::Number:
        pObject->*action.pNumber = Atof(KeywordValueView(line));
        break;
    case RegionEffect::Drop:
        break;
    case RegionEffect::Texts:
        if constexpr (requires { pObject->pTextArray; })
            pObject->pTextArray->SetTextData(2, group, std::move(context), flag, ignoreLog, notUsedLog, dScale);
        break;
    case RegionEffect::DeeperPoints:
        for (const std::string& member : group) {
            const std::string_view point = TrimView(member);
            if (StartsWithNoCase(point, "...XY"))
                (pObject->*action.pPoints).SetPtDatas(std::string(TrimView(point.substr(5))), dScale);
        }
        break;
    case RegionEffect::LinePoints:
        (pObject->*action.pPoints).SetPtDatas(std::string(TrimView(line.substr(row->sKeyword.size()))), 1.0);
        break;
    }
    group.clear();
}

} // namespace ex
