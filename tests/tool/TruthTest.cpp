// What exload says when a design is not what it seems or an output cannot be
// written: every such case ends in one line on standard error and a status
// other than 0, or a warning and status 4.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/TestSupport.h"
#include "tool/ToolSupport.h"

namespace fs = std::filesystem;

namespace {

using namespace tool;

// The demo's files named one by one, with this layout.
std::vector<std::string> FilesWithLayout(const std::string& layout)
{
    const std::string d = Demo() + "/";
    return {"--jobprefs", d + "job_preferences.txt", "--cells", d + "cell_library.txt",
            "--padstacks", d + "padstack_library.txt", "--layout", layout};
}

std::string WithLayout(const std::string& layout)
{
    std::string args;
    for (const std::string& a : FilesWithLayout(layout)) {
        args += ' ';
        args += Quote(a);
    }
    return args;
}

// Exactly one line on standard error, holding every one of `parts`.
void ExpectOneLine(const Result& r, const std::vector<std::string>& parts)
{
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind("exload: ", 0), 0u) << r.err;
    for (const std::string& p : parts)
        EXPECT_NE(r.err.find(p), std::string::npos) << "'" << p << "' not in: " << r.err;
}

std::vector<std::string> Entries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A shell command line's exit status, as the shell reports it.
int Shell(const std::string& line)
{
    const int raw = std::system(line.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A layout of nets, of at least `bytes` bytes.
std::string NetLayout(std::size_t bytes)
{
    std::string text = ".FILETYPE LAYOUT\n.UNITS MM\n";
    for (int i = 0; text.size() < bytes; ++i)
        text += ".NET \"N" + std::to_string(i) + "\"\n..TRACE\n...ROUTE_LYR 1\n...POLYLINE_PATH\n....WIDTH 0.1\n"
                "....XY (0, 0) (1, 1)\n";
    return text;
}

// Bytes on the summary's row for the layout ("8388.6 kB"), and how exact
// that figure is.
double LayoutBytes(const std::string& summary, double& tolerance)
{
    for (const std::string& line : Lines(summary)) {
        if (line.rfind("layout ", 0) != 0)
            continue;
        char units[8] = {}, size[8] = {};
        double n = 0;
        if (std::sscanf(line.c_str(), "layout %7s %lf %7s", units, &n, size) != 3)
            break;
        const double scale = std::string(size) == "MB" ? 1e6 : std::string(size) == "kB" ? 1e3 : 1;
        tolerance = scale / 20;
        return n * scale;
    }
    ADD_FAILURE() << "no layout row in: " << summary;
    return -1;
}

} // namespace

// Root reads every file, so the program runs as nobody there.
TEST(ToolTruth, AFileThatCannotBeReadIsNoEmptyDesign)
{
    std::string asNobody;
    if (::geteuid() == 0) {
        if (Shell("command -v setpriv >/dev/null") != 0)
            GTEST_SKIP() << "root without setpriv: every file can be read";
        asNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups";
    }
    test::TempDir tmp;
    const fs::path dir = CopyDemo(tmp, "locked");
    const std::string layout = (dir / "layout.txt").string();
    fs::permissions(layout, fs::perms::none);
    const std::string denied = std::system_category().message(EACCES);

    Result r = Exload("summary" + WithLayout(layout), tmp, asNobody);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "exload: cannot read " + layout + ": " + denied + "\n");
    EXPECT_EQ(r.out, "");

    // In a folder, the file passed over is named where its kind is missing.
    r = Exload("json " + Quote(dir.string()), tmp, asNobody);
    EXPECT_EQ(r.status, 2);
    ExpectOneLine(r, {"no layout file in " + dir.string(), layout + ": " + denied});
    EXPECT_EQ(r.out, "");
}

// The process's own memory opens as a file, but its first read fails: the
// layout worker stops on a read error, as on a failing disk.
TEST(ToolTruth, AFileReadOnlyInPartEndsTheCommand)
{
    test::TempDir tmp;
    const std::string mem = "/proc/self/mem";
    const std::string ioError = std::system_category().message(EIO);
    Result r = Exload("summary" + WithLayout(mem), tmp);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "exload: cannot read " + mem + " to its end: stopped before its first line: " + ioError + "\n");
    EXPECT_EQ(r.out, "");

    // Nothing is written, and a file at the destination stays as it was.
    const std::string json = tmp.Write("out/tree.json", "old");
    r = Exload("json" + WithLayout(mem) + " -o " + Quote(json), tmp);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(Slurp(json), "old");
    r = Exload("render" + WithLayout(mem) + " -o " + Quote((tmp.Path() / "out/board.png").string()), tmp);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(Entries(tmp.Path() / "out"), (std::vector<std::string>{"tree.json"})) << "no temporary is left";
}

namespace {

// exload started in the background with its output in files.
pid_t Start(const std::vector<std::string>& args, const fs::path& out, const fs::path& err)
{
    std::vector<std::string> all{EXLOAD_BINARY, "summary"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(o);
    ::close(e);
    return pid;
}

// The descriptor through which the process has `path` open, or -1.
int Descriptor(const std::string& proc, const fs::path& path)
{
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(proc + "/fd", ec)) {
        std::error_code gone;
        if (fs::read_symlink(e.path(), gone) == path)
            return std::stoi(e.path().filename().string());
    }
    return -1;
}

long long Position(const std::string& proc, int fd)
{
    std::ifstream info(proc + "/fdinfo/" + std::to_string(fd));
    std::string key;
    long long pos = -1;
    info >> key >> pos;
    return key == "pos:" ? pos : -1;
}

std::size_t Threads(const std::string& proc)
{
    std::error_code ec;
    std::size_t n = 0;
    for (auto it = fs::directory_iterator(proc + "/task", ec); !ec && it != fs::directory_iterator(); it.increment(ec))
        ++n;
    return n;
}

} // namespace

// The layout is changed while a worker reads it: the program is stopped with
// the file open on a worker thread (the look and the count before the load
// run on the main thread alone), the file is changed, and it goes on.
TEST(ToolTruth, AFileChangedDuringTheLoadIsWarnedOf)
{
    test::TempDir tmp;
    const std::string layout = (fs::canonical(tmp.Path()) / "layout.txt").string();
    const std::string original = NetLayout(std::size_t{8} << 20);
    const long long size = static_cast<long long>(original.size());
    const std::string appended = ".NET \"LATE\"\n";

    struct Change {
        const char* name;
        std::string warning;
    };
    const Change changes[] = {
        {"half", "changed during the load: " + std::to_string(size) + " bytes at the start, " +
                     std::to_string(size / 2) + " at the end"},
        {"append", "changed during the load: " + std::to_string(size) + " bytes at the start, " +
                       std::to_string(size + static_cast<long long>(appended.size())) + " at the end"},
        {"replace", "replaced during the load"},
    };
    for (const Change& change : changes) {
        bool bCaught = false;
        for (int attempt = 0; attempt < 20 && !bCaught; ++attempt) {
            tmp.Write("layout.txt", original);
            const pid_t pid = Start(FilesWithLayout(layout), tmp.Path() / "stdout", tmp.Path() / "stderr");
            ASSERT_GT(pid, 0);
            const std::string proc = "/proc/" + std::to_string(pid);
            long long pos = -1;
            int status = 0;
            for (;;) {
                if (::waitpid(pid, &status, WNOHANG) == pid)
                    break;  // done before it was caught: try again
                const int fd = Descriptor(proc, layout);
                if (fd < 0 || Threads(proc) < 2)
                    continue;
                ::kill(pid, SIGSTOP);
                ASSERT_EQ(::waitpid(pid, &status, WUNTRACED), pid);
                if (!WIFSTOPPED(status))
                    break;
                pos = Descriptor(proc, layout) == fd ? Position(proc, fd) : -1;
                if (pos >= 0 && pos < size * 9 / 10) {
                    bCaught = true;
                    if (std::string(change.name) == "half") {
                        fs::resize_file(layout, static_cast<std::uintmax_t>(size / 2));
                    } else if (std::string(change.name) == "append") {
                        std::ofstream(layout, std::ios::app | std::ios::binary) << appended;
                    } else {
                        tmp.Write("layout.new", NetLayout(1000));
                        fs::rename(tmp.Path() / "layout.new", layout);
                    }
                }
                ::kill(pid, SIGCONT);
                if (bCaught) {
                    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
                    break;
                }
            }
            if (!bCaught)
                continue;
            const std::string out = Slurp(tmp.Path() / "stdout"), err = Slurp(tmp.Path() / "stderr");
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 4) << change.name << ": " << err;
            EXPECT_EQ(err, "exload: " + layout + ": " + change.warning + "\n");
            // The bytes read, not the size at the start.
            const double expected = std::string(change.name) == "half"     ? std::max(size / 2, pos)
                                    : std::string(change.name) == "append" ? size + static_cast<long long>(appended.size())
                                                                           : size;
            double tolerance = 0;
            const double read = LayoutBytes(out, tolerance);
            EXPECT_NEAR(read, expected, tolerance) << change.name << ", stopped at " << pos;
        }
        EXPECT_TRUE(bCaught) << change.name << ": never caught the layout open on a worker";
    }
}

TEST(ToolTruth, NamedFilesWithoutRecordsAreWarnedOf)
{
    test::TempDir tmp;
    std::string loneCr = Slurp(Demo() + "/layout.txt");
    std::replace(loneCr.begin(), loneCr.end(), '\n', '\r');
    struct Case {
        const char* name;
        std::string bytes;
        std::string why;
    };
    const Case cases[] = {
        {"empty", "", "the file is empty"},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\r\n.NET\0", 17), "it holds NUL bytes"},
        {"lonecr", loneCr, "its lines end in a lone CR; convert them to LF"},
        {"parts", Slurp(Demo() + "/parts_database.txt"), "no keyword of a layout file"},
    };
    for (const Case& c : cases) {
        const std::string path = tmp.Write(c.name, c.bytes);
        const Result r = Exload("summary" + WithLayout(path), tmp);
        EXPECT_EQ(r.status, 4) << c.name;
        ExpectOneLine(r, {path + ": no records recognised: " + c.why});
        EXPECT_NE(r.out.find("\nobjects\n"), std::string::npos) << "the summary is still printed";
    }
    // The folder scan passes the lone-CR layout over, and says why.
    const fs::path dir = CopyDemo(tmp, "crdesign");
    tmp.Write("crdesign/layout.txt", loneCr);
    const Result folder = Exload("summary " + Quote(dir.string()), tmp);
    EXPECT_EQ(folder.status, 2);
    ExpectOneLine(folder, {"no layout file in", (dir / "layout.txt").string(), "lone CR"});

    const Result plain = Exload("summary" + WithLayout(Demo() + "/layout.txt"), tmp);
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.err, "");
}

TEST(ToolTruth, FailedWritesSayWhyAndClosedPipesEndQuietly)
{
    test::TempDir tmp;
    const std::string exload = Quote(EXLOAD_BINARY), err = Quote((tmp.Path() / "err").string());
    for (const char* cmd : {"summary", "logs", "json"}) {
        EXPECT_EQ(Shell(exload + " " + cmd + " " + Quote(Demo()) + " >/dev/full 2>" + err), 1) << cmd;
        EXPECT_EQ(Slurp(tmp.Path() / "err"), "exload: cannot write standard output: " +
                                                 std::system_category().message(ENOSPC) + "\n");
    }
    EXPECT_EQ(Shell(exload + " json " + Quote(Demo()) + " -o /dev/full 2>" + err), 1);
    EXPECT_EQ(Slurp(tmp.Path() / "err"), "exload: cannot write /dev/full: " + std::system_category().message(ENOSPC) + "\n");
    EXPECT_EQ(Shell(exload + " summary --help >/dev/full 2>" + err), 1);

    // Far more JSON than a pipe holds: the reader leaves after one byte.
    const fs::path dir = CopyDemo(tmp, "big");
    tmp.Write("big/layout.txt", NetLayout(std::size_t{1} << 20));
    const std::string status = Quote((tmp.Path() / "status").string());
    Shell("{ " + exload + " json " + Quote(dir.string()) + " 2>" + err + "; echo $? >" + status + "; } | head -c 1 >/dev/null");
    EXPECT_EQ(Slurp(tmp.Path() / "status"), std::to_string(128 + SIGPIPE) + "\n") << "ended by SIGPIPE, as cat is";
    EXPECT_EQ(Slurp(tmp.Path() / "err"), "");
}

TEST(ToolTruth, TextFromTheFilesCannotDriveTheTerminal)
{
    test::TempDir tmp;
    const fs::path dir = CopyDemo(tmp, "hostile");
    // A layer name that sets the window title; the 8-bit CSI, alone and in
    // UTF-8, next to a micro sign in both; a keyword that clears the screen;
    // a keyword of 100000 bytes without a blank.
    ReplaceIn(dir / "job_preferences.txt", "\"Top\"", "\"Top\x1b]0;owned\x07\"");
    ReplaceIn(dir / "job_preferences.txt", "\"Bottom\"", "\"Bot\x9b\xc2\x9b\xb5\xc2\xb5\"");
    const std::string longKeyword = "." + std::string(100000, 'A');
    tmp.Write("hostile/layout.txt", Slurp(dir / "layout.txt") + ".\x1b[2JCLEAR x\n" + longKeyword + "\n");

    auto controls = [](const std::string& text, const std::string& allowed) {
        return std::count_if(text.begin(), text.end(), [&](char c) {
            const auto u = static_cast<unsigned char>(c);
            return (u < 0x20 || u == 0x7f) && allowed.find(c) == std::string::npos;
        });
    };
    const Result summary = Exload("summary " + Quote(dir.string()), tmp);
    ASSERT_EQ(summary.status, 0) << summary.err;
    EXPECT_EQ(controls(summary.out, "\n"), 0);
    EXPECT_NE(summary.out.find("Top\\x1b]0;owned\\x07"), std::string::npos);
    EXPECT_NE(summary.out.find("Bot\\x9b\\xc2\\x9b\xb5\xc2\xb5 "), std::string::npos);
    EXPECT_NE(summary.out.find(".\\x1b[2JCLEAR"), std::string::npos);
    for (const std::string& line : Lines(summary.out))
        EXPECT_LT(line.size(), 400u) << line.substr(0, 100);
    EXPECT_NE(summary.out.find("more bytes]"), std::string::npos) << "a cut keyword is marked";

    const Result logs = Exload("logs " + Quote(dir.string()) + " --file layout", tmp);
    ASSERT_EQ(logs.status, 0) << logs.err;
    EXPECT_EQ(controls(logs.out, "\n\t"), 0);
    const std::vector<std::string> lines = Lines(logs.out);
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6) << line.substr(0, 100);
        EXPECT_LT(line.size(), 4000u);
    }
    EXPECT_EQ(lines[0].rfind("layout\tnotused\t.\\x1b[2JCLEAR\t", 0), 0u) << lines[0];

    // The JSON keeps every byte, escaped as JSON escapes them.
    const Result json = Exload("json " + Quote(dir.string()), tmp);
    ASSERT_EQ(json.status, 0);
    const nlohmann::json j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["pJobPreferences"]["pLayerStackupArray"][1]["sLayerName"], "Top\x1b]0;owned\x07");
    EXPECT_EQ(j["pLayout"]["pNotUsedLog"][1]["sKeyword"], longKeyword);
}

TEST(ToolTruth, OutputsAreCheckedFirstAndAppearWhole)
{
    test::TempDir tmp;
    // The layout would stop the load with status 3: the output is checked before it.
    const std::string mem = WithLayout("/proc/self/mem");
    Result r = Exload("json" + mem + " -o " + Quote(tmp.Path().string()), tmp);
    EXPECT_EQ(r.status, 2);
    ExpectOneLine(r, {"cannot write " + tmp.Path().string() + ": " + std::system_category().message(EISDIR)});
    const std::string nowhere = (tmp.Path() / "no/such/board.png").string();
    r = Exload("render" + mem + " -o " + Quote(nowhere), tmp);
    EXPECT_EQ(r.status, 2);
    ExpectOneLine(r, {"cannot write " + nowhere + ": " + std::system_category().message(ENOENT)});

    // Written under another name and renamed: the folder holds the results
    // only, readable as any file the user makes, the old file replaced.
    const fs::path out = tmp.Path() / "out";
    const std::string mine = tmp.Write("out/tree.json", "old");
    const auto plain = fs::status(mine).permissions();
    ASSERT_EQ(Exload("json " + Quote(Demo()) + " -o " + Quote(mine), tmp).status, 0);
    ASSERT_EQ(Exload("render " + Quote(Demo()) + " -o " + Quote((out / "board.svg").string()), tmp).status, 0);
    EXPECT_EQ(Entries(out), (std::vector<std::string>{"board.svg", "tree.json"}));
    EXPECT_EQ(Slurp(mine), Exload("json " + Quote(Demo()), tmp).out);
    EXPECT_EQ(fs::status(out / "board.svg").permissions(), plain);
    EXPECT_EQ(fs::status(mine).permissions(), plain);
    // A device takes the bytes directly.
    EXPECT_EQ(Exload("json " + Quote(Demo()) + " -o /dev/null", tmp).status, 0);
}
