#pragma once

// Finding the first keyword of an ordered list that a line matches without
// testing every keyword. A line that begins with a keyword has as many
// leading dots as the keyword and, after them, the keyword's next byte; so
// each keyword is filed under that byte and its number of dots, and a line is
// tested only against the keywords filed as it would be. Keywords that may
// stand anywhere in a line are filed under their byte after the dots and
// found through the byte after each dot of the line.
// The candidates are tested in list order, so the first match is the one a
// test of every keyword in turn would give.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/StringOps.h"

namespace ex {

enum class Case { Insensitive, Sensitive };

constexpr bool BeginsWith(std::string_view line, std::string_view keyword, Case c)
{
    return c == Case::Insensitive ? StartsWithNoCase(line, keyword) : StartsWith(line, keyword);
}

// How a keyword meets a line.
enum class KeyForm : std::uint8_t {
    Prefix,    // the line begins with it
    Anywhere,  // it occurs in the line, in any case
    Always,    // the owner tests every line by a rule of its own
};

struct KeySpec {
    std::string_view sKeyword;
    KeyForm form = KeyForm::Prefix;
    unsigned nKinds = 0;  // the kinds of owner that test the keyword (a mask); 0: every kind
};

// Rows of one list by their place in it, bit i for row i.
using RowSet = std::uint64_t;

class KeywordIndex {
public:
    static constexpr std::size_t kMaxRows = 64;

    // describe(i) is the KeySpec of row i.
    template <class Describe>
    constexpr KeywordIndex(std::size_t nRows, Describe describe)
    {
        if (nRows > kMaxRows)
            throw "a keyword list holds at most 64 rows";
        for (std::size_t i = 0; i < nRows; ++i) {
            const KeySpec key = describe(i);
            const RowSet row = RowSet{1} << i;
            const std::size_t dots = static_cast<std::size_t>(LeadingDots(key.sKeyword));
            // Without a byte after dots to be filed under, a row is a candidate everywhere.
            if (key.form == KeyForm::Always || dots == key.sKeyword.size() ||
                (key.form == KeyForm::Anywhere && dots == 0)) {
                m_always |= row;
                continue;
            }
            const std::uint8_t slot = FileUnder(key.sKeyword[dots]);
            if (key.form == KeyForm::Prefix) {
                m_starts[slot] |= row;
                m_dots[DotClass(dots)] |= row;
            } else {
                m_within[slot] |= row;
                m_bWithin = true;
            }
        }
    }

    // The rows that may match line.
    constexpr RowSet Candidates(std::string_view line) const
    {
        const std::size_t dots = static_cast<std::size_t>(LeadingDots(line));
        RowSet rows = m_always;
        if (dots < line.size())
            rows |= m_starts[SlotOf(line[dots])] & m_dots[DotClass(dots)];
        if (m_bWithin)
            for (std::size_t p = line.find('.'); p != std::string_view::npos && p + 1 < line.size();
                 p = line.find('.', p + 1))
                rows |= m_within[SlotOf(line[p + 1])];
        return rows;
    }

    // The first candidate row i, in list order, for which test(i) holds;
    // -1 when there is none.
    template <class Test>
    constexpr int Find(std::string_view line, Test&& test) const
    {
        for (RowSet rows = Candidates(line); rows != 0; rows &= rows - 1) {
            const int i = std::countr_zero(rows);
            if (test(static_cast<std::size_t>(i)))
                return i;
        }
        return -1;
    }

private:
    static constexpr std::size_t kDotClasses = 8;  // the last one for eight dots or more
    static constexpr std::size_t DotClass(std::size_t dots) { return dots < kDotClasses ? dots : kDotClasses - 1; }

    constexpr std::uint8_t SlotOf(char c) const { return m_slot[static_cast<unsigned char>(c)]; }

    // A letter is filed under both of its cases, so that a lookup need not
    // upper-case the line.
    constexpr std::uint8_t FileUnder(char c)
    {
        const char upper = ToUpperChar(c);
        std::uint8_t& slot = m_slot[static_cast<unsigned char>(upper)];
        if (slot == 0)
            slot = ++m_nSlots;
        if (upper >= 'A' && upper <= 'Z')
            m_slot[static_cast<unsigned char>(upper - 'A' + 'a')] = slot;
        return slot;
    }

    std::array<std::uint8_t, 256> m_slot{};  // 0: no keyword filed under the byte
    std::uint8_t m_nSlots = 0;
    bool m_bWithin = false;
    RowSet m_always = 0;
    std::array<RowSet, kMaxRows + 1> m_starts{};  // by byte after the dots
    std::array<RowSet, kDotClasses> m_dots{};    // by number of dots
    std::array<RowSet, kMaxRows + 1> m_within{};
};

// Whether row i is tested on every line that row j is tested on.
constexpr bool TestsEveryKindOf(const KeySpec& i, const KeySpec& j)
{
    return i.nKinds == 0 || (j.nKinds != 0 && (j.nKinds & ~i.nKinds) == 0);
}

// The first row that can never match because an earlier one takes every line
// it would: a shorter keyword that begins it, or an anywhere keyword that it
// contains. -1 when every row can be reached.
template <class Describe>
constexpr int FirstShadowedRow(std::size_t nRows, Describe describe)
{
    for (std::size_t j = 0; j < nRows; ++j) {
        const KeySpec later = describe(j);
        if (later.form == KeyForm::Always)
            continue;
        for (std::size_t i = 0; i < j; ++i) {
            const KeySpec earlier = describe(i);
            if (earlier.form == KeyForm::Always || !TestsEveryKindOf(earlier, later))
                continue;
            const bool shadows = earlier.form == KeyForm::Anywhere
                                     ? later.sKeyword.find(earlier.sKeyword) != std::string_view::npos
                                     : later.form == KeyForm::Prefix && StartsWith(later.sKeyword, earlier.sKeyword);
            if (shadows)
                return static_cast<int>(j);
        }
    }
    return -1;
}

// An ordered list of keywords that begin lines (names, not actions); the
// first that begins a line wins.
template <std::size_t N>
struct KeywordList {
    std::array<std::string_view, N> keywords;
    KeywordIndex index;

    // Index of the first keyword that begins line, -1 for none.
    constexpr int Find(std::string_view line, Case c = Case::Insensitive) const
    {
        return index.Find(line, [&](std::size_t i) { return BeginsWith(line, keywords[i], c); });
    }
};

template <std::size_t N>
consteval KeywordList<N> MakeKeywordList(const std::string_view (&keywords)[N])
{
    const auto describe = [&](std::size_t i) { return KeySpec{keywords[i]}; };
    if (FirstShadowedRow(N, describe) >= 0)
        throw "a keyword listed after one that begins it is never found";
    KeywordList<N> list{{}, KeywordIndex(N, describe)};
    for (std::size_t i = 0; i < N; ++i)
        list.keywords[i] = keywords[i];
    return list;
}

} // namespace ex
