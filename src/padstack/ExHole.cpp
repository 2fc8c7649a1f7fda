#include "padstack/ExHole.h"

#include <utility>

#include "core/KeywordTable.h"
#include "padstack/ElementRecord.h"
#include "shapes/ShapeKeywords.h"

namespace {

enum class HoleLine { CustomSymbol, NegativeTolerance, PositiveTolerance, Skip, NotUsed };

constexpr ex::KeywordRow<HoleLine> kHoleLines[] = {
    {"..CUSTOM_SYMBOL", HoleLine::CustomSymbol},
    {"..DEPTH_ASSIGNMENT_METHOD", HoleLine::Skip},
    {"..DRILL_SYMBOL", HoleLine::Skip},
    {"..HOLE_OPTIONS", HoleLine::Skip},
    {"..NEGATIVE_TOLERANCE", HoleLine::NegativeTolerance},
    {"..POSITIVE_TOLERANCE", HoleLine::PositiveTolerance},
    {"..TIMESTAMP", HoleLine::Skip},
};

} // namespace

CExHole::CExHole() : pDrawObj(new CExDrawObj) {}

CExHole::~CExHole() { DeleteDrawObj(pDrawObj); }

void CExHole::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                               CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    if (saSubRecord.empty())
        return;
    const std::string_view first = ex::TrimView(saSubRecord[0]);
    if (ex::IsShapeLine(first, 2)) {
        if (CExDrawObj* pShape =
                ex::MakeLevelShape(2, saSubRecord, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale)) {
            DeleteDrawObj(pDrawObj);
            pDrawObj = pShape;
        }
        return;
    }
    // Only the first line of a sub-record carries a value.
    const auto* row = ex::MatchKeyword(kHoleLines, first);
    switch (row ? row->action : HoleLine::NotUsed) {
    case HoleLine::CustomSymbol:
        sCustomSymbol = ex::KeywordValue(first);
        break;
    case HoleLine::NegativeTolerance:
        dNegativeTolerance = ex::Atof(ex::KeywordValue(first)) * dScale;
        break;
    case HoleLine::PositiveTolerance:
        dPositiveTolerance = ex::Atof(ex::KeywordValue(first)) * dScale;
        break;
    case HoleLine::Skip:
        break;
    case HoleLine::NotUsed:
        pNotUsedLog->SetNoUsedArray(saSubRecord, std::move(sContext), nFlag);
        break;
    }
    saSubRecord.clear();
}

void CExHoleArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                           CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    ex::SetElementRecord<CExHole>(*this, saRecord, sContext, pIgnoreLog, pNotUsedLog, dScale);
}
