#include "core/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/StringOps.h"

namespace ex {

namespace {
constexpr std::size_t kBlock = std::size_t{1} << 20;
constexpr std::size_t kMinBlock = 4096;
}

bool LineReader::Open(const std::string& sPath)
{
    Close();
    m_nError = 0;
    m_nLinesRead = 0;
    if (sPath.empty()) {
        m_nError = ENOENT;
        return false;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(sPath, ec)) {
        m_nError = EISDIR;
        return false;
    }
    m_file = std::fopen(sPath.c_str(), "rb");
    if (!m_file) {
        m_nError = errno;
        return false;
    }
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    // A small file gets a buffer of its size (plus room to see the end) rather
    // than a whole block; the buffer still grows for a longer line.
    const std::uintmax_t size = std::filesystem::file_size(sPath, ec);
    m_buffer.resize(ec ? kBlock : static_cast<std::size_t>(std::clamp<std::uintmax_t>(size + 1, kMinBlock, kBlock)));
    m_begin = m_end = 0;
    m_bEof = false;
    m_nBytesRead = 0;
    return true;
}

void LineReader::Close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_begin = m_end = 0;
    m_bEof = true;
}

// Moves the unread tail to the front (growing the buffer when one line fills
// it) and reads more. False when nothing more could be read.
bool LineReader::Fill()
{
    if (m_bEof || !m_file)
        return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2);
    errno = 0;
    const std::size_t n = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_file);
    if (n == 0) {
        if (std::ferror(m_file))
            m_nError = errno != 0 ? errno : EIO;
        m_bEof = true;
        return false;
    }
    m_end += n;
    m_nBytesRead += n;
    return true;
}

bool LineReader::ReadLine(std::string_view& line)
{
    if (!m_file)
        return false;
    std::size_t searchFrom = m_begin;
    for (;;) {
        const char* base = m_buffer.data();
        const void* nl = searchFrom < m_end ? std::memchr(base + searchFrom, '\n', m_end - searchFrom) : nullptr;
        if (nl) {
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(nl) - base);
            std::size_t len = at - m_begin;
            if (len > 0 && base[at - 1] == '\r')
                --len;
            line = std::string_view(base + m_begin, len);
            m_begin = at + 1;
            ++m_nLinesRead;
            return true;
        }
        const std::size_t scanned = m_end - m_begin;
        if (!Fill()) {
            if (m_begin < m_end) {
                line = std::string_view(m_buffer.data() + m_begin, m_end - m_begin);
                m_begin = m_end;
                ++m_nLinesRead;
                return true;
            }
            return false;
        }
        searchFrom = m_begin + scanned;
    }
}

std::int64_t LineReader::CountRemainingLines()
{
    if (!m_file)
        return 0;
    std::int64_t n = 0;
    bool endsOpen = false;  // bytes after the last line feed
    for (;;) {
        if (m_begin < m_end) {
            const char* p = m_buffer.data() + m_begin;
            const std::size_t len = m_end - m_begin;
            n += static_cast<std::int64_t>(CountByte(std::string_view(p, len), '\n'));
            endsOpen = p[len - 1] != '\n';
        }
        m_begin = m_end;
        if (!Fill())
            break;
    }
    return n + (endsOpen ? 1 : 0);
}

} // namespace ex
