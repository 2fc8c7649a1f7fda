#include "graphics/ExDimension.h"

#include "graphics/ExAssembly_Outline.h"
#include "graphics/ExGraphic.h"
#include "graphics/GraphicRecord.h"

namespace {

using E = CExDimension;

constexpr auto kRows = ex::MakeTable<E>({
    {".ASSEMBLY_OUTLINE", ex::HandOn<&E::pAssemblyOutlineArray, &CExAssembly_OutlineArray::SetAssemblyData>},
    {".DIMENSION_TYPE", ex::StoreValue<&E::sDimensionType>},
    {".DIMENSION_SETTINGS_ID", ex::StoreInteger<&E::nDimensionSettingsId>},
    {".GRAPHIC", ex::HandOn<&E::pGraphicArray, &CExGraphicArray::SetGraphicData>},
    {".LEADERVERTEX", nullptr},
    {".OFFSET", nullptr},
    {".PID", nullptr},
    {".TEXT", ex::AddText<&E::pTextArray>},
});
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

EXLOAD_INSTANTIATE_PTR_ARRAY(CExDimension);

CExDimensionArray::~CExDimensionArray() { DeleteAll(); }

void CExDimension::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                    CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExDimensionArray::SetDimensionData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
