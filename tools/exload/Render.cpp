#include "Render.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include "Board.h"
#include "DesignFiles.h"
#include "core/StringOps.h"

namespace exload {


namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMargin = 16.0;        // device units around the board
constexpr double kLegendWidth = 220.0;  // device units right of the board, a quarter at most
constexpr double kMaxHeight = 20000.0;
constexpr double kMaxPixels = 32e6;     // a PNG larger is drawn smaller: with a layer group beside it, 256 MB
constexpr double kMarkerRadius = 3.0;   // device units
constexpr double kPlaneAlpha = 0.35;
constexpr double kTolerance = 0.1;           // device units a flattened curve, or a merged path, may stray
constexpr double kMaxPolygonRadius = 40.0;  // device units
constexpr double kDensePixels = 8.0;  // device pixels per shape below which a board is dense
constexpr double kThinLine = 2.5;  // device units: narrower lines need no joins
constexpr double kSaturation = 16.0;  // lines covering the picture this many times over are drawn a pixel wide
constexpr std::size_t kMaxStrokePoints = 4096;  // points stroked at once: bounds cairo's memory on long paths
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

cairo_matrix_t Matrix(const board::Transform& t) { return {t.xx, t.yx, t.xy, t.yy, t.x0, t.y0}; }

// ---- geometry ------------------------------------------------------------

// The board's shapes as cairo paths. Filled outlines run counter-clockwise,
// so that many shapes filled at once by the nonzero rule never cancel where
// they overlap.
struct ShapePath {
    cairo_t* cr;
    double dPixels = 0.0;  // device units per board unit; 0: unknown
    bool bStroke = false;  // the path is stroked: a long one may be stroked in pieces

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
    void Box(board::Point at, double w, double h) { cairo_rectangle(cr, at.x - w / 2, at.y - h / 2, w, h); }
    // A rectangle whose corners are cut by c (octagons, chamfered rectangles).
    void Chamfered(board::Point at, double w, double h, double c)
    {
        c = std::clamp(c, 0.0, std::min(w, h) / 2);
        const double x = w / 2, y = h / 2;
        const board::Point corners[] = {{-x + c, -y}, {x - c, -y}, {x, -y + c}, {x, y - c},
                                        {x - c, y},   {-x + c, y}, {-x, y - c}, {-x, -y + c}};
        for (const board::Point& p : corners)
            cairo_line_to(cr, at.x + p.x, at.y + p.y);
        cairo_close_path(cr);
    }
    void Rounded(board::Point at, double w, double h, double r)
    {
        r = std::clamp(r, 0.0, std::min(w, h) / 2);
        const double x = w / 2 - r, y = h / 2 - r;
        cairo_new_sub_path(cr);
        cairo_arc(cr, at.x + x, at.y - y, r, -kPi / 2, 0);
        cairo_arc(cr, at.x + x, at.y + y, r, 0, kPi / 2);
        cairo_arc(cr, at.x - x, at.y + y, r, kPi / 2, kPi);
        cairo_arc(cr, at.x - x, at.y - y, r, kPi, 3 * kPi / 2);
        cairo_close_path(cr);
    }
    // Four copper arcs between tie-leg gaps at 45, 135, 225 and 315 degrees.
    void Thermal(const board::Shape& s)
    {
        const double outer = s.w / 2, inner = s.r / 2;
        if (outer <= 0)
            return;
        const double gap = std::min(s.tie / outer, kPi / 4);  // half-gap angle, roughly
        for (int q = 0; q < 4; ++q) {
            const double from = kPi / 4 + q * kPi / 2 + gap / 2, to = from + kPi / 2 - gap;
            cairo_new_sub_path(cr);
            cairo_arc(cr, s.at.x, s.at.y, outer, from, to);
            cairo_arc_negative(cr, s.at.x, s.at.y, std::max(inner, 0.0), to, from);
            cairo_close_path(cr);
        }
    }
    void Arc(const board::Vertex& a, const board::Vertex& b)
    {
        const board::Arc arc = board::ArcBetween({a.x, a.y}, {b.x, b.y}, b.r);
        if (arc.bStraight)
            cairo_line_to(cr, b.x, b.y);
        else if (arc.bCounterClockwise)
            cairo_arc(cr, arc.centre.x, arc.centre.y, arc.dRadius, arc.dFrom, arc.dTo);
        else
            cairo_arc_negative(cr, arc.centre.x, arc.centre.y, arc.dRadius, arc.dFrom, arc.dTo);
    }
    // Points closer than a fraction of a device unit to the last one drawn
    // are passed over; long paths are stroked a piece at a time.
    void Points(const board::Shape& s, bool stroke)
    {
        const std::span<const board::Vertex> pts = s.Points();
        if (pts.empty())
            return;
        const double merge = dPixels > 0 ? kTolerance / dPixels : 0.0;
        const board::Vertex* prev = nullptr;
        std::size_t n = 0;
        board::MergeClose(pts, merge, [&](const board::Vertex& p) {
            if (!prev)
                cairo_move_to(cr, p.x, p.y);
            else if (s.bArcs)
                Arc(*prev, p);
            else
                cairo_line_to(cr, p.x, p.y);
            if (stroke && bStroke && ++n % kMaxStrokePoints == 0) {
                cairo_stroke(cr);
                cairo_move_to(cr, p.x, p.y);
            }
            prev = &p;
        });
    }

    void operator()(const board::Shape& s)
    {
        using board::Kind;
        switch (s.kind) {
        case Kind::Circle: Circle(s.at.x, s.at.y, s.w / 2); break;
        case Kind::Rect: Box(s.at, s.w, s.h); break;
        case Kind::Oblong: Rounded(s.at, s.w, s.h, std::min(s.w, s.h) / 2); break;
        case Kind::RoundRect: Rounded(s.at, s.w, s.h, s.r); break;
        case Kind::ChamferRect: Chamfered(s.at, s.w, s.h, s.r); break;
        // Rings: the inner part is cut out by the even-odd rule.
        case Kind::Ring:
            Circle(s.at.x, s.at.y, s.w / 2);
            if (s.r > 0 && s.r < s.w)
                Circle(s.at.x, s.at.y, s.r / 2);
            break;
        case Kind::SquareRing:
            Box(s.at, s.w, s.w);
            if (s.r > 0)
                Box(s.at, s.r, s.r);
            break;
        case Kind::Thermal: Thermal(s); break;
        case Kind::Path: Points(s, true); break;
        case Kind::Polygon:
            Points(s, false);
            cairo_close_path(cr);
            break;
        }
    }
};

// How a shape is painted: lines are stroked, rings filled by the even-odd
// rule, everything else by the nonzero rule.
struct Ink {
    enum Kind { Fill, FillEvenOdd, Stroke } kind = Fill;
    double dWidth = 0.0;
};

Ink InkOf(const board::Shape& s)
{
    if (s.bLine)
        return {Ink::Stroke, s.width};
    if (s.kind == board::Kind::Ring || s.kind == board::Kind::SquareRing)
        return {Ink::FillEvenOdd, 0.0};
    return {};
}

// Where a text starts along its run from its anchor, and where its baseline
// lies from it, upwards, by its justification.
double RunStart(board::HAlign a, double width)
{
    return a == board::HAlign::Centre ? -width / 2 : a == board::HAlign::Right ? -width : 0.0;
}
double BaselineUp(board::VAlign a, double height)
{
    return a == board::VAlign::Centre ? -height / 2 : a == board::VAlign::Top ? -height : 0.0;
}

// ---- the scene -----------------------------------------------------------

// A shape under a placement (index into Scene::places; -1: board coordinates).
struct Item {
    const board::Shape* pShape;
    std::int32_t nPlace;
    bool bPlane = false;  // plane copper: lighter, so that what lies under it shows
};
struct Label {
    const board::Text* pText;
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

// The board sorted into the layers of the picture.
class Scene {
public:
    Scene(const board::Board& board, const RenderOptions& options);

    // The layers in paint order, the side looked at last.
    std::vector<Layer*> PaintOrder();
    std::vector<cairo_matrix_t> places;
    // Shapes, a path counting as one per segment.
    std::size_t ShapeCount() const
    {
        std::size_t n = 0;
        for (const auto& l : m_layers)
            for (const Item& item : l->items)
                n += item.pShape->kind == board::Kind::Path && item.pShape->nPoints > 2 ? item.pShape->nPoints - 1 : 1;
        return n;
    }
    // Extents of everything drawn, texts included.
    bool GetExtents(double& x0, double& y0, double& x1, double& y1);

private:
    std::int32_t AddPlace(const board::Transform& t)
    {
        places.push_back(Matrix(t));
        return static_cast<std::int32_t>(places.size() - 1);
    }
    Layer& Role(LayerRole role);
    Layer& Copper(std::int32_t boardLayer) { return *m_copper[static_cast<std::size_t>(boardLayer)]; }
    // A padstack at a pin: its top and bottom pads on their layers, its hole
    // in the drill layer, or a marker when it or a pad is not in the library.
    void AddPadstack(const board::Pad& pad, const board::Transform& pin);
    void AddShapes(Layer& layer, std::span<const board::Shape> shapes, std::int32_t place, bool bPlane = false);
    void Finish(const RenderOptions& options);

    const board::Board& m_board;
    std::vector<std::unique_ptr<Layer>> m_layers;
    std::vector<Layer*> m_copper;  // by board layer index; null for other layers
    bool m_bBottom;
};

Scene::Scene(const board::Board& b, const RenderOptions& options) : m_board(b), m_bBottom(options.bBottom)
{
    using board::Role;
    for (const RoleInfo& r : kRoles)
        this->Role(r.role);
    m_copper.resize(b.layers.size(), nullptr);
    for (const std::int32_t i : b.copper) {
        const board::Layer& bl = b.layers[static_cast<std::size_t>(i)];
        auto layer = std::make_unique<Layer>();
        layer->role = LayerRole::Conductive;
        layer->sKey = bl.sKey;
        layer->sName = bl.sName.empty() ? "layer " + bl.sKey : bl.sName + " (" + bl.sKey + ")";
        layer->dAlpha = 0.85;
        layer->nNumber = bl.nNumber;
        m_copper[static_cast<std::size_t>(i)] = layer.get();
        m_layers.push_back(std::move(layer));
    }
    // Each footprint's frame, at its own index; pads and holes take places
    // of their own after them.
    for (const board::Footprint& fp : b.footprints)
        AddPlace(fp.place);

    const board::Side seen = m_bBottom ? board::Side::Bottom : board::Side::Top;
    for (const board::Item& g : b.graphics) {
        const board::Layer& l = b.layers[static_cast<std::size_t>(g.nLayer)];
        Layer* layer = l.role == Role::BoardOutline                        ? &this->Role(LayerRole::Board)
                       : l.role == Role::RouteOutline                      ? &this->Role(LayerRole::RouteOutline)
                       : l.role == Role::Silkscreen && l.side == seen      ? &this->Role(LayerRole::Silkscreen)
                       : l.role == Role::Placement                         ? &this->Role(LayerRole::Placement)
                                                                           : nullptr;
        if (layer)
            layer->items.push_back({&g.shape, g.nFootprint});
    }
    // Planes show their computed copper when the design holds it: its
    // areas less its voids, with the tie legs across them.
    for (const board::Zone& z : b.zones) {
        AddShapes(Copper(z.nLayer), b.Shapes(z.fill.nCount ? z.fill : z.outline), -1, z.bPlane);
        AddShapes(Copper(z.nLayer), b.Shapes(z.ties), -1, z.bPlane);
    }
    for (const board::Item& t : b.tracks)
        Copper(t.nLayer).items.push_back({&t.shape, -1});
    for (const board::Pad& via : b.vias)
        AddPadstack(via, via.at);
    for (const board::Pad& pad : b.pads)
        AddPadstack(pad, b.PinOnBoard(pad));
    for (const board::Text& t : b.texts) {
        const Role role = b.layers[static_cast<std::size_t>(t.nLayer)].role;
        if (role != Role::Assembly && role != Role::Dimension)
            this->Role(LayerRole::Text).labels.push_back({&t, t.nFootprint});
    }
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

void Scene::AddShapes(Layer& layer, std::span<const board::Shape> shapes, std::int32_t place, bool bPlane)
{
    for (const board::Shape& s : shapes)
        layer.items.push_back({&s, place, bPlane});
}

void Scene::AddPadstack(const board::Pad& pad, const board::Transform& pin)
{
    const std::int32_t place = AddPlace(pin);
    bool found = pad.nPadstack >= 0;
    if (found) {
        const board::Padstack& ps = m_board.padstacks[static_cast<std::size_t>(pad.nPadstack)];
        found = ps.bPadsFound && (ps.nTopPad >= 0 || ps.nBottomPad >= 0 || ps.nHole >= 0);
        auto copper = [&](std::int32_t def, std::int32_t layer) {
            if (def < 0)
                return;
            const board::PadDef& d = m_board.padDefs[static_cast<std::size_t>(def)];
            const bool moved = d.offset.x != 0 || d.offset.y != 0;
            AddShapes(Copper(layer), m_board.Shapes(d.shapes), moved ? AddPlace(board::Board::PadAt(pin, d)) : place);
        };
        copper(ps.nTopPad, pad.nTopLayer);
        copper(ps.nBottomPad, pad.nBottomLayer);
        if (ps.nHole >= 0)
            Role(LayerRole::Drill).items.push_back({&m_board.holes[static_cast<std::size_t>(ps.nHole)].shape, place});
    }
    if (!found)
        Role(LayerRole::Missing).markers.push_back({0.0, 0.0, place});
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
    auto matches = [](const Layer& l, const std::string& want) {
        const std::string upper = ex::ToUpper(want);
        return want == l.sKey || ex::ToUpper(l.sName) == upper || ex::StartsWithNoCase(l.sName, upper + " (");
    };
    for (const std::string& want : options.saLayers)
        if (std::none_of(m_layers.begin(), m_layers.end(), [&](const auto& l) { return matches(*l, want); })) {
            std::string names;
            for (const Layer* l : copper)
                names += l->sName + ", ";
            for (const RoleInfo& r : kRoles)
                names += r.key + std::string(&r == &kRoles[std::size(kRoles) - 1] ? "" : ", ");
            throw UsageError{"no layer " + want + " in this design; the layers are " + names};
        }
    for (auto& l : m_layers) {
        l->bVisible = l->role == LayerRole::Board;  // the outline always, for orientation
        for (const std::string& want : options.saLayers)
            l->bVisible = l->bVisible || matches(*l, want);
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

bool Scene::GetExtents(double& x0, double& y0, double& x1, double& y1)
{
    board::Bounds all;
    auto placed = [this](const board::Bounds& b, std::int32_t place) {
        if (place < 0)
            return b;
        const cairo_matrix_t& m = places[static_cast<std::size_t>(place)];
        return b.Placed({m.xx, m.yx, m.xy, m.yy, m.x0, m.y0});
    };
    // Texts by the font's own proportions, measured large: the font rounds
    // its advances to whole units. The face is one of its own: measuring
    // with the face that paints would change how cairo hints its glyphs.
    constexpr double kMeasureSize = 1000.0;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kMeasureSize);
    // A text's advance is that of its characters, kerning aside: each ASCII
    // character is measured once, other texts whole.
    std::array<double, 128> ascii;
    ascii.fill(-1.0);
    auto advance = [&](std::string_view text) {
        double sum = 0.0;
        for (const char c : text) {
            const auto u = static_cast<unsigned char>(c);
            if (u >= ascii.size() || u == 0) {
                const std::string whole(text);
                cairo_text_extents_t ext;
                cairo_text_extents(cr, whole.c_str(), &ext);
                return ext.x_advance;
            }
            if (ascii[u] < 0) {
                const char one[2] = {c, '\0'};
                cairo_text_extents_t ext;
                cairo_text_extents(cr, one, &ext);
                ascii[u] = ext.x_advance;
            }
            sum += ascii[u];
        }
        return sum;
    };
    // The view without its scale: y up on the board is up in the picture,
    // and seen from below x turns round.
    const double vx = m_bBottom ? -1.0 : 1.0;
    for (const auto& l : m_layers) {
        for (const Item& item : l->items)
            all.Add(placed(board::ShapeBounds(*item.pShape), item.nPlace));
        for (const Marker& m : l->markers)
            all.Add(placed(board::Bounds{m.x, m.y, m.x, m.y}, m.nPlace));
        for (const Label& label : l->labels) {
            const board::Text& t = *label.pText;
            if (t.sText.empty())
                continue;
            board::Transform place;
            if (label.nPlace >= 0) {
                const cairo_matrix_t& m = places[static_cast<std::size_t>(label.nPlace)];
                place = {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
            }
            // As the label is painted: running along its direction in the
            // picture, turned round where the picture is mirrored, upright.
            const double rad = t.dRotation * kPi / 180.0;
            board::Point u = place.ApplyVector({std::cos(rad), std::sin(rad)});
            u.x *= vx, u.y *= -1;
            if (place.Mirrored() != m_bBottom)
                u.x = -u.x;
            const board::Point n{u.y, -u.x};  // up on the page
            const board::Point run{u.x * vx, -u.y}, up{n.x * vx, -n.y};
            const double h = t.dHeight, w = advance(t.sText) / kMeasureSize * h;
            const double ox = RunStart(t.horizontal, w), oy = BaselineUp(t.vertical, h);
            const board::Point at = place.Apply(t.at);
            for (const double a : {ox, ox + w})
                for (const double b : {oy - 0.25 * h, oy + h})
                    all.Add(board::Point{at.x + run.x * a + up.x * b, at.y + run.y * a + up.y * b});
        }
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    if (all.Empty())
        return false;
    x0 = all.x0, y0 = all.y0, x1 = all.x1, y1 = all.y1;
    return true;
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
        if (raster)
            m_dArea = static_cast<double>(cairo_image_surface_get_width(cairo_get_target(cr))) *
                      cairo_image_surface_get_height(cairo_get_target(cr));
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
    // The path of a thin trace drawn pixel by pixel, or null.
    const board::Shape* ThinLine(const Item& item) const;
    // Whether the layer's lines would cover its picture many times over:
    // drawn a pixel wide they show the same at a fraction of the cost.
    bool Saturated(const Layer& layer) const;
    // Draws the layer's thin traces into the picture's pixels; false when
    // they are left to cairo.
    bool PaintThinLines(const Layer& layer);
    void Flush();
    // Line width, ends and joins for a batch of lines.
    void SetStroke(double width);
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
    bool m_bSaturated = false;  // every trace of the layer drawn into the pixels, a pixel wide
    double m_dArea = 0.0;  // device pixels of the picture
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
    if (!fits) {
        Flush();
        if (ink.kind == Ink::Stroke)
            SetStroke(ink.dWidth);
    }
    m_ink = ink;
    m_bMirrored = mirrored;
    Place(item.nPlace);
    ShapePath{m_cr, m_dPixels, ink.kind == Ink::Stroke}(*item.pShape);
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
    // Lines are written in board coordinates, whatever placement came last.
    Place(-1);
    cairo_stroke(m_cr);
}

void Painter::SetStroke(double width)
{
    // Placements neither stretch nor shrink: a width holds in board units
    // under any of them. At least one device unit wide, so that thin lines
    // stay visible.
    const double pixel = 1.0 / m_dPixels;
    cairo_set_line_width(m_cr, std::max(width, pixel));
    // Round ends and joins cost much and show nothing on lines of a pixel or two.
    const bool thin = width < kThinLine * pixel;
    cairo_set_line_cap(m_cr, thin ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(m_cr, thin ? CAIRO_LINE_JOIN_BEVEL : CAIRO_LINE_JOIN_ROUND);
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

const board::Shape* Painter::ThinLine(const Item& item) const
{
    const board::Shape& s = *item.pShape;
    return s.kind == board::Kind::Path && !s.bArcs && (m_bSaturated || s.width * m_dPixels < kThinLine) ? &s : nullptr;
}

bool Painter::Saturated(const Layer& layer) const
{
    const double limit = kSaturation * m_dArea;
    double ink = 0.0;  // device pixels
    for (const Item& item : layer.items) {
        const board::Shape& s = *item.pShape;
        if (item.bPlane || s.kind != board::Kind::Path)
            continue;
        const std::span<const board::Vertex> pts = s.Points();
        double length = 0.0;
        for (std::size_t i = 1; i < pts.size(); ++i)
            length += std::sqrt((pts[i].x - pts[i - 1].x) * (pts[i].x - pts[i - 1].x) +
                                (pts[i].y - pts[i - 1].y) * (pts[i].y - pts[i - 1].y));
        ink += length * m_dPixels * std::max(s.width * m_dPixels, 1.0);
        if (ink > limit)
            return true;
    }
    return false;
}

bool Painter::PaintThinLines(const Layer& layer)
{
    if (!m_bPixelLines || layer.bOutline)
        return false;
    PixelLines lines;
    if (!lines.Begin(m_cr, layer.colour))
        return false;
    for (const Item& item : layer.items) {
        const board::Shape* line = item.bPlane ? nullptr : ThinLine(item);
        if (!line)
            continue;
        cairo_matrix_t m = m_view;
        if (item.nPlace >= 0)
            cairo_matrix_multiply(&m, &m_places[static_cast<std::size_t>(item.nPlace)], &m_view);
        const int thick = m_bSaturated || line->width * m_dPixels < 1.5 ? 1 : 2;
        const std::span<const board::Vertex> pts = line->Points();
        double px = 0, py = 0;
        bool first = true;
        board::MergeClose(pts, kTolerance / m_dPixels, [&](const board::Vertex& p) {
            double x = p.x, y = p.y;
            cairo_matrix_transform_point(&m, &x, &y);
            if (!first)
                lines.Line(px, py, x, y, thick);
            else if (pts.size() == 1)
                lines.Line(x, y, x, y, thick);
            px = x, py = y;
            first = false;
        });
    }
    lines.End();
    return true;
}

void Painter::PaintLabel(const Label& label)
{
    const board::Text& t = *label.pText;
    if (t.sText.empty())
        return;
    const std::string s(t.sText);
    Place(label.nPlace);
    double x = t.at.x, y = t.at.y;
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
    const double ox = RunStart(t.horizontal, ext.width), oy = -BaselineUp(t.vertical, size);
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
    auto area = [](const Item& item) { return item.bPlane && !item.pShape->bVoid && !item.pShape->bLine; };
    auto cut = [](const Item& item) { return item.bPlane && item.pShape->bVoid; };
    if (cairo_surface_get_type(cairo_get_group_target(m_cr)) == CAIRO_SURFACE_TYPE_IMAGE) {
        PaintItems(layer, area);
        // The voids are cut out of the planes alone: nothing else is painted yet.
        cairo_set_operator(m_cr, CAIRO_OPERATOR_CLEAR);
        PaintItems(layer, cut);
        // Tie legs: plane copper again where they cross the plane, not twice as dark.
        cairo_set_operator(m_cr, CAIRO_OPERATOR_SOURCE);
    } else {
        // Vector pictures have no operator that cuts: the areas and their voids
        // make one path filled even-odd (where two voids overlap, their common
        // part shows as copper).
        cairo_new_path(m_cr);
        for (const Item& item : layer.items)
            if (area(item) || cut(item)) {
                Place(item.nPlace);
                ShapePath{m_cr, m_dPixels, false}(*item.pShape);
            }
        cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(m_cr);
    }
    PaintItems(layer, [](const Item& item) { return item.bPlane && !item.pShape->bVoid && item.pShape->bLine; });
    cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
    SetColour(layer.colour, 1.0);
    PaintItems(layer, [](const Item& item) {
        return !item.bPlane && !item.pShape->bVoid && InkOf(*item.pShape).kind != Ink::Stroke;
    });
    m_bSaturated = m_bPixelLines && !layer.bOutline && Saturated(layer);
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
    const board::Board board(root);
    const std::string leftOut = board.leftOut.Describe();
    if (!leftOut.empty())
        std::fprintf(stderr, "exload: %s\n", leftOut.c_str());
    Scene scene(board, options);
    double x0 = 0, y0 = 0, x1 = 100, y1 = 100;
    if (!scene.GetExtents(x0, y0, x1, y1) || x1 <= x0 || y1 <= y0) {
        x0 = std::min(x0, x1), y0 = std::min(y0, y1);
        x1 = std::max(x1, x0 + 1), y1 = std::max(y1, y0 + 1);
    }
    const std::vector<Layer*> order = scene.PaintOrder();
    double width = options.nWidth, legend = 0, scale = 0, height = 0;
    auto frame = [&] {
        legend = std::min(kLegendWidth, width / 4);
        const double boardWidth = std::max(width - legend - 2 * kMargin, 8.0);
        scale = boardWidth / (x1 - x0);
        if ((y1 - y0) * scale + 2 * kMargin > kMaxHeight)
            scale = (kMaxHeight - 2 * kMargin) / (y1 - y0);
        height = std::max((y1 - y0) * scale + 2 * kMargin, 2 * kMargin + 22.0 * LegendRows(order));
    };
    frame();
    // A picture in memory is kept to a bounded size.
    if (options.format == ImageFormat::Png && std::ceil(width) * std::ceil(height) > kMaxPixels) {
        const int asked = static_cast<int>(std::ceil(width)), askedHeight = static_cast<int>(std::ceil(height));
        while (std::ceil(width) * std::ceil(height) > kMaxPixels && width > 16) {
            width = std::floor(width * std::min(std::sqrt(kMaxPixels / (std::ceil(width) * std::ceil(height))), 0.99));
            frame();
        }
        std::fprintf(stderr, "exload: a picture of %d x %d pixels is too large; drawing it %d x %d\n", asked,
                     askedHeight, static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
    }

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

    // A failure to draw is told apart from one to write the file.
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    cairo_status_t status = CAIRO_STATUS_SUCCESS;
    if (drawn == CAIRO_STATUS_SUCCESS && options.format == ImageFormat::Png)
        status = cairo_surface_write_to_png(surface, options.sOutput.c_str());
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (drawn != CAIRO_STATUS_SUCCESS) {
        error = std::string("cannot draw the board: ") + cairo_status_to_string(drawn);
        return false;
    }
    if (status != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + options.sOutput + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

} // namespace exload
