#include "graphics/ExFiducial.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExFiducial;

constexpr auto kRows = ex::MakeTable<E>({
    {".FACEMENT", ex::StoreValue<&E::sFacement>},
    {".FIDUCIAL_OPTIONS", ex::StoreValue<&E::sFiducialOptions>},
    {".PADSTACK", ex::StoreValue<&E::sPadstack>},
    {".ROTATION", ex::StoreNumber<&E::dRotation>},
    {".SIDE", ex::StoreValue<&E::sSide>},
    {".LAYER_PAIR", nullptr},
    {".PID", nullptr},
    {".TEXT", nullptr},
    {".XY", ex::AddPoints<&E::ptXY>},
});
constexpr ex::SubRecordTable<E> kTable{kRows};

} // namespace

CExFiducial::~CExFiducial() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExFiducial);

CExFiducialArray::~CExFiducialArray() { DeleteAll(); }

void CExFiducial::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                   CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExFiducialArray::SetFiducialData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
