#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "loader/FileReadReport.h"

class CExExpedition;

namespace ex {
class HelperPool;
}

// Parameter block of one file worker; the parse owns one per file kind.
struct FileWorkerParam {
    std::string sFilePath;
    std::vector<std::string> saFilePaths;
    std::atomic<int> nLinesRead{0};   // written by the worker, read by the progress loop
    int bRemoveNet = 0;
    CExExpedition* pExpedition = nullptr;
    // The helper threads shared by the workers of a parse; null: a worker
    // that parses on helpers makes its own.
    ex::HelperPool* pHelpers = nullptr;
    // Set by the worker as its last act, however it ends.
    std::atomic<bool> bEnded{false};
    // Set when the worker read a file to its end (and set g_evWorkerDone).
    std::atomic<bool> bReachedEnd{false};
    // One per file the worker tried, in order; read once the worker has ended.
    std::vector<ex::FileReadReport> reports;
};

// Thread procedures: each takes its FileWorkerParam and returns 0.
unsigned int JobPrefFileWorker(void* pParam);
unsigned int CellLibFileWorker(void* pParam);
unsigned int LayoutFileWorker(void* pParam);
unsigned int PadstackLibFileWorker(void* pParam);
unsigned int NetClassFileWorker(void* pParam);
unsigned int PartsDbFileWorker(void* pParam);
unsigned int CellLibListWorker(void* pParam);
unsigned int PadstackLibListWorker(void* pParam);
