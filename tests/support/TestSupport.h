#pragma once

// Helpers shared by the test programs: scratch files and design loads.

#include <filesystem>
#include <string>
#include <vector>

class CExExpedition;

namespace test {

using Lines = std::vector<std::string>;

// A fresh directory under the system temp dir, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes bytes as they are (no newline translation); returns the full path.
    std::string Write(const std::string& name, const std::string& content) const;
    // Writes the lines, each followed by "\n".
    std::string WriteLines(const std::string& name, const Lines& lines) const;

private:
    std::filesystem::path m_path;
};

// Path of an example design file.
std::string ExamplePath(const std::string& relative);

// The six files of a design in the loader's slot order; empty: not given.
struct Files {
    std::string sJobPrefs, sCells, sLayout, sPadstacks, sNetClasses, sParts;
};
Files DemoFiles();

// A design load as a host makes it; returns the loader's result.
int LoadDesign(CExExpedition& root, const Files& files, int bRemoveNet = 0);

// A library load: lists of cell and padstack files; returns the loader's result.
int LoadLibrary(CExExpedition& root, const std::string& sJobPrefs, const Lines& cells, const Lines& padstacks,
                const std::string& sNetClasses = "", const std::string& sParts = "");

} // namespace test
