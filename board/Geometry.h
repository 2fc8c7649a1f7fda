#pragma once

// Points, placements and arcs in board coordinates: millimetres, the design's
// own axes (y up), angles in degrees counter-clockwise.

#include <cmath>

namespace board {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// A point of a path or outline. r bends the segment that ends here into an
// arc of that radius: counter-clockwise when positive, clockwise when
// negative, straight when 0.
struct Vertex {
    double x = 0.0;
    double y = 0.0;
    double r = 0.0;
};

// A rigid placement: x' = xx x + xy y + x0, y' = yx x + yy y + y0 (the member
// order of a cairo matrix). It turns, moves and mirrors; it never stretches.
struct Transform {
    double xx = 1.0, yx = 0.0, xy = 0.0, yy = 1.0, x0 = 0.0, y0 = 0.0;

    // Mirrored left to right (x to -x) when asked, then turned by degrees,
    // then moved to at.
    static Transform Place(Point at, double degrees, bool mirrored = false);

    Point Apply(Point p) const { return {xx * p.x + xy * p.y + x0, yx * p.x + yy * p.y + y0}; }
    Point ApplyVector(Point v) const { return {xx * v.x + xy * v.y, yx * v.x + yy * v.y}; }
    // This placement after inner: (a * b).Apply(p) is a.Apply(b.Apply(p)).
    Transform operator*(const Transform& inner) const;
    Transform Inverse() const;
    bool Mirrored() const { return xx * yy - xy * yx < 0; }
    // The turn that follows the mirror, in degrees within (-180, 180].
    double Degrees() const;
    Point Origin() const { return {x0, y0}; }
};

// An arc from a to b bent by radius r as a Vertex says; straight when the
// radius or the chord is 0 or not finite. A radius shorter than half the
// chord is taken as half the chord.
struct Arc {
    bool bStraight = true;
    Point centre;
    double dRadius = 0.0;
    double dFrom = 0.0, dTo = 0.0;  // angles in radians at a and at b
    bool bCounterClockwise = true;

    // The angle from a to b along the arc: positive counter-clockwise.
    double Sweep() const;
    // The point of the circle at an angle.
    Point At(double radians) const { return {centre.x + dRadius * std::cos(radians), centre.y + dRadius * std::sin(radians)}; }
};
Arc ArcBetween(Point a, Point b, double r);

// An axis-aligned box; empty until a point is added.
struct Bounds {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;

    bool Empty() const { return x0 > x1 || y0 > y1; }
    void Add(Point p)
    {
        x0 = p.x < x0 ? p.x : x0, y0 = p.y < y0 ? p.y : y0;
        x1 = p.x > x1 ? p.x : x1, y1 = p.y > y1 ? p.y : y1;
    }
    void Add(const Bounds& b)
    {
        if (!b.Empty())
            Add(Point{b.x0, b.y0}), Add(Point{b.x1, b.y1});
    }
    // The box of this box's corners placed by t.
    Bounds Placed(const Transform& t) const;
    Bounds Grown(double d) const { return Empty() ? *this : Bounds{x0 - d, y0 - d, x1 + d, y1 + d}; }
};

} // namespace board
