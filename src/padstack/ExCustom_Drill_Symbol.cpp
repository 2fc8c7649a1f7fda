#include "padstack/ExCustom_Drill_Symbol.h"

#include "padstack/ElementRecord.h"
#include "shapes/ShapeGroupActions.h"

namespace {

// Hole keywords that may be written into a symbol record; the symbol keeps
// only its shapes, tested first.
constexpr auto kSymbolLines = ex::MakeTable<CExCustom_Drill_Symbol>({
    {ex::kAnyShape, ex::AddLevelShape<&CExCustom_Drill_Symbol::pDrawObjArray, 2>},
    {"..CUSTOM_SYMBOL", nullptr},      {"..DEPTH_ASSIGNMENT_METHOD", nullptr}, {"..DRILL_SYMBOL", nullptr},
    {"..HOLE_OPTIONS", nullptr},       {"..NEGATIVE_TOLERANCE", nullptr},      {"..POSITIVE_TOLERANCE", nullptr},
    {"..TIMESTAMP", nullptr},
});

} // namespace

CExCustom_Drill_Symbol::CExCustom_Drill_Symbol() : pDrawObjArray(new CExDrawObjArray) {}

CExCustom_Drill_Symbol::~CExCustom_Drill_Symbol() { delete pDrawObjArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExCustom_Drill_Symbol);

CExCustom_Drill_SymbolArray::~CExCustom_Drill_SymbolArray() { DeleteAll(); }

void CExCustom_Drill_Symbol::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                                              CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog,
                                              double dScale)
{
    ex::ParseGroup(kSymbolLines, *this, saSubRecord, {sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale},
                   {.isOther = ex::IsShapeLineAt<2>});
}

void CExCustom_Drill_SymbolArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog,
                                          double dScale)
{
    ex::AddNamedRecord(*this, saRecord, &CExCustom_Drill_Symbol::sName, ex::kElementSubRecordRule,
                       ex::ToSubRecords({sContext, ex::kElementSubRecordFlag, pIgnoreLog, pNotUsedLog, dScale}));
}
