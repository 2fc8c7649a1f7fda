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

std::vector<std::string> Lines(const std::string& text);

} // namespace tool
