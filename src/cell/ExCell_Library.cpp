#include "cell/ExCell_Library.h"

#include <string_view>

#include "cell/CellLibraryRecords.h"
#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "core/ExTemporary.h"
#include "padstack/ExPadstack_Library.h"

namespace {

using C = CExCell_Library;

// Every cell array takes the whole record; the cell parsers read no unit.
// Package cells add only to their array and may be parsed on a helper.
// Header values are kept in upper case, quotes and all.
constexpr auto kRecords = ex::MakeTable<C>({
    {".FILETYPE", nullptr},
    {".CREATOR", nullptr},
    {".DATE", nullptr},
    {".DRAWING_CELL", ex::AddElement<&C::pDrawingCellArray>},
    {".MECHANICAL_CELL", ex::AddElement<&C::pMechanicalCellArray>},
    {".OUTPUT_IN_DB_UNITS", ex::StoreUpper<&C::sOutputInDbUnits>},
    // ".PACKAGE_CELL_FROM_LIB" too: it begins with ".PACKAGE_CELL"
    {".PACKAGE_CELL", ex::AddElement<&C::pPackageCellArray>, {}, ex::MoveElements<&C::pPackageCellArray>},
    {".PANEL_CELL", ex::AddElement<&C::pPanelCellArray>},
    {".REUSABLE_CIRCUIT_CELL", ex::AddElement<&C::pReUseCircuitCellArray>},
    {".VERSION", ex::StoreUpper<&C::sVersion>},
    {".UNITS", ex::ReadUnits<&C::sUnits, &C::dScale, &CExPadstack_Library::GetScaleValue>},
});

} // namespace

namespace ex {

RecordTable<CExCell_Library> CellLibraryRecords() { return {kRecords}; }

} // namespace ex

CExCell_Library::CExCell_Library()
    : pPackageCellArray(new CExPackage_CellArray), pMechanicalCellArray(new CExMechanical_CellArray),
      pDrawingCellArray(new CExDrawing_CellArray), pPanelCellArray(new CExPanel_CellArray),
      pReUseCircuitCellArray(new CExReUseCircuit_CellArray), pIgnoreLog(new CExTemporaryArray),
      pNotUsedLog(new CExTemporaryArray)
{
}

CExCell_Library::~CExCell_Library()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
    delete pPackageCellArray;
    delete pMechanicalCellArray;
    delete pDrawingCellArray;
    delete pPanelCellArray;
    delete pReUseCircuitCellArray;
}

void CExCell_Library::SetData(std::vector<std::string>& saRecord, std::string sUnitsString)
{
    ex::TakeRecord(ex::CellLibraryRecords(), *this, saRecord,
                   {{}, 1, pIgnoreLog, pNotUsedLog, dScale, sUnitsString});
}
