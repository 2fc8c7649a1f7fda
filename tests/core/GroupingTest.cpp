#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Grouping.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

std::vector<Lines> Groups(Lines lines, std::size_t first, ex::GroupRule rule)
{
    std::vector<Lines> out;
    ex::GroupLines(lines, first, rule, [&](Lines& g) { out.push_back(g); });
    EXPECT_TRUE(lines.empty());
    return out;
}

TEST(GroupLines, LevelTwoSections)
{
    const Lines record{".LAYER_STACKUP_SECTION", "..SIGNAL_LAYER 1", "...THICKNESS 1", "  (cont)  ",
                       ".STRAY", "", "   ", "..PLANE_LAYER 2", "....DEEP", "..... DEEPER", "..DIELECTRIC_LAYER"};
    EXPECT_EQ(Groups(record, 1, {2, 0, false}),
              (std::vector<Lines>{{"..SIGNAL_LAYER 1", "...THICKNESS 1(cont)"},
                                  {"..PLANE_LAYER 2", "....DEEP", "..... DEEPER"},
                                  {"..DIELECTRIC_LAYER"}}));

    // Deeper lines before the first opening line form a group of their own,
    // and so do continuation lines with nothing before them.
    EXPECT_EQ(Groups({".S", "...ORPHAN", "..A"}, 1, {2, 0, false}),
              (std::vector<Lines>{{"...ORPHAN"}, {"..A"}}));
    EXPECT_EQ(Groups({"loose", "text", "..A"}, 0, {2, 0, false}),
              (std::vector<Lines>{{"loosetext"}, {"..A"}}));

    // A continuation after a dropped shallower line still joins the open group.
    EXPECT_EQ(Groups({"..A 1", ".SKIPPED", "2"}, 0, {2, 0, false}), (std::vector<Lines>{{"..A 12"}}));

    // Nothing at all, or only lines that belong nowhere.
    EXPECT_TRUE(Groups({}, 0, {2, 0, false}).empty());
    EXPECT_TRUE(Groups({".HEADER"}, 1, {2, 0, false}).empty());
    EXPECT_TRUE(Groups({".A", ".B", "", "  "}, 0, {2, 0, false}).empty());
    // first past the end drops everything.
    EXPECT_TRUE(Groups({"..A", "..B"}, 5, {2, 0, false}).empty());
}

TEST(GroupLines, CutAndLevel)
{
    // Level 3 with the three dots cut off: what a shape parser receives. The
    // cut is made before a line is placed, so continuation text loses its
    // first characters too, as the shape parsers expect.
    EXPECT_EQ(Groups({"...ROUND", "....DIAMETER 1", "..SKIP", "...SQUARE", "....WIDTH", " 1234", "..."}, 0,
                     {3, 3, false}),
              (std::vector<Lines>{{"ROUND", ".DIAMETER 1"}, {"SQUARE", ".WIDTH4"}, {""}}));
    // The cut is clipped to the line.
    EXPECT_EQ(Groups({"..A", "...B", "x"}, 0, {2, 10, false}), (std::vector<Lines>{{"", ""}}));

    // Level 1: the record reader's grouping.
    EXPECT_EQ(Groups({".A 1", "..B 2", ".D 3"}, 0, {1, 0, false}),
              (std::vector<Lines>{{".A 1", "..B 2"}, {".D 3"}}));
}

TEST(GroupLines, HandOverEmptyGroups)
{
    std::vector<Lines> out = Groups({"..A", "..B"}, 0, {2, 0, true});
    EXPECT_EQ(out, (std::vector<Lines>{{}, {"..A"}, {"..B"}}));
    out = Groups({"...x", "..A"}, 0, {2, 0, true});
    EXPECT_EQ(out, (std::vector<Lines>{{"...x"}, {"..A"}}));

    // Finish hands over an empty group only when asked to.
    std::vector<Lines> seen;
    auto handler = [&](Lines& g) { seen.push_back(g); };
    ex::LineGrouper<decltype(handler)> grouper({1, 0, true}, handler);
    grouper.Finish();
    EXPECT_TRUE(seen.empty());
    grouper.Finish(true);
    EXPECT_EQ(seen, (std::vector<Lines>{{}}));
}

// The handler may take lines out of the group or leave them in: either way
// the next group starts empty.
TEST(LineGrouper, HandlerMayKeepOrTakeLines)
{
    std::vector<Lines> seen;
    int calls = 0;
    auto handler = [&](Lines& g) {
        seen.push_back(g);
        if (++calls % 2)
            g.erase(g.begin());  // leaves the rest behind
        else
            g.clear();
    };
    ex::LineGrouper<decltype(handler)> grouper({2, 0, false}, handler);
    for (std::string line : {"..A", "...1", "...2", "..B", "...3", "..C"})
        grouper.Add(line);
    grouper.Finish();
    EXPECT_EQ(seen, (std::vector<Lines>{{"..A", "...1", "...2"}, {"..B", "...3"}, {"..C"}}));
    EXPECT_TRUE(grouper.Pending().empty());
}

// Add (owned, untrimmed lines) and AddView (trimmed views) group alike.
TEST(LineGrouper, AddAndAddViewAgree)
{
    const Lines input{"  free  ", ".A 1", " ..B 2 ", "cont", "", "...C", ".D", "x", "..E", "....F", "y", "\t"};
    for (const ex::GroupRule rule : {ex::GroupRule{1, 0, true}, ex::GroupRule{2, 0, false}, ex::GroupRule{2, 2, true},
                                     ex::GroupRule{3, 1, false}}) {
        std::vector<Lines> a, b;
        auto ha = [&](Lines& g) { a.push_back(g); };
        auto hb = [&](Lines& g) { b.push_back(g); };
        ex::LineGrouper<decltype(ha)> ga(rule, ha);
        ex::LineGrouper<decltype(hb)> gb(rule, hb);
        for (const std::string& line : input) {
            std::string owned = line;
            ga.Add(owned);
            gb.AddView(ex::TrimView(line));
        }
        ga.Finish();
        gb.Finish();
        EXPECT_EQ(a, b) << "level " << rule.nLevel << " cut " << rule.nCut;
        EXPECT_FALSE(a.empty());
    }
}

// A record of a million lines: grouping must stay linear, also when one line
// collects a long run of continuations.
TEST(GroupLines, MillionLineRecord)
{
    Lines record;
    record.reserve(1000001);
    record.push_back(".NET \"big\"");
    for (int i = 0; i < 1000000; ++i)
        record.push_back(i % 4 == 0 ? "..TRACE" : (i % 4 == 1 ? "...XY (1,2)" : "(3,4)"));
    std::size_t groups = 0, lines = 0, longest = 0;
    ex::GroupLines(record, 1, {2, 0, false}, [&](Lines& g) {
        ++groups;
        lines += g.size();
        for (const std::string& s : g)
            longest = std::max(longest, s.size());
    });
    EXPECT_EQ(groups, 250000u);
    EXPECT_EQ(lines, 500000u);
    EXPECT_EQ(longest, std::string("...XY (1,2)(3,4)(3,4)").size());

    Lines joined{"..XY"};
    for (int i = 0; i < 1000000; ++i)
        joined.push_back("(1,2)");
    std::size_t size = 0;
    ex::GroupLines(joined, 0, {2, 0, false}, [&](Lines& g) { size = g[0].size(); });
    EXPECT_EQ(size, 4u + 5u * 1000000u);
}

} // namespace
