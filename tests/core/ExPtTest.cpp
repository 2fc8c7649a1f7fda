#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ExPt.h"

namespace {

struct XYR {
    double x, y, r;
    bool operator==(const XYR&) const = default;
};

std::ostream& operator<<(std::ostream& os, const XYR& p) { return os << "(" << p.x << "," << p.y << "," << p.r << ")"; }

XYR Pt(const std::string& text, double scale)
{
    CExPt pt;
    pt.SetPtData(text, scale);
    return {pt.dX, pt.dY, pt.dR};
}

XYR PtR(const std::string& text, double scale)
{
    CExPt pt;
    pt.SetXYRPtData(text, scale);
    return {pt.dX, pt.dY, pt.dR};
}

std::vector<XYR> Points(const CExPtArray& a)
{
    std::vector<XYR> out;
    for (const CExPt& p : a)
        out.push_back({p.dX, p.dY, p.dR});
    return out;
}

TEST(CExPt, OnePointAndLists)
{
    const struct {
        const char* text;
        XYR point;
    } points[] = {
        {"(1.5, 2)", {3, 4, 0}},  {"1.5,2", {3, 4, 0}},   {"  ( -1 , -2.5 )  ", {-2, -5, 0}},
        {"7", {0, 14, 0}},  // no comma: x is 0, y is read
        {"", {0, 0, 0}},    {"(,)", {0, 0, 0}},     {"a, b", {0, 0, 0}},
        {"1, 2, 3", {2, 4, 0}}, {"1,2)", {2, 4, 0}},  // a lone ")" goes too
    };
    for (const auto& row : points)
        EXPECT_EQ(Pt(row.text, 2), row.point) << row.text;
    const XYR huge = Pt("(1e999, -1e999)", 1);
    EXPECT_TRUE(std::isinf(huge.x) && std::isinf(huge.y));
    EXPECT_EQ(PtR("(1, 2, 0.5)", 10), (XYR{10, 20, 5}));
    EXPECT_EQ(PtR("1, 2", 10), (XYR{10, 0, 20}));  // missing comma: y from "", r from the rest
    EXPECT_EQ(PtR("5", 1), (XYR{0, 0, 5}));
    EXPECT_EQ(PtR("1,2,3,4", 1), (XYR{1, 2, 3}));
    // Reading a point sets every value it reads.
    CExPt p;
    p.SetXYRPtData("1,2,3", 1);
    p.SetPtData("4,5", 1);
    EXPECT_EQ((XYR{p.dX, p.dY, p.dR}), (XYR{4, 5, 3}));

    const struct {
        const char* text;
        std::vector<XYR> points;
    } lists[] = {
        {"(0,0) (10,0) (10, 5)", {{0, 0, 0}, {20, 0, 0}, {20, 10, 0}}},
        {"(0,0)()(1,1)", {{0, 0, 0}, {2, 2, 0}}},
        {"3, 4", {{6, 8, 0}}},
        // Newlines after ")" (joined continuation text) and pieces without a comma.
        {"(1,1)\n(2,2) (junk) (3, 3", {{2, 2, 0}, {4, 4, 0}, {6, 6, 0}}},
        {"((1,2))", {{2, 4, 0}}},
        {"()", {}},
        {"((((", {}},
        {"", {{0, 0, 0}}},  // text without "(" is always one point, even when empty
    };
    for (const auto& row : lists) {
        CExPtArray a;
        a.SetPtDatas(row.text, 2);
        EXPECT_EQ(Points(a), row.points) << row.text;
    }
    // Lists append to what is there.
    CExPtArray a;
    a.SetPtDatas("3, 4", 1);
    a.SetXYRPtDatas("(1,2,3) (4,5,6)", 2);
    a.SetXYRPtDatas("7, 8, 9", 1);
    EXPECT_EQ(Points(a), (std::vector<XYR>{{3, 4, 0}, {2, 4, 6}, {8, 10, 12}, {7, 8, 9}}));
}

TEST(CExPtArray, BlanksAndParenthesesInsideAPointAreDropped)
{
    // A blank or "(" inside a point is removed before the numbers are read,
    // wherever it stands: "1 2" reads as 12, "( 3" as 3.
    CExPtArray a;
    a.SetPtDatas("(1 2, 3) ( 4 ,( 5 ) (6,- 7) (8, (9) (1, 2 (", 1);
    EXPECT_EQ(Points(a), (std::vector<XYR>{{12, 3, 0}, {4, 5, 0}, {6, -7, 0}, {8, 9, 0}, {1, 2, 0}}));
    CExPtArray b;
    b.SetXYRPtDatas("(1 ,2 , 3 0) (4,5,(6)", 1);
    EXPECT_EQ(Points(b), (std::vector<XYR>{{1, 2, 30}, {4, 5, 6}}));

    // Random texts read as the rule says: a line feed right after ")" goes,
    // every "(" and blank goes, the rest is cut at ")" and each piece with a
    // comma is one point.
    const auto byTheRule = [](const std::string& text, bool xyr) {
        std::string cleaned;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (!(c == '\n' && i > 0 && text[i - 1] == ')') && c != '(' && c != ' ')
                cleaned += c;
        }
        std::vector<XYR> points;
        std::size_t pos = 0;
        while (pos <= cleaned.size()) {
            std::size_t close = cleaned.find(')', pos);
            if (close == std::string::npos)
                close = cleaned.size();
            const std::string piece = cleaned.substr(pos, close - pos);
            if (piece.find(',') != std::string::npos)
                points.push_back(xyr ? PtR(piece, 2) : Pt(piece, 2));
            pos = close + 1;
        }
        return points;
    };
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    };
    const std::string alphabet = "0123456789.-+,,,   ((e\n\t\r";
    for (int n = 0; n < 40000; ++n) {
        std::string text = "(";
        const std::size_t length = 1 + next(40);
        for (std::size_t i = 0; i < length; ++i)
            text += (next(6) == 0) ? ')' : alphabet[next(static_cast<std::uint32_t>(alphabet.size()))];
        for (bool xyr : {false, true}) {
            CExPtArray a;
            (a.*(xyr ? &CExPtArray::SetXYRPtDatas : &CExPtArray::SetPtDatas))(text, 2);
            ASSERT_EQ(Points(a), byTheRule(text, xyr)) << text;
        }
    }
}

TEST(CExPtArray, LongListIsLinear)
{
    std::string text;
    for (int i = 0; i < 300000; ++i) {
        text += '(';
        text += std::to_string(i);
        text += ", ";
        text += std::to_string(-i);
        text += ") ";
    }
    CExPtArray a;
    a.SetPtDatas(text, 0.5);
    ASSERT_EQ(a.GetSize(), 300000);
    EXPECT_EQ(a.Capacity(), 300000u);  // the first list gets no spare room
    EXPECT_EQ(a[299999].dX, 299999 * 0.5);
    EXPECT_EQ(a[299999].dY, -299999 * 0.5);
}

} // namespace
