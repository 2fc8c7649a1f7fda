#include "jobprefs/ExLayer_Stackup.h"

#include <utility>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "jobprefs/ExLayerPair.h"
#include "jobprefs/LayerPairActions.h"

namespace {

constexpr const char* kContext = ".LAYER_STACKUP_SECTION";

using L = CExLayer_Stackup;

// Level-3 keywords of a layer, matched in the case in which they are written;
// a row without an action skips the line.
constexpr auto kLayerFields = ex::MakeTable<L>({
    {"...DIELECTRIC_CONSTANT", ex::StoreNumber<&L::dDielectricConstant>},
    {"...LAYER_DESCRIPTION", ex::StoreValue<&L::sLayerDescription>},
    {"...LAYER_TECHNOLOGY", ex::StoreValue<&L::sLayerTechnology>},
    {"...LAYER_THICKNESS", ex::StoreNumber<&L::dLayerThickness>},
    {"...CONDUCTIVE_LAYER_NUMBER", ex::StoreInteger<&L::nConductiveLayerNumber>},
    {"...LAYER_PAIR", ex::AddLayerPairValue<&L::pLayerPair>},
    {"...PLANE_TYPE", ex::StoreValue<&L::sPlaneType>},
    {"...PLANE_NET", ex::AppendValue<&L::saPlaneNets>},
    {"...LAYER_NAME", ex::StoreValue<&L::sLayerName>},
    {"...LAYER_ENABLED", nullptr},
    {"...DIRECTIONAL_BIAS", nullptr},
    {"...LAYER_RESISTIVITY", nullptr},
    {"...DIFF_PAIRS_LAYER_PAIR", nullptr},
    {"...REF_LAYER_TYPE", nullptr},
    {"....PLANE_NET_CLEARANCE", nullptr},
    {"....USE_ROUTE_BORDER", nullptr},
});

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
    ex::ParseEachLine(
        kLayerFields, *layer, saGroup, 1, ctx,
        [&](std::string& line, std::size_t) {
            ex::Trim(line);
            saUnmatched.push_back(std::move(line));
            return true;
        },
        {.c = ex::Case::Sensitive});
    array.Add(layer);
    if (!saUnmatched.empty() && ctx.pNotUsedLog != nullptr)
        ctx.pNotUsedLog->SetNoUsedArray(saUnmatched, ctx.sContext, ctx.nFlag);
}

// Level-2 keywords and the type of the layer each opens; a row without an
// action drops the group without a trace.
constexpr auto kLayerKinds = ex::MakeTable<CExLayer_StackupArray>({
    {"..RESYNTHESIZE_EP", nullptr},
    {"..TRACE_TO_PLANE_CLEARANCE", nullptr},
    {"..SYNC_LYR_STACK_AND_PLANE_LYRS", nullptr},
    {"..DIELECTRIC_LAYER", AddLayer<kDielectric>},
    {"..SIGNAL_LAYER", AddLayer<kSignal>},
    {"..PLANE_LAYER", AddLayer<kSignal>},
});

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
