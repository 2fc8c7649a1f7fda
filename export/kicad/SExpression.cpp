#include "SExpression.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace kicad {

namespace {

// "00" to "99": digits go two at a time.
constexpr auto kPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i)
        pairs[2 * i] = static_cast<char>('0' + i / 10), pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    return pairs;
}();

// Writes the digits of n backwards from end; returns the first.
char* Digits(std::uint64_t n, char* end)
{
    while (n >= 100) {
        const std::size_t pair = 2 * (n % 100);
        n /= 100;
        *--end = kPairs[pair + 1];
        *--end = kPairs[pair];
    }
    if (n >= 10) {
        *--end = kPairs[2 * n + 1];
        *--end = kPairs[2 * n];
    } else {
        *--end = static_cast<char>('0' + n);
    }
    return end;
}

// Writes the digits of n from out; returns their end.
char* Forward(std::uint64_t n, char* out)
{
    // Lengths in millimetres mostly have one to three digits.
    if (n < 100) {
        if (n < 10) {
            *out = static_cast<char>('0' + n);
            return out + 1;
        }
        std::memcpy(out, &kPairs[2 * n], 2);
        return out + 2;
    }
    std::size_t count = 3;
    for (std::uint64_t rest = n / 100; rest >= 10; rest /= 10)
        ++count;
    Digits(n, out + count);
    return out + count;
}

// A fixed-point value: units of 1e-6, trailing zeros of the fraction cut.
// Writes at most kMicroChars characters from out; returns their end.
constexpr std::size_t kMicroChars = 28;
char* Micro(char* out, std::int64_t value)
{
    const auto bits = static_cast<std::uint64_t>(value);
    const std::uint64_t magnitude = value < 0 ? 0 - bits : bits;
    if (value < 0)
        *out++ = '-';
    out = Forward(magnitude / 1000000, out);
    const std::uint64_t fraction = magnitude % 1000000;
    if (fraction == 0)
        return out;
    *out++ = '.';
    // All six places, two at a time, leading zeros and all; then the zeros
    // it ends in go.
    const std::uint64_t places[] = {fraction / 10000, fraction / 100 % 100, fraction % 100};
    for (const std::uint64_t two : places)
        std::memcpy(out, &kPairs[2 * two], 2), out += 2;
    while (out[-1] == '0')
        --out;
    return out;
}

constexpr char kHex[] = "0123456789abcdef";

// Length of the UTF-8 sequence starting at s[i], or 0 when it is none.
std::size_t Utf8Length(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    unsigned min = 0;
    if (c >= 0xc2 && c <= 0xdf)
        n = 2, min = 0x80;
    else if (c >= 0xe0 && c <= 0xef)
        n = 3, min = 0x800;
    else if (c >= 0xf0 && c <= 0xf4)
        n = 4, min = 0x10000;
    else
        return 0;
    if (i + n > s.size())
        return 0;
    unsigned code = c & (0x3f >> (n - 1));
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (byte(i + k) & 0x3f);
    }
    // Overlong forms, surrogates and values past the last code point are no UTF-8.
    if (code < min || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
        return 0;
    return n;
}

// Calls ascii(c) for each ASCII byte and text(piece) for each other
// character, as UTF-8.
template <class Ascii, class Text>
void EachCharacter(std::string_view s, Ascii&& ascii, Text&& text)
{
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ascii(c);
            ++i;
        } else if (const std::size_t n = Utf8Length(s, i)) {
            text(s.substr(i, n));
            i += n;
        } else {
            const char latin[] = {static_cast<char>(0xc0 | c >> 6), static_cast<char>(0x80 | (c & 0x3f))};
            text(std::string_view(latin, 2));
            ++i;
        }
    }
}

} // namespace

std::int64_t SExpression::ToNm(double mm)
{
    // Callers pass values within a metre; anything else is held to the range.
    const double nm = std::nearbyint(mm * 1e6);
    if (!(nm == nm))
        return 0;
    return static_cast<std::int64_t>(std::fmax(std::fmin(nm, 1e15), -1e15));
}

std::string SExpression::NmText(std::int64_t nm)
{
    char text[kMicroChars];
    return {text, Micro(text, nm)};
}

SExpression& SExpression::Int(std::int64_t n)
{
    char text[24];
    char* const end = text + sizeof text;
    const bool negative = n < 0;
    char* p = Digits(negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n), end);
    if (negative)
        *--p = '-';
    return *this << std::string_view(p, static_cast<std::size_t>(end - p));
}

SExpression& SExpression::Nm(std::int64_t nm)
{
    m_size = static_cast<std::size_t>(Micro(m_data.get() + m_size, nm) - m_data.get());
    return Check();
}

SExpression& SExpression::Pair(std::int64_t x, std::int64_t y)
{
    if (m_pairSize == 0 || x != m_pair[0] || y != m_pair[1]) {
        char* p = Micro(m_pairText, x);
        *p++ = ' ';
        m_pairSize = static_cast<std::size_t>(Micro(p, y) - m_pairText);
        m_pair[0] = x, m_pair[1] = y;
    }
    // The whole of the kept text, a fixed size, copies faster than its part.
    std::memcpy(m_data.get() + m_size, m_pairText, sizeof m_pairText);
    m_size += m_pairSize;
    return Check();
}

SExpression& SExpression::Degrees(double degrees) { return Nm(ToNm(degrees)); }

std::string ValidUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    EachCharacter(
        s, [&](unsigned char c) { out.push_back(static_cast<char>(c)); }, [&](std::string_view t) { out += t; });
    return out;
}

SExpression& SExpression::Quoted(std::string_view s)
{
    // Names are mostly printable ASCII: those go as they are.
    if (std::all_of(s.begin(), s.end(), [](char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; }))
        return *this << '"' << s << '"';
    *this << '"';
    EachCharacter(
        s,
        [&](unsigned char c) {
            switch (c) {
            case '"': *this << "\\\""; break;
            case '\\': *this << "\\\\"; break;
            case '\n': *this << "\\n"; break;
            case '\r': *this << "\\r"; break;
            case '\t': *this << "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7f) {
                    const char escape[] = {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
                    *this << std::string_view(escape, sizeof escape);
                } else {
                    *this << static_cast<char>(c);
                }
            }
        },
        [&](std::string_view t) { *this << t; });
    return *this << '"';
}

SExpression& SExpression::Stamp(std::uint32_t kind, std::uint64_t index)
{
    // Two rounds of a 64-bit mixer over kind and index: stamps look random
    // and differ for every pair.
    auto mix = [](std::uint64_t z) {
        z += 0x9e3779b97f4a7c15ull;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    };
    const std::uint64_t hi = mix(static_cast<std::uint64_t>(kind) << 40 ^ index);
    const std::uint64_t lo = mix(hi ^ index);
    char text[36];
    int k = 0;
    auto put = [&](std::uint64_t v, int nibbles) {
        for (int i = nibbles - 1; i >= 0; --i)
            text[k++] = kHex[(v >> (4 * i)) & 15];
    };
    // Version 4 and variant bits, as random identifiers carry them.
    put(hi >> 32, 8), text[k++] = '-';
    put(hi >> 16, 4), text[k++] = '-';
    put(0x4000 | (hi & 0x0fff), 4), text[k++] = '-';
    put(0x8000 | (lo >> 48 & 0x3fff), 4), text[k++] = '-';
    put(lo, 12);
    return *this << std::string_view(text, sizeof text);
}

SExpression& SExpression::Long(std::string_view s)
{
    Flush();
    if (m_out)
        std::fwrite(s.data(), 1, s.size(), m_out);
    return *this;
}

void SExpression::Flush()
{
    if (m_size > 0 && m_out)
        std::fwrite(m_data.get(), 1, m_size, m_out);
    m_size = 0;
}

} // namespace kicad
