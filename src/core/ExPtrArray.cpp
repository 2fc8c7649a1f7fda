#include "core/ExPtrArray.h"

#include <unordered_set>

namespace ex {

std::vector<char> FirstOccurrences(const std::vector<const void*>& keys)
{
    std::unordered_set<const void*> seen;
    seen.reserve(keys.size());
    std::vector<char> first(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        first[i] = seen.insert(keys[i]).second ? 1 : 0;
    return first;
}

} // namespace ex
