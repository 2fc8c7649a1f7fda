#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A named drawing that marks a drill size on drill drawings; holes name it.
class CExCustom_Drill_Symbol {
public:
    CExCustom_Drill_Symbol();
    CExCustom_Drill_Symbol(const CExCustom_Drill_Symbol&) = delete;
    CExCustom_Drill_Symbol& operator=(const CExCustom_Drill_Symbol&) = delete;
    virtual ~CExCustom_Drill_Symbol();

    // One two-dot sub-record of a ".CUSTOM_DRILL_SYMBOL" record. Empties the
    // sub-record.
    void SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale);

    CExDrawObjArray* pDrawObjArray;
    std::string sName;
};

EXLOAD_EXTERN_PTR_ARRAY(CExCustom_Drill_Symbol);

class CExCustom_Drill_SymbolArray : public CExPtrArray<CExCustom_Drill_Symbol*, CExCustom_Drill_Symbol*> {
public:
    ~CExCustom_Drill_SymbolArray() override;

    // A ".CUSTOM_DRILL_SYMBOL" record: appends one symbol, empties the record.
    void SetData(std::vector<std::string>& saRecord, std::string sContext, int nFlag, CExTemporaryArray* pIgnoreLog,
                 CExTemporaryArray* pNotUsedLog, double dScale);
};
