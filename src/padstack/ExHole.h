#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A named drill: its shape, tolerances and custom drill symbol.
class CExHole {
public:
    CExHole();
    CExHole(const CExHole&) = delete;
    CExHole& operator=(const CExHole&) = delete;
    virtual ~CExHole();

    // One two-dot sub-record of a ".HOLE" record. Empties the sub-record.
    void SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale);

    std::string sCustomSymbol;
    std::string sName;
    CExDrawObj* pDrawObj;  // never null: a plain CExDrawObj until a shape is read; the last shape read wins
    double dPositiveTolerance = 0.0;
    double dNegativeTolerance = 0.0;
};

EXLOAD_EXTERN_PTR_ARRAY(CExHole);

class CExHoleArray : public CExPtrArray<CExHole*, CExHole*> {
public:
    ~CExHoleArray() override;

    // A ".HOLE" record: appends one hole, empties the record.
    void SetData(std::vector<std::string>& saRecord, std::string sContext, int nFlag, CExTemporaryArray* pIgnoreLog,
                 CExTemporaryArray* pNotUsedLog, double dScale);
};
