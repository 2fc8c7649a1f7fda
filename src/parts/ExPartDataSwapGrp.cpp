#include "parts/ExPartDataSwapGrp.h"

#include <string_view>

#include "core/KeywordTable.h"
#include "core/GroupTable.h"
#include "parts/PartGrouping.h"

namespace {

enum class SwapGrpGroup { Properties, SwapId };

// "...SWAPIDPROPERTIES" first: "...SWAPID" begins it.
constexpr ex::KeywordRow<SwapGrpGroup> kSwapGrpGroups[] = {
    {"...SWAPIDPROPERTIES", SwapGrpGroup::Properties},
    {"...SWAPID", SwapGrpGroup::SwapId},
};

} // namespace

CExPartDataSwapGrp::~CExPartDataSwapGrp() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPartDataSwapGrp);

CExPartDataSwapGrpArray::~CExPartDataSwapGrpArray() { DeleteAll(); }

void CExPartDataSwapGrp::SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    const auto* row = ex::FindRowOrLog(kSwapGrpGroups, saGroup, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0});
    if (!row)
        return;
    if (row->action == SwapGrpGroup::SwapId)
        saSwapIds.push_back(ex::KeywordValue(ex::TrimView(saGroup[0])));
    saGroup.clear();
}

void CExPartDataSwapGrpArray::SetSwapGrpData_InPart(std::vector<std::string>& saSubRecord, std::string sContext,
                                                    int nFlag, CExTemporaryArray* pIgnoreLog,
                                                    CExTemporaryArray* pNotUsedLog)
{
    ex::SetElementData_InPart(*this, saSubRecord, &CExPartDataSwapGrp::sSwapGroup, sContext, nFlag, pIgnoreLog,
                              pNotUsedLog);
}
