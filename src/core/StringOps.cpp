#include "core/StringOps.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

namespace ex {

void TrimLeft(std::string& s)
{
    std::size_t b = 0;
    while (b < s.size() && IsSpace(s[b]))
        ++b;
    if (b)
        s.erase(0, b);
}

void TrimRight(std::string& s)
{
    std::size_t e = s.size();
    while (e > 0 && IsSpace(s[e - 1]))
        --e;
    s.resize(e);
}

void TrimLeft(std::string& s, char c)
{
    std::size_t b = 0;
    while (b < s.size() && s[b] == c)
        ++b;
    s.erase(0, b);
}

void TrimRight(std::string& s, char c)
{
    std::size_t e = s.size();
    while (e > 0 && s[e - 1] == c)
        --e;
    s.resize(e);
}

std::string ToUpper(std::string_view s)
{
    std::string r(s);
    MakeUpper(r);
    return r;
}

void MakeUpper(std::string& s)
{
    for (char& c : s)
        c = ToUpperChar(c);
}

bool ContainsNoCase(std::string_view s, std::string_view upperNeedle)
{
    if (upperNeedle.empty())
        return true;
    if (s.size() < upperNeedle.size())
        return false;
    for (std::size_t i = 0; i + upperNeedle.size() <= s.size(); ++i)
        if (StartsWithNoCase(s.substr(i), upperNeedle))
            return true;
    return false;
}

std::string_view KeywordValueView(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return TrimView(line);
    return TrimView(line.substr(blank + 1));
}

std::string KeywordValue(std::string_view line, Quotes quotes)
{
    const std::string_view v = KeywordValueView(line);
    return quotes == Quotes::Remove ? WithoutChar(v, '"') : std::string(v);
}

std::size_t CountByte(std::string_view s, char c)
{
    // Byte-wide counters in lanes the compiler turns into vector compares;
    // a block is short enough that no lane passes 255.
    constexpr std::size_t kLanes = 32;
    constexpr std::size_t kBlock = 255 * kLanes;
    std::size_t n = 0;
    const char* p = s.data();
    std::size_t left = s.size();
    while (left > 0) {
        const std::size_t block = std::min(left, kBlock);
        std::uint8_t lanes[kLanes] = {};
        std::size_t i = 0;
        for (; i + kLanes <= block; i += kLanes)
            for (std::size_t k = 0; k < kLanes; ++k)
                lanes[k] = static_cast<std::uint8_t>(lanes[k] + (p[i + k] == c));
        for (std::size_t k = 0; k < kLanes; ++k)
            n += lanes[k];
        for (; i < block; ++i)
            n += p[i] == c;
        p += block;
        left -= block;
    }
    return n;
}

void RemoveChar(std::string& s, char c)
{
    std::size_t out = 0;
    for (char ch : s)
        if (ch != c)
            s[out++] = ch;
    s.resize(out);
}

std::string WithoutChar(std::string_view s, char c)
{
    // Mostly c stands at both ends or nowhere (a quoted name, a number):
    // one search and one copy.
    std::string_view inner = s;
    if (s.size() >= 2 && s.front() == c && s.back() == c)
        inner = s.substr(1, s.size() - 2);
    if (inner.find(c) == std::string_view::npos)
        return std::string(inner);
    std::string r(s.size(), '\0');
    char* out = r.data();
    for (const char ch : s) {
        *out = ch;
        out += ch != c;
    }
    r.resize(static_cast<std::size_t>(out - r.data()));
    return r;
}

int Find(std::string_view s, std::string_view what, int start)
{
    if (start < 0)
        start = 0;
    if (static_cast<std::size_t>(start) > s.size())
        return -1;
    const std::size_t p = s.find(what, static_cast<std::size_t>(start));
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

int Find(std::string_view s, char what, int start) { return Find(s, std::string_view(&what, 1), start); }

void Delete(std::string& s, int index, int count)
{
    if (count <= 0 || index < 0 || static_cast<std::size_t>(index) >= s.size())
        return;
    s.erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
}

int Replace(std::string& s, std::string_view from, std::string_view to)
{
    if (from.empty())
        return 0;
    std::string out;
    int n = 0;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = s.find(from, pos);
        if (hit == std::string::npos)
            break;
        if (n == 0)
            out.reserve(s.size());
        out.append(s, pos, hit - pos);
        out.append(to);
        pos = hit + from.size();
        ++n;
    }
    if (n) {
        out.append(s, pos, std::string::npos);
        s.swap(out);
    }
    return n;
}

std::string Left(std::string_view s, int count)
{
    if (count <= 0)
        return {};
    return std::string(s.substr(0, static_cast<std::size_t>(count)));
}

std::string Mid(std::string_view s, int first)
{
    if (first < 0)
        first = 0;
    if (static_cast<std::size_t>(first) >= s.size())
        return {};
    return std::string(s.substr(static_cast<std::size_t>(first)));
}

std::string Mid(std::string_view s, int first, int count)
{
    if (first < 0)
        first = 0;
    if (count <= 0 || static_cast<std::size_t>(first) >= s.size())
        return {};
    return std::string(s.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Reads a run of digits into mantissa; returns the byte after it. The
// mantissa wraps for long runs, which only short numbers use.
inline const char* ReadDigits(const char* p, const char* end, std::uint64_t& mantissa)
{
    for (; p < end; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9)
            break;
        mantissa = mantissa * 10 + digit;
    }
    return p;
}

// Both number readers in one body, inlined into each.
inline double LeadingNumber(std::string_view s, std::size_t& nEnd)
{
    const char* const begin = s.data();
    const char* const stop = begin + s.size();
    const char* p = begin;
    while (p < stop && IsSpace(*p))
        ++p;
    bool negative = false;
    if (p < stop && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    const std::size_t start = static_cast<std::size_t>(p - begin);
    std::uint64_t mantissa = 0;
    const char* q = ReadDigits(p, stop, mantissa);
    const std::size_t intDigits = static_cast<std::size_t>(q - p);
    std::size_t fracDigits = 0;
    if (q < stop && *q == '.') {
        p = q + 1;
        q = ReadDigits(p, stop, mantissa);
        fracDigits = static_cast<std::size_t>(q - p);
    }
    nEnd = 0;
    if (intDigits + fracDigits == 0)
        return 0.0;
    const std::size_t i = static_cast<std::size_t>(q - begin);
    std::size_t end = i;
    const bool exponent = i < s.size() && (s[i] == 'e' || s[i] == 'E');
    if (!exponent && intDigits + fracDigits <= 15) {
        // Up to 15 digits are an exact integer and a power of ten up to 1e15
        // an exact double, so one division rounds exactly as the full reader
        // would; design files are mostly such numbers.
        const double value = static_cast<double>(mantissa) / kPowersOfTen[fracDigits];
        nEnd = end;
        return negative ? -value : value;
    }
    if (exponent) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j]))
                ++j;
            end = j;
        }
    }
    nEnd = end;
    const char* first = s.data() + start;
    const char* last = s.data() + end;
    double value = 0.0;
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Overflow or underflow: tell them apart by the decimal magnitude.
        long long magnitude = 0;
        std::size_t k = 0;
        const std::string_view mant(first, static_cast<std::size_t>(last - first));
        bool seenNonZero = false;
        long long leadingFracZeros = 0;
        for (; k < mant.size() && IsDigit(mant[k]); ++k)
            if (seenNonZero || mant[k] != '0') {
                seenNonZero = true;
                ++magnitude;
            }
        if (k < mant.size() && mant[k] == '.')
            for (++k; k < mant.size() && IsDigit(mant[k]); ++k) {
                if (seenNonZero)
                    break;
                if (mant[k] == '0')
                    ++leadingFracZeros;
                else
                    seenNonZero = true;
            }
        if (magnitude == 0)
            magnitude = -leadingFracZeros;
        const std::size_t e = mant.find_first_of("eE");
        long long exponent = 0;
        if (e != std::string_view::npos) {
            std::size_t p = e + 1;
            bool expNeg = false;
            if (p < mant.size() && (mant[p] == '+' || mant[p] == '-'))
                expNeg = mant[p++] == '-';
            for (; p < mant.size(); ++p) {
                if (exponent < 1000000000LL)
                    exponent = exponent * 10 + (mant[p] - '0');
            }
            if (expNeg)
                exponent = -exponent;
        }
        value = (magnitude + exponent > 0) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (res.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double Atof(std::string_view s)
{
    std::size_t nEnd = 0;
    return LeadingNumber(s, nEnd);
}

double Atof(std::string_view s, std::size_t& nEnd) { return LeadingNumber(s, nEnd); }

int Atoi(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long long v = 0;
    bool any = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        any = true;
        if (v <= static_cast<long long>(INT_MAX) + 1)
            v = v * 10 + (s[i] - '0');
    }
    if (!any)
        return 0;
    if (negative)
        v = -v;
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

} // namespace ex
