#pragma once

// What ends a command early. main turns each into one line on standard
// error and its exit status.

#include <string>
#include <system_error>

namespace exload {

// What a user did wrong: options, paths, a missing kind, two files of one
// kind, a file that cannot be opened, an output that cannot go where asked.
struct UsageError {
    std::string message;
};

// An output that could not be written.
struct OutputError {
    std::string message;
};

// A design file that could not be read to its end.
struct LoadError {
    std::string message;
};

// The system's text for an error number ("Permission denied").
inline std::string SystemReason(int error) { return std::system_category().message(error); }

} // namespace exload
