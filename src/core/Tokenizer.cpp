#include "core/Tokenizer.h"

#include <algorithm>

CTokenizer::CTokenizer() : nDelimiterBits{0, 0, 0, 0}, nCurPos(0) {}

CTokenizer::CTokenizer(const std::string& s, const std::string& sDelimiters)
    : sString(s), nDelimiterBits{0, 0, 0, 0}, nCurPos(0)
{
    SetDelimiters(sDelimiters);
}

void CTokenizer::ClearDelimiters() { std::fill(std::begin(nDelimiterBits), std::end(nDelimiterBits), 0); }

void CTokenizer::SetDelimiters(const std::string& sDelimiters)
{
    for (unsigned char c : sDelimiters)
        nDelimiterBits[c >> 6] |= std::uint64_t{1} << (c & 63);
}

bool CTokenizer::Next(std::string& sToken)
{
    sToken.clear();
    const int n = static_cast<int>(sString.size());
    if (nCurPos < 0)
        nCurPos = 0;
    while (nCurPos < n && IsDelimiter(static_cast<unsigned char>(sString[nCurPos])))
        ++nCurPos;
    if (nCurPos >= n)
        return false;
    const int start = nCurPos;
    while (nCurPos < n && !IsDelimiter(static_cast<unsigned char>(sString[nCurPos])))
        ++nCurPos;
    sToken.assign(sString, static_cast<std::size_t>(start), static_cast<std::size_t>(nCurPos - start));
    return true;
}

std::string CTokenizer::Tail() const
{
    const int n = static_cast<int>(sString.size());
    int i = nCurPos < 0 ? 0 : nCurPos;
    while (i < n && IsDelimiter(static_cast<unsigned char>(sString[i])))
        ++i;
    return i >= n ? std::string() : sString.substr(static_cast<std::size_t>(i));
}

void CTokenizer::GetTokenArray(std::vector<std::string>& saTokens)
{
    std::string token;
    while (Next(token))
        saTokens.push_back(token);
    nCurPos = 0;
}

void CTokenizer::GetTokenArray(std::vector<std::string>& saTokens, const std::string& s, const std::string& sDelimiters)
{
    sString = s;
    nCurPos = 0;
    ClearDelimiters();
    SetDelimiters(sDelimiters);
    GetTokenArray(saTokens);
}

void CTokenizer::GetTokenArrayByFullString(std::vector<std::string>& saTokens, const std::string& s,
                                           const std::string& sDelimiter)
{
    static constexpr char kCandidates[] = {'!', '@', '#', '$', '%', '^'};
    char placeholder = 0;
    for (char c : kCandidates)
        if (s.find(c) == std::string::npos) {
            placeholder = c;
            break;
        }
    std::string copy;
    copy.reserve(s.size());
    if (sDelimiter.empty()) {
        copy = s;
    } else {
        std::size_t pos = 0;
        for (;;) {
            const std::size_t hit = s.find(sDelimiter, pos);
            if (hit == std::string::npos)
                break;
            copy.append(s, pos, hit - pos);
            if (placeholder)
                copy.push_back(placeholder);
            pos = hit + sDelimiter.size();
        }
        copy.append(s, pos, std::string::npos);
    }
    sString = std::move(copy);
    nCurPos = 0;
    ClearDelimiters();
    if (placeholder)
        SetDelimiters(std::string(1, placeholder));
    GetTokenArray(saTokens);
}

void CTokenizer::GetStringArrayFromStringToken(std::string& s, std::vector<std::string>& saTokens)
{
    // Blank-separated reading: runs of blanks count as one; the read position
    // becomes -1 after the last token.
    std::size_t pos = 0;
    bool exhausted = false;
    auto readToken = [&](std::string& out) {
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
        if (pos >= s.size()) {
            exhausted = true;
            return false;
        }
        const std::size_t start = pos;
        while (pos < s.size() && s[pos] != ' ')
            ++pos;
        out.assign(s, start, pos - start);
        return true;
    };

    // The accumulator only grows by whole tokens, so its first and last quote
    // are tracked as tokens come in: a long quoted string stays linear.
    std::string acc;
    std::string token;
    std::size_t firstQuote = std::string::npos;
    std::size_t lastQuote = std::string::npos;
    for (;;) {
        if (exhausted || !readToken(token)) {
            // Nothing more to read: an open quoted string is not emitted.
            return;
        }
        const std::size_t tokenFirst = token.find('"');
        if (tokenFirst != std::string::npos) {
            if (firstQuote == std::string::npos)
                firstQuote = acc.size() + tokenFirst;
            lastQuote = acc.size() + token.rfind('"');
        }
        acc += token;
        if (firstQuote != std::string::npos) {
            if (firstQuote != lastQuote) {
                acc.erase(std::remove(acc.begin(), acc.end(), '"'), acc.end());
            } else if (firstQuote == 0) {
                acc.push_back(' ');
                continue;
            } else {
                acc.erase(firstQuote, 1);
            }
        }
        saTokens.push_back(std::move(acc));
        acc.clear();
        firstQuote = lastQuote = std::string::npos;
    }
}
