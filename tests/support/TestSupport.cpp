#include "support/TestSupport.h"

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "core/ExExpedition.h"
#include "loader/PC_Corvane_Get.h"

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

std::string TempDir::WriteLines(const std::string& name, const Lines& lines) const
{
    std::string content;
    for (const std::string& line : lines)
        content += line + "\n";
    return Write(name, content);
}

std::string ExamplePath(const std::string& relative) { return std::string(EXLOAD_EXAMPLES) + "/" + relative; }

Files DemoFiles()
{
    return {ExamplePath("demo/job_preferences.txt"), ExamplePath("demo/cell_library.txt"),
            ExamplePath("demo/layout.txt"),          ExamplePath("demo/padstack_library.txt"),
            ExamplePath("demo/net_classes.txt"),     ExamplePath("demo/parts_database.txt")};
}

int LoadDesign(CExExpedition& root, const Files& f, int bRemoveNet)
{
    CPC_Corvane_Get loader;
    loader.vSetExpedition(&root);
    loader.SetRemoveNet(bRemoveNet);
    loader.vSetMExpeditionFilePath(f.sJobPrefs, f.sCells, f.sLayout, f.sPadstacks, f.sNetClasses, f.sParts);
    return loader.ParseExpeditionOfMFC();
}

int LoadLibrary(CExExpedition& root, const std::string& sJobPrefs, const Lines& cells, const Lines& padstacks,
                const std::string& sNetClasses, const std::string& sParts)
{
    CPC_Corvane_Get loader;
    loader.vSetExpedition(&root);
    loader.vSetMExpeditionLibFilePath(sJobPrefs, cells, "", padstacks, sNetClasses, sParts);
    return loader.ParseXpeditionLib();
}

} // namespace test
