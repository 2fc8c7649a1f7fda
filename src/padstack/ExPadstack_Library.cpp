#include "padstack/ExPadstack_Library.h"

#include <string_view>

#include "core/ExTemporary.h"
#include "core/GroupTable.h"
#include "padstack/ExCustom_Drill_Symbol.h"
#include "padstack/ExHole.h"
#include "padstack/ExPad.h"
#include "padstack/ExPadstack.h"

namespace {

using L = CExPadstack_Library;

// Element records: the array gets the record with the record's context.
template <auto pArray>
void AddLibraryElement(L& lib, ex::Group& record, const ex::ParseContext& ctx)
{
    (lib.*pArray)->SetData(record, ctx.sContext, 1, lib.pIgnoreLog, lib.pNotUsedLog, ctx.dScale);
}

void AddPadstack(L& lib, ex::Group& record, const ex::ParseContext& ctx)
{
    lib.pPadstackArray->SetData(record, ctx.sContext, 1, lib.pIgnoreLog, lib.pNotUsedLog, lib.sPadstackTechnology,
                                ctx.dScale);
}

// ".PADSTACK" before ".PAD": every PADSTACK keyword (".PADSTACK_TECHNOLOGY"
// too) is a padstack record. A ".UNITS" line applies to every record after
// it, in later files too until their own ".UNITS" line.
constexpr auto kLibraryRecords = ex::MakeTable<L>({
    {".CREATOR", nullptr},
    {".CUSTOM_DRILL_SYMBOL", AddLibraryElement<&L::pCustomDrillSymbolArray>},
    {".DATE", nullptr},
    {".FILETYPE", nullptr},
    {".HOLE", AddLibraryElement<&L::pHoleArray>},
    {".JOB", nullptr},
    {".OUTPUT_IN_DB_UNITS", ex::StoreUpper<&L::sOutputInDbUnits>},
    {".PADSTACK", AddPadstack},
    {".PAD", AddLibraryElement<&L::pPadArray>},
    {".SCHEMA_VERSION", nullptr},
    {".UNITS", ex::ReadUnits<&L::sUnits, &L::dScale, &L::GetScaleValue>},
    {".VERSION", ex::StoreUpper<&L::sVersion>},
});

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
    ex::TakeRecord<L>({kLibraryRecords}, *this, saRecord, {{}, 1, pIgnoreLog, pNotUsedLog, dScale, sUnitsString});
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
