#pragma once

// Writing the board file's s-expressions: lengths in millimetres to the
// nanometre, angles, quoted strings and identifiers, into a large buffer
// that goes to the file a piece at a time.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace kicad {

// Text as UTF-8: bytes that are no UTF-8 read as Latin-1.
std::string ValidUtf8(std::string_view s);

class SExpression {
public:
    explicit SExpression(std::FILE* out)
        : m_out(out), m_data(std::make_unique_for_overwrite<char[]>(kFlushAt + kSlack))
    {
    }
    SExpression(const SExpression&) = delete;
    SExpression& operator=(const SExpression&) = delete;
    ~SExpression() { Flush(); }

    SExpression& operator<<(std::string_view s)
    {
        if (s.size() > kSlack)
            return Long(s);
        s.copy(m_data.get() + m_size, s.size());
        m_size += s.size();
        return Check();
    }
    SExpression& operator<<(char c)
    {
        m_data[m_size++] = c;
        return Check();
    }
    // A whole number, as it is.
    SExpression& Int(std::int64_t n);
    // A length in nanometres, written in millimetres: "-1.5", "0.000001".
    SExpression& Nm(std::int64_t nm);
    // A length in millimetres, rounded to the nanometre.
    SExpression& Mm(double mm) { return Nm(ToNm(mm)); }
    // Two lengths in nanometres, "x y". The last pair's text is kept: a path
    // writes each of its points twice, as the end of a piece and the start
    // of the next.
    SExpression& Pair(std::int64_t x, std::int64_t y);
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
    // The text Nm writes.
    static std::string NmText(std::int64_t nm);

private:
    static constexpr std::size_t kFlushAt = std::size_t{1} << 20;
    // Room always left after kFlushAt: more than any one number, character
    // or stamp takes.
    static constexpr std::size_t kSlack = 4096;

    SExpression& Check()
    {
        if (m_size >= kFlushAt)
            Flush();
        return *this;
    }
    SExpression& Long(std::string_view s);

    std::FILE* m_out;
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::int64_t m_pair[2] = {};
    char m_pairText[64] = {};
    std::size_t m_pairSize = 0;  // 0: no pair written yet
};

} // namespace kicad
