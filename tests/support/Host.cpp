#include "support/Host.h"

#include "core/ExExpedition.h"

namespace test {

std::string SetMembers(const CExExpedition& root)
{
    const std::pair<const void*, const char*> members[] = {
        {root.pNetConnectionArray, "conn"}, {root.pNetClassArray, "class"}, {root.pNetPropArray, "prop"},
        {root.pPadstackLibrary, "pad"},     {root.pCellLibrary, "cell"},    {root.pLayout, "layout"},
        {root.pJobPreferences, "job"},      {root.pLibPart, "parts"},
    };
    std::string out;
    for (const auto& [p, name] : members)
        if (p)
            out += out.empty() ? name : std::string(" ") + name;
    return out;
}

} // namespace test
