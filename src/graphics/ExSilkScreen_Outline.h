#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A silkscreen outline: shapes and texts printed on the board.
class CExSilkScreen_Outline {
public:
    CExSilkScreen_Outline();
    CExSilkScreen_Outline(const CExSilkScreen_Outline&) = delete;
    CExSilkScreen_Outline& operator=(const CExSilkScreen_Outline&) = delete;
    virtual ~CExSilkScreen_Outline();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObjArray* pDrawObjArray;
    std::string sSide;
    std::string sDisplayCondition;
    CExTextArray* pTextArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExSilkScreen_Outline);

class CExSilkScreen_OutlineArray : public CExPtrArray<CExSilkScreen_Outline*, CExSilkScreen_Outline*> {
public:
    ~CExSilkScreen_OutlineArray() override;

    // One outline from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetSilkOutData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
