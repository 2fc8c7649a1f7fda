#include "layout/ExText.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "core/GroupTable.h"
#include "core/StringOps.h"
#include "core/Tokenizer.h"

namespace {

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

void AddPosition(CExText& text, ex::Group& line, const ex::ParseContext& ctx)
{
    // The row matched ".XY" in any case, so there is an "XY".
    const std::string_view view = ex::TrimView(line[0]);
    const int xy = ex::Find(ex::ToUpper(view), "XY");
    text.ptsPosition.SetPtDatas(std::string(ex::TrimView(view.substr(static_cast<std::size_t>(xy) + 2))), ctx.dScale);
}

void AddStringPairRow(CExText& text, ex::Group& line, const ex::ParseContext&)
{
    AddStringPair(text, ex::TrimView(line[0]));
}

// The first one wins.
void SetTextType(CExText& text, ex::Group& line, const ex::ParseContext& ctx)
{
    if (text.sTextType.empty())
        ex::StoreValue<&CExText::sTextType>(text, line, ctx);
}

using T = CExText;

// Most rows match their keyword anywhere in the line, the ones that begin
// with two or three dots only at its start. The order matters: ".WIDTH"
// occurs in ".STROKE_WIDTH" and ".TEXT" in ".TEXT_TYPE", ".TEXT_LYR" and
// ".TEXT_OPTIONS".
constexpr ex::RowOptions kAnywhere{.bAnywhere = true};
constexpr auto kTextRows = ex::MakeTable<T>({
    {".ADVANCED_LAYER_INFO", nullptr, kAnywhere},
    {".CELL_MOUNT_OPTION", nullptr, kAnywhere},
    {".CELL_DISPLAY_OPTION", nullptr, kAnywhere},
    {".CELL_ORIGINAL_LAYER", nullptr, kAnywhere},
    {".DISPLAY_ATTR", nullptr, kAnywhere},
    {"..DISPLAY_CONDITION", ex::StoreValue<&T::sDisplayCondition>},
    {".FONT", ex::StoreValue<&T::sFont>, kAnywhere},
    {".HORZ_JUST", ex::StoreValue<&T::sHorzJust>, kAnywhere},
    {".HEIGHT", ex::StoreLength<&T::dHeight>, kAnywhere},
    {".ROTATION", ex::StoreNumber<&T::dRotation>, kAnywhere},
    {".PID", nullptr, kAnywhere},
    {".SOURCE", nullptr, kAnywhere},
    {".STROKE_WIDTH", ex::StoreLength<&T::dStrokeWidth>, kAnywhere},
    {".STRING_PAIRS", AddStringPairRow, kAnywhere},
    {".VERT_JUST", ex::StoreValue<&T::sVertJust>, kAnywhere},
    {".USER_LYR", ex::StoreValue<&T::sUserLayer>, kAnywhere},
    {".WIDTH", ex::StoreLength<&T::dWidth>, kAnywhere},
    {".TEXT_TYPE", SetTextType, kAnywhere},
    {".TEXT_LYR", ex::StoreValue<&T::sTextLayer>, kAnywhere},
    {".TEXT_OPTIONS", ex::StoreValue<&T::sTextOptions>, kAnywhere},
    {"...TEXT", nullptr},
    {"..TEXT", nullptr},
    {".TEXT", nullptr},
    {".XY", AddPosition, kAnywhere},
});

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
    const ex::ParseContext ctx{context, flag, nullptr, notUsedLog, dScale};
    std::size_t kept = 0;
    ex::ParseEachLine(
        kTextRows, *text, record, 1, ctx,
        [&](std::string& line, std::size_t) {
            record[kept++] = std::move(line);
            return true;
        },
        {}, nLevel > 0 ? static_cast<std::size_t>(nLevel) : 0);
    record.resize(kept);

    Add(text.get());
    text.release();
    if (!record.empty() && notUsedLog != nullptr)
        notUsedLog->SetNoUsedArray(record, std::move(context), flag);
    record.clear();
}
