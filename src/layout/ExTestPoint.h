#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "expedition_fwd.h"
#include "layout/ExRouteObj.h"

// A test point of a net: a padstack at a point, named by the net record.
class CExTestPoint : public CExRouteObj {
public:
    CExTestPoint();
    ~CExTestPoint() override;

    // One property group whose keyword line reads at level 1; empties the
    // group.
    static void SetTestPointData(CExTestPoint* pTestPoint, std::vector<std::string>& group, const std::string& context,
                                 int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObj* pShape;                   // a plain draw object, never replaced
    std::vector<std::string> saReserved;  // not filled
    std::string sFacement;
    std::string sTestPointName;           // set by the net record, upper case
    std::string sReserved;                // not filled
    std::string sPadstackName;
    std::string sRotation;                // as written
    CExTextArray* pTextArray;
    CExPtArray ptsPosition;               // in the layout file's unit, not scaled
};
