#include "cell/ExTooling_Hole.h"

#include <memory>

#include "core/GroupTable.h"
#include "core/Grouping.h"

namespace {

using H = CExTooling_Hole;

// Keywords without their dots: the caller's level supplies them. "...XY" in
// a cell, "..XY " in the layout: the blank goes with the keyword.
constexpr ex::GroupRow<H> kHoleRows[] = {
    {"PADSTACK", ex::StoreValue<&H::sPadstackName>},
    {"ROTATION", ex::StoreNumber<&H::dRotation>},
    {"TOOLING_HOLE_OPTIONS", ex::StoreValue<&H::sToolingHoleOptions>},
    {"XY", ex::AddPoints<&H::aXY, ex::Unit::Scaled, 5>},
};

} // namespace

CExTooling_Hole::~CExTooling_Hole() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExTooling_Hole);

CExTooling_HoleArray::~CExTooling_HoleArray() { DeleteAll(); }

void CExTooling_HoleArray::SetTooling_HoleData(int nLevel, std::vector<std::string>& record,
                                               const std::string& context, int flag, CExTemporaryArray* notUsedLog,
                                               double dScale)
{
    if (record.empty())
        return;
    auto hole = std::make_unique<CExTooling_Hole>();
    const ex::ParseContext ctx{context, flag, nullptr, notUsedLog, dScale};
    ex::GroupLines(record, 1, ex::GroupRule{nLevel}, [&](std::vector<std::string>& group) {
        ex::ParseGroup(kHoleRows, *hole, group, ctx, {.nDots = nLevel});
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
