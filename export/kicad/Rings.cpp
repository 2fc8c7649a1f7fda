#include "Rings.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include <clipper.hpp>

namespace kicad {

namespace cl = ClipperLib;

namespace {

constexpr double kPi = std::numbers::pi;

NmPoint Nm(board::Point p) { return {std::llround(p.x * 1e6), std::llround(p.y * 1e6)}; }

// Segments for a full turn of radius r (millimetres) within the arc error.
int SegmentsPerTurn(double r)
{
    if (!(r > kArcErrorMm))
        return 8;
    const double step = 2 * std::acos(1 - kArcErrorMm / r);
    return std::clamp(static_cast<int>(std::ceil(2 * kPi / step)), 8, 4096);
}

void CounterClockwise(Ring& r, bool hole = false)
{
    if ((Area2(r) < 0) != hole)
        std::reverse(r.begin(), r.end());
}

// A circle, counter-clockwise unless `hole`.
Ring Circle(board::Point c, double radius, const board::Transform& t, bool hole)
{
    const int n = SegmentsPerTurn(radius);
    Ring r;
    r.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double a = 2 * kPi * k / n;
        r.push_back(Nm(t.Apply({c.x + radius * std::cos(a), c.y + radius * std::sin(a)})));
    }
    CounterClockwise(r, hole);
    return r;
}

Ring Points(std::span<const board::Vertex> pts, bool arcs, const board::Transform& t, bool hole = false)
{
    std::vector<board::Point> straight;
    Straighten(pts, arcs, t, straight);
    // A closing point that repeats the first adds nothing to a ring.
    if (straight.size() > 1 && Nm(straight.front()) == Nm(straight.back()))
        straight.pop_back();
    Ring r;
    r.reserve(straight.size());
    for (const board::Point& p : straight)
        if (r.empty() || !(Nm(p) == r.back()))
            r.push_back(Nm(p));
    CounterClockwise(r, hole);
    return r;
}

cl::Path ToPath(const Ring& r)
{
    cl::Path p;
    p.reserve(r.size());
    for (const NmPoint& q : r)
        p.emplace_back(q.x, q.y);
    return p;
}

Ring FromPath(const cl::Path& p)
{
    Ring r;
    r.reserve(p.size());
    for (const cl::IntPoint& q : p)
        r.push_back({q.X, q.Y});
    return r;
}

cl::Paths ToPaths(std::span<const Ring> rings)
{
    cl::Paths out;
    out.reserve(rings.size());
    for (const Ring& r : rings)
        if (r.size() >= 3)
            out.push_back(ToPath(r));
    return out;
}

// subject op clip, both filled by the nonzero rule; the result's outer rings
// run counter-clockwise, its holes clockwise.
cl::Paths Clip(const cl::Paths& subject, const cl::Paths& clip, cl::ClipType op)
{
    cl::Clipper c;
    c.AddPaths(subject, cl::ptSubject, true);
    c.AddPaths(clip, cl::ptClip, true);
    cl::Paths out;
    c.Execute(op, out, cl::pftNonZero, cl::pftNonZero);
    return out;
}

// A line `width` wide along the points, open or closed.
void Stroke(const std::vector<board::Point>& pts, bool closed, double width, std::vector<Ring>& out)
{
    if (!(width > 0) || pts.empty())
        return;
    if (pts.size() == 2 && !closed) {
        // One straight piece, the most common by far: its two ends round.
        const double dx = pts[1].x - pts[0].x, dy = pts[1].y - pts[0].y, length = std::hypot(dx, dy);
        const double r = width / 2, base = length > 0 ? std::atan2(dy, dx) : 0.0;
        const int half = std::max(SegmentsPerTurn(r) / 2, 4);
        Ring ring;
        for (int end = 0; end < 2; ++end)
            for (int k = 0; k <= half; ++k) {
                const double a = base - kPi / 2 + end * kPi + kPi * k / half;
                ring.push_back(Nm({pts[1 - end].x + r * std::cos(a), pts[1 - end].y + r * std::sin(a)}));
            }
        out.push_back(std::move(ring));
        return;
    }
    cl::Path path;
    for (const board::Point& p : pts) {
        const NmPoint q = Nm(p);
        path.emplace_back(q.x, q.y);
    }
    cl::ClipperOffset offset(2.0, kArcErrorMm * 1e6);
    offset.AddPath(path, cl::jtRound, closed ? cl::etClosedLine : cl::etOpenRound);
    cl::Paths result;
    offset.Execute(result, width * 1e6 / 2);
    for (const cl::Path& p : result)
        out.push_back(FromPath(p));
}

// ---- joining holes to the rings around them ------------------------------

struct Box {
    std::int64_t x0 = INT64_MAX, y0 = INT64_MAX, x1 = INT64_MIN, y1 = INT64_MIN;
    explicit Box(const Ring& r)
    {
        for (const NmPoint& p : r)
            x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    bool Meets(const Box& b) const { return x0 <= b.x1 && b.x0 <= x1 && y0 <= b.y1 && b.y0 <= y1; }
};


// The edges of a set of rings in a grid of cells, for the first edge above
// a point.
class EdgeGrid {
public:
    struct Hit {
        std::uint32_t ring = 0, edge = 0;
        long double y = 0, slope = 0;
        bool found = false;
    };

    explicit EdgeGrid(const std::vector<Ring>& rings) : m_rings(rings)
    {
        std::size_t edges = 0;
        for (const Ring& r : rings) {
            edges += r.size();
            for (const NmPoint& p : r) {
                m_x0 = std::min(m_x0, p.x), m_y0 = std::min(m_y0, p.y);
                m_x1 = std::max(m_x1, p.x), m_y1 = std::max(m_y1, p.y);
            }
        }
        if (edges == 0)
            return;
        // About two edges a cell, the cells square.
        const long double w = static_cast<long double>(m_x1 - m_x0) + 1, h = static_cast<long double>(m_y1 - m_y0) + 1;
        const long double side = std::max(std::sqrt(w * h / std::max<long double>(edges / 2.0L, 1)), 1.0L);
        m_cols = static_cast<std::int64_t>(std::clamp<long double>(std::ceil(w / side), 1, 4096));
        m_rows = static_cast<std::int64_t>(std::clamp<long double>(std::ceil(h / side), 1, 4096));
        m_cw = static_cast<std::int64_t>(std::ceil(w / m_cols));
        m_ch = static_cast<std::int64_t>(std::ceil(h / m_rows));
        m_perCol = 1.0 / static_cast<double>(m_cw), m_perRow = 1.0 / static_cast<double>(m_ch);
        m_start.assign(static_cast<std::size_t>(m_cols * m_rows + 1), 0);
        // Two passes: count the edges of each cell, then place them in the
        // order met, each cell's start moving to its end as it fills. Most
        // edges lie in one cell, which the first pass keeps for the second.
        constexpr std::uint32_t kSpans = UINT32_MAX;
        std::vector<std::uint32_t> own;
        own.reserve(edges);
        for (std::uint32_t ri = 0; ri < rings.size(); ++ri) {
            const Ring& r = rings[ri];
            if (r.empty())
                continue;
            const std::uint32_t first = Cell(r[0]);
            std::uint32_t next = first;
            for (std::uint32_t e = 0, n = static_cast<std::uint32_t>(r.size()); e < n; ++e) {
                const std::uint32_t cell = next;
                next = e + 1 == n ? first : Cell(r[e + 1]);
                own.push_back(cell == next ? cell : kSpans);
                if (cell == next)
                    ++m_start[cell + 1];
                else
                    Spans(r[e], r[e + 1 == n ? 0 : e + 1], [&](std::size_t c) { ++m_start[c + 1]; });
            }
        }
        std::partial_sum(m_start.begin(), m_start.end(), m_start.begin());
        m_cells.resize(m_start.back());
        std::size_t k = 0;
        for (std::uint32_t ri = 0; ri < rings.size(); ++ri) {
            const Ring& r = rings[ri];
            for (std::uint32_t e = 0, n = static_cast<std::uint32_t>(r.size()); e < n; ++e, ++k) {
                if (own[k] != kSpans)
                    m_cells[m_start[own[k]]++] = {ri, e};
                else
                    Spans(r[e], r[e + 1 == n ? 0 : e + 1], [&](std::size_t c) { m_cells[m_start[c]++] = {ri, e}; });
            }
        }
        std::copy_backward(m_start.begin(), m_start.end() - 1, m_start.end());
        m_start[0] = 0;
    }

    // The first edge above (x + a little, y), of a ring other than `self`:
    // the one with the lowest height there.
    Hit Above(NmPoint p, std::uint32_t self) const
    {
        Hit best;
        if (m_cols == 0 || p.x < m_x0 || p.x > m_x1)
            return best;
        const std::int64_t col = Col(p.x);
        for (std::int64_t row = Row(std::max(p.y, m_y0)); row < m_rows; ++row) {
            const std::size_t cell = static_cast<std::size_t>(row * m_cols + col);
            for (std::uint64_t k = m_start[cell]; k < m_start[cell + 1]; ++k) {
                const auto [ri, e] = m_cells[k];
                if (ri == self)
                    continue;
                const Ring& r = m_rings[ri];
                const NmPoint a = r[e], b = r[(e + 1) % r.size()];
                // Half-open in x: a ray just right of p meets each crossing once.
                if (a.x == b.x || p.x < std::min(a.x, b.x) || p.x >= std::max(a.x, b.x))
                    continue;
                const long double slope = static_cast<long double>(b.y - a.y) / static_cast<long double>(b.x - a.x);
                const long double y = a.y + (p.x - a.x) * slope;
                if (y <= p.y)
                    continue;
                if (!best.found || y < best.y || (y == best.y && slope < best.slope))
                    best = {ri, e, y, slope, true};
            }
            // Edges of higher cells that pass lower would be in this one too.
            if (best.found && best.y <= static_cast<long double>(m_y0 + (row + 1) * m_ch))
                break;
        }
        return best;
    }

    // Whether an edge may pass through the box.
    bool Crosses(const Box& box) const
    {
        if (m_cols == 0 || box.x1 < m_x0 || box.x0 > m_x1 || box.y1 < m_y0 || box.y0 > m_y1)
            return false;
        for (std::int64_t row = Row(box.y0); row <= Row(box.y1); ++row)
            for (std::int64_t col = Col(box.x0); col <= Col(box.x1); ++col) {
                const std::size_t cell = static_cast<std::size_t>(row * m_cols + col);
                for (std::uint64_t k = m_start[cell]; k < m_start[cell + 1]; ++k) {
                    const Ring& r = m_rings[m_cells[k].ring];
                    const NmPoint a = r[m_cells[k].edge], b = r[(m_cells[k].edge + 1) % r.size()];
                    if (std::max(a.x, b.x) >= box.x0 && std::min(a.x, b.x) <= box.x1 && std::max(a.y, b.y) >= box.y0 &&
                        std::min(a.y, b.y) <= box.y1)
                        return true;
                }
            }
        return false;
    }

private:
    std::uint32_t Cell(NmPoint p) const { return static_cast<std::uint32_t>(Row(p.y) * m_cols + Col(p.x)); }

    // Calls visit(cell) for each cell an edge from a to b may pass through.
    template <class Visit>
    void Spans(NmPoint a, NmPoint b, Visit&& visit) const
    {
        const std::int64_t rowA = Row(std::min(a.y, b.y)), rowB = Row(std::max(a.y, b.y));
        // Only the cells of each row that the edge passes through.
        for (std::int64_t row = rowA; row <= rowB; ++row) {
            std::int64_t c0 = Col(std::min(a.x, b.x)), c1 = Col(std::max(a.x, b.x));
            if (a.y != b.y) {
                // Within a column either side, as the cells take points on their borders.
                const double ya = static_cast<double>(std::max(std::min(a.y, b.y), m_y0 + row * m_ch));
                const double yb = static_cast<double>(std::min(std::max(a.y, b.y), m_y0 + (row + 1) * m_ch));
                const double k = static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
                const double xa = a.x + (ya - a.y) * k, xb = a.x + (yb - a.y) * k;
                c0 = std::max(c0, Col(static_cast<std::int64_t>(std::floor(std::min(xa, xb)))) - 1);
                c1 = std::min(c1, Col(static_cast<std::int64_t>(std::ceil(std::max(xa, xb)))) + 1);
            }
            for (std::int64_t col = c0; col <= c1; ++col)
                visit(static_cast<std::size_t>(row * m_cols + col));
        }
    }

    // Multiplied rather than divided: a plane has a million edges. A point on
    // a cell's border may fall either side; both cells' edges are looked at.
    std::int64_t Col(std::int64_t x) const
    {
        const auto col = static_cast<std::int64_t>(static_cast<double>(x - m_x0) * m_perCol);
        return std::clamp<std::int64_t>(col, 0, m_cols - 1);
    }
    std::int64_t Row(std::int64_t y) const
    {
        const auto row = static_cast<std::int64_t>(static_cast<double>(y - m_y0) * m_perRow);
        return std::clamp<std::int64_t>(row, 0, m_rows - 1);
    }

    struct Entry {
        std::uint32_t ring, edge;
    };
    const std::vector<Ring>& m_rings;
    std::int64_t m_x0 = INT64_MAX, m_y0 = INT64_MAX, m_x1 = INT64_MIN, m_y1 = INT64_MIN;
    std::int64_t m_cols = 0, m_rows = 0, m_cw = 1, m_ch = 1;
    double m_perCol = 1.0, m_perRow = 1.0;
    std::vector<std::uint64_t> m_start;
    std::vector<Entry> m_cells;
};

// Joins every hole to the ring above it by a vertical cut from its highest
// point; a hole that lies in no copper (what is right above it is not an
// edge with copper below) is dropped. Counter-clockwise rings are copper.
std::vector<Ring> Fracture(std::vector<Ring> rings)
{
    // Rings without an area go; each one's turn is worked out once.
    std::vector<bool> copper;
    std::size_t n = 0;
    for (Ring& r : rings) {
        const double area = r.size() < 3 ? 0.0 : Area2(r);
        if (area == 0)
            continue;
        copper.push_back(area > 0);
        if (&r != &rings[n])
            rings[n] = std::move(r);
        ++n;
    }
    rings.resize(n);
    if (std::find(copper.begin(), copper.end(), false) == copper.end())
        return rings;
    struct Cut {
        std::uint32_t ring, edge;  // where it ends
        NmPoint at;
        std::uint32_t hole, top;  // where it starts
    };
    std::vector<std::uint32_t> holes;
    std::vector<std::uint32_t> tops(rings.size(), 0);
    for (std::uint32_t i = 0; i < rings.size(); ++i) {
        if (copper[i])
            continue;
        holes.push_back(i);
        const Ring& r = rings[i];
        auto lower = [](const NmPoint& a, const NmPoint& b) { return a.y < b.y || (a.y == b.y && a.x > b.x); };
        tops[i] = static_cast<std::uint32_t>(std::max_element(r.begin(), r.end(), lower) - r.begin());
    }
    // Highest first: a hole's cut ends on a ring that reaches higher, decided before it.
    std::sort(holes.begin(), holes.end(), [&](std::uint32_t a, std::uint32_t b) {
        return rings[a][tops[a]].y > rings[b][tops[b]].y;
    });
    std::vector<bool> kept(rings.size(), true);
    std::vector<Cut> cuts;
    {
        const EdgeGrid grid(rings);  // gone before the walks take as much again
        for (const std::uint32_t h : holes) {
            const NmPoint top = rings[h][tops[h]];
            const EdgeGrid::Hit hit = grid.Above(top, h);
            const Ring* r = hit.found ? &rings[hit.ring] : nullptr;
            // Copper lies below an edge that runs right to left.
            if (!r || !kept[hit.ring] || (*r)[(hit.edge + 1) % r->size()].x >= (*r)[hit.edge].x) {
                kept[h] = false;
                continue;
            }
            cuts.push_back({hit.ring, hit.edge, {top.x, static_cast<std::int64_t>(std::llround(hit.y))}, h, tops[h]});
        }
    }
    // In the order each ring's walk meets them: by edge, then along it (right to left).
    std::sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) {
        return a.ring != b.ring ? a.ring < b.ring : a.edge != b.edge ? a.edge < b.edge : a.at.x > b.at.x;
    });
    std::vector<std::size_t> firstCut(rings.size() + 1, 0);
    for (const Cut& c : cuts)
        ++firstCut[c.ring + 1];
    std::partial_sum(firstCut.begin(), firstCut.end(), firstCut.begin());

    std::vector<Ring> out;
    constexpr std::size_t kNotYet = SIZE_MAX;
    struct Step {
        std::uint32_t ring, start, k;
        std::size_t cut;  // the next cut on the edge being walked; kNotYet before its first point
        const Cut* from;  // the cut it was entered by; null for copper
    };
    std::vector<Step> stack;
    for (std::uint32_t i = 0; i < rings.size(); ++i) {
        if (!copper[i])
            continue;
        Ring walk;
        stack.push_back({i, 0, 0, kNotYet, nullptr});
        while (!stack.empty()) {
            Step& s = stack.back();
            const Ring& r = rings[s.ring];
            if (s.k == r.size()) {
                const Cut* from = s.from;
                const std::uint32_t done = s.ring;
                stack.pop_back();
                if (from)  // round the hole, back to its top and up the cut
                    walk.push_back(r[from->top]), walk.push_back(from->at);
                Ring().swap(rings[done]);  // each ring is walked once
                continue;
            }
            const std::uint32_t e = s.start + s.k - (s.start + s.k >= r.size() ? static_cast<std::uint32_t>(r.size()) : 0);
            if (s.cut == kNotYet) {
                walk.push_back(r[e]);
                const auto first = cuts.begin() + static_cast<std::ptrdiff_t>(firstCut[s.ring]);
                const auto last = cuts.begin() + static_cast<std::ptrdiff_t>(firstCut[s.ring + 1]);
                s.cut = static_cast<std::size_t>(
                    std::lower_bound(first, last, e, [](const Cut& c, std::uint32_t edge) { return c.edge < edge; }) -
                    cuts.begin());
            }
            if (s.cut < firstCut[s.ring + 1] && cuts[s.cut].edge == e) {
                const Cut& c = cuts[s.cut++];
                walk.push_back(c.at);
                stack.push_back({c.hole, c.top, 0, kNotYet, &c});
                continue;
            }
            ++s.k;
            s.cut = kNotYet;
        }
        walk.erase(std::unique(walk.begin(), walk.end()), walk.end());
        while (walk.size() > 1 && walk.front() == walk.back())
            walk.pop_back();
        if (walk.size() >= 3)
            out.push_back(std::move(walk));
    }
    return out;
}

// Groups of rings whose boxes overlap, directly or through others.
std::vector<std::uint32_t> Groups(const std::vector<Box>& boxes)
{
    std::vector<std::uint32_t> parent(boxes.size());
    std::iota(parent.begin(), parent.end(), 0u);
    auto find = [&](std::uint32_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    if (boxes.empty())
        return parent;
    // A grid of cells about as large as the median box.
    std::vector<std::int64_t> sizes;
    std::int64_t x0 = INT64_MAX, y0 = INT64_MAX;
    for (const Box& b : boxes) {
        sizes.push_back(std::max(b.x1 - b.x0, b.y1 - b.y0));
        x0 = std::min(x0, b.x0), y0 = std::min(y0, b.y0);
    }
    std::nth_element(sizes.begin(), sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2), sizes.end());
    const std::int64_t cell = std::max<std::int64_t>(sizes[sizes.size() / 2], 1000);
    std::vector<std::pair<std::uint64_t, std::uint32_t>> entries;
    for (std::uint32_t i = 0; i < boxes.size(); ++i) {
        const Box& b = boxes[i];
        // A box over very many cells is met by everything in them anyway: it
        // takes the cells of its corners only, and is checked against all.
        const std::int64_t c0 = (b.x0 - x0) / cell, c1 = (b.x1 - x0) / cell;
        const std::int64_t r0 = (b.y0 - y0) / cell, r1 = (b.y1 - y0) / cell;
        if ((c1 - c0 + 1) * (r1 - r0 + 1) > 64)
            continue;
        for (std::int64_t r = r0; r <= r1; ++r)
            for (std::int64_t c = c0; c <= c1; ++c)
                entries.push_back({static_cast<std::uint64_t>(r) << 32 | static_cast<std::uint64_t>(c), i});
    }
    std::sort(entries.begin(), entries.end());
    for (std::size_t a = 0; a < entries.size();) {
        std::size_t b = a;
        while (b < entries.size() && entries[b].first == entries[a].first)
            ++b;
        for (std::size_t i = a; i < b; ++i)
            for (std::size_t j = a; j < i; ++j)
                if (boxes[entries[i].second].Meets(boxes[entries[j].second]))
                    parent[find(entries[i].second)] = find(entries[j].second);
        a = b;
    }
    for (std::uint32_t i = 0; i < boxes.size(); ++i) {
        const Box& b = boxes[i];
        if (((b.x1 - x0) / cell - (b.x0 - x0) / cell + 1) * ((b.y1 - y0) / cell - (b.y0 - y0) / cell + 1) <= 64)
            continue;
        for (std::uint32_t j = 0; j < boxes.size(); ++j)
            if (j != i && b.Meets(boxes[j]))
                parent[find(i)] = find(j);
    }
    for (std::uint32_t i = 0; i < boxes.size(); ++i)
        parent[i] = find(i);
    return parent;
}

} // namespace

double Area2(const Ring& r)
{
    long double a = 0;
    for (std::size_t i = 0, n = r.size(); i < n; ++i) {
        const NmPoint& p = r[i];
        const NmPoint& q = r[i + 1 == n ? 0 : i + 1];
        a += static_cast<long double>(p.x) * q.y - static_cast<long double>(q.x) * p.y;
    }
    return static_cast<double>(a);
}

void Straighten(std::span<const board::Vertex> points, bool arcs, const board::Transform& t,
                std::vector<board::Point>& out)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const board::Vertex& v = points[i];
        if (arcs && i > 0 && v.r != 0.0) {
            const board::Vertex& u = points[i - 1];
            const board::Arc arc = board::ArcBetween({u.x, u.y}, {v.x, v.y}, v.r);
            if (!arc.bStraight) {
                const double sweep = arc.Sweep();
                const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (2 * kPi) *
                                                                     SegmentsPerTurn(arc.dRadius))));
                for (int k = 1; k < n; ++k)
                    out.push_back(t.Apply(arc.At(arc.dFrom + sweep * k / n)));
            }
        }
        out.push_back(t.Apply({v.x, v.y}));
    }
}

void AddArea(const board::Shape& s, const board::Transform& t, std::vector<Ring>& out)
{
    using board::Kind;
    if (s.bLine) {
        std::vector<board::Point> pts;
        bool closed = s.kind != Kind::Path;
        if (s.kind == Kind::Path || s.kind == Kind::Polygon) {
            Straighten(s.Points(), s.bArcs, t, pts);
        } else if (s.kind == Kind::Circle) {
            for (const NmPoint& p : Circle(s.at, s.w / 2, t, false))
                pts.push_back({p.x / 1e6, p.y / 1e6});
        } else {
            std::vector<board::Vertex> outline;
            if (!board::Outline(s, outline))
                return;
            Straighten(outline, true, t, pts);
        }
        Stroke(pts, closed, s.width, out);
        return;
    }
    switch (s.kind) {
    case Kind::Circle:
        if (s.w > 0)
            out.push_back(Circle(s.at, s.w / 2, t, false));
        return;
    case Kind::Ring:
        out.push_back(Circle(s.at, s.w / 2, t, false));
        if (s.r > 0 && s.r < s.w)
            out.push_back(Circle(s.at, s.r / 2, t, true));
        return;
    case Kind::SquareRing:
        for (const auto& [side, hole] : {std::pair{s.w, false}, std::pair{s.r, true}}) {
            if (side <= 0 || (hole && side >= s.w))
                continue;
            board::Shape square = s;
            square.kind = Kind::Rect, square.w = square.h = side;
            std::vector<board::Vertex> outline;
            board::Outline(square, outline);
            out.push_back(Points(outline, false, t, hole));
        }
        return;
    case Kind::Thermal: {
        // Four pieces of the ring between gaps `tie` wide at 45, 135, 225 and 315 degrees.
        const double ro = s.w / 2, ri = std::max(s.r / 2, 0.0);
        if (ro <= ri)
            return;
        const double go = std::asin(std::min(s.tie / 2 / ro, 1.0));
        const double gi = ri > s.tie / 2 ? std::asin(s.tie / 2 / ri) : kPi / 4;
        for (int q = 0; q < 4; ++q) {
            const double mid = q * kPi / 2;
            std::vector<board::Vertex> piece;
            auto at = [&](double r, double a) {
                piece.push_back({s.at.x + r * std::cos(a), s.at.y + r * std::sin(a), 0});
            };
            at(ro, mid - kPi / 4 + go);
            at(ro, mid + kPi / 4 - go), piece.back().r = ro;
            if (gi < kPi / 4) {
                at(ri, mid + kPi / 4 - gi);
                at(ri, mid - kPi / 4 + gi), piece.back().r = -ri;
            } else {
                at(0, 0);
            }
            if (go < kPi / 4)
                out.push_back(Points(piece, true, t));
        }
        return;
    }
    case Kind::Polygon:
        out.push_back(Points(s.Points(), s.bArcs, t));
        return;
    case Kind::Path:
        return;
    default: {
        std::vector<board::Vertex> outline;
        if (board::Outline(s, outline))
            out.push_back(Points(outline, true, t));
        return;
    }
    }
}

std::vector<Ring> Fill(std::vector<Ring> areas, std::vector<Ring> voids, std::vector<Ring> ties)
{
    cl::Paths copper = Clip(ToPaths(areas), {}, cl::ctUnion);
    if (voids.empty()) {
        std::vector<Ring> rings;
        for (const cl::Path& p : copper)
            rings.push_back(FromPath(p));
        return Fracture(std::move(rings));
    }
    // Voids and the ties across them fall into groups that meet nothing
    // else: each group is cut out on its own, which keeps every cut small.
    std::vector<Box> boxes;
    for (const auto* list : {&voids, &ties})
        for (const Ring& r : *list)
            boxes.emplace_back(r);
    const std::vector<std::uint32_t> group = Groups(boxes);
    std::vector<std::uint32_t> order(boxes.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return group[a] < group[b]; });

    std::vector<Ring> copperRings;
    for (const cl::Path& p : copper)
        copperRings.push_back(FromPath(p));
    const EdgeGrid edges(copperRings);

    std::vector<Ring> holes;
    cl::Paths edgeVoids, edgeTies;  // groups that meet the copper's own edges
    const std::size_t nVoids = voids.size();
    auto ring = [&](std::uint32_t i) -> Ring& { return i < nVoids ? voids[i] : ties[i - nVoids]; };
    // Each void or tie is taken once: its memory goes as the holes grow.
    auto path = [&](std::uint32_t i) {
        cl::Path p = ToPath(ring(i));
        Ring().swap(ring(i));
        return p;
    };
    for (std::size_t a = 0; a < order.size();) {
        std::size_t b = a;
        Box box = boxes[order[a]];
        bool anyVoid = false;
        for (; b < order.size() && group[order[b]] == group[order[a]]; ++b) {
            const Box& o = boxes[order[b]];
            box.x0 = std::min(box.x0, o.x0), box.y0 = std::min(box.y0, o.y0);
            box.x1 = std::max(box.x1, o.x1), box.y1 = std::max(box.y1, o.y1);
            anyVoid = anyVoid || order[b] < nVoids;
        }
        const std::span<const std::uint32_t> members(order.data() + a, b - a);
        a = b;
        if (!anyVoid)
            continue;
        if (edges.Crosses(box)) {
            for (const std::uint32_t m : members)
                (m < nVoids ? edgeVoids : edgeTies).push_back(path(m));
            continue;
        }
        if (members.size() == 1) {
            Ring hole = std::move(ring(members[0]));
            CounterClockwise(hole, true);
            holes.push_back(std::move(hole));
            continue;
        }
        cl::Paths v, tl;
        for (const std::uint32_t m : members)
            (m < nVoids ? v : tl).push_back(path(m));
        // The voids' outer rings are holes in the copper, their holes islands
        // of it. The nonzero rule merges the voids in the same pass that
        // takes the ties out.
        for (const cl::Path& p : Clip(v, tl, cl::ctDifference)) {
            holes.push_back(FromPath(p));
            std::reverse(holes.back().begin(), holes.back().end());
        }
    }
    std::vector<Ring>().swap(voids);
    std::vector<Ring>().swap(ties);
    if (!edgeVoids.empty()) {
        // Overlapping voids need no union first: the nonzero rule merges them.
        copper = Clip(copper, edgeTies.empty() ? edgeVoids : Clip(edgeVoids, edgeTies, cl::ctDifference),
                      cl::ctDifference);
        copperRings.clear();
        for (const cl::Path& p : copper)
            copperRings.push_back(FromPath(p));
    }
    copperRings.insert(copperRings.end(), std::make_move_iterator(holes.begin()), std::make_move_iterator(holes.end()));
    return Fracture(std::move(copperRings));
}

} // namespace kicad
