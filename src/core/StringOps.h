#pragma once

// The text operations every parser uses: trimming, upper-casing, keyword
// tests and keyword values, and the leading-number rule. All text is 8-bit;
// upper-casing is ASCII only, byte by byte.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace ex {

constexpr bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
constexpr char ToUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Inline: every parser trims every line it looks at, mostly lines that are
// already trimmed.
inline std::string_view TrimLeftView(std::string_view s)
{
    std::size_t b = 0;
    while (b < s.size() && IsSpace(s[b]))
        ++b;
    return s.substr(b);
}
inline std::string_view TrimRightView(std::string_view s)
{
    std::size_t e = s.size();
    while (e > 0 && IsSpace(s[e - 1]))
        --e;
    return s.substr(0, e);
}
inline std::string_view TrimView(std::string_view s) { return TrimRightView(TrimLeftView(s)); }
void TrimLeft(std::string& s);
void TrimRight(std::string& s);
inline void Trim(std::string& s)
{
    if (!s.empty() && (IsSpace(s.front()) || IsSpace(s.back()))) {
        TrimRight(s);
        TrimLeft(s);
    }
}
void TrimLeft(std::string& s, char c);  // runs of c
void TrimRight(std::string& s, char c);

std::string ToUpper(std::string_view s);
void MakeUpper(std::string& s);

constexpr bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}
// Eight bytes with the ASCII letters upper case, every other byte as it was.
constexpr std::uint64_t UpperBytes(std::uint64_t x)
{
    constexpr std::uint64_t kEach = 0x0101010101010101;
    const std::uint64_t low7 = x & (0x7f * kEach);
    const std::uint64_t fromA = low7 + (0x80 - 'a') * kEach;  // top bit: at least 'a'
    const std::uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kEach;  // top bit: past 'z'
    const std::uint64_t lower = fromA & ~pastZ & ~x & (0x80 * kEach);
    return x ^ (lower >> 2);
}

inline std::uint64_t LoadBytes(const char* p)
{
    std::uint64_t x;
    std::memcpy(&x, p, sizeof x);
    return x;
}

// Keyword test: does the upper-case form of s begin with prefix? prefix is
// written in upper case. Saves making an upper-case copy of every line;
// keyword tables run it for each line they look up.
constexpr bool StartsWithNoCase(std::string_view s, std::string_view upperPrefix)
{
    const std::size_t n = upperPrefix.size();
    if (s.size() < n)
        return false;
    if (std::is_constant_evaluated() || n < 8) {
        for (std::size_t i = 0; i < n; ++i)
            if (ToUpperChar(s[i]) != upperPrefix[i])
                return false;
        return true;
    }
    // Eight bytes at a time, the last eight overlapping the ones before.
    for (std::size_t i = 0;; i += 8) {
        const std::size_t at = i + 8 <= n ? i : n - 8;
        if (UpperBytes(LoadBytes(s.data() + at)) != LoadBytes(upperPrefix.data() + at))
            return false;
        if (at + 8 >= n)
            return true;
    }
}
// Does the upper-case form of s contain upperNeedle?
bool ContainsNoCase(std::string_view s, std::string_view upperNeedle);

// Number of leading dots.
constexpr int LeadingDots(std::string_view s)
{
    std::size_t n = 0;
    while (n < s.size() && s[n] == '.')
        ++n;
    return static_cast<int>(n);
}

// Keyword level of a log entry: leading dots, 1 to 5 (1 also without a dot).
inline int KeywordLevel(std::string_view s)
{
    const int n = LeadingDots(s);
    return n == 0 ? 1 : (n > 5 ? 5 : n);
}

enum class Quotes { Keep, Remove };

// Text after the first blank, trimmed at both ends; a line without a blank
// yields the whole line. Double quotes are removed unless told otherwise.
std::string KeywordValue(std::string_view line, Quotes quotes = Quotes::Remove);
// The same without copying (quotes stay).
std::string_view KeywordValueView(std::string_view line);

// How many bytes of s are c; a fraction of an instruction per byte.
std::size_t CountByte(std::string_view s, char c);

void RemoveChar(std::string& s, char c);
std::string WithoutChar(std::string_view s, char c);

// Framework string operations with their exact results.
// Index of the first occurrence at or after start, -1 when absent.
int Find(std::string_view s, std::string_view what, int start = 0);
int Find(std::string_view s, char what, int start = 0);
// Removes count bytes at index, clipped at the end; count <= 0 removes nothing.
void Delete(std::string& s, int index, int count = 1);
// Replaces every occurrence; returns the number replaced.
int Replace(std::string& s, std::string_view from, std::string_view to);
std::string Left(std::string_view s, int count);
std::string Mid(std::string_view s, int first);
std::string Mid(std::string_view s, int first, int count);

// The leading-number rule: leading white space skipped, the longest leading
// decimal number read (sign, digits, fraction, exponent), 0 when there is none.
// Out-of-range doubles give +-infinity (or 0 on underflow); integers clamp.
double Atof(std::string_view s);
// The same, and where the number ends: nEnd is the index past its last byte,
// 0 when there is no number.
double Atof(std::string_view s, std::size_t& nEnd);
int Atoi(std::string_view s);

} // namespace ex
