#pragma once

// Every class of the design tree lists its members here, in declaration
// order, to a visitor V. The JSON export writes what it is told; the summary
// counts the objects. A visitor offers:
//   v.Kind("CExFoo")                   first, once per object: its class
//   v("sName", o.sName)                a leaf: int, double, string, string
//                                      array, CExPt or CExPtArray
//   v.Obj("pLayerPair", o.pLayerPair)  an owned object, null allowed
//   v.Arr("pTextArray", o.pTextArray)  an owned pointer array, null allowed
//   v.Items("elements", array)         the elements of an array held here
// and describes a nested object by calling Describe(v, object) again.

#include <typeinfo>
#include <utility>

#include "expedition.h"

namespace exload {

// ---- shapes --------------------------------------------------------------

template <class V>
void DescribeDrawObjBase(V& v, const CExDrawObj& o)
{
    v("sSide", o.sSide);
    v("sShapeType", o.sShapeType);
}

// The shape classes whose only members are a height and a width.
template <class V, class S>
void DescribeHeightWidth(V& v, const S& o, const char* kind)
{
    v.Kind(kind);
    DescribeDrawObjBase(v, o);
    v("dHeight", o.dHeight);
    v("dWidth", o.dWidth);
}

template <class V>
void Describe(V& v, const CExRound& o)
{
    v.Kind("CExRound");
    DescribeDrawObjBase(v, o);
    v("dDiameter", o.dDiameter);
}
template <class V>
void Describe(V& v, const CExSquare& o)
{
    v.Kind("CExSquare");
    DescribeDrawObjBase(v, o);
    v("dWidth", o.dWidth);
}
template <class V>
void Describe(V& v, const CExRectangle& o) { DescribeHeightWidth(v, o, "CExRectangle"); }
template <class V>
void Describe(V& v, const CExRound_Finger& o) { DescribeHeightWidth(v, o, "CExRound_Finger"); }
template <class V>
void Describe(V& v, const CExSlot& o) { DescribeHeightWidth(v, o, "CExSlot"); }
template <class V>
void Describe(V& v, const CExOblong& o) { DescribeHeightWidth(v, o, "CExOblong"); }
template <class V>
void Describe(V& v, const CExOctagon& o) { DescribeHeightWidth(v, o, "CExOctagon"); }
template <class V>
void Describe(V& v, const CExOctagonal_Finger& o) { DescribeHeightWidth(v, o, "CExOctagonal_Finger"); }
template <class V>
void Describe(V& v, const CExChamfered_Rect& o)
{
    v.Kind("CExChamfered_Rect");
    DescribeDrawObjBase(v, o);
    v("dHeight", o.dHeight);
    v("dWidth", o.dWidth);
    v("dChamfer", o.dChamfer);
}
template <class V>
void Describe(V& v, const CExRadius_Corner_Rectangle& o)
{
    v.Kind("CExRadius_Corner_Rectangle");
    DescribeDrawObjBase(v, o);
    v("dRadius", o.dRadius);
    v("dHeight", o.dHeight);
    v("dWidth", o.dWidth);
}
template <class V>
void Describe(V& v, const CExRoundDonut& o)
{
    v.Kind("CExRoundDonut");
    DescribeDrawObjBase(v, o);
    v("dDiameter", o.dDiameter);
    v("dThermalClearance", o.dThermalClearance);
}
template <class V>
void Describe(V& v, const CExSquare_Dount& o)
{
    v.Kind("CExSquare_Dount");
    DescribeDrawObjBase(v, o);
    v("dWidth", o.dWidth);
    v("dThermalClearance", o.dThermalClearance);
}
template <class V>
void Describe(V& v, const CExF4_web_round_thermal_45& o)
{
    v.Kind("CExF4_web_round_thermal_45");
    DescribeDrawObjBase(v, o);
    v("dThermalClearance", o.dThermalClearance);
    v("dTieLegWidth", o.dTieLegWidth);
    v("dDiameter", o.dDiameter);
}
template <class V>
void Describe(V& v, const CExCircle_Path& o)
{
    v.Kind("CExCircle_Path");
    DescribeDrawObjBase(v, o);
    v("dRadius", o.dRadius);
    v("aXY", o.aXY);
    v("dWidth", o.dWidth);
}
template <class V>
void Describe(V& v, const CExCircle_Shape& o)
{
    v.Kind("CExCircle_Shape");
    DescribeDrawObjBase(v, o);
    v("saShapeOptions", o.saShapeOptions);
    v("aXY", o.aXY);
    v("dRadius", o.dRadius);
}
template <class V>
void Describe(V& v, const CExPolyline_Path& o)
{
    v.Kind("CExPolyline_Path");
    DescribeDrawObjBase(v, o);
    v("aXY", o.aXY);
    v("dWidth", o.dWidth);
    v("dDisplayWidth", o.dDisplayWidth);
    v("bDisplayWidth", o.bDisplayWidth);
}
// Filled point shapes: options, then their points.
template <class V, class S>
void DescribeFilled(V& v, const S& o, const char* kind, const char* key, const CExPtArray& points)
{
    v.Kind(kind);
    DescribeDrawObjBase(v, o);
    v("saShapeOptions", o.saShapeOptions);
    v(key, points);
}
// Stroked point paths: their points, then their width.
template <class V, class S>
void DescribeStroked(V& v, const S& o, const char* kind, const char* key, const CExPtArray& points)
{
    v.Kind(kind);
    DescribeDrawObjBase(v, o);
    v(key, points);
    v("dWidth", o.dWidth);
}
template <class V>
void Describe(V& v, const CExPolyline_Shape& o) { DescribeFilled(v, o, "CExPolyline_Shape", "aXY", o.aXY); }
template <class V>
void Describe(V& v, const CExPolyarc_Path& o) { DescribeStroked(v, o, "CExPolyarc_Path", "aXYR", o.aXYR); }
template <class V>
void Describe(V& v, const CExPolyarc_Shape& o) { DescribeFilled(v, o, "CExPolyarc_Shape", "aXYR", o.aXYR); }
template <class V>
void Describe(V& v, const CExRect_Path& o) { DescribeStroked(v, o, "CExRect_Path", "aXY", o.aXY); }
template <class V>
void Describe(V& v, const CExRect_Shape& o) { DescribeFilled(v, o, "CExRect_Shape", "aXY", o.aXY); }
template <class V>
void Describe(V& v, const CExDimension_Data& o)
{
    v.Kind("CExDimension_Data");
    DescribeDrawObjBase(v, o);
    v("sTraverse", o.sTraverse);
    v("sFeature", o.sFeature);
    v("ptDimensionPoint", o.ptDimensionPoint);
    v("ptCenterPoint", o.ptCenterPoint);
    v("ptEndPoint", o.ptEndPoint);
    v("ptStartPoint", o.ptStartPoint);
    v("nDimensionedBy", o.nDimensionedBy);
}

// Calls f with o cast to its exact class when that is one of S; false when
// it is none of them.
// The type_info objects of one program are unique: their addresses are
// compared, which spares a string comparison per class tried.
template <class... S, class Base, class F>
bool VisitExact(const Base& o, F&& f)
{
    const std::type_info* type = &typeid(o);
    return ((type == &typeid(S) ? (f(static_cast<const S&>(o)), true) : false) || ...);
}

// The 22 shape classes: f is called with the concrete class of o; false for
// a plain CExDrawObj (a hole or graphic that never got a shape).
template <class F>
bool VisitShape(const CExDrawObj& o, F&& f)
{
    return VisitExact<CExRound, CExSquare, CExRectangle, CExRound_Finger, CExSlot, CExOblong, CExOctagon,
                      CExOctagonal_Finger, CExChamfered_Rect, CExRadius_Corner_Rectangle, CExRoundDonut,
                      CExSquare_Dount, CExF4_web_round_thermal_45, CExCircle_Path, CExCircle_Shape, CExPolyline_Path,
                      CExPolyline_Shape, CExPolyarc_Path, CExPolyarc_Shape, CExRect_Path, CExRect_Shape,
                      CExDimension_Data>(o, std::forward<F>(f));
}

template <class V>
void Describe(V& v, const CExDrawObj& o)
{
    if (!VisitShape(o, [&v](const auto& shape) { Describe(v, shape); })) {
        v.Kind("CExDrawObj");
        DescribeDrawObjBase(v, o);
    }
}

// ---- logs ----------------------------------------------------------------

template <class V>
void Describe(V& v, const CExTemporary& o)
{
    v.Kind("CExTemporary");
    v("nFlag", o.nFlag);
    v("sContext", o.sContext);
    v("sKeyword", o.sKeyword);
    v("sValue", o.sValue);
    v("nLevel", o.nLevel);
    v("saLines", o.saLines);
}

// ---- job preferences -----------------------------------------------------

template <class V>
void Describe(V& v, const CExLayerPair& o)
{
    v.Kind("CExLayerPair");
    v("sFromLayer", o.sFromLayer);
    v("sToLayer", o.sToLayer);
}

template <class V>
void Describe(V& v, const CExLayer_Stackup& o)
{
    v.Kind("CExLayer_Stackup");
    v("saPlaneNets", o.saPlaneNets);
    v("sPlaneType", o.sPlaneType);
    v("nLayerNumber", o.nLayerNumber);
    v.Obj("pLayerPair", o.pLayerPair);
    v("nConductiveLayerNumber", o.nConductiveLayerNumber);
    v("dLayerThickness", o.dLayerThickness);
    v("sLayerTechnology", o.sLayerTechnology);
    v("sLayerDescription", o.sLayerDescription);
    v("dDielectricConstant", o.dDielectricConstant);
    v("sLayerName", o.sLayerName);
    v("sLayerType", o.sLayerType);
}

template <class V>
void Describe(V& v, const CExJobPreferenceVia& o)
{
    v.Kind("CExJobPreferenceVia");
    v.Obj("pLayerPair", o.pLayerPair);
    v("saSpanLines", o.saSpanLines);
    v("sPadstackName", o.sPadstackName);
}

template <class V>
void Describe(V& v, const CExJobPreferences& o)
{
    v.Kind("CExJobPreferences");
    v.Arr("pLayerStackupArray", o.pLayerStackupArray);
    v("sUnits", o.sUnits);
    v("sDesignUnits", o.sDesignUnits);
    v("nPhysicalLayers", o.nPhysicalLayers);
    v.Arr("pViaArray", o.pViaArray);
    v.Arr("pIgnoreLog", o.pIgnoreLog);
    v.Arr("pNotUsedLog", o.pNotUsedLog);
}

// ---- texts and teardrops -------------------------------------------------

template <class V>
void Describe(V& v, const CExText& o)
{
    v.Kind("CExText");
    v("dRotation", o.dRotation);
    v("sText", o.sText);
    v("sTextValue", o.sTextValue);
    v("sTextType", o.sTextType);
    v("ptsPosition", o.ptsPosition);
    v("sUserLayer", o.sUserLayer);
    v("sTextLayer", o.sTextLayer);
    v("sHorzJust", o.sHorzJust);
    v("sVertJust", o.sVertJust);
    v("dHeight", o.dHeight);
    v("dWidth", o.dWidth);
    v("dStrokeWidth", o.dStrokeWidth);
    v("sFont", o.sFont);
    v("sTextOptions", o.sTextOptions);
    v("sDisplayCondition", o.sDisplayCondition);
    v.Arr("pTextArray", o.pTextArray);
    v("sReserved1", o.sReserved1);
    v("sReserved2", o.sReserved2);
    v("saStringPairNames", o.saStringPairNames);
    v("saStringPairValues", o.saStringPairValues);
}

template <class V>
void Describe(V& v, const CExTearDrop_Template& o)
{
    v.Kind("CExTearDrop_Template");
    v("nTemplateId", o.nTemplateId);
    v("dRatio", o.dRatio);
    v("dPreferred", o.dPreferred);
    v("dSecondary", o.dSecondary);
    v("dMaxPadToVia", o.dMaxPadToVia);
    v("dMaxMvoToMvo", o.dMaxMvoToMvo);
    v("dMaxMvoToPad", o.dMaxMvoToPad);
    v("dMaxMvoToVia", o.dMaxMvoToVia);
    v("sExcludeFixedLockedTraces", o.sExcludeFixedLockedTraces);
    v("sExcludeRectanglePads", o.sExcludeRectanglePads);
    v("sExcludeSmdPads", o.sExcludeSmdPads);
}

template <class V>
void Describe(V& v, const CExTearDrop_Data& o)
{
    v.Kind("CExTearDrop_Data");
    v("nTemplateId", o.nTemplateId);
    v("dRatio", o.dRatio);
    v("dPreferred", o.dPreferred);
    v("dSecondary", o.dSecondary);
    v("dMaxPadToVia", o.dMaxPadToVia);
    v("dMaxMvoToMvo", o.dMaxMvoToMvo);
    v("dMaxMvoToPad", o.dMaxMvoToPad);
    v("sExcludeFixedLockedTraces", o.sExcludeFixedLockedTraces);
    v("sExcludeRectanglePads", o.sExcludeRectanglePads);
    v("sExcludeSmdPads", o.sExcludeSmdPads);
    v("sRouteLayer", o.sRouteLayer);
}

// ---- route objects, nets and planes -------------------------------------

template <class V>
void DescribeRouteObjBase(V& v, const CExRouteObj& o)
{
    v("sType", o.sType);
}

template <class V>
void Describe(V& v, const CExTrace& o)
{
    v.Kind("CExTrace");
    DescribeRouteObjBase(v, o);
    v.Obj("pShape", o.pShape);
    v("saTraceOptions", o.saTraceOptions);
    v("sRouteLayer", o.sRouteLayer);
    v("sNetName", o.sNetName);
    v.Arr("pTextArray", o.pTextArray);
    v("sDisplayCondition", o.sDisplayCondition);
    v("saMarkerPids", o.saMarkerPids);
}

template <class V>
void Describe(V& v, const CExVia& o)
{
    v.Kind("CExVia");
    DescribeRouteObjBase(v, o);
    v.Obj("pLayerPair", o.pLayerPair);
    v("saViaOptions", o.saViaOptions);
    v("sPadstackName", o.sPadstackName);
    v("ptsPosition", o.ptsPosition);
    v.Arr("pTearDropDataArray", o.pTearDropDataArray);
    v("sNetName", o.sNetName);
}

template <class V>
void Describe(V& v, const CExTestPoint& o)
{
    v.Kind("CExTestPoint");
    DescribeRouteObjBase(v, o);
    v.Obj("pShape", o.pShape);
    v("saReserved", o.saReserved);
    v("sFacement", o.sFacement);
    v("sTestPointName", o.sTestPointName);
    v("sReserved", o.sReserved);
    v("sPadstackName", o.sPadstackName);
    v("sRotation", o.sRotation);
    v.Arr("pTextArray", o.pTextArray);
    v("ptsPosition", o.ptsPosition);
}

template <class V>
void Describe(V& v, const CExConductive_Area& o)
{
    v.Kind("CExConductive_Area");
    DescribeRouteObjBase(v, o);
    v("nPlaneId", o.nPlaneId);
    v("sHatchPattern", o.sHatchPattern);
    v("dHatchWidth", o.dHatchWidth);
    v("dHatchSpacing", o.dHatchSpacing);
    v.Obj("pShape", o.pShape);
    v("saAreaOptions", o.saAreaOptions);
    v("sRouteLayer", o.sRouteLayer);
    v("sNetName", o.sNetName);
    v("sDisplayCondition", o.sDisplayCondition);
}

// A route object of any of the four types.
template <class V>
void Describe(V& v, const CExRouteObj& o)
{
    if (!VisitExact<CExTrace, CExVia, CExTestPoint, CExConductive_Area>(o, [&v](const auto& r) { Describe(v, r); })) {
        v.Kind("CExRouteObj");
        DescribeRouteObjBase(v, o);
    }
}

template <class V>
void Describe(V& v, const CExNet& o)
{
    v.Kind("CExNet");
    v("sNetName", o.sNetName);
    v.Arr("pRouteObjArray", o.pRouteObjArray);
    v("saMarkerPids", o.saMarkerPids);
}

template <class V>
void Describe(V& v, const CExPlane_ActualShape& o)
{
    v.Kind("CExPlane_ActualShape");
    v.Arr("pShapeArray", o.pShapeArray);
    v.Arr("pTieLegArray", o.pTieLegArray);
    v.Arr("pHatchArray", o.pHatchArray);
    v("nPlaneId", o.nPlaneId);
}

template <class V>
void Describe(V& v, const CExPlane_Net& o)
{
    v.Kind("CExPlane_Net");
    v("sNetName", o.sNetName);
    v.Arr("pPlaneShapes", o.pPlaneShapes);
    v.Arr("pActualShapeArray", o.pActualShapeArray);
}

template <class V>
void Describe(V& v, const CExPlane_Lyr& o)
{
    v.Kind("CExPlane_Lyr");
    v("sPlaneLayer", o.sPlaneLayer);
    v("sPlaneType", o.sPlaneType);
    v.Arr("pPlaneNetArray", o.pPlaneNetArray);
}

// ---- padstack library ----------------------------------------------------

template <class V>
void Describe(V& v, const CExPad& o)
{
    v.Kind("CExPad");
    v("aOffsets", o.aOffsets);
    v("sName", o.sName);
    v.Arr("pDrawObjArray", o.pDrawObjArray);
}

template <class V>
void Describe(V& v, const CExHole& o)
{
    v.Kind("CExHole");
    v("sCustomSymbol", o.sCustomSymbol);
    v("sName", o.sName);
    v.Obj("pDrawObj", o.pDrawObj);
    v("dPositiveTolerance", o.dPositiveTolerance);
    v("dNegativeTolerance", o.dNegativeTolerance);
}

template <class V>
void Describe(V& v, const CExInternalPadLayerPAD& o)
{
    v.Kind("CExInternalPadLayerPAD");
    v("sOverridePad", o.sOverridePad);
    v("nLayer", o.nLayer);
}

template <class V>
void Describe(V& v, const CExPadstack& o)
{
    v.Kind("CExPadstack");
    v("sClearancePad", o.sClearancePad);
    v("sName", o.sName);
    v("sPadstackType", o.sPadstackType);
    v("sTopPad", o.sTopPad);
    v("sTopSoldermaskPad", o.sTopSoldermaskPad);
    v("sTopSolderpastePad", o.sTopSolderpastePad);
    v("sBottomPad", o.sBottomPad);
    v("sBottomSoldermaskPad", o.sBottomSoldermaskPad);
    v("sBottomSolderpastePad", o.sBottomSolderpastePad);
    v("sInternalPad", o.sInternalPad);
    v("sThermalPad", o.sThermalPad);
    v("sHoleName", o.sHoleName);
    v("saUserLyr", o.saUserLyr);
    v("saUserLyrPad", o.saUserLyrPad);
    v("saUserLyrDisplayCondition", o.saUserLyrDisplayCondition);
    v("aOffsets", o.aOffsets);
    v.Arr("pInternalPadLayerArray", o.pInternalPadLayerArray);
}

template <class V>
void Describe(V& v, const CExCustom_Drill_Symbol& o)
{
    v.Kind("CExCustom_Drill_Symbol");
    v.Arr("pDrawObjArray", o.pDrawObjArray);
    v("sName", o.sName);
}

template <class V>
void Describe(V& v, const CExPadstack_Library& o)
{
    v.Kind("CExPadstack_Library");
    v.Arr("pCustomDrillSymbolArray", o.pCustomDrillSymbolArray);
    v.Arr("pPadstackArray", o.pPadstackArray);
    v.Arr("pHoleArray", o.pHoleArray);
    v.Arr("pPadArray", o.pPadArray);
    v("sVersion", o.sVersion);
    v("sUnits", o.sUnits);
    v("sOutputInDbUnits", o.sOutputInDbUnits);
    v("sPadstackTechnology", o.sPadstackTechnology);
    v.Arr("pIgnoreLog", o.pIgnoreLog);
    v.Arr("pNotUsedLog", o.pNotUsedLog);
    v("dScale", o.dScale);
}

// ---- graphic records and dimensions --------------------------------------

template <class V>
void Describe(V& v, const CExGFX_Common&)
{
    v.Kind("CExGFX_Common");
}

template <class V>
void Describe(V& v, const CExAssembly_Outline& o)
{
    v.Kind("CExAssembly_Outline");
    v.Arr("pDrawObjArray", o.pDrawObjArray);
    v("sSide", o.sSide);
    v("sDisplayCondition", o.sDisplayCondition);
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pGfxCommonArray", o.pGfxCommonArray);
}

template <class V>
void Describe(V& v, const CExSilkScreen_Outline& o)
{
    v.Kind("CExSilkScreen_Outline");
    v.Arr("pDrawObjArray", o.pDrawObjArray);
    v("sSide", o.sSide);
    v("sDisplayCondition", o.sDisplayCondition);
    v.Arr("pTextArray", o.pTextArray);
}

template <class V>
void Describe(V& v, const CExMC_SolderMask& o)
{
    v.Kind("CExMC_SolderMask");
    v("sSide", o.sSide);
    v.Arr("pDrawObjArray", o.pDrawObjArray);
    v("sDisplayCondition", o.sDisplayCondition);
    v.Arr("pTextArray", o.pTextArray);
}

template <class V>
void Describe(V& v, const CExSolder_Paste& o)
{
    v.Kind("CExSolder_Paste");
    v.Arr("pDrawObjArray", o.pDrawObjArray);
    v("sSide", o.sSide);
    v("sDisplayCondition", o.sDisplayCondition);
}

template <class V>
void Describe(V& v, const CExPlacement_Keepout& o)
{
    v.Kind("CExPlacement_Keepout");
    v.Arr("pDrawObjArray", o.pDrawObjArray);
    v("dHeight", o.dHeight);
    v("sRouteLyr", o.sRouteLyr);
    v("sDisplayCondition", o.sDisplayCondition);
}

template <class V>
void Describe(V& v, const CExMounting_Hole& o)
{
    v.Kind("CExMounting_Hole");
    v("sNetName", o.sNetName);
    v("sPadstack", o.sPadstack);
    v("dRotation", o.dRotation);
    v("ptXY", o.ptXY);
    v.Obj("pLayerPair", o.pLayerPair);
    v.Arr("pTextArray", o.pTextArray);
}

template <class V>
void Describe(V& v, const CExFiducial& o)
{
    v.Kind("CExFiducial");
    v("ptXY", o.ptXY);
    v("dRotation", o.dRotation);
    v("sFacement", o.sFacement);
    v("sFiducialOptions", o.sFiducialOptions);
    v("sPadstack", o.sPadstack);
    v("sSide", o.sSide);
}

template <class V>
void Describe(V& v, const CExObstruct& o)
{
    v.Kind("CExObstruct");
    v.Obj("pDrawObj", o.pDrawObj);
    v("sRouteLyr", o.sRouteLyr);
    v("sKeywordValue", o.sKeywordValue);
    v.Arr("pTextArray", o.pTextArray);
    v("sDisplayCondition", o.sDisplayCondition);
    v("sMetalizationPin", o.sMetalizationPin);
    v("sActivation", o.sActivation);
}

template <class V>
void Describe(V& v, const CExGraphic& o)
{
    v.Kind("CExGraphic");
    v.Obj("pDrawObj", o.pDrawObj);
    v("sUserLyr", o.sUserLyr);
    v.Arr("pTextArray", o.pTextArray);
    v("sDisplayCondition", o.sDisplayCondition);
    v.Arr("pGfxCommonArray", o.pGfxCommonArray);
}

template <class V>
void Describe(V& v, const CExDimension& o)
{
    v.Kind("CExDimension");
    v.Arr("pGraphicArray", o.pGraphicArray);
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pAssemblyOutlineArray", o.pAssemblyOutlineArray);
    v("sDimensionType", o.sDimensionType);
    v("nDimensionSettingsId", o.nDimensionSettingsId);
}

template <class V>
void Describe(V& v, const CExDimension_Setting& o)
{
    v.Kind("CExDimension_Setting");
    v("nSettingsId", o.nSettingsId);
    v("sLayerName", o.sLayerName);
    v("sUnits", o.sUnits);
    v("nPrecision", o.nPrecision);
    v("sPositiveTolerance", o.sPositiveTolerance);
    v("sNegativeTolerance", o.sNegativeTolerance);
    v("sLeadingZero", o.sLeadingZero);
    v("sTrailingZeros", o.sTrailingZeros);
    v("sCommaForDecimal", o.sCommaForDecimal);
    v("sIncludeUnits", o.sIncludeUnits);
    v("sLineStyle", o.sLineStyle);
    v("dLineWidth", o.dLineWidth);
    v("sTerminatorStyle", o.sTerminatorStyle);
    v("dTerminatorHeight", o.dTerminatorHeight);
    v("dTerminatorWidth", o.dTerminatorWidth);
    v("sTextJustification", o.sTextJustification);
    v("dStackedTextDistance", o.dStackedTextDistance);
    v("dExtensionGap", o.dExtensionGap);
    v("sOrientation", o.sOrientation);
}

// ---- cells ---------------------------------------------------------------

template <class V>
void Describe(V& v, const CExPlacement_Outline& o)
{
    v.Kind("CExPlacement_Outline");
    v("dHeight", o.dHeight);
    v.Arr("pDrawObjArray", o.pDrawObjArray);
    v("sDisplayCondition", o.sDisplayCondition);
    v("sSide", o.sSide);
    v.Arr("pTextArray", o.pTextArray);
}

template <class V>
void Describe(V& v, const CExTooling_Hole& o)
{
    v.Kind("CExTooling_Hole");
    v("sPadstackName", o.sPadstackName);
    v("dRotation", o.dRotation);
    v("aXY", o.aXY);
    v("sToolingHoleOptions", o.sToolingHoleOptions);
}

template <class V>
void Describe(V& v, const CExPackage_Pin& o)
{
    v.Kind("CExPackage_Pin");
    v("saPinOptions", o.saPinOptions);
    v("dRotation", o.dRotation);
    v("sPadstackName", o.sPadstackName);
    v("sNetName", o.sNetName);
    v("aXY", o.aXY);
    v("sPinNumber", o.sPinNumber);
    v.Arr("pTextArray", o.pTextArray);
    v("sIsModifiedPadstack", o.sIsModifiedPadstack);
    v("saPadName", o.saPadName);
    v("saPadLyr", o.saPadLyr);
    v("saUserPadName", o.saUserPadName);
    v("saUserLyr", o.saUserLyr);
    v.Arr("pTearDropDataArray", o.pTearDropDataArray);
}

// Package and reusable-circuit cells share their members up to pFiducialArray.
template <class V>
void DescribePackageLike(V& v, const ex::PackageCellMembers& o)
{
    v("sMountType", o.sMountType);
    v.Arr("pGraphicArray", o.pGraphicArray);
    v.Arr("pObstructArray", o.pObstructArray);
    v.Arr("pAssemblyOutlineArray", o.pAssemblyOutlineArray);
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pSilkScreenOutlineArray", o.pSilkScreenOutlineArray);
    v.Arr("pPlacementKeepoutArray", o.pPlacementKeepoutArray);
    v.Arr("pPlacementOutlineArray", o.pPlacementOutlineArray);
    v.Arr("pPinArray", o.pPinArray);
    v.Arr("pMountingHoleArray", o.pMountingHoleArray);
    v.Arr("pSolderMaskArray", o.pSolderMaskArray);
    v.Arr("pSolderPasteArray", o.pSolderPasteArray);
    v.Arr("pRouteObjArray", o.pRouteObjArray);
    v("saHistory", o.saHistory);
    v("nNumberLayers", o.nNumberLayers);
    v("saComponentOptions", o.saComponentOptions);
    v("sFacement", o.sFacement);
    v("sPlacementLyr", o.sPlacementLyr);
    v("dRotation", o.dRotation);
    v("aXY", o.aXY);
    v("sPackageGroup", o.sPackageGroup);
    v("sCellName", o.sCellName);
    v("sDescription", o.sDescription);
    v.Arr("pFiducialArray", o.pFiducialArray);
}

template <class V>
void Describe(V& v, const CExPackage_Cell& o)
{
    v.Kind("CExPackage_Cell");
    DescribePackageLike(v, o);
    v.Arr("pDimensionSettingArray", o.pDimensionSettingArray);
    v.Arr("pDimensionArray", o.pDimensionArray);
}

template <class V>
void Describe(V& v, const CExReUseCircuit_Cell& o)
{
    v.Kind("CExReUseCircuit_Cell");
    DescribePackageLike(v, o);
}

template <class V>
void Describe(V& v, const CExPanel_Cell& o)
{
    v.Kind("CExPanel_Cell");
    v("sPanelType", o.sPanelType);
    v.Arr("pGraphicArray", o.pGraphicArray);
    v.Arr("pObstructArray", o.pObstructArray);
    v.Arr("pAssemblyOutlineArray", o.pAssemblyOutlineArray);
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pSilkScreenOutlineArray", o.pSilkScreenOutlineArray);
    v.Obj("pPlacementKeepout", o.pPlacementKeepout);
    v.Obj("pPlacementOutline", o.pPlacementOutline);
    v.Arr("pPinArray", o.pPinArray);
    v.Arr("pToolingHoleArray", o.pToolingHoleArray);
    v.Arr("pSolderMaskArray", o.pSolderMaskArray);
    v.Arr("pSolderPasteArray", o.pSolderPasteArray);
    v.Arr("pRouteObjArray", o.pRouteObjArray);
    v.Arr("pFiducialArray", o.pFiducialArray);
    v("saHistory", o.saHistory);
    v("nNumberLayers", o.nNumberLayers);
    v("saComponentOptions", o.saComponentOptions);
    v("sFacement", o.sFacement);
    v("sPlacementLyr", o.sPlacementLyr);
    v("dRotation", o.dRotation);
    v("aXY", o.aXY);
    v("sPackageGroup", o.sPackageGroup);
    v("sCellName", o.sCellName);
    v("sDescription", o.sDescription);
    v.Arr("pMountingHoleArray", o.pMountingHoleArray);
}

template <class V>
void Describe(V& v, const CExMechanical_Cell& o)
{
    v.Kind("CExMechanical_Cell");
    v.Obj("pPlacementKeepout", o.pPlacementKeepout);
    v.Arr("pSilkScreenOutlineArray", o.pSilkScreenOutlineArray);
    v.Arr("pSolderMaskArray", o.pSolderMaskArray);
    v.Arr("pSolderPasteArray", o.pSolderPasteArray);
    v.Arr("pMountingHoleArray", o.pMountingHoleArray);
    v.Arr("pFiducialArray", o.pFiducialArray);
    v.Arr("pObstructArray", o.pObstructArray);
    v("saHistory", o.saHistory);
    v.Arr("pTextArray", o.pTextArray);
    v.Obj("pPlacementOutline", o.pPlacementOutline);
    v.Arr("pGraphicArray", o.pGraphicArray);
    v.Arr("pAssemblyOutlineArray", o.pAssemblyOutlineArray);
    v("sPackageGroup", o.sPackageGroup);
    v("saComponentOptions", o.saComponentOptions);
    v("sFacement", o.sFacement);
    v("sPlacementLyr", o.sPlacementLyr);
    v("dRotation", o.dRotation);
    v("aXY", o.aXY);
    v("nNumberLayers", o.nNumberLayers);
    v("sCellName", o.sCellName);
    v("sDescription", o.sDescription);
    v.Arr("pRouteObjArray", o.pRouteObjArray);
}

template <class V>
void Describe(V& v, const CExDrawing_Cell& o)
{
    v.Kind("CExDrawing_Cell");
    v.Arr("pGraphicArray", o.pGraphicArray);
    v("sCellName", o.sCellName);
    v("aXY", o.aXY);
    v("dRotation", o.dRotation);
    v("saComponentOptions", o.saComponentOptions);
    v.Arr("pDrillGraphicArray", o.pDrillGraphicArray);
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pSilkScreenOutlineArray", o.pSilkScreenOutlineArray);
    v.Obj("pPlacementOutline", o.pPlacementOutline);
    v("saHistory", o.saHistory);
    v.Arr("pSolderMaskArray", o.pSolderMaskArray);
    v.Arr("pSolderPasteArray", o.pSolderPasteArray);
    v.Arr("pObstructArray", o.pObstructArray);
    v.Arr("pRouteObjArray", o.pRouteObjArray);
    v("nNumberLayers", o.nNumberLayers);
}

template <class V>
void Describe(V& v, const CExCell_Library& o)
{
    v.Kind("CExCell_Library");
    v.Arr("pPackageCellArray", o.pPackageCellArray);
    v.Arr("pMechanicalCellArray", o.pMechanicalCellArray);
    v.Arr("pDrawingCellArray", o.pDrawingCellArray);
    v.Arr("pPanelCellArray", o.pPanelCellArray);
    v.Arr("pReUseCircuitCellArray", o.pReUseCircuitCellArray);
    v("sVersion", o.sVersion);
    v("sOutputInDbUnits", o.sOutputInDbUnits);
    v("sUnits", o.sUnits);
    v("dScale", o.dScale);
    v.Arr("pIgnoreLog", o.pIgnoreLog);
    v.Arr("pNotUsedLog", o.pNotUsedLog);
}

// ---- the layout's own records and the layout ----------------------------

template <class V>
void Describe(V& v, const CExPanel_Board_Instance& o)
{
    v.Kind("CExPanel_Board_Instance");
    v("sInstanceName", o.sInstanceName);
    v("sJobName", o.sJobName);
    v("sVariantName", o.sVariantName);
    v("sLocalPath", o.sLocalPath);
    v("sSourcePath", o.sSourcePath);
    v("ptsInstanceOrigin", o.ptsInstanceOrigin);
    v("dRotation", o.dRotation);
    v("sFacement", o.sFacement);
    v("ptsReserved", o.ptsReserved);
    v.Arr("pShapeArray", o.pShapeArray);
}

template <class V>
void Describe(V& v, const CExDesignRule_Area& o)
{
    v.Kind("CExDesignRule_Area");
    v("sRouteLayer", o.sRouteLayer);
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pShapeArray", o.pShapeArray);
    v("sAreaName", o.sAreaName);
}

template <class V>
void Describe(V& v, const CExContour& o)
{
    v.Kind("CExContour");
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pShapeArray", o.pShapeArray);
    v("sComponent", o.sComponent);
    v("sDirection", o.sDirection);
    v("sHole", o.sHole);
    v("sContourName", o.sContourName);
}

template <class V>
void Describe(V& v, const CExLayout& o)
{
    v.Kind("CExLayout");
    v("sVersion", o.sVersion);
    v("sUnits", o.sUnits);
    v("sJobName", o.sJobName);
    v("sDate", o.sDate);
    v.Arr("pMechanicalCellArray", o.pMechanicalCellArray);
    v.Arr("pDimensionSettingArray", o.pDimensionSettingArray);
    v.Arr("pDimensionArray", o.pDimensionArray);
    v.Arr("pGraphicArray", o.pGraphicArray);
    v.Arr("pObstructArray", o.pObstructArray);
    v("ptsBoardOrigin", o.ptsBoardOrigin);
    v("ptsNcDrillOrigin", o.ptsNcDrillOrigin);
    v.Arr("pPackageCellArray", o.pPackageCellArray);
    v.Arr("pGeneratedDataArray", o.pGeneratedDataArray);
    v.Arr("pUpgApsDataArray", o.pUpgApsDataArray);
    v.Arr("pTextArray", o.pTextArray);
    v.Arr("pSilkScreenOutlineArray", o.pSilkScreenOutlineArray);
    v.Arr("pMountingHoleArray", o.pMountingHoleArray);
    v.Arr("pFiducialArray", o.pFiducialArray);
    v.Arr("pAssemblyOutlineShapes", o.pAssemblyOutlineShapes);
    v.Arr("pAssemblyOutlineTexts", o.pAssemblyOutlineTexts);
    v.Arr("pRouteOutline", o.pRouteOutline);
    v.Arr("pBoardOutline", o.pBoardOutline);
    v.Arr("pDrawingCellArray", o.pDrawingCellArray);
    v.Arr("pNetArray", o.pNetArray);
    v.Arr("pSolderMaskArray", o.pSolderMaskArray);
    v.Arr("pTearDropTemplateArray", o.pTearDropTemplateArray);
    v.Arr("pPanelCellArray", o.pPanelCellArray);
    v.Arr("pPanelOutline", o.pPanelOutline);
    v.Arr("pPanelBorder", o.pPanelBorder);
    v("ptsPanelOrigin", o.ptsPanelOrigin);
    v.Arr("pPanelBoardInstanceArray", o.pPanelBoardInstanceArray);
    v.Arr("pContourArray", o.pContourArray);
    v.Arr("pPlacementKeepoutArray", o.pPlacementKeepoutArray);
    v.Arr("pDesignRuleAreaArray", o.pDesignRuleAreaArray);
    v.Arr("pDrillGraphic", o.pDrillGraphic);
    v.Arr("pSolderPasteArray", o.pSolderPasteArray);
    v.Arr("pReUseCircuitCellArray", o.pReUseCircuitCellArray);
    v.Arr("pTestFixtureOutline", o.pTestFixtureOutline);
    v.Arr("pManufacturingOutline", o.pManufacturingOutline);
    v.Arr("pToolingHoleArray", o.pToolingHoleArray);
    v("dScale", o.dScale);
    v.Arr("pIgnoreLog", o.pIgnoreLog);
    v.Arr("pNotUsedLog", o.pNotUsedLog);
}

// ---- parts database ------------------------------------------------------

template <class V>
void Describe(V& v, const CExPartDataSlot& o)
{
    v.Kind("CExPartDataSlot");
    v("sSlotSwapGroup", o.sSlotSwapGroup);
    v("nSlotId", o.nSlotId);
    v("nSwapCode", o.nSwapCode);
    v("saPinNumbers", o.saPinNumbers);
}

template <class V>
void Describe(V& v, const CExPartDataSwapGrp& o)
{
    v.Kind("CExPartDataSwapGrp");
    v("sSwapGroup", o.sSwapGroup);
    v("saSwapIds", o.saSwapIds);
}

template <class V>
void Describe(V& v, const CExPartDataSymbol& o)
{
    v.Kind("CExPartDataSymbol");
    v("sSymbolName", o.sSymbolName);
    v("bDefault", o.bDefault);
    v("sSymbolSwapGroup", o.sSymbolSwapGroup);
    v("saPinNames", o.saPinNames);
}

template <class V>
void Describe(V& v, const CExPartData& o)
{
    v.Kind("CExPartData");
    v("sNumber", o.sNumber);
    v("sName", o.sName);
    v("bDefault", o.bDefault);
    v("sDesc", o.sDesc);
    v("sRefPrefix", o.sRefPrefix);
    v("sLabel", o.sLabel);
    v("sTopCell", o.sTopCell);
    v("sBottomCell", o.sBottomCell);
    v("saAltCells", o.saAltCells);
    v("sModified", o.sModified);
    v("saProps", o.saProps);
    v.Arr("pSwapGrpArray", o.pSwapGrpArray);
    v.Arr("pSymbolArray", o.pSymbolArray);
    v.Arr("pSlotArray", o.pSlotArray);
}

template <class V>
void Describe(V& v, const CExLibPart& o)
{
    v.Kind("CExLibPart");
    v.Arr("pPartDataArray", o.pPartDataArray);
    v("sUnits", o.sUnits);
    v.Arr("pIgnoreLog", o.pIgnoreLog);
    v.Arr("pNotUsedLog", o.pNotUsedLog);
}

// ---- net classes and properties ------------------------------------------

template <class V>
void Describe(V& v, const CExNetClass& o)
{
    v.Kind("CExNetClass");
    v("sName", o.sName);
    v("sNetNames", o.sNetNames);
}

template <class V>
void Describe(V& v, const CExRefPin&)
{
    v.Kind("CExRefPin");
}

template <class V>
void Describe(V& v, const CExNetConnection& o)
{
    v.Kind("CExNetConnection");
    v.Arr("pRefPinArray", o.pRefPinArray);
    v("sName", o.sName);
}

template <class V>
void Describe(V& v, const CExNetProp& o)
{
    v.Kind("CExNetProp");
    v("sNetName", o.sNetName);
    v("saPropNames", o.saPropNames);
    v("saPropValues", o.saPropValues);
}

// The three arrays of the net class file carry two logs besides their
// elements; the elements go under "elements".
template <class V, class T>
void DescribeNetArray(V& v, const ex::NetArray<T>& o, const char* kind)
{
    v.Kind(kind);
    v.Items("elements", o);
    v.Arr("pIgnoreLog", o.pIgnoreLog);
    v.Arr("pNotUsedLog", o.pNotUsedLog);
}
template <class V>
void Describe(V& v, const CExNetConnectionArray& o) { DescribeNetArray(v, o, "CExNetConnectionArray"); }
template <class V>
void Describe(V& v, const CExNetClassArray& o) { DescribeNetArray(v, o, "CExNetClassArray"); }
template <class V>
void Describe(V& v, const CExNetPropArray& o) { DescribeNetArray(v, o, "CExNetPropArray"); }

// ---- the root ------------------------------------------------------------

template <class V>
void Describe(V& v, const CExExpedition& o)
{
    v.Kind("CExExpedition");
    v.Obj("pNetConnectionArray", o.pNetConnectionArray);
    v.Obj("pNetClassArray", o.pNetClassArray);
    v.Obj("pNetPropArray", o.pNetPropArray);
    v.Obj("pPadstackLibrary", o.pPadstackLibrary);
    v.Obj("pCellLibrary", o.pCellLibrary);
    v.Obj("pLayout", o.pLayout);
    v.Obj("pJobPreferences", o.pJobPreferences);
    v.Obj("pLibPart", o.pLibPart);
}

} // namespace exload
