#include "graphics/ExPlacement_Keepout.h"

#include "graphics/GraphicRecord.h"

namespace {

using E = CExPlacement_Keepout;

constexpr auto kRows = ex::MakeTable<E>({
    {".DISPLAY_CONDITION", ex::StoreValue<&E::sDisplayCondition>},
    {".DISPLAY_WIDTH", nullptr},
    {".ROUTE_LYR", ex::StoreValue<&E::sRouteLyr>},
    {".HEIGHT", ex::StoreLength<&E::dHeight>},
    {".TEXT", nullptr},
    {".PID", nullptr},
});
constexpr ex::SubRecordTable<E> kTable{kRows, ex::AddShapes<&E::pDrawObjArray, 1>};

} // namespace

CExPlacement_Keepout::CExPlacement_Keepout() : pDrawObjArray(new CExDrawObjArray) {}

CExPlacement_Keepout::~CExPlacement_Keepout() { delete pDrawObjArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPlacement_Keepout);

CExPlacement_KeepoutArray::~CExPlacement_KeepoutArray() { DeleteAll(); }

void CExPlacement_Keepout::SetKeepoutData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    const auto parse = ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale});
    ex::GroupLines(record, 1, ex::LevelRecordRule(nLevel), [&](ex::Group& sub) { parse(*this, sub); });
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
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
