#include "parts/ExPartData.h"

#include <string_view>

#include "core/GroupTable.h"
#include "parts/ExPartDataSlot.h"
#include "parts/ExPartDataSwapGrp.h"
#include "parts/ExPartDataSymbol.h"
#include "parts/PartGrouping.h"

namespace {

using P = CExPartData;

// Cut by length, not at the blank: "..ALTCELLX" keeps its "X".
void AddAltCell(P& part, ex::Group& group, const ex::ParseContext&)
{
    constexpr std::size_t kKeywordLength = 9;  // "..ALTCELL"
    std::string sCell = ex::Mid(ex::TrimView(group[0]), kKeywordLength);
    ex::Trim(sCell);
    ex::RemoveChar(sCell, '"');
    part.saAltCells.push_back(std::move(sCell));
}

// A name or label; a "...DEFAULT" line below it marks the part default.
template <auto M>
void StoreValueThenDefault(P& part, ex::Group& group, const ex::ParseContext& ctx)
{
    ex::StoreValue<M>(part, group, ctx);
    for (std::size_t i = 1; i < group.size(); ++i)
        if (ex::StartsWithNoCase(ex::TrimView(group[i]), "...DEFAULT"))
            part.bDefault = 1;
}

// Slots, swap groups and symbols: their arrays take the sub-record whole.
template <auto pArray, auto pSetData>
void HandOnPart(P& part, ex::Group& group, const ex::ParseContext& ctx)
{
    ((part.*pArray)->*pSetData)(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog);
}

// Lines below a value line carry nothing the part keeps.
constexpr auto kPartLines = ex::MakeTable<P>({
    {"..ALTCELL", AddAltCell},
    {"..BOTTOMCELL", ex::StoreValue<&P::sBottomCell>},
    {"..DESC", ex::StoreValue<&P::sDesc>},
    {"..LABEL", StoreValueThenDefault<&P::sLabel>},
    {"..MODIFIED", ex::StoreValue<&P::sModified>},
    {"..NAME", StoreValueThenDefault<&P::sName>},
    {"..PROP", ex::AppendValue<&P::saProps>},
    {"..REFPREFIX", ex::StoreValue<&P::sRefPrefix>},
    {"..SLOTS", HandOnPart<&P::pSlotArray, &CExPartDataSlotArray::SetSlotData_InPart>},
    {"..SWAPGROUP", HandOnPart<&P::pSwapGrpArray, &CExPartDataSwapGrpArray::SetSwapGrpData_InPart>},
    {"..SYMBOL", HandOnPart<&P::pSymbolArray, &CExPartDataSymbolArray::SetSymbolData_InPart>},
    {"..TOPCELL", ex::StoreValue<&P::sTopCell>},
});

} // namespace

CExPartData::CExPartData()
    : pSwapGrpArray(new CExPartDataSwapGrpArray),
      pSymbolArray(new CExPartDataSymbolArray),
      pSlotArray(new CExPartDataSlotArray)
{
}

CExPartData::~CExPartData()
{
    delete pSwapGrpArray;
    delete pSymbolArray;
    delete pSlotArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPartData);

CExPartDataArray::~CExPartDataArray() { DeleteAll(); }

void CExPartData::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                                   CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    ex::ParseGroup(kPartLines, *this, saSubRecord, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0});
}

void CExPartDataArray::SetPartData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                                   CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    // Sub-records are always logged with flag 1, whatever the record's flag.
    ex::AddNamedRecord(*this, saRecord, &P::sNumber, ex::kPartSubRecordRule,
                       ex::ToSubRecords({sContext, 1, pIgnoreLog, pNotUsedLog, 1.0}));
}
