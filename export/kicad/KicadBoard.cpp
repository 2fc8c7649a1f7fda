#include "KicadBoard.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <thread>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "Rings.h"
#include "SExpression.h"
#include "core/StringOps.h"

namespace kicad {

namespace {

using board::Board;
using board::Kind;
using board::Point;
using board::Role;
using board::Side;
using board::Transform;

// Kinds of object that get a time stamp, each counting its own.
enum Stamped : std::uint32_t { kFootprint = 1, kPad, kFootprintText, kFootprintGraphic, kZone, kText, kGraphic, kVia };

constexpr double kPi = std::numbers::pi;
constexpr double kMarginMm = 10.0;  // around the board on its page
constexpr double kOutlineWidthMm = 0.1;
constexpr double kAnchorMm = 0.01;  // the anchor of a custom pad, within its copper
constexpr std::uint32_t kHeavyZone = 64;  // shapes of a zone worth working out on another core

struct LossName {
    const char* one;
    const char* many;
};
constexpr LossName kLossNames[] = {
    {"pin without a padstack skipped", "pins without a padstack skipped"},
    {"pin whose padstack has no pad or hole skipped", "pins whose padstack has no pad or hole skipped"},
    {"via without a padstack, pad or hole skipped", "vias without a padstack, pad or hole skipped"},
    {"via with a pad that is not round written round", "vias with a pad that is not round written round"},
    {"pad with other shapes on other layers written with its mount side's shape",
     "pads with other shapes on other layers written with their mount side's shape"},
    {"trace of a single point skipped", "traces of a single point skipped"},
    {"trace drawn as an area skipped", "traces drawn as areas skipped"},
    {"zone without an area skipped", "zones without an area skipped"},
    {"keepout without an area skipped", "keepouts without an area skipped"},
    {"dimension line or text written as a drawing", "dimension lines and texts written as drawings"},
    {"graphic of a tenth or later user layer written on Dwgs.User",
     "graphics of a tenth or later user layer written on Dwgs.User"},
    {"copper layer past the 32nd merged into In30.Cu", "copper layers past the 32nd merged into In30.Cu"},
    {"text without characters skipped", "texts without characters skipped"},
    {"net with a track width of its own written with its class's",
     "nets with a track width of their own written with their class's"},
};
static_assert(std::size(kLossNames) == static_cast<std::size_t>(Loss::Count));

// The layers of the file other than copper, as KiCad lists them.
struct FixedLayer {
    int id;
    const char* name;
    const char* userName;  // null: none
};
constexpr FixedLayer kFixedLayers[] = {
    {32, "B.Adhes", "B.Adhesive"}, {33, "F.Adhes", "F.Adhesive"},  {34, "B.Paste", nullptr},
    {35, "F.Paste", nullptr},      {36, "B.SilkS", "B.Silkscreen"}, {37, "F.SilkS", "F.Silkscreen"},
    {38, "B.Mask", nullptr},       {39, "F.Mask", nullptr},         {40, "Dwgs.User", "User.Drawings"},
    {41, "Cmts.User", "User.Comments"}, {42, "Eco1.User", "User.Eco1"}, {43, "Eco2.User", "User.Eco2"},
    {44, "Edge.Cuts", nullptr},    {45, "Margin", nullptr},         {46, "B.CrtYd", "B.Courtyard"},
    {47, "F.CrtYd", "F.Courtyard"}, {48, "B.Fab", nullptr},         {49, "F.Fab", nullptr},
};
constexpr int kFirstUserLayer = 50;  // User.1 to User.9
constexpr int kUserLayers = 9;

// The file's layer for a board layer of each role, by side (top, bottom).
struct RoleLayer {
    Role role;
    const char* top;
    const char* bottom;
};
constexpr RoleLayer kRoleLayers[] = {
    {Role::BoardOutline, "Edge.Cuts", "Edge.Cuts"}, {Role::RouteOutline, "Margin", "Margin"},
    {Role::Silkscreen, "F.SilkS", "B.SilkS"},       {Role::SolderMask, "F.Mask", "B.Mask"},
    {Role::SolderPaste, "F.Paste", "B.Paste"},      {Role::Assembly, "F.Fab", "B.Fab"},
    {Role::Placement, "F.CrtYd", "B.CrtYd"},        {Role::Drill, "Dwgs.User", "Dwgs.User"},
    {Role::Dimension, "Cmts.User", "Cmts.User"},
};

// Words of an obstruct's keyword value and what they keep out.
struct KeepoutWord {
    const char* word;
    bool tracks, vias, pads, pour, footprints;
};
constexpr KeepoutWord kKeepoutWords[] = {
    {"VIA", false, true, false, false, false},     {"ROUTE", true, true, false, false, false},
    {"TRACE", true, true, false, false, false},    {"PLANE", false, false, false, true, false},
    {"POUR", false, false, false, true, false},    {"AREA", false, false, false, true, false},
    {"PLACE", false, false, false, false, true},   {"COMPONENT", false, false, false, false, true},
};

std::string Mm(double v)
{
    std::string s = std::to_string(std::round(v * 1000) / 1000);
    s.erase(s.find_last_not_of('0') + 1);
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

double Normalised(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    if (degrees <= -180.0)
        degrees += 360.0;
    else if (degrees > 180.0)
        degrees -= 360.0;
    return degrees == 0.0 ? 0.0 : degrees;  // no "-0"
}

double AngleOf(Point v) { return Normalised(std::atan2(v.y, v.x) * 180.0 / kPi); }

// Calls piece(a, b, mid) for each piece of a path: mid is null for a
// straight one, else the middle of its arc.
template <class Piece>
void EachPiece(const board::Shape& s, Piece&& piece)
{
    const auto pts = s.Points();
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const Point a{pts[i - 1].x, pts[i - 1].y}, b{pts[i].x, pts[i].y};
        const board::Arc arc = s.bArcs ? board::ArcBetween(a, b, pts[i].r) : board::Arc{};
        if (arc.bStraight) {
            piece(a, b, nullptr, i);
        } else {
            const Point mid = arc.At(arc.dFrom + arc.Sweep() / 2);
            piece(a, b, &mid, i);
        }
    }
}

bool SameShapes(const Board& b, std::int32_t d1, std::int32_t d2)
{
    if (d1 < 0 || d2 < 0 || d1 == d2)
        return true;
    const auto a = b.Shapes(b.padDefs[static_cast<std::size_t>(d1)].shapes);
    const auto c = b.Shapes(b.padDefs[static_cast<std::size_t>(d2)].shapes);
    if (a.size() != c.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != c[i].kind || a[i].w != c[i].w || a[i].h != c[i].h || a[i].r != c[i].r ||
            a[i].at.x != c[i].at.x || a[i].at.y != c[i].at.y || a[i].nPoints != c[i].nPoints)
            return false;
    return true;
}

// Pad diameter and drill of a padstack as a via; nullopt when it has none.
struct ViaSize {
    double diameter = 0, drill = 0;
    bool round = true;
};
std::optional<ViaSize> ViaOf(const Board& m_b, std::int32_t padstack)
{
    if (padstack < 0)
        return std::nullopt;
    const board::Padstack& ps = m_b.padstacks[static_cast<std::size_t>(padstack)];
    const std::int32_t def = ps.nTopPad >= 0 ? ps.nTopPad : ps.nBottomPad >= 0 ? ps.nBottomPad : ps.nInnerPad;
    if (def < 0 || ps.nHole < 0)
        return std::nullopt;
    const auto shapes = m_b.Shapes(m_b.padDefs[static_cast<std::size_t>(def)].shapes);
    if (shapes.empty())
        return std::nullopt;
    ViaSize v;
    board::Bounds box;
    for (const board::Shape& sh : shapes)
        box.Add(board::ShapeBounds(sh));
    v.diameter = std::max(box.x1 - box.x0, box.y1 - box.y0);
    v.round = shapes.size() == 1 && shapes[0].kind == Kind::Circle && !shapes[0].bLine;
    const board::Shape& hole = m_b.holes[static_cast<std::size_t>(ps.nHole)].shape;
    v.drill = std::min(hole.w, hole.kind == Kind::Circle ? hole.w : std::max(hole.w, hole.h));
    if (!(v.drill > 0) || !(v.diameter > 0))
        return std::nullopt;
    return v;
}

class Writer {
public:
    Writer(const Board& b, std::FILE* out, Losses& losses) : m_b(b), m_out(out), m_losses(losses) {}
    void Write();

private:
    // ---- coordinates: the board moved onto the page, y down
    double X(double x) const { return x + m_ox; }
    double Y(double y) const { return m_oy - y; }
    SExpression& At(Point p) { return m_out.Pair(SExpression::ToNm(X(p.x)), SExpression::ToNm(Y(p.y))); }
    // A point of a footprint's frame in the file's frame of that footprint.
    static Point Local(const board::Footprint& fp, Point p) { return fp.bBottom ? p : Point{p.x, -p.y}; }
    SExpression& Xy(Point p, const board::Footprint* fp)
    {
        if (fp) {
            const Point q = Local(*fp, p);
            return m_out.Pair(SExpression::ToNm(q.x), SExpression::ToNm(q.y));
        }
        return At(p);
    }
    void Pts(const Ring& ring, const board::Footprint* fp);

    // ---- layers
    void MapLayers();
    void WriteLayers();
    const std::string& LayerName(std::int32_t layer) const { return m_names[static_cast<std::size_t>(layer)]; }
    std::string CopperName(std::size_t ordinal) const;

    // ---- items
    void WriteNets();
    void WriteFootprint(std::size_t index);
    void WritePad(const board::Footprint& fp, std::size_t index);
    void WriteGraphic(const board::Item& g, const board::Footprint* fp, std::uint64_t stamp);
    // A text of the board (kind null) or of a footprint; `fallback` is its
    // layer when the text names none.
    void WriteText(const board::Text& t, const board::Footprint* fp, const char* kind, std::string_view text,
                   bool hidden, const std::string& fallback, std::uint64_t stamp);
    void WriteTrack(const board::Item& t);
    void WriteVia(const board::Pad& v, std::size_t index);
    // A zone's outlines and copper, as the file's polygons need them.
    struct ZoneRings {
        std::vector<Ring> outlines, fill;
    };
    ZoneRings RingsOf(const board::Zone& z) const;
    void WriteZone(const board::Zone& z, std::size_t index, ZoneRings rings);
    void WriteKeepout(const board::Keepout& k, std::size_t index);
    void ZoneHead(std::int32_t net, const std::string& layers, std::uint64_t stamp);

    void Lose(Loss kind, std::string item) { m_losses.Add(kind, std::move(item)); }
    std::string Where(Point p) const { return "at (" + Mm(p.x) + ", " + Mm(p.y) + ")"; }

    const Board& m_b;
    SExpression m_out;
    Losses& m_losses;
    double m_ox = 0, m_oy = 0;           // board to page
    double m_pageW = 297, m_pageH = 210;
    std::vector<std::string> m_names;    // by board layer: the file's layer name
    std::vector<std::string> m_quoted;   // and in quotes
    std::vector<std::string> m_copper;   // copper layers in order: "F.Cu", "In1.Cu", ..., "B.Cu"
    std::vector<std::pair<int, std::string>> m_userLayers;  // User.N in use and their names
    std::uint64_t m_stamps[16] = {};
    std::string m_tail;  // of a track's pieces
    std::uint64_t Next(Stamped kind) { return m_stamps[kind]++; }
};

void Writer::Pts(const Ring& ring, const board::Footprint* fp)
{
    // Ring points are on the board's axes, counter-clockwise: turned the other
    // way round, they run as the file wants them once y points down.
    m_out << "(pts";
    int n = 0;
    for (auto it = ring.rbegin(); it != ring.rend(); ++it) {
        m_out << (n++ % 4 == 0 ? "\n        " : " ") << "(xy ";
        if (fp)
            m_out.Pair(it->x, it->y);
        else
            m_out.Pair(it->x + SExpression::ToNm(m_ox), SExpression::ToNm(m_oy) - it->y);
        m_out << ')';
    }
    m_out << ")";
}

std::string Writer::CopperName(std::size_t ordinal) const
{
    const std::size_t n = m_b.copper.size();
    if (ordinal == 0)
        return "F.Cu";
    if (ordinal + 1 == n)
        return "B.Cu";
    return "In" + std::to_string(std::min<std::size_t>(ordinal, 30)) + ".Cu";
}

void Writer::MapLayers()
{
    m_names.assign(m_b.layers.size(), "Dwgs.User");
    for (std::size_t k = 0; k < m_b.copper.size(); ++k) {
        const std::size_t layer = static_cast<std::size_t>(m_b.copper[k]);
        m_names[layer] = CopperName(k);
        if (k > 30 && k + 1 < m_b.copper.size())
            Lose(Loss::CopperLayerShared, "copper layer " + m_b.layers[layer].sName);
    }
    for (std::size_t i = 0; i < m_b.layers.size(); ++i) {
        const board::Layer& l = m_b.layers[i];
        if (l.role == Role::Copper)
            continue;
        for (const RoleLayer& r : kRoleLayers)
            if (r.role == l.role)
                m_names[i] = l.side == Side::Bottom ? r.bottom : r.top;
        if (l.role == Role::User && m_userLayers.size() < kUserLayers) {
            const int id = kFirstUserLayer + static_cast<int>(m_userLayers.size());
            m_userLayers.emplace_back(id, l.sName);
            m_names[i] = "User." + std::to_string(id - kFirstUserLayer + 1);
        }
    }
}

void Writer::WriteLayers()
{
    for (const std::string& name : m_names)
        m_quoted.push_back('"' + name + '"');
    m_out << "  (layers\n";
    // At least the two outer layers; at most 32, the bottom one last.
    const std::size_t n = std::clamp<std::size_t>(m_b.copper.size(), 2, 32);
    for (std::size_t k = 0; k < n; ++k) {
        const bool bottom = k + 1 == n;
        const std::size_t ordinal = bottom ? m_b.copper.size() - 1 : k;
        const board::Layer* l = ordinal < m_b.copper.size() && !(bottom && m_b.copper.size() < 2)
                                    ? &m_b.layers[static_cast<std::size_t>(m_b.copper[ordinal])]
                                    : nullptr;
        const std::string name = bottom ? "B.Cu" : k == 0 ? "F.Cu" : "In" + std::to_string(k) + ".Cu";
        m_out << "    (" << (bottom ? "31" : std::to_string(k)) << ' ';
        m_out.Quoted(name) << (l && l->bPlane ? " power" : " signal");
        if (l && !l->sName.empty() && l->sName != name)
            m_out << ' ', m_out.Quoted(l->sName);
        m_out << ")\n";
    }
    for (const FixedLayer& f : kFixedLayers) {
        m_out << "    (" << std::to_string(f.id) << ' ';
        m_out.Quoted(f.name) << " user";
        if (f.userName)
            m_out << ' ', m_out.Quoted(f.userName);
        m_out << ")\n";
    }
    for (const auto& [id, name] : m_userLayers) {
        m_out << "    (" << std::to_string(id) << ' ';
        m_out.Quoted("User." + std::to_string(id - kFirstUserLayer + 1)) << " user ";
        m_out.Quoted(name) << ")\n";
    }
    m_out << "  )\n\n";
}

void Writer::Write()
{
    // The page: the board with a margin, its grid origin the design's origin.
    board::Bounds all;
    for (const board::Item& g : m_b.graphics)
        all.Add(board::ShapeBounds(g.shape).Placed(m_b.Place(g.nFootprint)));
    for (const board::Item& t : m_b.tracks)
        all.Add(board::ShapeBounds(t.shape));
    for (const board::Footprint& fp : m_b.footprints)
        all.Add(fp.place.Origin());
    for (const board::Zone& z : m_b.zones)
        for (const board::Shape& s : m_b.Shapes(z.outline))
            all.Add(board::ShapeBounds(s));
    if (all.Empty())
        all.Add(Point{0, 0});
    m_ox = std::ceil(kMarginMm - all.x0);
    m_oy = std::ceil(kMarginMm + all.y1);
    m_pageW = std::max(297.0, std::ceil((all.x1 - all.x0 + 2 * kMarginMm) / 10) * 10);
    m_pageH = std::max(210.0, std::ceil((all.y1 - all.y0 + 2 * kMarginMm) / 10) * 10);

    MapLayers();
    m_out << "(kicad_pcb (version 20211014) (generator exload)\n\n  (general\n    (thickness 1.6)\n  )\n\n";
    m_out << "  (paper \"User\" ", m_out.Mm(m_pageW) << ' ', m_out.Mm(m_pageH) << ")\n";
    WriteLayers();
    m_out << "  (setup\n    (pad_to_mask_clearance 0)\n    (aux_axis_origin ";
    At({0, 0}) << ")\n    (grid_origin ";
    At({0, 0}) << ")\n  )\n\n";
    WriteNets();
    // The copper of large zones (planes with their voids) is worked out on
    // the other cores while the rest is written, one zone a core at a time
    // to keep memory down. This thread works out the small ones as it writes
    // them, and any large one not yet begun when it gets there.
    enum : std::uint8_t { kFree, kTaken, kDone };
    const std::size_t nZones = m_b.zones.size();
    std::vector<std::size_t> work;
    for (std::size_t i = 0; i < nZones; ++i)
        if (m_b.zones[i].fill.nCount + m_b.zones[i].outline.nCount >= kHeavyZone)
            work.push_back(i);
    std::vector<ZoneRings> rings(nZones);
    std::vector<std::exception_ptr> failed(nZones);
    std::vector<std::atomic<std::uint8_t>> state(nZones);
    auto take = [&](std::size_t i) {
        std::uint8_t free = kFree;
        if (!state[i].compare_exchange_strong(free, kTaken))
            return false;
        try {
            rings[i] = RingsOf(m_b.zones[i]);
        } catch (...) {
            failed[i] = std::current_exception();  // rethrown here when the zone is written
        }
        state[i].store(kDone);
        state[i].notify_all();
        return true;
    };
    std::vector<std::future<void>> helpers;
    const std::size_t others = std::max(1u, std::thread::hardware_concurrency()) - 1;
    for (std::size_t t = 0; t < std::min(work.size(), others); ++t)
        helpers.push_back(std::async(std::launch::async, [&] {
            for (const std::size_t i : work)
                take(i);
        }));
    for (std::size_t i = 0; i < m_b.footprints.size(); ++i)
        WriteFootprint(i);
    for (const board::Item& g : m_b.graphics)
        if (g.nFootprint < 0)
            WriteGraphic(g, nullptr, Next(kGraphic));
    for (const board::Text& t : m_b.texts)
        if (t.nFootprint < 0)
            WriteText(t, nullptr, nullptr, t.sText, false, "Dwgs.User", Next(kText));
    m_out << '\n';
    for (const board::Item& t : m_b.tracks)
        WriteTrack(t);
    for (std::size_t i = 0; i < m_b.vias.size(); ++i)
        WriteVia(m_b.vias[i], i);
    m_out << '\n';
    for (std::size_t i = 0; i < nZones; ++i) {
        if (!take(i))
            state[i].wait(kTaken);
        if (failed[i])
            std::rethrow_exception(failed[i]);
        WriteZone(m_b.zones[i], i, std::move(rings[i]));
    }
    for (std::size_t i = 0; i < m_b.keepouts.size(); ++i)
        WriteKeepout(m_b.keepouts[i], i);
    m_out << ")\n";
    m_out.Flush();
}

void Writer::WriteNets()
{
    m_out << "  (net 0 \"\")\n";
    for (std::size_t i = 1; i < m_b.nets.size(); ++i) {
        m_out << "  (net ";
        m_out.Int(static_cast<std::int64_t>(i)) << ' ';
        m_out.Quoted(m_b.nets[i]) << ")\n";
    }
    m_out << '\n';
}

// ---- footprints --------------------------------------------------------------

constexpr const char* kSinglePrefix[] = {"", "H", "FID", "TP", "TH"};  // by FootprintKind

void Writer::WriteFootprint(std::size_t index)
{
    const board::Footprint& fp = m_b.footprints[index];
    const bool bottom = fp.bBottom;
    // A bottom footprint's frame is mirrored: KiCad turns it by half a turn
    // more and takes its contents as they lie.
    const double angle = Normalised(fp.place.Degrees() + (bottom ? 180.0 : 0.0));
    m_out << "  (footprint ";
    m_out.Quoted("exload:" + std::string(fp.sName)) << " (layer \"" << (bottom ? "B.Cu" : "F.Cu") << "\")\n";
    m_out << "    (tedit 0) (tstamp ", m_out.Stamp(kFootprint, index) << ")\n    (at ";
    At(fp.place.Origin());
    if (angle != 0)
        m_out << ' ', m_out.Degrees(angle);
    m_out << ")\n";

    const auto pads = Board::Of(m_b.pads, fp.pads);
    bool drilled = false;
    for (const board::Pad& p : pads)
        drilled = drilled || (p.nPadstack >= 0 && m_b.padstacks[static_cast<std::size_t>(p.nPadstack)].bPlated);
    using FK = board::FootprintKind;
    switch (fp.kind) {
    case FK::Cell: m_out << (pads.empty() ? "" : drilled ? "    (attr through_hole)\n" : "    (attr smd)\n"); break;
    case FK::Fiducial: m_out << "    (attr smd exclude_from_pos_files exclude_from_bom)\n"; break;
    case FK::TestPoint: m_out << "    (attr exclude_from_pos_files exclude_from_bom)\n"; break;
    default: m_out << "    (attr exclude_from_pos_files exclude_from_bom)\n"; break;
    }

    // Reference and value first, from the texts that show them where there are.
    const auto texts = Board::Of(m_b.texts, fp.texts);
    const board::Text* reference = nullptr;
    const board::Text* value = nullptr;
    for (const board::Text& t : texts) {
        if (!reference && !fp.sReference.empty() && t.sText == fp.sReference && ex::ContainsNoCase(t.sType, "REF"))
            reference = &t;
        else if (!value && ex::ContainsNoCase(t.sType, "PART"))
            value = &t;
    }
    std::string ref(fp.sReference);
    if (ref.empty() && fp.kind != FK::Cell)
        ref = kSinglePrefix[static_cast<int>(fp.kind)] + std::to_string(index + 1);
    // Where the design shows neither, they are there but hidden.
    board::Text hidden;
    hidden.dHeight = 1.0;
    hidden.horizontal = board::HAlign::Centre;
    hidden.vertical = board::VAlign::Centre;
    const std::string side = bottom ? "B" : "F";
    WriteText(reference ? *reference : hidden, &fp, "reference", ref, !reference, side + ".SilkS",
              Next(kFootprintText));
    WriteText(value ? *value : hidden, &fp, "value", fp.sValue, !value, side + ".Fab", Next(kFootprintText));
    for (const board::Text& t : texts)
        if (&t != reference && &t != value)
            WriteText(t, &fp, "user", t.sText, false, side + ".SilkS", Next(kFootprintText));
    for (const board::Item& g : Board::Of(m_b.graphics, fp.graphics))
        WriteGraphic(g, &fp, Next(kFootprintGraphic));
    for (std::size_t k = 0; k < pads.size(); ++k)
        WritePad(fp, fp.pads.nFirst + k);
    m_out << "  )\n\n";
}


void Writer::WritePad(const board::Footprint& fp, std::size_t index)
{
    const board::Pad& p = m_b.pads[index];
    const Transform pin = m_b.PinOnBoard(p);
    auto what = [&] {
        return "pin " + std::string(fp.sReference.empty() ? fp.sName : fp.sReference) + "." + std::string(p.sNumber) +
               " " + Where(pin.Origin());
    };
    if (p.nPadstack < 0) {
        Lose(Loss::PinWithoutPadstack, what());
        return;
    }
    const board::Padstack& ps = m_b.padstacks[static_cast<std::size_t>(p.nPadstack)];
    std::int32_t def = ps.nTopPad, layer = p.nTopLayer;
    if (def < 0)
        def = ps.nBottomPad, layer = p.nBottomLayer;
    if (def < 0)
        def = ps.nInnerPad;
    const board::Hole* hole = ps.nHole >= 0 ? &m_b.holes[static_cast<std::size_t>(ps.nHole)] : nullptr;
    const auto shapes = def >= 0 ? m_b.Shapes(m_b.padDefs[static_cast<std::size_t>(def)].shapes)
                                 : std::span<const board::Shape>();
    if (shapes.empty() && !hole) {
        Lose(Loss::PinWithoutPad, what() + ", padstack " + std::string(ps.sName));
        return;
    }
    if (!SameShapes(m_b, def, ps.nTopPad) || !SameShapes(m_b, def, ps.nBottomPad) ||
        (hole && !SameShapes(m_b, def, ps.nInnerPad)))
        Lose(Loss::PadOtherShapes, what() + ", padstack " + std::string(ps.sName));

    const Transform padFrame = def >= 0 ? Board::PadAt(pin, m_b.padDefs[static_cast<std::size_t>(def)]) : pin;
    const board::Shape* one = shapes.size() == 1 ? &shapes[0] : nullptr;
    const bool simple = one && !one->bLine &&
                        (one->kind == Kind::Circle || one->kind == Kind::Rect || one->kind == Kind::Oblong ||
                         one->kind == Kind::RoundRect || one->kind == Kind::ChamferRect);
    const double angle = AngleOf(padFrame.ApplyVector({1, 0}));
    const Point holeAt = hole ? pin.Apply(hole->shape.at) : Point{};
    const Point centre = simple ? padFrame.Apply(one->at) : padFrame.Origin();
    const Point at = hole ? holeAt : centre;
    const Point local = Local(fp, fp.place.Inverse().Apply(at));

    const char* shape = "custom";
    if (simple)
        shape = one->kind == Kind::Circle ? "circle" : one->kind == Kind::Rect ? "rect"
                : one->kind == Kind::Oblong ? "oval" : "roundrect";
    else if (shapes.empty())
        shape = hole->shape.kind == Kind::Circle ? "circle" : "oval";
    m_out << "    (pad ";
    m_out.Quoted(p.sNumber.empty() ? std::string_view("1") : p.sNumber)
        << (hole ? (ps.bPlated ? " thru_hole " : " np_thru_hole ") : " smd ") << shape << " (at ";
    m_out.Mm(local.x) << ' ', m_out.Mm(local.y);
    if (angle != 0)
        m_out << ' ', m_out.Degrees(angle);
    m_out << ") (size ";
    if (simple)
        m_out.Mm(one->w) << ' ', m_out.Mm(one->kind == Kind::Circle ? one->w : one->h);
    else if (shapes.empty())
        m_out.Mm(hole->shape.w) << ' ', m_out.Mm(hole->shape.kind == Kind::Circle ? hole->shape.w : hole->shape.h);
    else
        m_out.Mm(kAnchorMm) << ' ', m_out.Mm(kAnchorMm);
    m_out << ')';
    if (hole) {
        const board::Shape& h = hole->shape;
        m_out << " (drill ";
        if (h.kind == Kind::Circle)
            m_out.Mm(h.w);
        else if (h.kind == Kind::Oblong || h.kind == Kind::Rect)
            m_out << "oval ", m_out.Mm(h.w) << ' ', m_out.Mm(h.h);
        else
            m_out.Mm(std::max(h.w, h.h));
        if (simple && (centre.x != holeAt.x || centre.y != holeAt.y)) {
            // The shape's offset from the hole, in the pad's own frame with y down.
            const Point d = Transform::Place({}, -angle).ApplyVector({centre.x - holeAt.x, centre.y - holeAt.y});
            m_out << " (offset ", m_out.Mm(d.x) << ' ', m_out.Mm(-d.y) << ')';
        }
        m_out << ") (layers *.Cu *.Mask)";
    } else {
        const std::string& copper = LayerName(layer >= 0 ? layer : m_b.copper.front());
        m_out << " (layers ";
        m_out.Quoted(copper);
        if (copper == "F.Cu" || copper == "B.Cu") {
            const char side = copper[0];
            m_out << " \"" << side << ".Paste\" \"" << side << ".Mask\"";
        }
        m_out << ')';
    }
    if (simple && one->kind == Kind::RoundRect)
        m_out << " (roundrect_rratio ", m_out.Mm(std::min(one->r / std::min(one->w, one->h), 0.5)) << ')';
    if (simple && one->kind == Kind::ChamferRect)
        m_out << " (roundrect_rratio 0) (chamfer_ratio ", m_out.Mm(std::min(one->r / std::min(one->w, one->h), 0.5))
              << ") (chamfer top_left top_right bottom_left bottom_right)";
    if (p.nNet > 0) {
        m_out << " (net ";
        m_out.Int(p.nNet) << ' ';
        m_out.Quoted(m_b.nets[static_cast<std::size_t>(p.nNet)]) << ')';
    }
    if (!simple && !shapes.empty()) {
        // Custom copper in the pad's own frame, y down.
        const Transform toPad = Transform{1, 0, 0, -1, 0, 0} * Transform::Place({}, -angle) *
                                Transform::Place({-at.x, -at.y}, 0) * padFrame;
        std::vector<Ring> rings;
        for (const board::Shape& sh : shapes)
            AddArea(sh, toPad, rings);
        m_out << "\n      (options (clearance outline) (anchor circle))\n      (primitives";
        for (const Ring& r : Fill(std::move(rings), {}, {})) {
            m_out << "\n        (gr_poly (pts";
            for (const NmPoint& q : r)
                m_out << " (xy ", m_out.Nm(q.x) << ' ', m_out.Nm(q.y) << ')';
            m_out << ") (width 0) (fill yes))";
        }
        m_out << "\n      )";
    }
    m_out << " (tstamp ", m_out.Stamp(kPad, index) << "))\n";
}

void Writer::WriteGraphic(const board::Item& g, const board::Footprint* fp, std::uint64_t stamp)
{
    const board::Shape& s = g.shape;
    const board::Layer& layer = m_b.layers[static_cast<std::size_t>(g.nLayer)];
    const std::string& name = LayerName(g.nLayer);
    const Transform& place = m_b.Place(g.nFootprint);
    if (layer.role == Role::Dimension)
        Lose(Loss::Dimension,
             "dimension line " + Where(place.Apply(s.nPoints ? Point{s.pPoints[0].x, s.pPoints[0].y} : s.at)));
    else if (layer.role == Role::User && name == "Dwgs.User")
        Lose(Loss::UserLayerShared, "graphic on " + layer.sName);
    const char* prefix = fp ? "    (fp_" : "  (gr_";
    // Outlines of the board, its margin and courtyards are lines, never areas.
    const bool outlineOnly = name == "Edge.Cuts" || name == "Margin" || name.ends_with(".CrtYd");
    const bool line = s.bLine || outlineOnly;
    const double width = s.bLine ? (s.width > 0 ? s.width : kOutlineWidthMm) : outlineOnly ? kOutlineWidthMm : 0.0;
    auto tail = [&](bool fill) {
        m_out << " (layer ";
        m_out.Quoted(name) << ") (width ", m_out.Mm(width) << ')';
        if (fill || s.kind == Kind::Polygon || s.kind == Kind::Circle || !line)
            m_out << (fill ? " (fill solid)" : " (fill none)");
        m_out << " (tstamp ", m_out.Stamp(fp ? kFootprintGraphic : kGraphic, stamp) << "))\n";
    };
    auto polygon = [&](std::span<const board::Vertex> pts, bool arcs) {
        std::vector<Point> straight;
        Straighten(pts, arcs, Transform{}, straight);
        if (straight.size() > 1 && straight.front().x == straight.back().x && straight.front().y == straight.back().y)
            straight.pop_back();
        if (straight.size() < 2)
            return;
        m_out << prefix << "poly (pts";
        for (std::size_t i = 0; i < straight.size(); ++i)
            m_out << (i % 4 == 0 ? "\n        " : " ") << "(xy ", Xy(straight[i], fp) << ')';
        m_out << ")";
        tail(!line);
    };
    switch (s.kind) {
    case Kind::Path:
        EachPiece(s, [&](Point a, Point b, const Point* mid, std::size_t i) {
            if (!mid)
                m_out << prefix << "line (start ", Xy(a, fp) << ") (end ", Xy(b, fp) << ')';
            else
                m_out << prefix << "arc (start ", Xy(a, fp) << ") (mid ", Xy(*mid, fp) << ") (end ", Xy(b, fp) << ')';
            m_out << " (layer ";
            m_out.Quoted(name) << ") (width ", m_out.Mm(width) << ") (tstamp ",
                m_out.Stamp(fp ? kFootprintGraphic : kGraphic, stamp * 4096 + i) << "))\n";
        });
        return;
    case Kind::Polygon: polygon(s.Points(), s.bArcs); return;
    case Kind::Circle:
        m_out << prefix << "circle (center ", Xy(s.at, fp) << ") (end ", Xy({s.at.x + s.w / 2, s.at.y}, fp) << ')';
        tail(!line);
        return;
    case Kind::Ring:
    case Kind::SquareRing:
    case Kind::Thermal: {
        std::vector<Ring> rings;
        AddArea(s, Transform{}, rings);
        for (const Ring& r : Fill(std::move(rings), {}, {})) {
            std::vector<board::Vertex> pts;
            for (const NmPoint& q : r)
                pts.push_back({q.x / 1e6, q.y / 1e6, 0});
            polygon(pts, false);
        }
        return;
    }
    default: {
        std::vector<board::Vertex> outline;
        if (board::Outline(s, outline)) {
            outline.push_back(outline.front());
            outline.back().r = 0;
            polygon(outline, true);
        }
        return;
    }
    }
}

void Writer::WriteText(const board::Text& t, const board::Footprint* fp, const char* kind, std::string_view text,
                       bool hidden, const std::string& fallback, std::uint64_t stamp)
{
    const Transform& place = m_b.Place(fp ? t.nFootprint : -1);
    if (text.empty() && !(fp && kind && std::string_view(kind) != "user")) {
        Lose(Loss::EmptyText, "text " + Where(place.Apply(t.at)));
        return;
    }
    const std::string& layer = t.nLayer >= 0 ? LayerName(t.nLayer) : fallback;
    if (t.nLayer >= 0 && m_b.layers[static_cast<std::size_t>(t.nLayer)].role == Role::Dimension)
        Lose(Loss::Dimension, "dimension text " + std::string(text));
    // The file turns a mirrored text half round: it runs the other way.
    const bool mirrored = fp && place.Mirrored();
    const double rad = t.dRotation * kPi / 180.0;
    const double angle = Normalised(AngleOf(place.ApplyVector({std::cos(rad), std::sin(rad)})) + (mirrored ? 180 : 0));
    const double height = t.dHeight > 0 ? t.dHeight : 1.0;
    const double thickness = t.dStrokeWidth > 0 ? t.dStrokeWidth : height * 0.15;
    if (fp) {
        m_out << "    (fp_text " << kind << ' ';
        m_out.Quoted(text) << " (at ", Xy(t.at, fp);
    } else {
        m_out << "  (gr_text ";
        m_out.Quoted(text) << " (at ", At(t.at);
    }
    if (angle != 0)
        m_out << ' ', m_out.Degrees(angle);
    m_out << ") (layer ";
    m_out.Quoted(layer) << ')' << (hidden ? " hide" : "");
    m_out << "\n      (effects (font (size ", m_out.Mm(height) << ' ', m_out.Mm(height) << ") (thickness ",
        m_out.Mm(thickness) << "))";
    const char* h = t.horizontal == board::HAlign::Left    ? " left"
                    : t.horizontal == board::HAlign::Right ? " right"
                                                           : "";
    const char* v = t.vertical == board::VAlign::Bottom ? " bottom" : t.vertical == board::VAlign::Top ? " top" : "";
    if (*h || *v || mirrored)
        m_out << " (justify" << h << v << (mirrored ? " mirror" : "") << ')';
    m_out << ")\n      (tstamp ", m_out.Stamp(fp ? kFootprintText : kText, stamp) << ")\n    )\n";
}

void Writer::WriteTrack(const board::Item& t)
{
    const board::Shape& s = t.shape;
    const auto pts = s.Points();
    if (s.kind != Kind::Path) {
        const board::Bounds box = board::ShapeBounds(s);
        Lose(Loss::TraceArea, "trace " + Where(box.Empty() ? s.at : Point{box.x0, box.y0}));
        return;
    }
    if (pts.size() < 2) {
        Lose(Loss::TraceOfOnePoint, "trace " + Where(pts.empty() ? Point{} : Point{pts[0].x, pts[0].y}));
        return;
    }
    // Every piece ends alike.
    m_tail.assign(") (width ").append(SExpression::NmText(SExpression::ToNm(s.width))).append(") (layer ");
    m_tail.append(m_quoted[static_cast<std::size_t>(t.nLayer)]).append(") (net ").append(std::to_string(t.nNet));
    m_tail.append("))\n");
    EachPiece(s, [&](Point a, Point b, const Point* mid, std::size_t) {
        if (!mid)
            m_out << "  (segment (start ", At(a) << ") (end ", At(b) << m_tail;
        else
            m_out << "  (arc (start ", At(a) << ") (mid ", At(*mid) << ") (end ", At(b) << m_tail;
    });
}

void Writer::WriteVia(const board::Pad& v, std::size_t index)
{
    const std::optional<ViaSize> size = ViaOf(m_b, v.nPadstack);
    if (!size) {
        Lose(Loss::ViaWithoutPadstack, "via " + Where(v.at.Origin()));
        return;
    }
    if (!size->round)
        Lose(Loss::ViaNotRound, "via " + Where(v.at.Origin()));
    auto ordinal = [&](std::int32_t layer) {
        const auto it = std::find(m_b.copper.begin(), m_b.copper.end(), layer);
        return it == m_b.copper.end() ? std::ptrdiff_t{-1} : it - m_b.copper.begin();
    };
    std::ptrdiff_t top = ordinal(v.nTopLayer), bottom = ordinal(v.nBottomLayer);
    if (top > bottom)
        std::swap(top, bottom);
    const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(m_b.copper.size()) - 1;
    const bool through = (top <= 0 && (bottom >= last || bottom < 0)) || top == bottom;
    m_out << "  (via " << (through ? "" : "blind ") << "(at ", At(v.at.Origin()) << ") (size ",
        m_out.Mm(size->diameter) << ") (drill ", m_out.Mm(size->drill) << ") (layers ";
    m_out.Quoted(through ? "F.Cu" : CopperName(static_cast<std::size_t>(std::max<std::ptrdiff_t>(top, 0)))) << ' ';
    m_out.Quoted(through ? "B.Cu" : CopperName(static_cast<std::size_t>(bottom))) << ") (net ", m_out.Int(v.nNet)
        << ") (tstamp ", m_out.Stamp(kVia, index) << "))\n";
}

void Writer::ZoneHead(std::int32_t net, const std::string& layers, std::uint64_t stamp)
{
    m_out << "  (zone (net ", m_out.Int(net) << ") (net_name ";
    m_out.Quoted(m_b.nets[static_cast<std::size_t>(net)]) << ") " << layers << " (tstamp ",
        m_out.Stamp(kZone, stamp) << ") (hatch edge 0.508)\n";
}

Writer::ZoneRings Writer::RingsOf(const board::Zone& z) const
{
    auto split = [&](board::Range range, std::vector<Ring>& areas, std::vector<Ring>& voids) {
        for (const board::Shape& s : m_b.Shapes(range))
            AddArea(s, Transform{}, s.bVoid ? voids : areas);
    };
    std::vector<Ring> areas, voids, ties;
    split(z.outline, areas, voids);
    std::vector<Ring> outlines = Fill(std::move(areas), std::move(voids), {});
    std::vector<Ring> fill;
    if (z.fill.nCount > 0) {
        std::vector<Ring> copper, cut, unused;
        split(z.fill, copper, cut);
        split(z.ties, ties, unused);
        fill = Fill(std::move(copper), std::move(cut), std::move(ties));
    } else if (!z.bPlane) {
        fill = outlines;  // a conductive area is copper as drawn
    }
    if (outlines.size() > 1) {
        // One zone, as the design has one: its largest piece is the outline.
        auto largest = std::max_element(outlines.begin(), outlines.end(),
                                        [](const Ring& a, const Ring& b) { return Area2(a) < Area2(b); });
        std::swap(outlines.front(), *largest);
        outlines.resize(1);
    }
    if (outlines.empty() && !fill.empty()) {
        board::Bounds box;
        for (const Ring& r : fill)
            for (const NmPoint& q : r)
                box.Add(Point{q.x / 1e6, q.y / 1e6});
        std::vector<Ring> rect;
        board::Shape around;
        around.kind = Kind::Rect;
        around.at = {(box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2};
        around.w = box.x1 - box.x0, around.h = box.y1 - box.y0;
        AddArea(around, Transform{}, rect);
        outlines = rect;
    }
    return {std::move(outlines), std::move(fill)};
}

void Writer::WriteZone(const board::Zone& z, std::size_t index, ZoneRings rings)
{
    const std::vector<Ring>& outlines = rings.outlines;
    const std::vector<Ring>& fill = rings.fill;
    if (outlines.empty()) {
        Lose(Loss::ZoneWithoutArea, "zone of net " + std::string(m_b.nets[static_cast<std::size_t>(z.nNet)]));
        return;
    }
    const std::string& layer = m_quoted[static_cast<std::size_t>(z.nLayer)];
    ZoneHead(z.nNet, "(layer " + layer + ")", index);
    m_out << "    (connect_pads (clearance 0.2))\n    (min_thickness 0.2) (filled_areas_thickness no)\n"
             "    (fill yes (thermal_gap 0.5) (thermal_bridge_width 0.5))\n    (polygon ";
    Pts(outlines.front(), nullptr);
    m_out << ")\n";
    for (const Ring& r : fill) {
        m_out << "    (filled_polygon (layer " << layer << ") ";
        Pts(r, nullptr);
        m_out << ")\n";
    }
    m_out << "  )\n";
}

void Writer::WriteKeepout(const board::Keepout& k, std::size_t index)
{
    std::vector<Ring> rings;
    AddArea(k.shape, m_b.Place(k.nFootprint), rings);
    std::vector<Ring> area = Fill(std::move(rings), {}, {});
    if (area.empty()) {
        Lose(Loss::KeepoutWithoutArea, "keepout " + Where(m_b.Place(k.nFootprint).Apply(k.shape.at)));
        return;
    }
    const Ring& largest = *std::max_element(area.begin(), area.end(),
                                            [](const Ring& a, const Ring& b) { return Area2(a) < Area2(b); });
    std::string layers;
    if (k.nLayer >= 0)
        layers = "(layer \"" + LayerName(k.nLayer) + "\")";
    else if (k.kind == board::KeepoutKind::Placement)
        layers = k.nFootprint >= 0 ? (m_b.footprints[static_cast<std::size_t>(k.nFootprint)].bBottom
                                          ? "(layer \"B.Cu\")" : "(layer \"F.Cu\")")
                                   : "(layers \"F.Cu\" \"B.Cu\")";
    else
        layers = "(layers *.Cu)";
    // What it keeps out: a placement keepout footprints; an obstruct what its
    // keyword names, or all copper.
    bool tracks = true, vias = true, pads = false, pour = true, footprints = false;
    if (k.kind == board::KeepoutKind::Placement) {
        tracks = vias = pour = false, footprints = true;
    } else {
        for (const KeepoutWord& w : kKeepoutWords)
            if (ex::ContainsNoCase(k.sWhat, w.word)) {
                tracks = w.tracks, vias = w.vias, pads = w.pads, pour = w.pour, footprints = w.footprints;
                break;
            }
    }
    auto allowed = [](bool out) { return out ? "not_allowed" : "allowed"; };
    ZoneHead(0, layers, (std::uint64_t{1} << 40) + index);
    m_out << "    (connect_pads (clearance 0))\n    (min_thickness 0.254)\n    (keepout (tracks " << allowed(tracks)
          << ") (vias " << allowed(vias) << ") (pads " << allowed(pads) << ") (copperpour " << allowed(pour)
          << ") (footprints " << allowed(footprints) << "))\n"
          << "    (fill (thermal_gap 0.508) (thermal_bridge_width 0.508))\n    (polygon ";
    Pts(largest, nullptr);
    m_out << ")\n  )\n";
}

} // namespace

void Losses::Add(Loss kind, std::string item)
{
    ++m_counts[static_cast<std::size_t>(kind)];
    m_items.push_back(std::move(item) + ": " + kLossNames[static_cast<std::size_t>(kind)].one);
}

std::vector<std::string> Losses::Lines() const
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < std::size(m_counts); ++i)
        if (m_counts[i] > 0)
            lines.push_back(std::to_string(m_counts[i]) + " " +
                            (m_counts[i] == 1 ? kLossNames[i].one : kLossNames[i].many));
    return lines;
}

void WriteProject(const board::Board& board, const std::string& boardFile, std::FILE* out, Losses& losses)
{
    // Each class takes the track width most of its nets give and the via
    // most of them use; the rest are KiCad's defaults.
    const std::size_t nClasses = board.netClasses.size() + 1;  // the last is KiCad's Default
    auto classOf = [&](std::size_t net) {
        const std::int32_t c = net < board.netRules.size() ? board.netRules[net].nClass : -1;
        return c < 0 ? nClasses - 1 : static_cast<std::size_t>(c);
    };
    std::vector<std::unordered_map<double, std::int64_t>> widths(nClasses);
    std::vector<std::unordered_map<std::int32_t, std::int64_t>> vias(nClasses);
    for (std::size_t n = 1; n < board.nets.size(); ++n)
        if (n < board.netRules.size() && board.netRules[n].dWidth > 0)
            ++widths[classOf(n)][board.netRules[n].dWidth];
    for (const board::Pad& v : board.vias)
        if (v.nNet > 0 && ViaOf(board, v.nPadstack))
            ++vias[classOf(static_cast<std::size_t>(v.nNet))][v.nPadstack];
    auto most = [](const auto& counts, auto none) {
        auto best = none;
        std::int64_t count = 0;
        for (const auto& [key, n] : counts)
            if (n > count || (n == count && key < best))
                best = key, count = n;
        return best;
    };
    std::vector<nlohmann::ordered_json> members(nClasses, nlohmann::ordered_json::array());
    for (std::size_t n = 1; n < board.nets.size(); ++n)
        members[classOf(n)].push_back(ValidUtf8(board.nets[n]));
    nlohmann::ordered_json classes = nlohmann::ordered_json::array();
    std::vector<double> classWidth(nClasses, 0.25);
    for (std::size_t c = 0; c < nClasses; ++c) {
        const bool isDefault = c + 1 == nClasses;
        nlohmann::ordered_json j;
        j["bus_width"] = 12.0;
        j["clearance"] = 0.2;
        j["diff_pair_gap"] = 0.25;
        j["diff_pair_via_gap"] = 0.25;
        j["diff_pair_width"] = 0.2;
        j["line_style"] = 0;
        j["microvia_diameter"] = 0.3;
        j["microvia_drill"] = 0.1;
        j["name"] = isDefault ? std::string("Default") : ValidUtf8(board.netClasses[c]);
        if (!isDefault)
            j["nets"] = std::move(members[c]);
        j["pcb_color"] = "rgba(0, 0, 0, 0.000)";
        j["schematic_color"] = "rgba(0, 0, 0, 0.000)";
        const double width = most(widths[c], 0.0);
        classWidth[c] = width > 0 ? width : 0.25;
        j["track_width"] = classWidth[c];
        const std::optional<ViaSize> via = ViaOf(board, most(vias[c], std::int32_t{-1}));
        j["via_diameter"] = via ? via->diameter : 0.8;
        j["via_drill"] = via ? via->drill : 0.4;
        j["wire_width"] = 6.0;
        classes.push_back(std::move(j));
    }
    for (std::size_t n = 1; n < board.nets.size() && n < board.netRules.size(); ++n)
        if (board.netRules[n].dWidth > 0 && board.netRules[n].dWidth != classWidth[classOf(n)])
            losses.Add(Loss::NetWidth, "net " + std::string(board.nets[n]) + " (" + Mm(board.netRules[n].dWidth) +
                                           " mm, its class " + Mm(classWidth[classOf(n)]) + " mm)");
    const bool blind = std::any_of(board.vias.begin(), board.vias.end(), [&](const board::Pad& v) {
        return (v.nTopLayer != board.copper.front() && v.nTopLayer != board.copper.back()) ||
               (v.nBottomLayer != board.copper.front() && v.nBottomLayer != board.copper.back());
    });
    nlohmann::ordered_json pro;
    pro["board"]["design_settings"]["rules"]["allow_blind_buried_vias"] = blind;
    pro["meta"]["filename"] = ValidUtf8(boardFile.substr(0, boardFile.rfind('.')) + ".kicad_pro");
    pro["meta"]["version"] = 1;
    pro["net_settings"]["classes"] = std::move(classes);
    pro["net_settings"]["meta"]["version"] = 2;
    const std::string text = pro.dump(2) + "\n";
    std::fwrite(text.data(), 1, text.size(), out);
}

void WriteBoard(const board::Board& board, std::FILE* out, Losses& losses)
{
    Writer(board, out, losses).Write();
}

} // namespace kicad
