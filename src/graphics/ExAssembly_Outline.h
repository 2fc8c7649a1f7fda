#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// An assembly outline: shapes and texts drawn on the assembly layer.
class CExAssembly_Outline {
public:
    CExAssembly_Outline();
    CExAssembly_Outline(const CExAssembly_Outline&) = delete;
    CExAssembly_Outline& operator=(const CExAssembly_Outline&) = delete;
    virtual ~CExAssembly_Outline();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObjArray* pDrawObjArray;
    std::string sSide;
    std::string sDisplayCondition;
    CExTextArray* pTextArray;
    CExGFX_CommonArray* pGfxCommonArray;  // stays empty
};

EXLOAD_EXTERN_PTR_ARRAY(CExAssembly_Outline);

class CExAssembly_OutlineArray : public CExPtrArray<CExAssembly_Outline*, CExAssembly_Outline*> {
public:
    ~CExAssembly_OutlineArray() override;

    // One outline from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetAssemblyData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
