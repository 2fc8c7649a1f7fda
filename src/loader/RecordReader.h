#pragma once

// The record reader: turns a design file into records and hands each one to a
// dispatcher. The file workers run it; it is public so that tools and
// benchmarks time exactly what the workers do.

#include <string>
#include <string_view>
#include <vector>

#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/LineReader.h"
#include "core/StringOps.h"

namespace ex {

struct NoAction {
    void operator()() const {}
};

// The reading loop shared by both readers: opens sPath, runs opened(), then
// counts each line and hands it, trimmed, to place(line, grouper, reader).
// The grouper makes level-1 records and hands them to dispatch.
template <class Count, class Dispatch, class Opened, class Place>
bool ReadGroupedLines(const std::string& sPath, Count& count, Dispatch& dispatch, Opened& opened, Place place)
{
    LineReader reader;
    if (!reader.Open(sPath))
        return false;
    opened();
    LineGrouper<Dispatch> grouper({1, 0, true}, dispatch);
    std::string_view line;
    while (reader.ReadLine(line)) {
        count();
        place(TrimView(line), grouper, reader);
    }
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
// be opened.
template <class Count, class Dispatch, class Opened = NoAction>
bool ReadRecordFile(const std::string& sPath, Count&& count, Dispatch&& dispatch, Opened&& opened = Opened{})
{
    return ReadGroupedLines(sPath, count, dispatch, opened,
                            [](std::string_view line, auto& grouper, LineReader&) { grouper.AddView(line); });
}

// Header lines of the net class file, dropped by its reader. The last four
// need their blank: ".UNITSX" is not a header line.
inline constexpr KeywordRow<bool> kNetClassHeaders[] = {
    {".VERSION", true}, {".DATE", true},  {".CREATOR ", true}, {".FILETYPE ", true},
    {".UNITS ", true},  {".OUTPUT_IN_DB_UNITS ", true},
};

// The net class file's reader. Records are grouped as by ReadRecordFile, but
// header lines are dropped, and a ".NETCLASS" line with exactly the one line
// after it (whatever that holds) goes to toClass, preceded by the lines of a
// pending record of one or two lines. Every other record, the last one
// included, goes to toProp.
template <class Count, class ToClass, class ToProp, class Opened = NoAction>
bool ReadNetClassFile(const std::string& sPath, Count&& count, ToClass&& toClass, ToProp&& toProp,
                      Opened&& opened = Opened{})
{
    return ReadGroupedLines(sPath, count, toProp, opened,
                            [&](std::string_view line, auto& grouper, LineReader& reader) {
                                if (MatchKeyword(kNetClassHeaders, line))
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
                            });
}

} // namespace ex
