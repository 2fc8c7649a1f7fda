#include "Logs.h"

#include <algorithm>
#include <string_view>

#include "Printable.h"

namespace exload {

namespace {

// Tabs and line ends inside a field, escaped, cannot break the line into
// columns.
void PutField(std::string_view s, std::FILE* out)
{
    const std::string field = Printable(s, kFieldBytes);
    std::fwrite(field.data(), 1, field.size(), out);
}

template <class T>
void AddPair(std::vector<FileLog>& logs, FileKind kind, const T* p)
{
    if (!p)
        return;
    logs.push_back({kind, LogKind::Ignore, p->pIgnoreLog});
    logs.push_back({kind, LogKind::NotUsed, p->pNotUsedLog});
}

} // namespace

const char* LogName(LogKind k) { return k == LogKind::Ignore ? "ignore" : "notused"; }

std::optional<LogKind> LogFromName(const std::string& name)
{
    if (name == "ignore")
        return LogKind::Ignore;
    if (name == "notused")
        return LogKind::NotUsed;
    return std::nullopt;
}

std::vector<FileLog> CollectLogs(const CExExpedition& root)
{
    std::vector<FileLog> logs;
    AddPair(logs, FileKind::JobPrefs, root.pJobPreferences);
    AddPair(logs, FileKind::Cells, root.pCellLibrary);
    AddPair(logs, FileKind::Layout, root.pLayout);
    AddPair(logs, FileKind::Padstacks, root.pPadstackLibrary);
    AddPair(logs, FileKind::NetClass, root.pNetConnectionArray);
    AddPair(logs, FileKind::NetClass, root.pNetClassArray);
    AddPair(logs, FileKind::NetClass, root.pNetPropArray);
    AddPair(logs, FileKind::Parts, root.pLibPart);
    // Ignore logs of a file before its not-used logs.
    std::stable_sort(logs.begin(), logs.end(), [](const FileLog& a, const FileLog& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.log < b.log;
    });
    return logs;
}

void PrintLogs(const CExExpedition& root, std::optional<FileKind> file, std::optional<LogKind> log, std::FILE* out)
{
    for (const FileLog& fl : CollectLogs(root)) {
        if ((file && *file != fl.kind) || (log && *log != fl.log) || !fl.entries)
            continue;
        for (const CExTemporary* e : *fl.entries) {
            if (!e)
                continue;
            std::fprintf(out, "%s\t%s\t", KindName(fl.kind), LogName(fl.log));
            PutField(e->sKeyword, out);
            std::fputc('\t', out);
            PutField(e->sValue, out);
            std::fputc('\t', out);
            PutField(e->sContext, out);
            std::fprintf(out, "\t%d\t%zu\n", e->nLevel, e->saLines.size());
        }
    }
}

} // namespace exload
