#pragma once

// An output file that appears only when it is complete. It is written under
// a temporary name beside its destination and renamed into place by
// Commit(); a failure, or leaving without Commit(), removes the temporary
// and leaves whatever stood at the destination as it was. A command that
// writes several files makes one of these per file, before its load, and
// commits them all at the end.

#include <cstdio>
#include <string>

namespace exload {

class OutputFile {
public:
    // Checks that the destination can be written (not a directory, its
    // folder writable) by creating the temporary now, before any long work:
    // throws UsageError when it cannot. A destination that exists and is no
    // regular file (a device, a pipe) is written directly.
    explicit OutputFile(const std::string& path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    const std::string& Path() const { return m_path; }
    // Where to write: the temporary, with the destination's extension, for
    // writers that open files by name.
    const std::string& WritePath() const { return m_writePath; }
    // The file at WritePath() opened for writing, fully buffered.
    std::FILE* Stream();
    // Finishes the stream, if one was opened, and moves the file into place;
    // throws OutputError naming the destination and the system's reason.
    void Commit();

private:
    void Discard() noexcept;

    std::string m_path;       // the destination, its links followed
    std::string m_writePath;  // the temporary, or the destination itself
    int m_fd = -1;            // the temporary as created
    std::FILE* m_stream = nullptr;
    bool m_bDirect = false;
    bool m_bDone = false;
};

} // namespace exload
