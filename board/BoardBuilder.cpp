// Walks a loaded design and fills a Board: every unit conversion and
// placement of the design happens here.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "Board.h"
#include "core/StringOps.h"
#include "core/MemberTable.h"
#include "expedition.h"
#include "shapes/ShapeMembers.h"

namespace board {

using ex::VisitExact;
using ex::VisitShape;

namespace {

bool Sane(double v) { return std::isfinite(v) && std::fabs(v) <= kFarMm; }
bool Sane(Point p) { return Sane(p.x) && Sane(p.y); }

// A side named inside a cell counts from the cell's mount side.
bool Opposite(std::string_view side) { return ex::ContainsNoCase(side, "BOTTOM") || ex::ContainsNoCase(side, "OPP"); }
Side SideOf(std::string_view side, bool bottomMount)
{
    return Opposite(side) != bottomMount ? Side::Bottom : Side::Top;
}

// Copper ring of a donut or thermal: its clearance when that fits, else a
// quarter of its size.
double RingWidth(double size, double clearance) { return clearance > 0 && clearance < size / 2 ? clearance : size / 4; }

// Twice the signed area, arcs included: negative when the outline runs
// clockwise.
double Area(std::span<const Vertex> pts)
{
    double a = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Vertex& p = pts[i];
        const Vertex& q = pts[(i + 1) % pts.size()];
        a += p.x * q.y - q.x * p.y;
        // The segment between an arc and its chord: on the chord's right
        // when the arc turns left.
        if (i > 0 && p.r != 0.0) {
            const Arc arc = ArcBetween({pts[i - 1].x, pts[i - 1].y}, {p.x, p.y}, p.r);
            if (!arc.bStraight) {
                const double chord = std::hypot(p.x - pts[i - 1].x, p.y - pts[i - 1].y);
                const double theta = 2 * std::asin(std::min(chord / (2 * arc.dRadius), 1.0));
                a += (p.r > 0 ? 1.0 : -1.0) * arc.dRadius * arc.dRadius * (theta - std::sin(theta));
            }
        }
    }
    return a;
}

// The same closed outline walked the other way: the segment into each point
// is the old one out of it, turning the other way.
void Reverse(std::span<Vertex> pts)
{
    const std::size_t n = pts.size();
    std::vector<double> radii(n, 0.0);
    for (std::size_t k = 1; k < n; ++k)
        radii[k] = -pts[n - k].r;
    std::reverse(pts.begin(), pts.end());
    for (std::size_t k = 0; k < n; ++k)
        pts[k].r = radii[k];
}

bool QuarterTurn(const Transform& t)
{
    auto unit = [](double v) { return v == 0.0 || v == 1.0 || v == -1.0; };
    return unit(t.xx) && unit(t.xy) && unit(t.yx) && unit(t.yy);
}

bool Identity(const Transform& t)
{
    return t.xx == 1.0 && t.yy == 1.0 && t.xy == 0.0 && t.yx == 0.0 && t.x0 == 0.0 && t.y0 == 0.0;
}

HAlign HorizontalOf(std::string_view s)
{
    const std::string u = ex::ToUpper(ex::TrimView(s));
    return u == "CENTER" ? HAlign::Centre : u == "RIGHT" ? HAlign::Right : HAlign::Left;
}

VAlign VerticalOf(std::string_view s)
{
    const std::string u = ex::ToUpper(ex::TrimView(s));
    return u == "CENTER" ? VAlign::Centre : u == "TOP" ? VAlign::Top : VAlign::Bottom;
}

// Words that tell the role of a layer named by a text or graphic.
struct NamedRole {
    const char* word;
    Role role;
};
constexpr NamedRole kNamedRoles[] = {
    {"SILK", Role::Silkscreen},    {"MASK", Role::SolderMask},  {"PASTE", Role::SolderPaste},
    {"ASSEMBLY", Role::Assembly},  {"PLACE", Role::Placement},  {"DRILL", Role::Drill},
    {"DIMENSION", Role::Dimension},
};

struct RoleName {
    Role role;
    Side side;
    const char* name;
};
constexpr RoleName kRoleNames[] = {
    {Role::BoardOutline, Side::None, "board outline"},
    {Role::RouteOutline, Side::None, "route outline"},
    {Role::Silkscreen, Side::Top, "silkscreen top"},
    {Role::Silkscreen, Side::Bottom, "silkscreen bottom"},
    {Role::SolderMask, Side::Top, "solder mask top"},
    {Role::SolderMask, Side::Bottom, "solder mask bottom"},
    {Role::SolderPaste, Side::Top, "solder paste top"},
    {Role::SolderPaste, Side::Bottom, "solder paste bottom"},
    {Role::Assembly, Side::Top, "assembly top"},
    {Role::Assembly, Side::Bottom, "assembly bottom"},
    {Role::Placement, Side::Top, "placement top"},
    {Role::Placement, Side::Bottom, "placement bottom"},
    {Role::Drill, Side::None, "drill drawing"},
    {Role::Dimension, Side::None, "dimensions"},
};

// Whether a placed cell's pins, outlines and texts are written where they
// lie on the board (as a layout writes them) rather than around the cell's
// own origin (as a library does): true when its pins lie nearer its
// position than the origin of coordinates.
bool BoardCoordinates(const ex::PackageCellMembers& cell, double x, double y, double mm)
{
    if (!cell.pPinArray || cell.pPinArray->IsEmpty())
        return true;
    double nearPlace = 0, nearOrigin = 0;
    for (const CExPackage_Pin* pin : *cell.pPinArray)
        if (pin && !pin->aXY.IsEmpty()) {
            nearPlace += std::hypot(pin->aXY[0].dX * mm - x, pin->aXY[0].dY * mm - y);
            nearOrigin += std::hypot(pin->aXY[0].dX * mm, pin->aXY[0].dY * mm);
        }
    return nearPlace <= nearOrigin;
}

// A layer named before it is needed: made only when something lies on it.
struct LayerRef {
    Role role = Role::User;
    Side side = Side::None;
    std::string_view name = {};  // User layers
};

enum class Made { Yes, Nothing, OutOfRange };

// What a text shows: the value after its name where the design gives both.
std::string_view Shown(const CExText& t) { return t.sTextValue.empty() ? t.sText : t.sTextValue; }

// Objects of the library found by name, each made into the board's once.
// The first of a name wins, as the library's own lookups do.
template <class T>
class ByName {
public:
    template <class A>
    void Index(const A* array)
    {
        if (array)
            for (const T* p : *array)
                if (p)
                    m_library.emplace(p->sName, p);
    }
    bool Has(std::string_view name) const { return m_library.contains(name); }
    // The index in `list` of what make(const T&) makes of the object of
    // that name; -1 when there is none or make gives nothing.
    template <class B, class Make>
    std::int32_t Resolve(std::string_view name, std::vector<B>& list, Make&& make)
    {
        if (const auto it = m_made.find(name); it != m_made.end())
            return it->second;
        std::int32_t index = -1;
        if (const auto found = m_library.find(name); found != m_library.end())
            if (std::optional<B> made = make(*found->second)) {
                list.push_back(*made);
                index = static_cast<std::int32_t>(list.size() - 1);
            }
        m_made.emplace(name, index);
        return index;
    }

private:
    std::unordered_map<std::string_view, const T*> m_library;
    std::unordered_map<std::string_view, std::int32_t> m_made;
};

} // namespace

class Builder {
public:
    Builder(Board& b, const CExExpedition& root);

private:
    // ---- layers
    std::int32_t AddLayer(Layer layer);
    std::int32_t Copper(std::string_view key);
    std::int32_t LayerOf(Role role, Side side);
    std::int32_t LayerOf(const LayerRef& ref);
    // The layer a text or graphic names, or `fallback` when it names none.
    static LayerRef Classify(std::string_view name, const LayerRef& fallback, bool bottomMount);
    static LayerRef GraphicLayer(std::string_view name, bool bottomMount)
    {
        return Classify(name, {Role::User, Side::None, "user"}, bottomMount);
    }
    void AddStackup(const CExJobPreferences& jp);
    void FinishLayers();
    std::int32_t Top() { return Copper(m_sTop); }
    std::int32_t Bottom() { return Copper(m_sBottom); }

    // ---- shapes and names
    // The shape of o in millimetres, moved by t; when it is not made,
    // nothing is kept.
    Made MakeShape(const CExDrawObj& o, const Transform& t, Shape& out);
    bool Move(Shape& s, const Transform& t);
    // Room for n points in one block.
    Vertex* Take(std::size_t n);
    struct Mark {
        std::size_t nBlocks = 0, nSize = 0;
    };
    Mark Here() const { return {m_blocks.size(), m_blocks.empty() ? 0 : m_blocks.back().size()}; }
    // Forgets the points taken since the mark.
    void Rollback(const Mark& m);
    std::int32_t Net(std::string_view name);

    // Appends the shapes made of these to the board's shape list; false when
    // one of them is out of range.
    bool AddShapes(const CExDrawObjArray* shapes, Range& range);

    // ---- the library
    std::int32_t PadstackOf(std::string_view name);
    std::int32_t PadDefOf(std::string_view name);
    std::int32_t HoleOf(std::string_view name);
    // False when a pad or hole the pad uses is out of range.
    bool Usable(const Pad& pad) const;

    // ---- items
    void AddGraphics(const CExDrawObjArray* shapes, const LayerRef& layer, std::int32_t footprint, const Transform& t);
    void AddGraphic(const CExDrawObj* shape, const LayerRef& layer, std::int32_t footprint, const Transform& t);
    void AddTexts(const CExTextArray* texts, const LayerRef& fallback, bool bottomMount, std::int32_t footprint,
                  const Transform& t);
    // Outlines of one kind (silkscreen, mask, ...): shapes and texts on the
    // side each names.
    template <class A>
    void AddOutlines(const A* outlines, Role role, bool bottomMount, std::int32_t footprint, const Transform& t);
    void AddKeepout(KeepoutKind kind, const CExDrawObj* shape, std::string_view layer, std::string_view what,
                    std::int32_t footprint, const Transform& t);
    // `t` takes the objects' coordinates onto the board.
    void AddRouteObjects(const CExRouteObjArray* objects, std::int32_t net, const Transform& t);
    void AddPlanes(const CExPlane_LyrArray* planes);
    void AddCell(const ex::PackageCellMembers& cell);
    // A footprint of one padstack: a mounting hole, fiducial, test point or
    // tooling hole. Its texts lie where `textsToBoard` takes them.
    void AddSingle(FootprintKind kind, std::string_view padstack, const Transform& place, bool bottom,
                   std::string_view reference, std::int32_t net, const CExTextArray* texts,
                   const Transform& textsToBoard);
    template <class A>
    void AddHoles(const A* holes, FootprintKind kind, const Transform& t, bool bottomMount);
    void AddLayout(const CExLayout& layout);
    void SetValue(Footprint& fp, const ex::PackageCellMembers& cell, std::string_view partText);
    // Each net's class and own track width from the net class and net
    // property records.
    void AddNetRules();

    template <class T>
    static std::int32_t Size(const std::vector<T>& v)
    {
        return static_cast<std::int32_t>(v.size());
    }

    Board& m_b;
    const CExExpedition& m_root;
    std::vector<std::vector<Vertex>>& m_blocks;
    std::vector<Shape>& m_shapes;
    double m_mm = 1.0;        // design unit to millimetres
    double m_layoutMm = 1.0;  // layout file unit (vias, test points, cell origins) to millimetres
    std::string m_sTop = "1", m_sBottom = "2";  // keys of the outer copper layers
    std::unordered_map<std::string_view, std::int32_t> m_netIndex;
    ByName<CExPadstack> m_padstacks;
    ByName<CExPad> m_pads;
    ByName<CExHole> m_holes;
    std::unordered_map<std::string_view, const CExPartData*> m_partsByName, m_partsByCell;
};

Builder::Builder(Board& b, const CExExpedition& root)
    : m_b(b), m_root(root), m_blocks(b.m_blocks), m_shapes(b.m_shapes)
{
    m_b.nets.emplace_back();
    const CExJobPreferences* jp = root.pJobPreferences;
    if (jp) {
        m_mm = CExPadstack_Library::GetScaleValue("MM", jp->sUnits);
        AddStackup(*jp);
    }
    if (const CExPadstack_Library* lib = root.pPadstackLibrary) {
        m_padstacks.Index(lib->pPadstackArray);
        m_pads.Index(lib->pPadArray);
        m_holes.Index(lib->pHoleArray);
    }
    if (root.pLayout)
        AddLayout(*root.pLayout);
    FinishLayers();
    AddNetRules();
}

// ---- layers ----------------------------------------------------------------

std::int32_t Builder::AddLayer(Layer layer)
{
    m_b.layers.push_back(std::move(layer));
    return Size(m_b.layers) - 1;
}

std::int32_t Builder::Copper(std::string_view key)
{
    key = ex::TrimView(key);
    int count = 0;
    for (std::size_t i = 0; i < m_b.layers.size(); ++i) {
        const Layer& l = m_b.layers[i];
        if (l.role != Role::Copper)
            continue;
        ++count;
        if (l.sKey == key || (!l.sName.empty() && l.sName == key))
            return static_cast<std::int32_t>(i);
    }
    Layer l;
    l.role = Role::Copper;
    l.sKey = std::string(key);
    const int number = ex::Atoi(key);
    l.nNumber = number > 0 ? number : 1000 + count;  // unnumbered layers after the numbered ones
    return AddLayer(std::move(l));
}

std::int32_t Builder::LayerOf(Role role, Side side)
{
    const std::int32_t found = m_b.Find(role, side);
    if (found >= 0)
        return found;
    Layer l;
    l.role = role;
    l.side = side;
    for (const RoleName& r : kRoleNames)
        if (r.role == role && r.side == side)
            l.sName = l.sKey = r.name;
    return AddLayer(std::move(l));
}

std::int32_t Builder::LayerOf(const LayerRef& ref)
{
    if (ref.role == Role::Copper)
        return Copper(ref.name);
    if (ref.role != Role::User)
        return LayerOf(ref.role, ref.side);
    for (std::size_t i = 0; i < m_b.layers.size(); ++i)
        if (m_b.layers[i].role == Role::User && m_b.layers[i].sKey == ref.name)
            return static_cast<std::int32_t>(i);
    Layer l;
    l.role = Role::User;
    l.sName = l.sKey = std::string(ref.name);
    return AddLayer(std::move(l));
}

// Digits name a copper layer, words like SILK or MASK a role; other names
// are user layers.
LayerRef Builder::Classify(std::string_view name, const LayerRef& fallback, bool bottomMount)
{
    name = ex::TrimView(name);
    if (name.empty())
        return fallback;
    if (name.find_first_not_of("0123456789") == std::string_view::npos)
        return {Role::Copper, Side::None, name};
    for (const NamedRole& r : kNamedRoles)
        if (ex::ContainsNoCase(name, r.word)) {
            const bool sided = r.role != Role::Drill && r.role != Role::Dimension;
            return {r.role, sided ? SideOf(name, bottomMount) : Side::None};
        }
    return {Role::User, Side::None, name};
}

// The copper layers of the stackup in order; the outer two take the pads of
// top and bottom.
void Builder::AddStackup(const CExJobPreferences& jp)
{
    if (jp.nPhysicalLayers > 1)
        m_sBottom = std::to_string(jp.nPhysicalLayers);
    if (!jp.pLayerStackupArray)
        return;
    int top = 0, bottom = 0;
    for (const CExLayer_Stackup* s : *jp.pLayerStackupArray) {
        if (!s || s->sLayerType != "SIGNAL_LAYER")
            continue;
        Layer& l = m_b.layers[static_cast<std::size_t>(Copper(std::to_string(s->nLayerNumber)))];
        l.sName = s->sLayerName;
        l.bPlane = !s->sPlaneType.empty() || !s->saPlaneNets.empty();
        top = top == 0 ? s->nLayerNumber : std::min(top, s->nLayerNumber);
        bottom = std::max(bottom, s->nLayerNumber);
    }
    if (bottom > top) {
        m_sTop = std::to_string(top);
        m_sBottom = std::to_string(bottom);
    }
}

void Builder::FinishLayers()
{
    for (std::size_t i = 0; i < m_b.layers.size(); ++i)
        if (m_b.layers[i].role == Role::Copper)
            m_b.copper.push_back(static_cast<std::int32_t>(i));
    std::stable_sort(m_b.copper.begin(), m_b.copper.end(), [this](std::int32_t a, std::int32_t b) {
        return m_b.layers[static_cast<std::size_t>(a)].nNumber < m_b.layers[static_cast<std::size_t>(b)].nNumber;
    });
    if (!m_b.copper.empty()) {
        m_b.layers[static_cast<std::size_t>(m_b.copper.back())].side = Side::Bottom;
        m_b.layers[static_cast<std::size_t>(m_b.copper.front())].side = Side::Top;
    }
}

// ---- shapes ----------------------------------------------------------------

Made Builder::MakeShape(const CExDrawObj& o, const Transform& t, Shape& out)
{
    const Mark mark = Here();
    const double k = m_mm;
    Shape s;
    bool any = true;
    auto points = [&](const CExPtArray& pts, bool arcs) {
        Vertex* v = Take(static_cast<std::size_t>(pts.GetSize()));
        s.pPoints = v;
        for (const CExPt& p : pts)
            *v++ = {p.dX * k, p.dY * k, arcs ? p.dR * k : 0.0};
        s.nPoints = static_cast<std::uint32_t>(pts.GetSize());
        s.bArcs = arcs;
    };
    auto box = [&](Kind kind, double w, double h, double r = 0.0) {
        s.kind = kind, s.w = w * k, s.h = h * k, s.r = r * k;
    };
    // Two points are opposite corners; more are a polygon.
    auto rect = [&](const CExPtArray& pts) {
        if (pts.GetSize() != 2) {
            s.kind = Kind::Polygon;
            points(pts, false);
            return;
        }
        s.kind = Kind::Rect;
        s.at = {(pts[0].dX + pts[1].dX) / 2 * k, (pts[0].dY + pts[1].dY) / 2 * k};
        s.w = std::fabs(pts[1].dX - pts[0].dX) * k;
        s.h = std::fabs(pts[1].dY - pts[0].dY) * k;
    };
    auto circle = [&](const CExPtArray& pts, double radius) {
        if (pts.IsEmpty()) {
            any = false;
            return;
        }
        s.kind = Kind::Circle;
        s.at = {pts[0].dX * k, pts[0].dY * k};
        s.w = s.h = 2 * radius * k;
    };
    const bool known = VisitShape(o, [&](const auto& d) {
        using T = std::decay_t<decltype(d)>;
        if constexpr (requires { d.saShapeOptions; })
            s.bVoid = std::any_of(d.saShapeOptions.begin(), d.saShapeOptions.end(),
                                  [](const std::string& option) { return ex::ContainsNoCase(option, "VOID"); });
        if constexpr (std::is_same_v<T, CExRound>) {
            box(Kind::Circle, d.dDiameter, d.dDiameter);
        } else if constexpr (std::is_same_v<T, CExSquare>) {
            box(Kind::Rect, d.dWidth, d.dWidth);
        } else if constexpr (std::is_same_v<T, CExRectangle>) {
            box(Kind::Rect, d.dWidth, d.dHeight);
        } else if constexpr (std::is_same_v<T, CExRound_Finger> || std::is_same_v<T, CExSlot> ||
                             std::is_same_v<T, CExOblong>) {
            box(Kind::Oblong, d.dWidth, d.dHeight);
        } else if constexpr (std::is_same_v<T, CExOctagon> || std::is_same_v<T, CExOctagonal_Finger>) {
            // The corner cut of a regular octagon of the smaller side.
            box(Kind::ChamferRect, d.dWidth, d.dHeight, std::min(d.dWidth, d.dHeight) * (1 - 1 / std::numbers::sqrt2));
        } else if constexpr (std::is_same_v<T, CExChamfered_Rect>) {
            box(Kind::ChamferRect, d.dWidth, d.dHeight, std::clamp(d.dChamfer, 0.0, std::min(d.dWidth, d.dHeight) / 2));
        } else if constexpr (std::is_same_v<T, CExRadius_Corner_Rectangle>) {
            box(Kind::RoundRect, d.dWidth, d.dHeight, std::clamp(d.dRadius, 0.0, std::min(d.dWidth, d.dHeight) / 2));
        } else if constexpr (std::is_same_v<T, CExRoundDonut>) {
            box(Kind::Ring, d.dDiameter, d.dDiameter, d.dDiameter - 2 * RingWidth(d.dDiameter, d.dThermalClearance));
        } else if constexpr (std::is_same_v<T, CExSquare_Dount>) {
            box(Kind::SquareRing, d.dWidth, d.dWidth, d.dWidth - 2 * RingWidth(d.dWidth, d.dThermalClearance));
        } else if constexpr (std::is_same_v<T, CExF4_web_round_thermal_45>) {
            box(Kind::Thermal, d.dDiameter, d.dDiameter, d.dDiameter - 2 * RingWidth(d.dDiameter, d.dThermalClearance));
            s.tie = d.dTieLegWidth * k;
        } else if constexpr (std::is_same_v<T, CExCircle_Path>) {
            circle(d.aXY, d.dRadius);
            s.bLine = true;
            s.width = d.dWidth * k;
        } else if constexpr (std::is_same_v<T, CExCircle_Shape>) {
            circle(d.aXY, d.dRadius);
        } else if constexpr (std::is_same_v<T, CExPolyline_Path>) {
            s.kind = Kind::Path;
            points(d.aXY, false);
            s.width = d.dWidth * k;
        } else if constexpr (std::is_same_v<T, CExPolyarc_Path>) {
            s.kind = Kind::Path;
            points(d.aXYR, true);
            s.width = d.dWidth * k;
        } else if constexpr (std::is_same_v<T, CExPolyline_Shape>) {
            s.kind = Kind::Polygon;
            points(d.aXY, false);
        } else if constexpr (std::is_same_v<T, CExPolyarc_Shape>) {
            s.kind = Kind::Polygon;
            points(d.aXYR, true);
        } else if constexpr (std::is_same_v<T, CExRect_Path>) {
            rect(d.aXY);
            s.bLine = true;
            s.width = d.dWidth * k;
        } else if constexpr (std::is_same_v<T, CExRect_Shape>) {
            rect(d.aXY);
        } else if constexpr (std::is_same_v<T, CExDimension_Data>) {
            s.kind = Kind::Path;
            Vertex* v = Take(2);
            v[0] = {d.ptStartPoint.dX * k, d.ptStartPoint.dY * k, 0.0};
            v[1] = {d.ptEndPoint.dX * k, d.ptEndPoint.dY * k, 0.0};
            s.pPoints = v;
            s.nPoints = 2;
        }
    });
    if (s.kind == Kind::Path)
        s.bLine = true;
    if (known && any && Move(s, t)) {
        out = s;
        return Made::Yes;
    }
    Rollback(mark);
    return known && any ? Made::OutOfRange : Made::Nothing;
}

Vertex* Builder::Take(std::size_t n)
{
    constexpr std::size_t kBlock = std::size_t{1} << 16;
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < n) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlock, n));
    }
    std::vector<Vertex>& block = m_blocks.back();
    const std::size_t at = block.size();
    block.resize(at + n);
    return block.data() + at;
}

void Builder::Rollback(const Mark& m)
{
    // Blocks are only ever added after a mark.
    m_blocks.resize(m.nBlocks);
    if (!m_blocks.empty())
        m_blocks.back().resize(m.nSize);
}

// Moves a shape by t and checks its values; polygons come out
// counter-clockwise.
bool Builder::Move(Shape& s, const Transform& t)
{
    if (!Sane(s.w) || !Sane(s.h) || !Sane(s.r) || !Sane(s.tie) || !Sane(s.width))
        return false;
    const bool centred = s.kind != Kind::Path && s.kind != Kind::Polygon;
    if (!Identity(t)) {
        if (centred && !QuarterTurn(t) && s.kind != Kind::Circle && s.kind != Kind::Ring && s.kind != Kind::Thermal) {
            // Turned askew, a box becomes the outline it has.
            std::vector<Vertex> outline;
            if (Outline(s, outline)) {
                s.bArcs = s.kind != Kind::Rect && s.kind != Kind::ChamferRect;
                s.kind = Kind::Polygon;
                Vertex* v = Take(outline.size());
                std::copy(outline.begin(), outline.end(), v);
                s.pPoints = v;
                s.nPoints = static_cast<std::uint32_t>(outline.size());
            }
        }
        if (s.kind == Kind::Path || s.kind == Kind::Polygon) {
            const double flip = t.Mirrored() ? -1.0 : 1.0;
            for (std::uint32_t i = 0; i < s.nPoints; ++i) {
                Vertex& v = const_cast<Vertex&>(s.pPoints[i]);
                const Point p = t.Apply({v.x, v.y});
                v = {p.x, p.y, v.r * flip};
            }
        } else {
            s.at = t.Apply(s.at);
            if (std::fabs(t.xy) == 1.0)
                std::swap(s.w, s.h);
        }
    }
    if (!Sane(s.at))
        return false;
    for (const Vertex& v : s.Points())
        if (!Sane(Point{v.x, v.y}) || !Sane(v.r))
            return false;
    if (s.kind == Kind::Polygon) {
        const std::span<Vertex> pts(const_cast<Vertex*>(s.pPoints), s.nPoints);
        if (Area(pts) < 0)
            Reverse(pts);
    }
    return true;
}

std::int32_t Builder::Net(std::string_view name)
{
    if (name.empty())
        return 0;
    const auto [it, added] = m_netIndex.try_emplace(name, Size(m_b.nets));
    if (added)
        m_b.nets.push_back(name);
    return it->second;
}

// ---- the library -----------------------------------------------------------

bool Builder::AddShapes(const CExDrawObjArray* shapes, Range& range)
{
    range.nFirst = static_cast<std::uint32_t>(m_shapes.size());
    bool sane = true;
    if (shapes)
        for (const CExDrawObj* o : *shapes) {
            Shape s;
            const Made made = o ? MakeShape(*o, Transform{}, s) : Made::Nothing;
            if (made == Made::Yes)
                m_shapes.push_back(s);
            sane = sane && made != Made::OutOfRange;
        }
    range.nCount = static_cast<std::uint32_t>(m_shapes.size()) - range.nFirst;
    return sane;
}

std::int32_t Builder::PadDefOf(std::string_view name)
{
    return m_pads.Resolve(name, m_b.padDefs, [this](const CExPad& pad) -> std::optional<PadDef> {
        PadDef d;
        d.sName = pad.sName;
        if (!pad.aOffsets.IsEmpty())
            d.offset = {pad.aOffsets[0].dX * m_mm, pad.aOffsets[0].dY * m_mm};
        d.bValid = AddShapes(pad.pDrawObjArray, d.shapes) && Sane(d.offset);
        return d;
    });
}

// A hole drawn with no shape has none to drill.
std::int32_t Builder::HoleOf(std::string_view name)
{
    return m_holes.Resolve(name, m_b.holes, [this](const CExHole& hole) -> std::optional<Hole> {
        Hole h;
        h.sName = hole.sName;
        const Made made = hole.pDrawObj ? MakeShape(*hole.pDrawObj, Transform{}, h.shape) : Made::Nothing;
        if (made == Made::Nothing)
            return std::nullopt;
        h.bValid = made == Made::Yes;
        return h;
    });
}

std::int32_t Builder::PadstackOf(std::string_view name)
{
    return m_padstacks.Resolve(name, m_b.padstacks, [this](const CExPadstack& ps) -> std::optional<Padstack> {
        Padstack p;
        p.sName = ps.sName;
        p.sType = ps.sPadstackType;
        p.nTopPad = PadDefOf(ps.sTopPad);
        p.nBottomPad = PadDefOf(ps.sBottomPad);
        p.nInnerPad = PadDefOf(ps.sInternalPad);
        p.nHole = HoleOf(ps.sHoleName);
        p.bPlated = p.nHole >= 0 && (p.nTopPad >= 0 || p.nBottomPad >= 0 || p.nInnerPad >= 0);
        auto found = [](const auto& lib, const std::string& n) { return n.empty() || lib.Has(n); };
        p.bPadsFound = found(m_pads, ps.sTopPad) && found(m_pads, ps.sBottomPad) && found(m_pads, ps.sInternalPad) &&
                       found(m_holes, ps.sHoleName);
        return p;
    });
}

bool Builder::Usable(const Pad& pad) const
{
    if (pad.nPadstack < 0)
        return true;
    const Padstack& ps = m_b.padstacks[static_cast<std::size_t>(pad.nPadstack)];
    for (const std::int32_t d : {ps.nTopPad, ps.nBottomPad, ps.nInnerPad})
        if (d >= 0 && !m_b.padDefs[static_cast<std::size_t>(d)].bValid)
            return false;
    return ps.nHole < 0 || m_b.holes[static_cast<std::size_t>(ps.nHole)].bValid;
}

// ---- items -----------------------------------------------------------------

void Builder::AddGraphic(const CExDrawObj* shape, const LayerRef& layer, std::int32_t footprint, const Transform& t)
{
    Item item;
    if (!shape)
        return;
    const Made made = MakeShape(*shape, t, item.shape);
    if (made != Made::Yes) {
        if (made == Made::OutOfRange)
            m_b.leftOut.Add(Dropped::Graphic);
        return;
    }
    item.nLayer = LayerOf(layer);
    item.nFootprint = footprint;
    m_b.graphics.push_back(item);
}

void Builder::AddGraphics(const CExDrawObjArray* shapes, const LayerRef& layer, std::int32_t footprint,
                          const Transform& t)
{
    if (shapes)
        for (const CExDrawObj* s : *shapes)
            AddGraphic(s, layer, footprint, t);
}

void Builder::AddTexts(const CExTextArray* texts, const LayerRef& fallback, bool bottomMount, std::int32_t footprint,
                       const Transform& t)
{
    if (!texts)
        return;
    for (const CExText* x : *texts) {
        if (!x || x->ptsPosition.IsEmpty())
            continue;
        Text text;
        text.sText = Shown(*x);
        text.sType = x->sTextType;
        text.nFootprint = footprint;
        text.at = t.Apply({x->ptsPosition[0].dX * m_mm, x->ptsPosition[0].dY * m_mm});
        // The direction the text runs in, moved with it.
        const Transform turn = Transform::Place({}, x->dRotation);
        const Point dir = t.ApplyVector({turn.xx, turn.yx});
        text.dRotation = std::atan2(dir.y, dir.x) * 180.0 / std::numbers::pi;
        text.dHeight = x->dHeight * m_mm;
        text.dWidth = x->dWidth * m_mm;
        text.dStrokeWidth = x->dStrokeWidth * m_mm;
        text.horizontal = HorizontalOf(x->sHorzJust);
        text.vertical = VerticalOf(x->sVertJust);
        if (!Sane(text.at) || !std::isfinite(x->dRotation) || !Sane(text.dHeight) || !Sane(text.dWidth) ||
            !Sane(text.dStrokeWidth)) {
            m_b.leftOut.Add(Dropped::Text);
            continue;
        }
        text.nLayer = LayerOf(Classify(x->sTextLayer.empty() ? x->sUserLayer : x->sTextLayer, fallback, bottomMount));
        m_b.texts.push_back(text);
    }
}

template <class A>
void Builder::AddOutlines(const A* outlines, Role role, bool bottomMount, std::int32_t footprint, const Transform& t)
{
    if (!outlines)
        return;
    for (const auto* o : *outlines)
        if (o) {
            const LayerRef layer{role, SideOf(o->sSide, bottomMount)};
            AddGraphics(o->pDrawObjArray, layer, footprint, t);
            if constexpr (requires { o->pTextArray; })
                AddTexts(o->pTextArray, layer, bottomMount, footprint, t);
        }
}

void Builder::AddKeepout(KeepoutKind kind, const CExDrawObj* shape, std::string_view layer, std::string_view what,
                         std::int32_t footprint, const Transform& t)
{
    if (!shape)
        return;
    Keepout k;
    k.kind = kind;
    const Made made = MakeShape(*shape, t, k.shape);
    if (made != Made::Yes) {
        if (made == Made::OutOfRange)
            m_b.leftOut.Add(Dropped::Keepout);
        return;
    }
    // A keepout names a copper layer, or holds on all of them.
    const LayerRef ref = Classify(layer, {Role::User}, false);
    k.nLayer = ref.role == Role::Copper ? LayerOf(ref) : -1;
    k.nFootprint = footprint;
    k.sWhat = what;
    m_b.keepouts.push_back(k);
}

void Builder::AddRouteObjects(const CExRouteObjArray* objects, std::int32_t net, const Transform& t)
{
    if (!objects)
        return;
    // Via and test point positions are kept in the layout file's unit.
    auto position = [&](const CExPtArray& xy) {
        return xy.IsEmpty() ? Point{} : Point{xy[0].dX * m_layoutMm, xy[0].dY * m_layoutMm};
    };
    for (const CExRouteObj* o : *objects) {
        if (!o)
            continue;
        VisitExact<CExTrace, CExConductive_Area, CExVia, CExTestPoint>(*o, [&](const auto& r) {
            using T = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<T, CExVia>) {
                Pad via;
                via.nPadstack = PadstackOf(r.sPadstackName);
                via.nNet = net ? net : Net(r.sNetName);
                const CExLayerPair* pair = r.pLayerPair;
                via.nTopLayer = pair && !pair->sFromLayer.empty() ? Copper(pair->sFromLayer) : Top();
                via.nBottomLayer = pair && !pair->sToLayer.empty() ? Copper(pair->sToLayer) : Bottom();
                via.at = Transform::Place(t.Apply(position(r.ptsPosition)), 0.0);
                if (!Sane(via.at.Origin()) || !Usable(via))
                    m_b.leftOut.Add(Dropped::Via);
                else
                    m_b.vias.push_back(via);
            } else if constexpr (std::is_same_v<T, CExTestPoint>) {
                const bool bottom = Opposite(r.sFacement);
                const Transform place =
                    Transform::Place(position(r.ptsPosition), ex::Atof(r.sRotation), bottom != t.Mirrored());
                AddSingle(FootprintKind::TestPoint, r.sPadstackName, t * place, bottom, r.sTestPointName, net,
                          r.pTextArray, t);
            } else if (r.pShape) {
                Shape s;
                const bool area = std::is_same_v<T, CExConductive_Area>;
                const Made made = MakeShape(*r.pShape, t, s);
                if (made != Made::Yes) {
                    if (made == Made::OutOfRange)
                        m_b.leftOut.Add(area ? Dropped::Zone : Dropped::Track);
                    return;
                }
                const std::int32_t layer = Copper(r.sRouteLayer);
                const std::int32_t owner = net ? net : Net(r.sNetName);
                if (area) {
                    Zone z;
                    z.nLayer = layer;
                    z.nNet = owner;
                    z.outline = {static_cast<std::uint32_t>(m_shapes.size()), 1};
                    m_shapes.push_back(s);
                    m_b.zones.push_back(z);
                } else {
                    m_b.tracks.push_back({s, layer, -1, owner});
                }
            }
        });
    }
}

// Each plane net becomes a zone: the drawn shapes, and the computed ones.
void Builder::AddPlanes(const CExPlane_LyrArray* planes)
{
    if (!planes)
        return;
    for (const CExPlane_Lyr* lyr : *planes) {
        if (!lyr || !lyr->pPlaneNetArray)
            continue;
        const std::int32_t layer = Copper(lyr->sPlaneLayer);
        for (const CExPlane_Net* net : *lyr->pPlaneNetArray) {
            if (!net)
                continue;
            Zone z;
            z.nLayer = layer;
            z.nNet = Net(net->sNetName);
            z.bPlane = true;
            const Mark points = Here();
            bool sane = AddShapes(net->pPlaneShapes, z.outline);
            // Each list in a row of its own: the fill's shapes, then the tie legs.
            for (const auto& [range, member] : {std::pair{&z.fill, &CExPlane_ActualShape::pShapeArray},
                                               std::pair{&z.ties, &CExPlane_ActualShape::pTieLegArray}}) {
                range->nFirst = static_cast<std::uint32_t>(m_shapes.size());
                if (net->pActualShapeArray)
                    for (const CExPlane_ActualShape* a : *net->pActualShapeArray) {
                        Range more;
                        if (a)
                            sane = AddShapes(a->*member, more) && sane;
                        range->nCount += more.nCount;
                    }
            }
            if (!sane) {
                m_shapes.resize(z.outline.nFirst);
                Rollback(points);
                m_b.leftOut.Add(Dropped::Zone);
                continue;
            }
            m_b.zones.push_back(z);
        }
    }
}

void Builder::AddSingle(FootprintKind kind, std::string_view padstack, const Transform& place, bool bottom,
                        std::string_view reference, std::int32_t net, const CExTextArray* texts,
                        const Transform& textsToBoard)
{
    Pad pad;
    pad.nPadstack = PadstackOf(padstack);
    pad.nNet = net;
    pad.nFootprint = Size(m_b.footprints);
    pad.nTopLayer = bottom ? Bottom() : Top();
    pad.nBottomLayer = bottom ? Top() : Bottom();
    if (!Sane(place.Origin()) || !std::isfinite(place.Degrees()) || !Usable(pad)) {
        m_b.leftOut.Add(Dropped::Footprint);
        return;
    }
    Footprint fp;
    fp.kind = kind;
    fp.bBottom = bottom;
    fp.sName = padstack;
    fp.sReference = reference;
    fp.place = place;
    fp.pads = {static_cast<std::uint32_t>(m_b.pads.size()), 1};
    m_b.pads.push_back(pad);
    fp.texts.nFirst = static_cast<std::uint32_t>(m_b.texts.size());
    fp.graphics.nFirst = static_cast<std::uint32_t>(m_b.graphics.size());
    AddTexts(texts, {Role::Silkscreen, bottom ? Side::Bottom : Side::Top}, bottom, pad.nFootprint,
             place.Inverse() * textsToBoard);
    fp.texts.nCount = static_cast<std::uint32_t>(m_b.texts.size()) - fp.texts.nFirst;
    m_b.footprints.push_back(fp);
}

template <class A>
void Builder::AddHoles(const A* holes, FootprintKind kind, const Transform& t, bool bottomMount)
{
    if (!holes)
        return;
    for (const auto* h : *holes) {
        if (!h)
            continue;
        const CExPtArray* xy = nullptr;
        std::string_view padstack, net;
        bool bottom = bottomMount;
        const CExTextArray* texts = nullptr;
        if constexpr (std::is_same_v<A, CExTooling_HoleArray>) {
            xy = &h->aXY;
            padstack = h->sPadstackName;
        } else {
            xy = &h->ptXY;
            padstack = h->sPadstack;
            if constexpr (std::is_same_v<A, CExMounting_HoleArray>) {
                net = h->sNetName;
                texts = h->pTextArray;
            } else {
                const std::string_view side = !h->sFacement.empty() ? h->sFacement : h->sSide;
                bottom = side.empty() ? bottomMount : SideOf(side, bottomMount) == Side::Bottom;
            }
        }
        const Point at = xy->IsEmpty() ? Point{} : Point{(*xy)[0].dX * m_mm, (*xy)[0].dY * m_mm};
        // A hole of a bottom cell turns with the cell and is mirrored with it.
        const Transform place = t * Transform::Place(at, h->dRotation, bottom != t.Mirrored());
        AddSingle(kind, padstack, place, bottom, {}, Net(net), texts, t);
    }
}

void Builder::SetValue(Footprint& fp, const ex::PackageCellMembers& cell, std::string_view partText)
{
    const CExLibPart* parts = m_root.pLibPart;
    if (m_partsByName.empty() && parts && parts->pPartDataArray) {
        // The first part of a number or name wins; a cell that several parts
        // are built on names none of them.
        for (const CExPartData* p : *parts->pPartDataArray) {
            if (!p)
                continue;
            m_partsByName.emplace(p->sNumber, p);
            m_partsByName.emplace(p->sName, p);
            for (const std::string* c : {&p->sTopCell, &p->sBottomCell}) {
                const auto [it, added] = m_partsByCell.emplace(*c, p);
                if (!added && it->second != p)
                    it->second = nullptr;
            }
        }
    }
    if (!partText.empty()) {
        const auto it = m_partsByName.find(partText);
        fp.pPart = it == m_partsByName.end() ? nullptr : it->second;
    } else {
        const auto it = m_partsByCell.find(cell.sCellName);
        fp.pPart = it == m_partsByCell.end() ? nullptr : it->second;
    }
    fp.sValue = fp.pPart ? (fp.pPart->sLabel.empty() ? fp.pPart->sName : fp.pPart->sLabel) : partText;
}

namespace {

// A length of a net property. Properties lose every dot when they are read
// ("0.25" reads "025"): a leading zero before more digits is taken as "0.",
// as lengths below one unit are written; others are read as they are.
double PropertyLength(std::string_view value)
{
    value = ex::TrimView(value);
    if (value.size() > 1 && value[0] == '0' && value[1] >= '0' && value[1] <= '9')
        return ex::Atof("0." + std::string(value.substr(1)));
    return ex::Atof(value);
}

} // namespace

void Builder::AddNetRules()
{
    m_b.netRules.assign(m_b.nets.size(), NetRules{});
    // Property names are kept in upper case.
    std::unordered_map<std::string, std::int32_t> byUpperName;
    for (std::size_t i = 1; i < m_b.nets.size(); ++i)
        byUpperName.emplace(ex::ToUpper(m_b.nets[i]), static_cast<std::int32_t>(i));
    std::unordered_map<std::string_view, std::int32_t> classes;
    auto classOf = [&](std::string_view name) {
        name = ex::TrimView(name);
        const auto [it, added] = classes.try_emplace(name, Size(m_b.netClasses));
        if (added)
            m_b.netClasses.push_back(name);
        return it->second;
    };
    auto netOf = [&](std::string_view name) -> NetRules* {
        const auto it = byUpperName.find(ex::ToUpper(name));
        return it == byUpperName.end() ? nullptr : &m_b.netRules[static_cast<std::size_t>(it->second)];
    };
    // A net's own property names its class before any class record lists it.
    if (m_root.pNetPropArray)
        for (const CExNetProp* p : *m_root.pNetPropArray) {
            NetRules* rules = p ? netOf(p->sNetName) : nullptr;
            if (!rules)
                continue;
            for (std::size_t k = 0; k < p->saPropNames.size() && k < p->saPropValues.size(); ++k) {
                const std::string& name = p->saPropNames[k];
                const std::string& value = p->saPropValues[k];
                if (ex::ToUpper(name) == "WIDTH") {
                    const double width = PropertyLength(value) * m_mm;
                    rules->dWidth = Sane(width) && width > 0 ? width : 0.0;
                } else if (ex::ToUpper(name) == "NET_CLASS" && rules->nClass < 0 && !ex::TrimView(value).empty()) {
                    rules->nClass = classOf(value);
                }
            }
        }
    if (m_root.pNetClassArray)
        for (const CExNetClass* c : *m_root.pNetClassArray) {
            if (!c || ex::TrimView(c->sName).empty())
                continue;
            const std::int32_t index = classOf(c->sName);
            std::string_view names = c->sNetNames;
            while (!(names = ex::TrimLeftView(names)).empty()) {
                const std::size_t end = std::min(names.find_first_of(" \t"), names.size());
                if (NetRules* rules = netOf(names.substr(0, end)); rules && rules->nClass < 0)
                    rules->nClass = index;
                names.remove_prefix(end);
            }
        }
}

void Builder::AddCell(const ex::PackageCellMembers& cell)
{
    const bool bottom = Opposite(cell.sFacement);
    // The cell's origin is kept in the layout file's unit.
    const Point at = cell.aXY.IsEmpty() ? Point{} : Point{cell.aXY[0].dX * m_layoutMm, cell.aXY[0].dY * m_layoutMm};
    Footprint fp;
    fp.sName = cell.sCellName;
    fp.bBottom = bottom;
    fp.place = Transform::Place(at, cell.dRotation, bottom);
    if (!Sane(at) || !std::isfinite(cell.dRotation)) {
        m_b.leftOut.Add(Dropped::Footprint);
        return;
    }
    const std::int32_t index = Size(m_b.footprints);
    // Contents written where they lie on the board are taken into the
    // footprint's frame; each pin carries its own rotation and is mirrored
    // with the cell.
    const bool onBoard = BoardCoordinates(cell, at.x, at.y, m_mm);
    const Transform toLocal = onBoard ? fp.place.Inverse() : Transform{};
    const Transform toBoard = onBoard ? Transform{} : fp.place;
    const std::int32_t mount = bottom ? Bottom() : Top(), other = bottom ? Top() : Bottom();

    fp.pads.nFirst = static_cast<std::uint32_t>(m_b.pads.size());
    if (cell.pPinArray)
        for (const CExPackage_Pin* pin : *cell.pPinArray) {
            if (!pin)
                continue;
            const Point p = pin->aXY.IsEmpty() ? Point{} : Point{pin->aXY[0].dX * m_mm, pin->aXY[0].dY * m_mm};
            Pad pad;
            pad.sNumber = pin->sPinNumber;
            pad.nFootprint = index;
            pad.nPadstack = PadstackOf(pin->sPadstackName);
            pad.nNet = Net(pin->sNetName);
            pad.nTopLayer = mount;
            pad.nBottomLayer = other;
            pad.at = onBoard ? toLocal * Transform::Place(p, pin->dRotation, bottom)
                             : Transform::Place(p, pin->dRotation);
            if (!Sane(p) || !std::isfinite(pin->dRotation) || !Usable(pad)) {
                m_b.leftOut.Add(Dropped::Pad);
                continue;
            }
            m_b.pads.push_back(pad);
        }
    fp.pads.nCount = static_cast<std::uint32_t>(m_b.pads.size()) - fp.pads.nFirst;

    // The footprint's graphics and texts, each kind in a row of its list.
    fp.graphics.nFirst = static_cast<std::uint32_t>(m_b.graphics.size());
    fp.texts.nFirst = static_cast<std::uint32_t>(m_b.texts.size());
    AddOutlines(cell.pSilkScreenOutlineArray, Role::Silkscreen, bottom, index, toLocal);
    AddOutlines(cell.pAssemblyOutlineArray, Role::Assembly, bottom, index, toLocal);
    AddOutlines(cell.pPlacementOutlineArray, Role::Placement, bottom, index, toLocal);
    AddOutlines(cell.pSolderMaskArray, Role::SolderMask, bottom, index, toLocal);
    AddOutlines(cell.pSolderPasteArray, Role::SolderPaste, bottom, index, toLocal);
    if (cell.pGraphicArray)
        for (const CExGraphic* g : *cell.pGraphicArray)
            if (g)
                AddGraphic(g->pDrawObj, GraphicLayer(g->sUserLyr, bottom), index, toLocal);
    AddTexts(cell.pTextArray, {Role::Silkscreen, bottom ? Side::Bottom : Side::Top}, bottom, index, toLocal);
    fp.graphics.nCount = static_cast<std::uint32_t>(m_b.graphics.size()) - fp.graphics.nFirst;
    fp.texts.nCount = static_cast<std::uint32_t>(m_b.texts.size()) - fp.texts.nFirst;

    std::string_view partText;
    if (cell.pTextArray)
        for (const CExText* x : *cell.pTextArray) {
            if (!x)
                continue;
            if (fp.sReference.empty() && ex::ContainsNoCase(x->sTextType, "REF"))
                fp.sReference = Shown(*x);
            else if (partText.empty() && ex::ContainsNoCase(x->sTextType, "PART"))
                partText = Shown(*x);
        }
    SetValue(fp, cell, partText);

    if (cell.pPlacementKeepoutArray)
        for (const CExPlacement_Keepout* k : *cell.pPlacementKeepoutArray)
            if (k && k->pDrawObjArray)
                for (const CExDrawObj* s : *k->pDrawObjArray)
                    AddKeepout(KeepoutKind::Placement, s, k->sRouteLyr, {}, index, toLocal);
    if (cell.pObstructArray)
        for (const CExObstruct* o : *cell.pObstructArray)
            if (o)
                AddKeepout(KeepoutKind::Obstruct, o->pDrawObj, o->sRouteLyr, o->sKeywordValue, index, toLocal);
    m_b.footprints.push_back(fp);

    // The cell's copper and holes go onto the board as their own.
    AddRouteObjects(cell.pRouteObjArray, 0, toBoard);
    AddHoles(cell.pMountingHoleArray, FootprintKind::MountingHole, toBoard, bottom);
    AddHoles(cell.pFiducialArray, FootprintKind::Fiducial, toBoard, bottom);
}

void Builder::AddLayout(const CExLayout& layout)
{
    m_layoutMm = layout.dScale * m_mm;
    const Transform board;
    AddGraphics(layout.pBoardOutline, {Role::BoardOutline}, -1, board);
    AddGraphics(layout.pRouteOutline, {Role::RouteOutline}, -1, board);
    // The computed plane shapes, or the drawn ones when none were computed.
    const bool generated = layout.pGeneratedDataArray && !layout.pGeneratedDataArray->IsEmpty();
    AddPlanes(generated ? layout.pGeneratedDataArray : layout.pUpgApsDataArray);
    if (layout.pNetArray)
        for (const CExNet* net : *layout.pNetArray)
            if (net)
                AddRouteObjects(net->pRouteObjArray, Net(net->sNetName), board);
    if (layout.pPackageCellArray)
        for (const CExPackage_Cell* cell : *layout.pPackageCellArray)
            if (cell)
                AddCell(*cell);
    AddHoles(layout.pMountingHoleArray, FootprintKind::MountingHole, board, false);
    AddHoles(layout.pFiducialArray, FootprintKind::Fiducial, board, false);
    AddHoles(layout.pToolingHoleArray, FootprintKind::ToolingHole, board, false);

    AddOutlines(layout.pSilkScreenOutlineArray, Role::Silkscreen, false, -1, board);
    AddOutlines(layout.pSolderMaskArray, Role::SolderMask, false, -1, board);
    AddOutlines(layout.pSolderPasteArray, Role::SolderPaste, false, -1, board);
    if (layout.pAssemblyOutlineShapes)
        for (const CExDrawObj* s : *layout.pAssemblyOutlineShapes)
            if (s)
                AddGraphic(s, {Role::Assembly, SideOf(s->sSide, false)}, -1, board);
    AddTexts(layout.pAssemblyOutlineTexts, {Role::Assembly, Side::Top}, false, -1, board);
    AddGraphics(layout.pDrillGraphic, {Role::Drill}, -1, board);
    if (layout.pGraphicArray)
        for (const CExGraphic* g : *layout.pGraphicArray)
            if (g) {
                AddGraphic(g->pDrawObj, GraphicLayer(g->sUserLyr, false), -1, board);
                AddTexts(g->pTextArray, GraphicLayer(g->sUserLyr, false), false, -1, board);
            }
    if (layout.pDimensionArray)
        for (const CExDimension* d : *layout.pDimensionArray) {
            if (!d)
                continue;
            const LayerRef layer{Role::Dimension};
            if (d->pGraphicArray)
                for (const CExGraphic* g : *d->pGraphicArray)
                    if (g)
                        AddGraphic(g->pDrawObj, layer, -1, board);
            AddTexts(d->pTextArray, layer, false, -1, board);
        }
    if (layout.pPlacementKeepoutArray)
        for (const CExPlacement_Keepout* k : *layout.pPlacementKeepoutArray)
            if (k && k->pDrawObjArray)
                for (const CExDrawObj* s : *k->pDrawObjArray)
                    AddKeepout(KeepoutKind::Placement, s, k->sRouteLyr, {}, -1, board);
    if (layout.pObstructArray)
        for (const CExObstruct* o : *layout.pObstructArray)
            if (o)
                AddKeepout(KeepoutKind::Obstruct, o->pDrawObj, o->sRouteLyr, o->sKeywordValue, -1, board);
    AddTexts(layout.pTextArray, {Role::User, Side::None, "texts"}, false, -1, board);
}

// ---- the board ---------------------------------------------------------------

Board::Board(const CExExpedition& root) { Builder(*this, root); }

} // namespace board
