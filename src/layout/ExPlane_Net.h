#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A net of a plane layer: its plane shapes as drawn and as computed.
class CExPlane_Net {
public:
    CExPlane_Net();
    CExPlane_Net(const CExPlane_Net&) = delete;
    CExPlane_Net& operator=(const CExPlane_Net&) = delete;
    virtual ~CExPlane_Net();

    // One level-4 group of a plane net; empties the group.
    static void SetPlaneNetGroup(CExPlane_Net* pPlaneNet, std::vector<std::string>& group, const std::string& context,
                                 int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    std::string sNetName;
    CExDrawObjArray* pPlaneShapes;
    CExPlane_ActualShapeArray* pActualShapeArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPlane_Net);

class CExPlane_NetArray : public CExPtrArray<CExPlane_Net*, CExPlane_Net*> {
public:
    ~CExPlane_NetArray() override;

    // A "...PLANE_NET" group: appends one plane net and empties the group.
    void SetPlaneNetData(std::vector<std::string>& group, std::string context, int flag, CExTemporaryArray* ignoreLog,
                         CExTemporaryArray* notUsedLog, double dScale);
};
