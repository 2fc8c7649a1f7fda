#include <typeinfo>
#include <vector>

#include <gtest/gtest.h>

#include "core/ExTemporary.h"
#include "shapes/ExChamfered_Rect.h"
#include "shapes/ExCircle_Path.h"
#include "shapes/ExCircle_Shape.h"
#include "shapes/ExDimension_Data.h"
#include "shapes/ExDrawObjArray.h"
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
#include "support/TestSupport.h"

namespace {

// SetMakeDObj on a sub-record; checks that the record was emptied.
std::unique_ptr<CExDrawObj> Make(test::Lines record, double dScale = 1.0)
{
    std::unique_ptr<CExDrawObj> shape(CExDrawObjArray::SetMakeDObj(2, record, "MM", 0, nullptr, nullptr, dScale));
    EXPECT_TRUE(record.empty());
    return shape;
}

template <class T>
const T& As(const std::unique_ptr<CExDrawObj>& shape)
{
    const T* p = dynamic_cast<const T*>(shape.get());
    if (p == nullptr)
        throw std::bad_cast();
    return *p;
}

TEST(SetMakeDObj, EveryKeywordMakesItsClass)
{
    struct Case {
        const char* keyword;
        const std::type_info& type;
        const char* typeName;
    };
    const Case cases[] = {
        {"4_WEB_ROUND_THERMAL_45", typeid(CExF4_web_round_thermal_45), "F4_WEB_ROUND_THERMAL_45"},
        {"4_WEB_SQUARE_THERMAL_45", typeid(CExF4_web_round_thermal_45), "F4_WEB_ROUND_THERMAL_45"},
        {"CHAMFERED_RECTANGLE", typeid(CExChamfered_Rect), "CHAMFERED_RECT"},
        {"CIRCLE_PATH", typeid(CExCircle_Path), "CIRCLE_PATH"},
        {"CIRCLE_SHAPE", typeid(CExCircle_Shape), "CIRCLE_SHAPE"},
        {"DIMENSION_DATA", typeid(CExDimension_Data), "DIMENSION_DATA"},
        {"OBLONG", typeid(CExOblong), "OBLONG"},
        {"ELONGATED_OCTAGON", typeid(CExOctagon), "OCTAGON"},
        {"OCTAGONAL_FINGER", typeid(CExOctagonal_Finger), "OCTAGONAL_FINGER"},
        {"OCTAGON", typeid(CExOctagon), "OCTAGON"},
        {"POLYARC_PATH", typeid(CExPolyarc_Path), "POLYARC_PATH"},
        {"POLYARC_SHAPE", typeid(CExPolyarc_Shape), "POLYARC_SHAPE"},
        {"POLYLINE_PATH", typeid(CExPolyline_Path), "POLYLINE_PATH"},
        {"POLYLINE_SHAPE", typeid(CExPolyline_Shape), "POLYLINE_SHAPE"},
        {"RADIUS_CORNER_RECTANGLE", typeid(CExRadius_Corner_Rectangle), "RADIUS_CORNER_RECTANGLE"},
        {"RECT_PATH", typeid(CExRect_Path), "RECT_PATH"},
        {"RECT_SHAPE", typeid(CExRect_Shape), "RECT_SHAPE"},
        {"RECTANGLE", typeid(CExRectangle), "RECTANGLE"},
        {"RECT", typeid(CExRectangle), "RECTANGLE"},
        {"ROUND_DONUT", typeid(CExRoundDonut), "ROUND_DOUNT"},
        {"ROUND_FINGER", typeid(CExRound_Finger), "ROUND_FINGER"},
        {"ROUND", typeid(CExRound), "ROUND"},
        {"SLOT", typeid(CExSlot), "SLOT"},
        {"SQUARE_DONUT", typeid(CExSquare_Dount), "SQUARE_DOUNT"},
        {"SQUARE", typeid(CExSquare), "SQUARE"},
        // prefixes: the first keyword that begins the line wins
        {"RECTX", typeid(CExRectangle), "RECTANGLE"},
        {"ROUND_DOUNT", typeid(CExRound), "ROUND"},
        {"SQUARE_DOUNT", typeid(CExSquare), "SQUARE"},
        {"  polyline_shape  ", typeid(CExPolyline_Shape), "POLYLINE_SHAPE"},
    };
    for (const Case& c : cases) {
        const auto shape = Make({c.keyword});
        ASSERT_NE(shape, nullptr) << c.keyword;
        EXPECT_EQ(typeid(*shape), c.type) << c.keyword;
        EXPECT_EQ(shape->sShapeType, c.typeName) << c.keyword;
        EXPECT_TRUE(shape->sSide.empty());
    }
}

TEST(SetMakeDObj, ParametersFollowTheKeywordLine)
{
    EXPECT_DOUBLE_EQ(As<CExRectangle>(Make({"RECTX", ".HEIGHT 1"}, 2.0)).dHeight, 2.0);
    EXPECT_DOUBLE_EQ(As<CExF4_web_round_thermal_45>(Make({"4_WEB_SQUARE_THERMAL_45", ".DIAMETER 2"})).dDiameter, 2.0);
    EXPECT_DOUBLE_EQ(As<CExOctagon>(Make({"ELONGATED_OCTAGON", ".WIDTH 3"})).dWidth, 3.0);
    EXPECT_DOUBLE_EQ(As<CExRound>(Make({"round", ".DIAMETER 1"})).dDiameter, 1.0);

    const auto path = Make({"POLYLINE_PATH", ".WIDTH 0.1", ".XY (0, 0) (1, 0)", ".XY (1, 1)", ".BOGUS", ".XY (9, 9)"});
    EXPECT_EQ(As<CExPolyline_Path>(path).aXY.GetSize(), 3);
}

TEST(SetMakeDObj, NoShapeForEmptyOrUnknown)
{
    EXPECT_EQ(Make({}), nullptr);
    EXPECT_EQ(Make({"CIRCLE", ".RADIUS 1"}), nullptr);
    EXPECT_EQ(Make({"..ROUND", ".DIAMETER 1"}), nullptr);  // dots are the caller's to remove
    EXPECT_EQ(Make({""}), nullptr);

    // Callable on any array, and it leaves that array alone.
    CExDrawObjArray array;
    test::Lines record = {"SLOT", ".WIDTH 1"};
    std::unique_ptr<CExDrawObj> slot(array.SetMakeDObj(1, record, "", 0, nullptr, nullptr, 1.0));
    EXPECT_NE(slot, nullptr);
    EXPECT_TRUE(array.IsEmpty());
}

TEST(SetDObjData_InCell, LevelOneBlock)
{
    CExDrawObjArray array;
    CExTemporaryArray ignoreLog, notUsedLog;
    test::Lines block = {".ROUND", "..DIAMETER 1", ".TEXT abc", ".SQUARE", "..WIDTH 2"};
    array.SetDObjData_InCell(1, block, "MM", 0, &ignoreLog, &notUsedLog, 1.0);
    EXPECT_TRUE(block.empty());
    EXPECT_TRUE(ignoreLog.IsEmpty());
    EXPECT_TRUE(notUsedLog.IsEmpty());
    ASSERT_EQ(array.GetSize(), 2);
    EXPECT_DOUBLE_EQ(dynamic_cast<CExRound&>(*array[0]).dDiameter, 1.0);
    EXPECT_DOUBLE_EQ(dynamic_cast<CExSquare&>(*array[1]).dWidth, 2.0);
    EXPECT_TRUE(array[0]->sSide.empty());
    EXPECT_TRUE(array[1]->sSide.empty());
}

TEST(SetDObjData_InCell, LevelTwoBlock)
{
    CExDrawObjArray array;
    test::Lines block = {
        "  ..RECTANGLE  ", "...HEIGHT 2", "...FOO", "...WIDTH 3",  // the stop rule ends only this shape
        "", "..round", ".SIDE TOP", "...DIAMETER 1",                // a shallower line is skipped, not a break
        "..CIRCLE", "...RADIUS 1",                                  // no such shape
        "..POLYLINE_PATH", "...XY (0, 0) (1,", "ab5)",              // continuation: cut, then joined
        "..SLOT",
    };
    array.SetDObjData_InCell(2, block, "MM", 0, nullptr, nullptr, 10.0);
    EXPECT_TRUE(block.empty());
    ASSERT_EQ(array.GetSize(), 4);
    const auto& rect = dynamic_cast<CExRectangle&>(*array[0]);
    EXPECT_DOUBLE_EQ(rect.dHeight, 20.0);
    EXPECT_DOUBLE_EQ(rect.dWidth, 0.0);
    EXPECT_DOUBLE_EQ(dynamic_cast<CExRound&>(*array[1]).dDiameter, 10.0);
    const auto& path = dynamic_cast<CExPolyline_Path&>(*array[2]);
    ASSERT_EQ(path.aXY.GetSize(), 2);  // "ab5)" lost two characters before the join
    EXPECT_DOUBLE_EQ(path.aXY[1].dX, 10.0);
    EXPECT_DOUBLE_EQ(path.aXY[1].dY, 50.0);
    EXPECT_EQ(array[3]->sShapeType, "SLOT");

    // Appends; an empty block adds nothing.
    test::Lines more = {"..OBLONG"};
    array.SetDObjData_InCell(2, more, "", 0, nullptr, nullptr, 1.0);
    test::Lines none;
    array.SetDObjData_InCell(2, none, "", 0, nullptr, nullptr, 1.0);
    ASSERT_EQ(array.GetSize(), 5);
    EXPECT_EQ(array[4]->sShapeType, "OBLONG");
}

TEST(SetDObjData_Assembly, EveryShapeGetsTheSide)
{
    CExDrawObjArray array;
    test::Lines first = {"...ROUND"};
    array.SetDObjData_InCell(3, first, "", 0, nullptr, nullptr, 1.0);

    test::Lines block = {"...POLYLINE_PATH", "....XY (0, 0) (1, 1)", "....WIDTH 0.5", "...RECT_SHAPE",
                         "....XY (0, 0) (2, 2)", "...UNKNOWN"};
    array.SetDObjData_Assembly(3, "TOP", block, "MM", 0, nullptr, nullptr, 2.0);
    EXPECT_TRUE(block.empty());
    ASSERT_EQ(array.GetSize(), 3);
    EXPECT_TRUE(array[0]->sSide.empty());
    EXPECT_EQ(array[1]->sSide, "TOP");
    EXPECT_EQ(array[2]->sSide, "TOP");
    EXPECT_DOUBLE_EQ(dynamic_cast<CExPolyline_Path&>(*array[1]).dWidth, 1.0);
    EXPECT_DOUBLE_EQ(dynamic_cast<CExRect_Shape&>(*array[2]).aXY[1].dX, 4.0);
}

} // namespace
