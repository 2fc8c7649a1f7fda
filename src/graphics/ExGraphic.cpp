#include "graphics/ExGraphic.h"

#include "graphics/ExGFX_Common.h"
#include "graphics/GraphicRecord.h"

namespace {

using E = CExGraphic;

constexpr auto kRows = ex::MakeTable<E>({
    {".DISPLAY_CONDITION", ex::StoreValue<&E::sDisplayCondition>},
    {".GFX_COMMON", nullptr},
    {".TEXT", ex::AddText<&E::pTextArray>},
    {".PID", nullptr},
    {".USER_LYR", ex::StoreValue<&E::sUserLyr>},
});
// Dimension data is no graphic's shape: it is logged as not used.
constexpr ex::SubRecordTable<E> kTable{kRows, ex::ReplaceShape<&E::pDrawObj>, false};

} // namespace

CExGraphic::CExGraphic()
    : pDrawObj(new CExDrawObj), pTextArray(new CExTextArray), pGfxCommonArray(new CExGFX_CommonArray)
{
}

CExGraphic::~CExGraphic()
{
    delete pDrawObj;
    delete pTextArray;
    delete pGfxCommonArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExGraphic);

CExGraphicArray::~CExGraphicArray() { DeleteAll(); }

void CExGraphic::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                  CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExGraphicArray::SetGraphicData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                     CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
