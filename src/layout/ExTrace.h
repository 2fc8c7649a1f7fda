#pragma once

#include <string>
#include <vector>

#include "expedition_fwd.h"
#include "layout/ExRouteObj.h"

// A routed path of a net on one layer.
class CExTrace : public CExRouteObj {
public:
    CExTrace();
    ~CExTrace() override;

    // One property group whose keyword line reads at level 1 (".ROUTE_LYR 2");
    // empties the group.
    static void SetTraceData(CExTrace* pTrace, std::vector<std::string>& group, const std::string& context, int flag,
                             CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExDrawObj* pShape;                       // a plain draw object until a shape group replaces it
    std::vector<std::string> saTraceOptions;
    std::string sRouteLayer;
    std::string sNetName;
    CExTextArray* pTextArray;
    std::string sDisplayCondition;
    std::vector<std::string> saMarkerPids;    // from a ".SHORTED_MARKERS" group
};
