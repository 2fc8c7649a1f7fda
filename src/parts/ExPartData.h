#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// One part number of the parts database.
class CExPartData {
public:
    CExPartData();
    CExPartData(const CExPartData&) = delete;
    CExPartData& operator=(const CExPartData&) = delete;
    virtual ~CExPartData();

    // One two-dot sub-record of the part; unknown keywords go to the not-used log.
    void SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);

    std::string sNumber;
    std::string sName;
    int bDefault = 0;
    std::string sDesc;
    std::string sRefPrefix;
    std::string sLabel;
    std::string sTopCell;
    std::string sBottomCell;
    std::vector<std::string> saAltCells;
    std::string sModified;
    std::vector<std::string> saProps;
    CExPartDataSwapGrpArray* pSwapGrpArray;
    CExPartDataSymbolArray* pSymbolArray;
    CExPartDataSlotArray* pSlotArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPartData);

class CExPartDataArray : public CExPtrArray<CExPartData*, CExPartData*> {
public:
    ~CExPartDataArray() override;

    // A ".NUMBER" record: appends one part, empties the record.
    void SetPartData(std::vector<std::string>& saRecord, std::string sContext, int nFlag,
                     CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);
};
