#pragma once

#include "cell/CellArray.h"
#include "cell/PackageCellMembers.h"

// A reusable circuit: a package cell's content without dimensions.
class CExReUseCircuit_Cell : public ex::PackageCellMembers {
public:
    ~CExReUseCircuit_Cell() override;
};

EXLOAD_EXTERN_PTR_ARRAY(CExReUseCircuit_Cell);

class CExReUseCircuit_CellArray : public ex::CellArray<CExReUseCircuit_Cell> {
public:
    ~CExReUseCircuit_CellArray() override;
};
