#pragma once

#include <string>

// A pair of layer names as written: the layers a stackup layer or a via span
// connects. Used well beyond the job preferences, so it depends on nothing.
class CExLayerPair {
public:
    CExLayerPair() = default;
    CExLayerPair(const CExLayerPair&) = default;
    CExLayerPair& operator=(const CExLayerPair&) = default;
    virtual ~CExLayerPair();

    std::string sFromLayer;
    std::string sToLayer;
};
