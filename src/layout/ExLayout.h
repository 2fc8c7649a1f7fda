#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "expedition_fwd.h"

// The board: its outlines and origins, placed cells, nets, planes, texts,
// graphics, keepouts, dimensions and panel. The layout file worker hands it
// every record of the file in turn; it keeps nothing of a record but what it
// puts into the model.
class CExLayout {
public:
    CExLayout();
    CExLayout(const CExLayout&) = delete;
    CExLayout& operator=(const CExLayout&) = delete;
    virtual ~CExLayout();

    // The record dispatcher. units is the design's unit word; records of
    // nets are dropped while bRemoveNet is 1. The record is empty on return.
    void SetData(std::vector<std::string>& record, std::string units, int bRemoveNet);

    // An assembly outline record without its keyword line: its "..SIDE" and
    // its shapes and texts at level 2.
    void SetAssemblyOutlineData(std::vector<std::string>& record, std::string context, int flag,
                                CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
    // An origin record without its keyword line; which: 0 board, 1 NC drill,
    // 2 panel, anything else stores nothing.
    void SetOriginData(int which, std::vector<std::string>& record, std::string context, int flag,
                       CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);

    std::string sVersion;                                   // quotes kept
    std::string sUnits;                                     // the file's unit word
    std::string sJobName;
    std::string sDate;
    CExMechanical_CellArray* pMechanicalCellArray;
    CExDimension_SettingArray* pDimensionSettingArray;
    CExDimensionArray* pDimensionArray;
    CExGraphicArray* pGraphicArray;
    CExObstructArray* pObstructArray;
    CExPtArray ptsBoardOrigin;
    CExPtArray ptsNcDrillOrigin;
    CExPackage_CellArray* pPackageCellArray;                // the placed components
    CExPlane_LyrArray* pGeneratedDataArray;
    CExPlane_LyrArray* pUpgApsDataArray;
    CExTextArray* pTextArray;
    CExSilkScreen_OutlineArray* pSilkScreenOutlineArray;
    CExMounting_HoleArray* pMountingHoleArray;
    CExFiducialArray* pFiducialArray;
    CExDrawObjArray* pAssemblyOutlineShapes;
    CExTextArray* pAssemblyOutlineTexts;
    CExDrawObjArray* pRouteOutline;
    CExDrawObjArray* pBoardOutline;
    CExDrawing_CellArray* pDrawingCellArray;
    CExNetArray* pNetArray;
    CExMC_SolderMaskArray* pSolderMaskArray;
    CExTearDrop_TemplateArray* pTearDropTemplateArray;
    CExPanel_CellArray* pPanelCellArray;
    CExDrawObjArray* pPanelOutline;
    CExDrawObjArray* pPanelBorder;
    CExPtArray ptsPanelOrigin;
    CExPanel_Board_InstanceArray* pPanelBoardInstanceArray;
    CExContourArray* pContourArray;
    CExPlacement_KeepoutArray* pPlacementKeepoutArray;
    CExDesignRule_AreaArray* pDesignRuleAreaArray;
    CExDrawObjArray* pDrillGraphic;
    CExSolder_PasteArray* pSolderPasteArray;
    CExReUseCircuit_CellArray* pReUseCircuitCellArray;
    CExDrawObjArray* pTestFixtureOutline;
    CExDrawObjArray* pManufacturingOutline;
    CExTooling_HoleArray* pToolingHoleArray;
    double dScale = 1.0;                                    // set by ".UNITS" for the records after it
    CExTemporaryArray* pIgnoreLog;
    CExTemporaryArray* pNotUsedLog;
};
