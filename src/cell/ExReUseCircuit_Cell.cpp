#include "cell/ExReUseCircuit_Cell.h"

CExReUseCircuit_Cell::~CExReUseCircuit_Cell() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExReUseCircuit_Cell);

CExReUseCircuit_CellArray::~CExReUseCircuit_CellArray() = default;
