#include "graphics/ExGFX_Common.h"

CExGFX_Common::~CExGFX_Common() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExGFX_Common);

CExGFX_CommonArray::~CExGFX_CommonArray() { DeleteAll(); }
