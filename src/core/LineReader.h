#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ex {

// Reads a text file line by line, as the framework's text-mode file does: a
// line ends at a line feed, a carriage return right before it goes with it,
// and a last line without a line feed is still returned. A lone carriage
// return is an ordinary byte. NUL bytes are kept. Reads in large blocks. A
// read error ends the lines as the end of the file would; Error() tells it.
class LineReader {
public:
    LineReader() = default;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    ~LineReader() { Close(); }

    // False for a path that does not exist, cannot be read, or is a directory.
    bool Open(const std::string& sPath);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }

    // The next line without its newline; the view lives until the next call.
    bool ReadLine(std::string_view& line);
    bool ReadString(std::string& line)
    {
        std::string_view v;
        if (!ReadLine(v))
            return false;
        line.assign(v);
        return true;
    }

    // Counts the lines left without handing them out.
    std::int64_t CountRemainingLines();

    std::uint64_t BytesRead() const { return m_nBytesRead; }
    // Lines handed out by ReadLine since the file was opened.
    std::int64_t LinesRead() const { return m_nLinesRead; }
    // The system's error number of a failed Open or of a failed read; 0 when
    // there was none.
    int Error() const { return m_nError; }

private:
    bool Fill();

    std::FILE* m_file = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;  // first byte not yet handed out
    std::size_t m_end = 0;    // end of valid data
    bool m_bEof = false;
    std::uint64_t m_nBytesRead = 0;
    std::int64_t m_nLinesRead = 0;
    int m_nError = 0;
};

} // namespace ex
