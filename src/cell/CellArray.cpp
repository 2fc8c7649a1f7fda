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

constexpr int kCellLevel = 2;
constexpr int kCellFlag = 1;
constexpr std::size_t kXYLength = 4;  // "..XY"

using ex::Group;
using ex::ParseContext;
using ex::Quotes;

// The graphic-object family, texts and dimensions share one form of call.
template <class Array, class Parse>
void ParseInto(Array* pArray, Parse parse, Group& group, const ParseContext& ctx)
{
    (pArray->*parse)(kCellLevel, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog, ctx.dScale);
}

// Members of the cells, each named once: Of(cell) is the member for the
// kinds that have it. The table's kinds keep every row to the kinds
// that have its member; the `if constexpr` only keeps the others compiling.
// clang-format off
struct AssemblyOutlines { static auto& Of(auto& c) requires requires { c.pAssemblyOutlineArray; } { return c.pAssemblyOutlineArray; } };
struct DimensionSettings { static auto& Of(auto& c) requires requires { c.pDimensionSettingArray; } { return c.pDimensionSettingArray; } };
struct Dimensions { static auto& Of(auto& c) requires requires { c.pDimensionArray; } { return c.pDimensionArray; } };
struct Fiducials { static auto& Of(auto& c) requires requires { c.pFiducialArray; } { return c.pFiducialArray; } };
struct MountingHoles { static auto& Of(auto& c) requires requires { c.pMountingHoleArray; } { return c.pMountingHoleArray; } };
struct Description { static auto& Of(auto& c) requires requires { c.sDescription; } { return c.sDescription; } };
struct Facement { static auto& Of(auto& c) requires requires { c.sFacement; } { return c.sFacement; } };
struct MountType { static auto& Of(auto& c) requires requires { c.sMountType; } { return c.sMountType; } };
struct PanelType { static auto& Of(auto& c) requires requires { c.sPanelType; } { return c.sPanelType; } };
struct PackageGroup { static auto& Of(auto& c) requires requires { c.sPackageGroup; } { return c.sPackageGroup; } };
struct PlacementLyr { static auto& Of(auto& c) requires requires { c.sPlacementLyr; } { return c.sPlacementLyr; } };
struct ComponentOptions { static auto& Of(auto& c) { return c.saComponentOptions; } };
struct History { static auto& Of(auto& c) { return c.saHistory; } };
struct Graphics { static auto& Of(auto& c) { return c.pGraphicArray; } };
struct NumberLayers { static auto& Of(auto& c) { return c.nNumberLayers; } };
struct Obstructs { static auto& Of(auto& c) { return c.pObstructArray; } };
struct Rotation { static auto& Of(auto& c) { return c.dRotation; } };
struct SilkScreens { static auto& Of(auto& c) { return c.pSilkScreenOutlineArray; } };
struct SolderMasks { static auto& Of(auto& c) { return c.pSolderMaskArray; } };
struct SolderPastes { static auto& Of(auto& c) { return c.pSolderPasteArray; } };
struct Texts { static auto& Of(auto& c) { return c.pTextArray; } };
// clang-format on

// Simple properties keep the value's quotes.
template <class Member, class Cell>
void KeepValue(Cell& cell, Group& group, const ParseContext&)
{
    if constexpr (requires { Member::Of(cell); })
        Member::Of(cell) = ex::KeywordValue(ex::TrimView(group[0]), Quotes::Keep);
}

template <class Member, class Cell>
void AddKeptValue(Cell& cell, Group& group, const ParseContext&)
{
    Member::Of(cell).push_back(ex::KeywordValue(ex::TrimView(group[0]), Quotes::Keep));
}

template <class Member, class Cell>
void KeepInteger(Cell& cell, Group& group, const ParseContext&)
{
    Member::Of(cell) = ex::Atoi(ex::KeywordValue(ex::TrimView(group[0]), Quotes::Keep));
}

template <class Member, class Cell>
void KeepNumber(Cell& cell, Group& group, const ParseContext&)
{
    Member::Of(cell) = ex::Atof(ex::KeywordValue(ex::TrimView(group[0]), Quotes::Keep));
}

template <class Member, auto pParse, class Cell>
void ToArray(Cell& cell, Group& group, const ParseContext& ctx)
{
    if constexpr (requires { Member::Of(cell); })
        ParseInto(Member::Of(cell), pParse, group, ctx);
}

// Traces, vias and conductive areas, of the type the row names.
template <class Cell, const char* const* pType>
void AddRouteObj(Cell& cell, Group& group, const ParseContext& ctx)
{
    cell.pRouteObjArray->SetRoutingData(group, ctx.sContext, ctx.nFlag, *pType, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                        ctx.dScale);
}

// The group's own line, at two dots, lies above the shape level and is
// passed over by the shape parser.
template <class Cell>
void AddDrillGraphic(Cell& cell, Group& group, const ParseContext& ctx)
{
    if constexpr (requires { cell.pDrillGraphicArray; })
        cell.pDrillGraphicArray->SetDObjData_InCell(3, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog,
                                                    ctx.pNotUsedLog, ctx.dScale);
}

template <class Cell>
void AddPin(Cell& cell, Group& group, const ParseContext& ctx)
{
    if constexpr (requires { cell.pPinArray; })
        cell.pPinArray->SetPinData_InCell(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog, ctx.pNotUsedLog,
                                          ctx.dScale);
}

template <class Cell>
void AddToolingHole(Cell& cell, Group& group, const ParseContext& ctx)
{
    if constexpr (requires { cell.pToolingHoleArray; })
        cell.pToolingHoleArray->SetTooling_HoleData_InCell(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog,
                                                           ctx.pNotUsedLog, ctx.dScale);
}

template <class Cell>
void ReadPlacementKeepout(Cell& cell, Group& group, const ParseContext& ctx)
{
    if constexpr (requires { cell.pPlacementKeepoutArray; }) {
        ParseInto(cell.pPlacementKeepoutArray, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData, group, ctx);
    } else if constexpr (requires { cell.pPlacementKeepout; }) {
        // A mechanical cell keeps the last keepout; a panel's one keepout
        // takes every group.
        if constexpr (kKindOf<Cell> == M) {
            delete cell.pPlacementKeepout;
            cell.pPlacementKeepout = nullptr;
            cell.pPlacementKeepout = new CExPlacement_Keepout;
        }
        cell.pPlacementKeepout->SetKeepoutData(kCellLevel, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog,
                                               ctx.pNotUsedLog, ctx.dScale);
    }
}

template <class Cell>
void ReadPlacementOutline(Cell& cell, Group& group, const ParseContext& ctx)
{
    if constexpr (requires { cell.pPlacementOutlineArray; }) {
        cell.pPlacementOutlineArray->SetPlaceOutData_InCell(group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog,
                                                            ctx.pNotUsedLog, ctx.dScale);
    } else if constexpr (kKindOf<Cell> == D) {
        // A drawing's one outline gathers the shapes and texts of every group.
        cell.pPlacementOutline->SetPlaceOutData(group, ctx);
    } else {
        // Mechanical and panel cells keep the last one.
        CExPlacement_Outline* outline = CExPlacement_OutlineArray::NewPlaceOutData_InCell(group, ctx);
        delete cell.pPlacementOutline;
        cell.pPlacementOutline = outline;
    }
}

// The cell's own origin is read as written.
template <class Cell>
void ReadOrigin(Cell& cell, Group& group, const ParseContext&)
{
    cell.aXY.SetPtDatas(std::string(ex::TrimView(ex::TrimView(group[0]).substr(kXYLength))), 1.0);
}

// The kinds that test a row; a row without an action drops the group.
constexpr ex::RowOptions Kinds(unsigned nKinds) { return {.nKinds = nKinds}; }

// The level-2 keywords of a cell, one table for the five kinds. A kind that
// a row leaves out does not test the keyword at all, so the group may match
// a later row or fall to the log. In test order: "..DIMENSION_SETTINGS"
// before "..DIMENSION", "..PID" before "..PIN".
template <class Cell>
constexpr auto kCellRows = ex::MakeTable<Cell>({
    {"..ASSEMBLY_OUTLINE", ToArray<AssemblyOutlines, &CExAssembly_OutlineArray::SetAssemblyData, Cell>,
     Kinds(P | R | N | M)},
    {"..ASSEMBLY_ORIGIN", nullptr, Kinds(P | R | M | D)},
    {"..CELL_TECHNOLOGY_SETTINGS", nullptr, Kinds(P | M)},
    {"..CIRCUIT_ELEMENT_OF", nullptr, Kinds(P | M)},
    {"..COMPONENT_OPTIONS", AddKeptValue<ComponentOptions, Cell>},
    {"..CONDUCTIVE_AREA", AddRouteObj<Cell, &ex::kConductiveAreaType>},
    {"..DIMENSION_SETTINGS",
     ToArray<DimensionSettings, &CExDimension_SettingArray::SetDimensionSettingData, Cell>, Kinds(P)},
    {"..DESCRIPTION", KeepValue<Description, Cell>, Kinds(P | R | N | M)},
    {"..DIMENSION", ToArray<Dimensions, &CExDimensionArray::SetDimensionData, Cell>, Kinds(P)},
    {"..DESIGN_RULE_AREA", nullptr, Kinds(P | R)},
    {"..DRILL_GRAPHIC", AddDrillGraphic<Cell>, Kinds(D)},
    {"..FACEMENT", KeepValue<Facement, Cell>, Kinds(P | R | N | M)},
    {"..FIDUCIAL", ToArray<Fiducials, &CExFiducialArray::SetFiducialData, Cell>, Kinds(P | R | N | M)},
    {"..GLUESPOT", nullptr, Kinds(All)},
    {"..HISTORY", AddKeptValue<History, Cell>},
    {"..GRAPHIC", ToArray<Graphics, &CExGraphicArray::SetGraphicData, Cell>},
    {"..MOUNT_TYPE", KeepValue<MountType, Cell>, Kinds(P | R)},
    {"..MOUNTING_HOLE", ToArray<MountingHoles, &CExMounting_HoleArray::SetMountingHoleData, Cell>,
     Kinds(P | R | N | M)},
    {"..NESTED_CELL", nullptr, Kinds(R)},
    {"..NUMBER_LAYERS", KeepInteger<NumberLayers, Cell>},
    {"..OBSTRUCT", ToArray<Obstructs, &CExObstructArray::SetObstructData, Cell>},
    {"..PANEL_TYPE", KeepValue<PanelType, Cell>, Kinds(N)},
    {"..PACKAGE_GROUP", KeepValue<PackageGroup, Cell>, Kinds(P | R | N | M)},
    {"..PID", nullptr, Kinds(P | R | M | D)},
    {"..PIN", AddPin<Cell>, Kinds(P | R | N)},
    {"..PLACEMENT_KEEPOUT", ReadPlacementKeepout<Cell>, Kinds(P | R | N | M)},
    {"..PLACEMENT_LYR", KeepValue<PlacementLyr, Cell>, Kinds(P | R | N | M)},
    {"..PLACEMENT_OUTLINE", ReadPlacementOutline<Cell>},
    {"..PLANE_NOCONNECT", nullptr, Kinds(P)},
    {"..PRIMARY_PART_GRID", nullptr, Kinds(P)},
    {"..ROTATION", KeepNumber<Rotation, Cell>},
    {"..ROUTE_GRID", nullptr, Kinds(P)},
    {"..SECONDARY_PART_GRID", nullptr, Kinds(P)},
    {"..SILKSCREEN_OUTLINE", ToArray<SilkScreens, &CExSilkScreen_OutlineArray::SetSilkOutData, Cell>},
    {"..SOLDER_MASK", ToArray<SolderMasks, &CExMC_SolderMaskArray::SetSolderMaskData, Cell>},
    {"..SOLDER_PASTE", ToArray<SolderPastes, &CExSolder_PasteArray::SetSolderPaste, Cell>},
    {"..TEXT", ToArray<Texts, &CExTextArray::SetTextData, Cell>},
    {"..TIMESTAMP", nullptr, Kinds(All)},
    {"..TOOLING_HOLE", AddToolingHole<Cell>, Kinds(N)},
    {"..TRACE", AddRouteObj<Cell, &ex::kTraceType>},
    {"..VIA", AddRouteObj<Cell, &ex::kViaType>},
    {"..XY", ReadOrigin<Cell>},
});

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
    const std::string context(TrimView(record[0]));
    const ParseContext ctx{context, kCellFlag, ignoreLog, notUsedLog, dScale};
    AddNamedRecord(*this, record, &Cell::sCellName, GroupRule{kCellLevel}, [&](Cell& cell, Group& group) {
        ParseGroup(kCellRows<Cell>, cell, group, ctx, {.nKind = kKindOf<Cell>});
    });
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
