#include "padstack/ExPadstack.h"

#include <string_view>

#include "core/GroupTable.h"
#include "padstack/ElementRecord.h"
#include "padstack/ExInternalPadLayerPAD.h"

namespace {

// A "..TECHNOLOGY" block, line by line. "....LAYER" and ".....OVERRIDE_PAD"
// go to the entry of the block's last "...INTERNAL_PAD" line; before one
// they have nowhere to go and are dropped.
struct Block {
    CExPadstack& padstack;
    CExInternalPadLayerPAD* pCurrent = nullptr;
};

template <auto pText>
void SetText(Block& block, ex::Group& line, const ex::ParseContext& ctx)
{
    ex::StoreValue<pText>(block.padstack, line, ctx);
}

template <auto pList>
void AddToList(Block& block, ex::Group& line, const ex::ParseContext& ctx)
{
    ex::AppendValue<pList>(block.padstack, line, ctx);
}

void AddInternalPad(Block& block, ex::Group& line, const ex::ParseContext& ctx)
{
    ex::StoreValue<&CExPadstack::sInternalPad>(block.padstack, line, ctx);
    block.pCurrent = new CExInternalPadLayerPAD;
    block.padstack.pInternalPadLayerArray->Add(block.pCurrent);
}

void SetLayer(Block& block, ex::Group& line, const ex::ParseContext& ctx)
{
    if (block.pCurrent)
        ex::StoreInteger<&CExInternalPadLayerPAD::nLayer>(*block.pCurrent, line, ctx);
}

void SetOverridePad(Block& block, ex::Group& line, const ex::ParseContext& ctx)
{
    if (block.pCurrent)
        ex::StoreValue<&CExInternalPadLayerPAD::sOverridePad>(*block.pCurrent, line, ctx);
}

void AddOffset(Block& block, ex::Group& line, const ex::ParseContext& ctx)
{
    CExPt pt = ex::ReadOffset(ex::TrimView(line[0]), ctx.dScale);
    block.padstack.aOffsets.Add(pt);
}

using S = CExPadstack;

// Unknown deeper keywords are dropped silently. Names keep their last
// value; lists and internal-pad entries collect every read block's lines.
constexpr auto kBlockLines = ex::MakeTable<Block>({
    {"...BOTTOM_PAD", SetText<&S::sBottomPad>},
    {"...BOTTOM_SOLDERMASK_PAD", SetText<&S::sBottomSoldermaskPad>},
    {"...BOTTOM_SOLDERPASTE_PAD", SetText<&S::sBottomSolderpastePad>},
    {"...CLEARANCE_PAD", SetText<&S::sClearancePad>},
    {"...HOLE_NAME", SetText<&S::sHoleName>},
    {"...INTERNAL_PAD", AddInternalPad},
    {"....LAYER", SetLayer},
    {"....OFFSET", AddOffset},
    {".....OVERRIDE_PAD", SetOverridePad},
    {"...THERMAL_PAD", SetText<&S::sThermalPad>},
    {"...TOP_PAD", SetText<&S::sTopPad>},
    {"...TOP_SOLDERMASK_PAD", SetText<&S::sTopSoldermaskPad>},
    {"...TOP_SOLDERPASTE_PAD", SetText<&S::sTopSolderpastePad>},
    {"...USER_LYR", AddToList<&S::saUserLyr>},
    {"....USER_LYR_PAD", AddToList<&S::saUserLyrPad>},
    {"....USER_LYR_DISPLAY_CONDITION", AddToList<&S::saUserLyrDisplayCondition>},
});

// Blocks of this technology are read whatever the design's technology.
constexpr std::string_view kDefaultTechnology = "(Default)";

// A sub-record and the design's technology.
struct SubRecord {
    CExPadstack& padstack;
    const std::string& sTechnology;
};

void ReadTechnology(SubRecord& sub, ex::Group& group, const ex::ParseContext& ctx)
{
    const std::string sBlock = ex::KeywordValue(ex::TrimView(group[0]));
    if (sBlock != kDefaultTechnology && sBlock != sub.sTechnology) {
        ctx.LogNotUsed(group);
        return;
    }
    Block block{sub.padstack};
    ex::ParseEachLine(kBlockLines, block, group, 1, ctx, ex::kPassOver);
}

void SetType(SubRecord& sub, ex::Group& group, const ex::ParseContext& ctx)
{
    ex::StoreValue<&S::sPadstackType>(sub.padstack, group, ctx);
}

constexpr auto kPadstackLines = ex::MakeTable<SubRecord>({
    {"..PADSTACK_TYPE", SetType},
    {"..TIMESTAMP", nullptr},
    {"..TECHNOLOGY", ReadTechnology},
});

} // namespace

CExPadstack::CExPadstack() : pInternalPadLayerArray(new CExInternalPadLayerPADArray) {}

CExPadstack::~CExPadstack() { delete pInternalPadLayerArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPadstack);

CExPadstackArray::~CExPadstackArray() { DeleteAll(); }

void CExPadstack::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                                   CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog,
                                   std::string sTechnology, double dScale)
{
    SubRecord sub{*this, sTechnology};
    ex::ParseGroup(kPadstackLines, sub, saSubRecord, {sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale});
}

void CExPadstackArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                               CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, std::string sTechnology,
                               double dScale)
{
    ex::AddNamedRecord(*this, saRecord, &CExPadstack::sName, ex::kElementSubRecordRule,
                       [&](CExPadstack& padstack, ex::Group& sub) {
                           padstack.SetSubRecordData(sub, sContext, ex::kElementSubRecordFlag, pIgnoreLog,
                                                     pNotUsedLog, sTechnology, dScale);
                       });
}
