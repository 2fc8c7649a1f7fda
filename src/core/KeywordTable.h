#pragma once

// Keyword tables held as data: an ordered array of (keyword, action) rows,
// tested in order against the beginning of a line; the first match wins.

#include <span>
#include <string_view>

#include "core/StringOps.h"

namespace ex {

template <class Action>
struct KeywordRow {
    std::string_view sKeyword;  // written in upper case for case-insensitive tables
    Action action;
};

enum class Case { Insensitive, Sensitive };

// First row whose keyword begins the line, or null. Insensitive tables are
// compared with the line's upper-case form (the rows are upper case).
template <class Row>
const Row* MatchKeyword(std::span<const Row> table, std::string_view line, Case c = Case::Insensitive)
{
    for (const Row& row : table) {
        const bool hit = c == Case::Insensitive ? StartsWithNoCase(line, row.sKeyword) : StartsWith(line, row.sKeyword);
        if (hit)
            return &row;
    }
    return nullptr;
}

template <class Row, std::size_t N>
const Row* MatchKeyword(const Row (&table)[N], std::string_view line, Case c = Case::Insensitive)
{
    return MatchKeyword(std::span<const Row>(table, N), line, c);
}

} // namespace ex
