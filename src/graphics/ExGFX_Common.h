#pragma once

#include "core/ExPtrArray.h"

// A common graphics entry of an assembly outline or a graphic. The model
// keeps none: ".GFX_COMMON" sub-records are dropped, so these stay empty.
class CExGFX_Common {
public:
    CExGFX_Common() = default;
    CExGFX_Common(const CExGFX_Common&) = delete;
    CExGFX_Common& operator=(const CExGFX_Common&) = delete;
    virtual ~CExGFX_Common();
};

EXLOAD_EXTERN_PTR_ARRAY(CExGFX_Common);

class CExGFX_CommonArray : public CExPtrArray<CExGFX_Common*, CExGFX_Common*> {
public:
    ~CExGFX_CommonArray() override;
};
