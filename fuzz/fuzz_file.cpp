// Feeds arbitrary bytes, as a file of one kind, through that kind's file
// worker: the record reader and its record dispatcher, into a fresh design
// root that is then destroyed. EXLOAD_FUZZ_WORKER names the worker.
//
// The design units and the remove-net flag are taken from the input size so
// that the file's own bytes reach the reader unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "core/ExExpedition.h"
#include "loader/FileWorkers.h"
#include "loader/PC_Corvane_Get.h"

namespace {

const std::string& ScratchPath()
{
    // In memory where there is such a file system: a disk file is flushed
    // on every rewrite.
    static const std::string path = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/exload-fuzz-" + std::to_string(::getpid()) + ".txt";
    return path;
}

void WriteScratch(const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(ScratchPath().c_str(), "wb");
    if (!f)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::atexit([] { std::remove(ScratchPath().c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const kUnits[] = {"MM", "TH", "MIL", "IN", "UM", ""};
    g_sUnits = kUnits[size % 6];
    g_sPadstackTechnology = size % 2 ? "(Default)" : "";
    WriteScratch(data, size);

    {
        CExExpedition root;
        FileWorkerParam param;
        param.sFilePath = ScratchPath();
        param.pExpedition = &root;
        param.bRemoveNet = size % 16 == 7 ? 1 : 0;
        EXLOAD_FUZZ_WORKER(&param);

        // A worker that read its file to the end has counted exactly the
        // file's line total. (A loader resets the process-wide strings; they
        // are set again for each input.)
        CPC_Corvane_Get counter;
        if (!param.bReachedEnd.load() || param.nLinesRead.load() != counter.nGetFileLineCount(ScratchPath(), 0)) {
            std::fprintf(stderr, "worker counted %d lines, the file has %d\n", param.nLinesRead.load(),
                         counter.nGetFileLineCount(ScratchPath(), 0));
            std::abort();
        }
    }
    return 0;
}
