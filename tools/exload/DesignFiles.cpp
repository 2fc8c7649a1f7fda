#include "DesignFiles.h"

#include <algorithm>
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

// Enough level-1 lines to judge any real file.
constexpr int kLevel1LinesToRead = 5000;

} // namespace

const char* KindName(FileKind k)
{
    static const char* const names[] = {"jobprefs", "cells", "layout", "padstacks", "netclass", "parts"};
    return names[static_cast<int>(k)];
}

const char* KindTitle(FileKind k)
{
    static const char* const titles[] = {"job preferences", "cell library", "layout", "padstack library",
                                         "net class",       "parts database"};
    return titles[static_cast<int>(k)];
}

std::optional<FileKind> DetectKind(const std::string& path)
{
    ex::LineReader reader;
    if (!reader.Open(path))
        return std::nullopt;
    std::array<int, kKinds> votes{};
    std::string_view raw;
    int level1 = 0;
    while (level1 < kLevel1LinesToRead && reader.ReadLine(raw)) {
        const std::string_view line = ex::TrimView(raw);
        if (ex::LeadingDots(line) != 1)
            continue;
        ++level1;
        const std::string_view word = line.substr(0, std::min(line.find_first_of(" \t"), line.size()));
        for (const Marker& m : kMarkers)
            if (word.size() == m.sKeyword.size() && ex::StartsWithNoCase(word, m.sKeyword))
                ++votes[static_cast<int>(m.kind)];
    }
    if (votes[static_cast<int>(FileKind::Layout)] > 0)
        return FileKind::Layout;
    const auto best = std::max_element(votes.begin(), votes.end());
    if (*best == 0)
        return std::nullopt;
    return static_cast<FileKind>(best - votes.begin());
}

DesignFiles ScanDirectory(const std::string& dir, bool bLibrary)
{
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        throw UsageError{"not a directory: " + dir};
    std::vector<std::string> entries;
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
        if (e.is_regular_file(ec))
            entries.push_back(e.path().string());
    std::sort(entries.begin(), entries.end());  // the same order every run
    DesignFiles files;
    for (const std::string& path : entries)
        if (const auto kind = DetectKind(path))
            files.Of(*kind).push_back(path);
    CheckDesign(files, bLibrary);
    return files;
}

void CheckDesign(const DesignFiles& files, bool bLibrary)
{
    for (int k = 0; k < kKinds; ++k) {
        const auto kind = static_cast<FileKind>(k);
        const auto& paths = files.Of(kind);
        const bool required = k <= static_cast<int>(FileKind::Padstacks);
        if (paths.empty() && required && !bLibrary)
            throw UsageError{std::string("no ") + KindTitle(kind) + " file in the design"};
        const bool listKind = kind == FileKind::Cells || kind == FileKind::Padstacks;
        if (paths.size() > 1 && !(bLibrary && listKind))
            throw UsageError{std::string("two ") + KindTitle(kind) + " files: " + paths[0] + " and " + paths[1]};
        for (const std::string& p : paths) {
            std::error_code ec;
            if (!fs::is_regular_file(p, ec))
                throw UsageError{"no such file: " + p};
        }
    }
}

} // namespace exload
