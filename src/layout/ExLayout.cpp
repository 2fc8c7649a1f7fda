#include "layout/ExLayout.h"

#include <iterator>
#include <span>
#include <string_view>
#include <utility>

#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "cell/ExTooling_Hole.h"
#include "core/ExTemporary.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "graphics/ExDimension.h"
#include "graphics/ExDimension_Setting.h"
#include "graphics/ExFiducial.h"
#include "graphics/ExGraphic.h"
#include "graphics/ExMC_SolderMask.h"
#include "graphics/ExMounting_Hole.h"
#include "graphics/ExObstruct.h"
#include "graphics/ExPlacement_Keepout.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "graphics/ExSolder_Paste.h"
#include "layout/ExContour.h"
#include "layout/ExDesignRule_Area.h"
#include "layout/ExNet.h"
#include "layout/ExPanel_Board_Instance.h"
#include "layout/ExPlane_Lyr.h"
#include "layout/ExTearDrop_Template.h"
#include "layout/ExText.h"
#include "padstack/ExPadstack_Library.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"

namespace {

using Record = std::vector<std::string>;

// One record on its way to its parser.
struct Dispatch {
    CExLayout& layout;
    Record& record;
    std::string context;       // the row's context text, or the record's first line
    const std::string& units;  // the design's unit word
};

using Handler = void (*)(Dispatch&);

// The parser families of the layout. Every parser gets the flag 1, the two
// logs and the unit scale factor as they stand when the record arrives.

// Shape blocks at level 2 into one of the layout's draw-object arrays.
template <CExDrawObjArray* CExLayout::*Member>
void Shapes(Dispatch& d)
{
    CExLayout& l = d.layout;
    (l.*Member)->SetDObjData_InCell(2, d.record, std::move(d.context), 1, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
}

// Graphic records, dimensions and texts: parsers told that the record's own
// keyword line stands at level 1.
template <auto Member, auto Method>
void AtLevel1(Dispatch& d)
{
    CExLayout& l = d.layout;
    ((l.*Member)->*Method)(1, d.record, std::move(d.context), 1, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
}

// Parsers of a whole record with context and flag.
template <auto Member, auto Method>
void Whole(Dispatch& d)
{
    CExLayout& l = d.layout;
    ((l.*Member)->*Method)(d.record, std::move(d.context), 1, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
}

// Cells and nets take the file's unit word, which they do not read.
template <auto Member>
void WithUnits(Dispatch& d)
{
    CExLayout& l = d.layout;
    (l.*Member)->SetData(d.record, l.sUnits, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
}

template <int Which>
void Origin(Dispatch& d)
{
    CExLayout& l = d.layout;
    l.SetOriginData(Which, d.record, std::move(d.context), 1, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
}

void AssemblyOutline(Dispatch& d)
{
    CExLayout& l = d.layout;
    l.SetAssemblyOutlineData(d.record, std::move(d.context), 1, l.pIgnoreLog, l.pNotUsedLog, l.dScale);
}

// Header values are kept upper-cased.
template <std::string CExLayout::*Member, ex::Quotes Q>
void Header(Dispatch& d)
{
    std::string value = ex::ToUpper(ex::KeywordValueView(ex::TrimView(d.record[0])));
    if (Q == ex::Quotes::Remove)
        ex::RemoveChar(value, '"');
    d.layout.*Member = std::move(value);
}

// The factor applies to the records that follow; the file's units are
// compared with the design's exactly.
void Units(Dispatch& d)
{
    Header<&CExLayout::sUnits, ex::Quotes::Keep>(d);
    CExLayout& l = d.layout;
    l.dScale = d.units == l.sUnits ? 1.0 : CExPadstack_Library::GetScaleValue(d.units, l.sUnits);
}

void NotUsed(Dispatch& d) { d.layout.pNotUsedLog->SetIgnoreArray(d.record, std::move(d.context), 1); }

constexpr int kAnyNetFlag = -1;

struct LayoutAction {
    Handler handler = nullptr;        // null: the record is dropped without a trace
    bool bWithoutFirstLine = false;   // the keyword line is removed before the handler runs
    const char* sContext = nullptr;   // null: the record's first line as written
    int nNetFlag = kAnyNetFlag;       // the row applies only while the remove-net flag has this value
};

using LayoutRow = ex::KeywordRow<LayoutAction>;
using L = CExLayout;
using ex::Quotes;

// Where one keyword begins another the longer one comes first
// (".DIMENSION_SETTINGS" and ".DIMENSION_ORIGIN" before ".DIMENSION"); any
// keyword that begins with ".NET" is a net.
constexpr LayoutRow kLayoutRows[] = {
    {".ASSEMBLY_OUTLINE", {AssemblyOutline, true, ".ASSEMBLY_OUTLINE"}},
    {".BOARD_ORIGIN", {Origin<0>, true, ".BOARD_ORIGIN"}},
    {".BOARD_OUTLINE", {Shapes<&L::pBoardOutline>, true, ".BOARD_OUTLINE"}},
    {".BREAKOUT_TEMPLATE", {}},
    {".CREATOR", {}},
    {".CONTOUR", {Whole<&L::pContourArray, &CExContourArray::SetContourData>}},
    {".DATE", {Header<&L::sDate, Quotes::Remove>}},
    {".DESIGN_RULE_AREA",
     {Whole<&L::pDesignRuleAreaArray, &CExDesignRule_AreaArray::SetDesignRule_AreaData>, false,
      ".DESIGN_RULE_AREA"}},
    {".DIMENSION_SETTINGS",
     {AtLevel1<&L::pDimensionSettingArray, &CExDimension_SettingArray::SetDimensionSettingData>, false,
      ".DIMENSION_SETTINGS"}},
    {".DIMENSION_ORIGIN", {}},
    {".DIMENSION", {AtLevel1<&L::pDimensionArray, &CExDimensionArray::SetDimensionData>, false, ".DIMENSION"}},
    {".DRAWING_CELL", {WithUnits<&L::pDrawingCellArray>}},
    {".DRILL_GRAPHIC", {Shapes<&L::pDrillGraphic>, true, ".DRILL_GRAPHIC"}},
    {".FIDUCIAL", {AtLevel1<&L::pFiducialArray, &CExFiducialArray::SetFiducialData>, false, "FIDUCIAL"}},
    {".FILETYPE", {}},
    {".GRAPHIC", {AtLevel1<&L::pGraphicArray, &CExGraphicArray::SetGraphicData>, false, ".GRAPHIC"}},
    {".GENERATED_DATA",
     {Whole<&L::pGeneratedDataArray, &CExPlane_LyrArray::SetPlaneLayerData>, true, ".GENERATED_DATA"}},
    {".TOOLING_HOLE", {Whole<&L::pToolingHoleArray, &CExTooling_HoleArray::SetTooling_HoleData_InLayout>}},
    {".JOB", {Header<&L::sJobName, Quotes::Remove>}},
    {".MANUFACTURING_OUTLINE", {Shapes<&L::pManufacturingOutline>, true}},
    {".MECHANICAL_CELL", {WithUnits<&L::pMechanicalCellArray>}},
    {".MOUNTING_HOLE",
     {AtLevel1<&L::pMountingHoleArray, &CExMounting_HoleArray::SetMountingHoleData>, false, "MOUNTING_HOLE"}},
    {".NCDRILL_ORIGIN", {Origin<1>, true, ".NCDRILL_ORIGIN"}},
    {".NET", {WithUnits<&L::pNetArray>, false, nullptr, 0}},
    {".NET", {nullptr, false, nullptr, 1}},
    {".OBSTRUCT", {AtLevel1<&L::pObstructArray, &CExObstructArray::SetObstructData>, false, ".OBSTRUCT"}},
    {".PANEL_BORDER", {Shapes<&L::pPanelBorder>, true, ".PANEL_BORDER"}},
    {".PANEL_BOARD_INSTANCE",
     {Whole<&L::pPanelBoardInstanceArray, &CExPanel_Board_InstanceArray::SetPanel_Board_InstanceData>, false,
      ".PANEL_BOARD_INSTANCE"}},
    {".PANEL_CELL", {WithUnits<&L::pPanelCellArray>}},
    {".PANEL_ORIGIN", {Origin<2>, true, ".PANEL_ORIGIN"}},
    {".PANEL_OUTLINE", {Shapes<&L::pPanelOutline>, true, ".PANEL_OUTLINE"}},
    {".PACKAGE_CELL", {WithUnits<&L::pPackageCellArray>}},
    {".PLACEMENT_KEEPOUT",
     {AtLevel1<&L::pPlacementKeepoutArray, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData>, false,
      "PLACEMENT_KEEPOUT"}},
    {".ROUTE_OUTLINE", {Shapes<&L::pRouteOutline>, true, ".ROUTE_OUTLINE"}},
    {".REUSABLE_CIRCUIT_CELL", {WithUnits<&L::pReUseCircuitCellArray>}},
    {".SILKSCREEN_OUTLINE",
     {AtLevel1<&L::pSilkScreenOutlineArray, &CExSilkScreen_OutlineArray::SetSilkOutData>, false,
      "SILKSCREEN_OUTLINE"}},
    {".SOLDER_MASK",
     {AtLevel1<&L::pSolderMaskArray, &CExMC_SolderMaskArray::SetSolderMaskData>, false, "SOLDER_MASK"}},
    {".SOLDER_PASTE",
     {AtLevel1<&L::pSolderPasteArray, &CExSolder_PasteArray::SetSolderPaste>, false, "SOLDER_PASTE"}},
    {".TEARDROP_TEMPLATE",
     {Whole<&L::pTearDropTemplateArray, &CExTearDrop_TemplateArray::SetTearDrop_Templte>, false,
      "TEARDROP_TEMPLATE"}},
    {".TEXT", {AtLevel1<&L::pTextArray, &CExTextArray::SetTextData>, false, "TEXT"}},
    {".TEST_FIXTURE_OUTLINE", {Shapes<&L::pTestFixtureOutline>, true}},
    {".UPG_APS_DATA", {Whole<&L::pUpgApsDataArray, &CExPlane_LyrArray::SetPlaneLayerData>, true, ".UPG_APS_DATA"}},
    {".UNITS", {Units}},
    {".VERSION", {Header<&L::sVersion, Quotes::Keep>}},
    {"", {NotUsed}},  // every record no row above takes
};
static_assert(std::size(kLayoutRows) == 45);

// The first row for the line whose remove-net condition holds.
const LayoutRow* MatchLayoutRow(std::string_view line, int bRemoveNet)
{
    std::span<const LayoutRow> rows(kLayoutRows);
    const LayoutRow* row = ex::MatchKeyword(rows, line);
    while (row != nullptr && row->action.nNetFlag != kAnyNetFlag && row->action.nNetFlag != bRemoveNet)
        row = ex::MatchKeyword(rows.subspan(static_cast<std::size_t>(row - rows.data()) + 1), line);
    return row;
}

constexpr CExPtArray CExLayout::*kOrigins[] = {&CExLayout::ptsBoardOrigin, &CExLayout::ptsNcDrillOrigin,
                                               &CExLayout::ptsPanelOrigin};

} // namespace

CExLayout::CExLayout()
    : pMechanicalCellArray(new CExMechanical_CellArray),
      pDimensionSettingArray(new CExDimension_SettingArray),
      pDimensionArray(new CExDimensionArray),
      pGraphicArray(new CExGraphicArray),
      pObstructArray(new CExObstructArray),
      pPackageCellArray(new CExPackage_CellArray),
      pGeneratedDataArray(new CExPlane_LyrArray),
      pUpgApsDataArray(new CExPlane_LyrArray),
      pTextArray(new CExTextArray),
      pSilkScreenOutlineArray(new CExSilkScreen_OutlineArray),
      pMountingHoleArray(new CExMounting_HoleArray),
      pFiducialArray(new CExFiducialArray),
      pAssemblyOutlineShapes(new CExDrawObjArray),
      pAssemblyOutlineTexts(new CExTextArray),
      pRouteOutline(new CExDrawObjArray),
      pBoardOutline(new CExDrawObjArray),
      pDrawingCellArray(new CExDrawing_CellArray),
      pNetArray(new CExNetArray),
      pSolderMaskArray(new CExMC_SolderMaskArray),
      pTearDropTemplateArray(new CExTearDrop_TemplateArray),
      pPanelCellArray(new CExPanel_CellArray),
      pPanelOutline(new CExDrawObjArray),
      pPanelBorder(new CExDrawObjArray),
      pPanelBoardInstanceArray(new CExPanel_Board_InstanceArray),
      pContourArray(new CExContourArray),
      pPlacementKeepoutArray(new CExPlacement_KeepoutArray),
      pDesignRuleAreaArray(new CExDesignRule_AreaArray),
      pDrillGraphic(new CExDrawObjArray),
      pSolderPasteArray(new CExSolder_PasteArray),
      pReUseCircuitCellArray(new CExReUseCircuit_CellArray),
      pTestFixtureOutline(new CExDrawObjArray),
      pManufacturingOutline(new CExDrawObjArray),
      pToolingHoleArray(new CExTooling_HoleArray),
      pIgnoreLog(new CExTemporaryArray),
      pNotUsedLog(new CExTemporaryArray)
{
}

CExLayout::~CExLayout()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
    delete pMechanicalCellArray;
    delete pDimensionSettingArray;
    delete pDimensionArray;
    delete pGraphicArray;
    delete pObstructArray;
    delete pPackageCellArray;
    delete pGeneratedDataArray;
    delete pUpgApsDataArray;
    delete pTextArray;
    delete pSilkScreenOutlineArray;
    delete pMountingHoleArray;
    delete pFiducialArray;
    delete pAssemblyOutlineShapes;
    delete pAssemblyOutlineTexts;
    delete pRouteOutline;
    delete pBoardOutline;
    delete pDrawingCellArray;
    delete pNetArray;
    delete pSolderMaskArray;
    delete pTearDropTemplateArray;
    delete pPanelCellArray;
    delete pPanelOutline;
    delete pPanelBorder;
    delete pPanelBoardInstanceArray;
    delete pContourArray;
    delete pPlacementKeepoutArray;
    delete pDesignRuleAreaArray;
    delete pDrillGraphic;
    delete pSolderPasteArray;
    delete pReUseCircuitCellArray;
    delete pTestFixtureOutline;
    delete pManufacturingOutline;
    delete pToolingHoleArray;
}

void CExLayout::SetData(std::vector<std::string>& record, std::string units, int bRemoveNet)
{
    if (record.empty())
        return;
    std::string firstLine(ex::TrimView(record[0]));
    const LayoutRow* row = MatchLayoutRow(firstLine, bRemoveNet);
    if (row != nullptr && row->action.handler != nullptr) {
        const LayoutAction& action = row->action;
        // Once per record: linear in its lines however large it is.
        if (action.bWithoutFirstLine)
            record.erase(record.begin());
        Dispatch d{*this, record, action.sContext != nullptr ? std::string(action.sContext) : std::move(firstLine),
                   units};
        action.handler(d);
    }
    record.clear();
}

void CExLayout::SetOriginData(int which, std::vector<std::string>& record, std::string context, int flag,
                              CExTemporaryArray* /*ignoreLog*/, CExTemporaryArray* notUsedLog, double dScale)
{
    if (record.empty())
        return;
    const std::string_view line = ex::TrimView(record[0]);
    if (!ex::StartsWithNoCase(line, "..XY")) {
        if (notUsedLog != nullptr)
            notUsedLog->SetIgnoreArray(record, std::move(context), flag);
    } else if (which >= 0 && which < static_cast<int>(std::size(kOrigins))) {
        (this->*kOrigins[which]).SetPtDatas(std::string(ex::TrimView(line.substr(4))), dScale);
    }
    record.clear();
}

void CExLayout::SetAssemblyOutlineData(std::vector<std::string>& record, std::string context, int flag,
                                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    // A group is handed over only when the next one opens, so a "..SIDE"
    // line after a shape's lines still applies to that shape.
    std::string sSide;
    auto handOver = [&](std::vector<std::string>& group) {
        if (ex::StartsWithNoCase(ex::TrimView(group[0]), "..TEXT"))
            pAssemblyOutlineTexts->SetTextData(2, group, context, flag, ignoreLog, notUsedLog, dScale);
        else
            pAssemblyOutlineShapes->SetDObjData_Assembly(2, sSide, group, context, flag, ignoreLog, notUsedLog,
                                                         dScale);
    };
    ex::LineGrouper grouper(ex::GroupRule{2, 0, false}, handOver);
    for (std::string& line : record) {
        const std::string_view view = ex::TrimView(line);
        if (ex::StartsWith(view, "..SIDE")) {
            sSide = ex::KeywordValue(view);
            continue;
        }
        // Only texts and shapes open a group; other level-2 lines are dropped.
        if (ex::LeadingDots(view) == 2 && !ex::StartsWithNoCase(view, "..TEXT") && !ex::IsShapeLine(view, 2))
            continue;
        grouper.Add(line);
    }
    grouper.Finish();
    record.clear();
}
