#include "netclass/ExNetConnection.h"

#include <string_view>

#include "core/ExTemporary.h"
#include "core/GroupTable.h"
#include "netclass/ExRefPin.h"

namespace {

void LogIgnored(CExNetConnectionArray& array, ex::Group& record, const ex::ParseContext& ctx)
{
    array.pIgnoreLog->SetIgnoreArray(record, ctx.sContext, 1);
}

// Header and section records: logged as ignored, or dropped.
constexpr auto kConnectionRecords = ex::MakeTable<CExNetConnectionArray>({
    {".FILETYPE", LogIgnored},
    {".VERSION", LogIgnored},
    {".CREATOR", LogIgnored},
    {".DATE", LogIgnored},
    {".UNITS", nullptr},
    {".PHYSICAL_LAYERS", nullptr},
    {".PADSTACK_TECHNOLOGY", LogIgnored},
    {".DESIGN_UNITS", nullptr},
    {".VP_UNITS", LogIgnored},
    {".DESIGN_FLAGS", LogIgnored},
    {".DESIGN_VERSION", LogIgnored},
    {".DRC_TEARDROPS_CLEARANCE", LogIgnored},
    {".GERBER_PLOT_SETUP_FILE", LogIgnored},
    {".TEST_POINT_REFDES_PREFIX", LogIgnored},
    {".TEST_POINT_TEST_SIDE", LogIgnored},
    {".USER_DEFINED_LAYERS_SECTION", LogIgnored},
    {".VIA_SPANS_SECTION", nullptr},
    {".LAYER_STACKUP_SECTION", nullptr},
    {".ALLOW_BURIED_RESISTORS", LogIgnored},
    {".SUBSTRATE_TOP", LogIgnored},
    {".TECHNOLOGY_SECTION", LogIgnored},
    {".GENERAL_ROUTE_SECTION", LogIgnored},
    {".INTERACTIVE_ROUTE_SECTION", LogIgnored},
    {".GLOSS_SECTION", LogIgnored},
    {".GENERAL_PART_SECTION", LogIgnored},
    {".PART_PLACEMENT_SECTION", LogIgnored},
    {".PAD_ENTRY_SECTION", LogIgnored},
    {".GRIDS_SECTION", LogIgnored},
    {".FILTERED_NETS_SECTION", LogIgnored},
    {".TUNING_SECTION", LogIgnored},
    {".JUMPERS_SECTION", LogIgnored},
    {".AREA_FILL_PARAMETERS_SECTION", LogIgnored},
    {".AUTO_ROUTE_SECTION", LogIgnored},
    {".SIMULATOR_CONTROL_SECTION", LogIgnored},
    {".TP_ASSIGNMENT_SECTION", LogIgnored},
});

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
    ex::TakeRecord<CExNetConnectionArray>({kConnectionRecords}, *this, saRecord,
                                          {{}, 1, pIgnoreLog, pNotUsedLog, 1.0});
}
