#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/GroupTable.h"
#include "core/KeywordIndex.h"

namespace {

struct Owner {};

bool StartsWithDigit(std::string_view line) { return !line.empty() && line[0] >= '0' && line[0] <= '9'; }

// Every form a row takes: prefixes at several depths (one a prefix of a
// longer one listed before it), keywords anywhere in the line, rows of some
// kinds only, a keyword without dots, a row of the table's own rule, and a
// keyword of dots alone.
constexpr auto kRows = ex::MakeTable<Owner>({
    {"..PIN_NET"},
    {"..PIN", nullptr, {.nKinds = 1}},
    {"..PID", nullptr, {.nKinds = 2}},
    {".STROKE_WIDTH", nullptr, {.bAnywhere = true}},
    {".WIDTH", nullptr, {.bAnywhere = true}},
    {"...PIN"},
    {"(Default)"},
    {{}},
    {"..XY", nullptr, {.bAnywhere = true}},
    {"Pad"},
    {".."},
    {"_"},
});

const ex::GroupRow<Owner>* EveryRowInTurn(std::string_view line, const ex::GroupMatch& match)
{
    for (const ex::GroupRow<Owner>& row : kRows.rows)
        if (row.Matches(line, match))
            return &row;
    return nullptr;
}

// Lines near the keywords (cut, lengthened, in other cases, behind other
// text) and random ones over the bytes that matter to the lookup.
std::vector<std::string> ProbeLines()
{
    std::vector<std::string> lines{"", ".", "..", "...", "....", " ..PIN", "\"..PIN\"", std::string("..\0IN", 5)};
    for (const ex::GroupRow<Owner>& row : kRows.rows) {
        const std::string keyword(row.sKeyword);
        std::string lower = keyword;
        for (char& c : lower)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        for (const std::string& k : {keyword, lower}) {
            lines.push_back(k);
            lines.push_back(k + " 1.5");
            lines.push_back(k + "X");
            lines.push_back("." + k);
            lines.push_back("A" + k);
            lines.push_back("..TEXT 1" + k + " 2");
            if (!k.empty())
                lines.push_back(k.substr(0, k.size() - 1));
        }
    }
    const std::string bytes = "..._PINDXYWTHSROKEpinxyw(Default)ad 0123\"\xff";
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> length(0, 14), pick(0, bytes.size() - 1);
    for (int n = 0; n < 20000; ++n) {
        std::string line(length(random), ' ');
        for (char& c : line)
            c = bytes[pick(random)];
        lines.push_back(line);
    }
    return lines;
}

// The index only passes over rows that cannot match: every line finds the
// row that testing every row in order finds, for every way of matching.
TEST(KeywordIndex, FindsWhatTestingEveryRowFinds)
{
    const std::vector<std::string> lines = ProbeLines();
    std::set<const ex::GroupRow<Owner>*> found;
    for (const ex::Case c : {ex::Case::Insensitive, ex::Case::Sensitive})
        for (const ex::LineTest isOther : {static_cast<ex::LineTest>(nullptr), &StartsWithDigit})
            for (const unsigned nKind : {0U, 1U, 2U, 3U}) {
                const ex::GroupMatch match{.c = c, .isOther = isOther, .nKind = nKind};
                for (const std::string& line : lines) {
                    const ex::GroupRow<Owner>* row = ex::FindGroupRow(kRows, line, match);
                    ASSERT_EQ(row, EveryRowInTurn(line, match)) << '"' << line << '"';
                    found.insert(row);
                }
            }
    // Every row and no row at all were found by some line.
    EXPECT_EQ(found.size(), kRows.rows.size() + 1);
}

TEST(KeywordIndex, ListsOfNames)
{
    constexpr auto headers = ex::MakeKeywordList({".VERSION", ".UNITS ", ".XYR", ".XY", "(Default)"});
    EXPECT_EQ(headers.Find(".units TH"), 1);
    EXPECT_EQ(headers.Find(".UNITSX"), -1);  // the blank is part of the keyword
    EXPECT_EQ(headers.Find(".XYR 1 2 3"), 2);
    EXPECT_EQ(headers.Find(".XY(1,2)"), 3);
    EXPECT_EQ(headers.Find("..XY"), -1);
    EXPECT_EQ(headers.Find("(default)"), -1);  // an upper-case list matches upper-case forms
    EXPECT_EQ(headers.Find("(Default) 1", ex::Case::Sensitive), 4);
    EXPECT_EQ(headers.Find("(DEFAULT) 1", ex::Case::Sensitive), -1);
    EXPECT_EQ(headers.Find(""), -1);
}

int Shadowed(std::initializer_list<ex::KeySpec> keys)
{
    return ex::FirstShadowedRow(keys.size(), [&](std::size_t i) { return keys.begin()[i]; });
}

// The rule every table is held to when it is compiled.
TEST(KeywordIndex, RowsThatAnEarlierRowShadowsAreFound)
{
    using ex::KeyForm;
    EXPECT_EQ(Shadowed({{"..PIN"}, {"..PIN_NET"}}), 1);
    EXPECT_EQ(Shadowed({{"..PIN_NET"}, {"..PIN"}}), -1);
    EXPECT_EQ(Shadowed({{".A"}, {".B"}, {".A"}}), 2);
    EXPECT_EQ(Shadowed({{"WIDTH", KeyForm::Anywhere}, {".STROKE_WIDTH"}}), 1);
    EXPECT_EQ(Shadowed({{".WIDTH", KeyForm::Anywhere}, {"..WIDTH", KeyForm::Anywhere}}), 1);
    EXPECT_EQ(Shadowed({{".WIDTH", KeyForm::Anywhere}, {".STROKE_WIDTH", KeyForm::Anywhere}}), -1);
    EXPECT_EQ(Shadowed({{"..WIDTH", KeyForm::Anywhere}, {".WIDTH", KeyForm::Anywhere}}), -1);
    // A prefix leaves the lines in which the later keyword stands further in.
    EXPECT_EQ(Shadowed({{".TEXT"}, {".TEXT_TYPE", KeyForm::Anywhere}}), -1);
    EXPECT_EQ(Shadowed({{{}, KeyForm::Always}, {".A"}}), -1);
    // Kinds: only an earlier row tested by every kind of the later one takes its lines.
    EXPECT_EQ(Shadowed({{".NET", KeyForm::Prefix, 1}, {".NET", KeyForm::Prefix, 2}}), -1);
    EXPECT_EQ(Shadowed({{".NET", KeyForm::Prefix, 1}, {".NET"}}), -1);
    EXPECT_EQ(Shadowed({{".NET", KeyForm::Prefix, 3}, {".NETS", KeyForm::Prefix, 2}}), 1);
    EXPECT_EQ(Shadowed({{".NET"}, {".NET", KeyForm::Prefix, 2}}), 1);
}

} // namespace
