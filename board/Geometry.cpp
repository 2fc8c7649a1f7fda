#include "Geometry.h"

#include <algorithm>
#include <numbers>

namespace board {

namespace {

// Quarter turns exactly: a part turned by 90 degrees keeps coordinates that
// were round.
void CosSin(double degrees, double& c, double& s)
{
    const double q = degrees / 90.0;
    if (q == std::floor(q) && std::fabs(q) < 1e9) {
        const long k = static_cast<long>(q) % 4;
        static constexpr double kCos[] = {1, 0, -1, 0}, kSin[] = {0, 1, 0, -1};
        const std::size_t i = static_cast<std::size_t>((k + 4) % 4);
        c = kCos[i], s = kSin[i];
        return;
    }
    const double rad = degrees * std::numbers::pi / 180.0;
    c = std::cos(rad), s = std::sin(rad);
}

} // namespace

Transform Transform::Place(Point at, double degrees, bool mirrored)
{
    double c = 1, s = 0;
    CosSin(degrees, c, s);
    const double m = mirrored ? -1.0 : 1.0;
    return {m * c, m * s, -s, c, at.x, at.y};
}

Transform Transform::operator*(const Transform& b) const
{
    return {xx * b.xx + xy * b.yx, yx * b.xx + yy * b.yx, xx * b.xy + xy * b.yy,
            yx * b.xy + yy * b.yy, xx * b.x0 + xy * b.y0 + x0, yx * b.x0 + yy * b.y0 + y0};
}

Transform Transform::Inverse() const
{
    const double det = xx * yy - xy * yx;
    const double ixx = yy / det, ixy = -xy / det, iyx = -yx / det, iyy = xx / det;
    return {ixx, iyx, ixy, iyy, -(ixx * x0 + ixy * y0), -(iyx * x0 + iyy * y0)};
}

double Transform::Degrees() const
{
    const double rad = Mirrored() ? std::atan2(-yx, -xx) : std::atan2(yx, xx);
    const double d = rad * 180.0 / std::numbers::pi;
    return d == -180.0 ? 180.0 : d;
}

Arc ArcBetween(Point a, Point b, double radius)
{
    Arc arc;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double chord = std::hypot(dx, dy);
    if (radius == 0.0 || !std::isfinite(radius) || chord == 0.0 || !std::isfinite(chord))
        return arc;
    arc.bStraight = false;
    arc.dRadius = std::max(std::fabs(radius), chord / 2);
    const double h = std::sqrt(std::max(arc.dRadius * arc.dRadius - chord * chord / 4, 0.0));
    arc.bCounterClockwise = radius > 0;
    const double side = arc.bCounterClockwise ? 1.0 : -1.0;  // the centre lies left of a->b for counter-clockwise
    arc.centre = {(a.x + b.x) / 2 - side * dy / chord * h, (a.y + b.y) / 2 + side * dx / chord * h};
    arc.dFrom = std::atan2(a.y - arc.centre.y, a.x - arc.centre.x);
    arc.dTo = std::atan2(b.y - arc.centre.y, b.x - arc.centre.x);
    return arc;
}

double Arc::Sweep() const
{
    double sweep = dTo - dFrom;
    if (bCounterClockwise && sweep <= 0)
        sweep += 2 * std::numbers::pi;
    else if (!bCounterClockwise && sweep >= 0)
        sweep -= 2 * std::numbers::pi;
    return sweep;
}

Bounds Bounds::Placed(const Transform& t) const
{
    if (Empty())
        return *this;
    const Point c = t.Apply({(x0 + x1) / 2, (y0 + y1) / 2});
    const double hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
    const double ex = std::fabs(t.xx) * hx + std::fabs(t.xy) * hy, ey = std::fabs(t.yx) * hx + std::fabs(t.yy) * hy;
    return {c.x - ex, c.y - ey, c.x + ex, c.y + ey};
}

} // namespace board
