#include <cmath>

#include <gtest/gtest.h>

#include "core/ExPt.h"

namespace {

void ExpectPoint(const CExPt& pt, double x, double y, double r = 0.0)
{
    EXPECT_DOUBLE_EQ(pt.dX, x);
    EXPECT_DOUBLE_EQ(pt.dY, y);
    EXPECT_DOUBLE_EQ(pt.dR, r);
}

CExPtArray Points(const std::string& text, double dScale = 1.0)
{
    CExPtArray points;
    points.SetPtDatas(text, dScale);
    return points;
}

TEST(Points, OnePoint)
{
    CExPt pt;
    pt.SetPtData("(1.5, 2)", 2.0);
    ExpectPoint(pt, 3.0, 4.0);
    pt.SetPtData("1.5,2", 2.0);
    ExpectPoint(pt, 3.0, 4.0);
    pt.SetPtData("  ( -1 ,  2e1 )  ", 1.0);
    ExpectPoint(pt, -1.0, 20.0);
    pt.SetPtData("7", 3.0);  // no comma: all of it is y
    ExpectPoint(pt, 0.0, 21.0);
    pt.SetPtData("", 3.0);
    ExpectPoint(pt, 0.0, 0.0);
    pt.SetPtData("x, y", 3.0);
    ExpectPoint(pt, 0.0, 0.0);
    pt.SetPtData("1e999, 1", 1.0);
    EXPECT_TRUE(std::isinf(pt.dX));
}

TEST(Points, OneArcPoint)
{
    CExPt pt;
    pt.SetXYRPtData("(1, 2, 0.5)", 10.0);
    ExpectPoint(pt, 10.0, 20.0, 5.0);
    pt.SetXYRPtData("1, 2", 10.0);  // a missing comma: y reads 0, r takes the rest
    ExpectPoint(pt, 10.0, 0.0, 20.0);
    pt.SetXYRPtData("5", 10.0);
    ExpectPoint(pt, 0.0, 0.0, 50.0);
}

TEST(Points, Lists)
{
    const CExPtArray three = Points("(0,0) (10,0) (10, 5)", 2.0);
    ASSERT_EQ(three.GetSize(), 3);
    ExpectPoint(three[2], 20.0, 10.0);

    EXPECT_EQ(Points("(0,0)()(1,1)").GetSize(), 2);
    EXPECT_EQ(Points("(1,2)\n(3,4)").GetSize(), 2);
    EXPECT_EQ(Points("(1,2) (3").GetSize(), 1);       // a piece without comma is skipped
    EXPECT_EQ(Points("(1 2) (3 4)").GetSize(), 0);    // blanks go, so no comma is left
    EXPECT_EQ(Points("((1,2))").GetSize(), 1);
    EXPECT_EQ(Points("(1,2").GetSize(), 1);           // the missing ")" is not needed
    EXPECT_EQ(Points("(").GetSize(), 0);

    // Without parentheses the text is one point, even an empty one.
    const CExPtArray one = Points(" 3, 4 ", 2.0);
    ASSERT_EQ(one.GetSize(), 1);
    ExpectPoint(one[0], 6.0, 8.0);
    EXPECT_EQ(Points("").GetSize(), 1);

    CExPtArray arcs;
    arcs.SetXYRPtDatas("(0, 0, 0) (1, 1, 0.5) (2, 2)", 2.0);
    ASSERT_EQ(arcs.GetSize(), 3);
    ExpectPoint(arcs[1], 2.0, 2.0, 1.0);
    ExpectPoint(arcs[2], 4.0, 0.0, 4.0);
}

TEST(Points, ListsAppend)
{
    CExPtArray points;
    points.SetPtDatas("(1, 1) (2, 2)", 1.0);
    points.SetPtDatas("(3, 3)", 1.0);
    points.SetXYRPtDatas("(4, 4, 4)", 1.0);
    ASSERT_EQ(points.GetSize(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(points[i].dX, i + 1.0);
    ExpectPoint(points[3], 4.0, 4.0, 4.0);
}

} // namespace
