#include "OutputFile.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"

namespace fs = std::filesystem;

namespace exload {

namespace {

// Big writes of a streamed export go out in large pieces.
constexpr std::size_t kStreamBuffer = std::size_t{1} << 20;

[[noreturn]] void CannotWrite(const std::string& path, int error, bool bUsage)
{
    const std::string message = "cannot write " + path + ": " + SystemReason(error);
    if (bUsage)
        throw UsageError{message};
    throw OutputError{message};
}

// The mode a plain fopen would give a new file.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

OutputFile::OutputFile(const std::string& path) : m_path(path)
{
    std::error_code ec;
    // Through a link the file it names is replaced, not the link.
    if (fs::is_symlink(m_path, ec)) {
        const fs::path target = fs::canonical(m_path, ec);
        if (!ec)
            m_path = target.string();
    }
    struct stat st {};
    if (::stat(m_path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            CannotWrite(path, EISDIR, true);
        if (!S_ISREG(st.st_mode)) {
            // A device or a pipe cannot be renamed over; it takes the bytes as they come.
            m_bDirect = true;
            m_writePath = m_path;
            if (::access(m_path.c_str(), W_OK) != 0)
                CannotWrite(path, errno, true);
            return;
        }
    } else if (errno != ENOENT) {
        CannotWrite(path, errno, true);
    }
    const fs::path dest(m_path);
    const fs::path folder = dest.has_parent_path() ? dest.parent_path() : fs::path(".");
    const std::string extension = dest.extension().string();
    // Hidden, and with the extension: writers that pick the format by it still can.
    std::string name = dest.stem().string();
    name.insert(0, 1, '.');
    name += "-XXXXXX" + extension;
    const std::string temp = (folder / name).string();
    std::vector<char> buffer(temp.begin(), temp.end());
    buffer.push_back('\0');
    m_fd = ::mkstemps(buffer.data(), static_cast<int>(extension.size()));
    if (m_fd < 0)
        CannotWrite(path, errno, true);
    m_writePath = buffer.data();
    ::fchmod(m_fd, NewFileMode());
}

OutputFile::~OutputFile() { Discard(); }

std::FILE* OutputFile::Stream()
{
    if (m_stream)
        return m_stream;
    if (m_bDirect)
        m_stream = std::fopen(m_writePath.c_str(), "wb");
    else if (m_fd >= 0 && (m_stream = ::fdopen(m_fd, "wb")) != nullptr)
        m_fd = -1;
    if (!m_stream)
        CannotWrite(m_path, errno, false);
    std::setvbuf(m_stream, nullptr, _IOFBF, kStreamBuffer);
    return m_stream;
}

void OutputFile::Commit()
{
    if (m_stream) {
        // A write that failed earlier left its reason in errno.
        const bool bFlushed = std::fflush(m_stream) == 0 && !std::ferror(m_stream);
        const int error = errno != 0 ? errno : EIO;
        const bool bClosed = std::fclose(m_stream) == 0;
        m_stream = nullptr;
        if (!bFlushed || !bClosed) {
            Discard();
            CannotWrite(m_path, bFlushed ? errno : error, false);
        }
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_bDirect && std::rename(m_writePath.c_str(), m_path.c_str()) != 0) {
        const int error = errno;
        Discard();
        CannotWrite(m_path, error, false);
    }
    m_bDone = true;
}

void OutputFile::Discard() noexcept
{
    if (m_stream) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_bDone && !m_bDirect && !m_writePath.empty())
        ::unlink(m_writePath.c_str());
    m_bDone = true;
}

} // namespace exload
