#include "graphics/ExObstruct.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExObstruct;
using F = ex::SubRecordField<E>;

constexpr ex::SubRecordRow<E> kRows[] = {
    {".ACTIVATION", F::Value(&E::sActivation)},
    {".DISPLAY_CONDITION", F::Value(&E::sDisplayCondition)},
    {".DISPLAY_WIDTH", F::Skip()},
    {".METALIZATION_PIN", F::Value(&E::sMetalizationPin)},
    {".GFX_COMMON", F::Skip()},
    {".PID", F::Skip()},
    {".TEXT", F::Text(&E::pTextArray)},
    {".ROUTE_LYR", F::Value(&E::sRouteLyr)},
};
constexpr ex::SubRecordTable<E> kTable{kRows, F::OneShape(&E::pDrawObj)};

} // namespace

CExObstruct::CExObstruct() : pDrawObj(new CExDrawObj), pTextArray(new CExTextArray) {}

CExObstruct::~CExObstruct()
{
    delete pDrawObj;
    delete pTextArray;
}

void CExObstruct::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                   CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExObstructArray::SetObstructData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale},
                       [](CExObstruct& obstruct, std::string_view line) {
                           obstruct.sKeywordValue = ex::KeywordValue(line);
                       });
}
