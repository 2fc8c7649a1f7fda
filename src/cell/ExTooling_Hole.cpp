#include "cell/ExTooling_Hole.h"

#include <memory>

#include "core/GroupTable.h"
#include "core/Grouping.h"

namespace {

using H = CExTooling_Hole;

// Keywords without their dots: the caller's level supplies them. "...XY" in
// a cell, "..XY " in the layout: the blank goes with the keyword.
constexpr auto kHoleRows = ex::MakeTable<H>({
    {"PADSTACK", ex::StoreValue<&H::sPadstackName>},
    {"ROTATION", ex::StoreNumber<&H::dRotation>},
    {"TOOLING_HOLE_OPTIONS", ex::StoreValue<&H::sToolingHoleOptions>},
    {"XY", ex::AddPoints<&H::aXY, ex::Unit::Scaled, 5>},
});

// Both forms: one hole whose properties stand at nLevel dots; appended, and
// the record emptied.
void AddHole(CExTooling_HoleArray& array, int nLevel, ex::Group& record, const ex::ParseContext& ctx)
{
    ex::AddNamedRecord(array, record, nullptr, ex::GroupRule{nLevel}, [&](H& hole, ex::Group& group) {
        ex::ParseGroup(kHoleRows, hole, group, ctx, {.nDots = nLevel});
    });
}

} // namespace

CExTooling_Hole::~CExTooling_Hole() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExTooling_Hole);

CExTooling_HoleArray::~CExTooling_HoleArray() { DeleteAll(); }

void CExTooling_HoleArray::SetTooling_HoleData_InCell(std::vector<std::string>& group, std::string context, int flag,
                                                      CExTemporaryArray* /*ignoreLog*/,
                                                      CExTemporaryArray* notUsedLog, double dScale)
{
    AddHole(*this, 3, group, {context, flag, nullptr, notUsedLog, dScale});
}

void CExTooling_HoleArray::SetTooling_HoleData_InLayout(std::vector<std::string>& record, std::string context,
                                                        int flag, CExTemporaryArray* /*ignoreLog*/,
                                                        CExTemporaryArray* notUsedLog, double dScale)
{
    AddHole(*this, 2, record, {context, flag, nullptr, notUsedLog, dScale});
}
