#include "core/ExPt.h"

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

// Reads the number before the next comma and drops it with its comma; without
// a comma the value is read from "" (0) and the text stays for the next value.
double TakeBeforeComma(std::string& s)
{
    const std::size_t comma = s.find(',');
    if (comma == std::string::npos)
        return 0.0;
    const double v = ex::Atof(std::string_view(s).substr(0, comma));
    s.erase(0, comma + 1);
    ex::Trim(s);
    return v;
}

template <class ParseOne>
void AppendPoints(CExPtArray& array, std::string s, double dScale, ParseOne parseOne)
{
    ex::Trim(s);
    if (s.find('(') == std::string::npos) {
        CExPt pt;
        (pt.*parseOne)(std::move(s), dScale);
        array.Add(pt);
        return;
    }
    // Walk the pieces between ')' in place: no token array per list.
    std::string piece;
    std::size_t pos = 0;
    while (pos <= s.size()) {
        std::size_t close = s.find(')', pos);
        if (close == std::string::npos)
            close = s.size();
        piece.clear();
        for (std::size_t i = pos; i < close; ++i) {
            const char c = s[i];
            // Only a newline right after ')' goes; blanks and '(' all go.
            const bool newlineAfterClose = c == '\n' && i == pos && i > 0 && s[i - 1] == ')';
            if (c != '(' && c != ' ' && !newlineAfterClose)
                piece.push_back(c);
        }
        if (piece.find(',') != std::string::npos) {
            CExPt pt;
            (pt.*parseOne)(piece, dScale);
            array.Add(pt);
        }
        pos = close + 1;
    }
}

} // namespace

void CExPt::SetPtData(std::string s, double dScale)
{
    StripPoint(s);
    const std::size_t comma = s.find(',');
    dX = comma == std::string::npos ? 0.0 : ex::Atof(std::string_view(s).substr(0, comma)) * dScale;
    if (comma != std::string::npos)
        s.erase(0, comma + 1);
    ex::Trim(s);
    dY = ex::Atof(s) * dScale;
}

void CExPt::SetXYRPtData(std::string s, double dScale)
{
    StripPoint(s);
    dX = TakeBeforeComma(s) * dScale;
    dY = TakeBeforeComma(s) * dScale;
    dR = ex::Atof(s) * dScale;
}

void CExPtArray::SetPtDatas(std::string sText, double dScale)
{
    AppendPoints(*this, std::move(sText), dScale, &CExPt::SetPtData);
}

void CExPtArray::SetXYRPtDatas(std::string sText, double dScale)
{
    AppendPoints(*this, std::move(sText), dScale, &CExPt::SetXYRPtData);
}
