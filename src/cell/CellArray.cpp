#include "cell/CellArray.h"

#include <memory>
#include <string_view>

#include "cell/ExDrawing_Cell.h"
#include "cell/ExMechanical_Cell.h"
#include "cell/ExPackage_Cell.h"
#include "cell/ExPackage_Pin.h"
#include "cell/ExPanel_Cell.h"
#include "cell/ExPlacement_Outline.h"
#include "cell/ExReUseCircuit_Cell.h"
#include "cell/ExTooling_Hole.h"
#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "graphics/ExAssembly_Outline.h"
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
#include "layout/ExRouteObj.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"

namespace {

// One bit per cell kind.
enum Kind : unsigned {
    P = 1U << 0,  // package
    R = 1U << 1,  // reusable circuit
    N = 1U << 2,  // panel
    M = 1U << 3,  // mechanical
    D = 1U << 4,  // drawing
    All = P | R | N | M | D,
};

template <class Cell>
constexpr unsigned kKindOf = 0;
template <>
constexpr unsigned kKindOf<CExPackage_Cell> = P;
template <>
constexpr unsigned kKindOf<CExReUseCircuit_Cell> = R;
template <>
constexpr unsigned kKindOf<CExPanel_Cell> = N;
template <>
constexpr unsigned kKindOf<CExMechanical_Cell> = M;
template <>
constexpr unsigned kKindOf<CExDrawing_Cell> = D;

enum class Field {
    Skip,
    AssemblyOutline,
    ComponentOptions,
    RouteObj,  // the type is the keyword without its dots
    DimensionSettings,
    Description,
    Dimension,
    DrillGraphic,
    Facement,
    Fiducial,
    History,
    Graphic,
    MountType,
    MountingHole,
    NumberLayers,
    Obstruct,
    PanelType,
    PackageGroup,
    Pin,
    PlacementKeepout,
    PlacementLyr,
    PlacementOutline,
    Rotation,
    SilkScreen,
    SolderMask,
    SolderPaste,
    Text,
    ToolingHole,
    XY,
};

// A level-2 keyword of a cell: what it does for the kinds that take it, and
// which kinds drop it silently. A kind in neither mask does not test the
// keyword at all, so the group may match a later row or fall to the log.
struct CellRow {
    std::string_view sKeyword;
    Field field;
    unsigned nTake;
    unsigned nSkip;
};

// In test order: "..DIMENSION_SETTINGS" before "..DIMENSION", "..PID" before "..PIN".
constexpr CellRow kCellRows[] = {
    {"..ASSEMBLY_OUTLINE", Field::AssemblyOutline, P | R | N | M, 0},
    {"..ASSEMBLY_ORIGIN", Field::Skip, 0, P | R | M | D},
    {"..CELL_TECHNOLOGY_SETTINGS", Field::Skip, 0, P | M},
    {"..CIRCUIT_ELEMENT_OF", Field::Skip, 0, P | M},
    {"..COMPONENT_OPTIONS", Field::ComponentOptions, All, 0},
    {"..CONDUCTIVE_AREA", Field::RouteObj, All, 0},
    {"..DIMENSION_SETTINGS", Field::DimensionSettings, P, 0},
    {"..DESCRIPTION", Field::Description, P | R | N | M, 0},
    {"..DIMENSION", Field::Dimension, P, 0},
    {"..DESIGN_RULE_AREA", Field::Skip, 0, P | R},
    {"..DRILL_GRAPHIC", Field::DrillGraphic, D, 0},
    {"..FACEMENT", Field::Facement, P | R | N | M, 0},
    {"..FIDUCIAL", Field::Fiducial, P | R | N | M, 0},
    {"..GLUESPOT", Field::Skip, 0, All},
    {"..HISTORY", Field::History, All, 0},
    {"..GRAPHIC", Field::Graphic, All, 0},
    {"..MOUNT_TYPE", Field::MountType, P | R, 0},
    {"..MOUNTING_HOLE", Field::MountingHole, P | R | N | M, 0},
    {"..NESTED_CELL", Field::Skip, 0, R},
    {"..NUMBER_LAYERS", Field::NumberLayers, All, 0},
    {"..OBSTRUCT", Field::Obstruct, All, 0},
    {"..PANEL_TYPE", Field::PanelType, N, 0},
    {"..PACKAGE_GROUP", Field::PackageGroup, P | R | N | M, 0},
    {"..PID", Field::Skip, 0, P | R | M | D},
    {"..PIN", Field::Pin, P | R | N, 0},
    {"..PLACEMENT_KEEPOUT", Field::PlacementKeepout, P | R | N | M, 0},
    {"..PLACEMENT_LYR", Field::PlacementLyr, P | R | N | M, 0},
    {"..PLACEMENT_OUTLINE", Field::PlacementOutline, All, 0},
    {"..PLANE_NOCONNECT", Field::Skip, 0, P},
    {"..PRIMARY_PART_GRID", Field::Skip, 0, P},
    {"..ROTATION", Field::Rotation, All, 0},
    {"..ROUTE_GRID", Field::Skip, 0, P},
    {"..SECONDARY_PART_GRID", Field::Skip, 0, P},
    {"..SILKSCREEN_OUTLINE", Field::SilkScreen, All, 0},
    {"..SOLDER_MASK", Field::SolderMask, All, 0},
    {"..SOLDER_PASTE", Field::SolderPaste, All, 0},
    {"..TEXT", Field::Text, All, 0},
    {"..TIMESTAMP", Field::Skip, 0, All},
    {"..TOOLING_HOLE", Field::ToolingHole, N, 0},
    {"..TRACE", Field::RouteObj, All, 0},
    {"..VIA", Field::RouteObj, All, 0},
    {"..XY", Field::XY, All, 0},
};

constexpr int kCellLevel = 2;
constexpr int kCellFlag = 1;
constexpr std::size_t kXYLength = 4;  // "..XY"

const CellRow* MatchCellRow(std::string_view line, unsigned nKind)
{
    for (const CellRow& row : kCellRows)
        if (((row.nTake | row.nSkip) & nKind) != 0 && ex::StartsWithNoCase(line, row.sKeyword))
            return &row;
    return nullptr;
}

// The graphic-object family, texts and dimensions share one form of call.
template <class Array, class Parse>
void ParseInto(Array* pArray, Parse parse, std::vector<std::string>& group, const ex::ParseContext& a)
{
    (pArray->*parse)(kCellLevel, group, a.sContext, a.nFlag, a.pIgnoreLog, a.pNotUsedLog, a.dScale);
}

template <class Cell>
void ReadPlacementKeepout(Cell& cell, std::vector<std::string>& group, const ex::ParseContext& a)
{
    if constexpr (requires { cell.pPlacementKeepoutArray; }) {
        ParseInto(cell.pPlacementKeepoutArray, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData, group, a);
    } else if constexpr (requires { cell.pPlacementKeepout; }) {
        // A mechanical cell keeps the last keepout; a panel's one keepout
        // takes every group.
        if constexpr (kKindOf<Cell> == M) {
            delete cell.pPlacementKeepout;
            cell.pPlacementKeepout = nullptr;
            cell.pPlacementKeepout = new CExPlacement_Keepout;
        }
        cell.pPlacementKeepout->SetKeepoutData(kCellLevel, group, a.sContext, a.nFlag, a.pIgnoreLog, a.pNotUsedLog,
                                               a.dScale);
    }
}

template <class Cell>
void ReadPlacementOutline(Cell& cell, std::vector<std::string>& group, const ex::ParseContext& a)
{
    if constexpr (requires { cell.pPlacementOutlineArray; }) {
        cell.pPlacementOutlineArray->SetPlaceOutData_InCell(group, a.sContext, a.nFlag, a.pIgnoreLog,
                                                            a.pNotUsedLog, a.dScale);
    } else if constexpr (kKindOf<Cell> == D) {
        // A drawing's one outline gathers the shapes and texts of every group.
        cell.pPlacementOutline->SetPlaceOutData(group, a.sContext, a.nFlag, a.pIgnoreLog, a.pNotUsedLog,
                                                a.dScale);
    } else {
        // Mechanical and panel cells keep the last one.
        CExPlacement_Outline* outline = CExPlacement_OutlineArray::NewPlaceOutData_InCell(
            group, a.sContext, a.nFlag, a.pIgnoreLog, a.pNotUsedLog, a.dScale);
        delete cell.pPlacementOutline;
        cell.pPlacementOutline = outline;
    }
}

// One level-2 group of a cell. The table's masks keep every field to the
// kinds that have its member; `if constexpr` only keeps the others compiling.
template <class Cell>
void SetCellSubRecord(Cell& cell, std::vector<std::string>& group, const ex::ParseContext& a)
{
    if (group.empty())
        return;
    const std::string_view head = ex::TrimView(group[0]);
    const CellRow* row = MatchCellRow(head, kKindOf<Cell>);
    if (row == nullptr || (row->nTake & kKindOf<Cell>) == 0) {
        if (row == nullptr)
            a.LogNotUsed(group);
        group.clear();
        return;
    }
    // Simple properties keep the value's quotes.
    auto value = [head] { return ex::KeywordValue(head, ex::Quotes::Keep); };

    switch (row->field) {
    case Field::Skip:
        break;
    case Field::AssemblyOutline:
        if constexpr (requires { cell.pAssemblyOutlineArray; })
            ParseInto(cell.pAssemblyOutlineArray, &CExAssembly_OutlineArray::SetAssemblyData, group, a);
        break;
    case Field::ComponentOptions:
        cell.saComponentOptions.push_back(value());
        break;
    case Field::RouteObj:
        cell.pRouteObjArray->SetRoutingData(group, a.sContext, a.nFlag, std::string(row->sKeyword.substr(2)),
                                            a.pIgnoreLog, a.pNotUsedLog, a.dScale);
        break;
    case Field::DimensionSettings:
        if constexpr (requires { cell.pDimensionSettingArray; })
            ParseInto(cell.pDimensionSettingArray, &CExDimension_SettingArray::SetDimensionSettingData, group, a);
        break;
    case Field::Description:
        if constexpr (requires { cell.sDescription; })
            cell.sDescription = value();
        break;
    case Field::Dimension:
        if constexpr (requires { cell.pDimensionArray; })
            ParseInto(cell.pDimensionArray, &CExDimensionArray::SetDimensionData, group, a);
        break;
    case Field::DrillGraphic:
        // The group's own line, at two dots, lies above the shape level and
        // is passed over by the shape parser.
        if constexpr (requires { cell.pDrillGraphicArray; })
            cell.pDrillGraphicArray->SetDObjData_InCell(3, group, a.sContext, a.nFlag, a.pIgnoreLog,
                                                        a.pNotUsedLog, a.dScale);
        break;
    case Field::Facement:
        if constexpr (requires { cell.sFacement; })
            cell.sFacement = value();
        break;
    case Field::Fiducial:
        if constexpr (requires { cell.pFiducialArray; })
            ParseInto(cell.pFiducialArray, &CExFiducialArray::SetFiducialData, group, a);
        break;
    case Field::History:
        cell.saHistory.push_back(value());
        break;
    case Field::Graphic:
        ParseInto(cell.pGraphicArray, &CExGraphicArray::SetGraphicData, group, a);
        break;
    case Field::MountType:
        if constexpr (requires { cell.sMountType; })
            cell.sMountType = value();
        break;
    case Field::MountingHole:
        if constexpr (requires { cell.pMountingHoleArray; })
            ParseInto(cell.pMountingHoleArray, &CExMounting_HoleArray::SetMountingHoleData, group, a);
        break;
    case Field::NumberLayers:
        cell.nNumberLayers = ex::Atoi(value());
        break;
    case Field::Obstruct:
        ParseInto(cell.pObstructArray, &CExObstructArray::SetObstructData, group, a);
        break;
    case Field::PanelType:
        if constexpr (requires { cell.sPanelType; })
            cell.sPanelType = value();
        break;
    case Field::PackageGroup:
        if constexpr (requires { cell.sPackageGroup; })
            cell.sPackageGroup = value();
        break;
    case Field::Pin:
        if constexpr (requires { cell.pPinArray; })
            cell.pPinArray->SetPinData_InCell(group, a.sContext, a.nFlag, a.pIgnoreLog, a.pNotUsedLog, a.dScale);
        break;
    case Field::PlacementKeepout:
        ReadPlacementKeepout(cell, group, a);
        break;
    case Field::PlacementLyr:
        if constexpr (requires { cell.sPlacementLyr; })
            cell.sPlacementLyr = value();
        break;
    case Field::PlacementOutline:
        ReadPlacementOutline(cell, group, a);
        break;
    case Field::Rotation:
        cell.dRotation = ex::Atof(value());
        break;
    case Field::SilkScreen:
        ParseInto(cell.pSilkScreenOutlineArray, &CExSilkScreen_OutlineArray::SetSilkOutData, group, a);
        break;
    case Field::SolderMask:
        ParseInto(cell.pSolderMaskArray, &CExMC_SolderMaskArray::SetSolderMaskData, group, a);
        break;
    case Field::SolderPaste:
        ParseInto(cell.pSolderPasteArray, &CExSolder_PasteArray::SetSolderPaste, group, a);
        break;
    case Field::Text:
        ParseInto(cell.pTextArray, &CExTextArray::SetTextData, group, a);
        break;
    case Field::ToolingHole:
        if constexpr (requires { cell.pToolingHoleArray; })
            cell.pToolingHoleArray->SetTooling_HoleData_InCell(group, a.sContext, a.nFlag, a.pIgnoreLog,
                                                               a.pNotUsedLog, a.dScale);
        break;
    case Field::XY:
        // The cell's own origin is read as written.
        cell.aXY.SetPtDatas(std::string(ex::TrimView(head.substr(kXYLength))), 1.0);
        break;
    }
    group.clear();
}

} // namespace

namespace ex {

template <class Cell>
CellArray<Cell>::~CellArray()
{
    this->DeleteAll();
}

template <class Cell>
void CellArray<Cell>::SetData(std::vector<std::string>& record, std::string /*cellUnits*/,
                              CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    if (record.empty())
        return;
    auto cell = std::make_unique<Cell>();
    const std::string context(TrimView(record[0]));
    cell->sCellName = KeywordValue(context);
    const ParseContext args{context, kCellFlag, ignoreLog, notUsedLog, dScale};
    GroupLines(record, 1, GroupRule{kCellLevel},
               [&](std::vector<std::string>& group) { SetCellSubRecord(*cell, group, args); });
    this->Add(cell.get());
    cell.release();
}

template <class Cell>
Cell* CellArray<Cell>::FindCell(const std::string& name) const
{
    for (Cell* cell : *this)
        if (cell != nullptr && cell->sCellName == name)
            return cell;
    return nullptr;
}

template <class Cell>
int CellArray<Cell>::IsExist(std::string name) const
{
    return FindCell(name) != nullptr ? 1 : 0;
}

template class CellArray<CExPackage_Cell>;
template class CellArray<CExReUseCircuit_Cell>;
template class CellArray<CExPanel_Cell>;
template class CellArray<CExMechanical_Cell>;
template class CellArray<CExDrawing_Cell>;

} // namespace ex
