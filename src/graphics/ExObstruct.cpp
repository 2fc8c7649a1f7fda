#include "graphics/ExObstruct.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExObstruct;

constexpr auto kRows = ex::MakeTable<E>({
    {".ACTIVATION", ex::StoreValue<&E::sActivation>},
    {".DISPLAY_CONDITION", ex::StoreValue<&E::sDisplayCondition>},
    {".DISPLAY_WIDTH", nullptr},
    {".METALIZATION_PIN", ex::StoreValue<&E::sMetalizationPin>},
    {".GFX_COMMON", nullptr},
    {".PID", nullptr},
    {".TEXT", ex::AddText<&E::pTextArray>},
    {".ROUTE_LYR", ex::StoreValue<&E::sRouteLyr>},
});
constexpr ex::SubRecordTable<E> kTable{kRows, ex::ReplaceShape<&E::pDrawObj>};

} // namespace

CExObstruct::CExObstruct() : pDrawObj(new CExDrawObj), pTextArray(new CExTextArray) {}

CExObstruct::~CExObstruct()
{
    delete pDrawObj;
    delete pTextArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExObstruct);

CExObstructArray::~CExObstructArray() { DeleteAll(); }

void CExObstruct::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                   CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExObstructArray::SetObstructData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record,
                       [](CExObstruct& obstruct, std::string_view line) {
                           obstruct.sKeywordValue = ex::KeywordValue(line);
                       },
                       ex::LevelRecordRule(nLevel), ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
