#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// An obstruct: one shape that routing or placement must avoid.
class CExObstruct {
public:
    CExObstruct();
    CExObstruct(const CExObstruct&) = delete;
    CExObstruct& operator=(const CExObstruct&) = delete;
    virtual ~CExObstruct();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObj* pDrawObj;  // a plain shape until a shape sub-record replaces it; the last one wins
    std::string sRouteLyr;
    std::string sKeywordValue;  // what follows the record's own keyword
    CExTextArray* pTextArray;
    std::string sDisplayCondition;
    std::string sMetalizationPin;
    std::string sActivation;
};

EXLOAD_EXTERN_PTR_ARRAY(CExObstruct);

class CExObstructArray : public CExPtrArray<CExObstruct*, CExObstruct*> {
public:
    ~CExObstructArray() override;

    // One obstruct from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetObstructData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
