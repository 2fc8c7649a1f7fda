#pragma once

#include "core/ExPtrArray.h"

// A cell nested in a reusable circuit. Nothing is read into it: the
// "..NESTED_CELL" groups of a reusable circuit are dropped.
class CExNested_Cell {
public:
    CExNested_Cell() = default;
    CExNested_Cell(const CExNested_Cell&) = delete;
    CExNested_Cell& operator=(const CExNested_Cell&) = delete;
    virtual ~CExNested_Cell();
};

EXLOAD_EXTERN_PTR_ARRAY(CExNested_Cell);

class CExNested_CellArray : public CExPtrArray<CExNested_Cell*, CExNested_Cell*> {
public:
    ~CExNested_CellArray() override;
};
