#include "cell/ExNested_Cell.h"

CExNested_Cell::~CExNested_Cell() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExNested_Cell);

CExNested_CellArray::~CExNested_CellArray() { DeleteAll(); }
