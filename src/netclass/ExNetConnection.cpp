#include "netclass/ExNetConnection.h"

#include <string_view>

#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "netclass/ExRefPin.h"

namespace {

enum class ConnectionRecord { Ignore, Skip };

constexpr ex::KeywordRow<ConnectionRecord> kConnectionRecords[] = {
    {".FILETYPE", ConnectionRecord::Ignore},
    {".VERSION", ConnectionRecord::Ignore},
    {".CREATOR", ConnectionRecord::Ignore},
    {".DATE", ConnectionRecord::Ignore},
    {".UNITS", ConnectionRecord::Skip},
    {".PHYSICAL_LAYERS", ConnectionRecord::Skip},
    {".PADSTACK_TECHNOLOGY", ConnectionRecord::Ignore},
    {".DESIGN_UNITS", ConnectionRecord::Skip},
    {".VP_UNITS", ConnectionRecord::Ignore},
    {".DESIGN_FLAGS", ConnectionRecord::Ignore},
    {".DESIGN_VERSION", ConnectionRecord::Ignore},
    {".DRC_TEARDROPS_CLEARANCE", ConnectionRecord::Ignore},
    {".GERBER_PLOT_SETUP_FILE", ConnectionRecord::Ignore},
    {".TEST_POINT_REFDES_PREFIX", ConnectionRecord::Ignore},
    {".TEST_POINT_TEST_SIDE", ConnectionRecord::Ignore},
    {".USER_DEFINED_LAYERS_SECTION", ConnectionRecord::Ignore},
    {".VIA_SPANS_SECTION", ConnectionRecord::Skip},
    {".LAYER_STACKUP_SECTION", ConnectionRecord::Skip},
    {".ALLOW_BURIED_RESISTORS", ConnectionRecord::Ignore},
    {".SUBSTRATE_TOP", ConnectionRecord::Ignore},
    {".TECHNOLOGY_SECTION", ConnectionRecord::Ignore},
    {".GENERAL_ROUTE_SECTION", ConnectionRecord::Ignore},
    {".INTERACTIVE_ROUTE_SECTION", ConnectionRecord::Ignore},
    {".GLOSS_SECTION", ConnectionRecord::Ignore},
    {".GENERAL_PART_SECTION", ConnectionRecord::Ignore},
    {".PART_PLACEMENT_SECTION", ConnectionRecord::Ignore},
    {".PAD_ENTRY_SECTION", ConnectionRecord::Ignore},
    {".GRIDS_SECTION", ConnectionRecord::Ignore},
    {".FILTERED_NETS_SECTION", ConnectionRecord::Ignore},
    {".TUNING_SECTION", ConnectionRecord::Ignore},
    {".JUMPERS_SECTION", ConnectionRecord::Ignore},
    {".AREA_FILL_PARAMETERS_SECTION", ConnectionRecord::Ignore},
    {".AUTO_ROUTE_SECTION", ConnectionRecord::Ignore},
    {".SIMULATOR_CONTROL_SECTION", ConnectionRecord::Ignore},
    {".TP_ASSIGNMENT_SECTION", ConnectionRecord::Ignore},
};

} // namespace

CExNetConnection::CExNetConnection() : pRefPinArray(new CExRefPinArray) {}

CExNetConnection::CExNetConnection(const CExNetConnection& other)
    : pRefPinArray(other.pRefPinArray), sName(other.sName)
{
}

CExNetConnection& CExNetConnection::operator=(const CExNetConnection& other)
{
    if (pRefPinArray != other.pRefPinArray)
        delete pRefPinArray;
    pRefPinArray = other.pRefPinArray;
    sName = other.sName;
    return *this;
}

CExNetConnection::~CExNetConnection() { delete pRefPinArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExNetConnection);

CExNetConnectionArray::~CExNetConnectionArray() = default;

void CExNetConnectionArray::SetData(std::vector<std::string>& saRecord)
{
    if (saRecord.empty())
        return;
    std::string sFirst(ex::TrimView(saRecord[0]));
    const auto* row = ex::MatchKeyword(kConnectionRecords, sFirst);
    if (!row)
        pNotUsedLog->SetIgnoreArray(saRecord, std::move(sFirst), 1);
    else if (row->action == ConnectionRecord::Ignore)
        pIgnoreLog->SetIgnoreArray(saRecord, std::move(sFirst), 1);
    saRecord.clear();
}
