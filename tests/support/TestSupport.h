#pragma once

// Small helpers shared by the test programs.

#include <filesystem>
#include <string>
#include <vector>

namespace test {

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
    std::string WriteLines(const std::string& name, const std::vector<std::string>& lines) const;

private:
    std::filesystem::path m_path;
};

// Path of a fixture under tests/data, or of an example design file.
std::string DataPath(const std::string& relative);
std::string ExamplePath(const std::string& relative);

using Lines = std::vector<std::string>;

} // namespace test
