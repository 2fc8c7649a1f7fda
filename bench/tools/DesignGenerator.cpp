#include "DesignGenerator.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace ex::bench {

namespace {

// splitmix64: the same sequence on every platform and library, unlike the
// standard distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    long long Range(long long lo, long long hi)
    {
        return lo + static_cast<long long>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool Percent(int pct) { return Range(0, 99) < pct; }
    template <class T, std::size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[Range(0, N - 1)];
    }

private:
    std::uint64_t m_state;
};

// Buffered line writer with cheap number formatting. Lengths are written in
// thousandths of the file's unit. Lines are written without indentation; the
// writer indents each one as it ends, so that both layouts hold the same text.
class Writer {
public:
    Writer(const std::string& sPath, Indent indent)
        : m_file(std::fopen(sPath.c_str(), "wb")), m_bIndent(indent == Indent::ByLevel)
    {
        if (!m_file)
            throw std::runtime_error("cannot write " + sPath);
        m_buf.reserve(kFlushAt + 4096);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;
    ~Writer()
    {
        if (m_file) {
            Flush();
            std::fclose(m_file);
        }
    }

    Writer& operator<<(std::string_view s)
    {
        m_buf.append(s);
        return *this;
    }
    Writer& operator<<(char c)
    {
        m_buf.push_back(c);
        return *this;
    }
    Writer& Int(long long v)
    {
        char tmp[24];
        const auto res = std::to_chars(tmp, tmp + sizeof tmp, v);
        m_buf.append(tmp, res.ptr);
        return *this;
    }
    // A length given in thousandths, written without trailing zeros.
    Writer& Len(long long milli)
    {
        if (milli < 0) {
            m_buf.push_back('-');
            milli = -milli;
        }
        Int(milli / 1000);
        long long frac = milli % 1000;
        if (frac != 0) {
            char digits[4] = {static_cast<char>('0' + frac / 100), static_cast<char>('0' + frac / 10 % 10),
                              static_cast<char>('0' + frac % 10), 0};
            int n = 3;
            while (digits[n - 1] == '0')
                --n;
            m_buf.push_back('.');
            m_buf.append(digits, static_cast<std::size_t>(n));
        }
        return *this;
    }
    Writer& Pt(long long x, long long y)
    {
        m_buf.push_back('(');
        Len(x);
        m_buf.append(", ");
        Len(y);
        m_buf.push_back(')');
        return *this;
    }
    Writer& Quoted(std::string_view s)
    {
        m_buf.push_back('"');
        m_buf.append(s);
        m_buf.push_back('"');
        return *this;
    }
    // The parts one after another, then the line's end.
    template <class... Parts>
    void Line(const Parts&... parts)
    {
        ((*this << parts), ...);
        End();
    }
    void End()
    {
        if (m_bIndent)
            IndentLine();
        m_buf.push_back('\n');
        m_lineStart = m_buf.size();
        if (m_buf.size() >= kFlushAt)
            Flush();
    }
    // Bytes written, indentation not counted: sizes, and so the records
    // written, do not depend on the layout.
    std::uint64_t Bytes() const { return m_nFlushed + m_buf.size() - m_nIndentBytes; }

private:
    static constexpr std::size_t kFlushAt = std::size_t{1} << 20;

    // One blank per level below the first; a continuation line two more
    // than the keyword line it continues.
    void IndentLine()
    {
        std::size_t dots = m_lineStart;
        while (dots < m_buf.size() && m_buf[dots] == '.')
            ++dots;
        dots -= m_lineStart;
        std::size_t blanks = m_nKeywordIndent + 2;
        if (dots > 0)
            blanks = m_nKeywordIndent = dots - 1;
        m_buf.insert(m_lineStart, blanks, ' ');
        m_nIndentBytes += blanks;
    }

    void Flush()
    {
        if (!m_buf.empty() && std::fwrite(m_buf.data(), 1, m_buf.size(), m_file) != m_buf.size())
            throw std::runtime_error("write failed");
        m_nFlushed += m_buf.size();
        m_buf.clear();
        m_lineStart = 0;
    }

    std::FILE* m_file;
    bool m_bIndent;
    std::string m_buf;
    std::size_t m_lineStart = 0;       // in m_buf
    std::size_t m_nKeywordIndent = 0;  // of the last keyword line
    std::uint64_t m_nFlushed = 0;
    std::uint64_t m_nIndentBytes = 0;
};

// Text followed by a number (built by appending: g++ 12 warns wrongly about
// a literal + std::string&&).
std::string Cat(std::string_view text, long long n)
{
    std::string s(text);
    s += std::to_string(n);
    return s;
}

struct Point {
    long long x, y;
};

// Writes "<dots>XY" and the points; lists longer than eight points go on
// continuation lines, as writers wrap them.
void WritePoints(Writer& w, std::string_view dots, const std::vector<Point>& pts)
{
    w << dots << "XY ";
    for (std::size_t i = 0; i < pts.size(); ++i) {
        if (i > 0 && i % 8 == 0) {
            w.End();
        } else if (i > 0) {
            w << ' ';
        }
        w.Pt(pts[i].x, pts[i].y);
    }
    w.End();
}

void Header(Writer& w, std::string_view fileType, std::string_view units)
{
    w.Line(".FILETYPE ", fileType);
    w.Line(".VERSION ", "\"2.0\"");
    w.Line(".CREATOR \"exload design generator\"");
    w.Line(".DATE \"2026-01-15 09:30\"");
    w.Line(".UNITS ", units);
}

// Board extent and layers shared by the files.
constexpr long long kBoardW = 300000, kBoardH = 200000;  // thousandths of a millimetre
constexpr int kLayers = 6;
constexpr int kSignalLayers[] = {1, 3, 4, 6};
constexpr int kPlaneLayers[] = {2, 5};
constexpr const char* kPlaneNets[] = {"GND", "VCC"};

struct Cell {
    std::string sName;
    int nPins;
    bool bThrough;
    std::vector<Point> pins;  // thousandths of a millimetre
    long long halfW, halfH;   // body
};

// Pin rows: 2 and 3 pins in one row, up to 64 in two rows, more on four sides.
Cell MakeCell(int index, int nPins, bool bThrough)
{
    Cell c{Cat("PKG_", index) + Cat("_", nPins), nPins, bThrough, {}, 0, 0};
    if (nPins <= 3) {
        const long long pitch = bThrough ? 2540 : 1600;
        for (int i = 0; i < nPins; ++i)
            c.pins.push_back({(2 * i - (nPins - 1)) * pitch / 2, 0});
    } else if (nPins <= 64) {
        const int perRow = (nPins + 1) / 2;
        const long long pitch = bThrough ? 2540 : 1270, row = bThrough ? 7620 : 5400;
        for (int i = 0; i < nPins; ++i) {
            const int col = i < perRow ? i : nPins - 1 - i;
            c.pins.push_back({(2 * col - (perRow - 1)) * pitch / 2, i < perRow ? -row / 2 : row / 2});
        }
    } else {
        const int perSide = (nPins + 3) / 4;
        const long long pitch = 500, half = perSide * pitch / 2 + 1000;
        for (int i = 0; i < nPins; ++i) {
            const int side = i / perSide, k = i % perSide;
            const long long along = (2 * k - (perSide - 1)) * pitch / 2;
            const Point sides[] = {{along, -half}, {half, along}, {-along, half}, {-half, -along}};
            c.pins.push_back(sides[side]);
        }
    }
    for (const Point& p : c.pins) {
        c.halfW = std::max(c.halfW, std::abs(p.x) + 800);
        c.halfH = std::max(c.halfH, std::abs(p.y) + 800);
    }
    return c;
}

int PinCount(Rng& rng)
{
    const long long r = rng.Range(0, 99);
    if (r < 50)
        return 2;
    if (r < 60)
        return 3;
    if (r < 80)
        return static_cast<int>(rng.Range(2, 32)) * 2;
    return static_cast<int>(rng.Range(33, 100)) * 2;
}

std::vector<Cell> MakeCells(int nCells, std::uint64_t seed)
{
    Rng rng(seed);
    std::vector<Cell> cells;
    for (int i = 0; i < nCells; ++i) {
        const int n = PinCount(rng);
        cells.push_back(MakeCell(i, n, n > 3 && n <= 40 && rng.Percent(30)));
    }
    return cells;
}

std::string PadstackOf(const Cell& c) { return c.bThrough ? "TH_1.0" : (c.nPins > 64 ? "SMD_QFP" : "SMD0603"); }

std::vector<Point> Rect(long long x0, long long y0, long long x1, long long y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
}

void Text(Writer& w, std::string_view dots, std::string_view type, std::string_view text, Point at, long long height)
{
    w.Line(dots, "TEXT ", "\"", type, "\" \"", text, "\"");
    const std::string sub = std::string(dots) + ".";
    w.Line(sub, "TEXT_TYPE ", type);
    w << sub << "XY ";
    w.Pt(at.x, at.y);
    w.End();
    w << sub << "HEIGHT ";
    w.Len(height);
    w.End();
    w << sub << "STROKE_WIDTH ";
    w.Len(height / 10);
    w.End();
    w.Line(sub, "ROTATION 0");
    w.Line(sub, "HORZ_JUST CENTER");
    w.Line(sub, "VERT_JUST CENTER");
    w.Line(sub, "TEXT_LYR SILKSCREEN_TOP");
    w.Line(sub, "FONT \"Standard\"");
}

// The outlines and text every package cell carries, at level 2.
void CellOutlines(Writer& w, const Cell& c)
{
    w.Line("..ASSEMBLY_OUTLINE");
    w.Line("...POLYLINE_PATH");
    w.Line("....WIDTH 0.1");
    WritePoints(w, "....", Rect(-c.halfW, -c.halfH, c.halfW, c.halfH));
    w.Line("..SILKSCREEN_OUTLINE");
    w.Line("...SIDE MOUNT_SIDE");
    w.Line("...POLYLINE_PATH");
    w.Line("....WIDTH 0.15");
    WritePoints(w, "....", Rect(-c.halfW - 200, -c.halfH - 200, c.halfW + 200, c.halfH + 200));
    w.Line("..PLACEMENT_OUTLINE");
    w.Line("...SIDE MOUNT_SIDE");
    w.Line("...HEIGHT 1.2");
    w.Line("...RECT_SHAPE");
    WritePoints(w, "....", {{-c.halfW - 400, -c.halfH - 400}, {c.halfW + 400, c.halfH + 400}});
    Text(w, "..", "REFDES", "U*", {0, 0}, 1000);
}

// ---------------------------------------------------------------- job preferences

void WriteJobPrefs(const std::string& path, Indent indent)
{
    Writer w(path, indent);
    Header(w, "JOB_PREFERENCES_FILE", "MM");
    const char* const fixed[] = {".JOB_NAME \"generated\"",
                                 ".PHYSICAL_LAYERS 6",
                                 ".PADSTACK_TECHNOLOGY \"(Default)\"",
                                 ".DESIGN_UNITS MM",
                                 ".GENERAL_ROUTE_SECTION",
                                 "..MINIMUM_TRACE_WIDTH 0.1",
                                 "..MINIMUM_CLEARANCE 0.1",
                                 ".GRIDS_SECTION",
                                 "..ROUTE_GRID 0.025",
                                 "..PLACEMENT_GRID 0.25",
                                 ".LAYER_STACKUP_SECTION",
                                 "..RESYNTHESIZE_EP NO"};
    for (const char* line : fixed) {
        w.Line(line);
    }
    for (int layer = 1; layer <= kLayers; ++layer) {
        const bool bPlane = layer == kPlaneLayers[0] || layer == kPlaneLayers[1];
        w << (bPlane ? "..PLANE_LAYER " : "..SIGNAL_LAYER ");
        w.Int(layer);
        w.End();
        w.Line("...LAYER_NAME \"Layer ", std::to_string(layer), "\"");
        w << "...CONDUCTIVE_LAYER_NUMBER ";
        w.Int(layer);
        w.End();
        w.Line("...LAYER_THICKNESS 0.035");
        if (bPlane) {
            w.Line("...PLANE_TYPE POSITIVE");
            w.Line("...PLANE_NET ", kPlaneNets[layer == kPlaneLayers[0] ? 0 : 1]);
        } else {
            w.Line("...LAYER_ENABLED YES");
            w.Line("...DIRECTIONAL_BIAS ", (layer % 2 ? "HORIZONTAL" : "VERTICAL"));
        }
        if (layer < kLayers) {
            w << "..DIELECTRIC_LAYER ";
            w.Int(layer);
            w.End();
            w.Line("...LAYER_THICKNESS 0.2");
            w.Line("...DIELECTRIC_CONSTANT 4.2");
        }
    }
    w.Line(".VIA_SPANS_SECTION");
    w.Line("..PADSTACK_NAME \"VIA_0.3_0.6\"");
    w.Line("...FROM_LAYER 1");
    w.Line("....TO_LAYER 6");
}

// ---------------------------------------------------------------- padstack library (in thousandths of an inch)

void WritePadstackLib(const std::string& path, Indent indent, std::uint64_t budget)
{
    Writer w(path, indent);
    Header(w, "PADSTACK_LIBRARY", "TH");
    // The padstacks the cells and the layout name, then variants to size.
    const char* const core[] = {
        ".PAD \"SMD0603_PAD\"", "..RECTANGLE", "...HEIGHT 40", "...WIDTH 35",
        ".PAD \"QFP_PAD\"", "..OBLONG", "...HEIGHT 12", "...WIDTH 60",
        ".PAD \"RND67\"", "..ROUND", "...DIAMETER 67",
        ".PAD \"RND24\"", "..ROUND", "...DIAMETER 24",
        ".PAD \"THRM87\"", "..4_WEB_ROUND_THERMAL_45", "...DIAMETER 87", "...TIE_LEG_WIDTH 12",
        "...THERMAL_CLEARANCE 12",
        ".HOLE \"DRL40\"", "..ROUND", "...DIAMETER 40", "..HOLE_OPTIONS PLATED",
        ".HOLE \"DRL12\"", "..ROUND", "...DIAMETER 12",
        ".PADSTACK \"SMD0603\"", "..PADSTACK_TYPE PIN_SMD", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD \"SMD0603_PAD\"",
        "...TOP_SOLDERMASK_PAD \"SMD0603_PAD\"",
        ".PADSTACK \"SMD_QFP\"", "..PADSTACK_TYPE PIN_SMD", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD \"QFP_PAD\"",
        ".PADSTACK \"TH_1.0\"", "..PADSTACK_TYPE PIN_THROUGH", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD \"RND67\"",
        "...BOTTOM_PAD \"RND67\"", "...INTERNAL_PAD \"RND67\"", "...THERMAL_PAD \"THRM87\"", "...HOLE_NAME \"DRL40\"",
        ".PADSTACK \"VIA_0.3_0.6\"", "..PADSTACK_TYPE VIA", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD \"RND24\"",
        "...BOTTOM_PAD \"RND24\"", "...INTERNAL_PAD \"RND24\"", "....LAYER 2", ".....OVERRIDE_PAD \"THRM87\"",
        "...HOLE_NAME \"DRL12\"",
        ".PADSTACK \"TP1.0\"", "..PADSTACK_TYPE PIN_SMD", "..TECHNOLOGY \"(Default)\"", "...TOP_PAD \"RND67\""};
    for (const char* line : core) {
        w.Line(line);
    }
    Rng rng(0x5eed0004);
    const char* const shapes[] = {"ROUND", "SQUARE", "RECTANGLE", "OBLONG", "OCTAGON"};
    for (int i = 0; w.Bytes() < budget; ++i) {
        const std::string id = std::to_string(i);
        const long long a = rng.Range(8, 120), b = rng.Range(8, 120);
        const std::string_view shape = rng.Pick(shapes);
        w.Line(".PAD \"P", id, "\"");
        w.Line("..", shape);
        if (shape == "ROUND") {
            w << "...DIAMETER ";
            w.Int(a);
            w.End();
        } else {
            if (shape != "SQUARE") {
                w << "...HEIGHT ";
                w.Int(b);
                w.End();
            }
            w << "...WIDTH ";
            w.Int(a);
            w.End();
        }
        if (i % 4 == 0) {
            w.Line(".HOLE \"H", id, "\"");
            w.Line("..ROUND");
            w << "...DIAMETER ";
            w.Int(a / 2 + 4);
            w.End();
            w.Line("..POSITIVE_TOLERANCE 2");
            w.Line("..NEGATIVE_TOLERANCE 2");
        }
        w.Line(".PADSTACK \"PS", id, "\"");
        w.Line((i % 4 == 0 ? "..PADSTACK_TYPE PIN_THROUGH" : "..PADSTACK_TYPE PIN_SMD"));
        w.Line("..TECHNOLOGY \"(Default)\"");
        w.Line("...TOP_PAD \"P", id, "\"");
        w.Line("...TOP_SOLDERMASK_PAD \"P", id, "\"");
        if (i % 4 == 0) {
            w.Line("...BOTTOM_PAD \"P", id, "\"");
            w.Line("...HOLE_NAME \"H", id, "\"");
        }
    }
}

// ---------------------------------------------------------------- cell library

void WriteCellLib(const std::string& path, Indent indent, std::uint64_t budget, std::vector<Cell>& cells,
                  std::uint64_t seed)
{
    Writer w(path, indent);
    Header(w, "CELL_LIBRARY", "MM");
    Rng rng(seed);
    for (int i = 0; w.Bytes() < budget; ++i) {
        if (static_cast<std::size_t>(i) == cells.size()) {
            const int n = PinCount(rng);
            cells.push_back(MakeCell(i, n, n > 3 && n <= 40 && rng.Percent(30)));
        }
        const Cell& c = cells[static_cast<std::size_t>(i)];
        if (i % 40 == 39) {
            // A mechanical cell now and then: a mounting hole and a keepout.
            w.Line(".MECHANICAL_CELL \"MECH_", std::to_string(i), "\"");
            w.Line("..NUMBER_LAYERS 6");
            w.Line("..MOUNTING_HOLE");
            w.Line("...PADSTACK \"TH_1.0\"");
            w.Line("...XY (0, 0)");
            w.Line("..PLACEMENT_KEEPOUT");
            w.Line("...HEIGHT 0");
            w.Line("...CIRCLE_SHAPE");
            w.Line("....RADIUS 3");
            w.Line("....XY (0, 0)");
            continue;
        }
        w.Line(".PACKAGE_CELL \"", c.sName, "\"");
        w.Line("..MOUNT_TYPE ", (c.bThrough ? "THROUGH" : "SURFACE"));
        w.Line("..NUMBER_LAYERS 6");
        w.Line("..PACKAGE_GROUP ", (c.nPins <= 3 ? "\"Discrete\"" : "\"IC\""));
        w.Line("..DESCRIPTION \"generated package, ", std::to_string(c.nPins), " pins\"");
        w.Line("..HISTORY \"created 2026-01-15\"");
        CellOutlines(w, c);
        for (int p = 0; p < c.nPins; ++p) {
            w << "..PIN \"";
            w.Int(p + 1);
            w.Line('"');
            w.Line("...PADSTACK \"", PadstackOf(c), "\"");
            w << "...XY ";
            w.Pt(c.pins[static_cast<std::size_t>(p)].x, c.pins[static_cast<std::size_t>(p)].y);
            w.End();
            if (c.nPins > 64 && (p / ((c.nPins + 3) / 4)) % 2 == 1) {
                w.Line("...ROTATION 90");
            }
        }
    }
}

// ---------------------------------------------------------------- layout

class LayoutWriter {
public:
    LayoutWriter(const std::string& path, Indent indent, std::uint64_t seed) : w(path, indent), rng(seed) {}

    void Write(std::uint64_t budget, const std::vector<Cell>& cells, int& nNets)
    {
        Header(w, "LAYOUT", "MM");
        w.Line(".JOB \"generated\"");
        w.Line(".BOARD_ORIGIN");
        w.Line("..XY (0, 0)");
        w.Line(".NCDRILL_ORIGIN");
        w.Line("..XY (0, 0)");
        Outline(".BOARD_OUTLINE", 0);
        Outline(".ROUTE_OUTLINE", 500);
        Outline(".MANUFACTURING_OUTLINE", -2000);
        for (int t = 1; t <= 3; ++t)
            TearDropTemplate(t);

        const std::uint64_t componentsEnd = budget / 5, netsEnd = budget * 88 / 100, planesEnd = budget * 98 / 100;
        for (int i = 0; w.Bytes() < componentsEnd && !cells.empty(); ++i)
            Component(cells[static_cast<std::size_t>(i) % cells.size()], i);
        // The power nets are the big records: a tenth of the net bytes each.
        const std::uint64_t powerBytes = (netsEnd - w.Bytes()) / 10;
        Net("GND", powerBytes);
        Net("VCC", powerBytes);
        nNets = 0;
        while (w.Bytes() < netsEnd)
            Net(Cat("N", nNets++), 0);
        Planes(".GENERATED_DATA", planesEnd);
        Planes(".UPG_APS_DATA", w.Bytes() + 2000);
        for (int i = 0; w.Bytes() < budget; ++i)
            Misc(i);
    }

private:
    Point RandomPoint() { return {rng.Range(2000, kBoardW - 2000), rng.Range(2000, kBoardH - 2000)}; }
    int SignalLayer() { return rng.Pick(kSignalLayers); }

    void Line(std::string_view s)
    {
        w.Line(s);
    }

    void Outline(std::string_view keyword, long long inset)
    {
        Line(keyword);
        Line("..POLYLINE_SHAPE");
        WritePoints(w, "...", Rect(inset, inset, kBoardW - inset, kBoardH - inset));
    }

    void TearDropTemplate(int id)
    {
        w << ".TEARDROP_TEMPLATE ";
        w.Int(id);
        w.End();
        Line("..RATIO 1.5");
        Line("..PREFERRED 0.3");
        Line("..SECONDARY 0.2");
        Line("..MAX_PAD_TO_VIA 1");
        Line("..EXCLUDE_SMD_PADS NO");
    }

    void Component(const Cell& c, int i)
    {
        const Point at = RandomPoint();
        w.Line(".PACKAGE_CELL \"", c.sName, "\"");
        Line(Cat("..PID ", 100000 + i));
        w << "..XY ";
        w.Pt(at.x, at.y);
        w.End();
        Line(rng.Percent(20) ? "..ROTATION 90" : "..ROTATION 0");
        Line(rng.Percent(30) ? "..FACEMENT BOTTOM" : "..FACEMENT TOP");
        Line("..PLACEMENT_LYR 1");
        Text(w, "..", "REFDES", Cat(c.nPins <= 3 ? "R" : "U", i + 1), {0, c.halfH + 1000}, 1000);
        w.Line("..PLACEMENT_OUTLINE");
        Line("...HEIGHT 1.2");
        Line("...RECT_SHAPE");
        WritePoints(w, "....", {{at.x - c.halfW, at.y - c.halfH}, {at.x + c.halfW, at.y + c.halfH}});
        for (int p = 0; p < c.nPins; ++p) {
            const Point& pin = c.pins[static_cast<std::size_t>(p)];
            w << "..PIN \"";
            w.Int(p + 1);
            w.Line('"');
            w.Line("...PADSTACK \"", PadstackOf(c), "\"");
            w << "...XY ";
            w.Pt(at.x + pin.x, at.y + pin.y);
            w.End();
            w << "...NETNAME \"";
            if (p == 0)
                w << "GND";
            else if (p == c.nPins - 1)
                w << "VCC";
            else
                w << "N" << std::to_string(rng.Range(0, 40000));
            w.Line('"');
        }
    }

    void Trace(std::string_view netName)
    {
        Line("..TRACE");
        w << "...ROUTE_LYR ";
        w.Int(SignalLayer());
        w.End();
        Line("...POLYLINE_PATH");
        Line(rng.Percent(70) ? "....WIDTH 0.15" : "....WIDTH 0.25");
        const int n = static_cast<int>(rng.Range(2, 20));
        std::vector<Point> pts{RandomPoint()};
        for (int i = 1; i < n; ++i) {
            const long long step = rng.Range(500, 10000);
            const int dir = static_cast<int>(rng.Range(0, 7));
            const long long dx[] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[] = {0, 1, 1, 1, 0, -1, -1, -1};
            const Point& last = pts.back();
            pts.push_back({std::clamp(last.x + dx[dir] * step, 0LL, kBoardW), std::clamp(last.y + dy[dir] * step, 0LL, kBoardH)});
        }
        WritePoints(w, "....", pts);
        w.Line("...NETNAME \"", netName, "\"");
        Line(Cat("...PID ", rng.Range(1, 9999999)));
    }

    void Via()
    {
        const Point at = RandomPoint();
        Line("..VIA");
        Line("...PADSTACK \"VIA_0.3_0.6\"");
        Line(rng.Percent(80) ? "...LAYER_PAIR 1 6" : "...LAYER_PAIR 1 3");
        w << "...XY ";
        w.Pt(at.x, at.y);
        w.End();
        if (rng.Percent(20)) {
            Line("...VIA_OPTIONS LOCKED");
        }
        if (rng.Percent(25)) {
            Line("...TEARDROP_DATA");
            Line("....TEARDROP_TEMPLATE_ID 1");
            Line("....ROUTE_LYR 1");
        }
    }

    void ConductiveArea(std::string_view netName)
    {
        Line("..CONDUCTIVE_AREA");
        w << "...ROUTE_LYR ";
        w.Int(SignalLayer());
        w.End();
        w.Line("...NETNAME \"", netName, "\"");
        Line("...HATCH_PATTERN SOLID");
        Line("...HATCH_WIDTH 0.2");
        Line("...CONDUCTIVE_AREA_OPTIONS FILLED THERMAL");
        Line("...POLYLINE_SHAPE");
        const Point c = RandomPoint();
        const int n = static_cast<int>(rng.Range(4, 40));
        std::vector<Point> pts;
        for (int i = 0; i < n; ++i) {
            // A star-shaped polygon around c.
            const long long r = rng.Range(1000, 8000);
            const long long dx[] = {1000, 707, 0, -707, -1000, -707, 0, 707}, dy[] = {0, 707, 1000, 707, 0, -707, -1000, -707};
            pts.push_back({c.x + dx[i % 8] * r / 1000, c.y + dy[i % 8] * r / 1000});
        }
        pts.push_back(pts.front());
        WritePoints(w, "....", pts);
    }

    void Net(const std::string& name, std::uint64_t nBytes)
    {
        const std::uint64_t start = w.Bytes();
        w.Line(".NET \"", name, "\"");
        auto more = [&](int i, int n) { return nBytes ? w.Bytes() - start < nBytes : i < n; };
        const int nTraces = static_cast<int>(rng.Range(1, 6)), nVias = static_cast<int>(rng.Range(0, 3));
        for (int i = 0; more(i, nTraces); ++i) {
            Trace(name);
            if (nBytes && i % 3 == 0)
                Via();
        }
        for (int i = 0; !nBytes && i < nVias; ++i)
            Via();
        if (rng.Percent(8))
            ConductiveArea(name);
        if (rng.Percent(3)) {
            const Point at = RandomPoint();
            Line(Cat("..TESTPOINT \"TP", rng.Range(1, 99999)) + "\"");
            Line("...PADSTACK \"TP1.0\"");
            Line("...FACEMENT BOTTOM");
            w << "...XY ";
            w.Pt(at.x, at.y);
            w.End();
        }
        if (rng.Percent(2)) {
            Line("..MULTIVIA");
            for (int i = 0; i < 2; ++i) {
                const Point at = RandomPoint();
                Line("...VIA");
                Line("....PADSTACK \"VIA_0.3_0.6\"");
                Line("....LAYER_PAIR 1 6");
                w << "....XY ";
                w.Pt(at.x, at.y);
                w.End();
            }
        }
    }

    // Plane layers: the plane net's outline, then the actual plane shape with
    // a void around every via and pin it clears, and tie legs.
    void Planes(std::string_view keyword, std::uint64_t end)
    {
        Line(keyword);
        const std::uint64_t perLayer = (end - w.Bytes()) / 2;
        for (int k = 0; k < 2; ++k) {
            const std::uint64_t layerEnd = w.Bytes() + perLayer;
            w << "..PLANE_LAYER ";
            w.Int(kPlaneLayers[k]);
            w.End();
            Line("...PLANE_TYPE POSITIVE");
            w.Line("...PLANE_NET \"", kPlaneNets[k], "\"");
            Line("....POLYLINE_SHAPE");
            WritePoints(w, ".....", Rect(1000, 1000, kBoardW - 1000, kBoardH - 1000));
            Line("....ACTUAL_PLANE_SHAPE");
            Line(Cat(".....PLANE_ID ", k + 1));
            Line(".....POLYLINE_SHAPE");
            WritePoints(w, "......", Rect(1200, 1200, kBoardW - 1200, kBoardH - 1200));
            for (int i = 0; w.Bytes() < layerEnd; ++i) {
                const Point at = RandomPoint();
                if (i % 5 == 4) {
                    Line(".....APS_TIE_LEG");
                    Line("......POLYLINE_PATH");
                    Line(".......WIDTH 0.3");
                    WritePoints(w, ".......", {at, {at.x + 600, at.y}});
                } else {
                    Line(".....CIRCLE_SHAPE");
                    Line("......SHAPE_OPTIONS VOID");
                    Line("......RADIUS 0.45");
                    WritePoints(w, "......", {at});
                }
            }
        }
    }

    void Misc(int i)
    {
        const Point at = RandomPoint();
        switch (i % 5) {
        case 0:
            Text(w, ".", "BOARD", Cat("note ", i), at, 1500);
            break;
        case 1:
            Line(".OBSTRUCT ROUTE");
            Line("..ROUTE_LYR 1");
            Line("..RECT_SHAPE");
            WritePoints(w, "...", {at, {at.x + 3000, at.y + 2000}});
            break;
        case 2:
            Line(".PLACEMENT_KEEPOUT");
            Line("..HEIGHT 2");
            Line("..POLYLINE_SHAPE");
            WritePoints(w, "...", Rect(at.x, at.y, at.x + 5000, at.y + 4000));
            break;
        case 3:
            Line(".SILKSCREEN_OUTLINE");
            Line("..SIDE TOP");
            Line("..POLYLINE_PATH");
            Line("...WIDTH 0.15");
            WritePoints(w, "...", {at, {at.x + 4000, at.y}, {at.x + 4000, at.y + 4000}});
            break;
        default:
            Line(".FIDUCIAL");
            Line("..PADSTACK \"RND67\"");
            Line("..SIDE TOP");
            w << "..XY ";
            w.Pt(at.x, at.y);
            w.End();
            break;
        }
    }

    Writer w;
    Rng rng;
};

// ---------------------------------------------------------------- net classes and properties

void WriteNetClasses(const std::string& path, Indent indent, std::uint64_t budget, int nNets)
{
    Writer w(path, indent);
    Header(w, "NET_CLASS_PROPERTIES", "MM");
    w.Line(".OUTPUT_IN_DB_UNITS NO");
    w.Line(".NETCLASS \"(Default)\"");
    w.Line("..NETNAMES \"GND\" \"VCC\"");
    Rng rng(0x5eed0005);
    const int perClass = 40;
    const int nClassNets = std::max(nNets, 1);
    for (int c = 0; c * perClass < nClassNets; ++c) {
        w.Line(".NETCLASS \"Class", std::to_string(c), "\"");
        w << "..NETNAMES";
        for (int n = c * perClass; n < std::min((c + 1) * perClass, nClassNets); ++n)
            w << " \"N" << std::to_string(n) << "\"";
        w.End();
    }
    for (int n = 0; w.Bytes() < budget; ++n) {
        w.Line(".NETNAME \"N", std::to_string(n), "\"");
        w << "..WIDTH ";
        w.Len(rng.Range(1, 5) * 50);
        w.End();
        w.Line("..NET_CLASS \"Class", std::to_string(n / perClass), "\"");
        if (n % 7 == 0) {
            w << "..MAX_LENGTH ";
            w.Int(rng.Range(20, 200));
            w.End();
        }
        if (n % 11 == 0) {
            w.Line("..DIFF_PAIR \"N", std::to_string(n + 1), "\"");
        }
    }
}

// ---------------------------------------------------------------- parts database

void WritePartsDb(const std::string& path, Indent indent, std::uint64_t budget, const std::vector<Cell>& cells)
{
    Writer w(path, indent);
    Header(w, "PARTS_DATABASE", "MM");
    Rng rng(0x5eed0006);
    for (int i = 0; w.Bytes() < budget; ++i) {
        const Cell& c = cells[static_cast<std::size_t>(i) % cells.size()];
        const std::string id = std::to_string(i);
        w.Line(".NUMBER \"PN-", id, "\"");
        w.Line("..NAME \"PART_", id, "\"");
        w.Line("...DEFAULT");
        w.Line("..LABEL \"", id, "\"");
        w.Line("..DESC \"generated part ", id, "\"");
        w.Line("..REFPREFIX ", (c.nPins <= 3 ? "\"R\"" : "\"U\""));
        w.Line("..TOPCELL \"", c.sName, "\"");
        w.Line("..PROP \"Value\" \"", std::to_string(rng.Range(1, 999)), "K\"");
        // One slot per eight pins, at most four.
        const int nSlots = std::min(4, (c.nPins + 7) / 8);
        for (int s = 0; s < nSlots; ++s) {
            w.Line("..SLOTS");
            w.Line("...SLOT_SWAPGROUP \"G", id, "\"");
            w << "....SLOTID ";
            w.Int(s + 1);
            w.End();
            w.Line("....SWAPCODE 1");
            for (int p = s; p < c.nPins && p < s + 8 * nSlots; p += nSlots) {
                w << "....PINNUMBER \"";
                w.Int(p + 1);
                w.Line('"');
            }
        }
        w.Line("..SWAPGROUP \"G", id, "\"");
        w.Line("...SWAPID \"1\"");
        w.Line("..SYMBOL \"SYM_", id, "\"");
        w.Line("...DEFAULT");
        w.Line("...SYMBOL_SWAPGROUP \"G", id, "\"");
        for (int p = 0; p < std::min(c.nPins, 8); ++p) {
            w << "....PINNAME \"P";
            w.Int(p + 1);
            w.Line('"');
        }
    }
}

} // namespace

DesignFiles DesignFilesIn(const std::string& sDir)
{
    const std::filesystem::path dir(sDir);
    DesignFiles f;
    f.sJobPrefs = (dir / "job_preferences.txt").string();
    f.sCellLib = (dir / "cell_library.txt").string();
    f.sLayout = (dir / "layout.txt").string();
    f.sPadstackLib = (dir / "padstack_library.txt").string();
    f.sNetClass = (dir / "net_classes.txt").string();
    f.sPartsDb = (dir / "parts_database.txt").string();
    return f;
}

DesignFiles WriteDesign(const std::string& sDir, std::uint64_t nTargetBytes, std::uint64_t nSeed, Indent indent)
{
    std::filesystem::create_directories(sDir);
    DesignFiles f = DesignFilesIn(sDir);
    const std::uint64_t t = std::max<std::uint64_t>(nTargetBytes, 64 * 1024);
    // Shares of a typical board: the layout dominates.
    std::vector<Cell> cells = MakeCells(50, nSeed * 7 + 1);
    WriteJobPrefs(f.sJobPrefs, indent);
    WritePadstackLib(f.sPadstackLib, indent, t * 3 / 100);
    WriteCellLib(f.sCellLib, indent, t * 13 / 100, cells, nSeed * 7 + 2);
    int nNets = 0;
    LayoutWriter(f.sLayout, indent, nSeed * 7 + 3).Write(t * 72 / 100, cells, nNets);
    WriteNetClasses(f.sNetClass, indent, t * 5 / 100, nNets);
    WritePartsDb(f.sPartsDb, indent, t * 7 / 100, cells);
    for (const std::string& p : f.Paths())
        f.nBytes += std::filesystem::file_size(p);
    return f;
}

} // namespace ex::bench
