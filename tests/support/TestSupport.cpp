#include "support/TestSupport.h"

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace test {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("exload-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& content) const
{
    const std::filesystem::path p = m_path / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write " + p.string());
    out << content;
    return p.string();
}

std::string TempDir::WriteLines(const std::string& name, const std::vector<std::string>& lines) const
{
    std::string content;
    for (const std::string& line : lines)
        content += line + "\n";
    return Write(name, content);
}

std::string DataPath(const std::string& relative) { return std::string(EXLOAD_TEST_DATA) + "/" + relative; }

std::string ExamplePath(const std::string& relative) { return std::string(EXLOAD_EXAMPLES) + "/" + relative; }

} // namespace test
