#include "support/Records.h"

namespace test {

Lines Deeper(Lines lines, int nDeeper)
{
    for (std::string& line : lines)
        if (!line.empty() && line[0] == '.')
            line.insert(0, static_cast<std::size_t>(nDeeper), '.');
    return lines;
}

std::string Entry(const CExTemporary& e)
{
    std::string s = e.sKeyword + "|" + e.sValue + "|" + std::to_string(e.nLevel) + "|" + e.sContext + "|" +
                    std::to_string(e.nFlag);
    for (const std::string& line : e.saLines)
        s += "|" + line;
    return s;
}

Lines Entries(const CExTemporaryArray& log)
{
    Lines out;
    for (const CExTemporary* e : log)
        out.push_back(Entry(*e));
    return out;
}

Lines Keywords(const CExTemporaryArray& log)
{
    Lines out;
    for (const CExTemporary* e : log)
        out.push_back(e->sKeyword);
    return out;
}

} // namespace test
