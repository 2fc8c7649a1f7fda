#include "core/ExPt.h"

#include <algorithm>
#include <string_view>

#include "core/StringOps.h"

namespace {

// Steps shared by both point forms: trim, drop the parentheses.
void StripPoint(std::string& s)
{
    ex::Trim(s);
    if (!s.empty() && s.front() == '(')
        ex::RemoveChar(s, '(');
    if (s.find(')') != std::string::npos)
        ex::RemoveChar(s, ')');
}

// The two point forms, read from a text without parentheses. Blanks around
// the values need no trimming: the number reader skips leading white space
// and stops at the first byte that is not part of the number.

// Reads the number before the next comma and drops it with its comma; without
// a comma the value is read from "" (0) and the text stays for the next value.
double TakeBeforeComma(std::string_view& s)
{
    const std::size_t comma = s.find(',');
    if (comma == std::string_view::npos)
        return 0.0;
    const double v = ex::Atof(s.substr(0, comma));
    s.remove_prefix(comma + 1);
    return v;
}

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

using ParseOne = void (*)(CExPt&, std::string_view, double);

// The piece of a point list between two ')' with its leading blanks, '(' and
// droppable newline cut off and its trailing blanks too, when what is left
// reads the same as with every blank and '(' removed: no '(' inside, and
// every run of blanks touches a comma (the number reader skips blanks before
// a value and stops at one after it). False when the piece needs cleaning.
bool AsWritten(std::string_view segment, bool newlineDroppable, std::string_view& text)
{
    std::size_t b = 0;
    if (newlineDroppable && !segment.empty() && segment[0] == '\n')
        b = 1;
    while (b < segment.size() && (segment[b] == ' ' || segment[b] == '('))
        ++b;
    std::size_t e = segment.size();
    while (e > b && segment[e - 1] == ' ')
        --e;
    text = segment.substr(b, e - b);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            return false;
        if (text[i] != ' ')
            continue;
        std::size_t j = i;
        while (j < text.size() && text[j] == ' ')
            ++j;
        // text has no blank at either end, so both neighbours exist.
        if (text[i - 1] != ',' && text[j] != ',')
            return false;
        i = j - 1;
    }
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

void AppendPoints(CExPtArray& array, std::string s, double dScale, ParseOne parseOne)
{
    ex::Trim(s);
    CExPt pt;
    if (s.find('(') == std::string::npos) {
        StripPoint(s);
        parseOne(pt, s, dScale);
        array.Add(pt);
        return;
    }
    MakeRoom(array, static_cast<std::size_t>(std::count(s.begin(), s.end(), ')')) + 1);
    // Walk the pieces between ')' in place: a piece whose blanks all sit
    // beside a comma reads the same with them, so it is parsed where it lies;
    // any other goes through one reused buffer. No token array and no string
    // per point.
    std::string piece;
    std::size_t pos = 0;
    while (pos <= s.size()) {
        std::size_t close = s.find(')', pos);
        if (close == std::string::npos)
            close = s.size();
        const std::string_view segment(s.data() + pos, close - pos);
        // Only a newline right after ')' goes; blanks and '(' all go.
        const bool newlineAfterClose = pos > 0 && s[pos - 1] == ')';
        std::string_view text;
        if (!AsWritten(segment, newlineAfterClose, text)) {
            piece.clear();
            for (std::size_t i = 0; i < segment.size(); ++i) {
                const char c = segment[i];
                if (c != '(' && c != ' ' && !(c == '\n' && i == 0 && newlineAfterClose))
                    piece.push_back(c);
            }
            text = piece;
        }
        if (text.find(',') != std::string_view::npos) {
            pt = CExPt();
            parseOne(pt, text, dScale);
            array.Add(pt);
        }
        pos = close + 1;
    }
}

} // namespace

template class CArray<CExPt, CExPt&>;

CExPtArray::~CExPtArray() = default;

void CExPt::SetPtData(std::string s, double dScale)
{
    StripPoint(s);
    ParseXY(*this, s, dScale);
}

void CExPt::SetXYRPtData(std::string s, double dScale)
{
    StripPoint(s);
    ParseXYR(*this, s, dScale);
}

void CExPtArray::SetPtDatas(std::string sText, double dScale)
{
    AppendPoints(*this, std::move(sText), dScale, &ParseXY);
}

void CExPtArray::SetXYRPtDatas(std::string sText, double dScale)
{
    AppendPoints(*this, std::move(sText), dScale, &ParseXYR);
}
