#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A schematic symbol of a part and the swap group whose pins it draws.
class CExPartDataSymbol {
public:
    CExPartDataSymbol() = default;
    CExPartDataSymbol(const CExPartDataSymbol&) = delete;
    CExPartDataSymbol& operator=(const CExPartDataSymbol&) = delete;
    virtual ~CExPartDataSymbol();

    void SetSubRecordData(std::vector<std::string>& saGroup, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);

    std::string sSymbolName;
    int bDefault = 0;
    std::string sSymbolSwapGroup;
    std::vector<std::string> saPinNames;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPartDataSymbol);

class CExPartDataSymbolArray : public CExPtrArray<CExPartDataSymbol*, CExPartDataSymbol*> {
public:
    ~CExPartDataSymbolArray() override;

    // A "..SYMBOL" sub-record: appends one symbol, empties the sub-record.
    void SetSymbolData_InPart(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                              CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);

    // The first symbol whose swap group is sSlotName (case-sensitive), or null.
    CExPartDataSymbol* GetSymbolDataOfSameSlotName(std::string sSlotName) const;
};
