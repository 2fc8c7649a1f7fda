#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// The pads of a pin or via layer by layer, and its hole, all by name as
// written; nothing is looked up.
class CExPadstack {
public:
    CExPadstack();
    CExPadstack(const CExPadstack&) = delete;
    CExPadstack& operator=(const CExPadstack&) = delete;
    virtual ~CExPadstack();

    // One two-dot sub-record of a ".PADSTACK" record. A "..TECHNOLOGY" block
    // is read when it is "(Default)" or sTechnology, else logged as not used.
    // Empties the sub-record.
    void SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, std::string sTechnology,
                          double dScale);

    std::string sClearancePad;
    std::string sName;
    std::string sPadstackType;
    std::string sTopPad;
    std::string sTopSoldermaskPad;
    std::string sTopSolderpastePad;
    std::string sBottomPad;
    std::string sBottomSoldermaskPad;
    std::string sBottomSolderpastePad;
    std::string sInternalPad;  // the last one read
    std::string sThermalPad;
    std::string sHoleName;
    std::vector<std::string> saUserLyr;
    std::vector<std::string> saUserLyrPad;
    std::vector<std::string> saUserLyrDisplayCondition;
    CExPtArray aOffsets;
    CExInternalPadLayerPADArray* pInternalPadLayerArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPadstack);

class CExPadstackArray : public CExPtrArray<CExPadstack*, CExPadstack*> {
public:
    ~CExPadstackArray() override;

    // A ".PADSTACK" record: appends one padstack, empties the record.
    void SetData(std::vector<std::string>& saRecord, std::string sContext, int nFlag, CExTemporaryArray* pIgnoreLog,
                 CExTemporaryArray* pNotUsedLog, std::string sTechnology, double dScale);
};
