#include "jobprefs/ExLayerPair.h"

CExLayerPair::~CExLayerPair() = default;
