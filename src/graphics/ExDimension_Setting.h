#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A dimension style: units, precision, tolerances, terminators, line and
// text settings. Dimensions refer to it by nSettingsId.
class CExDimension_Setting {
public:
    CExDimension_Setting() = default;
    CExDimension_Setting(const CExDimension_Setting&) = delete;
    CExDimension_Setting& operator=(const CExDimension_Setting&) = delete;
    virtual ~CExDimension_Setting();

    // One property sub-record, read at level 1; empty on return.
    void SetSubRecordData(std::vector<std::string>& subRecord, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    int nSettingsId = 0;
    std::string sLayerName;
    std::string sUnits;
    int nPrecision = 4;
    std::string sPositiveTolerance;
    std::string sNegativeTolerance;
    std::string sLeadingZero;
    std::string sTrailingZeros;
    std::string sCommaForDecimal;
    std::string sIncludeUnits;
    std::string sLineStyle;
    double dLineWidth = 0.0;  // lengths are scaled
    std::string sTerminatorStyle;
    double dTerminatorHeight = 0.0;
    double dTerminatorWidth = 0.0;
    std::string sTextJustification;
    double dStackedTextDistance = 0.0;
    double dExtensionGap = 0.0;
    std::string sOrientation;
};

EXLOAD_EXTERN_PTR_ARRAY(CExDimension_Setting);

class CExDimension_SettingArray : public CExPtrArray<CExDimension_Setting*, CExDimension_Setting*> {
public:
    ~CExDimension_SettingArray() override;

    // One settings entry from a record whose keyword line has nLevel dots
    // and carries the id; the record is empty on return.
    void SetDimensionSettingData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                                 CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
