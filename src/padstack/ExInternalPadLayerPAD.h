#pragma once

#include <string>

#include "core/ExPtrArray.h"

// One "...INTERNAL_PAD" entry of a padstack: the layer it applies to and the
// pad that overrides the internal pad there.
class CExInternalPadLayerPAD {
public:
    CExInternalPadLayerPAD() = default;
    CExInternalPadLayerPAD(const CExInternalPadLayerPAD&) = delete;
    CExInternalPadLayerPAD& operator=(const CExInternalPadLayerPAD&) = delete;
    virtual ~CExInternalPadLayerPAD();

    std::string sOverridePad;
    int nLayer = 0;
};

EXLOAD_EXTERN_PTR_ARRAY(CExInternalPadLayerPAD);

class CExInternalPadLayerPADArray : public CExPtrArray<CExInternalPadLayerPAD*, CExInternalPadLayerPAD*> {
public:
    ~CExInternalPadLayerPADArray() override;
};
