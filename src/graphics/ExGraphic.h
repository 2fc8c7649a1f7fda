#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A graphic: one shape on a user layer, with its texts.
class CExGraphic {
public:
    CExGraphic();
    CExGraphic(const CExGraphic&) = delete;
    CExGraphic& operator=(const CExGraphic&) = delete;
    virtual ~CExGraphic();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObj* pDrawObj;  // a plain shape until a shape sub-record replaces it; the last one wins
    std::string sUserLyr;
    CExTextArray* pTextArray;
    std::string sDisplayCondition;
    CExGFX_CommonArray* pGfxCommonArray;  // stays empty
};

EXLOAD_EXTERN_PTR_ARRAY(CExGraphic);

class CExGraphicArray : public CExPtrArray<CExGraphic*, CExGraphic*> {
public:
    ~CExGraphicArray() override;

    // One graphic from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetGraphicData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
