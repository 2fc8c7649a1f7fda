#pragma once

// The record reader: turns a design file into records and hands each one to a
// dispatcher. The file workers run it; it is public so that tools and
// benchmarks time exactly what the workers do.

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/Grouping.h"
#include "core/KeywordIndex.h"
#include "core/LineReader.h"
#include "core/StringOps.h"
#include "loader/FileReadReport.h"

namespace ex {

struct NoAction {
    void operator()() const {}
};

// Writes what the reader got through into a report however the reading
// ends, a throw from a dispatcher included.
class ReadReportScope {
public:
    ReadReportScope(const LineReader& reader, FileReadReport* pReport) : m_reader(reader), m_pReport(pReport) {}
    ReadReportScope(const ReadReportScope&) = delete;
    ReadReportScope& operator=(const ReadReportScope&) = delete;
    ~ReadReportScope()
    {
        if (m_pReport) {
            m_pReport->nBytesRead = m_reader.BytesRead();
            m_pReport->nLinesRead = m_reader.LinesRead();
        }
    }

private:
    const LineReader& m_reader;
    FileReadReport* m_pReport;
};

// The reading loop shared by both readers: opens sPath, runs opened(), then
// counts each line and hands it, trimmed, to place(line, grouper, reader).
// The grouper makes level-1 records and hands them to dispatch. A read error
// throws std::system_error after the records read before it.
template <class Count, class Dispatch, class Opened, class Place>
bool ReadGroupedLines(const std::string& sPath, Count& count, Dispatch& dispatch, Opened& opened, Place place,
                      FileReadReport* pReport)
{
    LineReader reader;
    if (pReport)
        pReport->sPath = sPath;
    if (!reader.Open(sPath)) {
        if (pReport)
            pReport->sError = std::system_category().message(reader.Error());
        return false;
    }
    if (pReport)
        pReport->bOpened = true;
    const ReadReportScope scope(reader, pReport);
    opened();
    LineGrouper<Dispatch> grouper({1, 0, true}, dispatch);
    std::string_view line;
    while (reader.ReadLine(line)) {
        count();
        place(TrimView(line), grouper, reader);
    }
    if (reader.Error() != 0)
        throw std::system_error(reader.Error(), std::system_category());
    grouper.Finish(true);
    return true;
}

// Reads sPath: a level-1 keyword line opens a record, deeper lines join it, a
// line without a dot continues the line before. dispatch(record) receives
// every record, also the empty one before the first keyword line and the last
// one at the end of the file (an empty file gives exactly one empty record);
// the record is emptied after each call. count() runs once per line read,
// before the line is placed. opened() runs once the file is open, before its
// first line. False, with nothing counted or dispatched, when the file cannot
// be opened. pReport, when given, learns the path, whether it opened (or
// why not), and the bytes and lines read, also when reading ends in a throw.
template <class Count, class Dispatch, class Opened = NoAction>
bool ReadRecordFile(const std::string& sPath, Count&& count, Dispatch&& dispatch, Opened&& opened = Opened{},
                    FileReadReport* pReport = nullptr)
{
    return ReadGroupedLines(
        sPath, count, dispatch, opened,
        [](std::string_view line, auto& grouper, LineReader&) { grouper.AddView(line); }, pReport);
}

// Header lines of the net class file, dropped by its reader. The last four
// need their blank: ".UNITSX" is not a header line.
inline constexpr auto kNetClassHeaders = MakeKeywordList({
    ".VERSION", ".DATE", ".CREATOR ", ".FILETYPE ", ".UNITS ", ".OUTPUT_IN_DB_UNITS ",
});

// The net class file's reader. Records are grouped as by ReadRecordFile, but
// header lines are dropped, and a ".NETCLASS" line with exactly the one line
// after it (whatever that holds) goes to toClass, preceded by the lines of a
// pending record of one or two lines. Every other record, the last one
// included, goes to toProp. pReport as for ReadRecordFile.
template <class Count, class ToClass, class ToProp, class Opened = NoAction>
bool ReadNetClassFile(const std::string& sPath, Count&& count, ToClass&& toClass, ToProp&& toProp,
                      Opened&& opened = Opened{}, FileReadReport* pReport = nullptr)
{
    return ReadGroupedLines(sPath, count, toProp, opened,
                            [&](std::string_view line, auto& grouper, LineReader& reader) {
                                if (kNetClassHeaders.Find(line) >= 0)
                                    return;
                                if (!StartsWithNoCase(line, ".NETCLASS")) {
                                    grouper.AddView(line);
                                    return;
                                }
                                std::vector<std::string>& record = grouper.Pending();
                                if (record.size() > 2) {
                                    toProp(record);
                                    record.clear();
                                }
                                record.emplace_back(line);
                                std::string_view next;
                                if (reader.ReadLine(next)) {
                                    count();
                                    record.emplace_back(TrimView(next));
                                }
                                toClass(record);
                                record.clear();
                            },
                            pReport);
}

} // namespace ex
