#pragma once

#include "core/ExPtrArray.h"

// A pin of a net connection. The files give it no content.
class CExRefPin {
public:
    virtual ~CExRefPin() = default;
};

class CExRefPinArray : public CExPtrArray<CExRefPin*, CExRefPin*> {
public:
    ~CExRefPinArray() override { DeleteAll(); }
};
