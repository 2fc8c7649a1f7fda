#include "shapes/ShapeParams.h"

#include <algorithm>
#include <string_view>

#include "core/GroupTable.h"
#include "core/StringOps.h"
#include "shapes/ExChamfered_Rect.h"
#include "shapes/ExCircle_Path.h"
#include "shapes/ExCircle_Shape.h"
#include "shapes/ExDimension_Data.h"
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

namespace {

// Every parameter keyword any shape class knows. Of these only ".XYR" and
// ".XY" begin one another, so a single list (".XYR" first) finds for every
// line the keyword that the class's own list would find.
enum class Param {
    // known to every class
    Diameter, Height, Radius, ShapeOptions, XYR, XY, Width, TieLegWidth, ThermalClearance, Style,
    // known to some
    Chamfer, DisplayWidth, CenterPoint, DimensionPoint, DimensionedBy, EndPoint, Feature, StartPoint, Traverse,
};

// The keywords in the order of Param: a list of names, as what a keyword
// stores is each class's own (Fields below).
constexpr auto kParams = ex::MakeKeywordList({
    ".DIAMETER", ".HEIGHT", ".RADIUS", ".SHAPE_OPTIONS", ".XYR", ".XY", ".WIDTH", ".TIE_LEG_WIDTH",
    ".THERMAL_CLEARANCE", ".STYLE", ".CHAMFER", ".DISPLAY_WIDTH", ".CENTER_POINT", ".DIMENSION_POINT",
    ".DIMENSIONED_BY", ".END_POINT", ".FEATURE", ".START_POINT", ".TRAVERSE",
});
static_assert(kParams.keywords.size() == static_cast<std::size_t>(Param::Traverse) + 1);

constexpr bool KnownToEveryClass(Param p) { return p <= Param::Style; }

// Point lists may follow their keyword without a blank (".XY(0,0)"), so the
// keyword itself is cut; other values start after the first blank.
std::string_view ParamValue(std::string_view line, Param p)
{
    if (p == Param::XYR || p == Param::XY)
        return ex::TrimView(line.substr(std::min<std::size_t>(p == Param::XYR ? 4 : 3, line.size())));
    return ex::KeywordValueView(line);
}

// One row of a class's table: a keyword it stores (or only accepts, with a
// null store) beyond accepting the ten every class knows.
template <class T>
struct Field {
    Param param;
    void (*store)(T& shape, std::string_view value, double dScale);
};

using ex::ClassOf;

// How a value is stored, by the kind of member it goes to.
template <auto Member>
void Length(ClassOf<Member>& s, std::string_view value, double dScale)
{
    s.*Member = ex::Atof(value) * dScale;
}
template <auto Member>
void Integer(ClassOf<Member>& s, std::string_view value, double)
{
    s.*Member = ex::Atoi(value);
}
template <auto Member>
void SetFlag(ClassOf<Member>& s, std::string_view, double)
{
    s.*Member = 1;
}
template <auto Member>
void Text(ClassOf<Member>& s, std::string_view value, double)
{
    (s.*Member).assign(value);
}
template <auto Member>
void Option(ClassOf<Member>& s, std::string_view value, double)
{
    (s.*Member).emplace_back(value);
}
template <auto Member>
void Point(ClassOf<Member>& s, std::string_view value, double dScale)
{
    (s.*Member).SetPtData(value, dScale);
}
template <auto Member>
void XYList(ClassOf<Member>& s, std::string_view value, double dScale)
{
    (s.*Member).SetPtDatas(value, dScale);
}
template <auto Member>
void XYRList(ClassOf<Member>& s, std::string_view value, double dScale)
{
    (s.*Member).SetXYRPtDatas(value, dScale);
}

// The table of each class.
template <class T>
struct Fields;

template <class T>
struct HeightWidth {
    static constexpr Field<T> rows[] = {{Param::Height, Length<&T::dHeight>}, {Param::Width, Length<&T::dWidth>}};
};
// Oblongs and octagons may carry dimension lines; they are read past.
template <class T>
struct HeightWidthDimensioned {
    static constexpr Field<T> rows[] = {
        {Param::Height, Length<&T::dHeight>}, {Param::Width, Length<&T::dWidth>},
        {Param::CenterPoint, nullptr},        {Param::DimensionPoint, nullptr},
        {Param::DimensionedBy, nullptr},      {Param::EndPoint, nullptr},
        {Param::Feature, nullptr},            {Param::StartPoint, nullptr},
        {Param::Traverse, nullptr},
    };
};

template <>
struct Fields<CExRound> {
    static constexpr Field<CExRound> rows[] = {{Param::Diameter, Length<&CExRound::dDiameter>}};
};
template <>
struct Fields<CExSquare> {
    static constexpr Field<CExSquare> rows[] = {{Param::Width, Length<&CExSquare::dWidth>}};
};
template <>
struct Fields<CExRectangle> : HeightWidth<CExRectangle> {};
template <>
struct Fields<CExRound_Finger> : HeightWidth<CExRound_Finger> {};
template <>
struct Fields<CExSlot> : HeightWidth<CExSlot> {};
template <>
struct Fields<CExOblong> : HeightWidthDimensioned<CExOblong> {};
template <>
struct Fields<CExOctagon> : HeightWidthDimensioned<CExOctagon> {};
template <>
struct Fields<CExOctagonal_Finger> : HeightWidthDimensioned<CExOctagonal_Finger> {};
template <>
struct Fields<CExChamfered_Rect> {
    using C = CExChamfered_Rect;
    static constexpr Field<C> rows[] = {
        {Param::Chamfer, Length<&C::dChamfer>}, {Param::Height, Length<&C::dHeight>}, {Param::Width, Length<&C::dWidth>}};
};
template <>
struct Fields<CExRadius_Corner_Rectangle> {
    using C = CExRadius_Corner_Rectangle;
    static constexpr Field<C> rows[] = {
        {Param::Radius, Length<&C::dRadius>}, {Param::Height, Length<&C::dHeight>}, {Param::Width, Length<&C::dWidth>}};
};
template <>
struct Fields<CExRoundDonut> {
    using C = CExRoundDonut;
    static constexpr Field<C> rows[] = {
        {Param::Diameter, Length<&C::dDiameter>}, {Param::ThermalClearance, Length<&C::dThermalClearance>}};
};
template <>
struct Fields<CExSquare_Dount> {
    using C = CExSquare_Dount;
    static constexpr Field<C> rows[] = {
        {Param::Width, Length<&C::dWidth>}, {Param::ThermalClearance, Length<&C::dThermalClearance>}};
};
template <>
struct Fields<CExF4_web_round_thermal_45> {
    using C = CExF4_web_round_thermal_45;
    static constexpr Field<C> rows[] = {{Param::ThermalClearance, Length<&C::dThermalClearance>},
                                        {Param::TieLegWidth, Length<&C::dTieLegWidth>},
                                        {Param::Diameter, Length<&C::dDiameter>}};
};
template <>
struct Fields<CExCircle_Path> {
    using C = CExCircle_Path;
    static constexpr Field<C> rows[] = {
        {Param::Radius, Length<&C::dRadius>}, {Param::Width, Length<&C::dWidth>}, {Param::XY, XYList<&C::aXY>}};
};
template <>
struct Fields<CExCircle_Shape> {
    using C = CExCircle_Shape;
    static constexpr Field<C> rows[] = {{Param::Radius, Length<&C::dRadius>},
                                        {Param::XY, XYList<&C::aXY>},
                                        {Param::ShapeOptions, Option<&C::saShapeOptions>}};
};
template <>
struct Fields<CExPolyline_Path> {
    using C = CExPolyline_Path;
    static constexpr Field<C> rows[] = {{Param::Width, Length<&C::dWidth>},
                                        {Param::DisplayWidth, Length<&C::dDisplayWidth>},
                                        {Param::DisplayWidth, SetFlag<&C::bDisplayWidth>},
                                        {Param::XY, XYList<&C::aXY>}};
};
template <>
struct Fields<CExPolyline_Shape> {
    using C = CExPolyline_Shape;
    static constexpr Field<C> rows[] = {{Param::XY, XYList<&C::aXY>}, {Param::ShapeOptions, Option<&C::saShapeOptions>}};
};
template <>
struct Fields<CExPolyarc_Path> {
    using C = CExPolyarc_Path;
    static constexpr Field<C> rows[] = {{Param::XYR, XYRList<&C::aXYR>}, {Param::Width, Length<&C::dWidth>}};
};
template <>
struct Fields<CExPolyarc_Shape> {
    using C = CExPolyarc_Shape;
    static constexpr Field<C> rows[] = {{Param::XYR, XYRList<&C::aXYR>},
                                        {Param::ShapeOptions, Option<&C::saShapeOptions>}};
};
template <>
struct Fields<CExRect_Path> {
    using C = CExRect_Path;
    static constexpr Field<C> rows[] = {{Param::XY, XYList<&C::aXY>}, {Param::Width, Length<&C::dWidth>}};
};
template <>
struct Fields<CExRect_Shape> {
    using C = CExRect_Shape;
    static constexpr Field<C> rows[] = {{Param::XY, XYList<&C::aXY>},
                                        {Param::ShapeOptions, Option<&C::saShapeOptions>},
                                        {Param::DisplayWidth, nullptr}};
};
template <>
struct Fields<CExDimension_Data> {
    using C = CExDimension_Data;
    static constexpr Field<C> rows[] = {
        {Param::Traverse, Text<&C::sTraverse>},           {Param::Feature, Text<&C::sFeature>},
        {Param::DimensionPoint, Point<&C::ptDimensionPoint>}, {Param::CenterPoint, Point<&C::ptCenterPoint>},
        {Param::EndPoint, Point<&C::ptEndPoint>},         {Param::StartPoint, Point<&C::ptStartPoint>},
        {Param::DimensionedBy, Integer<&C::nDimensionedBy>},
    };
};

// The one parameter parser of all shape classes. It stops at the first line
// whose keyword the class does not know: that line and the rest are dropped.
template <class T>
void ParseParams(T& shape, std::vector<std::string>& params, std::size_t first, double dScale)
{
    for (std::size_t i = first; i < params.size(); ++i) {
        const std::string_view line = params[i];
        const int found = kParams.Find(ex::TrimView(line));
        if (found < 0)
            break;
        const auto param = static_cast<Param>(found);
        bool bKnown = KnownToEveryClass(param);
        for (const Field<T>& field : Fields<T>::rows) {
            if (field.param != param)
                continue;
            bKnown = true;
            if (field.store != nullptr)
                field.store(shape, ParamValue(line, param), dScale);
        }
        if (!bKnown)
            break;
    }
    params.clear();
}

} // namespace

// SetData of every shape class: the parser above over the class's table;
// units, flag and logs are not used (a shape logs nothing).

void CExRound::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                       double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExSquare::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                        double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExRectangle::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                           double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExRound_Finger::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                              double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExSlot::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                      double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExOblong::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                        double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExOctagon::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                         double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExOctagonal_Finger::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                                  double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExChamfered_Rect::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                                double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExRadius_Corner_Rectangle::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                                         double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExRoundDonut::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                            double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExSquare_Dount::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                              double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExF4_web_round_thermal_45::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                                         double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExCircle_Path::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                             double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExCircle_Shape::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                              double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExPolyline_Path::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                               double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExPolyline_Shape::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                                double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExPolyarc_Path::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                              double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExPolyarc_Shape::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                               double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExRect_Path::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                           double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExRect_Shape::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                            double dScale)
{
    ParseParams(*this, record, 0, dScale);
}

void CExDimension_Data::SetData(std::vector<std::string>& record, std::string, int, CExTemporaryArray*, CExTemporaryArray*,
                                double dScale)
{
    ParseParams(*this, record, 0, dScale);
}
namespace ex {

template <class T>
CExDrawObj* MakeShape(std::vector<std::string>& params, std::size_t first, double dScale)
{
    T* shape = new T;
    ParseParams(*shape, params, first, dScale);
    return shape;
}

template CExDrawObj* MakeShape<CExRound>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExSquare>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExRectangle>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExRound_Finger>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExSlot>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExOblong>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExOctagon>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExOctagonal_Finger>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExChamfered_Rect>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExRadius_Corner_Rectangle>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExRoundDonut>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExSquare_Dount>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExF4_web_round_thermal_45>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExCircle_Path>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExCircle_Shape>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExPolyline_Path>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExPolyline_Shape>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExPolyarc_Path>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExPolyarc_Shape>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExRect_Path>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExRect_Shape>(std::vector<std::string>&, std::size_t, double);
template CExDrawObj* MakeShape<CExDimension_Data>(std::vector<std::string>&, std::size_t, double);

} // namespace ex
