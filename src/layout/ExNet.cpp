#include "layout/ExNet.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "layout/ExTestPoint.h"
#include "core/GroupTable.h"

namespace {

enum class NetGroup { Route, MultiVia, TestPoint, Marker };

struct NetAction {
    NetGroup kind;
    const char* sType = nullptr;  // of the route object made
};

constexpr ex::KeywordRow<NetAction> kNetRows[] = {
    {"..CONDUCTIVE_AREA", {NetGroup::Route, ex::kConductiveAreaType}},
    {"..TRACE", {NetGroup::Route, ex::kTraceType}},
    {"..VIA", {NetGroup::Route, ex::kViaType}},
    {"..MULTIVIA", {NetGroup::MultiVia}},
    {"..TESTPOINT", {NetGroup::TestPoint, ex::kTestPointType}},
    {"..MARKER", {NetGroup::Marker}},
};

// The objects of a multivia sit at level 3; each opens at its type's line and
// is handed on one level up, on its own. A null type drops the line.
constexpr ex::KeywordRow<const char*> kMultiViaRows[] = {
    {"...VIA_OPTIONS", nullptr},
    {"...VIA", ex::kViaType},
    {"...CONDUCTIVE_AREA", ex::kConductiveAreaType},
    {"...TRACE", ex::kTraceType},
};

void AddMultiVia(CExRouteObjArray& routes, std::vector<std::string>& group, const std::string& context, int flag,
                 CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    const char* type = nullptr;
    std::vector<std::string> object;
    const auto handOver = [&] {
        if (!object.empty())
            routes.SetRoutingData(object, context, flag, type, ignoreLog, notUsedLog, dScale);
        object.clear();
    };
    for (std::size_t i = 1; i < group.size(); ++i) {
        std::string& line = group[i];
        const ex::KeywordRow<const char*>* row = ex::MatchKeyword(kMultiViaRows, line);
        line.erase(0, 1);
        if (row != nullptr) {
            if (row->action == nullptr)
                continue;
            handOver();
            type = row->action;
            object.push_back(std::move(line));
        } else if (type != nullptr) {
            object.push_back(std::move(line));
        }
    }
    handOver();
}

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
    const ex::KeywordRow<NetAction>* row = group.empty() ? nullptr : ex::MatchKeyword(kNetRows, ex::TrimView(group[0]));
    if (row == nullptr) {
        group.clear();
        return;
    }
    switch (row->action.kind) {
    case NetGroup::Route:
        pRouteObjArray->SetRoutingData(group, std::move(context), flag, row->action.sType, ignoreLog, notUsedLog,
                                       dScale);
        break;
    case NetGroup::TestPoint: {
        std::string name = ex::ToUpper(ex::KeywordValue(ex::TrimView(group[0])));
        const std::int64_t before = pRouteObjArray->GetSize();
        pRouteObjArray->SetRoutingData(group, std::move(context), flag, row->action.sType, ignoreLog, notUsedLog,
                                       dScale);
        if (pRouteObjArray->GetSize() > before)
            static_cast<CExTestPoint*>(pRouteObjArray->GetLastElement())->sTestPointName = std::move(name);
        break;
    }
    case NetGroup::MultiVia:
        AddMultiVia(*pRouteObjArray, group, context, flag, ignoreLog, notUsedLog, dScale);
        break;
    case NetGroup::Marker:
        ex::AppendValuesOf(group, "...PID", saMarkerPids);
        break;
    }
    group.clear();
}

void CExNetArray::SetData(std::vector<std::string>& record, std::string /*context*/, CExTemporaryArray* ignoreLog,
                          CExTemporaryArray* notUsedLog, double dScale)
{
    if (record.empty())
        return;
    auto net = std::make_unique<CExNet>();
    const std::string firstLine(ex::TrimView(record[0]));
    net->sNetName = ex::KeywordValue(firstLine);
    // Every level-2 line hands over what came before it, even nothing.
    ex::GroupLines(record, 1, ex::GroupRule{2, 0, true}, [&](std::vector<std::string>& group) {
        net->SetNetData(group, firstLine, 1, ignoreLog, notUsedLog, dScale);
    });
    Add(net.get());
    net.release();
}
