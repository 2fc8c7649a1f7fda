#include "parts/ExPartDataSwapGrp.h"

#include <string_view>

#include "parts/PartGrouping.h"

namespace {

using G = CExPartDataSwapGrp;

// "...SWAPIDPROPERTIES" first: "...SWAPID" begins it.
constexpr auto kSwapGrpGroups = ex::MakeTable<G>({
    {"...SWAPIDPROPERTIES", nullptr},
    {"...SWAPID", ex::AppendValue<&G::saSwapIds>},
});

} // namespace

CExPartDataSwapGrp::~CExPartDataSwapGrp() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPartDataSwapGrp);

CExPartDataSwapGrpArray::~CExPartDataSwapGrpArray() { DeleteAll(); }

void CExPartDataSwapGrp::SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog)
{
    ex::ParseGroup(kSwapGrpGroups, *this, saGroup, {sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0});
}

void CExPartDataSwapGrpArray::SetSwapGrpData_InPart(std::vector<std::string>& saSubRecord, std::string sContext,
                                                    int nFlag, CExTemporaryArray* pIgnoreLog,
                                                    CExTemporaryArray* pNotUsedLog)
{
    ex::AddNamedRecord(
        *this, saSubRecord, &CExPartDataSwapGrp::sSwapGroup, ex::kPartGroupRule,
        ex::ToSubRecords({sContext, nFlag, pIgnoreLog, pNotUsedLog, 1.0}));
}
