#include "shapes/ShapeKeywords.h"

#include <iterator>

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
#include "shapes/ShapeParams.h"

namespace {

// What a shape row makes: the shape of the parameter lines from `first` on.
struct NewShapeOf {
    std::size_t first = 0;
    CExDrawObj* pShape = nullptr;
};

template <class S>
void Make(NewShapeOf& made, ex::Group& params, const ex::ParseContext& ctx)
{
    made.pShape = ex::MakeShape<S>(params, made.first, ctx.dScale);
}

// First match wins, so a keyword comes before every keyword that begins it
// (OCTAGONAL_FINGER before OCTAGON, RECT_SHAPE and RECTANGLE before RECT,
// ROUND_DONUT before ROUND). The lists that various records give differ
// from this one only in the order of keywords that do not begin one another
// (RECT_PATH / RADIUS_CORNER_RECTANGLE, SLOT / SQUARE), so this one list
// matches every line as each of them would.
constexpr auto kShapes = ex::MakeTable<NewShapeOf>({
    {"4_WEB_ROUND_THERMAL_45", Make<CExF4_web_round_thermal_45>},
    {"4_WEB_SQUARE_THERMAL_45", Make<CExF4_web_round_thermal_45>},
    {"CHAMFERED_RECTANGLE", Make<CExChamfered_Rect>},
    {"CIRCLE_PATH", Make<CExCircle_Path>},
    {"CIRCLE_SHAPE", Make<CExCircle_Shape>},
    {"DIMENSION_DATA", Make<CExDimension_Data>},
    {"OBLONG", Make<CExOblong>},
    {"ELONGATED_OCTAGON", Make<CExOctagon>},
    {"OCTAGONAL_FINGER", Make<CExOctagonal_Finger>},
    {"OCTAGON", Make<CExOctagon>},
    {"POLYARC_PATH", Make<CExPolyarc_Path>},
    {"POLYARC_SHAPE", Make<CExPolyarc_Shape>},
    {"POLYLINE_PATH", Make<CExPolyline_Path>},
    {"POLYLINE_SHAPE", Make<CExPolyline_Shape>},
    {"RADIUS_CORNER_RECTANGLE", Make<CExRadius_Corner_Rectangle>},
    {"RECT_PATH", Make<CExRect_Path>},
    {"RECT_SHAPE", Make<CExRect_Shape>},
    {"RECTANGLE", Make<CExRectangle>},
    {"RECT", Make<CExRectangle>},
    {"ROUND_DONUT", Make<CExRoundDonut>},
    {"ROUND_FINGER", Make<CExRound_Finger>},
    {"ROUND", Make<CExRound>},
    {"SLOT", Make<CExSlot>},
    {"SQUARE_DONUT", Make<CExSquare_Dount>},
    {"SQUARE", Make<CExSquare>},
});
static_assert(kShapes.rows.size() == ex::kShapeKeywordCount);
static_assert(kShapes.rows[ex::kDimensionDataKeyword].sKeyword == "DIMENSION_DATA");

} // namespace

namespace ex {

int MatchShapeKeyword(std::string_view line, int nDots, bool bWithDimensionData)
{
    line = TrimView(line);
    if (nDots < 0 || LeadingDots(line) < nDots)
        return -1;
    line.remove_prefix(static_cast<std::size_t>(nDots));
    // No keyword begins with a dot, so a deeper line matches nothing here.
    const GroupRow<NewShapeOf>* row = FindGroupRow(kShapes, line);
    if (row == nullptr)
        return -1;
    const int index = static_cast<int>(row - kShapes.rows.data());
    // Nothing else begins a line that DIMENSION_DATA begins.
    if (index == kDimensionDataKeyword && !bWithDimensionData)
        return -1;
    return index;
}

std::string_view ShapeKeyword(int index)
{
    return index >= 0 && index < kShapeKeywordCount ? kShapes.rows[static_cast<std::size_t>(index)].sKeyword
                                                     : std::string_view();
}

CExDrawObj* NewShape(int index, std::vector<std::string>& params, std::size_t first, double dScale)
{
    if (index < 0 || index >= kShapeKeywordCount) {
        params.clear();
        return nullptr;
    }
    const std::string none;
    NewShapeOf made{first};
    kShapes.rows[static_cast<std::size_t>(index)].action(made, params, {none, 0, nullptr, nullptr, dScale});
    return made.pShape;
}

} // namespace ex
