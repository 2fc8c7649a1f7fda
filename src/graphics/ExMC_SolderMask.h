#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A solder mask opening drawn by hand, with its texts.
class CExMC_SolderMask {
public:
    CExMC_SolderMask();
    CExMC_SolderMask(const CExMC_SolderMask&) = delete;
    CExMC_SolderMask& operator=(const CExMC_SolderMask&) = delete;
    virtual ~CExMC_SolderMask();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    std::string sSide;
    CExDrawObjArray* pDrawObjArray;
    std::string sDisplayCondition;
    CExTextArray* pTextArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExMC_SolderMask);

class CExMC_SolderMaskArray : public CExPtrArray<CExMC_SolderMask*, CExMC_SolderMask*> {
public:
    ~CExMC_SolderMaskArray() override;

    // One solder mask from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetSolderMaskData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                           CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
