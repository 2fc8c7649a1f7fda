#include "jobprefs/ExJobPreferenceVia.h"

#include <utility>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "jobprefs/ExLayerPair.h"

namespace {

constexpr const char* kContext = ".VIA_SPANS_SECTION";

// Level-2 keywords: true opens a span, false drops the group without a trace.
constexpr ex::KeywordRow<bool> kViaGroups[] = {
    {"..ENABLE_GENERAL_CLEARANCES", false},
    {"..ENABLE_SAME_NET_CLEARANCES", false},
    {"..USE_MNT_OPP_PADS_FOR_BB_VIAS", false},
    {"..PADSTACK_NAME", true},
};

// Deeper keywords of a span, matched in the case in which they are written.
constexpr ex::KeywordRow<std::string CExLayerPair::*> kSpanLayers[] = {
    {"...FROM_LAYER", &CExLayerPair::sFromLayer},
    {"....TO_LAYER", &CExLayerPair::sToLayer},
};

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
    // A row without an action drops its group.
    const auto* row = ex::FindRowOrLog(kViaGroups, saGroup, {kContext, 1, nullptr, pNotUsedLog, 1.0});
    if (row == nullptr || !row->action) {
        saGroup.clear();
        return;
    }

    auto* via = new CExJobPreferenceVia;
    via->sPadstackName = ex::KeywordValue(ex::TrimView(saGroup[0]));
    for (std::size_t i = 1; i < saGroup.size(); ++i) {
        std::string& line = saGroup[i];
        ex::Trim(line);
        if (const auto* layer = ex::MatchKeyword(kSpanLayers, line, ex::Case::Sensitive)) {
            via->pLayerPair->*(layer->action) = ex::KeywordValue(line);
        } else {
            // Dots inside values go too: "...DRILL 0.3" is kept as "DRILL 03".
            ex::RemoveChar(line, '.');
            via->saSpanLines.push_back(std::move(line));
        }
    }
    Add(via);
    saGroup.clear();
}
