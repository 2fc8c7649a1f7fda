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
    CTokenizer t;
    Lines out;
    t.GetTokenArray(out, s, delims);
    return out;
}

TEST(CTokenizer, NextAndTail)
{
    CTokenizer t("..PIN  1   2", " ");
    std::string tok = "stale";
    ASSERT_TRUE(t.Next(tok));
    EXPECT_EQ(tok, "..PIN");
    EXPECT_EQ(t.Tail(), "1   2");
    EXPECT_EQ(t.Tail(), "1   2");  // Tail does not move
    ASSERT_TRUE(t.Next(tok));
    EXPECT_EQ(tok, "1");
    ASSERT_TRUE(t.Next(tok));
    EXPECT_EQ(tok, "2");
    EXPECT_EQ(t.Tail(), "");
    EXPECT_FALSE(t.Next(tok));
    EXPECT_EQ(tok, "");
    EXPECT_FALSE(t.Next(tok));

    CTokenizer none("", ",");
    EXPECT_FALSE(none.Next(tok));
    EXPECT_EQ(none.Tail(), "");
    CTokenizer onlyDelims(",,,", ",");
    EXPECT_FALSE(onlyDelims.Next(tok));

    // No delimiters: the whole text is one token.
    CTokenizer whole("a b,c", "");
    ASSERT_TRUE(whole.Next(tok));
    EXPECT_EQ(tok, "a b,c");

    // The position is public; a negative one reads from the start.
    CTokenizer neg("x y", " ");
    neg.nCurPos = -1;
    ASSERT_TRUE(neg.Next(tok));
    EXPECT_EQ(tok, "x");
}

TEST(CTokenizer, DelimiterSet)
{
    EXPECT_EQ(Tokens(",,a,,b,", ","), (Lines{"a", "b"}));
    EXPECT_EQ(Tokens("1, 2", " ,"), (Lines{"1", "2"}));
    EXPECT_EQ(Tokens("a\tb\nc", "\t\n"), (Lines{"a", "b", "c"}));
    // Bytes above 127 are delimiters like any other.
    EXPECT_EQ(Tokens("a\xff" "b\x80" "c", "\xff\x80"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(Tokens("a\xff" "b", "\x7f"), (Lines{"a\xff" "b"}));

    CTokenizer t("a;b,c", ";");
    t.SetDelimiters(",");  // adds to the set
    Lines out;
    t.GetTokenArray(out);
    EXPECT_EQ(out, (Lines{"a", "b", "c"}));
    // The position went back to 0, and the array is appended to.
    t.GetTokenArray(out);
    EXPECT_EQ(out, (Lines{"a", "b", "c", "a", "b", "c"}));

    // The three-argument form clears the old delimiters.
    t.GetTokenArray(out, "a;b,c", ",");
    EXPECT_EQ(out.back(), "c");
    EXPECT_EQ(out[out.size() - 2], "a;b");

    // A copy carries the position.
    CTokenizer src("p q r", " ");
    std::string tok;
    src.Next(tok);
    CTokenizer copy = src;
    ASSERT_TRUE(copy.Next(tok));
    EXPECT_EQ(tok, "q");
    CTokenizer assigned;
    assigned = src;
    EXPECT_EQ(assigned.Tail(), "q r");
}

TEST(CTokenizer, FullStringDelimiter)
{
    CTokenizer t;
    Lines out;
    t.GetTokenArrayByFullString(out, "A::B::::D", "::");
    EXPECT_EQ(out, (Lines{"A", "B", "D"}));

    out.clear();
    t.GetTokenArrayByFullString(out, "::x!y::", "::");
    EXPECT_EQ(out, (Lines{"x!y"}));
    EXPECT_EQ(t.sString, "@x!y@");  // "!" is taken: the placeholder is "@"

    out.clear();
    t.GetTokenArrayByFullString(out, "a!@#$%b::c", "::");
    EXPECT_EQ(out, (Lines{"a!@#$%b", "c"}));
    EXPECT_EQ(t.sString, "a!@#$%b^c");

    // Every placeholder taken: the delimiters are removed, one token is left.
    out.clear();
    t.GetTokenArrayByFullString(out, "!@#$%^::x::", "::");
    EXPECT_EQ(out, (Lines{"!@#$%^x"}));
    out.clear();
    t.GetTokenArrayByFullString(out, "!@#$%^", "!@#$%^");
    EXPECT_TRUE(out.empty());

    // A single-character delimiter, and one that does not occur.
    out.clear();
    t.GetTokenArrayByFullString(out, "a,b", ",");
    EXPECT_EQ(out, (Lines{"a", "b"}));
    out.clear();
    t.GetTokenArrayByFullString(out, "a,b", ";;");
    EXPECT_EQ(out, (Lines{"a,b"}));
    // An empty delimiter must not loop.
    out.clear();
    t.GetTokenArrayByFullString(out, "ab", "");
    EXPECT_EQ(out, (Lines{"ab"}));
    out.clear();
    t.GetTokenArrayByFullString(out, "", "::");
    EXPECT_TRUE(out.empty());
    // Appends to what the array holds.
    out = {"keep"};
    t.GetTokenArrayByFullString(out, "x::y", "::");
    EXPECT_EQ(out, (Lines{"keep", "x", "y"}));
}

Lines Quoted(std::string s)
{
    CTokenizer t;
    Lines out;
    const std::string before = s;
    t.GetStringArrayFromStringToken(s, out);
    EXPECT_EQ(s, before);  // the input is not changed
    return out;
}

TEST(CTokenizer, QuotedStrings)
{
    EXPECT_EQ(Quoted(".NAME \"My   Part\" 5"), (Lines{".NAME", "My Part", "5"}));
    EXPECT_EQ(Quoted(".X \"\""), (Lines{".X", ""}));
    EXPECT_EQ(Quoted(".X \"abc"), (Lines{".X"}));         // still open at the end
    EXPECT_EQ(Quoted(".X \"a b c"), (Lines{".X"}));
    EXPECT_EQ(Quoted("ab\"cd"), (Lines{"abcd"}));
    EXPECT_EQ(Quoted("\"one\""), (Lines{"one"}));
    EXPECT_EQ(Quoted("  a    b  "), (Lines{"a", "b"}));
    EXPECT_EQ(Quoted(""), (Lines{}));
    EXPECT_EQ(Quoted("   "), (Lines{}));
    EXPECT_EQ(Quoted("\"a b\" \"c\" d"), (Lines{"a b", "c", "d"}));
    EXPECT_EQ(Quoted("x\"y\"z"), (Lines{"xyz"}));
    // A tab is not a separator here.
    EXPECT_EQ(Quoted("a\tb c"), (Lines{"a\tb", "c"}));

    // Appends.
    CTokenizer t;
    Lines out{"first"};
    std::string s = "a b";
    t.GetStringArrayFromStringToken(s, out);
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
    std::string quoted = "\"" + s + "\"";
    const auto t0 = std::chrono::steady_clock::now();
    const Lines one = Quoted(quoted);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], s);  // the closing quote stands alone after the last blank
}

} // namespace
