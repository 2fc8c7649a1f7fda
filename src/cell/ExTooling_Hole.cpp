#include "cell/ExTooling_Hole.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "cell/CellGroups.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"

namespace {

enum class HoleField { Padstack, Rotation, Options, XY };

// Keywords without their dots: the caller's level supplies them.
constexpr ex::KeywordRow<HoleField> kHoleFields[] = {
    {"PADSTACK", HoleField::Padstack},
    {"ROTATION", HoleField::Rotation},
    {"TOOLING_HOLE_OPTIONS", HoleField::Options},
    {"XY", HoleField::XY},
};

// "...XY" in a cell, "..XY " in the layout: the blank goes with the keyword.
constexpr std::size_t kXYLength = 5;

void SetHoleProperty(CExTooling_Hole& hole, int nLevel, std::vector<std::string>& group, const std::string& context,
                     int flag, CExTemporaryArray* notUsedLog, double dScale)
{
    const std::string_view head = ex::TrimView(group[0]);
    const auto* row = ex::LeadingDots(head) == nLevel
                          ? ex::MatchKeyword(kHoleFields, head.substr(static_cast<std::size_t>(nLevel)))
                          : nullptr;
    if (row != nullptr) {
        switch (row->action) {
        case HoleField::Padstack:
            hole.sPadstackName = ex::KeywordValue(head);
            break;
        case HoleField::Rotation:
            hole.dRotation = ex::Atof(ex::KeywordValue(head));
            break;
        case HoleField::Options:
            hole.sToolingHoleOptions = ex::KeywordValue(head);
            break;
        case HoleField::XY:
            hole.aXY.SetPtDatas(std::string(ex::TrimView(head.substr(std::min(kXYLength, head.size())))), dScale);
            break;
        }
    }
    ex::CloseGroup(row != nullptr, group, context, flag, notUsedLog);
}

} // namespace

void CExTooling_HoleArray::SetTooling_HoleData(int nLevel, std::vector<std::string>& record,
                                               const std::string& context, int flag, CExTemporaryArray* notUsedLog,
                                               double dScale)
{
    if (record.empty())
        return;
    auto hole = std::make_unique<CExTooling_Hole>();
    ex::GroupLines(record, 1, ex::GroupRule{nLevel}, [&](std::vector<std::string>& group) {
        SetHoleProperty(*hole, nLevel, group, context, flag, notUsedLog, dScale);
    });
    Add(hole.get());
    hole.release();
}

void CExTooling_HoleArray::SetTooling_HoleData_InCell(std::vector<std::string>& group, std::string context, int flag,
                                                      CExTemporaryArray* /*ignoreLog*/,
                                                      CExTemporaryArray* notUsedLog, double dScale)
{
    SetTooling_HoleData(3, group, context, flag, notUsedLog, dScale);
}

void CExTooling_HoleArray::SetTooling_HoleData_InLayout(std::vector<std::string>& record, std::string context,
                                                        int flag, CExTemporaryArray* /*ignoreLog*/,
                                                        CExTemporaryArray* notUsedLog, double dScale)
{
    SetTooling_HoleData(2, record, context, flag, notUsedLog, dScale);
}
