#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Splits a line into tokens at a set of delimiter bytes, with a cursor.
class CTokenizer {
public:
    CTokenizer();
    CTokenizer(const std::string& sString, const std::string& sDelimiters);
    CTokenizer(const CTokenizer&) = default;
    CTokenizer& operator=(const CTokenizer&) = default;
    ~CTokenizer() = default;

    // Adds every byte of sDelimiters to the set.
    void SetDelimiters(const std::string& sDelimiters);
    // Next token; false (and "") when none is left. Never yields "".
    bool Next(std::string& sToken);
    // The rest of the text from the first non-delimiter at or after the position.
    std::string Tail() const;
    // Appends every token left, then rewinds to 0.
    void GetTokenArray(std::vector<std::string>& saTokens);
    void GetTokenArray(std::vector<std::string>& saTokens, const std::string& sString, const std::string& sDelimiters);
    // Splits at every occurrence of the whole text sDelimiter.
    void GetTokenArrayByFullString(std::vector<std::string>& saTokens, const std::string& sString,
                                   const std::string& sDelimiter);
    // Splits at blanks, keeping a double-quoted string together without its quotes.
    void GetStringArrayFromStringToken(std::string& sString, std::vector<std::string>& saTokens);

    std::string sString;
    std::uint64_t nDelimiterBits[4];
    int nCurPos;

private:
    bool IsDelimiter(unsigned char c) const { return (nDelimiterBits[c >> 6] >> (c & 63)) & 1U; }
    void ClearDelimiters();
};
