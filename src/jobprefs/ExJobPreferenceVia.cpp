#include "jobprefs/ExJobPreferenceVia.h"

#include <utility>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "jobprefs/ExLayerPair.h"

namespace {

constexpr const char* kContext = ".VIA_SPANS_SECTION";

// Deeper keywords of a span, matched in the case in which they are written.
constexpr auto kSpanLayers = ex::MakeTable<CExLayerPair>({
    {"...FROM_LAYER", ex::StoreValue<&CExLayerPair::sFromLayer>},
    {"....TO_LAYER", ex::StoreValue<&CExLayerPair::sToLayer>},
});

void AddSpan(CExJobPreferenceViaArray& array, ex::Group& saGroup, const ex::ParseContext& ctx)
{
    auto* via = new CExJobPreferenceVia;
    via->sPadstackName = ex::KeywordValue(ex::TrimView(saGroup[0]));
    ex::ParseEachLine(
        kSpanLayers, *via->pLayerPair, saGroup, 1, ctx,
        [&](std::string& line, std::size_t) {
            // Dots inside values go too: "...DRILL 0.3" is kept as "DRILL 03".
            ex::Trim(line);
            ex::RemoveChar(line, '.');
            via->saSpanLines.push_back(std::move(line));
            return true;
        },
        {.c = ex::Case::Sensitive});
    array.Add(via);
}

// Level-2 keywords: a padstack name opens a span, the others drop the group
// without a trace.
constexpr auto kViaGroups = ex::MakeTable<CExJobPreferenceViaArray>({
    {"..ENABLE_GENERAL_CLEARANCES", nullptr},
    {"..ENABLE_SAME_NET_CLEARANCES", nullptr},
    {"..USE_MNT_OPP_PADS_FOR_BB_VIAS", nullptr},
    {"..PADSTACK_NAME", AddSpan},
});

} // namespace

CExJobPreferenceVia::CExJobPreferenceVia() : pLayerPair(new CExLayerPair) {}

CExJobPreferenceVia::~CExJobPreferenceVia() { delete pLayerPair; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExJobPreferenceVia);

CExJobPreferenceViaArray::~CExJobPreferenceViaArray() { DeleteAll(); }

void CExJobPreferenceViaArray::SetData(std::vector<std::string>& saRecord, CExTemporaryArray* pIgnoreLog,
                                       CExTemporaryArray* pNotUsedLog)
{
    ex::GroupLines(saRecord, 1, ex::GroupRule{2},
                   [&](std::vector<std::string>& saGroup) { SetViaData(saGroup, pIgnoreLog, pNotUsedLog); });
}

void CExJobPreferenceViaArray::SetViaData(std::vector<std::string>& saGroup, CExTemporaryArray* /*pIgnoreLog*/,
                                          CExTemporaryArray* pNotUsedLog)
{
    const std::string context(kContext);
    ex::ParseGroup(kViaGroups, *this, saGroup, {context, 1, nullptr, pNotUsedLog, 1.0});
}
