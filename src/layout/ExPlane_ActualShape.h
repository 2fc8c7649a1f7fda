#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A plane shape as computed for a plane net, with its tie legs and hatch.
class CExPlane_ActualShape {
public:
    CExPlane_ActualShape();
    CExPlane_ActualShape(const CExPlane_ActualShape&) = delete;
    CExPlane_ActualShape& operator=(const CExPlane_ActualShape&) = delete;
    virtual ~CExPlane_ActualShape();

    // One group whose keyword line reads at level 1; empties the group.
    static void SetActualShapeData(CExPlane_ActualShape* pActualShape, std::vector<std::string>& group,
                                   const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                   CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObjArray* pShapeArray;
    CExDrawObjArray* pTieLegArray;
    CExDrawObjArray* pHatchArray;
    int nPlaneId = -1;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPlane_ActualShape);

class CExPlane_ActualShapeArray : public CExPtrArray<CExPlane_ActualShape*, CExPlane_ActualShape*> {
public:
    ~CExPlane_ActualShapeArray() override;

    // An actual plane shape group whose keyword line has nLevel dots (2 at
    // plane layer level, 4 under a plane net): appends one actual shape and
    // empties the group.
    void SetPlaneNetData(int nLevel, std::vector<std::string>& group, std::string context, int flag,
                         CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
