#include "jobprefs/ExJobPreferences.h"

#include "core/ExTemporary.h"
#include "core/GroupTable.h"
#include "core/StringOps.h"
#include "jobprefs/ExJobPreferenceVia.h"
#include "jobprefs/ExLayer_Stackup.h"

namespace {

using J = CExJobPreferences;

// The via spans and the layer stackup read their section whole.
template <auto pArray>
void ReadSection(J& prefs, ex::Group& record, const ex::ParseContext&)
{
    (prefs.*pArray)->SetData(record, prefs.pIgnoreLog, prefs.pNotUsedLog);
}

// Top-level keywords, tested in order on the record's first line; the first
// that begins the line decides (".JOB" also takes ".JOBNAME"). Values keep
// their quotes here; the units are stored upper case.
constexpr auto kRecordKeywords = ex::MakeTable<J>({
    {".FILETYPE", nullptr},
    {".VERSION", nullptr},
    {".CREATOR", nullptr},
    {".DATE", nullptr},
    {".JOB", nullptr},
    {".UNITS", ex::StoreUpper<&J::sUnits>},
    {".PHYSICAL_LAYERS", ex::StoreInteger<&J::nPhysicalLayers, ex::Quotes::Keep>},
    {".PADSTACK_TECHNOLOGY", nullptr},
    {".DESIGN_UNITS", ex::StoreUpper<&J::sDesignUnits>},
    {".VP_UNITS", nullptr},
    {".DESIGN_FLAGS", nullptr},
    {".DESIGN_VERSION", nullptr},
    {".DRC_TEARDROPS_CLEARANCE", nullptr},
    {".GERBER_PLOT_SETUP_FILE", nullptr},
    {".TEST_POINT_REFDES_PREFIX", nullptr},
    {".TEST_POINT_TEST_SIDE", nullptr},
    {".USER_DEFINED_LAYERS_SECTION", nullptr},
    {".VIA_SPANS_SECTION", ReadSection<&J::pViaArray>},
    {".LAYER_STACKUP_SECTION", ReadSection<&J::pLayerStackupArray>},
    {".ALLOW_BURIED_RESISTORS", nullptr},
    {".SUBSTRATE_TOP", nullptr},
    {".TEST_POINT_CELL_NAME", nullptr},
    {".TECHNOLOGY_SECTION", nullptr},
    {".GENERAL_ROUTE_SECTION", nullptr},
    {".INTERACTIVE_ROUTE_SECTION", nullptr},
    {".GLOSS_SECTION", nullptr},
    {".GENERAL_PART_SECTION", nullptr},
    {".PART_PLACEMENT_SECTION", nullptr},
    {".PAD_ENTRY_SECTION", nullptr},
    {".GRIDS_SECTION", nullptr},
    {".FILTERED_NETS_SECTION", nullptr},
    {".TUNING_SECTION", nullptr},
    {".JUMPERS_SECTION", nullptr},
    {".AREA_FILL_PARAMETERS_SECTION", nullptr},
    {".AUTO_ROUTE_SECTION", nullptr},
    {".SIMULATOR_CONTROL_SECTION", nullptr},
    {".TP_ASSIGNMENT_SECTION", nullptr},
    {".TEST_POINT_OBSTRUCTS", nullptr},
    {".TEST_POINT_PLACEMENT_GRID", nullptr},
});

} // namespace

CExJobPreferences::CExJobPreferences()
    : pLayerStackupArray(new CExLayer_StackupArray),
      pViaArray(new CExJobPreferenceViaArray),
      pIgnoreLog(new CExTemporaryArray),
      pNotUsedLog(new CExTemporaryArray)
{
}

CExJobPreferences::~CExJobPreferences()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
    delete pLayerStackupArray;
    delete pViaArray;
}

void CExJobPreferences::SetData(std::vector<std::string>& saRecord)
{
    ex::TakeRecord<J>({kRecordKeywords}, *this, saRecord, {{}, 1, pIgnoreLog, pNotUsedLog, 1.0});
}
