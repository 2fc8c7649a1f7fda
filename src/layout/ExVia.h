#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "expedition_fwd.h"
#include "layout/ExRouteObj.h"

// A via: a padstack placed at a point, spanning a pair of layers.
class CExVia : public CExRouteObj {
public:
    CExVia();
    ~CExVia() override;

    // One property group whose keyword line reads at level 1 (".XY 1, 2");
    // empties the group.
    static void SetViaData(CExVia* pVia, std::vector<std::string>& group, const std::string& context, int flag,
                           CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    CExLayerPair* pLayerPair;
    std::vector<std::string> saViaOptions;
    std::string sPadstackName;
    CExPtArray ptsPosition;                       // in the layout file's unit, not scaled
    CExTearDrop_DataArray* pTearDropDataArray;
    std::string sNetName;
};
