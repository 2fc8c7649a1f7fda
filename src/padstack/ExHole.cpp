#include "padstack/ExHole.h"

#include "padstack/ElementRecord.h"
#include "shapes/ShapeGroupActions.h"

namespace {

// Shapes are tested before the keywords. Only the first line of a
// sub-record carries a value.
constexpr auto kHoleLines = ex::MakeTable<CExHole>({
    {ex::kAnyShape, ex::ReplaceShape<&CExHole::pDrawObj, 2>},
    {"..CUSTOM_SYMBOL", ex::StoreValue<&CExHole::sCustomSymbol>},
    {"..DEPTH_ASSIGNMENT_METHOD", nullptr},
    {"..DRILL_SYMBOL", nullptr},
    {"..HOLE_OPTIONS", nullptr},
    {"..NEGATIVE_TOLERANCE", ex::StoreLength<&CExHole::dNegativeTolerance>},
    {"..POSITIVE_TOLERANCE", ex::StoreLength<&CExHole::dPositiveTolerance>},
    {"..TIMESTAMP", nullptr},
});

} // namespace

CExHole::CExHole() : pDrawObj(new CExDrawObj) {}

CExHole::~CExHole() { DeleteDrawObj(pDrawObj); }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExHole);

CExHoleArray::~CExHoleArray() { DeleteAll(); }

void CExHole::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                               CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    ex::ParseGroup(kHoleLines, *this, saSubRecord, {sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale},
                   {.isOther = ex::IsShapeLineAt<2>});
}

void CExHoleArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                           CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, saRecord, &CExHole::sName, ex::kElementSubRecordRule,
                       ex::ToSubRecords({sContext, ex::kElementSubRecordFlag, pIgnoreLog, pNotUsedLog, dScale}));
}
