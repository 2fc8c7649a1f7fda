#include "layout/ExNet.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "core/GroupTable.h"
#include "core/StringOps.h"
#include "layout/ExTestPoint.h"

namespace {

template <const char* const* pType>
void AddRoute(CExNet& net, ex::Group& group, const ex::ParseContext& ctx)
{
    net.pRouteObjArray->SetRoutingData(group, ctx.sContext, ctx.nFlag, *pType, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                       ctx.dScale);
}

void AddTestPoint(CExNet& net, ex::Group& group, const ex::ParseContext& ctx)
{
    std::string name = ex::ToUpper(ex::KeywordValue(ex::TrimView(group[0])));
    CExRouteObjArray& routes = *net.pRouteObjArray;
    const std::int64_t before = routes.GetSize();
    AddRoute<&ex::kTestPointType>(net, group, ctx);
    if (routes.GetSize() > before)
        static_cast<CExTestPoint*>(routes.GetLastElement())->sTestPointName = std::move(name);
}

// The objects of a multivia sit at level 3; each opens at its type's line and
// is handed on one level up, on its own.
struct MultiVia {
    CExRouteObjArray& routes;
    const ex::ParseContext& ctx;
    const char* type = nullptr;
    ex::Group object;

    void HandOver()
    {
        if (!object.empty())
            routes.SetRoutingData(object, ctx.sContext, ctx.nFlag, type, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                  ctx.dScale);
        object.clear();
    }
    // Lines of the open object, one level up; none before the first.
    bool Continue(std::string& line)
    {
        if (type != nullptr)
            object.push_back(std::move(line.erase(0, 1)));
        return true;
    }
};

template <const char* const* pType>
void OpenObject(MultiVia& via, ex::Group& line, const ex::ParseContext&)
{
    via.HandOver();
    via.type = *pType;
    via.Continue(line[0]);
}

// A row without an action drops the line.
constexpr auto kMultiViaRows = ex::MakeTable<MultiVia>({
    {"...VIA_OPTIONS", nullptr},
    {"...VIA", OpenObject<&ex::kViaType>},
    {"...CONDUCTIVE_AREA", OpenObject<&ex::kConductiveAreaType>},
    {"...TRACE", OpenObject<&ex::kTraceType>},
});

void AddMultiVia(CExNet& net, ex::Group& group, const ex::ParseContext& ctx)
{
    MultiVia via{*net.pRouteObjArray, ctx, nullptr, {}};
    ex::ParseEachLine(kMultiViaRows, via, group, 1, ctx, [&](std::string& line, std::size_t) { return via.Continue(line); });
    via.HandOver();
}

void AddMarkers(CExNet& net, ex::Group& group, const ex::ParseContext&)
{
    ex::AppendValuesOf(group, "...PID", net.saMarkerPids);
}

// Groups other than routing and markers (pins among them) are dropped.
constexpr auto kNetRows = ex::MakeTable<CExNet>({
    {"..CONDUCTIVE_AREA", AddRoute<&ex::kConductiveAreaType>},
    {"..TRACE", AddRoute<&ex::kTraceType>},
    {"..VIA", AddRoute<&ex::kViaType>},
    {"..MULTIVIA", AddMultiVia},
    {"..TESTPOINT", AddTestPoint},
    {"..MARKER", AddMarkers},
    {{}, nullptr},
});

constexpr ex::GroupMatch kNetGroups{.isOther = [](std::string_view) { return true; }};

} // namespace

CExNet::CExNet() : pRouteObjArray(new CExRouteObjArray) {}

CExNet::~CExNet()
{
    for (CExRouteObj* pRouteObj : *pRouteObjArray)
        CExRouteObj::DeleteRouteObj(pRouteObj);
    pRouteObjArray->RemoveAll();
    delete pRouteObjArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExNet);

CExNetArray::~CExNetArray() { DeleteAll(); }

void CExNet::SetNetData(std::vector<std::string>& group, std::string context, int flag, CExTemporaryArray* ignoreLog,
                        CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kNetRows, *this, group, {context, flag, ignoreLog, notUsedLog, dScale}, kNetGroups);
}

void CExNetArray::SetData(std::vector<std::string>& record, std::string /*context*/, CExTemporaryArray* ignoreLog,
                          CExTemporaryArray* notUsedLog, double dScale)
{
    if (record.empty())
        return;
    const std::string firstLine(ex::TrimView(record[0]));
    // Every level-2 line hands over what came before it, even nothing.
    ex::AddNamedRecord(*this, record, &CExNet::sNetName, ex::GroupRule{2, 0, true},
                               [&](CExNet& net, ex::Group& group) {
                                   net.SetNetData(group, firstLine, 1, ignoreLog, notUsedLog, dScale);
                               });
}
