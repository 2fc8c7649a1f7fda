#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A fiducial mark: a padstack placed at a point for optical alignment.
class CExFiducial {
public:
    CExFiducial() = default;
    CExFiducial(const CExFiducial&) = delete;
    CExFiducial& operator=(const CExFiducial&) = delete;
    virtual ~CExFiducial();

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExPtArray ptXY;
    double dRotation = 0.0;  // not scaled
    std::string sFacement;
    std::string sFiducialOptions;
    std::string sPadstack;
    std::string sSide;
};

EXLOAD_EXTERN_PTR_ARRAY(CExFiducial);

class CExFiducialArray : public CExPtrArray<CExFiducial*, CExFiducial*> {
public:
    ~CExFiducialArray() override;

    // One fiducial from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetFiducialData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
