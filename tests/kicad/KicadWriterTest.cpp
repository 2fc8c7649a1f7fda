// The KiCad writer's pieces: numbers and strings as the board reader takes
// them back, and plane copper with its voids as polygons without holes.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <set>
#include <string>

#include "Rings.h"
#include "SExpression.h"

namespace {

// What the writer puts into a file.
template <class Write>
std::string Written(Write write)
{
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* f = open_memstream(&data, &size);
    {
        kicad::SExpression out(f);
        write(out);
    }
    std::fclose(f);
    std::string s(data, size);
    std::free(data);
    return s;
}

board::Shape Box(double cx, double cy, double w, double h, bool isVoid = false)
{
    board::Shape s;
    s.kind = board::Kind::Rect;
    s.at = {cx, cy};
    s.w = w, s.h = h;
    s.bVoid = isVoid;
    return s;
}

board::Shape Disc(double cx, double cy, double d)
{
    board::Shape s = Box(cx, cy, d, d);
    s.kind = board::Kind::Circle;
    return s;
}

// A straight line `width` wide: a tie leg.
board::Shape Leg(const board::Vertex (&pts)[2], double width)
{
    board::Shape leg;
    leg.kind = board::Kind::Path;
    leg.bLine = true;
    leg.width = width;
    leg.pPoints = pts, leg.nPoints = 2;
    return leg;
}

std::vector<kicad::Ring> Rings(std::initializer_list<board::Shape> shapes)
{
    std::vector<kicad::Ring> out;
    for (const board::Shape& s : shapes)
        kicad::AddArea(s, board::Transform{}, out);
    return out;
}

double AreaMm2(const std::vector<kicad::Ring>& rings)
{
    double a = 0;
    for (const kicad::Ring& r : rings)
        a += kicad::Area2(r) / 2 / 1e12;
    return a;
}

// Even-odd: a fractured ring's cuts have no width and change nothing.
bool Inside(const std::vector<kicad::Ring>& rings, double x, double y)
{
    const double px = x * 1e6, py = y * 1e6;
    bool in = false;
    for (const kicad::Ring& r : rings)
        for (std::size_t i = 0, j = r.size() - 1; i < r.size(); j = i++)
            if ((r[i].y > py) != (r[j].y > py)) {
                const double dx = static_cast<double>(r[j].x - r[i].x), dy = static_cast<double>(r[j].y - r[i].y);
                if (px < dx * (py - r[i].y) / dy + r[i].x)
                    in = !in;
            }
    return in;
}

} // namespace

TEST(KicadWriter, NumbersAreExactWithoutExponentOrNegativeZero)
{
    EXPECT_EQ(Written([](kicad::SExpression& o) { o.Mm(1.5) << ' ', o.Mm(-0.0000001) << ' ', o.Mm(123.4567891); }),
              "1.5 0 123.456789");
    EXPECT_EQ(Written([](kicad::SExpression& o) { o.Nm(-1) << ' ', o.Nm(1000000) << ' ', o.Nm(-250000000); }),
              "-0.000001 1 -250");
    EXPECT_EQ(Written([](kicad::SExpression& o) { o.Mm(1e300) << ' ', o.Degrees(-90.0000004) << ' ', o.Int(-42); }),
              "1000000000 -90 -42");
    // Either side of each count of whole digits, and zeros inside the fraction.
    EXPECT_EQ(Written([](kicad::SExpression& o) {
                  for (const std::int64_t nm : {9999999LL, 10010000LL, 99000001LL, 100100000LL, 102030LL, 1000000000000LL})
                      o.Nm(nm) << ' ';
              }),
              "9.999999 10.01 99.000001 100.1 0.10203 1000000 ");
}

TEST(KicadWriter, StringsComeBackAsTheyWere)
{
    auto quoted = [](std::string_view s) { return Written([&](kicad::SExpression& o) { o.Quoted(s); }); };
    EXPECT_EQ(quoted("a \"b\" \\c"), R"("a \"b\" \\c")");
    EXPECT_EQ(quoted("line\nnext\tx\x01y\x7f"), R"("line\nnext\tx\x01y\x7f")");
    // UTF-8 stays; a byte that is no UTF-8 (a lone é of Latin-1, an overlong
    // form, a cut sequence) becomes the Latin-1 character, which the reader keeps.
    EXPECT_EQ(quoted("\xc3\xa9"), "\"\xc3\xa9\"");
    EXPECT_EQ(quoted("\xe9"), "\"\xc3\xa9\"");
    EXPECT_EQ(quoted("\xc0\x80"), "\"\xc3\x80\xc2\x80\"");
    EXPECT_EQ(quoted("\xe2\x82"), "\"\xc3\xa2\xc2\x82\"");
    EXPECT_EQ(kicad::ValidUtf8("\xb5m"), "\xc2\xb5m");
}

TEST(KicadWriter, TextComesOutWholeAcrossTheBuffer)
{
    // Points written again and again, through many fills of the buffer: each
    // as Nm writes it, the one written last kept only while it is the same.
    std::string expected;
    const std::string written = Written([&](kicad::SExpression& o) {
        for (std::int64_t i = 0; i < 200000; ++i) {
            const std::int64_t x = i * 1234567, y = -i / 3;
            o.Pair(x, y) << ' ', o.Pair(x, y) << ' ', o.Pair(x, y + 1) << ' ';
            for (const std::int64_t v : {y, y, y + 1})
                expected += kicad::SExpression::NmText(x) + " " + kicad::SExpression::NmText(v) + " ";
        }
    });
    EXPECT_EQ(written, expected);
    EXPECT_EQ(kicad::SExpression::NmText(-1500000), "-1.5");

    // A name of megabytes, plain or with an escape in it.
    const std::string name(3000000, 'n');
    EXPECT_EQ(Written([&](kicad::SExpression& o) { o << "(a ", o.Quoted(name) << ')'; }), "(a \"" + name + "\")");
    EXPECT_EQ(Written([&](kicad::SExpression& o) { o.Quoted(name + "\"" + name); }),
              "\"" + name + "\\\"" + name + "\"");
}

TEST(KicadWriter, StampsAreFixedPerObjectAndDifferBetweenThem)
{
    const std::string a = Written([](kicad::SExpression& o) { o.Stamp(1, 7); });
    EXPECT_EQ(a, Written([](kicad::SExpression& o) { o.Stamp(1, 7); }));
    ASSERT_EQ(a.size(), 36u);
    EXPECT_EQ(a[8], '-');
    EXPECT_EQ(a[14], '4');
    std::set<std::string> seen;
    for (std::uint32_t kind = 1; kind < 4; ++kind)
        for (std::uint64_t i = 0; i < 1000; ++i)
            seen.insert(Written([&](kicad::SExpression& o) { o.Stamp(kind, i); }));
    EXPECT_EQ(seen.size(), 3000u);
}

TEST(KicadWriter, VoidsAreCutIntoOneOutlineWhateverTheyOverlap)
{
    const auto copper = Rings({Box(5, 5, 10, 10)});
    // Two voids that overlap (3 x 2 together), one across the edge (half of
    // it inside), one outside, one alone inside.
    const auto voids = Rings({Box(3, 3, 2, 2), Box(4, 3, 2, 2), Box(0, 8, 2, 2), Box(20, 20, 2, 2), Box(7, 6, 1, 1)});
    const auto fill = kicad::Fill(copper, voids, {});
    ASSERT_EQ(fill.size(), 1u) << "holes joined to the outline by cuts";
    EXPECT_NEAR(AreaMm2(fill), 100 - 6 - 2 - 1, 1e-9);
    EXPECT_FALSE(Inside(fill, 3.5, 3));
    EXPECT_FALSE(Inside(fill, 7, 6));
    EXPECT_FALSE(Inside(fill, 0.5, 8));
    EXPECT_TRUE(Inside(fill, 8, 2));
    EXPECT_TRUE(Inside(fill, 5, 9));
    EXPECT_GT(kicad::Area2(fill[0]), 0) << "counter-clockwise on the board's axes";
}

TEST(KicadWriter, TieLegsHoldCopperAcrossAVoidAndIslandsStayApart)
{
    const board::Vertex pts[] = {{3, 5, 0}, {7, 5, 0}};
    const auto copper = Rings({Box(5, 5, 10, 10)});
    const auto fill = kicad::Fill(copper, Rings({Disc(5, 5, 2)}), Rings({Leg(pts, 0.3)}));
    ASSERT_EQ(fill.size(), 1u);
    // The disc less the leg's 2 x 0.3 across it; the disc is a polygon of
    // segments within 5 micrometres of the circle.
    EXPECT_NEAR(AreaMm2(fill), 100 - std::numbers::pi + 0.6, 0.02);
    EXPECT_TRUE(Inside(fill, 5, 5));
    EXPECT_FALSE(Inside(fill, 5, 5.6));

    // A ring-shaped void leaves the copper inside it an island of its own.
    board::Shape ring = Disc(5, 5, 4);
    ring.kind = board::Kind::Ring;
    ring.r = 2;
    const auto islands = kicad::Fill(copper, Rings({ring}), {});
    ASSERT_EQ(islands.size(), 2u);
    EXPECT_NEAR(AreaMm2(islands), 100 - std::numbers::pi * (4 - 1), 0.1);
    EXPECT_TRUE(Inside(islands, 5, 5));
    EXPECT_FALSE(Inside(islands, 5, 6.5));
}

TEST(KicadWriter, OverlappingVoidsCutTheirUnionOnceWithOrWithoutTies)
{
    // Pairs of unit discs one apart: together 2 pi less the lens they share.
    // Copper lost or added where they overlap is off by the whole lens.
    const double lens = 2 * std::acos(0.5) - std::sqrt(3.0) / 2;
    const double pair = 2 * std::numbers::pi - lens;
    // Segments lie within 5 micrometres of the circles: under 0.03 mm2 a pair.
    const double tolerance = 0.06;
    const auto copper = Rings({Box(5, 5, 10, 10)});

    // Inside the copper with a 0.2 leg across all 3 mm of it; across the
    // left edge (half inside) without one.
    const board::Vertex across[] = {{1.5, 5, 0}, {5.5, 5, 0}};
    const auto fill = kicad::Fill(copper, Rings({Disc(3, 5, 2), Disc(4, 5, 2), Disc(0, 7, 2), Disc(0, 8, 2)}),
                                  Rings({Leg(across, 0.2)}));
    ASSERT_EQ(fill.size(), 1u);
    EXPECT_NEAR(AreaMm2(fill), 100 - (pair - 0.2 * 3) - pair / 2, tolerance);
    EXPECT_FALSE(Inside(fill, 3.5, 5.6)) << "the lens is void";
    EXPECT_TRUE(Inside(fill, 3.5, 5)) << "the leg holds copper across it";
    EXPECT_FALSE(Inside(fill, 0.2, 7.5));

    // Across the right edge with a leg from outside the discs to past the edge:
    // copper comes back only where the leg lies in both the plane and the discs.
    const board::Vertex out[] = {{8.5, 2.5, 0}, {11, 2.5, 0}};
    const auto edge = kicad::Fill(copper, Rings({Disc(10, 2, 2), Disc(10, 3, 2)}), Rings({Leg(out, 0.2)}));
    ASSERT_EQ(edge.size(), 1u);
    EXPECT_NEAR(AreaMm2(edge), 100 - pair / 2 + 0.2 * std::sqrt(3.0) / 2, tolerance);
    EXPECT_FALSE(Inside(edge, 9.8, 2.2));
    EXPECT_TRUE(Inside(edge, 9.8, 2.5));
}

TEST(KicadWriter, ManyHolesAreCutInLinearTime)
{
    // A plane with 40 000 clearances in a grid, as a dense board has them.
    std::vector<kicad::Ring> voids;
    for (int i = 0; i < 200; ++i)
        for (int j = 0; j < 200; ++j)
            kicad::AddArea(Box(1 + i, 1 + j, 0.5, 0.5), board::Transform{}, voids);
    const auto fill = kicad::Fill(Rings({Box(100.5, 100.5, 201, 201)}), voids, {});
    ASSERT_EQ(fill.size(), 1u);
    EXPECT_NEAR(AreaMm2(fill), 201.0 * 201 - 40000 * 0.25, 1e-6);
    EXPECT_FALSE(Inside(fill, 100, 100));
    EXPECT_TRUE(Inside(fill, 100.5, 100.5));
}
