#pragma once

#include <cstdint>
#include <string>

namespace ex {

// What a file worker did with one file. A parse returns the same result
// whether or not its files could be read; a host that must know whether the
// tree holds every line asks the loader for these.
struct FileReadReport {
    int nSlot = 0;  // 0 job preferences, 1 cell library, 2 layout, 3 padstack library, 4 net class, 5 parts database
    std::string sPath;
    bool bOpened = false;   // when false, sError tells why
    bool bStopped = false;  // reading ended before the end of the file; sError tells why
    std::string sError;
    std::uint64_t nBytesRead = 0;
    std::int64_t nLinesRead = 0;  // when stopped: the last line read before the stop

    bool Complete() const { return bOpened && !bStopped; }
};

} // namespace ex
