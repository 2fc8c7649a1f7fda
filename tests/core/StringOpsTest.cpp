#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "core/StringOps.h"

namespace {

using namespace std::string_literals;

TEST(StringOps, TrimmingAndCase)
{
    std::string s = " \t\r\n .NET A \t\r\n\v\f";
    ex::Trim(s);
    EXPECT_EQ(s, ".NET A");
    EXPECT_EQ(ex::TrimView(" \t\r\n"), "");
    EXPECT_EQ(ex::TrimLeftView("  a  "), "a  ");
    EXPECT_EQ(ex::TrimRightView("  a  "), "  a");
    std::string q = "\"\"abc\"\"\"";
    ex::TrimLeft(q, '"');
    ex::TrimRight(q, '"');
    EXPECT_EQ(q, "abc");
    std::string nul = " a\0 "s;  // a NUL byte is not white space: it stays
    ex::Trim(nul);
    EXPECT_EQ(nul, "a\0"s);

    EXPECT_EQ(ex::ToUpper("abc_Z9.\xe9"), "ABC_Z9.\xe9");  // ASCII only
    EXPECT_TRUE(ex::StartsWithNoCase(".units mm", ".UNITS"));
    EXPECT_FALSE(ex::StartsWithNoCase(".UNIT", ".UNITS"));
    EXPECT_FALSE(ex::StartsWithNoCase(" .UNITS", ".UNITS"));
    EXPECT_FALSE(ex::StartsWith("..xy", "..XY"));
    EXPECT_TRUE(ex::ContainsNoCase("..Pin_Net gnd", "NET"));
    EXPECT_FALSE(ex::ContainsNoCase("ne", "NET"));
    EXPECT_TRUE(ex::ContainsNoCase("xxnet", "NET"));

    // Long keywords are compared eight bytes at a time: every byte at every
    // place must give what upper-casing it alone gives.
    const std::string keyword = "...PAD\xc1STACK_PID_9";
    for (std::size_t n = 8; n <= keyword.size(); ++n) {
        const std::string_view prefix = std::string_view(keyword).substr(0, n);
        std::string lower(prefix);
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(ex::StartsWithNoCase(lower + " x", prefix));
        EXPECT_FALSE(ex::StartsWithNoCase(lower.substr(0, n - 1), prefix));
        for (std::size_t i = 0; i < n; ++i)
            for (int b = 0; b < 256; ++b) {
                std::string line = lower + "\xe1";
                line[i] = static_cast<char>(b);
                ASSERT_EQ(ex::StartsWithNoCase(line, prefix), ex::ToUpperChar(line[i]) == prefix[i])
                    << n << ' ' << i << ' ' << b;
            }
    }

    EXPECT_EQ(ex::LeadingDots("...X."), 3);
    EXPECT_EQ(ex::KeywordLevel("NODOT"), 1);
    EXPECT_EQ(ex::KeywordLevel("......SIX"), 5);
}

TEST(StringOps, KeywordValueFindDeleteReplaceLeftMid)
{
    const struct {
        std::string line, value;
    } values[] = {
        {".UNITS \"MM\"", "MM"},
        {".NAME   My   Part  ", "My   Part"},
        {".UNITS", ".UNITS"},             // no blank: the whole line
        {".UNITS\tMM", ".UNITS\tMM"},     // a tab is not the blank
        {".UNITS ", ""},
        {".X \"a\"b\"\"", "ab"},
        {"", ""},
    };
    for (const auto& row : values)
        EXPECT_EQ(ex::KeywordValue(row.line), row.value) << row.line;
    EXPECT_EQ(ex::KeywordValue(".UNITS \"MM\"", ex::Quotes::Keep), "\"MM\"");
    EXPECT_EQ(ex::KeywordValueView("  .A"), ".A");

    std::string blanks = "(1, 2) (3, 4)";
    ex::RemoveChar(blanks, ' ');
    EXPECT_EQ(blanks, "(1,2)(3,4)");
    EXPECT_EQ(ex::WithoutChar("a\"b\"", '"'), "ab");
    EXPECT_EQ(ex::WithoutChar("\"\"x\"\"y\"", '"'), "xy");
    EXPECT_EQ(ex::WithoutChar("\"\"", '"'), "");
    EXPECT_EQ(ex::WithoutChar("none", '"'), "none");
    EXPECT_EQ(ex::Find("a,b,c", ",", 2), 3);
    EXPECT_EQ(ex::Find("a,b,c", ",", 99), -1);
    EXPECT_EQ(ex::Find("a,b,c", ",", -5), 1);
    EXPECT_EQ(ex::Find("abc", "abcd"), -1);
    EXPECT_EQ(ex::Find("a\0b"s, 'b'), 2);

    std::string s = "0123456789";
    ex::Delete(s, 2, 3);
    ex::Delete(s, 5, 100);  // clipped at the end
    ex::Delete(s, 0, -2);
    ex::Delete(s, 50, 1);
    EXPECT_EQ(s, "01567");
    std::string r = ")\n(1,2)\n(3,4)";
    EXPECT_EQ(ex::Replace(r, ")\n", ")"), 2);
    EXPECT_EQ(r, ")(1,2)(3,4)");
    EXPECT_EQ(ex::Replace(r, "", "y"), 0);
    std::string grow = "aaa";
    EXPECT_EQ(ex::Replace(grow, "a", "aa"), 3);  // no rescanning of what was put in
    EXPECT_EQ(grow, "aaaaaa");

    const struct {
        std::string got, expected;
    } pieces[] = {
        {ex::Left("abc", 10), "abc"},     {ex::Left("abc", -1), ""},          {ex::Mid("abcdef", -3), "abcdef"},
        {ex::Mid("abcdef", 60), ""},      {ex::Mid("abcdef", 4, 100), "ef"}, {ex::Mid("abcdef", 1, -1), ""},
        {ex::Mid("abcdef", -2, 3), "abc"},
    };
    for (const auto& p : pieces)
        EXPECT_EQ(p.got, p.expected);
}

TEST(StringOps, DoublesReadExactlyAsTheFullReader)
{
    // Every value, short or long, must come out bit for bit as strtod reads
    // it: coordinates are compared and hashed downstream.
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int n = 0; n < 200000; ++n) {
        const int digits = 1 + static_cast<int>(next() % 18);
        const int point = static_cast<int>(next() % (digits + 1));
        std::string text = (next() % 2) ? "-" : "";
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + next() % 10);
        }
        const double expected = std::strtod(text.c_str(), nullptr);
        const double got = ex::Atof(text);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << text;
    }
    EXPECT_TRUE(std::signbit(ex::Atof("-0.0")));
}

// The leading number of the text is read; what follows it is ignored; no
// number reads as 0; out of range reads as infinite or 0, never garbage.
TEST(StringOps, LeadingNumberRule)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double value;
    } doubles[] = {
        {".5", 0.5},
        {"1.", 1.0},
        {"-3e2x", -300.0},
        {"  +7", 7.0},
        {"\t\r\n 2.5mm", 2.5},
        {"abc", 0.0},
        {"", 0.0},
        {"-", 0.0},
        {"- 3", 0.0},
        {".", 0.0},
        {".e5", 0.0},
        {"5e", 5.0},  // an exponent without digits is not read
        {"5e+", 5.0},
        {"5e-x", 5.0},
        {"1.5E+2,3", 150.0},
        {"-.25e1", -2.5},
        {"12,5", 12.0},
        {"0x1A", 0.0},  // decimal only
        {"inf", 0.0},
        {"nan", 0.0},
        {"3\0" "5"s, 3.0},
        {"1e999", inf},
        {"-1e999", -inf},
        {"0.00001e400", inf},
        {"1e99999999999999999999999", inf},
        {std::string(400, '9'), inf},
        {"1e-999", 0.0},
        {"1000e-99999999999999999999999", 0.0},
        {"0e999", 0.0},
        {"0.000e99999", 0.0},
        {"1e308", 1e308},
        {"100000000000000000000e-30", 1e-10},
        {std::string(400, '0') + "1.5", 1.5},
        {"999999999999999", 999999999999999.0},
        {"0.000000000000001", 1e-15},
    };
    for (const auto& row : doubles)
        EXPECT_EQ(ex::Atof(row.text), row.value) << row.text;

    const struct {
        std::string text;
        int value;
    } ints[] = {
        {"42", 42},
        {"  +7", 7},
        {"-13abc", -13},
        {"12.9", 12},
        {".5", 0},
        {"1e3", 1},
        {"abc", 0},
        {"", 0},
        {"+", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {std::string(500, '9'), INT_MAX},
        {"0000000000000000000000000000012", 12},
    };
    for (const auto& row : ints)
        EXPECT_EQ(ex::Atoi(row.text), row.value) << row.text;
}

} // namespace

TEST(StringOps, CountByteAgreesWithACountOverEveryBlockEdge)
{
    EXPECT_EQ(ex::CountByte("", '\n'), 0u);
    EXPECT_EQ(ex::CountByte("a\nb\n\n", '\n'), 3u);
    EXPECT_EQ(ex::CountByte("\xff\x80\xff", '\xff'), 2u);  // bytes above 127
    // A text of only c fills every lane to its limit; sizes around the block
    // and lane widths catch a counter that wraps or a tail left out.
    for (std::size_t size : {31u, 32u, 33u, 8159u, 8160u, 8161u, 16320u, 16353u, 100000u}) {
        const std::string all(size, ')');
        EXPECT_EQ(ex::CountByte(all, ')'), size) << size;
        std::string mixed(size, 'x');
        std::size_t expected = 0;
        for (std::size_t i = 0; i < size; i += 1 + i % 7, ++expected)
            mixed[i] = ')';
        EXPECT_EQ(ex::CountByte(mixed, ')'), expected) << size;
    }
}
