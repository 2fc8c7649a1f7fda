#include "DesignFiles.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string_view>

#include "core/LineReader.h"
#include "core/StringOps.h"

namespace fs = std::filesystem;

namespace exload {

namespace {

struct Marker {
    std::string_view sKeyword;  // a whole level-1 keyword, upper case
    FileKind kind;
};

// Level-1 keywords that only one kind of file holds. Package cells stand in
// both cell libraries and layouts, so cells count only without layout markers.
constexpr Marker kMarkers[] = {
    {".LAYER_STACKUP_SECTION", FileKind::JobPrefs}, {".VIA_SPANS_SECTION", FileKind::JobPrefs},
    {".PHYSICAL_LAYERS", FileKind::JobPrefs},       {".DESIGN_UNITS", FileKind::JobPrefs},
    {".PADSTACK_TECHNOLOGY", FileKind::JobPrefs},   {".GENERAL_ROUTE_SECTION", FileKind::JobPrefs},
    {".PAD", FileKind::Padstacks},                  {".HOLE", FileKind::Padstacks},
    {".PADSTACK", FileKind::Padstacks},             {".CUSTOM_DRILL_SYMBOL", FileKind::Padstacks},
    {".PACKAGE_CELL", FileKind::Cells},             {".PACKAGE_CELL_FROM_LIB", FileKind::Cells},
    {".MECHANICAL_CELL", FileKind::Cells},          {".DRAWING_CELL", FileKind::Cells},
    {".PANEL_CELL", FileKind::Cells},               {".REUSABLE_CIRCUIT_CELL", FileKind::Cells},
    {".NET", FileKind::Layout},                     {".BOARD_OUTLINE", FileKind::Layout},
    {".ROUTE_OUTLINE", FileKind::Layout},           {".BOARD_ORIGIN", FileKind::Layout},
    {".NCDRILL_ORIGIN", FileKind::Layout},          {".GENERATED_DATA", FileKind::Layout},
    {".UPG_APS_DATA", FileKind::Layout},            {".TEARDROP_TEMPLATE", FileKind::Layout},
    {".ASSEMBLY_OUTLINE", FileKind::Layout},        {".MANUFACTURING_OUTLINE", FileKind::Layout},
    {".NETCLASS", FileKind::NetClass},              {".NETNAME", FileKind::NetClass},
    {".NUMBER", FileKind::Parts},
};

// Enough level-1 lines to judge any file whose kind no layout marker could
// still change. A file that looks like a cell library is read to its end:
// a layout holds cells too, and its first net may come late.
constexpr int kLevel1LinesToRead = 5000;

struct KindInfo {
    const char* name;
    const char* title;
    const char* option;
};

constexpr KindInfo kKindInfo[kKinds] = {
    {"jobprefs", "job preferences", "--jobprefs"},   {"cells", "cell library", "--cells"},
    {"layout", "layout", "--layout"},                {"padstacks", "padstack library", "--padstacks"},
    {"netclass", "net class", "--netclass"},         {"parts", "parts database", "--parts"},
};

std::uint64_t FileSize(const std::string& path)
{
    std::error_code ec;
    const auto n = fs::file_size(path, ec);
    return ec ? 0 : static_cast<std::uint64_t>(n);
}

} // namespace

const char* KindName(FileKind k) { return kKindInfo[static_cast<int>(k)].name; }
const char* KindTitle(FileKind k) { return kKindInfo[static_cast<int>(k)].title; }
const char* KindOption(FileKind k) { return kKindInfo[static_cast<int>(k)].option; }

std::optional<FileKind> KindFromName(const std::string& name)
{
    for (int k = 0; k < kKinds; ++k)
        if (name == kKindInfo[k].name)
            return static_cast<FileKind>(k);
    return std::nullopt;
}

std::optional<FileKind> DetectKind(const std::string& path)
{
    ex::LineReader reader;
    if (!reader.Open(path))
        return std::nullopt;
    std::array<int, kKinds> votes{};
    std::string_view raw;
    int level1 = 0;
    while (reader.ReadLine(raw)) {
        const std::string_view line = ex::TrimView(raw);
        if (ex::LeadingDots(line) != 1)
            continue;
        const std::string_view word = line.substr(0, std::min(line.find_first_of(" \t"), line.size()));
        for (const Marker& m : kMarkers)
            if (word.size() == m.sKeyword.size() && ex::StartsWithNoCase(word, m.sKeyword))
                ++votes[static_cast<int>(m.kind)];
        if (votes[static_cast<int>(FileKind::Layout)] > 0)
            return FileKind::Layout;
        const bool cellsLead = std::max_element(votes.begin(), votes.end()) - votes.begin() ==
                               static_cast<int>(FileKind::Cells);
        if (++level1 >= kLevel1LinesToRead && !cellsLead)
            break;
    }
    const auto best = std::max_element(votes.begin(), votes.end());
    if (*best == 0)
        return std::nullopt;
    return static_cast<FileKind>(best - votes.begin());
}

DesignFiles ScanDirectory(const std::string& dir, bool bLibrary)
{
    std::error_code ec;
    if (!fs::exists(dir, ec))
        throw UsageError{"no such file or directory: " + dir};
    if (!fs::is_directory(dir, ec))
        throw UsageError{"not a directory: " + dir + " (give a design directory, or the files with --layout ...)"};
    std::vector<std::string> entries;
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
        if (e.is_regular_file(ec))
            entries.push_back(e.path().string());
    if (ec)
        throw UsageError{"cannot read directory " + dir + ": " + ec.message()};
    std::sort(entries.begin(), entries.end());  // the same order every run
    DesignFiles files;
    for (const std::string& path : entries)
        if (const auto kind = DetectKind(path))
            files.Of(*kind).push_back(path);
    CheckDesign(files, bLibrary, dir);
    return files;
}

void CheckDesign(const DesignFiles& files, bool bLibrary, const std::string& where)
{
    for (int k = 0; k < kKinds; ++k) {
        const auto kind = static_cast<FileKind>(k);
        for (const std::string& p : files.Of(kind)) {
            std::error_code ec;
            if (!fs::exists(p, ec))
                throw UsageError{"no such file: " + p};
            if (!fs::is_regular_file(p, ec))
                throw UsageError{"not a regular file: " + p};
        }
    }
    for (int k = 0; k < kKinds; ++k) {
        const auto kind = static_cast<FileKind>(k);
        const auto& paths = files.Of(kind);
        const bool required = k <= static_cast<int>(FileKind::Padstacks);
        if (paths.empty() && required && !bLibrary)
            throw UsageError{where.empty() ? std::string("no ") + KindTitle(kind) + " file given (" + KindOption(kind) + ")"
                                           : std::string("no ") + KindTitle(kind) + " file in " + where};
        const bool listKind = kind == FileKind::Cells || kind == FileKind::Padstacks;
        if (paths.size() > 1 && !(bLibrary && listKind))
            throw UsageError{std::string("two ") + KindTitle(kind) + " files: " + paths[0] + " and " + paths[1]};
    }
}

DesignFiles FindDesign(const std::string& dir, const DesignFiles& given, bool& bLibrary)
{
    bLibrary = bLibrary || given.Of(FileKind::Cells).size() > 1 || given.Of(FileKind::Padstacks).size() > 1;
    const bool anyFile = std::any_of(given.paths.begin(), given.paths.end(), [](const auto& p) { return !p.empty(); });
    if (!dir.empty() && anyFile)
        throw UsageError{"give a design directory or the design files, not both"};
    if (!dir.empty())
        return ScanDirectory(dir, bLibrary);
    if (!anyFile)
        throw UsageError{"no design given: name a directory, or the files with --jobprefs --cells --layout --padstacks"};
    CheckDesign(given, bLibrary, "");
    return given;
}

std::unique_ptr<LoadedDesign> LoadDesign(const DesignFiles& files, bool bLibrary,
                                         const std::array<CProgressCtrl*, kKinds>& bars)
{
    auto design = std::make_unique<LoadedDesign>();
    design->files = files;
    design->bLibrary = bLibrary;
    for (const auto& paths : files.paths)
        for (const std::string& p : paths)
            design->nBytes += FileSize(p);

    CPC_Corvane_Get loader;
    loader.vSetExpedition(design->root.get());
    auto bar = [&bars](FileKind k) { return bars[static_cast<int>(k)]; };
    loader.vSetProgressPtr(bar(FileKind::JobPrefs), bar(FileKind::Cells), bar(FileKind::Layout),
                           bar(FileKind::Padstacks), bar(FileKind::NetClass), bar(FileKind::Parts));
    using F = FileKind;
    const auto start = std::chrono::steady_clock::now();
    if (bLibrary) {
        loader.vSetMExpeditionLibFilePath(files.First(F::JobPrefs), files.Of(F::Cells), files.First(F::Layout),
                                          files.Of(F::Padstacks), files.First(F::NetClass), files.First(F::Parts));
        loader.ParseXpeditionLib();
    } else {
        loader.vSetMExpeditionFilePath(files.First(F::JobPrefs), files.First(F::Cells), files.First(F::Layout),
                                       files.First(F::Padstacks), files.First(F::NetClass), files.First(F::Parts));
        loader.ParseExpeditionOfMFC();
    }
    design->dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return design;
}

} // namespace exload
