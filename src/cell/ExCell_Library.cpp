#include "cell/ExCell_Library.h"

#include <string_view>

#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "padstack/ExPadstack_Library.h"

namespace {

enum class Record {
    Skip,
    DrawingCell,
    MechanicalCell,
    OutputInDbUnits,
    PackageCell,  // ".PACKAGE_CELL_FROM_LIB" too: it begins with ".PACKAGE_CELL"
    PanelCell,
    ReUseCircuitCell,
    Version,
    Units,
};

constexpr ex::KeywordRow<Record> kRecords[] = {
    {".FILETYPE", Record::Skip},
    {".CREATOR", Record::Skip},
    {".DATE", Record::Skip},
    {".DRAWING_CELL", Record::DrawingCell},
    {".MECHANICAL_CELL", Record::MechanicalCell},
    {".OUTPUT_IN_DB_UNITS", Record::OutputInDbUnits},
    {".PACKAGE_CELL", Record::PackageCell},
    {".PANEL_CELL", Record::PanelCell},
    {".REUSABLE_CIRCUIT_CELL", Record::ReUseCircuitCell},
    {".VERSION", Record::Version},
    {".UNITS", Record::Units},
};

// Header values are kept in upper case, quotes and all.
std::string HeaderValue(std::string_view line) { return ex::ToUpper(ex::KeywordValueView(line)); }

} // namespace

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
    if (saRecord.empty())
        return;
    const std::string_view head = ex::TrimView(saRecord[0]);
    const auto* row = ex::MatchKeyword(kRecords, head);
    if (row == nullptr) {
        pNotUsedLog->SetIgnoreArray(saRecord, std::string(head), 1);
        return;
    }
    // Every cell array takes the whole record; the cell parsers read no unit.
    auto readCell = [&](auto* pCellArray) { pCellArray->SetData(saRecord, "", pIgnoreLog, pNotUsedLog, dScale); };
    switch (row->action) {
    case Record::Skip:
        break;
    case Record::DrawingCell:
        readCell(pDrawingCellArray);
        break;
    case Record::MechanicalCell:
        readCell(pMechanicalCellArray);
        break;
    case Record::OutputInDbUnits:
        sOutputInDbUnits = HeaderValue(head);
        break;
    case Record::PackageCell:
        readCell(pPackageCellArray);
        break;
    case Record::PanelCell:
        readCell(pPanelCellArray);
        break;
    case Record::ReUseCircuitCell:
        readCell(pReUseCircuitCellArray);
        break;
    case Record::Version:
        sVersion = HeaderValue(head);
        break;
    case Record::Units:
        sUnits = HeaderValue(head);
        dScale = sUnitsString == sUnits ? 1.0 : CExPadstack_Library::GetScaleValue(sUnitsString, sUnits);
        break;
    }
    saRecord.clear();
}
