#include "graphics/ExMC_SolderMask.h"

#include "graphics/OutlineKeywords.h"

CExMC_SolderMask::CExMC_SolderMask() : pDrawObjArray(new CExDrawObjArray), pTextArray(new CExTextArray) {}

CExMC_SolderMask::~CExMC_SolderMask()
{
    delete pDrawObjArray;
    delete pTextArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExMC_SolderMask);

CExMC_SolderMaskArray::~CExMC_SolderMaskArray() { DeleteAll(); }

void CExMC_SolderMask::SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetSubRecord(*this, ex::kSilkScreenTable<CExMC_SolderMask>, subRecord,
                     {context, flag, ignoreLog, notUsedLog, dScale});
}

void CExMC_SolderMaskArray::SetSolderMaskData(int nLevel, std::vector<std::string>& record, std::string context,
                                              int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                              double dScale)
{
    ex::AddNamedRecord(*this, record, nullptr, ex::LevelRecordRule(nLevel),
                       ex::ToSubRecords({context, flag, ignoreLog, notUsedLog, dScale}));
}
