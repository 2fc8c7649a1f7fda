#include "jobprefs/ExLayer_Stackup.h"

#include <utility>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "jobprefs/ExLayerPair.h"

namespace {

constexpr const char* kContext = ".LAYER_STACKUP_SECTION";

using LayerSetter = void (*)(CExLayer_Stackup&, std::string&&);

// Level-3 keywords of a layer, matched in the case in which they are written;
// a null setter skips the line.
constexpr ex::KeywordRow<LayerSetter> kLayerFields[] = {
    {"...DIELECTRIC_CONSTANT", [](CExLayer_Stackup& l, std::string&& v) { l.dDielectricConstant = ex::Atof(v); }},
    {"...LAYER_DESCRIPTION", [](CExLayer_Stackup& l, std::string&& v) { l.sLayerDescription = std::move(v); }},
    {"...LAYER_TECHNOLOGY", [](CExLayer_Stackup& l, std::string&& v) { l.sLayerTechnology = std::move(v); }},
    {"...LAYER_THICKNESS", [](CExLayer_Stackup& l, std::string&& v) { l.dLayerThickness = ex::Atof(v); }},
    {"...CONDUCTIVE_LAYER_NUMBER", [](CExLayer_Stackup& l, std::string&& v) { l.nConductiveLayerNumber = ex::Atoi(v); }},
    {"...LAYER_PAIR",
     [](CExLayer_Stackup& l, std::string&& v) {
         // The first pair line names the from layer, every later one the to layer.
         CExLayerPair& pair = *l.pLayerPair;
         (pair.sFromLayer.empty() ? pair.sFromLayer : pair.sToLayer) = std::move(v);
     }},
    {"...PLANE_TYPE", [](CExLayer_Stackup& l, std::string&& v) { l.sPlaneType = std::move(v); }},
    {"...PLANE_NET", [](CExLayer_Stackup& l, std::string&& v) { l.saPlaneNets.push_back(std::move(v)); }},
    {"...LAYER_NAME", [](CExLayer_Stackup& l, std::string&& v) { l.sLayerName = std::move(v); }},
    {"...LAYER_ENABLED", nullptr},
    {"...DIRECTIONAL_BIAS", nullptr},
    {"...LAYER_RESISTIVITY", nullptr},
    {"...DIFF_PAIRS_LAYER_PAIR", nullptr},
    {"...REF_LAYER_TYPE", nullptr},
    {"....PLANE_NET_CLEARANCE", nullptr},
    {"....USE_ROUTE_BORDER", nullptr},
};

constexpr char kDielectric[] = "DIELECTRIC_LAYER";
constexpr char kSignal[] = "SIGNAL_LAYER";

// All lines a layer did not take make one entry, the first as its keyword line.
template <const char* sType>
void AddLayer(CExLayer_StackupArray& array, ex::Group& saGroup, const ex::ParseContext& ctx)
{
    auto* layer = new CExLayer_Stackup;
    layer->sLayerType = sType;
    layer->nLayerNumber = ex::Atoi(ex::KeywordValue(ex::TrimView(saGroup[0])));

    std::vector<std::string> saUnmatched;
    for (std::size_t i = 1; i < saGroup.size(); ++i) {
        std::string& line = saGroup[i];
        ex::Trim(line);
        const auto* field = ex::MatchKeyword(kLayerFields, line, ex::Case::Sensitive);
        if (field == nullptr)
            saUnmatched.push_back(std::move(line));
        else if (field->action != nullptr)
            field->action(*layer, ex::KeywordValue(line));
    }
    array.Add(layer);
    if (!saUnmatched.empty() && ctx.pNotUsedLog != nullptr)
        ctx.pNotUsedLog->SetNoUsedArray(saUnmatched, ctx.sContext, ctx.nFlag);
}

// Level-2 keywords and the type of the layer each opens; a row without an
// action drops the group without a trace.
constexpr ex::GroupRow<CExLayer_StackupArray> kLayerKinds[] = {
    {"..RESYNTHESIZE_EP", nullptr},
    {"..TRACE_TO_PLANE_CLEARANCE", nullptr},
    {"..SYNC_LYR_STACK_AND_PLANE_LYRS", nullptr},
    {"..DIELECTRIC_LAYER", AddLayer<kDielectric>},
    {"..SIGNAL_LAYER", AddLayer<kSignal>},
    {"..PLANE_LAYER", AddLayer<kSignal>},
};

} // namespace

CExLayer_Stackup::CExLayer_Stackup() : pLayerPair(new CExLayerPair) {}

CExLayer_Stackup::~CExLayer_Stackup() { delete pLayerPair; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExLayer_Stackup);

CExLayer_StackupArray::~CExLayer_StackupArray() { DeleteAll(); }

void CExLayer_StackupArray::SetData(std::vector<std::string>& saRecord, CExTemporaryArray* pIgnoreLog,
                                    CExTemporaryArray* pNotUsedLog)
{
    ex::GroupLines(saRecord, 1, ex::GroupRule{2},
                   [&](std::vector<std::string>& saGroup) { SetLayerStackData(saGroup, pIgnoreLog, pNotUsedLog); });
}

void CExLayer_StackupArray::SetLayerStackData(std::vector<std::string>& saGroup, CExTemporaryArray* /*pIgnoreLog*/,
                                              CExTemporaryArray* pNotUsedLog)
{
    const std::string context(kContext);
    ex::ParseGroup(kLayerKinds, *this, saGroup, {context, 1, nullptr, pNotUsedLog, 1.0});
}
