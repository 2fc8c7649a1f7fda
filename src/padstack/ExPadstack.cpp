#include "padstack/ExPadstack.h"

#include <string_view>
#include <utility>

#include "core/KeywordTable.h"
#include "padstack/ElementRecord.h"
#include "padstack/ExInternalPadLayerPAD.h"

namespace {

enum class PadstackLine { Type, Skip, Technology, NotUsed };

constexpr ex::KeywordRow<PadstackLine> kPadstackLines[] = {
    {"..PADSTACK_TYPE", PadstackLine::Type},
    {"..TIMESTAMP", PadstackLine::Skip},
    {"..TECHNOLOGY", PadstackLine::Technology},
};

// Blocks of this technology are read whatever the design's technology.
constexpr std::string_view kDefaultTechnology = "(Default)";

enum class BlockLine { Text, InternalPad, Layer, Offset, OverridePad, List };

struct BlockAction {
    BlockLine kind;
    std::string CExPadstack::*pText = nullptr;               // Text
    std::vector<std::string> CExPadstack::*pList = nullptr;  // List
};

constexpr ex::KeywordRow<BlockAction> kBlockLines[] = {
    {"...BOTTOM_PAD", {BlockLine::Text, &CExPadstack::sBottomPad}},
    {"...BOTTOM_SOLDERMASK_PAD", {BlockLine::Text, &CExPadstack::sBottomSoldermaskPad}},
    {"...BOTTOM_SOLDERPASTE_PAD", {BlockLine::Text, &CExPadstack::sBottomSolderpastePad}},
    {"...CLEARANCE_PAD", {BlockLine::Text, &CExPadstack::sClearancePad}},
    {"...HOLE_NAME", {BlockLine::Text, &CExPadstack::sHoleName}},
    {"...INTERNAL_PAD", {BlockLine::InternalPad}},
    {"....LAYER", {BlockLine::Layer}},
    {"....OFFSET", {BlockLine::Offset}},
    {".....OVERRIDE_PAD", {BlockLine::OverridePad}},
    {"...THERMAL_PAD", {BlockLine::Text, &CExPadstack::sThermalPad}},
    {"...TOP_PAD", {BlockLine::Text, &CExPadstack::sTopPad}},
    {"...TOP_SOLDERMASK_PAD", {BlockLine::Text, &CExPadstack::sTopSoldermaskPad}},
    {"...TOP_SOLDERPASTE_PAD", {BlockLine::Text, &CExPadstack::sTopSolderpastePad}},
    {"...USER_LYR", {BlockLine::List, nullptr, &CExPadstack::saUserLyr}},
    {"....USER_LYR_PAD", {BlockLine::List, nullptr, &CExPadstack::saUserLyrPad}},
    {"....USER_LYR_DISPLAY_CONDITION", {BlockLine::List, nullptr, &CExPadstack::saUserLyrDisplayCondition}},
};

} // namespace

CExPadstack::CExPadstack() : pInternalPadLayerArray(new CExInternalPadLayerPADArray) {}

CExPadstack::~CExPadstack() { delete pInternalPadLayerArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPadstack);

CExPadstackArray::~CExPadstackArray() { DeleteAll(); }

void CExPadstack::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                                   CExTemporaryArray* /*pIgnoreLog*/, CExTemporaryArray* pNotUsedLog,
                                   std::string sTechnology, double dScale)
{
    if (saSubRecord.empty())
        return;
    const std::string_view first = ex::TrimView(saSubRecord[0]);
    const auto* row = ex::MatchKeyword(kPadstackLines, first);
    switch (row ? row->action : PadstackLine::NotUsed) {
    case PadstackLine::Type:
        sPadstackType = ex::KeywordValue(first);
        break;
    case PadstackLine::Skip:
        break;
    case PadstackLine::Technology: {
        const std::string sBlock = ex::KeywordValue(first);
        if (sBlock == kDefaultTechnology || sBlock == sTechnology)
            SetTechnologyData(saSubRecord, dScale);
        else
            pNotUsedLog->SetNoUsedArray(saSubRecord, std::move(sContext), nFlag);
        break;
    }
    case PadstackLine::NotUsed:
        pNotUsedLog->SetNoUsedArray(saSubRecord, std::move(sContext), nFlag);
        break;
    }
    saSubRecord.clear();
}

// Lines after the "..TECHNOLOGY" line. Names keep their last value; lists and
// internal-pad entries collect every read block's lines.
void CExPadstack::SetTechnologyData(const std::vector<std::string>& saBlock, double dScale)
{
    // "....LAYER" and ".....OVERRIDE_PAD" go to the entry of the last
    // "...INTERNAL_PAD" line of this block; before one they have nowhere to
    // go and are dropped.
    CExInternalPadLayerPAD* pCurrent = nullptr;
    for (std::size_t i = 1; i < saBlock.size(); ++i) {
        const std::string_view line = ex::TrimView(saBlock[i]);
        const auto* row = ex::MatchKeyword(kBlockLines, line);
        if (!row)
            continue;  // unknown deeper keywords are dropped silently
        const BlockAction& a = row->action;
        switch (a.kind) {
        case BlockLine::Text:
            this->*a.pText = ex::KeywordValue(line);
            break;
        case BlockLine::InternalPad:
            sInternalPad = ex::KeywordValue(line);
            pCurrent = new CExInternalPadLayerPAD;
            pInternalPadLayerArray->Add(pCurrent);
            break;
        case BlockLine::Layer:
            if (pCurrent)
                pCurrent->nLayer = ex::Atoi(ex::KeywordValue(line));
            break;
        case BlockLine::Offset: {
            CExPt pt = ex::ReadOffset(line, dScale);
            aOffsets.Add(pt);
            break;
        }
        case BlockLine::OverridePad:
            if (pCurrent)
                pCurrent->sOverridePad = ex::KeywordValue(line);
            break;
        case BlockLine::List:
            (this->*a.pList).push_back(ex::KeywordValue(line));
            break;
        }
    }
}

void CExPadstackArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                               CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, std::string sTechnology,
                               double dScale)
{
    ex::SetElementRecord<CExPadstack>(*this, saRecord, sContext, pIgnoreLog, pNotUsedLog, dScale, sTechnology);
}
