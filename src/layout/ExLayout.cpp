#include "layout/ExLayout.h"

#include <iterator>
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
#include "layout/LayoutRecords.h"
#include "padstack/ExPadstack_Library.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"

namespace {

using L = CExLayout;
using ex::Quotes;

// The parser families of the layout. Every parser gets the flag 1, the two
// logs and the unit scale factor as they stand when the record arrives.

// Shape blocks at level 2 into one of the layout's draw-object arrays.
template <CExDrawObjArray* CExLayout::*Member>
void Shapes(L& l, ex::Group& record, const ex::ParseContext& ctx)
{
    (l.*Member)->SetDObjData_InCell(2, record, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                    ctx.dScale);
}

// Graphic records, dimensions and texts: parsers told that the record's own
// keyword line stands at level 1.
template <auto Member, auto Method>
constexpr ex::GroupAction<L> AtLevel1 = ex::HandOn<Member, Method, 1>;

// Parsers of a whole record with context and flag.
template <auto Member, auto Method>
void Whole(L& l, ex::Group& record, const ex::ParseContext& ctx)
{
    ((l.*Member)->*Method)(record, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

template <int Which>
void Origin(L& l, ex::Group& record, const ex::ParseContext& ctx)
{
    l.SetOriginData(Which, record, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

void AssemblyOutline(L& l, ex::Group& record, const ex::ParseContext& ctx)
{
    l.SetAssemblyOutlineData(record, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

// The remove-net flag chooses between the two ".NET" rows; a flag other than
// 0 or 1 takes neither, and its nets are logged as not used.
enum NetKind : unsigned { kNetsKept = 1U << 0, kNetsRemoved = 1U << 1, kNetsOther = 1U << 2 };

unsigned NetKindOf(int bRemoveNet)
{
    return bRemoveNet == 0 ? kNetsKept : bRemoveNet == 1 ? kNetsRemoved : kNetsOther;
}

// Context texts and dropped keyword lines as each parser has them.
constexpr ex::RowOptions Context(std::string_view sContext, bool bDropKeywordLine = false)
{
    return {.sContext = sContext, .bDropKeywordLine = bDropKeywordLine};
}
constexpr ex::RowOptions kDropKeywordLine{.bDropKeywordLine = true};

// Where one keyword begins another the longer one comes first
// (".DIMENSION_SETTINGS" and ".DIMENSION_ORIGIN" before ".DIMENSION"); any
// keyword that begins with ".NET" is a net. Header values are kept upper
// case; the ".UNITS" factor applies to the records that follow, the file's
// units compared with the design's exactly. Nets (unless removed) and placed
// package cells only add to their arrays and may be parsed on a helper.
constexpr auto kLayoutRows = ex::MakeTable<L>({
    {".ASSEMBLY_OUTLINE", AssemblyOutline, Context(".ASSEMBLY_OUTLINE", true)},
    {".BOARD_ORIGIN", Origin<0>, Context(".BOARD_ORIGIN", true)},
    {".BOARD_OUTLINE", Shapes<&L::pBoardOutline>, Context(".BOARD_OUTLINE", true)},
    {".BREAKOUT_TEMPLATE", nullptr},
    {".CREATOR", nullptr},
    {".CONTOUR", Whole<&L::pContourArray, &CExContourArray::SetContourData>},
    {".DATE", ex::StoreUpper<&L::sDate, Quotes::Remove>},
    {".DESIGN_RULE_AREA", Whole<&L::pDesignRuleAreaArray, &CExDesignRule_AreaArray::SetDesignRule_AreaData>,
     Context(".DESIGN_RULE_AREA")},
    {".DIMENSION_SETTINGS",
     AtLevel1<&L::pDimensionSettingArray, &CExDimension_SettingArray::SetDimensionSettingData>,
     Context(".DIMENSION_SETTINGS")},
    {".DIMENSION_ORIGIN", nullptr},
    {".DIMENSION", AtLevel1<&L::pDimensionArray, &CExDimensionArray::SetDimensionData>, Context(".DIMENSION")},
    {".DRAWING_CELL", ex::AddElement<&L::pDrawingCellArray>},
    {".DRILL_GRAPHIC", Shapes<&L::pDrillGraphic>, Context(".DRILL_GRAPHIC", true)},
    {".FIDUCIAL", AtLevel1<&L::pFiducialArray, &CExFiducialArray::SetFiducialData>, Context("FIDUCIAL")},
    {".FILETYPE", nullptr},
    {".GRAPHIC", AtLevel1<&L::pGraphicArray, &CExGraphicArray::SetGraphicData>, Context(".GRAPHIC")},
    {".GENERATED_DATA", Whole<&L::pGeneratedDataArray, &CExPlane_LyrArray::SetPlaneLayerData>,
     Context(".GENERATED_DATA", true)},
    {".TOOLING_HOLE", Whole<&L::pToolingHoleArray, &CExTooling_HoleArray::SetTooling_HoleData_InLayout>},
    {".JOB", ex::StoreUpper<&L::sJobName, Quotes::Remove>},
    {".MANUFACTURING_OUTLINE", Shapes<&L::pManufacturingOutline>, kDropKeywordLine},
    {".MECHANICAL_CELL", ex::AddElement<&L::pMechanicalCellArray>},
    {".MOUNTING_HOLE", AtLevel1<&L::pMountingHoleArray, &CExMounting_HoleArray::SetMountingHoleData>,
     Context("MOUNTING_HOLE")},
    {".NCDRILL_ORIGIN", Origin<1>, Context(".NCDRILL_ORIGIN", true)},
    {".NET", ex::AddElement<&L::pNetArray>, {.nKinds = kNetsKept}, ex::MoveElements<&L::pNetArray>},
    {".NET", nullptr, {.nKinds = kNetsRemoved}},
    {".OBSTRUCT", AtLevel1<&L::pObstructArray, &CExObstructArray::SetObstructData>, Context(".OBSTRUCT")},
    {".PANEL_BORDER", Shapes<&L::pPanelBorder>, Context(".PANEL_BORDER", true)},
    {".PANEL_BOARD_INSTANCE",
     Whole<&L::pPanelBoardInstanceArray, &CExPanel_Board_InstanceArray::SetPanel_Board_InstanceData>,
     Context(".PANEL_BOARD_INSTANCE")},
    {".PANEL_CELL", ex::AddElement<&L::pPanelCellArray>},
    {".PANEL_ORIGIN", Origin<2>, Context(".PANEL_ORIGIN", true)},
    {".PANEL_OUTLINE", Shapes<&L::pPanelOutline>, Context(".PANEL_OUTLINE", true)},
    {".PACKAGE_CELL", ex::AddElement<&L::pPackageCellArray>, {}, ex::MoveElements<&L::pPackageCellArray>},
    {".PLACEMENT_KEEPOUT",
     AtLevel1<&L::pPlacementKeepoutArray, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData>,
     Context("PLACEMENT_KEEPOUT")},
    {".ROUTE_OUTLINE", Shapes<&L::pRouteOutline>, Context(".ROUTE_OUTLINE", true)},
    {".REUSABLE_CIRCUIT_CELL", ex::AddElement<&L::pReUseCircuitCellArray>},
    {".SILKSCREEN_OUTLINE", AtLevel1<&L::pSilkScreenOutlineArray, &CExSilkScreen_OutlineArray::SetSilkOutData>,
     Context("SILKSCREEN_OUTLINE")},
    {".SOLDER_MASK", AtLevel1<&L::pSolderMaskArray, &CExMC_SolderMaskArray::SetSolderMaskData>,
     Context("SOLDER_MASK")},
    {".SOLDER_PASTE", AtLevel1<&L::pSolderPasteArray, &CExSolder_PasteArray::SetSolderPaste>,
     Context("SOLDER_PASTE")},
    {".TEARDROP_TEMPLATE", Whole<&L::pTearDropTemplateArray, &CExTearDrop_TemplateArray::SetTearDrop_Templte>,
     Context("TEARDROP_TEMPLATE")},
    {".TEXT", AtLevel1<&L::pTextArray, &CExTextArray::SetTextData>, Context("TEXT")},
    {".TEST_FIXTURE_OUTLINE", Shapes<&L::pTestFixtureOutline>, kDropKeywordLine},
    {".UPG_APS_DATA", Whole<&L::pUpgApsDataArray, &CExPlane_LyrArray::SetPlaneLayerData>,
     Context(".UPG_APS_DATA", true)},
    {".UNITS", ex::ReadUnits<&L::sUnits, &L::dScale, &CExPadstack_Library::GetScaleValue>},
    {".VERSION", ex::StoreUpper<&L::sVersion>},
});
static_assert(kLayoutRows.rows.size() == 44);

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

namespace ex {

RecordTable<CExLayout> LayoutRecords(int bRemoveNet)
{
    return {kLayoutRows, {.nKind = NetKindOf(bRemoveNet)}};
}

} // namespace ex

// A record no row takes is logged as not used.
void CExLayout::SetData(std::vector<std::string>& record, std::string units, int bRemoveNet)
{
    ex::TakeRecord(ex::LayoutRecords(bRemoveNet), *this, record, {{}, 1, pIgnoreLog, pNotUsedLog, dScale, units});
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
