#include "graphics/ExDimension.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExDimension;
using F = ex::SubRecordField<E>;

constexpr ex::SubRecordRow<E> kRows[] = {
    {".ASSEMBLY_OUTLINE", F::HandOn<&E::pAssemblyOutlineArray, &CExAssembly_OutlineArray::SetAssemblyData>()},
    {".DIMENSION_TYPE", F::Value(&E::sDimensionType)},
    {".DIMENSION_SETTINGS_ID", F::Integer(&E::nDimensionSettingsId)},
    {".GRAPHIC", F::HandOn<&E::pGraphicArray, &CExGraphicArray::SetGraphicData>()},
    {".LEADERVERTEX", F::Skip()},
    {".OFFSET", F::Skip()},
    {".PID", F::Skip()},
    {".TEXT", F::Text(&E::pTextArray)},
};
constexpr ex::SubRecordTable<E> kTable{kRows};

} // namespace

CExDimension::CExDimension()
    : pGraphicArray(new CExGraphicArray), pTextArray(new CExTextArray),
      pAssemblyOutlineArray(new CExAssembly_OutlineArray)
{
}

CExDimension::~CExDimension()
{
    delete pGraphicArray;
    delete pTextArray;
    delete pAssemblyOutlineArray;
}

void CExDimension::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                    CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExDimensionArray::SetDimensionData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale});
}
