// Runs the built exload program on the example design and checks what it
// prints and writes against the tree the library loads in this process.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <filesystem>

#include <cairo.h>
#include <nlohmann/json.hpp>

#include "expedition.h"
#include "support/TestSupport.h"
#include "tool/ToolSupport.h"

namespace fs = std::filesystem;

namespace {

using namespace tool;

// The demo design loaded in this process, to compare the program's output with.
struct DemoTree {
    CExExpedition root;
    DemoTree()
    {
        const std::string d = Demo() + "/";
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.vSetMExpeditionFilePath(d + "job_preferences.txt", d + "cell_library.txt", d + "layout.txt",
                                       d + "padstack_library.txt", d + "net_classes.txt", d + "parts_database.txt");
        loader.ParseExpeditionOfMFC();
    }
};

std::int64_t LogEntries(const CExExpedition& root)
{
    std::int64_t n = 0;
    auto add = [&n](const auto* p) {
        if (p)
            n += p->pIgnoreLog->GetSize() + p->pNotUsedLog->GetSize();
    };
    add(root.pJobPreferences);
    add(root.pCellLibrary);
    add(root.pLayout);
    add(root.pPadstackLibrary);
    add(root.pNetConnectionArray);
    add(root.pNetClassArray);
    add(root.pNetPropArray);
    add(root.pLibPart);
    return n;
}

// Route objects of one type over every net of the layout.
std::int64_t RouteObjects(const CExExpedition& root, const std::string& type)
{
    std::int64_t n = 0;
    for (const CExNet* net : *root.pLayout->pNetArray)
        for (const CExRouteObj* o : *net->pRouteObjArray)
            n += o->sType == type;
    return n;
}

struct Rgb {
    int r, g, b;
};

// Pixels of a PNG, in the columns [xFrom, xTo), for which the test holds;
// -1 when it cannot be read.
template <class Test>
long CountPixels(const std::string& png, Test&& test, int xFrom = 0, int xTo = 1 << 30)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return -1;
    }
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    long n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = std::max(xFrom, 0); x < std::min(xTo, w); ++x) {
            const unsigned char* p = data + y * stride + 4 * x;  // B, G, R, A in memory
            n += test(Rgb{p[2], p[1], p[0]});
        }
    cairo_surface_destroy(s);
    return n;
}

bool Reddish(const Rgb& c) { return c.r > 150 && c.g < 120 && c.b < 120; }
bool Bluish(const Rgb& c) { return c.b > 150 && c.r < 120; }
bool Magenta(const Rgb& c) { return c.r > 200 && c.g < 110 && c.b > 180; }

// Width and height of a PNG, from its header.
std::pair<long, long> PngSize(const std::string& png)
{
    const std::string bytes = Slurp(png);
    if (bytes.size() < 24)
        return {-1, -1};
    auto be32 = [&bytes](std::size_t at) {
        return (static_cast<long>(static_cast<unsigned char>(bytes[at])) << 24) |
               (static_cast<unsigned char>(bytes[at + 1]) << 16) | (static_cast<unsigned char>(bytes[at + 2]) << 8) |
               static_cast<unsigned char>(bytes[at + 3]);
    };
    return {be32(16), be32(20)};
}

// The largest resident size, in MiB, of any program this one has run.
long ChildPeakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024;
}

// A copy of the demo design in dir with one text of the layout file replaced.
fs::path DemoWith(const test::TempDir& tmp, const std::string& dir, const std::string& file, const std::string& from,
                  const std::string& to)
{
    const fs::path d = tmp.Path() / dir;
    fs::copy(Demo(), d);
    std::string text = Slurp(d / file);
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    tmp.Write(dir + "/" + file, text);
    return d;
}

// The number on the summary line that begins with the label, -1 if none.
long long SummaryCount(const std::string& summary, const std::string& label)
{
    for (const std::string& line : Lines(summary)) {
        const std::string_view v(line);
        if (v.size() > 2 && v.substr(2, label.size()) == label && v[2 + label.size()] == ' ')
            return std::stoll(line.substr(line.find_last_of(' ') + 1));
    }
    return -1;
}

} // namespace

TEST(Tool, SummaryTellsUnitsStackupCountsLogsAndSpeed)
{
    test::TempDir tmp;
    DemoTree tree;
    const Result r = Exload("summary " + Quote(Demo()), tmp);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "") << "no bars when standard error is no terminal";
    EXPECT_NE(r.out.find("design units: MM"), std::string::npos);

    // Every conductive and dielectric layer of the stackup has a row.
    for (const CExLayer_Stackup* l : *tree.root.pJobPreferences->pLayerStackupArray)
        EXPECT_NE(r.out.find(l->sLayerName), std::string::npos) << l->sLayerName;
    EXPECT_NE(r.out.find("GND"), std::string::npos) << "plane nets are listed";

    EXPECT_EQ(SummaryCount(r.out, "pads"), tree.root.pPadstackLibrary->pPadArray->GetSize());
    EXPECT_EQ(SummaryCount(r.out, "holes"), tree.root.pPadstackLibrary->pHoleArray->GetSize());
    EXPECT_EQ(SummaryCount(r.out, "padstacks"), tree.root.pPadstackLibrary->pPadstackArray->GetSize());
    EXPECT_EQ(SummaryCount(r.out, "parts"), tree.root.pLibPart->pPartDataArray->GetSize());
    EXPECT_EQ(SummaryCount(r.out, "net classes"), tree.root.pNetClassArray->GetSize());
    EXPECT_EQ(SummaryCount(r.out, "nets"), tree.root.pLayout->pNetArray->GetSize());
    EXPECT_EQ(SummaryCount(r.out, "traces"), RouteObjects(tree.root, "TRACE"));
    EXPECT_EQ(SummaryCount(r.out, "vias"), RouteObjects(tree.root, "VIA"));
    EXPECT_EQ(SummaryCount(r.out, "test points"), RouteObjects(tree.root, "TESTPOINT"));
    EXPECT_EQ(SummaryCount(r.out, "package cells"), tree.root.pLayout->pPackageCellArray->GetSize() +
                                                        tree.root.pCellLibrary->pPackageCellArray->GetSize());
    EXPECT_GT(SummaryCount(r.out, "vias"), 0);
    EXPECT_EQ(SummaryCount(r.out, "panel cells"), 0) << "kinds without objects still have their row";

    // The parts database logs its header records in its ignore log.
    const auto parts = tree.root.pLibPart->pIgnoreLog->GetSize();
    ASSERT_GT(parts, 0);
    bool logRow = false;
    for (const std::string& line : Lines(r.out))
        if (line.rfind("parts database    ignore", 0) == 0) {
            logRow = true;
            EXPECT_NE(line.find(" " + std::to_string(parts) + "  "), std::string::npos) << line;
            EXPECT_NE(line.find(".FILETYPE (1)"), std::string::npos) << line;
        }
    EXPECT_TRUE(logRow);

    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().rfind("read ", 0), 0u) << lines.back();
    EXPECT_NE(lines.back().find("MB/s"), std::string::npos);
}

TEST(Tool, LogsListEveryEntryAndFilter)
{
    test::TempDir tmp;
    DemoTree tree;
    const Result all = Exload("logs " + Quote(Demo()), tmp);
    ASSERT_EQ(all.status, 0) << all.err;
    const std::vector<std::string> lines = Lines(all.out);
    EXPECT_EQ(static_cast<std::int64_t>(lines.size()), LogEntries(tree.root));
    for (const std::string& line : lines)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6) << line;

    const Result ignore = Exload("logs " + Quote(Demo()) + " --file parts --log ignore", tmp);
    ASSERT_EQ(ignore.status, 0) << ignore.err;
    const std::vector<std::string> partLines = Lines(ignore.out);
    ASSERT_EQ(static_cast<std::int64_t>(partLines.size()), tree.root.pLibPart->pIgnoreLog->GetSize());
    const CExTemporary* first = tree.root.pLibPart->pIgnoreLog->GetAt(0);
    EXPECT_EQ(partLines[0], "parts\tignore\t" + first->sKeyword + "\t" + first->sValue + "\t" + first->sContext + "\t" +
                                std::to_string(first->nLevel) + "\t" + std::to_string(first->saLines.size()));

}

TEST(Tool, JsonIsTheTreeAndTheSameEveryTime)
{
    test::TempDir tmp;
    DemoTree tree;
    const Result r = Exload("json " + Quote(Demo()), tmp);
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::ordered_json j = nlohmann::ordered_json::parse(r.out);  // keeps key order

    EXPECT_EQ(j["g_sUnits"], "MM");
    const CExPadstack_Library& lib = *tree.root.pPadstackLibrary;
    const auto& pads = j["pPadstackLibrary"]["pPadArray"];
    ASSERT_EQ(static_cast<std::int64_t>(pads.size()), lib.pPadArray->GetSize());
    for (std::size_t i = 0; i < pads.size(); ++i) {
        const CExPad& pad = *lib.pPadArray->GetAt(static_cast<std::int64_t>(i));
        EXPECT_EQ(pads[i]["sName"], pad.sName);
        ASSERT_EQ(static_cast<std::int64_t>(pads[i]["pDrawObjArray"].size()), pad.pDrawObjArray->GetSize());
        for (std::size_t k = 0; k < pads[i]["pDrawObjArray"].size(); ++k)
            EXPECT_EQ(pads[i]["pDrawObjArray"][k]["sShapeType"],
                      pad.pDrawObjArray->GetAt(static_cast<std::int64_t>(k))->sShapeType);
    }
    // Keys in declaration order.
    std::vector<std::string> keys;
    for (const auto& item : pads[0].items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"aOffsets", "sName", "pDrawObjArray"}));

    const auto& layers = j["pJobPreferences"]["pLayerStackupArray"];
    ASSERT_EQ(static_cast<std::int64_t>(layers.size()), tree.root.pJobPreferences->pLayerStackupArray->GetSize());
    const CExLayer_Stackup& l1 = *tree.root.pJobPreferences->pLayerStackupArray->GetAt(1);
    EXPECT_EQ(layers[1]["sLayerName"], l1.sLayerName);
    EXPECT_EQ(layers[1]["dLayerThickness"], l1.dLayerThickness);
    EXPECT_EQ(layers[1]["pLayerPair"]["sFromLayer"], l1.pLayerPair->sFromLayer);

    // Route objects carry their type, their shapes theirs.
    const auto& nets = j["pLayout"]["pNetArray"];
    ASSERT_EQ(static_cast<std::int64_t>(nets.size()), tree.root.pLayout->pNetArray->GetSize());
    for (std::size_t n = 0; n < nets.size(); ++n) {
        const CExNet& net = *tree.root.pLayout->pNetArray->GetAt(static_cast<std::int64_t>(n));
        EXPECT_EQ(nets[n]["sNetName"], net.sNetName);
        ASSERT_EQ(static_cast<std::int64_t>(nets[n]["pRouteObjArray"].size()), net.pRouteObjArray->GetSize());
        for (std::size_t k = 0; k < nets[n]["pRouteObjArray"].size(); ++k) {
            const auto& o = nets[n]["pRouteObjArray"][k];
            const CExRouteObj* obj = net.pRouteObjArray->GetAt(static_cast<std::int64_t>(k));
            EXPECT_EQ(o["sType"], obj->sType);
            if (const auto* trace = dynamic_cast<const CExTrace*>(obj)) {
                EXPECT_EQ(o["pShape"]["sShapeType"], trace->pShape->sShapeType);
            }
            if (const auto* via = dynamic_cast<const CExVia*>(obj)) {
                EXPECT_EQ(o["ptsPosition"][0]["dX"], via->ptsPosition[0].dX);
                EXPECT_EQ(o["pLayerPair"]["sToLayer"], via->pLayerPair->sToLayer);
            }
        }
    }
    EXPECT_EQ(j["pLayout"]["pBoardOutline"][0]["sShapeType"], "POLYLINE_SHAPE");

    // Logs are part of the tree.
    const auto& partsLog = j["pLibPart"]["pIgnoreLog"];
    ASSERT_EQ(static_cast<std::int64_t>(partsLog.size()), tree.root.pLibPart->pIgnoreLog->GetSize());
    EXPECT_EQ(partsLog[0]["sKeyword"], tree.root.pLibPart->pIgnoreLog->GetAt(0)->sKeyword);
    EXPECT_EQ(j["pNetClassArray"]["elements"].size(), static_cast<std::size_t>(tree.root.pNetClassArray->GetSize()));

    // Byte-identical again, and the same into a file.
    EXPECT_EQ(Exload("json " + Quote(Demo()), tmp).out, r.out);
    const std::string file = (tmp.Path() / "tree.json").string();
    ASSERT_EQ(Exload("json " + Quote(Demo()) + " -o " + Quote(file), tmp).status, 0);
    EXPECT_EQ(Slurp(file), r.out);
}

TEST(Tool, RenderWritesPngSvgAndPdf)
{
    test::TempDir tmp;
    const fs::path png = tmp.Path() / "board.png";
    Result r = Exload("render " + Quote(Demo()) + " -o " + Quote(png.string()) + " --width 640", tmp);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = Slurp(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    // IHDR: width and height, big-endian, at bytes 16 and 20.
    auto be32 = [&bytes](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(be32(16), 640u);
    EXPECT_GT(be32(20), 32u);

    // Top copper shows, and goes when only the bottom layer is drawn.
    EXPECT_GT(CountPixels(png.string(), Reddish), 200);
    EXPECT_GT(CountPixels(png.string(), Bluish), 20);
    EXPECT_EQ(CountPixels(png.string(), Magenta), 0) << "every pin of the demo finds its pad";
    const std::string bottomOnly = (tmp.Path() / "bottom.png").string();
    ASSERT_EQ(Exload("render " + Quote(Demo()) + " -o " + Quote(bottomOnly) + " --width 640 --layer Bottom", tmp).status, 0);
    EXPECT_EQ(CountPixels(bottomOnly, Reddish), 0);
    EXPECT_GT(CountPixels(bottomOnly, Bluish), 20);

    const fs::path svg = tmp.Path() / "board.svg";
    r = Exload("render " + Quote(Demo()) + " -o " + Quote(svg.string()) + " --side bottom --layer Top", tmp);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = Slurp(svg);
    const auto root = text.find("<svg");
    ASSERT_NE(root, std::string::npos);
    EXPECT_NE(text.find("</svg>", root), std::string::npos);

    const fs::path pdf = tmp.Path() / "board.pdf";
    ASSERT_EQ(Exload("render " + Quote(Demo()) + " -o " + Quote(pdf.string()), tmp).status, 0);
    EXPECT_EQ(Slurp(pdf).substr(0, 5), "%PDF-");

    r = Exload("render " + Quote(Demo()) + " -o " + Quote((tmp.Path() / "board.bmp").string()), tmp);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("board.bmp"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

TEST(Tool, DesignFilesAreFoundByContentNotByName)
{
    test::TempDir tmp;
    const fs::path dir = tmp.Path() / "renamed";
    fs::create_directories(dir);
    // Names that say nothing, in an order unlike the kinds, and a stranger.
    const std::pair<const char*, const char*> renames[] = {
        {"layout.txt", "a.1"},      {"job_preferences.txt", "b.1"}, {"padstack_library.txt", "c.1"},
        {"cell_library.txt", "d.1"}, {"net_classes.txt", "e.1"},     {"parts_database.txt", "f.1"}};
    for (const auto& [from, to] : renames)
        fs::copy_file(Demo() + "/" + from, dir / to);
    tmp.Write("renamed/notes.txt", "nothing of a design here\n.SOMETHING else\n");

    const Result named = Exload("summary " + Quote(Demo()), tmp);
    const Result renamed = Exload("summary " + Quote(dir.string()), tmp);
    ASSERT_EQ(renamed.status, 0) << renamed.err;
    // The same counts: only the paths and the timing differ.
    auto objects = [](const std::string& out) { return out.substr(out.find("\nobjects"), out.find("\nread ") - out.find("\nobjects")); };
    EXPECT_EQ(objects(renamed.out), objects(named.out));
    EXPECT_NE(renamed.out.find("a.1"), std::string::npos);
    EXPECT_EQ(renamed.out.find("notes.txt"), std::string::npos);

    // The same files named one by one.
    const std::string d = Demo() + "/";
    const Result files = Exload("summary --jobprefs " + Quote(d + "job_preferences.txt") + " --cells " +
                                 Quote(d + "cell_library.txt") + " --layout " + Quote(d + "layout.txt") +
                                 " --padstacks " + Quote(d + "padstack_library.txt"),
                             tmp);
    ASSERT_EQ(files.status, 0) << files.err;
    EXPECT_EQ(SummaryCount(files.out, "pads"), SummaryCount(named.out, "pads"));
    EXPECT_EQ(SummaryCount(files.out, "parts"), 0) << "no parts database given";
}

TEST(Tool, UsageErrorsEndWithOneLineAndStatusTwo)
{
    test::TempDir tmp;
    auto expectError = [&tmp](const std::string& args, const std::string& mention) {
        const Result r = Exload(args, tmp);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(mention), std::string::npos) << r.err;
    };
    const std::string missing = (tmp.Path() / "no-such-dir").string();
    expectError("summary " + Quote(missing), missing);

    const fs::path noLayout = tmp.Path() / "no-layout";
    fs::create_directories(noLayout);
    for (const char* f : {"job_preferences.txt", "cell_library.txt", "padstack_library.txt", "parts_database.txt"})
        fs::copy_file(Demo() + "/" + f, noLayout / f);
    expectError("summary " + Quote(noLayout.string()), "no layout file");
    expectError("json " + Quote(noLayout.string()), "no layout file");

    const fs::path twoLayouts = tmp.Path() / "two-layouts";
    fs::copy(Demo(), twoLayouts);
    fs::copy_file(Demo() + "/layout.txt", twoLayouts / "copy_of_board");
    expectError("render " + Quote(twoLayouts.string()) + " -o x.png", "two layout files");

    const std::string d = Demo() + "/";
    expectError("summary --jobprefs " + Quote(d + "job_preferences.txt") + " --cells " + Quote(d + "cell_library.txt") +
                    " --layout " + Quote(d + "layout.txt"),
                "no padstack library file");
    expectError("logs --jobprefs " + Quote(d + "job_preferences.txt") + " --cells " + Quote(d + "cell_library.txt") +
                    " --layout " + Quote(missing) + " --padstacks " + Quote(d + "padstack_library.txt"),
                missing);
    expectError("summary " + Quote(d + "layout.txt"), "not a directory");

    // Option errors too: one line of our own, not the parser's two and its statuses.
    const std::string files = " --jobprefs " + Quote(d + "job_preferences.txt") + " --cells " +
                              Quote(d + "cell_library.txt") + " --padstacks " + Quote(d + "padstack_library.txt");
    expectError("summary" + files + " --layout " + Quote(d + "layout.txt") + " --layout " + Quote(d + "layout.txt"),
                "--layout");
    expectError("render " + Quote(Demo()) + " -o x.png --width abc", "--width");
    expectError("render " + Quote(Demo()), "--output");
    expectError("summary " + Quote(Demo()) + " --no-such-option", "--no-such-option");
    expectError("logs " + Quote(Demo()) + " --file nonsense", "nonsense");
    expectError("", "subcommand");

    // A link loop says so, for a directory and for a file alike.
    const fs::path loop = tmp.Path() / "loop";
    fs::create_symlink(loop, loop);
    expectError("summary " + Quote(loop.string()), "Too many levels of symbolic links");
    expectError("summary" + files + " --layout " + Quote(loop.string()), "Too many levels of symbolic links");

    // Two cell libraries make a library load, which needs no other file.
    const Result lib = Exload("summary --cells " + Quote(d + "cell_library.txt") + " --cells " +
                               Quote(d + "cell_library.txt") + " --padstacks " + Quote(d + "padstack_library.txt"),
                           tmp);
    EXPECT_EQ(lib.status, 0) << lib.err;
    EXPECT_NE(lib.out.find("library load"), std::string::npos);
}

TEST(Tool, HelpAndVersion)
{
    test::TempDir tmp;
    const Result v = Exload("--version", tmp);
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out.rfind("exload ", 0), 0u) << v.out;
    for (const char* cmd : {"summary", "logs", "json", "render"}) {
        const Result h = Exload(std::string(cmd) + " --help", tmp);
        EXPECT_EQ(h.status, 0) << cmd;
        EXPECT_NE(h.out.find("--layout"), std::string::npos) << cmd;
    }
    EXPECT_NE(Exload("render --help", tmp).out.find("--side"), std::string::npos);
}

TEST(Tool, JsonStaysValidOnOddText)
{
    test::TempDir tmp;
    const fs::path dir = tmp.Path() / "odd";
    fs::copy(Demo(), dir);
    // A Latin-1 micro sign and an infinite layer thickness.
    tmp.Write("odd/parts_database.txt", ".FILETYPE PARTS_DATABASE\n.UNITS MM\n.NUMBER \"C1\"\n..DESC \"1 \xb5"
                                        "F, \\\"X7R\\\"\ttab\"\n");
    tmp.Write("odd/job_preferences.txt", ".UNITS MM\n.LAYER_STACKUP_SECTION\n..SIGNAL_LAYER 1\n...LAYER_NAME \"Top\"\n"
                                         "...LAYER_THICKNESS 1e999\n..SIGNAL_LAYER 2\n...LAYER_NAME \"Bot\"\n");
    const Result r = Exload("json " + Quote(dir.string()), tmp);
    ASSERT_EQ(r.status, 0) << r.err;
    nlohmann::json j;
    ASSERT_NO_THROW(j = nlohmann::json::parse(r.out));
    const std::string desc = j["pLibPart"]["pPartDataArray"][0]["sDesc"];
    EXPECT_NE(desc.find("\xef\xbf\xbd"), std::string::npos) << "the stray byte becomes U+FFFD";
    EXPECT_NE(desc.find("\ttab"), std::string::npos);
    EXPECT_TRUE(j["pJobPreferences"]["pLayerStackupArray"][0]["dLayerThickness"].is_null());
    EXPECT_EQ(j["pJobPreferences"]["pLayerStackupArray"][1]["sLayerName"], "Bot");
}

TEST(Tool, RenderMarksPinsWithoutPads)
{
    test::TempDir tmp;
    const fs::path dir = CopyDemo(tmp, "nopad");
    // One pin names a padstack that the library does not have.
    ReplaceIn(dir / "layout.txt", "...PADSTACK \"SMD0603\"", "...PADSTACK \"NO_SUCH_STACK\"");
    const std::string png = (tmp.Path() / "nopad.png").string();
    const Result r = Exload("render " + Quote(dir.string()) + " -o " + Quote(png), tmp);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_GT(CountPixels(png, Magenta), 10);
}

TEST(Tool, RenderDrawsDenseBoardsIntoThePixels)
{
    test::TempDir tmp;
    const fs::path dir = tmp.Path() / "dense";
    fs::copy(Demo(), dir);
    // Far more traces than the small picture has room for, all in the left
    // half of a 100 x 60 board, on the top layer.
    std::string layout = ".FILETYPE LAYOUT\n.UNITS MM\n.BOARD_OUTLINE\n..POLYLINE_SHAPE\n"
                         "...XY (0, 0) (100, 0) (100, 60) (0, 60) (0, 0)\n.NET \"N\"\n";
    for (int i = 0; i < 3000; ++i) {
        const int x = 5 + (i * 7) % 40, y = 5 + (i * 13) % 50;
        layout += "..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.1\n....XY (" + std::to_string(x) + ", " +
                  std::to_string(y) + ") (" + std::to_string(x + 2) + ", " + std::to_string(y + 1) + ")\n";
    }
    tmp.Write("dense/layout.txt", layout);
    const std::string png = (tmp.Path() / "dense.png").string();
    ASSERT_EQ(Exload("render " + Quote(dir.string()) + " -o " + Quote(png) + " --width 200", tmp).status, 0);
    // 200 pixels: a legend of 50, margins of 16, so the board spans the
    // columns 16 to 134, and the traces 22 to 71.
    EXPECT_GT(CountPixels(png, Reddish, 16, 75), 500);
    EXPECT_EQ(CountPixels(png, Reddish, 80, 134), 0);
    const std::string bottom = (tmp.Path() / "dense-bottom.png").string();
    ASSERT_EQ(Exload("render " + Quote(dir.string()) + " -o " + Quote(bottom) + " --width 200 --side bottom", tmp).status, 0);
    EXPECT_EQ(CountPixels(bottom, Reddish, 16, 75), 0) << "seen from below the traces lie on the right";
    EXPECT_GT(CountPixels(bottom, Reddish, 79, 134), 500);
}

TEST(Tool, RenderLeavesOutAbsurdValuesAndSaysSo)
{
    test::TempDir tmp;
    const std::string normal = (tmp.Path() / "normal.png").string();
    ASSERT_EQ(Exload("render " + Quote(Demo()) + " -o " + Quote(normal), tmp).status, 0);
    struct Case {
        const char* name;
        const char* file;
        const char* from;
        const char* to;
        const char* told;
    };
    // The pad is the vias'; the trace and text lines are the first of their kind.
    const Case cases[] = {
        {"pad999", "padstack_library.txt", "...DIAMETER 1.0\n", "...DIAMETER 1e999\n", "left out 6 vias"},
        {"pad18", "padstack_library.txt", "...DIAMETER 1.0\n", "...DIAMETER 1e18\n", "left out 6 vias"},
        {"width300", "layout.txt", "....WIDTH 0.5\n", "....WIDTH 1e300\n", "left out 1 track"},
        {"coord300", "layout.txt", "(8, 14.19)", "(1e300, 14.19)", "left out 1 track"},
        {"coord999", "layout.txt", "(8, 14.19)", "(8, -1e999)", "left out 1 track"},
        {"tall", "layout.txt", "..HEIGHT 2\n", "..HEIGHT 1e4\n", "left out 1 text"},
        {"far", "layout.txt", "..XY (48, 36)", "..XY (48, -2e9)", "left out 1 text"},
    };
    for (const Case& c : cases) {
        const fs::path dir = DemoWith(tmp, c.name, c.file, c.from, c.to);
        for (const char* format : {"png", "svg", "pdf"}) {
            SCOPED_TRACE(std::string(c.name) + "." + format);
            const std::string out = (tmp.Path() / (std::string(c.name) + "." + format)).string();
            const Result r = Exload("render " + Quote(dir.string()) + " -o " + Quote(out), tmp);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
            EXPECT_NE(r.err.find(c.told), std::string::npos) << r.err;
            const std::string bytes = Slurp(out);
            if (std::string(format) == "svg") {
                EXPECT_NE(bytes.find("</svg>"), std::string::npos);
            } else if (std::string(format) == "pdf") {
                EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
            } else {
                // The rest of the board, at the size it has without the stray item.
                EXPECT_EQ(PngSize(out), PngSize(normal));
                EXPECT_GT(CountPixels(out, Reddish), 200);
            }
        }
    }
}

TEST(Tool, RenderDrawsATraceOfTwoMillionPointsInBoundedTimeAndMemory)
{
    test::TempDir tmp;
    // A trace meandering over the board in steps of up to a millimetre.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> step(-1.0, 1.0);
    std::string points;
    points.reserve(40 << 20);
    double x = 30, y = 20;
    char buffer[64];
    for (int i = 0; i < 2000000; ++i) {
        x = std::clamp(x + step(random), 5.0, 55.0);
        y = std::clamp(y + step(random), 5.0, 35.0);
        points.append(buffer, static_cast<std::size_t>(std::snprintf(buffer, sizeof buffer, "(%.4f, %.4f) ", x, y)));
    }
    const fs::path dir = DemoWith(tmp, "long", "layout.txt", ".NET \"N1\"\n",
                                  ".NET \"N1\"\n..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.2\n....XY " +
                                      points + "\n");
    for (const char* name : {"long.png", "long.svg"}) {
        const std::string out = (tmp.Path() / name).string();
        const Result r = Exload("render " + Quote(dir.string()) + " -o " + Quote(out), tmp);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
    EXPECT_GT(CountPixels((tmp.Path() / "long.png").string(), Reddish), 100000) << "the trace covers much of the board";
    EXPECT_LT(ChildPeakMiB(), 1024);
}

TEST(Tool, RenderKeepsAHugePictureToABoundedSize)
{
    test::TempDir tmp;
    const std::string png = (tmp.Path() / "wide.png").string();
    const Result r = Exload("render " + Quote(Demo()) + " -o " + Quote(png) + " --width 20000", tmp);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
    EXPECT_NE(r.err.find("too large"), std::string::npos) << r.err;
    const auto [w, h] = PngSize(png);
    EXPECT_LE(w * h, 32000000);
    EXPECT_GT(w * h, 24000000) << "as large as allowed";
    EXPECT_GT(CountPixels(png, Reddish), 100000);
    EXPECT_LT(ChildPeakMiB(), 1024);
    // Vector pictures hold no pixels: they keep the width asked for.
    const std::string svg = (tmp.Path() / "wide.svg").string();
    ASSERT_EQ(Exload("render " + Quote(Demo()) + " -o " + Quote(svg) + " --width 20000", tmp).err, "");
    EXPECT_NE(Slurp(svg).find("width=\"20000pt\""), std::string::npos);
}

TEST(Tool, RenderRejectsAnUnknownLayerNamingTheKnownOnes)
{
    test::TempDir tmp;
    const fs::path png = tmp.Path() / "none.png";
    const Result r = Exload("render " + Quote(Demo()) + " -o " + Quote(png.string()) + " --layer Top --layer NOSUCH", tmp);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    ASSERT_EQ(Lines(r.err).size(), 1u) << r.err;
    for (const char* named : {"NOSUCH", "Top (1)", "Ground (2)", "Bottom (4)", "silkscreen", "drill"})
        EXPECT_NE(r.err.find(named), std::string::npos) << named << " in " << r.err;
    EXPECT_FALSE(fs::exists(png));
    // Names and numbers of the stackup, and the other layers' words, are known.
    for (const char* known : {"top", "4", "silkscreen", "text"})
        EXPECT_EQ(Exload("render " + Quote(Demo()) + " -o " + Quote(png.string()) + " --layer " + known, tmp).status, 0)
            << known;
}

TEST(Tool, RenderPictureHoldsTextsOutsideTheOutline)
{
    test::TempDir tmp;
    // Text pixels: the texts' pale yellow, neither the outline's nor the silkscreen's.
    auto textColour = [](const Rgb& c) { return c.r > 200 && c.g > 190 && c.b > 110 && c.b < 190; };
    auto textPixels = [&](const std::string& name, const std::string& title) {
        const fs::path dir = DemoWith(tmp, name, "layout.txt", ".TEXT \"REV A\"", title + ".TEXT \"REV A\"");
        const std::string png = (tmp.Path() / (name + ".png")).string();
        EXPECT_EQ(Exload("render " + Quote(dir.string()) + " -o " + Quote(png), tmp).status, 0);
        return CountPixels(png, textColour);
    };
    auto at = [](const std::string& y) {
        return ".TEXT \"TITLE BLOCK\"\n..XY (30, " + y + ")\n..HEIGHT 3\n..HORZ_JUST CENTER\n..VERT_JUST CENTER\n";
    };
    const long none = textPixels("none", "");
    const long inside = textPixels("inside", at("20"));
    const long above = textPixels("above", at("44"));
    ASSERT_GT(inside - none, 500) << "the title shows on the board";
    // Above the outline it shows whole: the picture reaches up to it.
    EXPECT_GT(above - none, (inside - none) * 9 / 10);
}
