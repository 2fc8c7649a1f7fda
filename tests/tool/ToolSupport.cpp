#include "tool/ToolSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tool {

std::string Slurp(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

Result Exload(const std::string& args, const test::TempDir& tmp, const std::string& before)
{
    const std::filesystem::path out = tmp.Path() / "stdout", err = tmp.Path() / "stderr";
    const std::string cmd = before + " " + Quote(EXLOAD_BINARY) + " " + args + " >" + Quote(out.string()) + " 2>" +
                            Quote(err.string()) + " </dev/null";
    const int raw = std::system(cmd.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
}

std::string Demo() { return test::ExamplePath("demo"); }

std::filesystem::path CopyDemo(const test::TempDir& tmp, const std::string& name)
{
    const std::filesystem::path dir = tmp.Path() / name;
    std::filesystem::copy(Demo(), dir);
    return dir;
}

void ReplaceIn(const std::filesystem::path& file, const std::string& from, const std::string& to)
{
    std::string text = Slurp(file);
    const auto at = text.find(from);
    if (at == std::string::npos) {
        ADD_FAILURE() << "'" << from << "' not in " << file;
        return;
    }
    text.replace(at, from.size(), to);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace tool
