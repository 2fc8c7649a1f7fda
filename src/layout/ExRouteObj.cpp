#include "layout/ExRouteObj.h"

#include <memory>
#include <string_view>

#include "core/GroupTable.h"
#include "layout/ExConductive_Area.h"
#include "layout/ExTestPoint.h"
#include "layout/ExTrace.h"
#include "layout/ExVia.h"

namespace {

using RecordParser = void (*)(CExRouteObj& object, ex::Group& group, const ex::ParseContext& ctx);

template <class T>
CExRouteObj* New()
{
    return new T;
}

template <class T, void (*Parse)(T*, ex::Group&, const std::string&, int, CExTemporaryArray*, CExTemporaryArray*,
                                 double)>
void ParseAs(CExRouteObj& object, ex::Group& group, const ex::ParseContext& ctx)
{
    Parse(static_cast<T*>(&object), group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

struct RouteKind {
    std::string_view sType;
    CExRouteObj* (*make)();
    RecordParser parse;
};

constexpr RouteKind kKinds[] = {
    {ex::kConductiveAreaType, New<CExConductive_Area>,
     ParseAs<CExConductive_Area, &CExConductive_Area::SetConductiveAreaData>},
    {ex::kTraceType, New<CExTrace>, ParseAs<CExTrace, &CExTrace::SetTraceData>},
    {ex::kViaType, New<CExVia>, ParseAs<CExVia, &CExVia::SetViaData>},
    {ex::kTestPointType, New<CExTestPoint>, ParseAs<CExTestPoint, &CExTestPoint::SetTestPointData>},
};

const RouteKind* FindKind(std::string_view type)
{
    for (const RouteKind& kind : kKinds)
        if (kind.sType == type)
            return &kind;
    return nullptr;
}

} // namespace

CExRouteObj::~CExRouteObj() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExRouteObj);

CExRouteObjArray::~CExRouteObjArray() { DeleteAll(); }

void CExRouteObj::DeleteRouteObj(CExRouteObj* pRouteObj)
{
    if (pRouteObj != nullptr && FindKind(pRouteObj->sType) != nullptr)
        delete pRouteObj;
}

void CExRouteObjArray::SetRoutingData(std::vector<std::string>& record, std::string context, int flag,
                                      std::string type, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                      double dScale)
{
    if (record.empty())
        return;
    const RouteKind* kind = FindKind(type);
    if (kind == nullptr) {
        if (notUsedLog != nullptr)
            notUsedLog->SetNoUsedArray(record, std::move(context), flag);
        record.clear();
        return;
    }
    // The object's constructor sets its sType.
    std::unique_ptr<CExRouteObj> object(kind->make());

    // The property groups open at level 3. Cutting the record at level 3 and
    // then each group by the regrouping step at level 2 gives the groups that
    // the regrouping step gives on the whole record, in one pass, once every
    // line without a dot is joined onto the line before it.
    ex::JoinContinuations(record, 1);
    const ex::ParseContext ctx{context, flag, ignoreLog, notUsedLog, dScale};
    ex::Regroup(2, record, 1, [&](ex::Group& group) { kind->parse(*object, group, ctx); });

    Add(object.get());
    object.release();
}
