#include "netclass/ExRefPin.h"

CExRefPin::~CExRefPin() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExRefPin);

CExRefPinArray::~CExRefPinArray() { DeleteAll(); }
