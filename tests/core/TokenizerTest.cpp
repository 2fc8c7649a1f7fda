#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/Tokenizer.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

Lines Tokens(const std::string& s, const std::string& delims)
{
    Lines out;
    CTokenizer().GetTokenArray(out, s, delims);
    return out;
}

Lines ByFullString(const std::string& s, const std::string& delim, std::string* replaced = nullptr)
{
    CTokenizer t;
    Lines out;
    t.GetTokenArrayByFullString(out, s, delim);
    if (replaced)
        *replaced = t.sString;
    return out;
}

Lines Quoted(std::string s)
{
    Lines out;
    const std::string before = s;
    CTokenizer().GetStringArrayFromStringToken(s, out);
    EXPECT_EQ(s, before);  // the input is not changed
    return out;
}

TEST(CTokenizer, NextTailAndDelimiterSets)
{
    CTokenizer t("..PIN  1   2", " ");
    std::string tok = "stale";
    ASSERT_TRUE(t.Next(tok));
    EXPECT_EQ(tok, "..PIN");
    EXPECT_EQ(t.Tail(), "1   2");
    EXPECT_EQ(t.Tail(), "1   2");  // Tail does not move
    ASSERT_TRUE(t.Next(tok) && t.Next(tok));
    EXPECT_EQ(tok, "2");
    EXPECT_FALSE(t.Next(tok));
    EXPECT_EQ(tok, "");
    EXPECT_FALSE(CTokenizer(",,,", ",").Next(tok));
    CTokenizer whole("a b,c", "");  // no delimiters: the whole text is one token
    ASSERT_TRUE(whole.Next(tok));
    EXPECT_EQ(tok, "a b,c");
    CTokenizer neg("x y", " ");  // a negative position reads from the start
    neg.nCurPos = -1;
    ASSERT_TRUE(neg.Next(tok));
    EXPECT_EQ(tok, "x");

    EXPECT_EQ(Tokens(",,a,,b,", ","), (Lines{"a", "b"}));
    EXPECT_EQ(Tokens("1, 2", " ,"), (Lines{"1", "2"}));
    // Bytes above 127 are delimiters like any other.
    EXPECT_EQ(Tokens("a\xff" "b\x80" "c", "\xff\x80"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(Tokens("a\xff" "b", "\x7f"), (Lines{"a\xff" "b"}));

    // SetDelimiters adds to the set; the position goes back to 0 and the
    // array is appended to; the three-argument form clears the old set.
    CTokenizer s("a;b,c", ";");
    s.SetDelimiters(",");
    Lines out;
    s.GetTokenArray(out);
    s.GetTokenArray(out);
    EXPECT_EQ(out, (Lines{"a", "b", "c", "a", "b", "c"}));
    s.GetTokenArray(out, "a;b,c", ",");
    EXPECT_EQ(Lines(out.end() - 2, out.end()), (Lines{"a;b", "c"}));

    // A copy carries the position.
    CTokenizer src("p q r", " ");
    src.Next(tok);
    CTokenizer copy = src;
    ASSERT_TRUE(copy.Next(tok));
    EXPECT_EQ(tok, "q");
}

TEST(CTokenizer, FullStringDelimiter)
{
    std::string replaced;
    EXPECT_EQ(ByFullString("A::B::::D", "::"), (Lines{"A", "B", "D"}));
    EXPECT_EQ(ByFullString("::x!y::", "::", &replaced), (Lines{"x!y"}));
    EXPECT_EQ(replaced, "@x!y@");  // "!" is taken: the placeholder is "@"
    EXPECT_EQ(ByFullString("a!@#$%b::c", "::", &replaced), (Lines{"a!@#$%b", "c"}));
    EXPECT_EQ(replaced, "a!@#$%b^c");
    // Every placeholder taken: the delimiters are removed, one token is left.
    EXPECT_EQ(ByFullString("!@#$%^::x::", "::"), (Lines{"!@#$%^x"}));
    EXPECT_EQ(ByFullString("!@#$%^", "!@#$%^"), (Lines{}));
    EXPECT_EQ(ByFullString("a,b", ","), (Lines{"a", "b"}));
    EXPECT_EQ(ByFullString("a,b", ";;"), (Lines{"a,b"}));
    EXPECT_EQ(ByFullString("ab", ""), (Lines{"ab"}));  // an empty delimiter must not loop
    EXPECT_EQ(ByFullString("", "::"), (Lines{}));
    Lines out = {"keep"};  // appends
    CTokenizer().GetTokenArrayByFullString(out, "x::y", "::");
    EXPECT_EQ(out, (Lines{"keep", "x", "y"}));
}

TEST(CTokenizer, QuotedStrings)
{
    const struct {
        std::string text;
        Lines tokens;
    } rows[] = {
        {".NAME \"My   Part\" 5", {".NAME", "My Part", "5"}},
        {".X \"\"", {".X", ""}},
        {".X \"abc", {".X"}},  // still open at the end
        {".X \"a b c", {".X"}},
        {"ab\"cd", {"abcd"}},
        {"  a    b  ", {"a", "b"}},
        {"   ", {}},
        {"\"a b\" \"c\" d", {"a b", "c", "d"}},
        {"x\"y\"z", {"xyz"}},
        {"a\tb c", {"a\tb", "c"}},  // a tab is not a separator here
    };
    for (const auto& row : rows)
        EXPECT_EQ(Quoted(row.text), row.tokens) << row.text;
    Lines out{"first"};  // appends
    std::string s = "a b";
    CTokenizer().GetStringArrayFromStringToken(s, out);
    EXPECT_EQ(out, (Lines{"first", "a", "b"}));
}

TEST(CTokenizer, LongLinesAreLinear)
{
    std::string s;
    for (int i = 0; i < 200000; ++i)
        s += "tok ";
    EXPECT_EQ(Tokens(s, " ").size(), 200000u);
    EXPECT_EQ(Quoted(s).size(), 200000u);
    // One quoted string of 200000 words: a quadratic scan takes half a minute.
    const auto t0 = std::chrono::steady_clock::now();
    const Lines one = Quoted("\"" + s + "\"");
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], s);  // the closing quote stands alone after the last blank
}

} // namespace
