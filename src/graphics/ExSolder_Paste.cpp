#include "graphics/ExSolder_Paste.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExSolder_Paste;

// Paste has no texts of its own: ".TEXT" is dropped.
constexpr auto kRows = ex::MakeTable<E>({
    {".DISPLAY_CONDITION", ex::StoreValue<&E::sDisplayCondition>},
    {".SIDE", ex::StoreValue<&E::sSide>},
    {".GFX_COMMON", nullptr},
    {".PID", nullptr},
    {".TEXT", nullptr},
});
constexpr ex::SubRecordTable<E> kTable{kRows, ex::AddShapes<&E::pDrawObjArray, 1>};

} // namespace

CExSolder_Paste::CExSolder_Paste() : pDrawObjArray(new CExDrawObjArray) {}

CExSolder_Paste::~CExSolder_Paste() { delete pDrawObjArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExSolder_Paste);

CExSolder_PasteArray::~CExSolder_PasteArray() { DeleteAll(); }

void CExSolder_Paste::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, kTable, subRecord, {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExSolder_PasteArray::SetSolderPaste(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
