#include "Printable.h"

namespace exload {

namespace {

unsigned char Byte(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// Length of the well-formed UTF-8 character at the start of s, 0 if there is
// none (a lone byte of an 8-bit text, an overlong or cut sequence).
std::size_t Utf8Length(std::string_view s)
{
    const unsigned char c = Byte(s, 0);
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        lo = c == 0xE0 ? 0xA0 : 0x80;
        hi = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        lo = c == 0xF0 ? 0x90 : 0x80;
        hi = c == 0xF4 ? 0x8F : 0xBF;
    }
    if (n == 0 || s.size() < n || Byte(s, 1) < lo || Byte(s, 1) > hi)
        return 0;
    for (std::size_t i = 2; i < n; ++i)
        if ((Byte(s, i) & 0xC0) != 0x80)
            return 0;
    return n;
}

void AppendEscaped(std::string& out, std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
}

} // namespace

std::string Printable(std::string_view s, std::size_t maxBytes)
{
    std::size_t keep = s.size();
    if (keep > maxBytes) {
        keep = maxBytes;
        for (int i = 0; i < 3 && keep > 0 && (Byte(s, keep) & 0xC0) == 0x80; ++i)
            --keep;
    }
    std::string out;
    out.reserve(keep + 16);
    for (std::size_t i = 0; i < keep;) {
        const unsigned char c = Byte(s, i);
        std::size_t n = 1;
        bool control = c < 0x20 || c == 0x7F;
        if (c >= 0x80) {
            n = Utf8Length(s.substr(i, keep - i));
            // U+0080 to U+009F in UTF-8; a single byte 0x80 to 0x9F is the
            // same control on an 8-bit terminal.
            control = n == 0 ? c < 0xA0 : (c == 0xC2 && Byte(s, i + 1) < 0xA0);
            n = n == 0 ? 1 : n;
        }
        if (control)
            AppendEscaped(out, s.substr(i, n));
        else
            out.append(s.substr(i, n));
        i += n;
    }
    if (keep < s.size())
        out += "[... " + std::to_string(s.size() - keep) + " more bytes]";
    return out;
}

} // namespace exload
