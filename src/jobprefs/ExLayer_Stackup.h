#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// One layer of the board's stackup. Plane layers are typed "SIGNAL_LAYER"
// too: only the plane type and nets tell them apart.
class CExLayer_Stackup {
public:
    CExLayer_Stackup();
    CExLayer_Stackup(const CExLayer_Stackup&) = delete;
    CExLayer_Stackup& operator=(const CExLayer_Stackup&) = delete;
    virtual ~CExLayer_Stackup();

    std::vector<std::string> saPlaneNets;
    std::string sPlaneType;
    int nLayerNumber = 0;
    CExLayerPair* pLayerPair;
    int nConductiveLayerNumber = 0;
    double dLayerThickness = 0.0;   // as written, never scaled
    std::string sLayerTechnology;
    std::string sLayerDescription;
    double dDielectricConstant = 0.0;
    std::string sLayerName;
    std::string sLayerType;
};

EXLOAD_EXTERN_PTR_ARRAY(CExLayer_Stackup);

// The layers of the stackup sections, in file order.
class CExLayer_StackupArray : public CExPtrArray<CExLayer_Stackup*, CExLayer_Stackup*> {
public:
    ~CExLayer_StackupArray() override;

    // A whole ".LAYER_STACKUP_SECTION" record, its keyword line included.
    void SetData(std::vector<std::string>& saRecord, CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog);
    // One level-2 line and its deeper lines: one layer.
    void SetLayerStackData(std::vector<std::string>& saGroup, CExTemporaryArray* pIgnoreLog,
                           CExTemporaryArray* pNotUsedLog);
};
