#include "parts/ExLibPart.h"

#include <string_view>

#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "parts/ExPartData.h"

namespace {

enum class LibPartRecord { Header, Units, Number };

constexpr ex::KeywordRow<LibPartRecord> kLibPartRecords[] = {
    {".CREATOR", LibPartRecord::Header},  {".DATE", LibPartRecord::Header},
    {".FILETYPE", LibPartRecord::Header}, {".NOTATION", LibPartRecord::Header},
    {".VERSION", LibPartRecord::Header},  {".UNITS", LibPartRecord::Units},
    {".NUMBER", LibPartRecord::Number},
};

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
    // The reader hands over an empty record before the first one of a file.
    if (saRecord.empty())
        return;
    std::string sFirst(ex::TrimView(saRecord[0]));
    const auto* row = ex::MatchKeyword(kLibPartRecords, sFirst);
    if (!row) {
        pNotUsedLog->SetIgnoreArray(saRecord, std::move(sFirst), 1);
        return;
    }
    switch (row->action) {
    case LibPartRecord::Header:
        pIgnoreLog->SetIgnoreArray(saRecord, std::move(sFirst), 1);
        break;
    case LibPartRecord::Units:
        sUnits = ex::ToUpper(ex::KeywordValueView(sFirst));
        break;
    case LibPartRecord::Number:
        pPartDataArray->SetPartData(saRecord, std::move(sFirst), 1, pIgnoreLog, pNotUsedLog);
        break;
    }
    saRecord.clear();
}
