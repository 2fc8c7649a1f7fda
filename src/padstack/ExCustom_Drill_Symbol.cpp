#include "padstack/ExCustom_Drill_Symbol.h"

#include <utility>

#include "core/KeywordTable.h"
#include "padstack/ElementRecord.h"

namespace {

// Hole keywords that may be written into a symbol record; the symbol keeps
// only its shapes.
constexpr ex::KeywordRow<bool> kSkippedSymbolLines[] = {
    {"..CUSTOM_SYMBOL", true}, {"..DEPTH_ASSIGNMENT_METHOD", true}, {"..DRILL_SYMBOL", true},
    {"..HOLE_OPTIONS", true},  {"..NEGATIVE_TOLERANCE", true},      {"..POSITIVE_TOLERANCE", true},
    {"..TIMESTAMP", true},
};

} // namespace

CExCustom_Drill_Symbol::CExCustom_Drill_Symbol() : pDrawObjArray(new CExDrawObjArray) {}

CExCustom_Drill_Symbol::~CExCustom_Drill_Symbol() { delete pDrawObjArray; }

void CExCustom_Drill_Symbol::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                                              CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog,
                                              double dScale)
{
    if (saSubRecord.empty() ||
        ex::AddShapeSubRecord(*pDrawObjArray, saSubRecord, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale))
        return;
    const std::string_view first = ex::TrimView(saSubRecord[0]);
    if (!ex::MatchKeyword(kSkippedSymbolLines, first))
        pNotUsedLog->SetNoUsedArray(saSubRecord, std::move(sContext), nFlag);
    saSubRecord.clear();
}

void CExCustom_Drill_SymbolArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog,
                                          double dScale)
{
    ex::SetElementRecord<CExCustom_Drill_Symbol>(*this, saRecord, sContext, pIgnoreLog, pNotUsedLog, dScale);
}
