#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A swap group of a part: the slots that may be exchanged with each other.
class CExPartDataSwapGrp {
public:
    CExPartDataSwapGrp() = default;
    CExPartDataSwapGrp(const CExPartDataSwapGrp&) = delete;
    CExPartDataSwapGrp& operator=(const CExPartDataSwapGrp&) = delete;
    virtual ~CExPartDataSwapGrp();

    void SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);

    std::string sSwapGroup;
    std::vector<std::string> saSwapIds;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPartDataSwapGrp);

class CExPartDataSwapGrpArray : public CExPtrArray<CExPartDataSwapGrp*, CExPartDataSwapGrp*> {
public:
    ~CExPartDataSwapGrpArray() override;

    // A "..SWAPGROUP" sub-record: appends one swap group, empties the sub-record.
    void SetSwapGrpData_InPart(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                               CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);
};
