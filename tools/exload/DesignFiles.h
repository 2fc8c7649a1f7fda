#pragma once

// Finding the files of a design: by explicit paths, or by looking at what
// each file of a directory holds (never at its name). And loading them.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "expedition.h"

namespace exload {

enum class FileKind { JobPrefs, Cells, Layout, Padstacks, NetClass, Parts };
constexpr int kKinds = 6;

const char* KindName(FileKind k);   // "jobprefs", "cells", ...
const char* KindTitle(FileKind k);  // "job preferences", "cell library", ...
const char* KindOption(FileKind k); // "--jobprefs", "--cells", ...
std::optional<FileKind> KindFromName(const std::string& name);

// The kind of a design file, judged from its level-1 keywords; none when
// the file is no design file (or cannot be read).
std::optional<FileKind> DetectKind(const std::string& path);

struct DesignFiles {
    std::array<std::vector<std::string>, kKinds> paths;  // by FileKind
    const std::vector<std::string>& Of(FileKind k) const { return paths[static_cast<int>(k)]; }
    std::vector<std::string>& Of(FileKind k) { return paths[static_cast<int>(k)]; }
    std::string First(FileKind k) const { return Of(k).empty() ? std::string() : Of(k).front(); }
};

// Thrown for what a user did wrong: a wrong path, a missing kind, two files
// of one kind. The message is one line naming the problem.
struct UsageError {
    std::string message;
};

// Sorts the regular files of a directory by kind. With bLibrary several cell
// and padstack library files are allowed and no kind is required.
DesignFiles ScanDirectory(const std::string& dir, bool bLibrary);

// Checks that the four required kinds are there (one each unless a library
// load) and that every file exists. `where` names the directory the files
// came from ("" for files named on the command line).
void CheckDesign(const DesignFiles& files, bool bLibrary, const std::string& where);

// The files of a design named by a directory or file by file (`given`), not
// both; checked as above. Several cell or padstack files make a library
// load: bLibrary is set then. Throws UsageError.
DesignFiles FindDesign(const std::string& dir, const DesignFiles& given, bool& bLibrary);

// A loaded design: the root owns the tree.
struct LoadedDesign {
    DesignFiles files;
    bool bLibrary = false;
    std::unique_ptr<CExExpedition> root = std::make_unique<CExExpedition>();
    std::uint64_t nBytes = 0;  // size of every file read
    double dSeconds = 0.0;     // time the parse took
};

// Loads the files with a design load, or a library load when bLibrary is
// set, moving the six bars (one per FileKind; null entries allowed).
std::unique_ptr<LoadedDesign> LoadDesign(const DesignFiles& files, bool bLibrary,
                                         const std::array<CProgressCtrl*, kKinds>& bars);

} // namespace exload
