#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"

// The teardrop settings of a via or a pin: the template it uses, by number,
// and the layer it is on.
class CExTearDrop_Data {
public:
    CExTearDrop_Data() = default;
    CExTearDrop_Data(const CExTearDrop_Data&) = delete;
    CExTearDrop_Data& operator=(const CExTearDrop_Data&) = delete;
    virtual ~CExTearDrop_Data();

    int nTemplateId = 0;
    // Mirror the template's settings; no file fills them.
    double dRatio = 1.0;
    double dPreferred = 0.0;
    double dSecondary = 0.0;
    double dMaxPadToVia = 0.0;
    double dMaxMvoToMvo = 0.0;
    double dMaxMvoToPad = 0.0;
    std::string sExcludeFixedLockedTraces;
    std::string sExcludeRectanglePads;
    std::string sExcludeSmdPads;
    std::string sRouteLayer;
};

EXLOAD_EXTERN_PTR_ARRAY(CExTearDrop_Data);

class CExTearDrop_DataArray : public CExPtrArray<CExTearDrop_Data*, CExTearDrop_Data*> {
public:
    ~CExTearDrop_DataArray() override;

    // A teardrop data group of a via (".TEARDROP_DATA") or a pin
    // ("...TEARDROP_DATA"), its keyword line first: appends one element and
    // empties the group. Deeper lines other than the template number and the
    // route layer are ignored without a log entry. An empty group adds nothing.
    void AddFromGroup(std::vector<std::string>& group);
};
