#pragma once

#include "core/ExPtrArray.h"

// A pin of a net connection. The files give it no content.
class CExRefPin {
public:
    virtual ~CExRefPin();
};

EXLOAD_EXTERN_PTR_ARRAY(CExRefPin);

class CExRefPinArray : public CExPtrArray<CExRefPin*, CExRefPin*> {
public:
    ~CExRefPinArray() override;
};
