#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A named set of shapes and texts with a component, a direction and a hole.
class CExContour {
public:
    CExContour();
    CExContour(const CExContour&) = delete;
    CExContour& operator=(const CExContour&) = delete;
    virtual ~CExContour();

    // One level-2 group of a contour record; the group is empty on return.
    static void SetContourGroup(CExContour* pContour, std::vector<std::string>& group, std::string context,
                                int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                double dScale);

    CExTextArray* pTextArray;
    CExDrawObjArray* pShapeArray;
    std::string sComponent;    // quotes removed
    std::string sDirection;    // quotes kept
    std::string sHole;         // quotes kept
    std::string sContourName;
};

EXLOAD_EXTERN_PTR_ARRAY(CExContour);

class CExContourArray : public CExPtrArray<CExContour*, CExContour*> {
public:
    ~CExContourArray() override;

    // Appends one contour for a non-empty record (first line included) and
    // leaves the record empty.
    void SetContourData(std::vector<std::string>& record, std::string context, int flag,
                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
