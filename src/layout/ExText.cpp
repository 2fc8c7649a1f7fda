#include "layout/ExText.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "core/Tokenizer.h"

namespace {

// Most text rows match their keyword anywhere in the line, a few only at
// its start.
enum class Test { Contains, Begins };

enum class Effect {
    Drop,        // taken, nothing kept
    String,      // the value into a string member
    Length,      // leading number of the value times the scale
    Number,      // leading number of the value, as written
    TextType,    // the first one wins
    StringPair,
    Position,
};

struct TextAction {
    Test test;
    Effect effect;
    std::string CExText::*pString = nullptr;
    double CExText::*pNumber = nullptr;
};

using TextRow = ex::KeywordRow<TextAction>;

// The order matters: ".WIDTH" occurs in ".STROKE_WIDTH" and ".TEXT" in
// ".TEXT_TYPE", ".TEXT_LYR" and ".TEXT_OPTIONS".
constexpr TextRow kTextRows[] = {
    {".ADVANCED_LAYER_INFO", {Test::Contains, Effect::Drop}},
    {".CELL_MOUNT_OPTION", {Test::Contains, Effect::Drop}},
    {".CELL_DISPLAY_OPTION", {Test::Contains, Effect::Drop}},
    {".CELL_ORIGINAL_LAYER", {Test::Contains, Effect::Drop}},
    {".DISPLAY_ATTR", {Test::Contains, Effect::Drop}},
    {"..DISPLAY_CONDITION", {Test::Begins, Effect::String, &CExText::sDisplayCondition}},
    {".FONT", {Test::Contains, Effect::String, &CExText::sFont}},
    {".HORZ_JUST", {Test::Contains, Effect::String, &CExText::sHorzJust}},
    {".HEIGHT", {Test::Contains, Effect::Length, nullptr, &CExText::dHeight}},
    {".ROTATION", {Test::Contains, Effect::Number, nullptr, &CExText::dRotation}},
    {".PID", {Test::Contains, Effect::Drop}},
    {".SOURCE", {Test::Contains, Effect::Drop}},
    {".STROKE_WIDTH", {Test::Contains, Effect::Length, nullptr, &CExText::dStrokeWidth}},
    {".STRING_PAIRS", {Test::Contains, Effect::StringPair}},
    {".VERT_JUST", {Test::Contains, Effect::String, &CExText::sVertJust}},
    {".USER_LYR", {Test::Contains, Effect::String, &CExText::sUserLayer}},
    {".WIDTH", {Test::Contains, Effect::Length, nullptr, &CExText::dWidth}},
    {".TEXT_TYPE", {Test::Contains, Effect::TextType}},
    {".TEXT_LYR", {Test::Contains, Effect::String, &CExText::sTextLayer}},
    {".TEXT_OPTIONS", {Test::Contains, Effect::String, &CExText::sTextOptions}},
    {"...TEXT", {Test::Begins, Effect::Drop}},
    {"..TEXT", {Test::Begins, Effect::Drop}},
    {".TEXT", {Test::Begins, Effect::Drop}},
    {".XY", {Test::Contains, Effect::Position}},
};

const TextAction* MatchTextRow(std::string_view line)
{
    for (const TextRow& row : kTextRows) {
        const bool hit = row.action.test == Test::Contains ? ex::ContainsNoCase(line, row.sKeyword)
                                                           : ex::StartsWithNoCase(line, row.sKeyword);
        if (hit)
            return &row.action;
    }
    return nullptr;
}

// Keyword line: .TEXT "string" rest-of-line
void SetTextStrings(CExText& text, std::string line)
{
    ex::Trim(line);
    ex::Delete(line, 0, ex::Find(line, ' '));
    ex::Trim(line);
    ex::TrimLeft(line, '"');
    const int quote = ex::Find(line, '"');
    text.sText = ex::Left(line, quote);
    ex::Delete(line, 0, quote + 1);
    ex::Trim(line);
    if (line.empty()) {
        text.sTextValue = text.sText;
    } else {
        ex::RemoveChar(line, '"');
        text.sTextValue = std::move(line);
    }
}

// The blank before the pair is kept: the name starts with it, as written.
void AddStringPair(CExText& text, std::string_view line)
{
    std::string pair(line.substr(std::min(line.find(' '), line.size())));
    ex::RemoveChar(pair, '"');
    std::vector<std::string> tokens;
    CTokenizer().GetTokenArray(tokens, pair, ",");
    if (!tokens.empty())
        text.saStringPairNames.push_back(std::move(tokens[0]));
    if (tokens.size() > 1)
        text.saStringPairValues.push_back(std::move(tokens[1]));
}

void AddPosition(CExText& text, std::string_view line, double dScale)
{
    // The row matched ".XY" in any case, so there is an "XY".
    const int xy = ex::Find(ex::ToUpper(line), "XY");
    text.ptsPosition.SetPtDatas(std::string(ex::TrimView(line.substr(static_cast<std::size_t>(xy) + 2))), dScale);
}

void Apply(CExText& text, const TextAction& action, std::string_view line, double dScale)
{
    switch (action.effect) {
    case Effect::Drop:
        break;
    case Effect::String:
        text.*action.pString = ex::KeywordValue(line);
        break;
    case Effect::Length:
    case Effect::Number:
        text.*action.pNumber = ex::Atof(ex::KeywordValue(line)) * (action.effect == Effect::Length ? dScale : 1.0);
        break;
    case Effect::TextType:
        if (text.sTextType.empty())
            text.sTextType = ex::KeywordValue(line);
        break;
    case Effect::StringPair:
        AddStringPair(text, line);
        break;
    case Effect::Position:
        AddPosition(text, line, dScale);
        break;
    }
}

} // namespace

CExText::CExText() : pTextArray(new CExTextArray) {}

CExText::~CExText() { delete pTextArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExText);

CExTextArray::~CExTextArray() { DeleteAll(); }

void CExTextArray::SetTextData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                               CExTemporaryArray* /*ignoreLog*/, CExTemporaryArray* notUsedLog, double dScale)
{
    if (record.empty())
        return;
    auto text = std::make_unique<CExText>();
    SetTextStrings(*text, std::move(record[0]));

    // Lines no row takes are moved to the front, in order, and logged at
    // the end as one record.
    const std::size_t cut = nLevel > 0 ? static_cast<std::size_t>(nLevel) : 0;
    std::size_t kept = 0;
    for (std::size_t i = 1; i < record.size(); ++i) {
        std::string_view line = ex::TrimView(record[i]);
        line.remove_prefix(std::min(cut, line.size()));
        const TextAction* action = line.empty() ? nullptr : MatchTextRow(line);
        if (action == nullptr)
            record[kept++] = std::move(record[i]);
        else
            Apply(*text, *action, line, dScale);
    }
    record.resize(kept);

    Add(text.get());
    text.release();
    if (!record.empty() && notUsedLog != nullptr)
        notUsedLog->SetNoUsedArray(record, std::move(context), flag);
    record.clear();
}
