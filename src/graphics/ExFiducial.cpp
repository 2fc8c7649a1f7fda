#include "graphics/ExFiducial.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExFiducial;
using F = ex::SubRecordField<E>;

constexpr ex::SubRecordRow<E> kRows[] = {
    {".FACEMENT", F::Value(&E::sFacement)},
    {".FIDUCIAL_OPTIONS", F::Value(&E::sFiducialOptions)},
    {".PADSTACK", F::Value(&E::sPadstack)},
    {".ROTATION", F::Number(&E::dRotation)},
    {".SIDE", F::Value(&E::sSide)},
    {".LAYER_PAIR", F::Skip()},
    {".PID", F::Skip()},
    {".TEXT", F::Skip()},
    {".XY", F::Points(&E::ptXY)},
};
constexpr ex::SubRecordTable<E> kTable{kRows};

} // namespace

void CExFiducial::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                   CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExFiducialArray::SetFiducialData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale});
}
