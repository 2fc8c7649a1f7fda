#include "layout/ExPlane_Lyr.h"

#include <memory>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "layout/ExPlane_ActualShape.h"
#include "layout/ExPlane_Net.h"

namespace {

void AddPlaneNet(CExPlane_Lyr& planeLyr, ex::Group& group, const ex::ParseContext& ctx)
{
    planeLyr.pPlaneNetArray->SetPlaneNetData(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                             ctx.dScale);
}

// Tested as written.
constexpr ex::GroupRow<CExPlane_Lyr> kPlaneLyrRows[] = {
    {"...PLANE_TYPE", ex::StoreValue<&CExPlane_Lyr::sPlaneType>},
    {"...PLANE_NET", AddPlaneNet},
    {"...TEXT", nullptr},
};

// Level-2 groups of a plane data record; any other opens a plane layer.
enum class PlaneGroup { ActualShape, Text };

constexpr ex::KeywordRow<PlaneGroup> kPlaneRecordRows[] = {
    {"..ACTUAL_PLANE_SHAPE", PlaneGroup::ActualShape},
    {"..TEXT", PlaneGroup::Text},
};

} // namespace

CExPlane_Lyr::CExPlane_Lyr() : pPlaneNetArray(new CExPlane_NetArray) {}

CExPlane_Lyr::~CExPlane_Lyr() { delete pPlaneNetArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPlane_Lyr);

CExPlane_LyrArray::~CExPlane_LyrArray() { DeleteAll(); }

void CExPlane_Lyr::SetPlaneLyrGroup(CExPlane_Lyr* pPlaneLyr, std::vector<std::string>& group,
                                    const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                    CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kPlaneLyrRows, pPlaneLyr, group, context, flag, ignoreLog, notUsedLog, dScale,
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
    CExPlane_Lyr* current = nullptr;
    ex::GroupLines(record, 0, ex::GroupRule{2, 0, false}, [&](std::vector<std::string>& group) {
        const ex::KeywordRow<PlaneGroup>* row = ex::MatchKeyword(kPlaneRecordRows, ex::TrimView(group[0]));
        if (row == nullptr) {
            if (CExPlane_Lyr* planeLyr = SetData(group, context, flag, ignoreLog, notUsedLog, dScale)) {
                Add(planeLyr);
                current = planeLyr;
            }
        } else if (row->action == PlaneGroup::ActualShape) {
            CExPlane_Lyr::SetActualShapeGroup(current, group, context, flag, ignoreLog, notUsedLog, dScale);
        }
    });
}
