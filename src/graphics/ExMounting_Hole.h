#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A mounting hole: a padstack placed at a point, spanning a layer pair.
class CExMounting_Hole {
public:
    CExMounting_Hole();
    CExMounting_Hole(const CExMounting_Hole&) = delete;
    CExMounting_Hole& operator=(const CExMounting_Hole&) = delete;
    virtual ~CExMounting_Hole();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    std::string sNetName;
    std::string sPadstack;
    double dRotation = 0.0;  // not scaled
    CExPtArray ptXY;
    CExLayerPair* pLayerPair;
    CExTextArray* pTextArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExMounting_Hole);

class CExMounting_HoleArray : public CExPtrArray<CExMounting_Hole*, CExMounting_Hole*> {
public:
    ~CExMounting_HoleArray() override;

    // One hole from a record whose keyword line has nLevel dots; the record
    // is empty on return.
    void SetMountingHoleData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                             CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
