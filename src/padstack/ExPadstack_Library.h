#pragma once

#include <string>
#include <vector>

#include "expedition_fwd.h"

// The pads, holes, padstacks and custom drill symbols of one or more
// padstack library files, read into one object in turn.
class CExPadstack_Library {
public:
    CExPadstack_Library();
    // A copy would share, and delete a second time, the arrays and logs.
    CExPadstack_Library(const CExPadstack_Library&) = delete;
    CExPadstack_Library& operator=(const CExPadstack_Library&) = delete;
    virtual ~CExPadstack_Library();

    // The record dispatcher of the file; sUnitsString is the design's unit
    // word. Empties the record.
    void SetData(std::vector<std::string>& saRecord, std::string sUnitsString);

    // The factor that turns a length written in sFileUnits into sTargetUnits.
    // Unit words are matched exactly; an unknown word, or "UM" as target,
    // gives 1.0.
    static double GetScaleValue(std::string sTargetUnits, std::string sFileUnits);

    // The first symbol of that name (exact match), or null.
    CExCustom_Drill_Symbol* pGetCustom_Drill_Symbol(std::string sName) const;

    CExCustom_Drill_SymbolArray* pCustomDrillSymbolArray;
    CExPadstackArray* pPadstackArray;
    CExHoleArray* pHoleArray;
    CExPadArray* pPadArray;
    std::string sVersion;             // upper case, quotes kept
    std::string sUnits;               // of the last ".UNITS" line, upper case
    std::string sOutputInDbUnits;     // upper case
    std::string sPadstackTechnology;  // the design's, set by the loader before each file
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;   // also unknown top-level records
    double dScale = 1.0;              // of the last ".UNITS" line read, in any file so far
};
