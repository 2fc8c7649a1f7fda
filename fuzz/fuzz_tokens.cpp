// Feeds arbitrary text to the tokenizer, the point parsers and the
// leading-number rule, and checks what each promises whatever the text.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/StringOps.h"
#include "core/Tokenizer.h"

namespace {

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void Tokens(const std::string& text, const std::string& delims)
{
    CTokenizer tok(text, delims);
    std::vector<std::string> byNext;
    std::string token;
    while (tok.Next(token)) {
        Check(!token.empty(), "Next yields no empty token");
        for (char c : token)
            Check(delims.find(c) == std::string::npos, "a token holds no delimiter");
        byNext.push_back(token);
        if (byNext.size() == 1)
            (void)tok.Tail();  // once: each call copies the rest
    }
    Check(token.empty(), "Next leaves \"\" when it ends");
    Check(tok.Tail().empty(), "nothing left after the last token");

    std::vector<std::string> all;
    CTokenizer again;
    again.GetTokenArray(all, text, delims);
    Check(all == byNext, "GetTokenArray yields what Next yields");
    again.GetTokenArray(all);
    Check(all.size() == 2 * byNext.size(), "GetTokenArray rewinds");
}

void FullString(const std::string& text, const std::string& full)
{
    std::vector<std::string> parts;
    CTokenizer tok;
    tok.GetTokenArrayByFullString(parts, text, full);
    for (const std::string& p : parts)
        Check(!p.empty(), "no empty piece");
}

void Quoted(const std::string& text)
{
    std::string copy = text;
    std::vector<std::string> items;
    CTokenizer tok;
    tok.GetStringArrayFromStringToken(copy, items);
    Check(copy == text, "the input string is not changed");
}

void Points(const std::string& text, double scale)
{
    CExPt pt;
    pt.SetPtData(text, scale);
    pt.SetXYRPtData(text, scale);
    CExPtArray pts;
    pts.SetPtDatas(text, scale);
    const std::int64_t n = pts.GetSize();
    pts.SetXYRPtDatas(text, scale);
    Check(pts.GetSize() == 2 * n, "both list forms find the same points, appended");
    std::size_t commas = 0;
    for (char c : text)
        commas += c == ',';
    Check(static_cast<std::size_t>(n) <= commas + 1, "at most one point per comma (or one plain point)");
}

void Numbers(const std::string& text)
{
    const double d = ex::Atof(text);
    (void)ex::Atoi(text);
    Check(!std::isnan(d), "a number is never NaN");
    (void)ex::KeywordValue(text);
    (void)ex::KeywordValue(text, ex::Quotes::Keep);
    (void)ex::KeywordValueView(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::string delims = in.ConsumeRandomLengthString(8);
    const double scale = in.ConsumeBool() ? 1.0 : in.ConsumeFloatingPoint<double>();
    const std::string text = in.ConsumeRemainingBytesAsString();
    Tokens(text, delims);
    FullString(text, delims);
    Quoted(text);
    Points(text, scale);
    Numbers(text);
    return 0;
}
