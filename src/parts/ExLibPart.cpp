#include "parts/ExLibPart.h"

#include "core/ExTemporary.h"
#include "core/GroupTable.h"
#include "parts/ExPartData.h"

namespace {

using L = CExLibPart;

void LogHeader(L& lib, ex::Group& record, const ex::ParseContext& ctx)
{
    lib.pIgnoreLog->SetIgnoreArray(record, ctx.sContext, 1);
}

void AddPart(L& lib, ex::Group& record, const ex::ParseContext& ctx)
{
    lib.pPartDataArray->SetPartData(record, ctx.sContext, 1, lib.pIgnoreLog, lib.pNotUsedLog);
}

constexpr auto kLibPartRecords = ex::MakeTable<L>({
    {".CREATOR", LogHeader}, {".DATE", LogHeader},    {".FILETYPE", LogHeader},
    {".NOTATION", LogHeader}, {".VERSION", LogHeader}, {".UNITS", ex::StoreUpper<&L::sUnits>},
    {".NUMBER", AddPart},
});

} // namespace

CExLibPart::CExLibPart()
    : pPartDataArray(new CExPartDataArray), pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray)
{
}

CExLibPart::~CExLibPart()
{
    delete pPartDataArray;
    delete pIgnoreLog;
    delete pNotUsedLog;
}

void CExLibPart::SetData(std::vector<std::string>& saRecord)
{
    ex::TakeRecord<L>({kLibPartRecords}, *this, saRecord, {{}, 1, pIgnoreLog, pNotUsedLog, 1.0});
}
