#include "layout/ExPlane_Net.h"

#include <memory>

#include "core/Grouping.h"
#include "layout/ExPlane_ActualShape.h"
#include "shapes/ShapeGroupActions.h"

namespace {

void AddActualShape(CExPlane_Net& planeNet, ex::Group& group, const ex::ParseContext& ctx)
{
    planeNet.pActualShapeArray->SetPlaneNetData(4, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                                ctx.dScale);
}

constexpr auto kPlaneNetRows = ex::MakeTable<CExPlane_Net>({
    {"....ACTUAL_PLANE_SHAPE", AddActualShape},
    {ex::kAnyShape, ex::AddShapes<&CExPlane_Net::pPlaneShapes, 4>},
});

} // namespace

CExPlane_Net::CExPlane_Net() : pPlaneShapes(new CExDrawObjArray), pActualShapeArray(new CExPlane_ActualShapeArray) {}

CExPlane_Net::~CExPlane_Net()
{
    delete pPlaneShapes;
    delete pActualShapeArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPlane_Net);

CExPlane_NetArray::~CExPlane_NetArray() { DeleteAll(); }

void CExPlane_Net::SetPlaneNetGroup(CExPlane_Net* pPlaneNet, std::vector<std::string>& group,
                                    const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                    CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kPlaneNetRows, pPlaneNet, group, {context, flag, ignoreLog, notUsedLog, dScale},
                   {.isOther = ex::IsShapeLineAt<4>});
}

void CExPlane_NetArray::SetPlaneNetData(std::vector<std::string>& group, std::string context, int flag,
                                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    if (group.empty())
        return;
    auto planeNet = std::make_unique<CExPlane_Net>();
    planeNet->sNetName = ex::KeywordValue(ex::TrimView(group[0]));
    ex::GroupLines(group, 1, ex::GroupRule{4, 0, false}, [&](std::vector<std::string>& subGroup) {
        CExPlane_Net::SetPlaneNetGroup(planeNet.get(), subGroup, context, flag, ignoreLog, notUsedLog, dScale);
    });
    Add(planeNet.get());
    planeNet.release();
}
