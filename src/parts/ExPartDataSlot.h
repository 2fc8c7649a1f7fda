#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A slot (gate) of a part: its swap group and the part pins it uses.
class CExPartDataSlot {
public:
    CExPartDataSlot() = default;
    CExPartDataSlot(const CExPartDataSlot&) = delete;
    CExPartDataSlot& operator=(const CExPartDataSlot&) = delete;
    virtual ~CExPartDataSlot();

    // One "...SLOT_SWAPGROUP" group; any other group is logged as not used.
    void SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);

    std::string sSlotSwapGroup;
    int nSlotId = 0;    // 0 until a "SLOTID" line is read
    int nSwapCode = 0;  // 0 until a "SWAPCODE" line is read
    std::vector<std::string> saPinNumbers;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPartDataSlot);

class CExPartDataSlotArray : public CExPtrArray<CExPartDataSlot*, CExPartDataSlot*> {
public:
    ~CExPartDataSlotArray() override;

    // A "..SLOTS" sub-record: appends one slot, empties the sub-record.
    void SetSlotData_InPart(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                            CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);
};
