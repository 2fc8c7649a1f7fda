#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A named copper shape (or several) that padstacks refer to by name.
class CExPad {
public:
    CExPad();
    CExPad(const CExPad&) = delete;
    CExPad& operator=(const CExPad&) = delete;
    virtual ~CExPad();

    // One two-dot sub-record of a ".PAD" record: a shape, a "..CUSTOM" block
    // of three-dot shapes, or an offset. Empties the sub-record.
    void SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale);

    CExPtArray aOffsets;
    std::string sName;
    CExDrawObjArray* pDrawObjArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPad);

class CExPadArray : public CExPtrArray<CExPad*, CExPad*> {
public:
    ~CExPadArray() override;

    // A ".PAD" record: appends one pad, empties the record.
    void SetData(std::vector<std::string>& saRecord, std::string sContext, int nFlag, CExTemporaryArray* pIgnoreLog,
                 CExTemporaryArray* pNotUsedLog, double dScale);
};
