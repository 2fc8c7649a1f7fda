#pragma once

// Running the built exload program from a test.

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace tool {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::filesystem::path& p);

// s in single quotes, for the shell.
std::string Quote(const std::string& s);

// The program with these arguments (already quoted), its output kept apart
// in files of tmp. `before` goes in front of the program on the command line.
Result Exload(const std::string& args, const test::TempDir& tmp, const std::string& before = "");

// The example design directory.
std::string Demo();

// A copy of the example design at tmp/name.
std::filesystem::path CopyDemo(const test::TempDir& tmp, const std::string& name);

// The first `from` in the file replaced by `to`; a test failure when there is none.
void ReplaceIn(const std::filesystem::path& file, const std::string& from, const std::string& to);

std::vector<std::string> Lines(const std::string& text);

} // namespace tool
