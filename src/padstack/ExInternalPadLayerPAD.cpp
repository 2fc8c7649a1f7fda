#include "padstack/ExInternalPadLayerPAD.h"

CExInternalPadLayerPAD::~CExInternalPadLayerPAD() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExInternalPadLayerPAD);

CExInternalPadLayerPADArray::~CExInternalPadLayerPADArray() { DeleteAll(); }
