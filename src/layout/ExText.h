#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"

class CExTextArray;

// A text: its string, placement and font settings.
class CExText {
public:
    CExText();
    CExText(const CExText&) = delete;
    CExText& operator=(const CExText&) = delete;
    virtual ~CExText();

    double dRotation = 0.0;              // not scaled
    std::string sText;                   // the quoted string of the keyword line
    std::string sTextValue;              // what follows it, or a copy of sText
    std::string sTextType;               // the first ".TEXT_TYPE" wins
    CExPtArray ptsPosition;
    std::string sUserLayer;
    std::string sTextLayer;
    std::string sHorzJust;
    std::string sVertJust;
    double dHeight = 0.0;
    double dWidth = 0.0;
    double dStrokeWidth = 0.0;
    std::string sFont;
    std::string sTextOptions;
    std::string sDisplayCondition;
    CExTextArray* pTextArray;            // not filled by the parser
    std::string sReserved1;              // not filled
    std::string sReserved2;              // not filled
    std::vector<std::string> saStringPairNames;
    std::vector<std::string> saStringPairValues;
};

EXLOAD_EXTERN_PTR_ARRAY(CExText);

class CExTextArray : public CExPtrArray<CExText*, CExText*> {
public:
    ~CExTextArray() override;

    // Appends one text for a non-empty record and leaves the record empty.
    // nLevel characters are cut off every property line so that its keyword
    // reads at level 1. Lines it does not take are logged together, once.
    void SetTextData(int nLevel, std::vector<std::string>& record, std::string context, int flag,
                     CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
