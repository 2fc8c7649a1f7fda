#include "graphics/ExAssembly_Outline.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExAssembly_Outline;
using F = ex::SubRecordField<E>;

constexpr ex::SubRecordRow<E> kRows[] = {
    {".DISPLAY_CONDITION", F::Value(&E::sDisplayCondition)},
    {".DISPLAY_WIDTH", F::Skip()},
    {".GFX_COMMON", F::Skip()},
    {".PID", F::Skip()},
    {".SIDE", F::Value(&E::sSide)},
    {".TEXT", F::Text(&E::pTextArray)},
    {".UNDERSIDE_SPACE", F::Skip()},
};
constexpr ex::SubRecordTable<E> kTable{kRows, F::Shapes(&E::pDrawObjArray)};

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
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale});
}
