#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A numbered teardrop template; vias and pins refer to it by number.
class CExTearDrop_Template {
public:
    CExTearDrop_Template() = default;
    CExTearDrop_Template(const CExTearDrop_Template&) = delete;
    CExTearDrop_Template& operator=(const CExTearDrop_Template&) = delete;
    virtual ~CExTearDrop_Template();

    // Takes one parameter group (its first line decides) and empties it.
    static void SetTemplateData(CExTearDrop_Template* pTemplate, std::vector<std::string>& group, std::string context,
                                int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    int nTemplateId = 0;
    double dRatio = 1.0;                 // not scaled
    double dPreferred = 0.0;
    double dSecondary = 0.0;
    double dMaxPadToVia = 0.0;
    double dMaxMvoToMvo = 0.0;
    double dMaxMvoToPad = 0.0;
    double dMaxMvoToVia = 0.0;
    std::string sExcludeFixedLockedTraces;
    std::string sExcludeRectanglePads;
    std::string sExcludeSmdPads;
};

EXLOAD_EXTERN_PTR_ARRAY(CExTearDrop_Template);

class CExTearDrop_TemplateArray : public CExPtrArray<CExTearDrop_Template*, CExTearDrop_Template*> {
public:
    ~CExTearDrop_TemplateArray() override;

    // Appends one template for a non-empty ".TEARDROP_TEMPLATE" record and
    // leaves the record empty.
    void SetTearDrop_Templte(std::vector<std::string>& record, std::string context, int flag,
                             CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
