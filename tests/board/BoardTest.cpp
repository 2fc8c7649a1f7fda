// The board layer on small designs loaded from files: where pins, pads and
// vias land, in millimetres, and what is left out.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Board.h"
#include "expedition.h"
#include "support/TestSupport.h"

namespace {

constexpr const char* kPadstacks = R"lib(.FILETYPE PADSTACK_LIBRARY
.UNITS MM
.PAD "R2x1"
..RECTANGLE
...HEIGHT 1
...WIDTH 2
..OFFSET (0.5, 0)
.PAD "D1"
..ROUND
...DIAMETER 1
.PAD "HUGE"
..ROUND
...DIAMETER 1e999
.HOLE "H04"
..ROUND
...DIAMETER 0.4
.PADSTACK "SMD"
..PADSTACK_TYPE PIN_SMD
..TECHNOLOGY "(Default)"
...TOP_PAD "R2x1"
.PADSTACK "VIA"
..PADSTACK_TYPE VIA
..TECHNOLOGY "(Default)"
...TOP_PAD "D1"
...BOTTOM_PAD "D1"
...HOLE_NAME "H04"
.PADSTACK "BAD"
..TECHNOLOGY "(Default)"
...TOP_PAD "HUGE"
)lib";

std::string JobPrefs(const std::string& units)
{
    return ".FILETYPE JOB_PREFERENCES_FILE\n.UNITS " + units +
           "\n.LAYER_STACKUP_SECTION\n..SIGNAL_LAYER 1\n...LAYER_NAME \"Top\"\n..PLANE_LAYER 2\n"
           "...LAYER_NAME \"Gnd\"\n...PLANE_NET GND\n..SIGNAL_LAYER 3\n...LAYER_NAME \"Bottom\"\n";
}

// A design of the given job preferences unit and layout file, loaded.
struct Design {
    test::TempDir dir;
    CExExpedition root;

    explicit Design(const std::string& layout, const std::string& units = "MM", const std::string& netClasses = "")
    {
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.vSetMExpeditionFilePath(dir.Write("jp", JobPrefs(units)), dir.Write("cells", ".FILETYPE CELL_LIBRARY\n"),
                                       dir.Write("layout", ".FILETYPE LAYOUT\n" + layout),
                                       dir.Write("pads", kPadstacks),
                                       netClasses.empty() ? "" : dir.Write("nc", netClasses), "");
        loader.ParseExpeditionOfMFC();
    }
};

// A cell at (10, 20) turned by 90 degrees on the bottom, one pin 1 mm along
// its own x axis; written around its origin (as a library does) or where it
// lies on the board (as a layout does).
std::string TurnedBottomCell(bool onBoard)
{
    return ".PACKAGE_CELL \"C\"\n..XY (10, 20)\n..ROTATION 90\n..FACEMENT BOTTOM\n..TEXT \"REFDES\" \"U7\"\n"
           "...TEXT_TYPE REFDES\n...XY " +
           std::string(onBoard ? "(10, 18)" : "(2, 0)") + "\n...HEIGHT 1\n..PIN \"1\"\n...PADSTACK \"SMD\"\n...XY " +
           (onBoard ? "(10, 19)\n...ROTATION 90\n" : "(1, 0)\n...ROTATION 0\n") + "...NETNAME \"N1\"\n";
}

void ExpectPoint(board::Point p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

} // namespace

TEST(Board, PinOfATurnedBottomCellLandsWhereEitherWritingPutsIt)
{
    for (const bool onBoard : {false, true}) {
        SCOPED_TRACE(onBoard ? "written on the board" : "written around the origin");
        const Design d(TurnedBottomCell(onBoard));
        const board::Board b(d.root);
        ASSERT_EQ(b.footprints.size(), 1u);
        const board::Footprint& fp = b.footprints[0];
        EXPECT_TRUE(fp.bBottom);
        EXPECT_EQ(fp.sReference, "U7");
        ExpectPoint(fp.place.Origin(), 10, 20);
        EXPECT_DOUBLE_EQ(fp.place.Degrees(), 90);
        EXPECT_TRUE(fp.place.Mirrored());

        ASSERT_EQ(fp.pads.nCount, 1u);
        const board::Pad& pad = board::Board::Of(b.pads, fp.pads)[0];
        EXPECT_EQ(pad.sNumber, "1");
        EXPECT_EQ(b.nets[static_cast<std::size_t>(pad.nNet)], "N1");
        // In the footprint's frame the pin lies 1 mm along x, unturned.
        ExpectPoint(pad.at.Origin(), 1, 0);
        EXPECT_NEAR(pad.at.Degrees(), 0, 1e-9);
        EXPECT_FALSE(pad.at.Mirrored());
        // Mirrored to -1 and turned by 90 degrees: 1 mm below the origin.
        const board::Transform pin = b.PinOnBoard(pad);
        ExpectPoint(pin.Origin(), 10, 19);
        EXPECT_TRUE(pin.Mirrored());
        // The pad's shape lies 0.5 mm further along the pin's own x axis.
        const board::Padstack& ps = b.padstacks[static_cast<std::size_t>(pad.nPadstack)];
        const board::PadDef& def = b.padDefs[static_cast<std::size_t>(ps.nTopPad)];
        ExpectPoint(board::Board::PadAt(pin, def).Origin(), 10, 18.5);
        // A surface pad of a bottom cell is on the bottom copper.
        EXPECT_EQ(b.layers[static_cast<std::size_t>(pad.nTopLayer)].sName, "Bottom");
        ASSERT_EQ(b.copper.size(), 3u);
        EXPECT_EQ(b.layers[static_cast<std::size_t>(b.copper[1])].bPlane, true);

        // The text two units along the cell's x axis.
        ASSERT_EQ(fp.texts.nCount, 1u);
        const board::Text& t = board::Board::Of(b.texts, fp.texts)[0];
        ExpectPoint(t.at, 2, 0);
        ExpectPoint(fp.place.Apply(t.at), 10, 18);
        EXPECT_EQ(b.layers[static_cast<std::size_t>(t.nLayer)].side, board::Side::Bottom);
    }
}

TEST(Board, LayoutUnitsAndDesignUnitsBothBecomeMillimetres)
{
    // The design in thousandths of an inch, the layout file in inches: the
    // via's position and the cell's origin keep the file's unit in the
    // model, the trace is read into the design's unit.
    const Design d(".UNITS IN\n.NET \"N\"\n..VIA\n...PADSTACK \"VIA\"\n...LAYER_PAIR 1 3\n...XY (1, 2)\n"
                   "..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.01\n....XY (1, 2) (2, 2)\n"
                   ".PACKAGE_CELL \"C\"\n..XY (3, 1)\n..PIN \"1\"\n...PADSTACK \"SMD\"\n...XY (0, 0)\n",
                   "MIL");
    const board::Board b(d.root);
    ASSERT_EQ(b.vias.size(), 1u);
    ExpectPoint(b.vias[0].at.Origin(), 25.4, 50.8);
    EXPECT_EQ(b.nets[static_cast<std::size_t>(b.vias[0].nNet)], "N");
    EXPECT_EQ(b.layers[static_cast<std::size_t>(b.vias[0].nBottomLayer)].sName, "Bottom");
    ASSERT_EQ(b.tracks.size(), 1u);
    const auto pts = b.tracks[0].shape.Points();
    ASSERT_EQ(pts.size(), 2u);
    ExpectPoint({pts[1].x, pts[1].y}, 50.8, 50.8);
    EXPECT_NEAR(b.tracks[0].shape.width, 0.254, 1e-12);
    // Pads of the library, written in millimetres, keep their size.
    const board::Padstack& via = b.padstacks[static_cast<std::size_t>(b.vias[0].nPadstack)];
    EXPECT_NEAR(b.Shapes(b.padDefs[static_cast<std::size_t>(via.nTopPad)].shapes)[0].w, 1.0, 1e-12);
    EXPECT_TRUE(via.bPlated);
    ASSERT_EQ(b.footprints.size(), 1u);
    ExpectPoint(b.footprints[0].place.Origin(), 76.2, 25.4);
}

TEST(Board, AbsurdValuesLeaveTheirItemOutAndAreCounted)
{
    const Design d(".NET \"N\"\n..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 1e300\n....XY (0, 0) (1, 1)\n"
                   "..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.2\n....XY (0, 0) (1e999, 1)\n"
                   "..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.2\n....XY (0, 0) (999, -999)\n"
                   "..VIA\n...PADSTACK \"VIA\"\n...XY (-2e9, 0)\n"
                   ".PACKAGE_CELL \"A\"\n..XY (5, 5)\n..PIN \"1\"\n...PADSTACK \"BAD\"\n...XY (5, 5)\n"
                   "..PIN \"2\"\n...PADSTACK \"SMD\"\n...XY (6, 5)\n"
                   ".PACKAGE_CELL \"B\"\n..XY (5, 5)\n..ROTATION 1e999\n"
                   ".TEXT \"far\"\n..XY (0, -2e9)\n..HEIGHT 1\n"
                   ".TEXT \"tall\"\n..XY (0, 0)\n..HEIGHT 1e4\n"
                   ".TEXT \"kept\"\n..XY (0, 0)\n..HEIGHT 2\n");
    const board::Board b(d.root);
    using board::Dropped;
    EXPECT_EQ(b.leftOut.Of(Dropped::Track), 2);
    EXPECT_EQ(b.tracks.size(), 1u) << "999 mm is within a metre";
    EXPECT_EQ(b.leftOut.Of(Dropped::Via), 1);
    EXPECT_EQ(b.leftOut.Of(Dropped::Pad), 1);
    EXPECT_EQ(b.leftOut.Of(Dropped::Footprint), 1);
    EXPECT_EQ(b.leftOut.Of(Dropped::Text), 2);
    EXPECT_EQ(b.leftOut.Total(), 7);
    ASSERT_EQ(b.footprints.size(), 1u);
    EXPECT_EQ(b.footprints[0].pads.nCount, 1u);
    ASSERT_EQ(b.texts.size(), 1u);
    EXPECT_EQ(b.texts[0].sText, "kept");
    EXPECT_EQ(b.leftOut.Describe(), "left out 1 footprint, 1 pad, 1 via, 2 tracks and 2 texts with a value that is "
                                    "not finite or lies beyond 1 m");
    EXPECT_EQ(board::Board(Design("").root).leftOut.Describe(), "");
}

TEST(Board, PolygonsRunCounterClockwiseWithTheirArcs)
{
    // A half disc of radius 2 written clockwise: its arc from (2, 0) round
    // to (-2, 0) over the top.
    const Design d(".BOARD_OUTLINE\n..POLYARC_SHAPE\n...XYR (-2, 0, 0) (2, 0, -2) (-2, 0, 0)\n");
    const board::Board b(d.root);
    ASSERT_EQ(b.graphics.size(), 1u);
    const board::Shape& s = b.graphics[0].shape;
    EXPECT_EQ(s.kind, board::Kind::Polygon);
    const auto pts = s.Points();
    ASSERT_EQ(pts.size(), 3u);
    // Every arc still bends round the same centre, now turning left.
    int arcs = 0;
    for (std::size_t i = 1; i < pts.size(); ++i)
        if (pts[i].r != 0) {
            const board::Arc arc = board::ArcBetween({pts[i - 1].x, pts[i - 1].y}, {pts[i].x, pts[i].y}, pts[i].r);
            ExpectPoint(arc.centre, 0, 0);
            EXPECT_TRUE(arc.bCounterClockwise);
            ++arcs;
        }
    EXPECT_EQ(arcs, 1);
    const board::Bounds box = board::ShapeBounds(s);
    EXPECT_NEAR(box.y1, 2, 1e-12);
    EXPECT_NEAR(box.x0, -2, 1e-12);
}

TEST(Board, MergeCloseKeepsEndsAndArcs)
{
    const board::Vertex pts[] = {{0, 0, 0},    {0.01, 0, 0}, {0.02, 0, 0}, {1, 0, 0},
                                 {1.01, 0, 0}, {1.02, 0, 1}, {1.03, 0, 0}};
    std::vector<board::Vertex> out;
    board::MergeClose(pts, 0.1, [&](const board::Vertex& v) { out.push_back(v); });
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0].x, 0);
    EXPECT_EQ(out[1].x, 1);
    EXPECT_EQ(out[2].x, 1.01) << "an arc's start stays";
    EXPECT_EQ(out[3].r, 1) << "and its end";
    EXPECT_EQ(out[4].x, 1.03) << "the last point always";
}

TEST(Board, PlaneVoidsTieLegsAndNetRulesAreKept)
{
    const Design d(".NET \"gnd\"\n..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.2\n....XY (0, 0) (1, 0)\n"
                   ".NET \"SIG\"\n..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.2\n....XY (0, 1) (1, 1)\n"
                   ".GENERATED_DATA\n..PLANE_LYR 2\n...PLANE_NET \"gnd\"\n....POLYLINE_SHAPE\n"
                   ".....XY (0, 0) (10, 0) (10, 10) (0, 10) (0, 0)\n....ACTUAL_PLANE_SHAPE\n"
                   ".....POLYLINE_SHAPE\n......XY (0, 0) (10, 0) (10, 10) (0, 10) (0, 0)\n"
                   ".....CIRCLE_SHAPE\n......SHAPE_OPTIONS VOID\n......RADIUS 1\n......XY (5, 5)\n"
                   ".....APS_TIE_LEG\n......POLYLINE_PATH\n.......WIDTH 0.3\n.......XY (3, 5) (7, 5)\n",
                   "IN",
                   ".FILETYPE NET_CLASS_PROPERTIES\n.NETCLASS \"Power\"\n..NETNAMES \"gnd\"\n"
                   ".NETCLASS \"Fast\"\n..NETNAMES \"SIG\" \"gnd\"\n"
                   ".NETNAME \"SIG\"\n..WIDTH 0.05\n..NET_CLASS \"Slow\"\n.NETNAME \"GND\"\n..WIDTH 2\n");
    const board::Board b(d.root);
    ASSERT_EQ(b.zones.size(), 1u);
    const auto fill = b.Shapes(b.zones[0].fill);
    ASSERT_EQ(fill.size(), 2u);
    EXPECT_FALSE(fill[0].bVoid);
    EXPECT_TRUE(fill[1].bVoid);
    EXPECT_NEAR(fill[1].w, 2 * 25.4, 1e-9);
    ASSERT_EQ(b.zones[0].ties.nCount, 1u);
    EXPECT_NEAR(b.Shapes(b.zones[0].ties)[0].width, 0.3 * 25.4, 1e-9);

    ASSERT_EQ(b.netRules.size(), b.nets.size());
    auto rules = [&](std::string_view net) {
        for (std::size_t i = 0; i < b.nets.size(); ++i)
            if (b.nets[i] == net)
                return b.netRules[i];
        ADD_FAILURE() << net;
        return board::NetRules{};
    };
    auto className = [&](std::string_view net) {
        const std::int32_t c = rules(net).nClass;
        return c < 0 ? std::string_view() : b.netClasses[static_cast<std::size_t>(c)];
    };
    // Property names are upper case, net names as written; a net's own class
    // comes before the records that list it, the first of those before the next.
    EXPECT_EQ(className("SIG"), "Slow");
    EXPECT_EQ(className("gnd"), "Power");
    // Properties lose their dots as they are read: "0.05" reads "005", in inches.
    EXPECT_NEAR(rules("SIG").dWidth, 0.05 * 25.4, 1e-9);
    EXPECT_NEAR(rules("gnd").dWidth, 2 * 25.4, 1e-9);
}
