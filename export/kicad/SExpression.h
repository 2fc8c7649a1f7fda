#pragma once

// Writing the board file's s-expressions: lengths in millimetres to the
// nanometre, angles, quoted strings and identifiers, into a large buffer
// that goes to the file a piece at a time.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace kicad {

// Text as UTF-8: bytes that are no UTF-8 read as Latin-1.
std::string ValidUtf8(std::string_view s);

class SExpression {
public:
    explicit SExpression(std::FILE* out) : m_out(out) { m_buffer.reserve(kFlushAt + kSlack); }
    SExpression(const SExpression&) = delete;
    SExpression& operator=(const SExpression&) = delete;
    ~SExpression() { Flush(); }

    SExpression& operator<<(std::string_view s)
    {
        m_buffer.append(s);
        return Check();
    }
    SExpression& operator<<(char c)
    {
        m_buffer.push_back(c);
        return Check();
    }
    // A whole number, as it is.
    SExpression& Int(std::int64_t n);
    // A length in nanometres, written in millimetres: "-1.5", "0.000001".
    SExpression& Nm(std::int64_t nm);
    // A length in millimetres, rounded to the nanometre.
    SExpression& Mm(double mm) { return Nm(ToNm(mm)); }
    // An angle in degrees, to a millionth of a degree.
    SExpression& Degrees(double degrees);
    // Text in double quotes as the board reader takes it back: quotes and
    // backslashes escaped, control bytes as escapes, and bytes that are no
    // UTF-8 read as Latin-1 so that the reader, which drops a string that is
    // no UTF-8, keeps them.
    SExpression& Quoted(std::string_view s);
    // A UUID-like time stamp made from the kind of object and its index: the
    // same design gives the same stamps.
    SExpression& Stamp(std::uint32_t kind, std::uint64_t index);

    void Flush();

    static std::int64_t ToNm(double mm);

private:
    static constexpr std::size_t kFlushAt = std::size_t{1} << 20;
    static constexpr std::size_t kSlack = 4096;

    SExpression& Check()
    {
        if (m_buffer.size() >= kFlushAt)
            Flush();
        return *this;
    }

    std::FILE* m_out;
    std::string m_buffer;
};

} // namespace kicad
