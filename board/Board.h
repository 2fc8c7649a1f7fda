#pragma once

// A loaded design resolved into placed primitives: its layers, footprints
// with their pads, graphics and texts, tracks, vias, zones, keepouts and
// board graphics, in millimetres on the design's own axes (y up, angles in
// degrees counter-clockwise). Items of a footprint lie in the footprint's
// frame, which Footprint::place takes onto the board; everything else lies
// in board coordinates. Names are views into the loaded design, which must
// outlive the board.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Geometry.h"
#include "Shape.h"

class CExExpedition;
class CExPartData;

namespace board {

// Coordinates and sizes beyond this (or not finite) leave their item out.
inline constexpr double kFarMm = 1000.0;

enum class Role : std::uint8_t {
    Copper,
    BoardOutline,
    RouteOutline,
    Silkscreen,
    SolderMask,
    SolderPaste,
    Assembly,
    Placement,  // the area a component takes
    Drill,      // drill drawings
    Dimension,
    User,       // named user layers
};
enum class Side : std::uint8_t { None, Top, Bottom };

struct Layer {
    Role role = Role::User;
    Side side = Side::None;  // copper: Top and Bottom for the outer layers, None inside
    int nNumber = 0;         // copper: the stackup's number
    bool bPlane = false;     // copper: a plane layer of the stackup
    std::string sName;       // copper: the stackup's name, else the role's or the user layer's
    std::string sKey;        // how the design names it: a copper layer's number, a user layer's name
};

// Items of one of the board's lists.
struct Range {
    std::uint32_t nFirst = 0;
    std::uint32_t nCount = 0;
};

// A pad of the library. Its shapes lie around the pad's centre, which sits
// `offset` from the pin in the pin's frame.
struct PadDef {
    std::string_view sName;
    Point offset;
    Range shapes;  // Board::Shapes
    bool bValid = true;  // false: a value out of range; the pad is left out wherever used
};

struct Hole {
    std::string_view sName;
    Shape shape;  // Circle: a round drill; Oblong or Rect: a slot; else the drawn outline
    bool bValid = true;
};

struct Padstack {
    std::string_view sName;
    std::string_view sType;
    std::int32_t nTopPad = -1;     // Board::padDefs; -1: none
    std::int32_t nBottomPad = -1;
    std::int32_t nInnerPad = -1;
    std::int32_t nHole = -1;       // Board::holes; -1: none
    bool bPlated = false;          // copper pads surround the hole
    bool bPadsFound = true;        // every pad and hole it names is in the library
};

// A padstack placed: a pin of a footprint, or a via.
struct Pad {
    std::string_view sNumber;      // the pin number; empty for vias and single-hole footprints
    std::int32_t nFootprint = -1;  // -1: `at` is in board coordinates
    std::int32_t nPadstack = -1;   // -1: the library has no padstack of that name
    std::int32_t nNet = 0;         // Board::nets; 0: none
    std::int32_t nTopLayer = -1;   // the copper layer of the padstack's top pad
    std::int32_t nBottomLayer = -1;  // and of its bottom pad
    Transform at;                  // the pin (the hole's centre) in its footprint's frame
};

enum class FootprintKind : std::uint8_t { Cell, MountingHole, Fiducial, TestPoint, ToolingHole };

struct Footprint {
    FootprintKind kind = FootprintKind::Cell;
    bool bBottom = false;
    std::string_view sName;       // the cell's; the padstack's for the other kinds
    std::string_view sReference;  // the reference designator text, or the test point's name
    std::string_view sValue;      // the part's label or name, where the design ties a part to the cell
    const CExPartData* pPart = nullptr;
    Transform place;              // mirrored (x to -x) before it turns when bBottom
    Range pads, graphics, texts;  // Board::pads, graphics, texts
};

// A shape on a layer: a track, a graphic.
struct Item {
    Shape shape;
    std::int32_t nLayer = -1;
    std::int32_t nFootprint = -1;  // -1: board coordinates
    std::int32_t nNet = 0;
};

struct Zone {
    std::int32_t nLayer = -1;
    std::int32_t nNet = 0;
    bool bPlane = false;  // a plane of the plane data; else a conductive area
    Range outline;        // Board::Shapes: the area as drawn
    Range fill;           // its computed copper, less its void shapes; empty when the design holds none
    Range ties;           // tie legs: copper across the voids of the fill
};

enum class KeepoutKind : std::uint8_t { Placement, Obstruct };

struct Keepout {
    KeepoutKind kind = KeepoutKind::Placement;
    Shape shape;
    std::int32_t nLayer = -1;      // a copper layer; -1: all of them
    std::int32_t nFootprint = -1;
    std::string_view sWhat;        // an obstruct's keyword value: what it keeps out
};

// The class a net belongs to and the track width the design gives it, in
// millimetres (0: none given).
struct NetRules {
    std::int32_t nClass = -1;  // Board::netClasses; -1: none
    double dWidth = 0.0;
};

enum class HAlign : std::uint8_t { Left, Centre, Right };
enum class VAlign : std::uint8_t { Bottom, Centre, Top };

struct Text {
    std::string_view sText;  // what it shows: the value after its name where the design gives both
    std::string_view sType;
    std::int32_t nLayer = -1;
    std::int32_t nFootprint = -1;
    Point at;
    double dRotation = 0.0;
    double dHeight = 0.0;
    double dWidth = 0.0;
    double dStrokeWidth = 0.0;
    HAlign horizontal = HAlign::Left;
    VAlign vertical = VAlign::Bottom;
};

// What was left out because a value was not finite or lay beyond kFarMm,
// counted per kind.
enum class Dropped : std::uint8_t { Footprint, Pad, Via, Track, Zone, Graphic, Text, Keepout, Count };

struct LeftOut {
    std::array<std::int64_t, static_cast<std::size_t>(Dropped::Count)> counts{};

    void Add(Dropped d) { ++counts[static_cast<std::size_t>(d)]; }
    std::int64_t Of(Dropped d) const { return counts[static_cast<std::size_t>(d)]; }
    std::int64_t Total() const;
    // One line for the user, without a line end; empty when nothing was left out.
    std::string Describe() const;
};

class Board {
public:
    // Empty when the design has no layout.
    explicit Board(const CExExpedition& root);
    // Shapes point into the board's own blocks of points.
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;
    Board(Board&&) = default;
    Board& operator=(Board&&) = default;

    std::vector<Layer> layers;
    std::vector<std::int32_t> copper;    // the copper layers, top to bottom
    std::vector<std::string_view> nets;  // nets[0] is "", no net
    std::vector<NetRules> netRules;      // by net, as nets
    std::vector<std::string_view> netClasses;
    std::vector<PadDef> padDefs;
    std::vector<Hole> holes;
    std::vector<Padstack> padstacks;
    std::vector<Footprint> footprints;
    std::vector<Pad> pads;  // the footprints', each footprint's together
    std::vector<Pad> vias;
    std::vector<Item> tracks;
    std::vector<Zone> zones;
    std::vector<Item> graphics;  // the board's and the footprints', each footprint's together
    std::vector<Keepout> keepouts;
    std::vector<Text> texts;     // the same
    LeftOut leftOut;

    std::span<const Shape> Shapes(Range r) const { return {m_shapes.data() + r.nFirst, r.nCount}; }
    template <class T>
    static std::span<const T> Of(const std::vector<T>& list, Range r)
    {
        return {list.data() + r.nFirst, r.nCount};
    }

    // What takes items of footprint n onto the board; no move for -1.
    const Transform& Place(std::int32_t nFootprint) const
    {
        return nFootprint < 0 ? m_board : footprints[static_cast<std::size_t>(nFootprint)].place;
    }
    // A pad's pin on the board.
    Transform PinOnBoard(const Pad& pad) const { return Place(pad.nFootprint) * pad.at; }
    // Where the shapes of pad def d lie for a pin at `pin`.
    static Transform PadAt(const Transform& pin, const PadDef& d)
    {
        return pin * Transform::Place(d.offset, 0.0);
    }

    // The first layer of that role and side; -1 when there is none.
    std::int32_t Find(Role role, Side side = Side::None) const;

private:
    friend class Builder;

    // Points in blocks that never move, each shape's in one block.
    std::vector<std::vector<Vertex>> m_blocks;
    std::vector<Shape> m_shapes;
    Transform m_board;
};

} // namespace board
