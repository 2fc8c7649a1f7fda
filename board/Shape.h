#pragma once

// The shapes a board is made of, in the frame they are placed in.

#include <cstdint>
#include <span>
#include <vector>

#include "Geometry.h"

namespace board {

enum class Kind : std::uint8_t {
    Circle,       // diameter w around at
    Rect,         // w by h centred on at
    Oblong,       // w by h, the shorter sides round
    RoundRect,    // w by h, corners rounded with radius r
    ChamferRect,  // w by h, corners cut r along each side (octagons too)
    Ring,         // round donut: outer diameter w, inner diameter r
    SquareRing,   // square donut: outer side w, inner side r
    Thermal,      // round thermal: outer diameter w, inner diameter r, gaps `tie` wide at 45, 135, 225, 315 degrees
    Path,         // through the points, open
    Polygon,      // through the points, closed and counter-clockwise
};

struct Shape {
    Kind kind = Kind::Path;
    bool bLine = false;  // a line `width` wide along the outline rather than an area; always so for a Path
    bool bArcs = false;  // Path, Polygon: some points bend their segment
    bool bVoid = false;  // an area cut out of the copper it lies in (a plane's clearance)
    std::uint32_t nPoints = 0;
    const Vertex* pPoints = nullptr;  // Path, Polygon: held by the board
    Point at;
    double w = 0.0, h = 0.0, r = 0.0, tie = 0.0;
    double width = 0.0;

    std::span<const Vertex> Points() const { return {pPoints, nPoints}; }
};

// The area the shape covers, widths included.
Bounds ShapeBounds(const Shape& s);

// Appends the closed outline of a Circle, Rect, Oblong, RoundRect or
// ChamferRect to out, counter-clockwise, arcs as Vertex radii; false for
// the other kinds.
bool Outline(const Shape& s, std::vector<Vertex>& out);

// Calls emit(Vertex) for the points of a path with those that lie within
// tolerance of the last one emitted left out: the first and last points
// always stay, and so do both ends of every arc.
template <class Emit>
void MergeClose(std::span<const Vertex> points, double tolerance, Emit&& emit)
{
    if (points.empty())
        return;
    const double t2 = tolerance * tolerance;
    Vertex last = points.front();
    emit(last);
    const std::size_t end = points.size() - 1;
    for (std::size_t i = 1; i < end; ++i) {
        const Vertex& p = points[i];
        const double dx = p.x - last.x, dy = p.y - last.y;
        if (p.r != 0.0 || points[i + 1].r != 0.0 || dx * dx + dy * dy > t2) {
            emit(p);
            last = p;
        }
    }
    if (end > 0)
        emit(points[end]);
}

} // namespace board
