#include "parts/ExPartData.h"

#include <string_view>

#include "core/GroupTable.h"
#include "core/KeywordTable.h"
#include "parts/ExPartDataSlot.h"
#include "parts/ExPartDataSwapGrp.h"
#include "parts/ExPartDataSymbol.h"
#include "parts/PartGrouping.h"

namespace {

enum class PartLine { AltCell, Value, ValueThenDefault, Prop, Slots, SwapGroup, Symbol };

struct PartAction {
    PartLine kind;
    std::string CExPartData::*pValue;  // the member a value line sets
};

constexpr ex::KeywordRow<PartAction> kPartLines[] = {
    {"..ALTCELL", {PartLine::AltCell, nullptr}},
    {"..BOTTOMCELL", {PartLine::Value, &CExPartData::sBottomCell}},
    {"..DESC", {PartLine::Value, &CExPartData::sDesc}},
    {"..LABEL", {PartLine::ValueThenDefault, &CExPartData::sLabel}},
    {"..MODIFIED", {PartLine::Value, &CExPartData::sModified}},
    {"..NAME", {PartLine::ValueThenDefault, &CExPartData::sName}},
    {"..PROP", {PartLine::Prop, nullptr}},
    {"..REFPREFIX", {PartLine::Value, &CExPartData::sRefPrefix}},
    {"..SLOTS", {PartLine::Slots, nullptr}},
    {"..SWAPGROUP", {PartLine::SwapGroup, nullptr}},
    {"..SYMBOL", {PartLine::Symbol, nullptr}},
    {"..TOPCELL", {PartLine::Value, &CExPartData::sTopCell}},
};

constexpr int kAltCellKeywordLength = 9;  // "..ALTCELL"

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
    const auto* row = ex::FindRowOrLog(kPartLines, saSubRecord, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0});
    if (!row)
        return;
    const std::string_view first = ex::TrimView(saSubRecord[0]);
    const PartAction& action = row->action;
    switch (action.kind) {
    case PartLine::AltCell: {
        // Cut by length, not at the blank: "..ALTCELLX" keeps its "X".
        std::string sCell = ex::Mid(first, kAltCellKeywordLength);
        ex::Trim(sCell);
        ex::RemoveChar(sCell, '"');
        saAltCells.push_back(std::move(sCell));
        break;
    }
    case PartLine::Value:
        this->*action.pValue = ex::KeywordValue(first);
        break;
    case PartLine::ValueThenDefault:
        this->*action.pValue = ex::KeywordValue(first);
        for (std::size_t i = 1; i < saSubRecord.size(); ++i)
            if (ex::StartsWithNoCase(ex::TrimView(saSubRecord[i]), "...DEFAULT"))
                bDefault = 1;
        break;
    case PartLine::Prop:
        saProps.push_back(ex::KeywordValue(first));
        break;
    case PartLine::Slots:
        pSlotArray->SetSlotData_InPart(saSubRecord, std::move(sContext), nFlag, pIgnoreLog, pNotUsedLog);
        break;
    case PartLine::SwapGroup:
        pSwapGrpArray->SetSwapGrpData_InPart(saSubRecord, std::move(sContext), nFlag, pIgnoreLog, pNotUsedLog);
        break;
    case PartLine::Symbol:
        pSymbolArray->SetSymbolData_InPart(saSubRecord, std::move(sContext), nFlag, pIgnoreLog, pNotUsedLog);
        break;
    }
    // Lines below a value line carry nothing the part keeps.
    saSubRecord.clear();
}

void CExPartDataArray::SetPartData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                                   CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    if (saRecord.empty())
        return;
    auto* pPart = new CExPartData;
    Add(pPart);
    pPart->sNumber = ex::KeywordValue(ex::TrimView(saRecord[0]));
    // Sub-records are always logged with flag 1, whatever the record's flag.
    ex::GroupLines(saRecord, 1, ex::kPartSubRecordRule, [&](std::vector<std::string>& saSubRecord) {
        pPart->SetSubRecordData(saSubRecord, sContext, 1, pIgnoreLog, pNotUsedLog);
    });
}
