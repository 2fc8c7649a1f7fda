#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/StringOps.h"

namespace {

using namespace std::string_literals;

TEST(StringOps, Trimming)
{
    std::string s = " \t\r\n .NET A \t\r\n\v\f";
    ex::Trim(s);
    EXPECT_EQ(s, ".NET A");
    EXPECT_EQ(ex::TrimView(" \t x y \r\n"), "x y");
    EXPECT_EQ(ex::TrimView(" \t\r\n"), "");
    EXPECT_EQ(ex::TrimView(""), "");
    EXPECT_EQ(ex::TrimLeftView("  a  "), "a  ");
    EXPECT_EQ(ex::TrimRightView("  a  "), "  a");

    std::string l = "  a  ", r = "  a  ";
    ex::TrimLeft(l);
    ex::TrimRight(r);
    EXPECT_EQ(l, "a  ");
    EXPECT_EQ(r, "  a");

    std::string q = "\"\"abc\"\"\"";
    ex::TrimLeft(q, '"');
    EXPECT_EQ(q, "abc\"\"\"");
    ex::TrimRight(q, '"');
    EXPECT_EQ(q, "abc");
    std::string allQuotes = "\"\"\"";
    ex::TrimRight(allQuotes, '"');
    EXPECT_EQ(allQuotes, "");

    // A NUL byte is not white space: it stays.
    std::string nul = " a\0 "s;
    ex::Trim(nul);
    EXPECT_EQ(nul, "a\0"s);
}

TEST(StringOps, CaseAndKeywordTests)
{
    EXPECT_EQ(ex::ToUpper("abc_Z9.\xe9"), "ABC_Z9.\xe9");  // ASCII only
    std::string s = "..pin 1";
    ex::MakeUpper(s);
    EXPECT_EQ(s, "..PIN 1");

    EXPECT_TRUE(ex::StartsWithNoCase(".units mm", ".UNITS"));
    EXPECT_TRUE(ex::StartsWithNoCase(".UNITS", ".UNITS"));
    EXPECT_FALSE(ex::StartsWithNoCase(".UNIT", ".UNITS"));
    EXPECT_FALSE(ex::StartsWithNoCase(" .UNITS", ".UNITS"));
    EXPECT_TRUE(ex::StartsWithNoCase("anything", ""));
    EXPECT_TRUE(ex::StartsWith("..XY", ".."));
    EXPECT_FALSE(ex::StartsWith("..xy", "..XY"));

    EXPECT_TRUE(ex::ContainsNoCase("..Pin_Net gnd", "NET"));
    EXPECT_TRUE(ex::ContainsNoCase("abc", ""));
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
    EXPECT_EQ(ex::LeadingDots("X"), 0);
    EXPECT_EQ(ex::LeadingDots(""), 0);
    EXPECT_EQ(ex::KeywordLevel("NODOT"), 1);
    EXPECT_EQ(ex::KeywordLevel("..A"), 2);
    EXPECT_EQ(ex::KeywordLevel("......SIX"), 5);
}

TEST(StringOps, KeywordValue)
{
    EXPECT_EQ(ex::KeywordValue(".UNITS \"MM\""), "MM");
    EXPECT_EQ(ex::KeywordValue(".UNITS \"MM\"", ex::Quotes::Keep), "\"MM\"");
    EXPECT_EQ(ex::KeywordValue(".NAME   My   Part  "), "My   Part");
    EXPECT_EQ(ex::KeywordValue(".UNITS"), ".UNITS");       // no blank: the whole line
    EXPECT_EQ(ex::KeywordValue(".UNITS\tMM"), ".UNITS\tMM"); // a tab is not the blank
    EXPECT_EQ(ex::KeywordValue(".UNITS "), "");
    EXPECT_EQ(ex::KeywordValue(".X \"a\"b\"\""), "ab");
    EXPECT_EQ(ex::KeywordValue(""), "");
    EXPECT_EQ(ex::KeywordValueView(".A  x y "), "x y");
    EXPECT_EQ(ex::KeywordValueView("  .A"), ".A");

    std::string s = "(1, 2) (3, 4)";
    ex::RemoveChar(s, ' ');
    EXPECT_EQ(s, "(1,2)(3,4)");
    EXPECT_EQ(ex::WithoutChar("a\"b\"", '"'), "ab");
}

TEST(StringOps, FindDeleteReplace)
{
    EXPECT_EQ(ex::Find("a,b,c", ","), 1);
    EXPECT_EQ(ex::Find("a,b,c", ",", 2), 3);
    EXPECT_EQ(ex::Find("a,b,c", ",", 4), -1);
    EXPECT_EQ(ex::Find("a,b,c", ",", 99), -1);
    EXPECT_EQ(ex::Find("a,b,c", ",", -5), 1);
    EXPECT_EQ(ex::Find("a,b,c", ';'), -1);
    EXPECT_EQ(ex::Find(".NET x", ".NET"), 0);  // a string begins with x exactly when Find gives 0
    EXPECT_EQ(ex::Find("a::b", "::"), 1);
    EXPECT_EQ(ex::Find("abc", "abcd"), -1);
    EXPECT_EQ(ex::Find("a\0b"s, 'b'), 2);

    std::string s = "0123456789";
    ex::Delete(s, 2, 3);
    EXPECT_EQ(s, "0156789");
    ex::Delete(s, 5, 100);  // clipped at the end
    EXPECT_EQ(s, "01567");
    ex::Delete(s, 0, 0);
    ex::Delete(s, 0, -2);
    ex::Delete(s, 5, 1);
    ex::Delete(s, 50, 1);
    EXPECT_EQ(s, "01567");
    ex::Delete(s, 0);
    EXPECT_EQ(s, "1567");

    std::string r = ")\n(1,2)\n(3,4)";
    EXPECT_EQ(ex::Replace(r, ")\n", ")"), 2);
    EXPECT_EQ(r, ")(1,2)(3,4)");
    EXPECT_EQ(ex::Replace(r, "x", "y"), 0);
    EXPECT_EQ(ex::Replace(r, "", "y"), 0);
    std::string grow = "aaa";
    EXPECT_EQ(ex::Replace(grow, "a", "aa"), 3);  // no rescanning of what was put in
    EXPECT_EQ(grow, "aaaaaa");
    std::string shrink = "aaaa";
    EXPECT_EQ(ex::Replace(shrink, "aa", "a"), 2);
    EXPECT_EQ(shrink, "aa");
}

TEST(StringOps, LeftMid)
{
    EXPECT_EQ(ex::Left("abcdef", 3), "abc");
    EXPECT_EQ(ex::Left("abc", 10), "abc");
    EXPECT_EQ(ex::Left("abc", 0), "");
    EXPECT_EQ(ex::Left("abc", -1), "");
    EXPECT_EQ(ex::Mid("abcdef", 2), "cdef");
    EXPECT_EQ(ex::Mid("abcdef", -3), "abcdef");
    EXPECT_EQ(ex::Mid("abcdef", 6), "");
    EXPECT_EQ(ex::Mid("abcdef", 60), "");
    EXPECT_EQ(ex::Mid("abcdef", 2, 2), "cd");
    EXPECT_EQ(ex::Mid("abcdef", 4, 100), "ef");
    EXPECT_EQ(ex::Mid("abcdef", 1, 0), "");
    EXPECT_EQ(ex::Mid("abcdef", 1, -1), "");
    EXPECT_EQ(ex::Mid("abcdef", -2, 3), "abc");
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
    EXPECT_EQ(ex::Atof("999999999999999"), 999999999999999.0);
    EXPECT_EQ(ex::Atof("0.000000000000001"), 1e-15);
}

TEST(StringOps, LeadingNumberRuleForDoubles)
{
    EXPECT_DOUBLE_EQ(ex::Atof(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ex::Atof("1."), 1.0);
    EXPECT_DOUBLE_EQ(ex::Atof("-3e2x"), -300.0);
    EXPECT_DOUBLE_EQ(ex::Atof("  +7"), 7.0);
    EXPECT_DOUBLE_EQ(ex::Atof("\t\r\n 2.5mm"), 2.5);
    EXPECT_EQ(ex::Atof("abc"), 0.0);
    EXPECT_EQ(ex::Atof(""), 0.0);
    EXPECT_EQ(ex::Atof("-"), 0.0);
    EXPECT_EQ(ex::Atof("- 3"), 0.0);
    EXPECT_EQ(ex::Atof("."), 0.0);
    EXPECT_EQ(ex::Atof(".e5"), 0.0);
    EXPECT_DOUBLE_EQ(ex::Atof("5e"), 5.0);    // an exponent without digits is not read
    EXPECT_DOUBLE_EQ(ex::Atof("5e+"), 5.0);
    EXPECT_DOUBLE_EQ(ex::Atof("5e-x"), 5.0);
    EXPECT_DOUBLE_EQ(ex::Atof("1.5E+2,3"), 150.0);
    EXPECT_DOUBLE_EQ(ex::Atof("-.25e1"), -2.5);
    EXPECT_DOUBLE_EQ(ex::Atof("12,5"), 12.0);
    EXPECT_DOUBLE_EQ(ex::Atof("0x1A"), 0.0);  // decimal only
    EXPECT_EQ(ex::Atof("inf"), 0.0);
    EXPECT_EQ(ex::Atof("nan"), 0.0);
    EXPECT_DOUBLE_EQ(ex::Atof("3\0" "5"s), 3.0);

    // Out of range: infinite or zero, never a crash or garbage.
    EXPECT_TRUE(std::isinf(ex::Atof("1e999")));
    EXPECT_GT(ex::Atof("1e999"), 0.0);
    EXPECT_TRUE(std::isinf(ex::Atof("-1e999")));
    EXPECT_LT(ex::Atof("-1e999"), 0.0);
    EXPECT_TRUE(std::isinf(ex::Atof("0.00001e400")));
    EXPECT_TRUE(std::isinf(ex::Atof("1e99999999999999999999999")));
    EXPECT_TRUE(std::isinf(ex::Atof(std::string(400, '9'))));
    EXPECT_EQ(ex::Atof("1e-999"), 0.0);
    EXPECT_EQ(ex::Atof("1000e-99999999999999999999999"), 0.0);
    EXPECT_EQ(ex::Atof("0e999"), 0.0);
    EXPECT_EQ(ex::Atof("0.000e99999"), 0.0);
    EXPECT_DOUBLE_EQ(ex::Atof("1e308"), 1e308);
    EXPECT_DOUBLE_EQ(ex::Atof("100000000000000000000e-30"), 1e-10);
    EXPECT_DOUBLE_EQ(ex::Atof(std::string(400, '0') + "1.5"), 1.5);
}

TEST(StringOps, LeadingNumberRuleForInts)
{
    EXPECT_EQ(ex::Atoi("42"), 42);
    EXPECT_EQ(ex::Atoi("  +7"), 7);
    EXPECT_EQ(ex::Atoi("-13abc"), -13);
    EXPECT_EQ(ex::Atoi("12.9"), 12);
    EXPECT_EQ(ex::Atoi(".5"), 0);
    EXPECT_EQ(ex::Atoi("1e3"), 1);
    EXPECT_EQ(ex::Atoi("abc"), 0);
    EXPECT_EQ(ex::Atoi(""), 0);
    EXPECT_EQ(ex::Atoi("+"), 0);
    EXPECT_EQ(ex::Atoi("2147483647"), INT_MAX);
    EXPECT_EQ(ex::Atoi("-2147483648"), INT_MIN);
    EXPECT_EQ(ex::Atoi("2147483648"), INT_MAX);
    EXPECT_EQ(ex::Atoi("99999999999"), INT_MAX);
    EXPECT_EQ(ex::Atoi("-99999999999"), INT_MIN);
    EXPECT_EQ(ex::Atoi(std::string(500, '9')), INT_MAX);
    EXPECT_EQ(ex::Atoi("0000000000000000000000000000012"), 12);
}

} // namespace
