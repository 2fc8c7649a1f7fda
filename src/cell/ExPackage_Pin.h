#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "core/ObjectPool.h"
#include "expedition_fwd.h"

// A pin of a cell: number, position, rotation, padstack and what goes with it.
class CExPackage_Pin {
public:
    EXLOAD_POOLED_OBJECT
    CExPackage_Pin();
    CExPackage_Pin(const CExPackage_Pin&) = delete;
    CExPackage_Pin& operator=(const CExPackage_Pin&) = delete;
    virtual ~CExPackage_Pin();

    std::vector<std::string> saPinOptions;
    double dRotation = 0.0;                  // as written
    std::string sPadstackName;
    std::string sNetName;
    CExPtArray aXY;                          // scaled
    std::string sPinNumber;
    CExTextArray* pTextArray;
    std::string sIsModifiedPadstack;
    std::vector<std::string> saPadName;
    std::vector<std::string> saPadLyr;
    std::vector<std::string> saUserPadName;
    std::vector<std::string> saUserLyr;
    CExTearDrop_DataArray* pTearDropDataArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPackage_Pin);

class CExPackage_PinArray : public CExPtrArray<CExPackage_Pin*, CExPackage_Pin*> {
public:
    ~CExPackage_PinArray() override;

    // One pin from a "..PIN" group of a cell, appended; empties the group.
    void SetPinData_InCell(std::vector<std::string>& group, std::string context, int flag,
                           CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
