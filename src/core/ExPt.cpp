#include "core/ExPt.h"

#include <algorithm>
#include <string>

#include "core/StringOps.h"

namespace {

// Reads the number before the next comma and drops it with its comma; without
// a comma the value is read from "" (0) and the text stays for the next value.
// Blanks around the values need no trimming: the number reader skips leading
// white space and stops at the first byte that is not part of the number.
double TakeBeforeComma(std::string_view& s)
{
    const std::size_t comma = s.find(',');
    if (comma == std::string_view::npos)
        return 0.0;
    const double v = ex::Atof(s.substr(0, comma));
    s.remove_prefix(comma + 1);
    return v;
}

// The two point forms, read from a text without parentheses.
void ParseXY(CExPt& pt, std::string_view s, double dScale)
{
    pt.dX = TakeBeforeComma(s) * dScale;
    pt.dY = ex::Atof(s) * dScale;
}

void ParseXYR(CExPt& pt, std::string_view s, double dScale)
{
    pt.dX = TakeBeforeComma(s) * dScale;
    pt.dY = TakeBeforeComma(s) * dScale;
    pt.dR = ex::Atof(s) * dScale;
}

struct PointForm {
    void (*parse)(CExPt&, std::string_view, double);
    int nValues;
};
constexpr PointForm kXY{&ParseXY, 2};
constexpr PointForm kXYR{&ParseXYR, 3};

// One point text: trimmed, its "(" dropped when it begins with one, and
// every ")"; copied only when there is a parenthesis to drop.
void ParseOne(CExPt& pt, std::string_view s, double dScale, const PointForm& form)
{
    s = ex::TrimView(s);
    const bool open = !s.empty() && s.front() == '(';
    if (!open && s.find(')') == std::string_view::npos) {
        form.parse(pt, s, dScale);
        return;
    }
    std::string text(s);
    if (open)
        ex::RemoveChar(text, '(');
    ex::RemoveChar(text, ')');
    form.parse(pt, text, dScale);
}

constexpr bool Dropped(char c) { return c == '(' || ex::IsSpace(c); }

// A piece of a list (the text between two ")") read where it lies, in one
// pass, when it is written plainly: values separated by commas, with only
// blanks, "(" and other white space before, between and after them. Blanks
// and "(" are removed from a piece before it is read, and the white space
// left stops a number or is trimmed, so such a piece reads the same either
// way. False for any other piece, which then goes the long way. A piece
// with nothing but such bytes has no comma and gives no point (*pbPoint false).
bool ReadPlainPiece(std::string_view piece, double dScale, const PointForm& form, CExPt& pt, bool& bPoint)
{
    std::size_t i = 0;
    const auto skip = [&] {
        while (i < piece.size() && Dropped(piece[i]))
            ++i;
    };
    skip();
    bPoint = i < piece.size();
    if (!bPoint)
        return true;
    double values[3] = {};
    for (int k = 0; k < form.nValues; ++k) {
        std::size_t used = 0;
        values[k] = ex::Atof(piece.substr(i), used) * dScale;
        if (used == 0)
            return false;
        i += used;
        skip();
        if (k + 1 == form.nValues)
            break;
        if (i == piece.size() || piece[i] != ',')
            return false;
        ++i;
        skip();
    }
    if (i != piece.size())
        return false;
    pt.dX = values[0];
    pt.dY = values[1];
    pt.dR = values[2];
    return true;
}

// The long way for a piece: blanks and "(" removed everywhere, and a line
// feed right after the ")" before it; read when a comma is left.
bool ReadPiece(std::string_view piece, bool bAfterClose, double dScale, const PointForm& form, CExPt& pt,
               std::string& buffer)
{
    buffer.clear();
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const char c = piece[i];
        if (c != '(' && c != ' ' && !(c == '\n' && i == 0 && bAfterClose))
            buffer.push_back(c);
    }
    if (buffer.find(',') == std::string::npos)
        return false;
    form.parse(pt, buffer, dScale);
    return true;
}

// Room for n more points: exact for the first list of an array (most arrays
// get one), growing by half for later ones so that many lists stay linear.
void MakeRoom(CExPtArray& array, std::size_t n)
{
    const std::size_t size = static_cast<std::size_t>(array.GetSize());
    const std::size_t capacity = array.Capacity();
    if (size + n > capacity)
        array.Reserve(static_cast<std::int64_t>(std::max(size + n, capacity + capacity / 2)));
}

// Points of a list gather here, so that the array grows once by their number:
// a short list is counted as it is read, a long one by its ")" when the
// first few do not hold it all.
class PointBatch {
public:
    PointBatch(CExPtArray& array, std::string_view text) : m_array(array), m_text(text) {}

    void Add(const CExPt& pt)
    {
        if (m_n == kPoints) {
            if (!m_bCounted) {
                // A point per ")", and one for text after the last that holds a comma.
                const std::size_t lastClose = m_text.rfind(')');
                const bool tail = m_text.find(',', lastClose == std::string_view::npos ? 0 : lastClose) !=
                                  std::string_view::npos;
                MakeRoom(m_array, ex::CountByte(m_text, ')') + (tail ? 1 : 0));
                m_bCounted = true;
            }
            Finish();
        }
        m_values[m_n++] = {pt.dX, pt.dY, pt.dR};
    }

    void Finish()
    {
        if (!m_bCounted)
            MakeRoom(m_array, m_n);
        CExPt pt;
        for (std::size_t i = 0; i < m_n; ++i) {
            pt.dX = m_values[i].x;
            pt.dY = m_values[i].y;
            pt.dR = m_values[i].r;
            m_array.Add(pt);
        }
        m_n = 0;
    }

private:
    struct Values {
        double x, y, r;
    };
    static constexpr std::size_t kPoints = 32;
    CExPtArray& m_array;
    std::string_view m_text;
    Values m_values[kPoints];
    std::size_t m_n = 0;
    bool m_bCounted = false;
};

void AppendPoints(CExPtArray& array, std::string_view s, double dScale, const PointForm& form)
{
    s = ex::TrimView(s);
    CExPt pt;
    if (s.find('(') == std::string_view::npos) {
        ParseOne(pt, s, dScale, form);
        array.Add(pt);
        return;
    }
    PointBatch batch(array, s);
    std::string buffer;
    std::size_t pos = 0;
    while (pos <= s.size()) {
        std::size_t close = s.find(')', pos);
        if (close == std::string_view::npos)
            close = s.size();
        const std::string_view piece = s.substr(pos, close - pos);
        pt = CExPt();
        bool bPoint = false;
        if (!ReadPlainPiece(piece, dScale, form, pt, bPoint))
            bPoint = ReadPiece(piece, pos > 0, dScale, form, pt, buffer);
        if (bPoint)
            batch.Add(pt);
        pos = close + 1;
    }
    batch.Finish();
}

} // namespace

template class CArray<CExPt, CExPt&>;

CExPtArray::~CExPtArray() = default;

void CExPt::SetPtData(std::string_view sText, double dScale) { ParseOne(*this, sText, dScale, kXY); }

void CExPt::SetXYRPtData(std::string_view sText, double dScale) { ParseOne(*this, sText, dScale, kXYR); }

void CExPtArray::SetPtDatas(std::string_view sText, double dScale) { AppendPoints(*this, sText, dScale, kXY); }

void CExPtArray::SetXYRPtDatas(std::string_view sText, double dScale) { AppendPoints(*this, sText, dScale, kXYR); }
