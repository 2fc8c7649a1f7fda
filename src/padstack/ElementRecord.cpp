#include "padstack/ElementRecord.h"

namespace ex {

CExPt ReadOffset(std::string_view line, double dScale)
{
    std::string_view text = KeywordValueView(line);
    if (const std::size_t open = text.find('('); open != std::string_view::npos)
        text.remove_prefix(open + 1);
    text = TrimView(text);
    CExPt pt;
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos) {
        pt.dX = Atof(text.substr(0, comma)) * dScale;
        text.remove_prefix(comma + 1);
    }
    if (const std::size_t close = text.find(')'); close != std::string_view::npos)
        pt.dY = Atof(text.substr(0, close)) * dScale;
    return pt;
}

} // namespace ex
