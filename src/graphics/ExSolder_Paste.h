#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// Solder paste drawn by hand.
class CExSolder_Paste {
public:
    CExSolder_Paste();
    CExSolder_Paste(const CExSolder_Paste&) = delete;
    CExSolder_Paste& operator=(const CExSolder_Paste&) = delete;
    virtual ~CExSolder_Paste();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObjArray* pDrawObjArray;
    std::string sSide;
    std::string sDisplayCondition;
};

EXLOAD_EXTERN_PTR_ARRAY(CExSolder_Paste);

class CExSolder_PasteArray : public CExPtrArray<CExSolder_Paste*, CExSolder_Paste*> {
public:
    ~CExSolder_PasteArray() override;

    // One solder paste from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetSolderPaste(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
