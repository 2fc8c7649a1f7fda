#pragma once

// Areas as closed rings of points in nanometres on the board's axes (y up),
// as the board file's polygons need them: shapes made into rings, areas
// joined and cut, and holes joined to the ring around them by a cut of no
// width, since the file's filled polygons have no holes.

#include <cstdint>
#include <span>
#include <vector>

#include "Shape.h"

namespace kicad {

struct NmPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool operator==(const NmPoint&) const = default;
};
// Counter-clockwise: an area; clockwise: a hole in the area around it.
using Ring = std::vector<NmPoint>;

// The largest distance, in millimetres, between an arc and the straight
// segments that stand for it.
inline constexpr double kArcErrorMm = 0.005;

// Appends the rings of the area a shape covers, moved by t: a line as the
// area its width sweeps, a ring or thermal as its copper. Holes come
// clockwise; rings may overlap.
void AddArea(const board::Shape& s, const board::Transform& t, std::vector<Ring>& out);

// Appends the points of a path or outline with its arcs made straight
// segments, moved by t. Closing points are kept as they are.
void Straighten(std::span<const board::Vertex> points, bool arcs, const board::Transform& t,
                std::vector<board::Point>& out);

// The copper of `areas` less `voids`, where `ties` still hold copper across
// a void (a plane's tie legs), as rings without holes: each hole joined to
// the ring around it by a cut of no width. Rings may overlap and cross in
// any number; a void outside the areas cuts nothing.
std::vector<Ring> Fill(std::vector<Ring> areas, std::vector<Ring> voids, std::vector<Ring> ties);

// Twice the signed area: positive counter-clockwise.
double Area2(const Ring& r);

} // namespace kicad
