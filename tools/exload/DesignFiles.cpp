#include "DesignFiles.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// What tells that a file changed while it was read.
struct Stamp {
    int nError = 0;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
};

Stamp StampOf(const std::string& path)
{
    Stamp s;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        s.nError = errno;
        return s;
    }
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    return s;
}

// How a file changed between two stamps; "" when it did not.
std::string Change(const Stamp& before, const Stamp& after)
{
    if (before.nError != 0)
        return "";
    if (after.nError != 0)
        return "removed during the load";
    if (before.dev != after.dev || before.ino != after.ino)
        return "replaced during the load";
    if (before.size != after.size)
        return "changed during the load: " + std::to_string(before.size) + " bytes at the start, " +
               std::to_string(after.size) + " at the end";
    if (before.mtime.tv_sec != after.mtime.tv_sec || before.mtime.tv_nsec != after.mtime.tv_nsec)
        return "changed during the load: written to while it was read";
    return "";
}

// Whether the look has seen a keyword of the expected kind; a layout holds
// package cells too.
bool Recognised(const FileLook& look, FileKind expected)
{
    return look.votes[static_cast<int>(expected)] > 0 ||
           (expected == FileKind::Layout && look.votes[static_cast<int>(FileKind::Cells)] > 0);
}

// Throws UsageError unless path is a regular file this process can open.
void CheckReadable(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw UsageError{"cannot read " + path + ": " + SystemReason(errno)};
    if (!S_ISREG(st.st_mode))
        throw UsageError{"not a regular file: " + path};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw UsageError{"cannot read " + path + ": " + SystemReason(errno)};
    ::close(fd);
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

std::optional<FileKind> FileLook::Kind() const
{
    // A layout marker settles it: package cells stand in layouts too.
    if (votes[static_cast<int>(FileKind::Layout)] > 0)
        return FileKind::Layout;
    const auto best = std::max_element(votes.begin(), votes.end());
    if (*best == 0)
        return std::nullopt;
    return static_cast<FileKind>(best - votes.begin());
}

FileLook LookAtFile(const std::string& path, std::optional<FileKind> expected)
{
    FileLook look;
    ex::LineReader reader;
    if (!reader.Open(path)) {
        look.nError = reader.Error();
        return look;
    }
    auto& votes = look.votes;
    std::string_view raw;
    int level1 = 0;
    bool bVoted = false;
    while (reader.ReadLine(raw)) {
        look.bEmpty = false;
        // Why a file is no design file matters only while nothing says it is one.
        if (!bVoted) {
            look.bLoneCr = look.bLoneCr || raw.find('\r') != std::string_view::npos;
            look.bNul = look.bNul || std::memchr(raw.data(), 0, raw.size()) != nullptr;
        }
        const std::string_view line = ex::TrimView(raw);
        if (ex::LeadingDots(line) != 1)
            continue;
        const std::string_view word = line.substr(0, std::min(line.find_first_of(" \t"), line.size()));
        for (const Marker& m : kMarkers)
            if (word.size() == m.sKeyword.size() && ex::StartsWithNoCase(word, m.sKeyword)) {
                ++votes[static_cast<int>(m.kind)];
                bVoted = true;
            }
        if (expected) {
            if (Recognised(look, *expected))
                break;
            continue;
        }
        if (votes[static_cast<int>(FileKind::Layout)] > 0)
            break;
        const bool cellsLead = std::max_element(votes.begin(), votes.end()) - votes.begin() ==
                               static_cast<int>(FileKind::Cells);
        if (++level1 >= kLevel1LinesToRead && !cellsLead)
            break;
    }
    look.nError = reader.Error();
    return look;
}

DesignFiles ScanDirectory(const std::string& dir, bool bLibrary)
{
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0)
        throw UsageError{"cannot read " + dir + ": " + SystemReason(errno)};
    if (!S_ISDIR(st.st_mode))
        throw UsageError{"not a directory: " + dir + " (give a design directory, or the files with --layout ...)"};
    std::error_code ec;
    std::vector<std::string> entries;
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
        if (e.is_regular_file(ec))
            entries.push_back(e.path().string());
    if (ec)
        throw UsageError{"cannot read directory " + dir + ": " + ec.message()};
    std::sort(entries.begin(), entries.end());  // the same order every run
    DesignFiles files;
    // The first file passed over for a reason worth telling, in case a kind
    // is missing.
    std::string hint;
    for (const std::string& path : entries) {
        const FileLook look = LookAtFile(path);
        if (const auto kind = look.Kind())
            files.Of(*kind).push_back(path);
        else if (hint.empty() && look.nError != 0)
            hint = "cannot read " + path + ": " + SystemReason(look.nError);
        else if (hint.empty() && look.bLoneCr)
            hint = "the lines of " + path + " end in a lone CR";
    }
    CheckDesign(files, bLibrary, dir, hint);
    return files;
}

void CheckDesign(const DesignFiles& files, bool bLibrary, const std::string& where, const std::string& hint)
{
    for (const auto& paths : files.paths)
        for (const std::string& p : paths)
            CheckReadable(p);
    for (int k = 0; k < kKinds; ++k) {
        const auto kind = static_cast<FileKind>(k);
        const auto& paths = files.Of(kind);
        const bool required = k <= static_cast<int>(FileKind::Padstacks);
        if (paths.empty() && required && !bLibrary)
            throw UsageError{std::string("no ") + KindTitle(kind) +
                             (where.empty() ? std::string(" file given (") + KindOption(kind) + ")"
                                            : " file in " + where + (hint.empty() ? "" : " (" + hint + ")"))};
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

std::vector<std::string> UnrecognisedFiles(const DesignFiles& files)
{
    std::vector<std::string> warnings;
    for (int k = 0; k < kKinds; ++k) {
        const auto kind = static_cast<FileKind>(k);
        for (const std::string& path : files.Of(kind)) {
            const FileLook look = LookAtFile(path, kind);
            // A file that cannot be read is the load's to report.
            if (look.nError != 0 || Recognised(look, kind))
                continue;
            std::string why = std::string("no keyword of a ") + KindTitle(kind) + " file";
            if (look.bEmpty)
                why = "the file is empty";
            else if (look.bNul)
                why = "it holds NUL bytes, so it is no text file";
            else if (look.bLoneCr)
                why = "its lines end in a lone CR; convert them to LF";
            warnings.push_back(path + ": no records recognised: " + why);
        }
    }
    return warnings;
}

std::unique_ptr<LoadedDesign> LoadDesign(const DesignFiles& files, bool bLibrary,
                                         const std::array<CProgressCtrl*, kKinds>& bars)
{
    auto design = std::make_unique<LoadedDesign>();
    design->files = files;
    design->bLibrary = bLibrary;
    std::map<std::string, Stamp> before;
    for (const auto& paths : files.paths)
        for (const std::string& p : paths)
            before.emplace(p, StampOf(p));

    CPC_Corvane_Get loader;
    loader.vSetExpedition(design->root.get());
    auto bar = [&bars](FileKind k) { return bars[static_cast<int>(k)]; };
    loader.vSetProgressPtr(bar(FileKind::JobPrefs), bar(FileKind::Cells), bar(FileKind::Layout),
                           bar(FileKind::Padstacks), bar(FileKind::NetClass), bar(FileKind::Parts));
    using F = FileKind;
    const auto start = std::chrono::steady_clock::now();
    int result = 0;
    if (bLibrary) {
        loader.vSetMExpeditionLibFilePath(files.First(F::JobPrefs), files.Of(F::Cells), files.First(F::Layout),
                                          files.Of(F::Padstacks), files.First(F::NetClass), files.First(F::Parts));
        result = loader.ParseXpeditionLib();
    } else {
        loader.vSetMExpeditionFilePath(files.First(F::JobPrefs), files.First(F::Cells), files.First(F::Layout),
                                       files.First(F::Padstacks), files.First(F::NetClass), files.First(F::Parts));
        result = loader.ParseExpeditionOfMFC();
    }
    design->dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result != 1)
        throw LoadError{"the design was not loaded: a required file is missing"};

    for (const ex::FileReadReport& r : loader.GetReadReports()) {
        // Opened before the load, so gone or locked since.
        if (!r.bOpened)
            throw UsageError{"cannot read " + r.sPath + ": " + r.sError};
        if (r.bStopped)
            throw LoadError{"cannot read " + r.sPath + " to its end: " +
                            (r.nLinesRead == 0 ? std::string("stopped before its first line")
                                               : "stopped after line " + std::to_string(r.nLinesRead)) +
                            ": " + r.sError};
        design->reads.push_back({static_cast<FileKind>(r.nSlot), r.sPath, r.nBytesRead});
        design->nBytes += r.nBytesRead;
    }
    for (const auto& [path, stamp] : before)
        if (const std::string change = Change(stamp, StampOf(path)); !change.empty())
            design->warnings.push_back(path + ": " + change);
    return design;
}

} // namespace exload
