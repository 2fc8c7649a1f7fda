#pragma once

#include <string_view>

#include "core/Array.h"

// One point, read from "x, y" or "x, y, r" text; every value times a scale.
class CExPt {
public:
    CExPt() = default;
    CExPt(const CExPt&) = default;
    CExPt& operator=(const CExPt&) = default;
    // Inline: points die by the million, and an inline body lets the
    // compiler drop the call for each.
    virtual ~CExPt() = default;

    void SetPtData(std::string_view sText, double dScale);
    void SetXYRPtData(std::string_view sText, double dScale);

    double dR = 0.0;
    double dX = 0.0;
    double dY = 0.0;
};

// Compiled once, in ExPt.cpp.
extern template class CArray<CExPt, CExPt&>;

// Points held by value.
class CExPtArray : public CArray<CExPt, CExPt&> {
public:
    CExPtArray() = default;
    CExPtArray(const CExPtArray&) = default;
    CExPtArray(CExPtArray&&) noexcept = default;
    CExPtArray& operator=(const CExPtArray&) = default;
    CExPtArray& operator=(CExPtArray&&) noexcept = default;
    ~CExPtArray() override;

    // Both append to what the array holds.
    void SetPtDatas(std::string_view sText, double dScale);
    void SetXYRPtDatas(std::string_view sText, double dScale);
};
