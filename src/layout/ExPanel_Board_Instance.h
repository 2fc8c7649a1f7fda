#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// One copy of a board placed on a panel.
class CExPanel_Board_Instance {
public:
    CExPanel_Board_Instance();
    CExPanel_Board_Instance(const CExPanel_Board_Instance&) = delete;
    CExPanel_Board_Instance& operator=(const CExPanel_Board_Instance&) = delete;
    virtual ~CExPanel_Board_Instance();

    // One level-2 group of an instance record; the group is empty on return.
    static void SetInstanceData(CExPanel_Board_Instance* pInstance, std::vector<std::string>& group,
                                std::string context, int flag, CExTemporaryArray* ignoreLog,
                                CExTemporaryArray* notUsedLog, double dScale);

    std::string sInstanceName;
    std::string sJobName;
    std::string sVariantName;
    std::string sLocalPath;
    std::string sSourcePath;
    CExPtArray ptsInstanceOrigin;      // "...XY" points scaled, "..XY" points as written
    double dRotation = 0.0;            // not scaled
    std::string sFacement;             // quotes kept
    CExPtArray ptsReserved;            // not filled
    CExDrawObjArray* pShapeArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPanel_Board_Instance);

class CExPanel_Board_InstanceArray : public CExPtrArray<CExPanel_Board_Instance*, CExPanel_Board_Instance*> {
public:
    ~CExPanel_Board_InstanceArray() override;

    // Appends one instance for a non-empty record (first line included) and
    // leaves the record empty.
    void SetPanel_Board_InstanceData(std::vector<std::string>& record, std::string context, int flag,
                                     CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
