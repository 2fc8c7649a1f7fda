#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A named area on a routing layer, with its shapes and texts.
class CExDesignRule_Area {
public:
    CExDesignRule_Area();
    CExDesignRule_Area(const CExDesignRule_Area&) = delete;
    CExDesignRule_Area& operator=(const CExDesignRule_Area&) = delete;
    virtual ~CExDesignRule_Area();

    // One level-2 group of an area record; the group is empty on return.
    static void SetAreaGroup(CExDesignRule_Area* pArea, std::vector<std::string>& group, std::string context,
                             int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    std::string sRouteLayer;
    CExTextArray* pTextArray;
    CExDrawObjArray* pShapeArray;
    std::string sAreaName;
};

EXLOAD_EXTERN_PTR_ARRAY(CExDesignRule_Area);

class CExDesignRule_AreaArray : public CExPtrArray<CExDesignRule_Area*, CExDesignRule_Area*> {
public:
    ~CExDesignRule_AreaArray() override;

    // Appends one area for a non-empty record (first line included) and
    // leaves the record empty.
    void SetDesignRule_AreaData(std::vector<std::string>& record, std::string context, int flag,
                                CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
