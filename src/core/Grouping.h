#pragma once

// Cutting a block of lines into groups by keyword level. Every parser of the
// library groups lines the same way: a line at the group level opens a group,
// deeper lines join it, lines without a leading dot continue the line before,
// shallower keyword lines and empty lines are dropped. What differs between
// parsers is named in GroupRule.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/StringOps.h"

namespace ex {

struct GroupRule {
    int nLevel = 2;                // a line with exactly this many leading dots opens a group
    int nCut = 0;                  // characters cut off the front of every line kept (after trimming)
    bool bHandOverEmpty = false;   // an opening line hands over the pending group even when empty
};

// Feeds lines one at a time; hands each closed group to the handler, which
// may consume it (the grouper empties it afterwards in any case).
// A line without a dot while no group is pending starts the group: the
// record reader does the same with such lines at the start of a file.
template <class Handler>
class LineGrouper {
public:
    LineGrouper(GroupRule rule, Handler& handler) : m_rule(rule), m_handler(handler) {}

    // line is trimmed in place and moved from when kept.
    void Add(std::string& line)
    {
        Trim(line);
        if (line.empty())
            return;
        const int dots = Dots(line);
        if (m_rule.nCut > 0)
            line.erase(0, static_cast<std::size_t>(m_rule.nCut));
        Place(dots, line, [&line]() -> std::string&& { return std::move(line); });
    }

    // The same for a line that is already trimmed and not owned (a view into
    // a read buffer): no string is made for a continuation line.
    void AddView(std::string_view line)
    {
        if (line.empty())
            return;
        const int dots = Dots(line);
        line.remove_prefix(std::min(line.size(), static_cast<std::size_t>(m_rule.nCut > 0 ? m_rule.nCut : 0)));
        Place(dots, line, [line]() { return std::string(line); });
    }

    // Hands over what is pending at the end of the block.
    void Finish(bool bEvenWhenEmpty = false) { HandOver(bEvenWhenEmpty); }

    std::vector<std::string>& Pending() { return m_group; }

private:
    // Leading dots, counted no further than one past the group level: every
    // deeper line is placed alike, and the reader sees mostly shallow lines.
    int Dots(std::string_view line) const
    {
        const std::size_t deepest = static_cast<std::size_t>(m_rule.nLevel > 0 ? m_rule.nLevel + 1 : 1);
        const std::size_t limit = std::min(line.size(), deepest);
        std::size_t n = 0;
        while (n < limit && line[n] == '.')
            ++n;
        return static_cast<int>(n);
    }

    template <class Text, class MakeString>
    void Place(int dots, const Text& text, MakeString makeString)
    {
        if (dots > m_rule.nLevel) {
            m_group.push_back(makeString());
        } else if (dots == m_rule.nLevel) {
            HandOver(m_rule.bHandOverEmpty);
            m_group.push_back(makeString());
        } else if (dots > 0) {
            // a shallower keyword line belongs to no group
        } else if (m_group.empty()) {
            m_group.push_back(makeString());
        } else {
            m_group.back() += text;
        }
    }

    void HandOver(bool bEvenWhenEmpty)
    {
        if (m_group.empty() && !bEvenWhenEmpty)
            return;
        m_handler(m_group);
        m_group.clear();
    }

    GroupRule m_rule;
    Handler& m_handler;
    std::vector<std::string> m_group;
};

// Groups lines[first..] and empties lines. Lines before `first` (typically the
// record's own keyword line, already read by the caller) are dropped.
template <class Handler>
void GroupLines(std::vector<std::string>& lines, std::size_t first, GroupRule rule, Handler&& handler)
{
    LineGrouper<std::remove_reference_t<Handler>> grouper(rule, handler);
    for (std::size_t i = first; i < lines.size(); ++i)
        grouper.Add(lines[i]);
    grouper.Finish();
    lines.clear();
}

// The regrouping step of route objects and actual plane shapes at level n:
// a group opens at a line with n + 1 dots and takes the deeper lines after
// it; every line loses its first n characters, so that the group's keyword
// line reads at level 1. Lines before `first` are dropped; lines is emptied.
template <class Handler>
void Regroup(int nLevel, std::vector<std::string>& lines, std::size_t first, Handler&& handler)
{
    GroupLines(lines, first, GroupRule{nLevel + 1, nLevel, false}, std::forward<Handler>(handler));
}

// Joins every line without a leading dot onto the kept line before it
// (lines[first..] only), so that a later cut of the line's front does not
// reach into a continuation. A dotless line with no line before it stays.
inline void JoinContinuations(std::vector<std::string>& lines, std::size_t first)
{
    std::size_t kept = first;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = TrimView(lines[i]);
        if (line.empty())
            continue;
        if (line[0] != '.' && kept > first) {
            lines[kept - 1] += line;
            continue;
        }
        Trim(lines[i]);
        if (kept != i)
            lines[kept] = std::move(lines[i]);
        ++kept;
    }
    lines.resize(kept);
}

// Removes the first n characters of every line of a group (clipped).
inline void CutLines(std::vector<std::string>& lines, std::size_t n)
{
    for (std::string& line : lines)
        line.erase(0, n);
}

} // namespace ex
