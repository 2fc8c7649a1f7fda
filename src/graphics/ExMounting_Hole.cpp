#include "graphics/ExMounting_Hole.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExMounting_Hole;
using F = ex::SubRecordField<E>;

constexpr ex::SubRecordRow<E> kRows[] = {
    {".NETNAME", F::Value(&E::sNetName)},
    {".PADSTACK", F::Value(&E::sPadstack)},
    {".LAYER_PAIR", F::LayerPair(&E::pLayerPair)},
    {".MOUNTING_HOLE_OPTIONS", F::Skip()},
    {".ROTATION", F::Number(&E::dRotation)},
    {".PID", F::Skip()},
    {".TEXT", F::Text(&E::pTextArray)},
    {".XY", F::Points(&E::ptXY)},
};
constexpr ex::SubRecordTable<E> kTable{kRows};

} // namespace

CExMounting_Hole::CExMounting_Hole() : pLayerPair(new CExLayerPair), pTextArray(new CExTextArray) {}

CExMounting_Hole::~CExMounting_Hole()
{
    delete pLayerPair;
    delete pTextArray;
}

void CExMounting_Hole::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExMounting_HoleArray::SetMountingHoleData(int nLevel, std::vector<std::string>& record, std::string context,
                                                int flag, CExTemporaryArray* ignoreLog,
                                                CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale});
}
