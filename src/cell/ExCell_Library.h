#pragma once

#include <string>
#include <vector>

#include "expedition_fwd.h"

// Everything read from one or more cell library files: the cells of each
// kind, the header values of the last file, and the two logs.
class CExCell_Library {
public:
    CExCell_Library();
    CExCell_Library(const CExCell_Library&) = delete;
    CExCell_Library& operator=(const CExCell_Library&) = delete;
    virtual ~CExCell_Library();

    // One record of a cell library file, consumed. sUnitsString is the unit
    // the host wants coordinates in.
    void SetData(std::vector<std::string>& saRecord, std::string sUnitsString);

    CExPackage_CellArray* pPackageCellArray;
    CExMechanical_CellArray* pMechanicalCellArray;
    CExDrawing_CellArray* pDrawingCellArray;
    CExPanel_CellArray* pPanelCellArray;
    CExReUseCircuit_CellArray* pReUseCircuitCellArray;
    std::string sVersion;          // upper case
    std::string sOutputInDbUnits;  // upper case
    std::string sUnits;            // upper case
    double dScale = 1.0;           // applies to the cells read after ".UNITS"
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
