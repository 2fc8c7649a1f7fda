#include "jobprefs/ExJobPreferences.h"

#include <string_view>

#include "core/ExTemporary.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "jobprefs/ExJobPreferenceVia.h"
#include "jobprefs/ExLayer_Stackup.h"

namespace {

enum class RecordAction { Skip, Units, PhysicalLayers, DesignUnits, ViaSpans, LayerStackup };

// Top-level keywords, tested in order on the record's first line; the first
// that begins the line decides (".JOB" also takes ".JOBNAME").
constexpr ex::KeywordRow<RecordAction> kRecordKeywords[] = {
    {".FILETYPE", RecordAction::Skip},
    {".VERSION", RecordAction::Skip},
    {".CREATOR", RecordAction::Skip},
    {".DATE", RecordAction::Skip},
    {".JOB", RecordAction::Skip},
    {".UNITS", RecordAction::Units},
    {".PHYSICAL_LAYERS", RecordAction::PhysicalLayers},
    {".PADSTACK_TECHNOLOGY", RecordAction::Skip},
    {".DESIGN_UNITS", RecordAction::DesignUnits},
    {".VP_UNITS", RecordAction::Skip},
    {".DESIGN_FLAGS", RecordAction::Skip},
    {".DESIGN_VERSION", RecordAction::Skip},
    {".DRC_TEARDROPS_CLEARANCE", RecordAction::Skip},
    {".GERBER_PLOT_SETUP_FILE", RecordAction::Skip},
    {".TEST_POINT_REFDES_PREFIX", RecordAction::Skip},
    {".TEST_POINT_TEST_SIDE", RecordAction::Skip},
    {".USER_DEFINED_LAYERS_SECTION", RecordAction::Skip},
    {".VIA_SPANS_SECTION", RecordAction::ViaSpans},
    {".LAYER_STACKUP_SECTION", RecordAction::LayerStackup},
    {".ALLOW_BURIED_RESISTORS", RecordAction::Skip},
    {".SUBSTRATE_TOP", RecordAction::Skip},
    {".TEST_POINT_CELL_NAME", RecordAction::Skip},
    {".TECHNOLOGY_SECTION", RecordAction::Skip},
    {".GENERAL_ROUTE_SECTION", RecordAction::Skip},
    {".INTERACTIVE_ROUTE_SECTION", RecordAction::Skip},
    {".GLOSS_SECTION", RecordAction::Skip},
    {".GENERAL_PART_SECTION", RecordAction::Skip},
    {".PART_PLACEMENT_SECTION", RecordAction::Skip},
    {".PAD_ENTRY_SECTION", RecordAction::Skip},
    {".GRIDS_SECTION", RecordAction::Skip},
    {".FILTERED_NETS_SECTION", RecordAction::Skip},
    {".TUNING_SECTION", RecordAction::Skip},
    {".JUMPERS_SECTION", RecordAction::Skip},
    {".AREA_FILL_PARAMETERS_SECTION", RecordAction::Skip},
    {".AUTO_ROUTE_SECTION", RecordAction::Skip},
    {".SIMULATOR_CONTROL_SECTION", RecordAction::Skip},
    {".TP_ASSIGNMENT_SECTION", RecordAction::Skip},
    {".TEST_POINT_OBSTRUCTS", RecordAction::Skip},
    {".TEST_POINT_PLACEMENT_GRID", RecordAction::Skip},
};

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
    if (saRecord.empty())
        return;
    const std::string_view first = ex::TrimView(saRecord[0]);
    const auto* row = ex::MatchKeyword(kRecordKeywords, first);
    if (row == nullptr) {
        pNotUsedLog->SetIgnoreArray(saRecord, std::string(first), 1);
        return;
    }
    // Values keep their quotes here; the units are stored upper case.
    switch (row->action) {
    case RecordAction::Units:
        sUnits = ex::ToUpper(ex::KeywordValueView(first));
        break;
    case RecordAction::PhysicalLayers:
        nPhysicalLayers = ex::Atoi(ex::KeywordValueView(first));
        break;
    case RecordAction::DesignUnits:
        sDesignUnits = ex::ToUpper(ex::KeywordValueView(first));
        break;
    case RecordAction::ViaSpans:
        pViaArray->SetData(saRecord, pIgnoreLog, pNotUsedLog);
        break;
    case RecordAction::LayerStackup:
        pLayerStackupArray->SetData(saRecord, pIgnoreLog, pNotUsedLog);
        break;
    case RecordAction::Skip:
        break;
    }
    saRecord.clear();
}
