#pragma once

// Member tables of the draw object and its 22 shape classes, and the visit
// of a draw object as its exact shape class.

#include <tuple>
#include <utility>

#include "core/MemberTable.h"
#include "shapes/ExChamfered_Rect.h"
#include "shapes/ExCircle_Path.h"
#include "shapes/ExCircle_Shape.h"
#include "shapes/ExDimension_Data.h"
#include "shapes/ExDrawObj.h"
#include "shapes/ExF4_web_round_thermal_45.h"
#include "shapes/ExOblong.h"
#include "shapes/ExOctagon.h"
#include "shapes/ExOctagonal_Finger.h"
#include "shapes/ExPolyarc_Path.h"
#include "shapes/ExPolyarc_Shape.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExPolyline_Shape.h"
#include "shapes/ExRadius_Corner_Rectangle.h"
#include "shapes/ExRect_Path.h"
#include "shapes/ExRect_Shape.h"
#include "shapes/ExRectangle.h"
#include "shapes/ExRound.h"
#include "shapes/ExRoundDonut.h"
#include "shapes/ExRound_Finger.h"
#include "shapes/ExSlot.h"
#include "shapes/ExSquare.h"
#include "shapes/ExSquare_Dount.h"

namespace ex {

template <>
struct ModelTable<CExDrawObj> : TableDefaults {
    EX_CLASS(CExDrawObj);
    // A hole or graphic that never got a shape stays a plain CExDrawObj.
    using Subclasses = TypeList<CExRound, CExSquare, CExRectangle, CExRound_Finger, CExSlot, CExOblong, CExOctagon,
                                CExOctagonal_Finger, CExChamfered_Rect, CExRadius_Corner_Rectangle, CExRoundDonut,
                                CExSquare_Dount, CExF4_web_round_thermal_45, CExCircle_Path, CExCircle_Shape,
                                CExPolyline_Path, CExPolyline_Shape, CExPolyarc_Path, CExPolyarc_Shape, CExRect_Path,
                                CExRect_Shape, CExDimension_Data>;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(sSide), EX_MEMBER(sShapeType)};
};

// The shapes whose only members are a height and a width.
template <class S>
struct HeightWidthTable : TableDefaults {
    using C = S;
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dHeight), EX_MEMBER(dWidth)};
};

template <>
struct ModelTable<CExRectangle> : HeightWidthTable<CExRectangle> {
    EX_CLASS(CExRectangle);
};
template <>
struct ModelTable<CExRound_Finger> : HeightWidthTable<CExRound_Finger> {
    EX_CLASS(CExRound_Finger);
};
template <>
struct ModelTable<CExSlot> : HeightWidthTable<CExSlot> {
    EX_CLASS(CExSlot);
};
template <>
struct ModelTable<CExOblong> : HeightWidthTable<CExOblong> {
    EX_CLASS(CExOblong);
};
template <>
struct ModelTable<CExOctagon> : HeightWidthTable<CExOctagon> {
    EX_CLASS(CExOctagon);
};
template <>
struct ModelTable<CExOctagonal_Finger> : HeightWidthTable<CExOctagonal_Finger> {
    EX_CLASS(CExOctagonal_Finger);
};

template <>
struct ModelTable<CExRound> : TableDefaults {
    EX_CLASS(CExRound);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dDiameter)};
};

template <>
struct ModelTable<CExSquare> : TableDefaults {
    EX_CLASS(CExSquare);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dWidth)};
};

template <>
struct ModelTable<CExChamfered_Rect> : TableDefaults {
    EX_CLASS(CExChamfered_Rect);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dHeight), EX_MEMBER(dWidth), EX_MEMBER(dChamfer)};
};

template <>
struct ModelTable<CExRadius_Corner_Rectangle> : TableDefaults {
    EX_CLASS(CExRadius_Corner_Rectangle);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dRadius), EX_MEMBER(dHeight), EX_MEMBER(dWidth)};
};

template <>
struct ModelTable<CExRoundDonut> : TableDefaults {
    EX_CLASS(CExRoundDonut);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dDiameter), EX_MEMBER(dThermalClearance)};
};

template <>
struct ModelTable<CExSquare_Dount> : TableDefaults {
    EX_CLASS(CExSquare_Dount);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dWidth), EX_MEMBER(dThermalClearance)};
};

template <>
struct ModelTable<CExF4_web_round_thermal_45> : TableDefaults {
    EX_CLASS(CExF4_web_round_thermal_45);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dThermalClearance), EX_MEMBER(dTieLegWidth),
                                                EX_MEMBER(dDiameter)};
};

template <>
struct ModelTable<CExCircle_Path> : TableDefaults {
    EX_CLASS(CExCircle_Path);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(dRadius), EX_MEMBER(aXY), EX_MEMBER(dWidth)};
};

template <>
struct ModelTable<CExCircle_Shape> : TableDefaults {
    EX_CLASS(CExCircle_Shape);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(saShapeOptions), EX_MEMBER(aXY), EX_MEMBER(dRadius)};
};

template <>
struct ModelTable<CExPolyline_Path> : TableDefaults {
    EX_CLASS(CExPolyline_Path);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(aXY), EX_MEMBER(dWidth), EX_MEMBER(dDisplayWidth),
                                                EX_MEMBER(bDisplayWidth)};
};

template <>
struct ModelTable<CExPolyline_Shape> : TableDefaults {
    EX_CLASS(CExPolyline_Shape);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(saShapeOptions), EX_MEMBER(aXY)};
};

template <>
struct ModelTable<CExPolyarc_Path> : TableDefaults {
    EX_CLASS(CExPolyarc_Path);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(aXYR), EX_MEMBER(dWidth)};
};

template <>
struct ModelTable<CExPolyarc_Shape> : TableDefaults {
    EX_CLASS(CExPolyarc_Shape);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(saShapeOptions), EX_MEMBER(aXYR)};
};

template <>
struct ModelTable<CExRect_Path> : TableDefaults {
    EX_CLASS(CExRect_Path);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(aXY), EX_MEMBER(dWidth)};
};

template <>
struct ModelTable<CExRect_Shape> : TableDefaults {
    EX_CLASS(CExRect_Shape);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{EX_MEMBER(saShapeOptions), EX_MEMBER(aXY)};
};

template <>
struct ModelTable<CExDimension_Data> : TableDefaults {
    EX_CLASS(CExDimension_Data);
    using Base = CExDrawObj;
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(sTraverse), EX_MEMBER(sFeature), EX_MEMBER(ptDimensionPoint), EX_MEMBER(ptCenterPoint),
        EX_MEMBER(ptEndPoint), EX_MEMBER(ptStartPoint), EX_MEMBER(nDimensionedBy)};
};

// f is called with the exact shape class of o; false for a plain CExDrawObj.
template <class F>
bool VisitShape(const CExDrawObj& o, F&& f)
{
    return VisitExactIn(o, std::forward<F>(f), TableSubclasses<CExDrawObj>{});
}

} // namespace ex
