#pragma once

// The trailing arguments every parser receives and hands on, as one value.
// Model headers forward-declare it; only parsers include this.

#include <string>
#include <string_view>
#include <vector>

#include "core/ExTemporary.h"

namespace ex {

using Group = std::vector<std::string>;

struct ParseContext {
    const std::string& sContext;
    int nFlag;
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
    double dScale;
    // The design's unit word, for the records that set a file's own unit.
    std::string_view sDesignUnits{};

    // The same with another context text (which must outlive the copy).
    ParseContext WithContext(const std::string& context) const
    {
        return {context, nFlag, pIgnoreLog, pNotUsedLog, dScale, sDesignUnits};
    }

    void LogNotUsed(Group& group) const
    {
        if (pNotUsedLog != nullptr)
            pNotUsedLog->SetNoUsedArray(group, sContext, nFlag);
        group.clear();
    }
};

} // namespace ex
