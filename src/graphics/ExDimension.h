#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A measurement annotation: what draws it and the settings entry it uses.
class CExDimension {
public:
    CExDimension();
    CExDimension(const CExDimension&) = delete;
    CExDimension& operator=(const CExDimension&) = delete;
    virtual ~CExDimension();

    // One property sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExGraphicArray* pGraphicArray;
    CExTextArray* pTextArray;
    CExAssembly_OutlineArray* pAssemblyOutlineArray;
    std::string sDimensionType;
    int nDimensionSettingsId = 0;  // nSettingsId of a CExDimension_Setting; not resolved
};

EXLOAD_EXTERN_PTR_ARRAY(CExDimension);

class CExDimensionArray : public CExPtrArray<CExDimension*, CExDimension*> {
public:
    ~CExDimensionArray() override;

    // One dimension from a record whose keyword line has nLevel dots (1 in
    // the layout, 2 in a cell); the record is empty on return.
    void SetDimensionData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
