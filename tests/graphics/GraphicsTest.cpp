#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "graphics/ExAssembly_Outline.h"
#include "graphics/ExDimension.h"
#include "graphics/ExDimension_Setting.h"
#include "graphics/ExFiducial.h"
#include "graphics/ExGFX_Common.h"
#include "graphics/ExGraphic.h"
#include "graphics/ExMC_SolderMask.h"
#include "graphics/ExMounting_Hole.h"
#include "graphics/ExObstruct.h"
#include "graphics/ExPlacement_Keepout.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "graphics/ExSolder_Paste.h"
#include "jobprefs/ExLayerPair.h"
#include "layout/ExText.h"
#include "shapes/ExDimension_Data.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExRound.h"
#include "shapes/ExSquare.h"
#include "support/Fields.h"
#include "support/Records.h"

using test::Lines;
using test::Logs;
using test::ReadAtLevel;

// Every graphic record is read at level 1 in a layout and at level 2 in a
// cell; each test runs both.
constexpr int kLevels[] = {1, 2};

// The element a record makes, as text.
template <class Array, auto Op, int Scale = 1>
std::string Read(int level, const Lines& record, Logs& logs)
{
    Array array;
    const auto* element = ReadAtLevel(array, Op, level, record, logs, Scale);
    return element ? test::Fields(*element) : "";
}

TEST(DimensionSetting, EveryKeywordAtBothLevels)
{
    using S = CExDimension_Setting;
    const test::Row<S> rows[] = {
        {{"..LAYERNAME \"Dim Layer\""}, &S::sLayerName, "Dim Layer"},
        {{"..UNITS MM"}, &S::sUnits, "MM"},
        {{"..PRECISION 3"}, &S::nPrecision, 3},
        {{"..PRECISION high"}, &S::nPrecision, 0},
        {{}, &S::nPrecision, 4},
        {{"..POSITIVE_TOLERANCE 0.1"}, &S::sPositiveTolerance, "0.1"},
        {{"..NEGATIVE_TOLERANCE 0.2"}, &S::sNegativeTolerance, "0.2"},
        {{"..LEADINGZERO Yes"}, &S::sLeadingZero, "Yes"},
        {{"..TRAILINGZEROS No"}, &S::sTrailingZeros, "No"},
        {{"..COMMAFORDECIMAL No"}, &S::sCommaForDecimal, "No"},
        {{"..INCLUDEUNITS Yes"}, &S::sIncludeUnits, "Yes"},
        {{"..LINESTYLE Solid"}, &S::sLineStyle, "Solid"},
        {{"..LINEWIDTH 1", "...DEEP 1"}, &S::dLineWidth, 10.0},
        {{"..TERMINATORSTYLE Arrow"}, &S::sTerminatorStyle, "Arrow"},
        {{"..TERMINATORHEIGHT 2"}, &S::dTerminatorHeight, 20.0},
        {{"..TERMINATORWIDTH 3"}, &S::dTerminatorWidth, 30.0},
        {{"..TEXTJUSTIFICATION Center"}, &S::sTextJustification, "Center"},
        {{"..STACKEDTEXTDISTANCE 4"}, &S::dStackedTextDistance, 40.0},
        {{"..EXTENSIONGAP 5"}, &S::dExtensionGap, 50.0},
        {{"..ORIENTATION Horizontal"}, &S::sOrientation, "Horizontal"},
    };
    for (int level : kLevels) {
        SCOPED_TRACE(level);
        Logs logs;
        CExDimension_SettingArray settings;
        auto read = [&](const Lines& record) {
            return ReadAtLevel(settings, &CExDimension_SettingArray::SetDimensionSettingData, level, record, logs,
                               10.0);
        };
        test::ExpectRows(".DIMENSION_SETTINGS 3", rows, read);
        EXPECT_EQ(settings.GetAt(0)->nSettingsId, 3);
        EXPECT_EQ(read({".DIMENSION_SETTINGS \"7\""})->nSettingsId, 7);

        // Every keyword the model does not keep leaves no trace; others are logged.
        Lines record = {".DIMENSION_SETTINGS 1"};
        for (std::string_view skipped :
             {"ADDALLAROUNDSYMBOL", "ADDCROSSHAIR", "AUTOLEADERLINE", "CROSSHAIRHEIGHT", "CROSSHAIRWIDTH", "DIMMETHOD",
              "DIMMEASUREMENT", "DIMSTYLE", "DIMCRIT", "DIMOBJ", "DIMORGXY", "DIMORIGINPOSITION", "DIMINSIDE",
              "ENFORCEASME", "ENABLEDUALDIM", "FRAMELINEWIDTH", "IMPLIEDDIM", "LOWDIMSTYLE", "LOWERTOLERANCESTYLE",
              "LOWERUNITS", "LOWERPRECISION", "LOWERLEADINGZERO", "LOWERTRAILINGZERO", "LOWERCOMMA",
              "LOWERINCLUDEUNITS", "LEADINGDIMTEXT", "LOWPOSTOL", "LOWNEGTOL", "SHOWDIADIM", "TOLERANCESTYLE",
              "TRAILINGDIMTEXT", "TRAILINGTOLTEXT", "UNFORMATTED"})
            record.push_back(".." + std::string(skipped) + " 9");
        record.insert(record.end(), {"..UNKNOWN_SETTING 9", "...UNDER_IT 1"});
        read(record);
        EXPECT_EQ(test::Entries(logs.notUsed), Lines{".UNKNOWN_SETTING|9|1|CTX|3|..UNDER_IT 1"});
    }
}

// The graphic record parsers, each on a record that holds every keyword it
// knows and some it does not, at both levels.
TEST(GraphicRecord, EveryParserReadsItsRecord)
{
    const struct {
        Lines record;
        std::string (*read)(int level, const Lines& record, Logs& logs);
        const char* expected;
        Lines logged;
    } rows[] = {
        // The graphic's own children reach it whatever the nesting.
        {{".DIMENSION", "..DIMENSION_TYPE LINEAR", "..DIMENSION_SETTINGS_ID 3", "..GRAPHIC", "...USER_LYR Notes",
          "...POLYLINE_PATH", "....WIDTH 2", "....XY (0,0) (5,0)", "..ASSEMBLY_OUTLINE", "...SIDE TOP", "...ROUND",
          "....DIAMETER 1", "..TEXT \"12.5\"", "...HEIGHT 1", "..LEADERVERTEX 1", "..OFFSET 2", "..PID 3", "..FOO 1",
          "...BAR 2"},
         &Read<CExDimensionArray, &CExDimensionArray::SetDimensionData, 2>,
         "pGraphicArray=[CExGraphic{pDrawObj=CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(10,0) dWidth=4} "
         "sUserLyr=Notes}] pTextArray=[CExText{sText=12.5 sTextValue=12.5 dHeight=2}] "
         "pAssemblyOutlineArray=[CExAssembly_Outline{pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=2}] "
         "sSide=TOP}] sDimensionType=LINEAR nDimensionSettingsId=3",
         {".FOO|1|1|CTX|3|..BAR 2"}},
        {{".ASSEMBLY_OUTLINE", "..SIDE TOP", "..DISPLAY_CONDITION \"Always\"", "..POLYLINE_PATH", "...WIDTH 5",
          "...XY (0,0) (10,0)", "..ROUND", "...DIAMETER 2", "..TEXT \"REF\"", "...HEIGHT 1", "..PID 7",
          "..GFX_COMMON", "...ANY thing", "..UNDERSIDE_SPACE 1", "..DISPLAY_WIDTH 3"},
         &Read<CExAssembly_OutlineArray, &CExAssembly_OutlineArray::SetAssemblyData, 2>,
         "pDrawObjArray=[CExPolyline_Path{sShapeType=POLYLINE_PATH aXY=(0,0)(20,0) dWidth=10} "
         "CExRound{sShapeType=ROUND dDiameter=4}] sSide=TOP sDisplayCondition=Always "
         "pTextArray=[CExText{sText=REF sTextValue=REF dHeight=2}]",
         {}},
        // Later values win.
        {{".SILKSCREEN_OUTLINE", "..FOO 1", "...BAR x", "..SIDE BOTTOM", "..side \"Top\"", "..GFX_COMMON",
          "..PID 4", "..TEXT \"S\"", "..SQUARE", "...WIDTH 1"},
         &Read<CExSilkScreen_OutlineArray, &CExSilkScreen_OutlineArray::SetSilkOutData>,
         "pDrawObjArray=[CExSquare{sShapeType=SQUARE dWidth=1}] sSide=Top pTextArray=[CExText{sText=S sTextValue=S}]",
         {".FOO|1|1|CTX|3|..BAR x"}},
        // Solder masks read the same keywords into their own members.
        {{".MC_SOLDERMASK", "..SIDE TOP", "..TEXT \"M\"", "..ROUND", "...DIAMETER 1", "..HEIGHT 2",
          "..DISPLAY_CONDITION On"},
         &Read<CExMC_SolderMaskArray, &CExMC_SolderMaskArray::SetSolderMaskData>,
         "sSide=TOP pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=1}] sDisplayCondition=On "
         "pTextArray=[CExText{sText=M sTextValue=M}]",
         {".HEIGHT|2|1|CTX|3"}},
        // Paste has no texts: its ".TEXT" leaves no trace; shapes accumulate.
        {{".SOLDER_PASTE", "..TEXT \"P\"", "...HEIGHT 1", "..ROUND", "...DIAMETER 1", "..SQUARE", "...WIDTH 1",
          "..SIDE BOTTOM"},
         &Read<CExSolder_PasteArray, &CExSolder_PasteArray::SetSolderPaste>,
         "pDrawObjArray=[CExRound{sShapeType=ROUND dDiameter=1} CExSquare{sShapeType=SQUARE dWidth=1}] sSide=BOTTOM",
         {}},
        {{".PLACEMENT_KEEPOUT", "..HEIGHT 2.5", "...IGNORED 1", "..ROUTE_LYR \"All\"", "..TEXT \"K\"",
          "..DISPLAY_WIDTH 1", "..RECT_SHAPE", "...XY (0,0) (1,1)"},
         &Read<CExPlacement_KeepoutArray, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData, 10>,
         "pDrawObjArray=[CExRect_Shape{sShapeType=RECT_SHAPE aXY=(0,0)(10,10)}] dHeight=25 sRouteLyr=All",
         {}},
        // Angles are not scaled; a third pair line replaces the to layer.
        {{".MOUNTING_HOLE", "..NETNAME \"GND\"", "..PADSTACK MH3", "..LAYER_PAIR 1", "..LAYER_PAIR 4",
          "..LAYER_PAIR 6", "..ROTATION 90", "..XY (1, 2)", "..MOUNTING_HOLE_OPTIONS PLATED", "..TEXT \"H\"",
          "..FOO"},
         &Read<CExMounting_HoleArray, &CExMounting_HoleArray::SetMountingHoleData, 2>,
         "sNetName=GND sPadstack=MH3 dRotation=90 ptXY=(2,4) pLayerPair=CExLayerPair{sFromLayer=1 sToLayer=6} "
         "pTextArray=[CExText{sText=H sTextValue=H}]",
         {".FOO||1|CTX|3"}},
        // Fiducials know no net.
        {{".FIDUCIAL", "..XY (1, 2)", "..xy 3, 4", "..ROTATION 90", "..FACEMENT TOP", "..FIDUCIAL_OPTIONS \"Global\"",
          "..PADSTACK FID1", "..SIDE BOTTOM", "..LAYER_PAIR 1", "..PID 2", "..TEXT \"F\"", "..NETNAME GND"},
         &Read<CExFiducialArray, &CExFiducialArray::SetFiducialData, 2>,
         "ptXY=(2,4)(6,8) dRotation=90 sFacement=TOP sFiducialOptions=Global sPadstack=FID1 sSide=BOTTOM",
         {".NETNAME|GND|1|CTX|3"}},
        // Obstructs and graphics keep the last shape; dimension data is a
        // shape of an obstruct, but not of a graphic, which logs it.
        {{".OBSTRUCT \"Route Obstruct\"", "..ROUTE_LYR 2", "..ACTIVATION Always", "..METALIZATION_PIN P1",
          "..DISPLAY_CONDITION On", "..TEXT \"O\"", "..ROUND", "...DIAMETER 1", "..SQUARE", "...WIDTH 3"},
         &Read<CExObstructArray, &CExObstructArray::SetObstructData, 2>,
         "pDrawObj=CExSquare{sShapeType=SQUARE dWidth=6} sRouteLyr=2 sKeywordValue=Route Obstruct "
         "pTextArray=[CExText{sText=O sTextValue=O}] sDisplayCondition=On sMetalizationPin=P1 sActivation=Always",
         {}},
        {{".OBSTRUCT O", "..DIMENSION_DATA", "...FEATURE Edge"},
         &Read<CExObstructArray, &CExObstructArray::SetObstructData>,
         "pDrawObj=CExDimension_Data{sShapeType=DIMENSION_DATA sFeature=Edge} sKeywordValue=O",
         {}},
        {{".GRAPHIC", "..USER_LYR \"Notes\"", "..SQUARE", "...WIDTH 1", "..POLYLINE_PATH", "...WIDTH 2",
          "..DIMENSION_DATA", "...FEATURE Edge", "..GFX_COMMON", "..TEXT \"G\""},
         &Read<CExGraphicArray, &CExGraphicArray::SetGraphicData>,
         "pDrawObj=CExPolyline_Path{sShapeType=POLYLINE_PATH dWidth=2} sUserLyr=Notes "
         "pTextArray=[CExText{sText=G sTextValue=G}]",
         {".DIMENSION_DATA||1|CTX|3|..FEATURE Edge"}},
        // Records of their keyword line alone: graphics and obstructs hold a
        // plain shape until one is read.
        {{".GRAPHIC"},
         &Read<CExGraphicArray, &CExGraphicArray::SetGraphicData>,
         "pDrawObj=CExDrawObj{}",
         {}},
        {{".MOUNTING_HOLE"},
         &Read<CExMounting_HoleArray, &CExMounting_HoleArray::SetMountingHoleData>,
         "pLayerPair=CExLayerPair{}",
         {}},
    };
    for (int level : kLevels)
        for (const auto& row : rows) {
            Logs logs;
            EXPECT_EQ(row.read(level, row.record, logs), row.expected) << row.record[0] << " at level " << level;
            EXPECT_EQ(test::Entries(logs.notUsed), row.logged) << row.record[0] << " at level " << level;
            EXPECT_TRUE(logs.ignore.IsEmpty());
        }

    // A line shallower than the children belongs to none.
    Logs stray;
    EXPECT_EQ((Read<CExSilkScreen_OutlineArray, &CExSilkScreen_OutlineArray::SetSilkOutData>(
                  2, {".SILKSCREEN_OUTLINE", ".STRAY 1", "..SIDE TOP"}, stray)),
              "sSide=TOP");
    EXPECT_TRUE(stray.notUsed.IsEmpty());

    // An empty record makes no element; a line without a blank is its own value.
    Logs logs;
    CExSilkScreen_OutlineArray silk;
    EXPECT_EQ(ReadAtLevel(silk, &CExSilkScreen_OutlineArray::SetSilkOutData, 1, {}, logs), nullptr);
    CExObstructArray obstructs;
    EXPECT_EQ(ReadAtLevel(obstructs, &CExObstructArray::SetObstructData, 2, {}, logs), nullptr);
    EXPECT_EQ(test::Fields(*ReadAtLevel(obstructs, &CExObstructArray::SetObstructData, 1, {".OBSTRUCT"}, logs)),
              "pDrawObj=CExDrawObj{} sKeywordValue=.OBSTRUCT");
}

// A cell's own keepout is filled in place, twice: shapes add up, the height
// is replaced, nothing is appended anywhere.
TEST(GraphicRecord, SetKeepoutDataFillsTheGivenKeepout)
{
    for (int level : kLevels) {
        Logs logs;
        CExPlacement_Keepout own;
        Lines first = test::Deeper({".PLACEMENT_KEEPOUT", "..HEIGHT 2.5", "..ROUTE_LYR \"All\"", "..RECT_SHAPE"},
                                   level - 1);
        Lines second = test::Deeper({".PLACEMENT_KEEPOUT", "..HEIGHT 1", "..ROUND", "...DIAMETER 1"}, level - 1);
        own.SetKeepoutData(level, first, "CTX", 3, &logs.ignore, &logs.notUsed, 10.0);
        own.SetKeepoutData(level, second, "CTX", 3, &logs.ignore, &logs.notUsed, 10.0);
        EXPECT_TRUE(first.empty() && second.empty());
        EXPECT_EQ(test::Fields(own), "pDrawObjArray=[CExRect_Shape{sShapeType=RECT_SHAPE} "
                                     "CExRound{sShapeType=ROUND dDiameter=10}] dHeight=10 sRouteLyr=All")
            << level;
    }
}
