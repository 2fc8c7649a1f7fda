#include "graphics/ExAssembly_Outline.h"

#include "graphics/ExGFX_Common.h"
#include "graphics/GraphicRecord.h"

namespace {

using E = CExAssembly_Outline;

constexpr auto kRows = ex::MakeTable<E>({
    {".DISPLAY_CONDITION", ex::StoreValue<&E::sDisplayCondition>},
    {".DISPLAY_WIDTH", nullptr},
    {".GFX_COMMON", nullptr},
    {".PID", nullptr},
    {".SIDE", ex::StoreValue<&E::sSide>},
    {".TEXT", ex::AddText<&E::pTextArray>},
    {".UNDERSIDE_SPACE", nullptr},
});
constexpr ex::SubRecordTable<E> kTable{kRows, ex::AddShapes<&E::pDrawObjArray, 1>};

} // namespace

CExAssembly_Outline::CExAssembly_Outline()
    : pDrawObjArray(new CExDrawObjArray), pTextArray(new CExTextArray), pGfxCommonArray(new CExGFX_CommonArray)
{
}

CExAssembly_Outline::~CExAssembly_Outline()
{
    delete pDrawObjArray;
    delete pTextArray;
    delete pGfxCommonArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExAssembly_Outline);

CExAssembly_OutlineArray::~CExAssembly_OutlineArray() { DeleteAll(); }

void CExAssembly_Outline::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                           CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                           double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExAssembly_OutlineArray::SetAssemblyData(int nLevel, std::vector<std::string>& record, std::string context,
                                               int flag, CExTemporaryArray* ignoreLog,
                                               CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
