#include "graphics/ExSolder_Paste.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExSolder_Paste;
using F = ex::SubRecordField<E>;

// Paste has no texts of its own: ".TEXT" is dropped.
constexpr ex::SubRecordRow<E> kRows[] = {
    {".DISPLAY_CONDITION", F::Value(&E::sDisplayCondition)},
    {".SIDE", F::Value(&E::sSide)},
    {".GFX_COMMON", F::Skip()},
    {".PID", F::Skip()},
    {".TEXT", F::Skip()},
};
constexpr ex::SubRecordTable<E> kTable{kRows, F::Shapes(&E::pDrawObjArray)};

} // namespace

CExSolder_Paste::CExSolder_Paste() : pDrawObjArray(new CExDrawObjArray) {}

CExSolder_Paste::~CExSolder_Paste() { delete pDrawObjArray; }

void CExSolder_Paste::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExSolder_PasteArray::SetSolderPaste(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddLevelRecord(*this, nLevel, record, {context, flag, ignoreLog, notUsedLog, dScale});
}
