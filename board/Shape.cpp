#include "Shape.h"

#include <algorithm>

namespace board {

Bounds ShapeBounds(const Shape& s)
{
    Bounds b;
    switch (s.kind) {
    case Kind::Path:
    case Kind::Polygon: {
        const Vertex* prev = nullptr;
        for (const Vertex& v : s.Points()) {
            b.Add(Point{v.x, v.y});
            // An arc stays within the circle it lies on.
            if (prev && v.r != 0.0) {
                const Arc arc = ArcBetween({prev->x, prev->y}, {v.x, v.y}, v.r);
                if (!arc.bStraight)
                    b.Add(Bounds{arc.centre.x - arc.dRadius, arc.centre.y - arc.dRadius, arc.centre.x + arc.dRadius,
                                 arc.centre.y + arc.dRadius});
            }
            prev = &v;
        }
        break;
    }
    case Kind::Circle:
    case Kind::Ring:
    case Kind::Thermal:
    case Kind::SquareRing:
        b.Add(Point{s.at.x - s.w / 2, s.at.y - s.w / 2});
        b.Add(Point{s.at.x + s.w / 2, s.at.y + s.w / 2});
        break;
    default:
        b.Add(Point{s.at.x - s.w / 2, s.at.y - s.h / 2});
        b.Add(Point{s.at.x + s.w / 2, s.at.y + s.h / 2});
        break;
    }
    return s.bLine ? b.Grown(s.width / 2) : b;
}

bool Outline(const Shape& s, std::vector<Vertex>& out)
{
    const double w2 = s.w / 2, h2 = s.h / 2, cx = s.at.x, cy = s.at.y;
    auto add = [&](double x, double y, double r = 0.0) { out.push_back({cx + x, cy + y, r}); };
    switch (s.kind) {
    case Kind::Circle:
        add(w2, 0), add(-w2, 0, w2), add(w2, 0, w2);
        return true;
    case Kind::Rect:
        add(-w2, -h2), add(w2, -h2), add(w2, h2), add(-w2, h2);
        return true;
    case Kind::ChamferRect: {
        const double c = std::clamp(s.r, 0.0, std::min(w2, h2));
        add(-w2 + c, -h2), add(w2 - c, -h2), add(w2, -h2 + c), add(w2, h2 - c);
        add(w2 - c, h2), add(-w2 + c, h2), add(-w2, h2 - c), add(-w2, -h2 + c);
        return true;
    }
    case Kind::Oblong:
    case Kind::RoundRect: {
        const double r = std::clamp(s.kind == Kind::Oblong ? std::min(w2, h2) : s.r, 0.0, std::min(w2, h2));
        add(-w2 + r, -h2), add(w2 - r, -h2), add(w2, -h2 + r, r), add(w2, h2 - r);
        add(w2 - r, h2, r), add(-w2 + r, h2), add(-w2, h2 - r, r), add(-w2, -h2 + r), add(-w2 + r, -h2, r);
        return true;
    }
    default:
        return false;
    }
}

} // namespace board
