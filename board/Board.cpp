#include "Board.h"

#include <numeric>

namespace board {

namespace {

struct DroppedName {
    const char* one;
    const char* many;
};
constexpr DroppedName kDroppedNames[] = {
    {"footprint", "footprints"}, {"pad", "pads"},   {"via", "vias"},   {"track", "tracks"},
    {"zone", "zones"},           {"graphic", "graphics"}, {"text", "texts"}, {"keepout", "keepouts"},
};
static_assert(std::size(kDroppedNames) == static_cast<std::size_t>(Dropped::Count));

} // namespace

std::int64_t LeftOut::Total() const { return std::accumulate(counts.begin(), counts.end(), std::int64_t{0}); }

std::string LeftOut::Describe() const
{
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < counts.size(); ++i)
        if (counts[i] > 0)
            parts.push_back(std::to_string(counts[i]) + " " +
                            (counts[i] == 1 ? kDroppedNames[i].one : kDroppedNames[i].many));
    if (parts.empty())
        return {};
    std::string s = "left out ";
    for (std::size_t i = 0; i < parts.size(); ++i)
        s += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return s + " with a value that is not finite or lies beyond " + std::to_string(static_cast<int>(kFarMm / 1000)) +
           " m";
}

std::int32_t Board::Find(Role role, Side side) const
{
    for (std::size_t i = 0; i < layers.size(); ++i)
        if (layers[i].role == role && layers[i].side == side)
            return static_cast<std::int32_t>(i);
    return -1;
}

} // namespace board
