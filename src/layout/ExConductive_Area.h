#pragma once

#include <string>
#include <vector>

#include "expedition_fwd.h"
#include "layout/ExRouteObj.h"

// An area of copper that belongs to a net, possibly hatched.
class CExConductive_Area : public CExRouteObj {
public:
    CExConductive_Area();
    ~CExConductive_Area() override;

    // One property group whose keyword line reads at level 1; empties the
    // group.
    static void SetConductiveAreaData(CExConductive_Area* pArea, std::vector<std::string>& group,
                                      const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                      CExTemporaryArray* notUsedLog, double dScale);

    int nPlaneId = 0;
    std::string sHatchPattern;
    double dHatchWidth = 0.0;
    double dHatchSpacing = 0.0;
    CExDrawObj* pShape;                        // a plain draw object until a shape group replaces it
    std::vector<std::string> saAreaOptions;    // the words of ".CONDUCTIVE_AREA_OPTIONS"
    std::string sRouteLayer;
    std::string sNetName;
    std::string sDisplayCondition;
};
