#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"
#include "shapes/ExDrawObj.h"

EXLOAD_EXTERN_PTR_ARRAY(CExDrawObj);

// Owns its shapes. Every parse operation empties the record it is given and
// writes to no log.
class CExDrawObjArray : public CExPtrArray<CExDrawObj*, CExDrawObj*> {
public:
    ~CExDrawObjArray() override;

    // One shape from a sub-record: its shape keyword line without dots
    // ("ROUND"), then parameter lines with one dot (".DIAMETER 0.5").
    // Returns a new shape owned by the caller, or null for an unknown
    // keyword. Static: it touches no array, so callers need none.
    static CExDrawObj* SetMakeDObj(int nLevel, std::vector<std::string>& record, std::string unitsString, int flag,
                                   CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    // Every shape of a block whose shape lines carry nLevel dots, appended in
    // file order. Lines with fewer dots are skipped.
    void SetDObjData_InCell(int nLevel, std::vector<std::string>& record, std::string unitsString, int flag,
                            CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
    // The same, and each new shape gets sSide = sideString.
    void SetDObjData_Assembly(int nLevel, std::string sideString, std::vector<std::string>& record,
                              std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                              CExTemporaryArray* notUsedLog, double dScale);
};
