#include "layout/ExPlane_ActualShape.h"

#include <memory>

#include "shapes/ShapeGroupActions.h"

namespace {

// ".APS_TIE_LEG" or ".APS_HATCH_DATA" followed by shapes at level 2. The
// keyword line stays in the group: the shape parser skips lines above its
// level.
template <CExDrawObjArray* CExPlane_ActualShape::*M>
void AddApsShapes(CExPlane_ActualShape& actualShape, ex::Group& group, const ex::ParseContext& ctx)
{
    if (group.size() > 1 && ex::IsShapeLine(group[1], 2)) {
        ex::AddShapes<M, 2>(actualShape, group, ctx);
        return;
    }
    group.erase(group.begin());
    ctx.LogNotUsed(group);
}

// The rows that only add shapes may be parsed on a helper.
constexpr auto kActualShapeRows = ex::MakeTable<CExPlane_ActualShape>({
    {".PLANE_ID", ex::StoreInteger<&CExPlane_ActualShape::nPlaneId>},
    {".APS_TIE_LEG", AddApsShapes<&CExPlane_ActualShape::pTieLegArray>, {},
     ex::MoveElements<&CExPlane_ActualShape::pTieLegArray>},
    {".APS_HATCH_DATA", AddApsShapes<&CExPlane_ActualShape::pHatchArray>, {},
     ex::MoveElements<&CExPlane_ActualShape::pHatchArray>},
    {ex::kAnyShape, ex::AddShapes<&CExPlane_ActualShape::pShapeArray, 1>, {},
     ex::MoveElements<&CExPlane_ActualShape::pShapeArray>},
});

constexpr ex::GroupMatch kActualShapeMatch{.isOther = ex::IsShapeLineAt<1>};

bool ParsedOnHelper(const ex::Group& group)
{
    const ex::GroupRow<CExPlane_ActualShape>* row = ex::FindLineRow(
        ex::TableView<CExPlane_ActualShape>(kActualShapeRows), ex::TrimView(group[0]), kActualShapeMatch);
    return row != nullptr && row->ParsedOnHelper();
}

thread_local ex::ActualShapeSink* t_pSink = nullptr;

} // namespace

namespace ex {

ActualShapeSink* ActualShapeSink::Current() { return t_pSink; }

ActualShapeSink::Scope::Scope(ActualShapeSink& sink) : m_pPrevious(t_pSink) { t_pSink = &sink; }

ActualShapeSink::Scope::~Scope() { t_pSink = m_pPrevious; }

void MoveHelperShapes(CExPlane_ActualShape& parsed, CExPlane_ActualShape& target)
{
    MoveParsed(RecordTable<CExPlane_ActualShape>{kActualShapeRows}, parsed, target);
}

} // namespace ex

CExPlane_ActualShape::CExPlane_ActualShape()
    : pShapeArray(new CExDrawObjArray), pTieLegArray(new CExDrawObjArray), pHatchArray(new CExDrawObjArray)
{
}

CExPlane_ActualShape::~CExPlane_ActualShape()
{
    delete pShapeArray;
    delete pTieLegArray;
    delete pHatchArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPlane_ActualShape);

CExPlane_ActualShapeArray::~CExPlane_ActualShapeArray() { DeleteAll(); }

void CExPlane_ActualShape::SetActualShapeData(CExPlane_ActualShape* pActualShape, std::vector<std::string>& group,
                                              const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                              CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kActualShapeRows, pActualShape, group, {context, flag, ignoreLog, notUsedLog, dScale},
                   kActualShapeMatch);
}

void CExPlane_ActualShapeArray::SetPlaneNetData(int nLevel, std::vector<std::string>& group, std::string context,
                                                int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                                double dScale)
{
    if (group.empty())
        return;
    auto actualShape = std::make_unique<CExPlane_ActualShape>();
    ex::ActualShapeSink* sink = ex::ActualShapeSink::Current();
    ex::Regroup(nLevel, group, 1, [&](std::vector<std::string>& subGroup) {
        if (sink != nullptr && ParsedOnHelper(subGroup))
            sink->Take(*actualShape, subGroup, context, flag, dScale);
        else
            CExPlane_ActualShape::SetActualShapeData(actualShape.get(), subGroup, context, flag, ignoreLog,
                                                     notUsedLog, dScale);
    });
    Add(actualShape.get());
    actualShape.release();
}
