#include "graphics/ExMounting_Hole.h"

#include "graphics/GraphicRecord.h"
#include "jobprefs/ExLayerPair.h"
#include "jobprefs/LayerPairActions.h"

namespace {

using E = CExMounting_Hole;

constexpr auto kRows = ex::MakeTable<E>({
    {".NETNAME", ex::StoreValue<&E::sNetName>},
    {".PADSTACK", ex::StoreValue<&E::sPadstack>},
    {".LAYER_PAIR", ex::AddLayerPairValue<&E::pLayerPair>},
    {".MOUNTING_HOLE_OPTIONS", nullptr},
    {".ROTATION", ex::StoreNumber<&E::dRotation>},
    {".PID", nullptr},
    {".TEXT", ex::AddText<&E::pTextArray>},
    {".XY", ex::AddPoints<&E::ptXY>},
});
constexpr ex::SubRecordTable<E> kTable{kRows};

} // namespace

CExMounting_Hole::CExMounting_Hole() : pLayerPair(new CExLayerPair), pTextArray(new CExTextArray) {}

CExMounting_Hole::~CExMounting_Hole()
{
    delete pLayerPair;
    delete pTextArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExMounting_Hole);

CExMounting_HoleArray::~CExMounting_HoleArray() { DeleteAll(); }

void CExMounting_Hole::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExMounting_HoleArray::SetMountingHoleData(int nLevel, std::vector<std::string>& record, std::string context,
                                                int flag, CExTemporaryArray* ignoreLog,
                                                CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
