#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <string>
#include <vector>

#include "core/LineReader.h"
#include "support/TestSupport.h"

namespace {

using namespace std::string_literals;
using test::Lines;

Lines ReadAll(const std::string& path)
{
    ex::LineReader reader;
    EXPECT_TRUE(reader.Open(path));
    Lines out;
    std::string line;
    while (reader.ReadString(line))
        out.push_back(line);
    EXPECT_FALSE(reader.ReadString(line));  // and stays at the end
    return out;
}

std::int64_t Count(const std::string& path)
{
    ex::LineReader reader;
    EXPECT_TRUE(reader.Open(path));
    return reader.CountRemainingLines();
}

// The lines as text mode gives them: split at line feeds, a carriage return
// right before a line feed dropped, a last line without line feed kept.
Lines Expected(const std::string& bytes)
{
    Lines out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            std::size_t end = i;
            if (end > start && bytes[end - 1] == '\r')
                --end;
            out.push_back(bytes.substr(start, end - start));
            start = i + 1;
        }
    if (start < bytes.size())
        out.push_back(bytes.substr(start));
    return out;
}

// Line feeds end lines; a carriage return right before one is dropped, a
// lone one is an ordinary byte; NUL bytes stay; a last line without line
// feed counts. Reading and counting agree.
TEST(LineReader, LineEndings)
{
    test::TempDir dir;
    const struct {
        std::string bytes;
        Lines lines;
    } rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},   {"a\rb\nc\r", {"a\rb", "c\r"}}, {"a\r\r\n", {"a\r"}},
        {"a\nlast", {"a", "last"}},   {"\n\n\r\n", {"", "", ""}},     {"a\0b\n\0\n"s, {"a\0b"s, "\0"s}},
        {"", {}},                     {"\r", {"\r"}},                 {"a\rb", {"a\rb"}},
    };
    for (const auto& row : rows) {
        const std::string path = dir.Write("f", row.bytes);
        EXPECT_EQ(ReadAll(path), row.lines) << row.bytes;
        EXPECT_EQ(Count(path), static_cast<std::int64_t>(row.lines.size())) << row.bytes;
    }
}

TEST(LineReader, OpenFailures)
{
    test::TempDir dir;
    ex::LineReader reader;
    // Each failure keeps the system's reason.
    EXPECT_FALSE(reader.Open((dir.Path() / "missing.txt").string()));
    EXPECT_EQ(reader.Error(), ENOENT);
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Open(dir.Path().string()));  // a directory
    EXPECT_EQ(reader.Error(), EISDIR);
    EXPECT_FALSE(reader.Open(""));
    EXPECT_EQ(reader.Error(), ENOENT);
    std::string_view line;
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_EQ(reader.CountRemainingLines(), 0);

    // Reopening moves on to the new file and starts its counts afresh;
    // closing ends the reading.
    ASSERT_TRUE(reader.Open(dir.Write("one", "1\n2\n")));
    EXPECT_EQ(reader.Error(), 0);
    ASSERT_TRUE(reader.ReadLine(line) && reader.ReadLine(line));
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_EQ(reader.LinesRead(), 2);
    EXPECT_EQ(reader.BytesRead(), 4u);
    ASSERT_TRUE(reader.Open(dir.Write("two", "x\n")));
    EXPECT_EQ(reader.LinesRead(), 0);
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "x");
    ASSERT_TRUE(reader.Open(dir.Write("three", "y\nz\n")));
    reader.Close();
    EXPECT_FALSE(reader.ReadLine(line));
}

// A file that opens but cannot be read (the process's own memory, unmapped at
// offset 0) ends at once, and says why rather than passing for empty.
TEST(LineReader, ReadErrorIsKept)
{
    ex::LineReader reader;
    ASSERT_TRUE(reader.Open("/proc/self/mem"));
    std::string_view line;
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_EQ(reader.Error(), EIO);
    EXPECT_EQ(reader.LinesRead(), 0);
    ASSERT_TRUE(reader.Open("/proc/self/mem"));
    EXPECT_EQ(reader.CountRemainingLines(), 0);
    EXPECT_EQ(reader.Error(), EIO);
}

// Lines that cross the read blocks, a CR LF split across two blocks, and a
// 10 MB line.
TEST(LineReader, LongLinesAndBlockEdges)
{
    test::TempDir dir;
    constexpr std::size_t kBlock = std::size_t{1} << 20;
    std::string bytes(kBlock - 1, 'a');
    bytes += "\r\n";  // the CR ends the first block
    bytes += "short\n";
    bytes += std::string(10 * kBlock, 'b');
    bytes += "\nend";
    const std::string path = dir.Write("long", bytes);
    const Lines lines = ReadAll(path);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(kBlock - 1, 'a'));
    EXPECT_EQ(lines[1], "short");
    EXPECT_EQ(lines[2].size(), 10 * kBlock);
    EXPECT_EQ(lines[3], "end");
    EXPECT_EQ(Count(path), 4);

    // Counting after reading a part counts what is left.
    ex::LineReader reader;
    ASSERT_TRUE(reader.Open(path));
    std::string_view line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(reader.CountRemainingLines(), 3);
    EXPECT_EQ(reader.BytesRead(), bytes.size());
}

// Random bytes rich in line ends: the reader and the counter agree with a
// plain split, at every buffer position.
TEST(LineReader, AgreesWithPlainSplit)
{
    test::TempDir dir;
    std::mt19937 rng(7);
    const char alphabet[] = {'a', '.', ' ', '\r', '\n', '\0', '\n'};
    for (int round = 0; round < 20; ++round) {
        std::string bytes;
        const std::size_t size = round < 10 ? static_cast<std::size_t>(rng() % 64) : (std::size_t{1} << 20) + rng() % 5000;
        for (std::size_t i = 0; i < size; ++i)
            bytes.push_back(rng() % 50 == 0 ? alphabet[rng() % 7] : alphabet[rng() % 3]);
        const std::string path = dir.Write(std::to_string(round), bytes);
        const Lines expected = Expected(bytes);
        EXPECT_EQ(ReadAll(path), expected) << "round " << round;
        EXPECT_EQ(Count(path), static_cast<std::int64_t>(expected.size())) << "round " << round;
    }
}

} // namespace
