#pragma once

// Finding the files of a design: by explicit paths, or by looking at what
// each file of a directory holds (never at its name).

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace exload {

enum class FileKind { JobPrefs, Cells, Layout, Padstacks, NetClass, Parts };
constexpr int kKinds = 6;

const char* KindName(FileKind k);        // "jobprefs", "cells", ...
const char* KindTitle(FileKind k);       // "job preferences", "cell library", ...

// The kind of a design file, judged from its level-1 keywords; none when
// the file is no design file (or cannot be read).
std::optional<FileKind> DetectKind(const std::string& path);

struct DesignFiles {
    std::array<std::vector<std::string>, kKinds> paths;  // by FileKind
    const std::vector<std::string>& Of(FileKind k) const { return paths[static_cast<int>(k)]; }
    std::vector<std::string>& Of(FileKind k) { return paths[static_cast<int>(k)]; }
};

// Thrown for what a user did wrong: a wrong path, a missing kind, two files
// of one kind. The message is one line naming the problem.
struct UsageError {
    std::string message;
};

// Sorts the regular files of a directory by kind. With bLibrary several cell
// and padstack library files are allowed.
DesignFiles ScanDirectory(const std::string& dir, bool bLibrary);

// Checks that the four required kinds are there (one each unless a library
// load) and that every file exists.
void CheckDesign(const DesignFiles& files, bool bLibrary);

} // namespace exload
