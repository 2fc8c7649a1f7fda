#include "Render.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include "DesignFiles.h"
#include "ModelMembers.h"
#include "core/StringOps.h"

namespace exload {

using ex::VisitExact;
using ex::VisitShape;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMargin = 16.0;        // device units around the board
constexpr double kLegendWidth = 220.0;  // device units right of the board, a quarter at most
constexpr double kMaxHeight = 20000.0;
constexpr double kMarkerRadius = 3.0;   // device units
constexpr double kPlaneAlpha = 0.35;
constexpr double kTolerance = 0.1;           // device units a flattened curve may stray
constexpr double kMaxPolygonRadius = 40.0;  // device units
constexpr double kDensePixels = 8.0;  // device pixels per shape below which a board is dense
constexpr double kThinLine = 2.5;  // device units: narrower lines need no joins
constexpr unsigned kMaxThreads = 8;
constexpr double kMaxLayerBytes = 256.0 * 1024 * 1024;  // pictures of all layers painted at once

struct Rgb {
    double r, g, b;
};

// Conductive layers: the top one red, the bottom one blue, inner ones from
// the rest of the list in turn.
constexpr Rgb kTopCopper{0.90, 0.22, 0.18};
constexpr Rgb kBottomCopper{0.25, 0.45, 0.95};
constexpr Rgb kInnerCopper[] = {{0.25, 0.75, 0.35}, {0.95, 0.70, 0.15}, {0.65, 0.40, 0.90}, {0.15, 0.75, 0.80},
                                {0.95, 0.50, 0.65}, {0.60, 0.80, 0.20}, {0.85, 0.55, 0.30}, {0.55, 0.65, 0.95}};
constexpr Rgb kBackground{0.07, 0.08, 0.10};
constexpr Rgb kBoardFill{0.10, 0.17, 0.13};

// ---- geometry ------------------------------------------------------------

// The shapes as cairo paths, in their own coordinates: centred shapes around
// the origin, point shapes where their points are. Every filled outline runs
// counter-clockwise, so that many shapes filled at once by the nonzero rule
// never cancel where they overlap.
struct ShapePath {
    cairo_t* cr;
    double dPixels = 0.0;  // device units per board unit; 0: unknown

    // Small circles, the pads and holes met by the hundred thousand, become
    // polygons as fine as cairo would flatten them, sparing it the curves.
    void Circle(double x, double y, double r)
    {
        r = std::max(r, 0.0);
        const double rd = r * dPixels;
        if (rd <= 0.0 || rd > kMaxPolygonRadius) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y, r, 0.0, 2 * kPi);
            cairo_close_path(cr);
            return;
        }
        const int n = rd <= kTolerance ? 4 : std::max(4, static_cast<int>(std::ceil(kPi / std::acos(1 - kTolerance / rd))));
        const double c = std::cos(2 * kPi / n), s = std::sin(2 * kPi / n);
        double dx = r, dy = 0.0;
        cairo_move_to(cr, x + dx, y);
        for (int i = 1; i < n; ++i) {
            const double t = dx * c - dy * s;
            dy = dx * s + dy * c;
            dx = t;
            cairo_line_to(cr, x + dx, y + dy);
        }
        cairo_close_path(cr);
    }
    void Box(double w, double h) { cairo_rectangle(cr, -w / 2, -h / 2, w, h); }
    // A rectangle whose corners are cut by c (octagons, chamfered rectangles).
    void Chamfered(double w, double h, double c)
    {
        c = std::clamp(c, 0.0, std::min(w, h) / 2);
        const double x = w / 2, y = h / 2;
        cairo_move_to(cr, -x + c, -y);
        cairo_line_to(cr, x - c, -y);
        cairo_line_to(cr, x, -y + c);
        cairo_line_to(cr, x, y - c);
        cairo_line_to(cr, x - c, y);
        cairo_line_to(cr, -x + c, y);
        cairo_line_to(cr, -x, y - c);
        cairo_line_to(cr, -x, -y + c);
        cairo_close_path(cr);
    }
    void Rounded(double w, double h, double r)
    {
        r = std::clamp(r, 0.0, std::min(w, h) / 2);
        const double x = w / 2 - r, y = h / 2 - r;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, -y, r, -kPi / 2, 0);
        cairo_arc(cr, x, y, r, 0, kPi / 2);
        cairo_arc(cr, -x, y, r, kPi / 2, kPi);
        cairo_arc(cr, -x, -y, r, kPi, 3 * kPi / 2);
        cairo_close_path(cr);
    }
    // Octagon with the corner cut of a regular one of the smaller side.
    void Octagon(double w, double h) { Chamfered(w, h, std::min(w, h) * (1 - 1 / std::sqrt(2.0))); }
    void Polyline(const CExPtArray& pts)
    {
        bool first = true;
        for (const CExPt& p : pts) {
            if (first)
                cairo_move_to(cr, p.dX, p.dY);
            else
                cairo_line_to(cr, p.dX, p.dY);
            first = false;
        }
    }
    // Twice the signed area of the polygon through the points: negative when
    // they run clockwise.
    static double Area(const CExPtArray& pts)
    {
        double a = 0;
        const std::int64_t n = pts.GetSize();
        for (std::int64_t i = 0; i < n; ++i) {
            const CExPt& p = pts[i];
            const CExPt& q = pts[(i + 1) % n];
            a += p.dX * q.dY - q.dX * p.dY;
        }
        return a;
    }
    void Polygon(const CExPtArray& pts)
    {
        if (Area(pts) >= 0) {
            Polyline(pts);
        } else {
            for (std::int64_t i = pts.GetSize() - 1; i >= 0; --i)
                (i == pts.GetSize() - 1 ? cairo_move_to : cairo_line_to)(cr, pts[i].dX, pts[i].dY);
        }
        cairo_close_path(cr);
    }
    // Each point's r bends the segment that ends there into an arc of that
    // radius: counter-clockwise when positive, clockwise when negative.
    void Polyarc(const CExPtArray& pts)
    {
        const CExPt* prev = nullptr;
        for (const CExPt& p : pts) {
            if (!prev)
                cairo_move_to(cr, p.dX, p.dY);
            else
                Arc(*prev, p, p.dR);
            prev = &p;
        }
    }
    // The same outline closed and counter-clockwise: walked backwards, each
    // arc turns the other way.
    void Polyarcgon(const CExPtArray& pts)
    {
        if (Area(pts) >= 0) {
            Polyarc(pts);
        } else {
            const std::int64_t last = pts.GetSize() - 1;
            cairo_move_to(cr, pts[last].dX, pts[last].dY);
            for (std::int64_t i = last; i > 0; --i)
                Arc(pts[i], pts[i - 1], -pts[i].dR);
        }
        cairo_close_path(cr);
    }
    void Arc(const CExPt& a, const CExPt& b, double radius)
    {
        const double dx = b.dX - a.dX, dy = b.dY - a.dY;
        const double chord = std::hypot(dx, dy);
        if (radius == 0.0 || !std::isfinite(radius) || chord == 0.0) {
            cairo_line_to(cr, b.dX, b.dY);
            return;
        }
        const double r = std::max(std::fabs(radius), chord / 2);
        const double h = std::sqrt(r * r - chord * chord / 4);
        const double side = radius > 0 ? 1.0 : -1.0;  // centre left of a->b for counter-clockwise
        const double cx = (a.dX + b.dX) / 2 - side * dy / chord * h;
        const double cy = (a.dY + b.dY) / 2 + side * dx / chord * h;
        const double a1 = std::atan2(a.dY - cy, a.dX - cx), a2 = std::atan2(b.dY - cy, b.dX - cx);
        if (radius > 0)
            cairo_arc(cr, cx, cy, r, a1, a2);
        else
            cairo_arc_negative(cr, cx, cy, r, a1, a2);
    }
    // A ring: the inner part is cut out by the even-odd rule.
    void Ring(double outer, double inner)
    {
        Circle(0, 0, outer);
        if (inner > 0 && inner < outer)
            Circle(0, 0, inner);
    }
    // Width of the copper ring of a donut or thermal: its clearance when that
    // fits, else a quarter of its size.
    static double RingWidth(double size, double clearance)
    {
        return clearance > 0 && clearance < size / 2 ? clearance : size / 4;
    }

    void operator()(const CExRound& o) { Circle(0, 0, o.dDiameter / 2); }
    void operator()(const CExSquare& o) { Box(o.dWidth, o.dWidth); }
    void operator()(const CExRectangle& o) { Box(o.dWidth, o.dHeight); }
    void operator()(const CExRound_Finger& o) { Rounded(o.dWidth, o.dHeight, std::min(o.dWidth, o.dHeight) / 2); }
    void operator()(const CExSlot& o) { Rounded(o.dWidth, o.dHeight, std::min(o.dWidth, o.dHeight) / 2); }
    void operator()(const CExOblong& o) { Rounded(o.dWidth, o.dHeight, std::min(o.dWidth, o.dHeight) / 2); }
    void operator()(const CExOctagon& o) { Octagon(o.dWidth, o.dHeight); }
    void operator()(const CExOctagonal_Finger& o) { Octagon(o.dWidth, o.dHeight); }
    void operator()(const CExChamfered_Rect& o) { Chamfered(o.dWidth, o.dHeight, o.dChamfer); }
    void operator()(const CExRadius_Corner_Rectangle& o) { Rounded(o.dWidth, o.dHeight, o.dRadius); }
    void operator()(const CExRoundDonut& o)
    {
        Ring(o.dDiameter / 2, o.dDiameter / 2 - RingWidth(o.dDiameter, o.dThermalClearance));
    }
    void operator()(const CExSquare_Dount& o)
    {
        Box(o.dWidth, o.dWidth);
        const double inner = o.dWidth - 2 * RingWidth(o.dWidth, o.dThermalClearance);
        if (inner > 0)
            Box(inner, inner);
    }
    // Four copper arcs between tie-leg gaps at 45, 135, 225 and 315 degrees.
    void operator()(const CExF4_web_round_thermal_45& o)
    {
        const double outer = o.dDiameter / 2, inner = outer - RingWidth(o.dDiameter, o.dThermalClearance);
        if (outer <= 0)
            return;
        const double gap = std::min(o.dTieLegWidth / outer, kPi / 4);  // half-gap angle, roughly
        for (int q = 0; q < 4; ++q) {
            const double from = kPi / 4 + q * kPi / 2 + gap / 2, to = from + kPi / 2 - gap;
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0, 0, outer, from, to);
            cairo_arc_negative(cr, 0, 0, std::max(inner, 0.0), to, from);
            cairo_close_path(cr);
        }
    }
    void operator()(const CExCircle_Path& o)
    {
        if (!o.aXY.IsEmpty())
            Circle(o.aXY[0].dX, o.aXY[0].dY, o.dRadius);
    }
    void operator()(const CExCircle_Shape& o)
    {
        if (!o.aXY.IsEmpty())
            Circle(o.aXY[0].dX, o.aXY[0].dY, o.dRadius);
    }
    void operator()(const CExPolyline_Path& o) { Polyline(o.aXY); }
    void operator()(const CExPolyline_Shape& o) { Polygon(o.aXY); }
    void operator()(const CExPolyarc_Path& o) { Polyarc(o.aXYR); }
    void operator()(const CExPolyarc_Shape& o) { Polyarcgon(o.aXYR); }
    // Two points are opposite corners; more are a polygon.
    void RectPoints(const CExPtArray& pts)
    {
        if (pts.GetSize() != 2) {
            Polygon(pts);
            return;
        }
        const double x0 = std::min(pts[0].dX, pts[1].dX), y0 = std::min(pts[0].dY, pts[1].dY);
        cairo_rectangle(cr, x0, y0, std::fabs(pts[1].dX - pts[0].dX), std::fabs(pts[1].dY - pts[0].dY));
    }
    void operator()(const CExRect_Path& o) { RectPoints(o.aXY); }
    void operator()(const CExRect_Shape& o) { RectPoints(o.aXY); }
    void operator()(const CExDimension_Data& o)
    {
        cairo_move_to(cr, o.ptStartPoint.dX, o.ptStartPoint.dY);
        cairo_line_to(cr, o.ptEndPoint.dX, o.ptEndPoint.dY);
    }
};

// How a shape is painted: paths with a width are stroked, rings filled by
// the even-odd rule, everything else by the nonzero rule.
struct Ink {
    enum Kind { Fill, FillEvenOdd, Stroke } kind = Fill;
    double dWidth = 0.0;
};

Ink InkOf(const CExDrawObj& o)
{
    Ink ink;
    VisitShape(o, [&ink](const auto& s) {
        using T = std::decay_t<decltype(s)>;
        if constexpr (std::is_same_v<T, CExCircle_Path> || std::is_same_v<T, CExPolyline_Path> ||
                      std::is_same_v<T, CExPolyarc_Path> || std::is_same_v<T, CExRect_Path>)
            ink = {Ink::Stroke, s.dWidth};
        else if constexpr (std::is_same_v<T, CExDimension_Data>)
            ink = {Ink::Stroke, 0.0};
        else if constexpr (std::is_same_v<T, CExRoundDonut> || std::is_same_v<T, CExSquare_Dount>)
            ink.kind = Ink::FillEvenOdd;
    });
    return ink;
}

// ---- the scene -----------------------------------------------------------

// Padstacks, pads and holes of the library, found by name (the first of a
// name wins, as the library's own lookups do).
class PadLibrary {
public:
    explicit PadLibrary(const CExPadstack_Library* lib)
    {
        if (!lib)
            return;
        Index(lib->pPadstackArray, m_padstacks);
        Index(lib->pPadArray, m_pads);
        Index(lib->pHoleArray, m_holes);
    }
    const CExPadstack* Padstack(const std::string& name) const { return Find(m_padstacks, name); }
    const CExPad* Pad(const std::string& name) const { return Find(m_pads, name); }
    const CExHole* Hole(const std::string& name) const { return Find(m_holes, name); }

private:
    template <class A, class T>
    static void Index(const A* array, std::unordered_map<std::string_view, const T*>& map)
    {
        if (array)
            for (const T* p : *array)
                if (p)
                    map.emplace(p->sName, p);
    }
    template <class T>
    static const T* Find(const std::unordered_map<std::string_view, const T*>& map, const std::string& name)
    {
        const auto it = map.find(name);
        return it == map.end() ? nullptr : it->second;
    }

    std::unordered_map<std::string_view, const CExPadstack*> m_padstacks;
    std::unordered_map<std::string_view, const CExPad*> m_pads;
    std::unordered_map<std::string_view, const CExHole*> m_holes;
};

// A shape under a placement (index into Scene::places; -1: board coordinates).
struct Item {
    const CExDrawObj* pShape;
    std::int32_t nPlace;
    bool bPlane = false;  // plane copper: lighter, so that what lies under it shows
};
struct Label {
    const CExText* pText;
    std::int32_t nPlace;
};
// A pin whose padstack or pad cannot be found.
struct Marker {
    double x, y;
    std::int32_t nPlace;
};

enum class LayerRole { Board, RouteOutline, Conductive, Drill, Silkscreen, Placement, Text, Missing };

struct Layer {
    LayerRole role;
    std::string sKey;   // how objects name it: a layer number as text, or the role's name
    std::string sName;  // legend text; --layer matches it or sKey
    Rgb colour;
    double dAlpha = 1.0;
    int nNumber = 0;    // conductive layers: the order from top to bottom
    bool bOutline = false;  // shapes are stroked too: outlines, not areas
    bool bVisible = true;
    std::vector<Item> items;
    std::vector<Label> labels;
    std::vector<Marker> markers;

    bool Empty() const { return items.empty() && labels.empty() && markers.empty(); }
};

class Scene {
public:
    Scene(const CExExpedition& root, const RenderOptions& options);

    // The layers in paint order, the side looked at last.
    std::vector<Layer*> PaintOrder();
    std::vector<cairo_matrix_t> places;
    std::size_t ShapeCount() const
    {
        std::size_t n = 0;
        for (const auto& l : m_layers)
            n += l->items.size();
        return n;
    }
    bool GetExtents(double& x0, double& y0, double& x1, double& y1);

private:
    std::int32_t AddPlace(const cairo_matrix_t& m)
    {
        places.push_back(m);
        return static_cast<std::int32_t>(places.size() - 1);
    }
    Layer& Role(LayerRole role);
    // A conductive layer by the text objects name it with; unknown ones are
    // added after the known ones.
    Layer& Conductive(std::string_view key);
    void AddStackup(const CExJobPreferences& jp);
    void AddShapes(Layer& layer, const CExDrawObjArray* shapes, std::int32_t place = -1, bool bPlane = false);
    void AddTexts(Layer& layer, const CExTextArray* texts, std::int32_t place = -1);
    bool AddPad(const std::string& name, const std::string& layerKey, const cairo_matrix_t& at, std::int32_t place);
    void AddPadstack(const std::string& name, const cairo_matrix_t& at, const std::string& top,
                     const std::string& bottom);
    // `place` is the index of `at`, -1 for board coordinates.
    void AddRouteObjects(const CExRouteObjArray* objects, const cairo_matrix_t& at, std::int32_t place);
    void AddPlanes(const CExPlane_LyrArray* planes);
    // Mounting holes and fiducials: a padstack at a point.
    template <class A>
    void AddHoles(const A* holes, const cairo_matrix_t& at, const std::string& top, const std::string& bottom);
    // A placed cell: its pins' pads, silkscreen, placement outlines, texts
    // and copper, under its position, rotation and facement.
    void AddCell(const ex::PackageCellMembers& cell);
    void AddLayout(const CExLayout& layout);
    void Finish(const RenderOptions& options);

    std::vector<std::unique_ptr<Layer>> m_layers;
    bool m_bBottom;
    PadLibrary m_pads;
    std::string m_sTop = "1", m_sBottom = "2";  // keys of the outer conductive layers
    double m_dLayoutScale = 1.0;                // for positions kept in the layout file's unit
};

struct RoleInfo {
    LayerRole role;
    const char* key;
    const char* name;
    Rgb colour;
    double alpha;
    bool outline;
};
constexpr RoleInfo kRoles[] = {
    {LayerRole::Board, "board", "board outline", {0.95, 0.85, 0.30}, 1.0, true},
    {LayerRole::RouteOutline, "route", "route outline", {0.70, 0.70, 0.35}, 1.0, true},
    {LayerRole::Drill, "drill", "drill holes", {0.02, 0.02, 0.02}, 1.0, false},
    {LayerRole::Silkscreen, "silkscreen", "silkscreen", {0.95, 0.95, 0.95}, 1.0, true},
    {LayerRole::Placement, "placement", "placement outlines", {0.60, 0.60, 0.65}, 0.9, true},
    {LayerRole::Text, "text", "texts", {1.00, 0.95, 0.60}, 1.0, false},
    {LayerRole::Missing, "missing", "pin without pad", {1.00, 0.20, 0.90}, 1.0, false},
};

Scene::Scene(const CExExpedition& root, const RenderOptions& options)
    : m_bBottom(options.bBottom), m_pads(root.pPadstackLibrary)
{
    Role(LayerRole::Board);
    if (root.pJobPreferences)
        AddStackup(*root.pJobPreferences);
    if (root.pLayout)
        AddLayout(*root.pLayout);
    Finish(options);
}

Layer& Scene::Role(LayerRole role)
{
    for (auto& l : m_layers)
        if (l->role == role)
            return *l;
    const RoleInfo* info = std::find_if(std::begin(kRoles), std::end(kRoles),
                                        [role](const RoleInfo& r) { return r.role == role; });
    auto layer = std::make_unique<Layer>();
    layer->role = role;
    layer->sKey = info->key;
    layer->sName = info->name;
    layer->colour = info->colour;
    layer->dAlpha = info->alpha;
    layer->bOutline = info->outline;
    m_layers.push_back(std::move(layer));
    return *m_layers.back();
}

Layer& Scene::Conductive(std::string_view key)
{
    key = ex::TrimView(key);
    int count = 0;
    for (auto& l : m_layers) {
        if (l->role != LayerRole::Conductive)
            continue;
        ++count;
        if (l->sKey == key || (!l->sName.empty() && l->sName == key))
            return *l;
    }
    auto layer = std::make_unique<Layer>();
    layer->role = LayerRole::Conductive;
    layer->sKey = std::string(key);
    layer->sName = "layer " + layer->sKey;
    layer->dAlpha = 0.85;
    const int number = ex::Atoi(key);
    layer->nNumber = number > 0 ? number : 1000 + count;  // unnumbered layers after the numbered ones
    m_layers.push_back(std::move(layer));
    return *m_layers.back();
}

// The conductive layers of the stackup, named; the outer two are where
// pads of top and bottom go.
void Scene::AddStackup(const CExJobPreferences& jp)
{
    if (jp.nPhysicalLayers > 1)
        m_sBottom = std::to_string(jp.nPhysicalLayers);
    if (!jp.pLayerStackupArray)
        return;
    int top = 0, bottom = 0;
    for (const CExLayer_Stackup* s : *jp.pLayerStackupArray) {
        if (!s || s->sLayerType != "SIGNAL_LAYER")
            continue;
        Layer& l = Conductive(std::to_string(s->nLayerNumber));
        if (!s->sLayerName.empty())
            l.sName = s->sLayerName + " (" + l.sKey + ")";
        top = top == 0 ? s->nLayerNumber : std::min(top, s->nLayerNumber);
        bottom = std::max(bottom, s->nLayerNumber);
    }
    if (bottom > top) {
        m_sTop = std::to_string(top);
        m_sBottom = std::to_string(bottom);
    }
}

void Scene::AddShapes(Layer& layer, const CExDrawObjArray* shapes, std::int32_t place, bool bPlane)
{
    if (!shapes)
        return;
    for (const CExDrawObj* s : *shapes)
        if (s)
            layer.items.push_back({s, place, bPlane});
}

void Scene::AddTexts(Layer& layer, const CExTextArray* texts, std::int32_t place)
{
    if (!texts)
        return;
    for (const CExText* t : *texts)
        if (t && !t->ptsPosition.IsEmpty())
            layer.labels.push_back({t, place});
}

// base moved to the first point of xy (times scale) and turned by degrees.
cairo_matrix_t At(const cairo_matrix_t& base, const CExPtArray& xy, double degrees, double scale = 1.0)
{
    cairo_matrix_t m = base;
    if (!xy.IsEmpty())
        cairo_matrix_translate(&m, xy[0].dX * scale, xy[0].dY * scale);
    cairo_matrix_rotate(&m, degrees * kPi / 180.0);
    return m;
}

// The pad of that name at a place, on a layer; false when there is none.
bool Scene::AddPad(const std::string& name, const std::string& layerKey, const cairo_matrix_t& at, std::int32_t place)
{
    const CExPad* pad = name.empty() ? nullptr : m_pads.Pad(name);
    if (!pad)
        return false;
    if (!pad->aOffsets.IsEmpty() && (pad->aOffsets[0].dX != 0 || pad->aOffsets[0].dY != 0)) {
        cairo_matrix_t shifted = at;
        cairo_matrix_translate(&shifted, pad->aOffsets[0].dX, pad->aOffsets[0].dY);
        place = AddPlace(shifted);
    }
    AddShapes(Conductive(layerKey), pad->pDrawObjArray, place);
    return true;
}

// A padstack at a place: its top pad on layer `top`, its bottom pad on
// `bottom`, its hole in the drill layer. A padstack or pads that cannot be
// found leave a marker.
void Scene::AddPadstack(const std::string& name, const cairo_matrix_t& at, const std::string& top,
                        const std::string& bottom)
{
    const std::int32_t place = AddPlace(at);
    const CExPadstack* ps = m_pads.Padstack(name);
    bool drawn = false;
    if (ps) {
        drawn = AddPad(ps->sTopPad, top, at, place);
        drawn = AddPad(ps->sBottomPad, bottom, at, place) || drawn;
        if (const CExHole* hole = m_pads.Hole(ps->sHoleName))
            Role(LayerRole::Drill).items.push_back({hole->pDrawObj, place});
    }
    if (!drawn)
        Role(LayerRole::Missing).markers.push_back({0.0, 0.0, place});
}

// Traces, conductive areas, vias and test points. Via and test point
// positions are kept in the layout file's unit: they are scaled here.
void Scene::AddRouteObjects(const CExRouteObjArray* objects, const cairo_matrix_t& at, std::int32_t place)
{
    if (!objects)
        return;
    auto padstackAt = [&](const CExPtArray& pos, const std::string& padstack, const std::string& top,
                          const std::string& bottom) { AddPadstack(padstack, At(at, pos, 0.0, m_dLayoutScale), top, bottom); };
    for (const CExRouteObj* o : *objects) {
        if (!o)
            continue;
        VisitExact<CExTrace, CExConductive_Area, CExVia, CExTestPoint>(*o, [&](const auto& r) {
            using T = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<T, CExVia>) {
                const CExLayerPair* pair = r.pLayerPair;
                padstackAt(r.ptsPosition, r.sPadstackName, pair && !pair->sFromLayer.empty() ? pair->sFromLayer : m_sTop,
                           pair && !pair->sToLayer.empty() ? pair->sToLayer : m_sBottom);
            } else if constexpr (std::is_same_v<T, CExTestPoint>) {
                const bool bottom = ex::StartsWithNoCase(ex::TrimView(r.sFacement), "BOTTOM");
                padstackAt(r.ptsPosition, r.sPadstackName, bottom ? m_sBottom : m_sTop, bottom ? m_sTop : m_sBottom);
            } else if (r.pShape) {
                Conductive(r.sRouteLayer).items.push_back({r.pShape, place});
            }
        });
    }
}

// The plane shapes of each plane net: the computed ones when there are any.
void Scene::AddPlanes(const CExPlane_LyrArray* planes)
{
    if (!planes)
        return;
    for (const CExPlane_Lyr* lyr : *planes) {
        if (!lyr || !lyr->pPlaneNetArray)
            continue;
        Layer& layer = Conductive(lyr->sPlaneLayer);
        for (const CExPlane_Net* net : *lyr->pPlaneNetArray) {
            if (!net)
                continue;
            bool actual = false;
            if (net->pActualShapeArray)
                for (const CExPlane_ActualShape* a : *net->pActualShapeArray)
                    if (a && a->pShapeArray && !a->pShapeArray->IsEmpty()) {
                        AddShapes(layer, a->pShapeArray, -1, true);
                        actual = true;
                    }
            if (!actual)
                AddShapes(layer, net->pPlaneShapes, -1, true);
        }
    }
}

template <class A>
void Scene::AddHoles(const A* holes, const cairo_matrix_t& at, const std::string& top, const std::string& bottom)
{
    if (!holes)
        return;
    for (const auto* h : *holes)
        if (h)
            AddPadstack(h->sPadstack, At(at, h->ptXY, h->dRotation), top, bottom);
}

// A side named in a cell counts from the cell's mount side.
bool OppositeSide(const std::string& side)
{
    return ex::ContainsNoCase(side, "BOTTOM") || ex::ContainsNoCase(side, "OPP");
}

// Whether a placed cell's pins, outlines and texts are written where they
// lie on the board (as a layout writes them) rather than around the cell's
// own origin (as a library does): true when its pins lie nearer its
// position than the origin of coordinates.
bool BoardCoordinates(const ex::PackageCellMembers& cell, double x, double y)
{
    if (!cell.pPinArray || cell.pPinArray->IsEmpty())
        return true;
    double nearPlace = 0, nearOrigin = 0;
    for (const CExPackage_Pin* pin : *cell.pPinArray)
        if (pin && !pin->aXY.IsEmpty()) {
            nearPlace += std::hypot(pin->aXY[0].dX - x, pin->aXY[0].dY - y);
            nearOrigin += std::hypot(pin->aXY[0].dX, pin->aXY[0].dY);
        }
    return nearPlace <= nearOrigin;
}

void Scene::AddCell(const ex::PackageCellMembers& cell)
{
    const bool bottom = OppositeSide(cell.sFacement);
    // The cell's origin is kept in the layout file's unit.
    const double x = cell.aXY.IsEmpty() ? 0.0 : cell.aXY[0].dX * m_dLayoutScale;
    const double y = cell.aXY.IsEmpty() ? 0.0 : cell.aXY[0].dY * m_dLayoutScale;
    const bool onBoard = BoardCoordinates(cell, x, y);
    // Contents around the cell's origin are placed by its position, rotation
    // and facement; contents in board coordinates are only mirrored pad by
    // pad, each pin carrying its own rotation.
    cairo_matrix_t m;
    cairo_matrix_init_identity(&m);
    if (!onBoard) {
        cairo_matrix_translate(&m, x, y);
        cairo_matrix_rotate(&m, cell.dRotation * kPi / 180.0);
        if (bottom)
            cairo_matrix_scale(&m, -1.0, 1.0);
    }
    const std::int32_t place = onBoard ? -1 : AddPlace(m);
    const std::string& mount = bottom ? m_sBottom : m_sTop;
    const std::string& other = bottom ? m_sTop : m_sBottom;
    if (cell.pPinArray)
        for (const CExPackage_Pin* pin : *cell.pPinArray) {
            if (!pin)
                continue;
            cairo_matrix_t pm = At(m, pin->aXY, pin->dRotation);
            if (onBoard && bottom)
                cairo_matrix_scale(&pm, -1.0, 1.0);
            AddPadstack(pin->sPadstackName, pm, mount, other);
        }
    // Silkscreen only of the side looked at.
    const bool mountSeen = bottom == m_bBottom;
    if (cell.pSilkScreenOutlineArray)
        for (const CExSilkScreen_Outline* so : *cell.pSilkScreenOutlineArray)
            if (so && OppositeSide(so->sSide) != mountSeen)
                AddShapes(Role(LayerRole::Silkscreen), so->pDrawObjArray, place);
    if (cell.pPlacementOutlineArray)
        for (const CExPlacement_Outline* po : *cell.pPlacementOutlineArray)
            if (po)
                AddShapes(Role(LayerRole::Placement), po->pDrawObjArray, place);
    AddTexts(Role(LayerRole::Text), cell.pTextArray, place);
    AddRouteObjects(cell.pRouteObjArray, m, place);
    AddHoles(cell.pMountingHoleArray, m, mount, other);
    AddHoles(cell.pFiducialArray, m, mount, other);
}

void Scene::AddLayout(const CExLayout& layout)
{
    m_dLayoutScale = layout.dScale;
    cairo_matrix_t board;
    cairo_matrix_init_identity(&board);
    AddShapes(Role(LayerRole::Board), layout.pBoardOutline);
    AddShapes(Role(LayerRole::RouteOutline), layout.pRouteOutline);
    // The computed plane shapes, or the drawn ones when none were computed.
    const bool generated = layout.pGeneratedDataArray && !layout.pGeneratedDataArray->IsEmpty();
    AddPlanes(generated ? layout.pGeneratedDataArray : layout.pUpgApsDataArray);
    if (layout.pNetArray)
        for (const CExNet* net : *layout.pNetArray)
            if (net)
                AddRouteObjects(net->pRouteObjArray, board, -1);
    if (layout.pPackageCellArray)
        for (const CExPackage_Cell* cell : *layout.pPackageCellArray)
            if (cell)
                AddCell(*cell);
    AddHoles(layout.pMountingHoleArray, board, m_sTop, m_sBottom);
    AddHoles(layout.pFiducialArray, board, m_sTop, m_sBottom);
    if (layout.pToolingHoleArray)
        for (const CExTooling_Hole* h : *layout.pToolingHoleArray)
            if (h)
                AddPadstack(h->sPadstackName, At(board, h->aXY, h->dRotation), m_sTop, m_sBottom);
    if (layout.pSilkScreenOutlineArray)
        for (const CExSilkScreen_Outline* so : *layout.pSilkScreenOutlineArray)
            if (so && OppositeSide(so->sSide) == m_bBottom)
                AddShapes(Role(LayerRole::Silkscreen), so->pDrawObjArray);
    AddTexts(Role(LayerRole::Text), layout.pTextArray);
}

// Colours conductive layers by their order, and applies the --layer filter.
void Scene::Finish(const RenderOptions& options)
{
    std::vector<Layer*> copper;
    for (auto& l : m_layers)
        if (l->role == LayerRole::Conductive)
            copper.push_back(l.get());
    std::stable_sort(copper.begin(), copper.end(), [](const Layer* a, const Layer* b) { return a->nNumber < b->nNumber; });
    for (std::size_t i = 0; i < copper.size(); ++i) {
        if (i == 0)
            copper[i]->colour = kTopCopper;
        else if (i + 1 == copper.size())
            copper[i]->colour = kBottomCopper;
        else
            copper[i]->colour = kInnerCopper[(i - 1) % std::size(kInnerCopper)];
    }
    if (options.saLayers.empty())
        return;
    for (auto& l : m_layers) {
        l->bVisible = l->role == LayerRole::Board;  // the outline always, for orientation
        for (const std::string& want : options.saLayers) {
            const std::string upper = ex::ToUpper(want);
            if (want == l->sKey || ex::ToUpper(l->sName) == upper || ex::StartsWithNoCase(l->sName, upper + " ("))
                l->bVisible = true;
        }
    }
}

std::vector<Layer*> Scene::PaintOrder()
{
    std::vector<Layer*> order;
    auto add = [&](LayerRole role) {
        for (auto& l : m_layers)
            if (l->role == role)
                order.push_back(l.get());
    };
    add(LayerRole::Board);
    std::vector<Layer*> copper;
    for (auto& l : m_layers)
        if (l->role == LayerRole::Conductive)
            copper.push_back(l.get());
    // The side looked at is painted last, over the others.
    std::stable_sort(copper.begin(), copper.end(), [this](const Layer* a, const Layer* b) {
        return m_bBottom ? a->nNumber < b->nNumber : a->nNumber > b->nNumber;
    });
    order.insert(order.end(), copper.begin(), copper.end());
    for (LayerRole role : {LayerRole::Drill, LayerRole::RouteOutline, LayerRole::Placement, LayerRole::Silkscreen,
                           LayerRole::Text, LayerRole::Missing})
        add(role);
    return order;
}

// Extents of the board outline, or of everything when there is none.
bool Scene::GetExtents(double& x0, double& y0, double& x1, double& y1)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    bool any = false;
    auto addLayer = [&](const Layer& layer) {
        for (const Item& item : layer.items) {
            cairo_identity_matrix(cr);
            if (item.nPlace >= 0)
                cairo_transform(cr, &places[static_cast<std::size_t>(item.nPlace)]);
            cairo_new_path(cr);
            ShapePath path{cr};
            VisitShape(*item.pShape, path);
            double a, b, c, d;
            cairo_identity_matrix(cr);
            cairo_path_extents(cr, &a, &b, &c, &d);
            if (a == c && b == d)
                continue;  // no path
            if (!any) {
                x0 = a, y0 = b, x1 = c, y1 = d;
                any = true;
            } else {
                x0 = std::min(x0, a), y0 = std::min(y0, b), x1 = std::max(x1, c), y1 = std::max(y1, d);
            }
        }
    };
    addLayer(Role(LayerRole::Board));
    if (!any)
        for (auto& l : m_layers)
            addLayer(*l);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return any;
}

// ---- painting ------------------------------------------------------------

// Lines a pixel or two wide drawn straight into an image without
// antialiasing. On a dense board most shapes are such traces, and cairo's
// stroker spends several microseconds on each.
class PixelLines {
public:
    // False when the surface is no image the lines can be drawn into.
    bool Begin(cairo_t* cr, const Rgb& colour)
    {
        m_surface = cairo_get_group_target(cr);
        const cairo_format_t format = cairo_image_surface_get_format(m_surface);
        double ox = 0, oy = 0;
        cairo_surface_get_device_offset(m_surface, &ox, &oy);
        if (cairo_surface_get_type(m_surface) != CAIRO_SURFACE_TYPE_IMAGE || ox != 0 || oy != 0 ||
            (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24))
            return false;
        // The clip bounds the lines, as it would cairo's.
        double x0, y0, x1, y1;
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
        cairo_restore(cr);
        cairo_surface_flush(m_surface);
        m_data = cairo_image_surface_get_data(m_surface);
        m_stride = cairo_image_surface_get_stride(m_surface);
        m_x0 = std::max(0, static_cast<int>(std::ceil(x0)));
        m_y0 = std::max(0, static_cast<int>(std::ceil(y0)));
        m_x1 = std::min(cairo_image_surface_get_width(m_surface), static_cast<int>(x1));
        m_y1 = std::min(cairo_image_surface_get_height(m_surface), static_cast<int>(y1));
        auto byte = [](double c) { return static_cast<std::uint32_t>(std::clamp(c, 0.0, 1.0) * 255.0 + 0.5); };
        m_pixel = 0xff000000u | byte(colour.r) << 16 | byte(colour.g) << 8 | byte(colour.b);
        return m_data != nullptr;
    }
    void End() { cairo_surface_mark_dirty(m_surface); }

    // A line between two device points, `thick` pixels across.
    void Line(double ax, double ay, double bx, double by, int thick)
    {
        if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
            return;
        // Far outside the picture nothing is drawn; the clamp keeps the
        // integers in range.
        constexpr double kFar = 1e6;
        int x = static_cast<int>(std::floor(std::clamp(ax, -kFar, kFar)));
        int y = static_cast<int>(std::floor(std::clamp(ay, -kFar, kFar)));
        const int xe = static_cast<int>(std::floor(std::clamp(bx, -kFar, kFar)));
        const int ye = static_cast<int>(std::floor(std::clamp(by, -kFar, kFar)));
        if (std::max(x, xe) < m_x0 || std::min(x, xe) >= m_x1 || std::max(y, ye) < m_y0 || std::min(y, ye) >= m_y1)
            return;
        const int dx = std::abs(xe - x), dy = -std::abs(ye - y);
        const int sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
        // A second pixel across the line's main direction makes it thicker.
        const bool steep = -dy > dx;
        int err = dx + dy;
        for (;;) {
            for (int t = 0; t < thick; ++t)
                Put(steep ? x + t : x, steep ? y : y + t);
            if (x == xe && y == ye)
                break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }

private:
    void Put(int x, int y)
    {
        if (x >= m_x0 && x < m_x1 && y >= m_y0 && y < m_y1)
            reinterpret_cast<std::uint32_t*>(m_data + static_cast<std::ptrdiff_t>(y) * m_stride)[x] = m_pixel;
    }

    cairo_surface_t* m_surface = nullptr;
    unsigned char* m_data = nullptr;
    int m_stride = 0, m_x0 = 0, m_y0 = 0, m_x1 = 0, m_y1 = 0;
    std::uint32_t m_pixel = 0;
};

// Paints layers. Shapes are gathered into one cairo path per batch and
// filled or stroked at once: a board holds millions of them, and one fill
// per shape would cost far more than building their paths.
class Painter {
public:
    Painter(cairo_t* cr, const cairo_matrix_t& view, const std::vector<cairo_matrix_t>& places)
        : m_cr(cr), m_view(view), m_places(places)
    {
        // The antialiasing rasteriser is slower on large paths than on many
        // small ones; without antialiasing large paths win by far, and in SVG
        // and PDF one path per batch makes a far smaller file.
        const bool raster = cairo_surface_get_type(cairo_get_target(cr)) == CAIRO_SURFACE_TYPE_IMAGE;
        m_nBatchSize = raster && cairo_get_antialias(cr) != CAIRO_ANTIALIAS_NONE ? 1 : 4096;
        m_bPixelLines = raster && cairo_get_antialias(cr) == CAIRO_ANTIALIAS_NONE;
        m_dPixels = std::sqrt(std::fabs(view.xx * view.yy - view.xy * view.yx));
    }

    // The layer with its transparency.
    void PaintLayer(const Layer& layer);
    // The layer's shapes, markers and labels, opaque.
    void PaintContent(const Layer& layer);
    // The area inside the board outline.
    void PaintBoardArea(const Layer& board);
    void Legend(const std::vector<Layer*>& layers, double x, double y);

private:
    void Place(std::int32_t n)
    {
        // Most shapes lie in board coordinates: keep the matrix between them.
        if (n == m_nPlace)
            return;
        m_nPlace = n;
        cairo_set_matrix(m_cr, &m_view);
        if (n >= 0)
            cairo_transform(m_cr, &m_places[static_cast<std::size_t>(n)]);
    }
    // Forgets the matrix after others changed it.
    void Unplace() { m_nPlace = kNoPlace; }
    bool Mirrored(std::int32_t n) const
    {
        if (n < 0)
            return false;
        const cairo_matrix_t& m = m_places[static_cast<std::size_t>(n)];
        return m.xx * m.yy - m.xy * m.yx < 0;
    }
    // Paints the items the filter takes; an outline layer strokes every shape.
    template <class Filter>
    void PaintItems(const Layer& layer, Filter&& take);
    void Add(const Item& item, const Ink& ink);
    // The polyline of a thin trace drawn pixel by pixel, or null.
    const CExPolyline_Path* ThinLine(const Item& item) const;
    // Draws the layer's thin traces into the picture's pixels; false when
    // they are left to cairo.
    bool PaintThinLines(const Layer& layer);
    void Flush();
    void SetColour(const Rgb& c, double alpha) { cairo_set_source_rgba(m_cr, c.r, c.g, c.b, alpha); }
    void PaintLabel(const Label& label);

    cairo_t* m_cr;
    cairo_matrix_t m_view;
    const std::vector<cairo_matrix_t>& m_places;
    // The batch being gathered: shapes of one ink, one width, one handedness.
    Ink m_ink;
    bool m_bMirrored = false;
    int m_nBatch = 0;
    int m_nBatchSize = 1;  // shapes per path at most; bounds its memory too
    double m_dPixels;      // device units per board unit
    bool m_bPixelLines;    // thin traces drawn into the pixels
    static constexpr std::int32_t kNoPlace = -2;
    std::int32_t m_nPlace = kNoPlace;  // the placement the matrix holds
};


void Painter::Add(const Item& item, const Ink& ink)
{
    const bool mirrored = Mirrored(item.nPlace);
    // A mirrored placement turns outlines clockwise: such shapes are not
    // filled together with others. Rings are filled one by one.
    const bool fits = m_nBatch > 0 && m_nBatch < m_nBatchSize && ink.kind == m_ink.kind &&
                      ink.kind != Ink::FillEvenOdd && (ink.kind == Ink::Stroke ? ink.dWidth == m_ink.dWidth
                                                                                : mirrored == m_bMirrored);
    if (!fits)
        Flush();
    m_ink = ink;
    m_bMirrored = mirrored;
    Place(item.nPlace);
    ShapePath path{m_cr, m_dPixels};
    VisitShape(*item.pShape, path);
    ++m_nBatch;
}

void Painter::Flush()
{
    if (m_nBatch == 0)
        return;
    m_nBatch = 0;
    if (m_ink.kind != Ink::Stroke) {
        cairo_set_fill_rule(m_cr, m_ink.kind == Ink::FillEvenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        cairo_fill(m_cr);
        return;
    }
    // Placements neither stretch nor shrink: widths hold in board units.
    Place(-1);
    // At least one device unit wide, so that thin lines stay visible.
    double px = 1.0, py = 0.0;
    cairo_device_to_user_distance(m_cr, &px, &py);
    const double pixel = std::hypot(px, py);
    cairo_set_line_width(m_cr, std::max(m_ink.dWidth, pixel));
    // Round ends and joins cost much and show nothing on lines of a pixel or two.
    const bool thin = m_ink.dWidth < kThinLine * pixel;
    cairo_set_line_cap(m_cr, thin ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(m_cr, thin ? CAIRO_LINE_JOIN_BEVEL : CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(m_cr);
}

template <class Filter>
void Painter::PaintItems(const Layer& layer, Filter&& take)
{
    for (const Item& item : layer.items)
        if (take(item)) {
            Ink ink = InkOf(*item.pShape);
            if (layer.bOutline && ink.kind != Ink::Stroke)
                ink = {Ink::Stroke, 0.0};
            Add(item, ink);
        }
    Flush();
}

const CExPolyline_Path* Painter::ThinLine(const Item& item) const
{
    const auto* line = typeid(*item.pShape) == typeid(CExPolyline_Path)
                           ? static_cast<const CExPolyline_Path*>(item.pShape)
                           : nullptr;
    return line && line->dWidth * m_dPixels < kThinLine ? line : nullptr;
}

bool Painter::PaintThinLines(const Layer& layer)
{
    if (!m_bPixelLines || layer.bOutline)
        return false;
    PixelLines lines;
    if (!lines.Begin(m_cr, layer.colour))
        return false;
    for (const Item& item : layer.items) {
        const CExPolyline_Path* line = item.bPlane ? nullptr : ThinLine(item);
        if (!line)
            continue;
        cairo_matrix_t m = m_view;
        if (item.nPlace >= 0)
            cairo_matrix_multiply(&m, &m_places[static_cast<std::size_t>(item.nPlace)], &m_view);
        const int thick = line->dWidth * m_dPixels < 1.5 ? 1 : 2;
        double px = 0, py = 0;
        bool first = true;
        for (const CExPt& p : line->aXY) {
            double x = p.dX, y = p.dY;
            cairo_matrix_transform_point(&m, &x, &y);
            if (!first)
                lines.Line(px, py, x, y, thick);
            else if (line->aXY.GetSize() == 1)
                lines.Line(x, y, x, y, thick);
            px = x, py = y;
            first = false;
        }
    }
    lines.End();
    return true;
}

void Painter::PaintLabel(const Label& label)
{
    const CExText& t = *label.pText;
    const std::string& s = t.sText.empty() ? t.sTextValue : t.sText;
    if (s.empty())
        return;
    Place(label.nPlace);
    double x = t.ptsPosition[0].dX, y = t.ptsPosition[0].dY;
    const double rad = t.dRotation * kPi / 180.0;
    double dx = std::cos(rad), dy = std::sin(rad), h = t.dHeight, hy = 0.0;
    cairo_user_to_device(m_cr, &x, &y);
    cairo_user_to_device_distance(m_cr, &dx, &dy);
    cairo_user_to_device_distance(m_cr, &h, &hy);
    // Seen from below the board is mirrored, its texts are not: they stay
    // readable, running left to right.
    cairo_matrix_t m;
    cairo_get_matrix(m_cr, &m);
    if (m.xx * m.yy - m.xy * m.yx > 0)
        dx = -dx;
    const double size = std::max(std::hypot(h, hy), 6.0);
    cairo_identity_matrix(m_cr);
    Unplace();
    cairo_translate(m_cr, x, y);
    cairo_rotate(m_cr, std::atan2(dy, dx));
    cairo_set_font_size(m_cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(m_cr, s.c_str(), &ext);
    const std::string hj = ex::ToUpper(t.sHorzJust), vj = ex::ToUpper(t.sVertJust);
    const double ox = hj == "CENTER" ? -ext.width / 2 : hj == "RIGHT" ? -ext.width : 0.0;
    const double oy = vj == "CENTER" ? size / 2 : vj == "TOP" ? size : 0.0;
    cairo_move_to(m_cr, ox, oy);
    cairo_show_text(m_cr, s.c_str());
}

void Painter::PaintBoardArea(const Layer& board)
{
    SetColour(kBoardFill, 1.0);
    for (const Item& item : board.items)
        Add(item, {});
    Flush();
}

void Painter::PaintLayer(const Layer& layer)
{
    if (!layer.bVisible || layer.Empty())
        return;
    const bool group = layer.dAlpha < 1.0;
    if (group)
        cairo_push_group(m_cr);
    PaintContent(layer);
    if (group) {
        cairo_pop_group_to_source(m_cr);
        cairo_paint_with_alpha(m_cr, layer.dAlpha);
    }
}

void Painter::PaintContent(const Layer& layer)
{
    // Planes first and lighter; then areas and pads, then paths: one colour,
    // so the order inside the layer shows nowhere else.
    SetColour(layer.colour, kPlaneAlpha);
    PaintItems(layer, [](const Item& item) { return item.bPlane; });
    SetColour(layer.colour, 1.0);
    PaintItems(layer, [](const Item& item) { return !item.bPlane && InkOf(*item.pShape).kind != Ink::Stroke; });
    const bool pixels = PaintThinLines(layer);
    PaintItems(layer, [this, pixels](const Item& item) {
        return !item.bPlane && InkOf(*item.pShape).kind == Ink::Stroke && !(pixels && ThinLine(item));
    });
    for (const Marker& m : layer.markers) {
        Place(m.nPlace);
        double x = m.x, y = m.y;
        cairo_user_to_device(m_cr, &x, &y);
        cairo_identity_matrix(m_cr);
        Unplace();
        cairo_new_path(m_cr);
        cairo_arc(m_cr, x, y, kMarkerRadius, 0, 2 * kPi);
        cairo_set_line_width(m_cr, 1.5);
        cairo_stroke(m_cr);
    }
    for (const Label& label : layer.labels)
        PaintLabel(label);
}

void Painter::Legend(const std::vector<Layer*>& layers, double x, double y)
{
    cairo_identity_matrix(m_cr);
    Unplace();
    cairo_set_font_size(m_cr, 13.0);
    for (const Layer* l : layers) {
        if (!l->bVisible || l->Empty())
            continue;
        cairo_set_source_rgb(m_cr, l->colour.r, l->colour.g, l->colour.b);
        cairo_rectangle(m_cr, x, y, 14, 14);
        cairo_fill(m_cr);
        cairo_set_source_rgb(m_cr, 0.9, 0.9, 0.9);
        cairo_move_to(m_cr, x + 22, y + 12);
        cairo_show_text(m_cr, l->sName.c_str());
        y += 22;
    }
}

// Line ends, antialiasing and font of every context that paints the board.
void SetUpContext(cairo_t* cr, bool bDense)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // On a board this dense shapes are a pixel or two wide: antialiasing
    // would show little and cost more than loading the design.
    if (bDense)
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
}

// Paints each layer into a picture of its own on every core, then lays them
// onto cr in order, each with its transparency.
void PaintInParallel(cairo_t* cr, const std::vector<const Layer*>& layers, const cairo_matrix_t& view,
                     const std::vector<cairo_matrix_t>& places, int width, int height, double clipWidth, bool bDense,
                     unsigned threads)
{
    std::vector<cairo_surface_t*> surfaces(layers.size(), nullptr);
    // The largest layers first, so that the cores end together.
    std::vector<std::size_t> byCost(layers.size());
    for (std::size_t i = 0; i < byCost.size(); ++i)
        byCost[i] = i;
    std::stable_sort(byCost.begin(), byCost.end(), [&layers](std::size_t a, std::size_t b) {
        return layers[a]->items.size() > layers[b]->items.size();
    });
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t k; (k = next++) < byCost.size();) {
            const std::size_t i = byCost[k];
            cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
            cairo_t* c = cairo_create(surface);
            SetUpContext(c, bDense);
            cairo_rectangle(c, 0, 0, clipWidth, height);
            cairo_clip(c);
            Painter(c, view, places).PaintContent(*layers[i]);
            cairo_destroy(c);
            surfaces[i] = surface;
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
    cairo_identity_matrix(cr);
    for (std::size_t i = 0; i < layers.size(); ++i) {
        cairo_set_source_surface(cr, surfaces[i], 0, 0);
        cairo_paint_with_alpha(cr, layers[i]->dAlpha);
        cairo_surface_destroy(surfaces[i]);
    }
}

// Number of legend rows.
int LegendRows(const std::vector<Layer*>& layers)
{
    return static_cast<int>(std::count_if(layers.begin(), layers.end(),
                                          [](const Layer* l) { return l->bVisible && !l->Empty(); }));
}

} // namespace

ImageFormat FormatOfPath(const std::string& path)
{
    const auto dot = path.rfind('.');
    const std::string ext = dot == std::string::npos ? "" : ex::ToUpper(std::string_view(path).substr(dot + 1));
    if (ext == "SVG")
        return ImageFormat::Svg;
    if (ext == "PNG")
        return ImageFormat::Png;
    if (ext == "PDF")
        return ImageFormat::Pdf;
    throw UsageError{"cannot tell the picture format of " + path + ": name a .svg, .png or .pdf file"};
}

bool RenderDesign(const CExExpedition& root, const RenderOptions& options, std::string& error)
{
    Scene scene(root, options);
    double x0 = 0, y0 = 0, x1 = 100, y1 = 100;
    if (!scene.GetExtents(x0, y0, x1, y1) || x1 <= x0 || y1 <= y0) {
        x0 = std::min(x0, x1), y0 = std::min(y0, y1);
        x1 = std::max(x1, x0 + 1), y1 = std::max(y1, y0 + 1);
    }
    const std::vector<Layer*> order = scene.PaintOrder();
    const double width = options.nWidth;
    const double legend = std::min(kLegendWidth, width / 4);
    const double boardWidth = std::max(width - legend - 2 * kMargin, 8.0);
    double scale = boardWidth / (x1 - x0);
    if ((y1 - y0) * scale + 2 * kMargin > kMaxHeight)
        scale = (kMaxHeight - 2 * kMargin) / (y1 - y0);
    const double height = std::max((y1 - y0) * scale + 2 * kMargin, 2 * kMargin + 22.0 * LegendRows(order));

    // Board coordinates have y up; the bottom view is mirrored left to right.
    cairo_matrix_t view;
    if (options.bBottom)
        cairo_matrix_init(&view, -scale, 0, 0, -scale, kMargin + x1 * scale, kMargin + y1 * scale);
    else
        cairo_matrix_init(&view, scale, 0, 0, -scale, kMargin - x0 * scale, kMargin + y1 * scale);

    const int w = static_cast<int>(std::ceil(width)), h = static_cast<int>(std::ceil(height));
    cairo_surface_t* surface = nullptr;
    switch (options.format) {
    case ImageFormat::Svg: surface = cairo_svg_surface_create(options.sOutput.c_str(), w, h); break;
    case ImageFormat::Pdf: surface = cairo_pdf_surface_create(options.sOutput.c_str(), w, h); break;
    case ImageFormat::Png: surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h); break;
    }
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + options.sOutput + ": " + cairo_status_to_string(cairo_surface_status(surface));
        cairo_surface_destroy(surface);
        return false;
    }
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, kBackground.r, kBackground.g, kBackground.b);
    cairo_paint(cr);
    const double boardPixels = (width - legend) * height;
    const bool dense = static_cast<double>(scene.ShapeCount()) * kDensePixels > boardPixels;
    SetUpContext(cr, dense);

    // Nothing strays into the legend.
    cairo_rectangle(cr, 0, 0, width - legend, height);
    cairo_clip(cr);
    Painter painter(cr, view, scene.places);
    // The board itself, under everything: inside its outline, or its extents.
    if (order.front()->role == LayerRole::Board && !order.front()->items.empty()) {
        painter.PaintBoardArea(*order.front());
    } else {
        cairo_set_source_rgb(cr, kBoardFill.r, kBoardFill.g, kBoardFill.b);
        cairo_set_matrix(cr, &view);
        cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
        cairo_fill(cr);
    }
    std::vector<const Layer*> shown;
    for (const Layer* layer : order)
        if (layer->bVisible && !layer->Empty())
            shown.push_back(layer);
    // Pictures are painted a layer per core when a picture per layer fits
    // in memory; vector formats keep their shapes, in order.
    const unsigned cores = std::min(std::thread::hardware_concurrency(), kMaxThreads);
    const double bytes = 4.0 * w * h * static_cast<double>(shown.size());
    if (options.format == ImageFormat::Png && cores > 1 && shown.size() > 1 && bytes <= kMaxLayerBytes) {
        PaintInParallel(cr, shown, view, scene.places, w, h, width - legend, dense, cores);
    } else {
        for (const Layer* layer : shown)
            painter.PaintLayer(*layer);
    }
    cairo_reset_clip(cr);
    painter.Legend(order, width - legend + kMargin / 2, kMargin);

    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    if (status == CAIRO_STATUS_SUCCESS && options.format == ImageFormat::Png)
        status = cairo_surface_write_to_png(surface, options.sOutput.c_str());
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + options.sOutput + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

} // namespace exload
