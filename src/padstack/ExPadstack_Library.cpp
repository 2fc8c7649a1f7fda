#include "padstack/ExPadstack_Library.h"

#include <string_view>
#include <utility>

#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "padstack/ExCustom_Drill_Symbol.h"
#include "padstack/ExHole.h"
#include "padstack/ExPad.h"
#include "padstack/ExPadstack.h"

namespace {

enum class LibraryRecord { Drop, CustomDrillSymbol, Hole, OutputInDbUnits, Padstack, Pad, Units, Version };

// ".PADSTACK" before ".PAD": every PADSTACK keyword (".PADSTACK_TECHNOLOGY"
// too) is a padstack record.
constexpr ex::KeywordRow<LibraryRecord> kLibraryRecords[] = {
    {".CREATOR", LibraryRecord::Drop},
    {".CUSTOM_DRILL_SYMBOL", LibraryRecord::CustomDrillSymbol},
    {".DATE", LibraryRecord::Drop},
    {".FILETYPE", LibraryRecord::Drop},
    {".HOLE", LibraryRecord::Hole},
    {".JOB", LibraryRecord::Drop},
    {".OUTPUT_IN_DB_UNITS", LibraryRecord::OutputInDbUnits},
    {".PADSTACK", LibraryRecord::Padstack},
    {".PAD", LibraryRecord::Pad},
    {".SCHEMA_VERSION", LibraryRecord::Drop},
    {".UNITS", LibraryRecord::Units},
    {".VERSION", LibraryRecord::Version},
};

// Unit words and their row/column in kScale. "TH" is a thousandth of an inch
// here, the same length as "MIL", so it shares MIL's row and column.
struct UnitWord {
    std::string_view sWord;
    int nIndex;
};
constexpr UnitWord kUnitWords[] = {{"MM", 0}, {"TH", 1}, {"MIL", 1}, {"IN", 2}, {"UM", 3}};

// kScale[target][file]. Conversions into micrometres are not made.
constexpr double kScale[4][4] = {
    {1.0, 0.0254, 25.4, 0.001},
    {39.37007874015748, 1.0, 1000.0, 0.03937007874015748},
    {0.03937007874015748, 0.001, 1.0, 3.937007874015748e-05},
    {1.0, 1.0, 1.0, 1.0},
};

int UnitIndex(const std::string& sWord)
{
    for (const UnitWord& u : kUnitWords)
        if (u.sWord == sWord)
            return u.nIndex;
    return -1;
}

} // namespace

CExPadstack_Library::CExPadstack_Library()
    : pCustomDrillSymbolArray(new CExCustom_Drill_SymbolArray), pPadstackArray(new CExPadstackArray),
      pHoleArray(new CExHoleArray), pPadArray(new CExPadArray), pIgnoreLog(new CExTemporaryArray),
      pNotUsedLog(new CExTemporaryArray)
{
}

CExPadstack_Library::~CExPadstack_Library()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
    delete pHoleArray;
    delete pPadArray;
    delete pPadstackArray;
    delete pCustomDrillSymbolArray;
}

void CExPadstack_Library::SetData(std::vector<std::string>& saRecord, std::string sUnitsString)
{
    // The reader hands over an empty record before the first one of a file.
    if (saRecord.empty())
        return;
    std::string sHeader(ex::TrimView(saRecord[0]));
    const auto* row = ex::MatchKeyword(kLibraryRecords, sHeader);
    if (!row) {
        pNotUsedLog->SetIgnoreArray(saRecord, std::move(sHeader), 1);
        return;
    }
    switch (row->action) {
    case LibraryRecord::Drop:
        break;
    case LibraryRecord::CustomDrillSymbol:
        pCustomDrillSymbolArray->SetData(saRecord, std::move(sHeader), 1, pIgnoreLog, pNotUsedLog, dScale);
        break;
    case LibraryRecord::Hole:
        pHoleArray->SetData(saRecord, std::move(sHeader), 1, pIgnoreLog, pNotUsedLog, dScale);
        break;
    case LibraryRecord::OutputInDbUnits:
        sOutputInDbUnits = ex::ToUpper(ex::KeywordValueView(sHeader));
        break;
    case LibraryRecord::Padstack:
        pPadstackArray->SetData(saRecord, std::move(sHeader), 1, pIgnoreLog, pNotUsedLog, sPadstackTechnology,
                                dScale);
        break;
    case LibraryRecord::Pad:
        pPadArray->SetData(saRecord, std::move(sHeader), 1, pIgnoreLog, pNotUsedLog, dScale);
        break;
    case LibraryRecord::Units:
        // Applies to every record after it, in later files too until their
        // own ".UNITS" line.
        sUnits = ex::ToUpper(ex::KeywordValueView(sHeader));
        dScale = sUnitsString == sUnits ? 1.0 : GetScaleValue(sUnitsString, sUnits);
        break;
    case LibraryRecord::Version:
        sVersion = ex::ToUpper(ex::KeywordValueView(sHeader));
        break;
    }
    saRecord.clear();
}

double CExPadstack_Library::GetScaleValue(std::string sTargetUnits, std::string sFileUnits)
{
    if (sTargetUnits == sFileUnits)
        return 1.0;
    const int nTarget = UnitIndex(sTargetUnits);
    const int nFile = UnitIndex(sFileUnits);
    if (nTarget < 0 || nFile < 0)
        return 1.0;
    return kScale[nTarget][nFile];
}

CExCustom_Drill_Symbol* CExPadstack_Library::pGetCustom_Drill_Symbol(std::string sName) const
{
    for (CExCustom_Drill_Symbol* pSymbol : *pCustomDrillSymbolArray)
        if (pSymbol && pSymbol->sName == sName)
            return pSymbol;
    return nullptr;
}
