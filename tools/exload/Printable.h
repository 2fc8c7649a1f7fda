#pragma once

// Text from design files made safe for a terminal: names and keywords may
// hold escape sequences that would clear the screen or retitle the window,
// and lines of many megabytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace exload {

// Longest name or keyword shown in a table, and longest field of a log line.
constexpr std::size_t kNameBytes = 64;
constexpr std::size_t kFieldBytes = 1024;

// s with every control character (C0, DEL, and C1 whether written as one
// byte or in UTF-8) written as \xHH. Longer than maxBytes, it is cut there
// (never inside a UTF-8 character) and ends with a mark telling how much
// was left out.
std::string Printable(std::string_view s, std::size_t maxBytes = std::string_view::npos);

} // namespace exload
