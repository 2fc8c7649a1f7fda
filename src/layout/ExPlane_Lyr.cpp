#include "layout/ExPlane_Lyr.h"

#include <memory>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "layout/ExPlane_ActualShape.h"
#include "layout/ExPlane_Net.h"

namespace {

void AddPlaneNet(CExPlane_Lyr& planeLyr, ex::Group& group, const ex::ParseContext& ctx)
{
    planeLyr.pPlaneNetArray->SetPlaneNetData(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                             ctx.dScale);
}

// Tested as written.
constexpr auto kPlaneLyrRows = ex::MakeTable<CExPlane_Lyr>({
    {"...PLANE_TYPE", ex::StoreValue<&CExPlane_Lyr::sPlaneType>},
    {"...PLANE_NET", AddPlaneNet},
    {"...TEXT", nullptr},
});

// A plane data record: the plane layers it opens, the last one current.
struct PlaneRecord {
    CExPlane_LyrArray& array;
    CExPlane_Lyr* pCurrent = nullptr;
};

void AddActualShape(PlaneRecord& record, ex::Group& group, const ex::ParseContext& ctx)
{
    CExPlane_Lyr::SetActualShapeGroup(record.pCurrent, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog,
                                      ctx.pNotUsedLog, ctx.dScale);
}

void AddPlaneLyr(PlaneRecord& record, ex::Group& group, const ex::ParseContext& ctx)
{
    if (CExPlane_Lyr* planeLyr =
            record.array.SetData(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale)) {
        record.array.Add(planeLyr);
        record.pCurrent = planeLyr;
    }
}

// Level-2 groups of a plane data record; any other opens a plane layer.
constexpr auto kPlaneRecordRows = ex::MakeTable<PlaneRecord>({
    {"..ACTUAL_PLANE_SHAPE", AddActualShape},
    {"..TEXT", nullptr},
    {{}, AddPlaneLyr},
});

constexpr ex::GroupMatch kPlaneRecordGroups{.isOther = [](std::string_view) { return true; }};

} // namespace

CExPlane_Lyr::CExPlane_Lyr() : pPlaneNetArray(new CExPlane_NetArray) {}

CExPlane_Lyr::~CExPlane_Lyr() { delete pPlaneNetArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPlane_Lyr);

CExPlane_LyrArray::~CExPlane_LyrArray() { DeleteAll(); }

void CExPlane_Lyr::SetPlaneLyrGroup(CExPlane_Lyr* pPlaneLyr, std::vector<std::string>& group,
                                    const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                    CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kPlaneLyrRows, pPlaneLyr, group, {context, flag, ignoreLog, notUsedLog, dScale},
                   {.c = ex::Case::Sensitive});
}

void CExPlane_Lyr::SetActualShapeGroup(CExPlane_Lyr* pPlaneLyr, std::vector<std::string>& group,
                                       const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                       CExTemporaryArray* notUsedLog, double dScale)
{
    CExPlane_Net* planeNet = pPlaneLyr != nullptr ? pPlaneLyr->pPlaneNetArray->GetLastElement() : nullptr;
    if (planeNet != nullptr)
        planeNet->pActualShapeArray->SetPlaneNetData(2, group, context, flag, ignoreLog, notUsedLog, dScale);
    group.clear();
}

CExPlane_Lyr* CExPlane_LyrArray::SetData(std::vector<std::string>& group, std::string context, int flag,
                                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    if (group.empty())
        return nullptr;
    auto planeLyr = std::make_unique<CExPlane_Lyr>();
    planeLyr->sPlaneLayer = ex::KeywordValue(ex::TrimView(group[0]));
    ex::GroupLines(group, 1, ex::GroupRule{3, 0, false}, [&](std::vector<std::string>& subGroup) {
        CExPlane_Lyr::SetPlaneLyrGroup(planeLyr.get(), subGroup, context, flag, ignoreLog, notUsedLog, dScale);
    });
    return planeLyr.release();
}

void CExPlane_LyrArray::SetPlaneLayerData(std::vector<std::string>& record, std::string context, int flag,
                                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    PlaneRecord planes{*this};
    const ex::ParseContext ctx{context, flag, ignoreLog, notUsedLog, dScale};
    ex::GroupLines(record, 0, ex::GroupRule{2, 0, false}, [&](ex::Group& group) {
        ex::ParseGroup(kPlaneRecordRows, planes, group, ctx, kPlaneRecordGroups);
    });
}
