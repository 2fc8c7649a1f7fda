#pragma once

// Writes a synthetic board design: the six files of a design load, with
// content shaped like real boards (nets of traces and vias, conductive areas,
// planes with thousands of voids, package cells with 2 to 200 pins, outlines,
// texts, parts and net classes). Lines are indented by keyword level as
// design files are written, or not at all. The same size, seed and
// indentation always give the same bytes, and the two indentations of one
// size and seed the same lines apart from their leading blanks.

#include <cstdint>
#include <string>
#include <vector>

namespace ex::bench {

struct DesignFiles {
    std::string sJobPrefs;
    std::string sCellLib;
    std::string sLayout;
    std::string sPadstackLib;
    std::string sNetClass;
    std::string sPartsDb;
    std::uint64_t nBytes = 0;  // all six together

    std::vector<std::string> Paths() const
    {
        return {sJobPrefs, sCellLib, sLayout, sPadstackLib, sNetClass, sPartsDb};
    }
};

enum class Indent {
    ByLevel,  // one blank per keyword level below the first; continuation lines two more
    None,
};

// The file names used inside a design directory (the demo uses the same).
DesignFiles DesignFilesIn(const std::string& sDir);

// Writes a design of about nTargetBytes, indentation not counted, into sDir
// (created if missing) and returns its paths and actual size. Throws
// std::runtime_error when a file cannot be written.
DesignFiles WriteDesign(const std::string& sDir, std::uint64_t nTargetBytes, std::uint64_t nSeed = 1,
                        Indent indent = Indent::ByLevel);

} // namespace ex::bench
