#include "graphics/ExSilkScreen_Outline.h"

#include "graphics/OutlineKeywords.h"

CExSilkScreen_Outline::CExSilkScreen_Outline() : pDrawObjArray(new CExDrawObjArray), pTextArray(new CExTextArray) {}

CExSilkScreen_Outline::~CExSilkScreen_Outline()
{
    delete pDrawObjArray;
    delete pTextArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExSilkScreen_Outline);

CExSilkScreen_OutlineArray::~CExSilkScreen_OutlineArray() { DeleteAll(); }

void CExSilkScreen_Outline::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                             CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                             double dScale)
{
    ex::SetSubRecord(*this, ex::kSilkScreenTable<CExSilkScreen_Outline>, subRecord,
                     {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExSilkScreen_OutlineArray::SetSilkOutData(int nLevel, std::vector<std::string>& record, std::string context,
                                                int flag, CExTemporaryArray* ignoreLog,
                                                CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
