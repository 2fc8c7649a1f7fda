#include "shapes/ShapeKeywords.h"

#include <iterator>

#include "core/KeywordTable.h"
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
#include "shapes/ShapeParams.h"

namespace {

using MakeFn = CExDrawObj* (*)(std::vector<std::string>& params, std::size_t first, double dScale);

// First match wins, so a keyword comes before every keyword that begins it
// (OCTAGONAL_FINGER before OCTAGON, RECT_SHAPE and RECTANGLE before RECT,
// ROUND_DONUT before ROUND). The lists that various records give differ
// from this one only in the order of keywords that do not begin one another
// (RECT_PATH / RADIUS_CORNER_RECTANGLE, SLOT / SQUARE), so this one list
// matches every line as each of them would.
constexpr ex::KeywordRow<MakeFn> kShapes[] = {
    {"4_WEB_ROUND_THERMAL_45", ex::MakeShape<CExF4_web_round_thermal_45>},
    {"4_WEB_SQUARE_THERMAL_45", ex::MakeShape<CExF4_web_round_thermal_45>},
    {"CHAMFERED_RECTANGLE", ex::MakeShape<CExChamfered_Rect>},
    {"CIRCLE_PATH", ex::MakeShape<CExCircle_Path>},
    {"CIRCLE_SHAPE", ex::MakeShape<CExCircle_Shape>},
    {"DIMENSION_DATA", ex::MakeShape<CExDimension_Data>},
    {"OBLONG", ex::MakeShape<CExOblong>},
    {"ELONGATED_OCTAGON", ex::MakeShape<CExOctagon>},
    {"OCTAGONAL_FINGER", ex::MakeShape<CExOctagonal_Finger>},
    {"OCTAGON", ex::MakeShape<CExOctagon>},
    {"POLYARC_PATH", ex::MakeShape<CExPolyarc_Path>},
    {"POLYARC_SHAPE", ex::MakeShape<CExPolyarc_Shape>},
    {"POLYLINE_PATH", ex::MakeShape<CExPolyline_Path>},
    {"POLYLINE_SHAPE", ex::MakeShape<CExPolyline_Shape>},
    {"RADIUS_CORNER_RECTANGLE", ex::MakeShape<CExRadius_Corner_Rectangle>},
    {"RECT_PATH", ex::MakeShape<CExRect_Path>},
    {"RECT_SHAPE", ex::MakeShape<CExRect_Shape>},
    {"RECTANGLE", ex::MakeShape<CExRectangle>},
    {"RECT", ex::MakeShape<CExRectangle>},
    {"ROUND_DONUT", ex::MakeShape<CExRoundDonut>},
    {"ROUND_FINGER", ex::MakeShape<CExRound_Finger>},
    {"ROUND", ex::MakeShape<CExRound>},
    {"SLOT", ex::MakeShape<CExSlot>},
    {"SQUARE_DONUT", ex::MakeShape<CExSquare_Dount>},
    {"SQUARE", ex::MakeShape<CExSquare>},
};
static_assert(std::size(kShapes) == ex::kShapeKeywordCount);
static_assert(kShapes[ex::kDimensionDataKeyword].sKeyword == "DIMENSION_DATA");

} // namespace

namespace ex {

int MatchShapeKeyword(std::string_view line, int nDots, bool bWithDimensionData)
{
    line = TrimView(line);
    if (nDots < 0 || LeadingDots(line) < nDots)
        return -1;
    line.remove_prefix(static_cast<std::size_t>(nDots));
    // No keyword begins with a dot, so a deeper line matches nothing here.
    const KeywordRow<MakeFn>* row = MatchKeyword(kShapes, line);
    if (row == nullptr)
        return -1;
    const int index = static_cast<int>(row - kShapes);
    // Nothing else begins a line that DIMENSION_DATA begins.
    if (index == kDimensionDataKeyword && !bWithDimensionData)
        return -1;
    return index;
}

std::string_view ShapeKeyword(int index)
{
    return index >= 0 && index < kShapeKeywordCount ? kShapes[index].sKeyword : std::string_view();
}

CExDrawObj* NewShape(int index, std::vector<std::string>& params, std::size_t first, double dScale)
{
    if (index < 0 || index >= kShapeKeywordCount) {
        params.clear();
        return nullptr;
    }
    return kShapes[index].action(params, first, dScale);
}

} // namespace ex
