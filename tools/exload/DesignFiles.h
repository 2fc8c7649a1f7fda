#pragma once

// Finding the files of a design: by explicit paths, or by looking at what
// each file of a directory holds (never at its name). And loading them.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Errors.h"
#include "expedition.h"

namespace exload {

// In the order of the loader's slots.
enum class FileKind { JobPrefs, Cells, Layout, Padstacks, NetClass, Parts };
constexpr int kKinds = 6;

const char* KindName(FileKind k);   // "jobprefs", "cells", ...
const char* KindTitle(FileKind k);  // "job preferences", "cell library", ...
const char* KindOption(FileKind k); // "--jobprefs", "--cells", ...
std::optional<FileKind> KindFromName(const std::string& name);

// What the level-1 keywords of a file tell of its kind.
struct FileLook {
    std::array<int, kKinds> votes{};  // keywords that mark a kind, seen
    int nError = 0;                   // the system's error number if it could not be opened or read
    bool bEmpty = true;               // not a byte in it
    // Looked for until a keyword shows: why a file is no design file.
    bool bLoneCr = false;  // a carriage return not before a line feed: one long line
    bool bNul = false;     // a NUL byte: no text
    // The kind most keywords mark; none for no design file.
    std::optional<FileKind> Kind() const;
};

// Reads level-1 keywords of the file: without an expected kind enough of them
// to judge its kind; with one until a keyword of that kind shows.
FileLook LookAtFile(const std::string& path, std::optional<FileKind> expected = std::nullopt);

struct DesignFiles {
    std::array<std::vector<std::string>, kKinds> paths;  // by FileKind
    const std::vector<std::string>& Of(FileKind k) const { return paths[static_cast<int>(k)]; }
    std::vector<std::string>& Of(FileKind k) { return paths[static_cast<int>(k)]; }
    std::string First(FileKind k) const { return Of(k).empty() ? std::string() : Of(k).front(); }
};

// Sorts the regular files of a directory by kind. With bLibrary several cell
// and padstack library files are allowed and no kind is required.
DesignFiles ScanDirectory(const std::string& dir, bool bLibrary);

// Checks that the four required kinds are there (one each unless a library
// load) and that every file is a regular file this process can open.
// `where` names the directory the files came from ("" for files named on the
// command line); `hint` is added to the message for a missing kind.
void CheckDesign(const DesignFiles& files, bool bLibrary, const std::string& where,
                 const std::string& hint = "");

// One warning for each file in which no keyword of its kind was found (an
// empty or binary file, or one whose lines end in a lone CR), saying why.
std::vector<std::string> UnrecognisedFiles(const DesignFiles& files);

// A file as the load read it.
struct FileRead {
    FileKind kind;
    std::string path;
    std::uint64_t nBytes = 0;
};

// The files of a design named by a directory or file by file (`given`), not
// both; checked as above. Several cell or padstack files make a library
// load: bLibrary is set then. Throws UsageError.
DesignFiles FindDesign(const std::string& dir, const DesignFiles& given, bool& bLibrary);

// A loaded design: the root owns the tree.
struct LoadedDesign {
    DesignFiles files;
    bool bLibrary = false;
    std::unique_ptr<CExExpedition> root = std::make_unique<CExExpedition>();
    std::vector<FileRead> reads;        // by kind, the files of a list in order
    std::uint64_t nBytes = 0;           // bytes read, every file
    double dSeconds = 0.0;              // time the parse took
    std::vector<std::string> warnings;  // files that changed while they were read
};

// Loads the files with a design load, or a library load when bLibrary is
// set, moving the six bars (one per FileKind; null entries allowed). Throws
// UsageError for a file that could not be opened and LoadError for one that
// could not be read to its end.
std::unique_ptr<LoadedDesign> LoadDesign(const DesignFiles& files, bool bLibrary,
                                         const std::array<CProgressCtrl*, kKinds>& bars);

} // namespace exload
