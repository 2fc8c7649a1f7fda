#include "tool/ToolSupport.h"

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

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace tool
