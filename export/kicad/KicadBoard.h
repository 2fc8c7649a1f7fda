#pragma once

// A board written in the KiCad 6 board format (file version 20211014, which
// KiCad 6, 7 and 8 open) and its project file, streamed. Lengths are written
// in millimetres with y pointing down, the board moved onto a page whose
// grid origin is the design's origin.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Board.h"

namespace kicad {

// What could not be carried over as the design has it, by kind.
enum class Loss : std::uint8_t {
    PinWithoutPadstack,
    PinWithoutPad,
    ViaWithoutPadstack,
    ViaNotRound,
    PadOtherShapes,
    TraceOfOnePoint,
    TraceArea,
    ZoneWithoutArea,
    KeepoutWithoutArea,
    Dimension,
    UserLayerShared,
    CopperLayerShared,
    EmptyText,
    NetWidth,
    Count
};

class Losses {
public:
    void Add(Loss kind, std::string item);
    std::int64_t Of(Loss kind) const { return m_counts[static_cast<std::size_t>(kind)]; }
    // One line per kind that occurred: "3 pins without a padstack skipped".
    std::vector<std::string> Lines() const;
    // Every item, one line each, in the order met.
    const std::vector<std::string>& Items() const { return m_items; }

private:
    std::int64_t m_counts[static_cast<std::size_t>(Loss::Count)] = {};
    std::vector<std::string> m_items;
};

// Writes the board; what cannot be carried over goes to `losses`.
void WriteBoard(const board::Board& board, std::FILE* out, Losses& losses);

// Writes the project file of a board file named `boardFile`: the net
// classes with their track width and via size, and each net's class.
void WriteProject(const board::Board& board, const std::string& boardFile, std::FILE* out, Losses& losses);

} // namespace kicad
