// The synthetic design generator: its indentation, its determinism, and that
// an indented design loads into exactly the tree of its unindented twin.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DesignGenerator.h"
#include "support/TestSupport.h"

namespace {

using ex::bench::Indent;

constexpr std::uint64_t kBytes = 600 * 1024;

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> LinesOf(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::size_t Leading(const std::string& s, char c)
{
    const std::size_t n = s.find_first_not_of(c);
    return n == std::string::npos ? s.size() : n;
}

TEST(DesignGenerator, IndentsByLevelAndChangesNothingElse)
{
    test::TempDir tmp;
    const auto indented = ex::bench::WriteDesign((tmp.Path() / "i").string(), kBytes, 3, Indent::ByLevel);
    const auto flat = ex::bench::WriteDesign((tmp.Path() / "f").string(), kBytes, 3, Indent::None);
    EXPECT_GT(indented.nBytes, flat.nBytes);

    const std::vector<std::string> iPaths = indented.Paths(), fPaths = flat.Paths();
    std::size_t deepest = 0, continuations = 0;
    for (std::size_t f = 0; f < iPaths.size(); ++f) {
        const std::vector<std::string> iLines = LinesOf(iPaths[f]), fLines = LinesOf(fPaths[f]);
        ASSERT_EQ(iLines.size(), fLines.size()) << iPaths[f];
        ASSERT_FALSE(iLines.empty()) << iPaths[f];
        std::size_t keywordIndent = 0;
        for (std::size_t n = 0; n < iLines.size(); ++n) {
            const std::string& line = iLines[n];
            const std::size_t blanks = Leading(line, ' ');
            const std::string text = line.substr(blanks);
            const std::string where = iPaths[f] + ":" + std::to_string(n + 1);
            ASSERT_EQ(text, fLines[n]) << where;
            ASSERT_EQ(Leading(fLines[n], ' '), 0u) << where;
            ASSERT_FALSE(text.empty()) << where;
            const std::size_t dots = Leading(text, '.');
            if (dots > 0) {
                ASSERT_EQ(blanks, dots - 1) << where;
                keywordIndent = blanks;
                deepest = std::max(deepest, dots);
            } else {
                ASSERT_EQ(blanks, keywordIndent + 2) << where;
                ++continuations;
            }
        }
    }
    // The checks above saw deep keyword lines and wrapped point lists.
    EXPECT_GE(deepest, 7u);
    EXPECT_GT(continuations, 100u);
}

TEST(DesignGenerator, SameArgumentsGiveTheSameBytes)
{
    test::TempDir tmp;
    const auto a = ex::bench::WriteDesign((tmp.Path() / "a").string(), kBytes, 5);
    const auto b = ex::bench::WriteDesign((tmp.Path() / "b").string(), kBytes, 5);
    const auto c = ex::bench::WriteDesign((tmp.Path() / "c").string(), kBytes, 6);
    for (std::size_t f = 0; f < a.Paths().size(); ++f)
        EXPECT_EQ(Slurp(a.Paths()[f]), Slurp(b.Paths()[f])) << a.Paths()[f];
    EXPECT_NE(Slurp(a.sLayout), Slurp(c.sLayout));
}

#ifdef EXLOAD_BINARY
// The whole tree, logs included, as the tool's JSON export writes it.
std::string TreeAsJson(const std::string& dir, const test::TempDir& tmp)
{
    const std::string out = (tmp.Path() / "tree.json").string();
    const std::string cmd = std::string("'") + EXLOAD_BINARY + "' json -q '" + dir + "' -o '" + out + "' </dev/null";
    const int raw = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << cmd;
    return Slurp(out);
}

TEST(DesignGenerator, IndentedDesignLoadsLikeItsUnindentedTwin)
{
    test::TempDir tmp;
    const auto indented = ex::bench::WriteDesign((tmp.Path() / "i").string(), kBytes, 4, Indent::ByLevel);
    const auto flat = ex::bench::WriteDesign((tmp.Path() / "f").string(), kBytes, 4, Indent::None);
    const std::string iTree = TreeAsJson((tmp.Path() / "i").string(), tmp);
    const std::string fTree = TreeAsJson((tmp.Path() / "f").string(), tmp);
    EXPECT_GT(iTree.size(), kBytes);  // the tree, not an error
    EXPECT_NE(iTree.find("\"sNetName\""), std::string::npos);
    EXPECT_TRUE(iTree == fTree) << "the trees differ";
}
#endif

} // namespace
