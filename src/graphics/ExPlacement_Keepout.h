#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// An area where no part may be placed, up to a height.
class CExPlacement_Keepout {
public:
    CExPlacement_Keepout();
    CExPlacement_Keepout(const CExPlacement_Keepout&) = delete;
    CExPlacement_Keepout& operator=(const CExPlacement_Keepout&) = delete;
    virtual ~CExPlacement_Keepout();

    // Fills this keepout from a record whose keyword line has nLevel dots;
    // shapes add to those it holds. The record is empty on return.
    void SetKeepoutData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    // One child sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObjArray* pDrawObjArray;
    double dHeight = 0.0;  // scaled
    std::string sRouteLyr;
    std::string sDisplayCondition;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPlacement_Keepout);

class CExPlacement_KeepoutArray : public CExPtrArray<CExPlacement_Keepout*, CExPlacement_Keepout*> {
public:
    ~CExPlacement_KeepoutArray() override;

    // One keepout from a record whose keyword line has nLevel dots; the
    // record is empty on return.
    void SetPlacement_KeepoutData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                  CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
