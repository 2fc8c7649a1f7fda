#pragma once

// Declarations of the classes of the tree (shapes and route objects down to
// their base class), for headers that only hold or pass pointers to them.
// Such a header includes this instead of the classes' own headers; the .cpp
// that creates, deletes or reads the objects includes those.

// core
class CExExpedition;
class CExTemporary;
class CExTemporaryArray;

// shapes
class CExDrawObj;
class CExDrawObjArray;

// jobprefs
class CExJobPreferences;
class CExJobPreferenceVia;
class CExJobPreferenceViaArray;
class CExLayerPair;
class CExLayer_Stackup;
class CExLayer_StackupArray;

// padstack
class CExCustom_Drill_Symbol;
class CExCustom_Drill_SymbolArray;
class CExHole;
class CExHoleArray;
class CExInternalPadLayerPAD;
class CExInternalPadLayerPADArray;
class CExPad;
class CExPadArray;
class CExPadstack;
class CExPadstackArray;
class CExPadstack_Library;

// cell
class CExCell_Library;
class CExDrawing_Cell;
class CExDrawing_CellArray;
class CExMechanical_Cell;
class CExMechanical_CellArray;
class CExNested_Cell;
class CExNested_CellArray;
class CExPackage_Cell;
class CExPackage_CellArray;
class CExPackage_Pin;
class CExPackage_PinArray;
class CExPanel_Cell;
class CExPanel_CellArray;
class CExPlacement_Outline;
class CExPlacement_OutlineArray;
class CExReUseCircuit_Cell;
class CExReUseCircuit_CellArray;
class CExTooling_Hole;
class CExTooling_HoleArray;

// graphics
class CExAssembly_Outline;
class CExAssembly_OutlineArray;
class CExDimension;
class CExDimensionArray;
class CExDimension_Setting;
class CExDimension_SettingArray;
class CExFiducial;
class CExFiducialArray;
class CExGFX_Common;
class CExGFX_CommonArray;
class CExGraphic;
class CExGraphicArray;
class CExMC_SolderMask;
class CExMC_SolderMaskArray;
class CExMounting_Hole;
class CExMounting_HoleArray;
class CExObstruct;
class CExObstructArray;
class CExPlacement_Keepout;
class CExPlacement_KeepoutArray;
class CExSilkScreen_Outline;
class CExSilkScreen_OutlineArray;
class CExSolder_Paste;
class CExSolder_PasteArray;

// layout
class CExContour;
class CExContourArray;
class CExDesignRule_Area;
class CExDesignRule_AreaArray;
class CExLayout;
class CExNet;
class CExNetArray;
class CExPanel_Board_Instance;
class CExPanel_Board_InstanceArray;
class CExPlane_ActualShape;
class CExPlane_ActualShapeArray;
class CExPlane_Lyr;
class CExPlane_LyrArray;
class CExPlane_Net;
class CExPlane_NetArray;
class CExRouteObj;
class CExRouteObjArray;
class CExTearDrop_Data;
class CExTearDrop_DataArray;
class CExTearDrop_Template;
class CExTearDrop_TemplateArray;
class CExText;
class CExTextArray;

// parts
class CExLibPart;
class CExPartData;
class CExPartDataArray;
class CExPartDataSlot;
class CExPartDataSlotArray;
class CExPartDataSwapGrp;
class CExPartDataSwapGrpArray;
class CExPartDataSymbol;
class CExPartDataSymbolArray;

// netclass
class CExNetClass;
class CExNetClassArray;
class CExNetConnection;
class CExNetConnectionArray;
class CExNetProp;
class CExNetPropArray;
class CExRefPin;
class CExRefPinArray;

// The arguments a parser hands on (parsers only include its definition).
namespace ex {
struct ParseContext;
}
