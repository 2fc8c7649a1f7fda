#include "cell/ExPlacement_Outline.h"

#include <memory>
#include <string_view>

#include "core/Grouping.h"
#include "layout/TextActions.h"
#include "shapes/ShapeGroupActions.h"

namespace {

using O = CExPlacement_Outline;

constexpr int kPropertyLevel = 3;

// Shapes come after these rows.
constexpr auto kOutlineRows = ex::MakeTable<O>({
    {"...DISPLAY_CONDITION", ex::StoreValue<&O::sDisplayCondition>},
    {"...DISPLAY_WIDTH", nullptr},
    {"...GFX_COMMON", nullptr},
    {"...HEIGHT", ex::StoreLength<&O::dHeight>},
    {"...PID", nullptr},
    {"...SIDE", ex::StoreValue<&O::sSide>},
    {"...TEXT", ex::AddText<&O::pTextArray, kPropertyLevel>},
    {"...UNDERSIDE_SPACE", nullptr},
    {ex::kAnyShape, ex::AddLevelShape<&O::pDrawObjArray, kPropertyLevel>},
});

} // namespace

CExPlacement_Outline::CExPlacement_Outline() : pDrawObjArray(new CExDrawObjArray), pTextArray(new CExTextArray) {}

CExPlacement_Outline::~CExPlacement_Outline()
{
    delete pDrawObjArray;
    delete pTextArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPlacement_Outline);

CExPlacement_OutlineArray::~CExPlacement_OutlineArray() { DeleteAll(); }

void CExPlacement_Outline::SetPlaceOutData(std::vector<std::string>& group, const ex::ParseContext& ctx)
{
    ex::GroupLines(group, 1, ex::GroupRule{kPropertyLevel}, [&](ex::Group& sub) {
        ex::ParseGroup(kOutlineRows, *this, sub, ctx, {.isOther = ex::IsShapeLineAt<kPropertyLevel>});
    });
}

CExPlacement_Outline* CExPlacement_OutlineArray::NewPlaceOutData_InCell(std::vector<std::string>& group,
                                                                        const ex::ParseContext& ctx)
{
    if (group.empty())
        return nullptr;
    auto outline = std::make_unique<CExPlacement_Outline>();
    outline->SetPlaceOutData(group, ctx);
    return outline.release();
}

void CExPlacement_OutlineArray::SetPlaceOutData_InCell(std::vector<std::string>& group, std::string context,
                                                       int flag, CExTemporaryArray* ignoreLog,
                                                       CExTemporaryArray* notUsedLog, double dScale)
{
    std::unique_ptr<CExPlacement_Outline> outline(
        NewPlaceOutData_InCell(group, {context, flag, ignoreLog, notUsedLog, dScale}));
    if (outline == nullptr)
        return;
    Add(outline.get());
    outline.release();
}
