#include "graphics/ExPlacement_Keepout.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExPlacement_Keepout;
using F = ex::SubRecordField<E>;

constexpr ex::SubRecordRow<E> kRows[] = {
    {".DISPLAY_CONDITION", F::Value(&E::sDisplayCondition)},
    {".DISPLAY_WIDTH", F::Skip()},
    {".ROUTE_LYR", F::Value(&E::sRouteLyr)},
    {".HEIGHT", F::Scaled(&E::dHeight)},
    {".TEXT", F::Skip()},
    {".PID", F::Skip()},
};
constexpr ex::SubRecordTable<E> kTable{kRows, F::Shapes(&E::pDrawObjArray)};

} // namespace

CExPlacement_Keepout::CExPlacement_Keepout() : pDrawObjArray(new CExDrawObjArray) {}

CExPlacement_Keepout::~CExPlacement_Keepout() { delete pDrawObjArray; }

void CExPlacement_Keepout::SetKeepoutData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetLevelRecordData(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExPlacement_Keepout::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                            CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                            double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExPlacement_KeepoutArray::SetPlacement_KeepoutData(int nLevel, std::vector<std::string>& record,
                                                         std::string context, int flag,
                                                         CExTemporaryArray* ignoreLog,
                                                         CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale});
}
