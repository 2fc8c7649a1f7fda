#pragma once

// The logs of a loaded design: every file object keeps an ignore log and a
// not-used log of the records it did not take.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "DesignFiles.h"

namespace exload {

enum class LogKind { Ignore, NotUsed };

const char* LogName(LogKind k);  // "ignore", "notused"
std::optional<LogKind> LogFromName(const std::string& name);

struct FileLog {
    FileKind kind;
    LogKind log;
    const CExTemporaryArray* entries;
};

// The logs of the root, by file kind, ignore log first. The net class file
// has three arrays, each with its two logs.
std::vector<FileLog> CollectLogs(const CExExpedition& root);

// One line per entry, tab-separated: file kind, log, keyword, value, context,
// level, number of further lines. Filters are optional.
void PrintLogs(const CExExpedition& root, std::optional<FileKind> file, std::optional<LogKind> log, std::FILE* out);

} // namespace exload
