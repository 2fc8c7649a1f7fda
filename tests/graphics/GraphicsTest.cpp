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
#include "support/Records.h"

using test::Lines;
using test::Logs;
using test::ReadAtLevel;

// Every graphic record is read at level 1 in a layout and at level 2 in a
// cell; each test runs both.
constexpr int kLevels[] = {1, 2};

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

TEST(Dimension, CellAndLayoutFormsGiveTheSameDimension)
{
    const Lines layoutForm = {".DIMENSION", "..DIMENSION_TYPE LINEAR", "..DIMENSION_SETTINGS_ID 3", "..GRAPHIC",
                              "...USER_LYR Notes", "...POLYLINE_PATH", "....WIDTH 2", "....XY (0,0) (5,0)",
                              "..ASSEMBLY_OUTLINE", "...SIDE TOP", "...ROUND", "....DIAMETER 1", "..TEXT \"12.5\"",
                              "...HEIGHT 1", "..LEADERVERTEX 1", "..OFFSET 2", "..PID 3", "..FOO 1", "...BAR 2"};
    for (int level : kLevels) {
        SCOPED_TRACE(level);
        Logs logs;
        CExDimensionArray dimensions;
        CExDimension* d = ReadAtLevel(dimensions, &CExDimensionArray::SetDimensionData, level, layoutForm, logs, 2.0);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->sDimensionType, "LINEAR");
        EXPECT_EQ(d->nDimensionSettingsId, 3);
        // The graphic's own children reach it whatever the nesting.
        ASSERT_EQ(d->pGraphicArray->GetSize(), 1);
        EXPECT_EQ(d->pGraphicArray->GetAt(0)->sUserLyr, "Notes");
        auto* path = dynamic_cast<CExPolyline_Path*>(d->pGraphicArray->GetAt(0)->pDrawObj);
        ASSERT_NE(path, nullptr);
        EXPECT_DOUBLE_EQ(path->dWidth, 4.0);
        EXPECT_EQ(path->aXY.GetSize(), 2);
        ASSERT_EQ(d->pAssemblyOutlineArray->GetSize(), 1);
        EXPECT_EQ(d->pAssemblyOutlineArray->GetAt(0)->sSide, "TOP");
        EXPECT_EQ(d->pAssemblyOutlineArray->GetAt(0)->pDrawObjArray->GetSize(), 1);
        ASSERT_EQ(d->pTextArray->GetSize(), 1);
        EXPECT_DOUBLE_EQ(d->pTextArray->GetAt(0)->dHeight, 2.0);
        EXPECT_EQ(test::Entries(logs.notUsed), Lines{".FOO|1|1|CTX|3|..BAR 2"});
        EXPECT_TRUE(logs.ignore.IsEmpty());
    }
}

TEST(GraphicRecord, AssemblyOutline)
{
    const Lines record = {".ASSEMBLY_OUTLINE", "..SIDE TOP", "..DISPLAY_CONDITION \"Always\"", "..POLYLINE_PATH",
                          "...WIDTH 5", "...XY (0,0) (10,0)", "..ROUND", "...DIAMETER 2", "..TEXT \"REF\"",
                          "...HEIGHT 1", "..PID 7", "..GFX_COMMON", "...ANY thing", "..UNDERSIDE_SPACE 1",
                          "..DISPLAY_WIDTH 3"};
    for (int level : kLevels) {
        SCOPED_TRACE(level);
        Logs logs;
        CExAssembly_OutlineArray outlines;
        CExAssembly_Outline* o =
            ReadAtLevel(outlines, &CExAssembly_OutlineArray::SetAssemblyData, level, record, logs, 2.0);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->sSide, "TOP");
        EXPECT_EQ(o->sDisplayCondition, "Always");
        ASSERT_EQ(o->pDrawObjArray->GetSize(), 2);
        auto* path = dynamic_cast<CExPolyline_Path*>(o->pDrawObjArray->GetAt(0));
        ASSERT_NE(path, nullptr);
        EXPECT_DOUBLE_EQ(path->dWidth, 10.0);
        EXPECT_DOUBLE_EQ(path->aXY[1].dX, 20.0);
        auto* round = dynamic_cast<CExRound*>(o->pDrawObjArray->GetAt(1));
        ASSERT_NE(round, nullptr);
        EXPECT_DOUBLE_EQ(round->dDiameter, 4.0);
        ASSERT_EQ(o->pTextArray->GetSize(), 1);
        EXPECT_DOUBLE_EQ(o->pTextArray->GetAt(0)->dHeight, 2.0);
        EXPECT_TRUE(o->pGfxCommonArray->IsEmpty());
        EXPECT_TRUE(logs.notUsed.IsEmpty() && logs.ignore.IsEmpty());
    }
}

TEST(GraphicRecord, EveryRecordMakesOneElementAndEmptyRecordsNone)
{
    Logs logs;
    CExSilkScreen_OutlineArray silk;
    CExPlacement_KeepoutArray keepouts;
    CExObstructArray obstructs;
    CExGraphicArray graphics;
    CExMounting_HoleArray holes;
    EXPECT_EQ(ReadAtLevel(silk, &CExSilkScreen_OutlineArray::SetSilkOutData, 1, {}, logs), nullptr);
    EXPECT_EQ(ReadAtLevel(obstructs, &CExObstructArray::SetObstructData, 2, {}, logs), nullptr);

    CExSilkScreen_Outline* s =
        ReadAtLevel(silk, &CExSilkScreen_OutlineArray::SetSilkOutData, 1, {".SILKSCREEN_OUTLINE"}, logs);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->sSide.empty() && s->pDrawObjArray->IsEmpty() && s->pTextArray->IsEmpty());
    EXPECT_NE(ReadAtLevel(keepouts, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData, 2, {".PLACEMENT_KEEPOUT"},
                          logs),
              nullptr);
    // Obstructs and graphics hold a plain shape until one is read.
    CExObstruct* ob = ReadAtLevel(obstructs, &CExObstructArray::SetObstructData, 1, {".OBSTRUCT"}, logs);
    ASSERT_NE(ob, nullptr);
    ASSERT_NE(ob->pDrawObj, nullptr);
    EXPECT_TRUE(ob->pDrawObj->sShapeType.empty());
    EXPECT_EQ(ob->sKeywordValue, ".OBSTRUCT");  // a line without a blank is its own value
    CExGraphic* g = ReadAtLevel(graphics, &CExGraphicArray::SetGraphicData, 2, {".GRAPHIC"}, logs);
    ASSERT_NE(g, nullptr);
    EXPECT_NE(g->pDrawObj, nullptr);
    CExMounting_Hole* h =
        ReadAtLevel(holes, &CExMounting_HoleArray::SetMountingHoleData, 1, {".MOUNTING_HOLE"}, logs);
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->pLayerPair->sFromLayer.empty() && h->pLayerPair->sToLayer.empty());
    EXPECT_TRUE(logs.notUsed.IsEmpty());
}

TEST(GraphicRecord, OutlinesMasksAndPasteLogUnknownChildrenAndKeepTheLastValue)
{
    for (int level : kLevels) {
        SCOPED_TRACE(level);
        Logs logs;
        CExSilkScreen_OutlineArray silk;
        // A line shallower than the children (after the shift: ".STRAY 1" in
        // a level-2 record) belongs to no child and is dropped.
        Lines record = {".SILKSCREEN_OUTLINE", "..FOO 1", "...BAR x", "..SIDE BOTTOM", "..side \"Top\"",
                        "..GFX_COMMON", "..PID 4", "..TEXT \"S\"", "..SQUARE", "...WIDTH 1"};
        if (level == 2)
            record.insert(record.begin() + 1, ".STRAY 1");
        CExSilkScreen_Outline* s = ReadAtLevel(silk, &CExSilkScreen_OutlineArray::SetSilkOutData, level, record, logs);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->sSide, "Top");
        EXPECT_EQ(s->pTextArray->GetSize(), 1);
        EXPECT_EQ(s->pDrawObjArray->GetSize(), 1);

        // Solder masks read the same keywords into their own members.
        CExMC_SolderMaskArray masks;
        CExMC_SolderMask* m = ReadAtLevel(masks, &CExMC_SolderMaskArray::SetSolderMaskData, level,
                                          {".MC_SOLDERMASK", "..SIDE TOP", "..TEXT \"M\"", "..ROUND",
                                           "...DIAMETER 1", "..HEIGHT 2", "..DISPLAY_CONDITION On"},
                                          logs);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->sSide, "TOP");
        EXPECT_EQ(m->sDisplayCondition, "On");
        EXPECT_EQ(m->pTextArray->GetSize(), 1);
        EXPECT_EQ(m->pDrawObjArray->GetSize(), 1);

        // Paste has no texts: its ".TEXT" leaves no trace; shapes accumulate.
        CExSolder_PasteArray pastes;
        CExSolder_Paste* p = ReadAtLevel(pastes, &CExSolder_PasteArray::SetSolderPaste, level,
                                         {".SOLDER_PASTE", "..TEXT \"P\"", "...HEIGHT 1", "..ROUND", "...DIAMETER 1",
                                          "..SQUARE", "...WIDTH 1", "..SIDE BOTTOM"},
                                         logs);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->sSide, "BOTTOM");
        EXPECT_EQ(p->pDrawObjArray->GetSize(), 2);
        EXPECT_EQ(test::Entries(logs.notUsed), (Lines{".FOO|1|1|CTX|3|..BAR x", ".HEIGHT|2|1|CTX|3"}));
        EXPECT_TRUE(logs.ignore.IsEmpty());
    }
}

TEST(GraphicRecord, KeepoutHeightIsScaledAndSetKeepoutDataFillsTheGivenKeepout)
{
    const Lines record = {".PLACEMENT_KEEPOUT", "..HEIGHT 2.5", "...IGNORED 1", "..ROUTE_LYR \"All\"",
                          "..TEXT \"K\"", "..DISPLAY_WIDTH 1", "..RECT_SHAPE", "...XY (0,0) (1,1)"};
    for (int level : kLevels) {
        SCOPED_TRACE(level);
        Logs logs;
        CExPlacement_KeepoutArray keepouts;
        CExPlacement_Keepout* k =
            ReadAtLevel(keepouts, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData, level, record, logs, 10.0);
        ASSERT_NE(k, nullptr);
        EXPECT_DOUBLE_EQ(k->dHeight, 25.0);
        EXPECT_EQ(k->sRouteLyr, "All");
        EXPECT_EQ(k->pDrawObjArray->GetSize(), 1);
        EXPECT_TRUE(logs.notUsed.IsEmpty());

        // A cell's own keepout: filled in place, twice; shapes add up, the
        // height is replaced, nothing is appended anywhere.
        CExPlacement_Keepout own;
        Lines first = test::Deeper(record, level - 1);
        Lines second = test::Deeper({".PLACEMENT_KEEPOUT", "..HEIGHT 1", "..ROUND", "...DIAMETER 1"}, level - 1);
        own.SetKeepoutData(level, first, "CTX", 3, &logs.ignore, &logs.notUsed, 10.0);
        own.SetKeepoutData(level, second, "CTX", 3, &logs.ignore, &logs.notUsed, 10.0);
        EXPECT_TRUE(first.empty() && second.empty());
        EXPECT_DOUBLE_EQ(own.dHeight, 10.0);
        EXPECT_EQ(own.sRouteLyr, "All");
        EXPECT_EQ(own.pDrawObjArray->GetSize(), 2);
        EXPECT_EQ(keepouts.GetSize(), 1);
    }
}

TEST(GraphicRecord, MountingHolesAndFiducials)
{
    using H = CExMounting_Hole;
    const test::Row<H> holeRows[] = {
        {{"..NETNAME \"GND\""}, &H::sNetName, "GND"},
        {{"..PADSTACK MH3"}, &H::sPadstack, "MH3"},
        {{"..ROTATION 90"}, &H::dRotation, 90},  // angles are not scaled
    };
    using F = CExFiducial;
    const test::Row<F> fiducialRows[] = {
        {{"..ROTATION 90"}, &F::dRotation, 90},
        {{"..FACEMENT TOP"}, &F::sFacement, "TOP"},
        {{"..FIDUCIAL_OPTIONS \"Global\""}, &F::sFiducialOptions, "Global"},
        {{"..PADSTACK FID1"}, &F::sPadstack, "FID1"},
        {{"..SIDE BOTTOM"}, &F::sSide, "BOTTOM"},
    };
    for (int level : kLevels) {
        SCOPED_TRACE(level);
        Logs logs;
        CExMounting_HoleArray holes;
        auto hole = [&](const Lines& r) {
            return ReadAtLevel(holes, &CExMounting_HoleArray::SetMountingHoleData, level, r, logs, 2.0);
        };
        test::ExpectRows(".MOUNTING_HOLE", holeRows, hole);
        CExMounting_Hole* h = hole({".MOUNTING_HOLE", "..LAYER_PAIR 1", "..LAYER_PAIR 4", "..LAYER_PAIR 6",
                                    "..XY (1, 2)", "..MOUNTING_HOLE_OPTIONS PLATED", "..TEXT \"H\"", "..FOO"});
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->pLayerPair->sFromLayer, "1");
        EXPECT_EQ(h->pLayerPair->sToLayer, "6");  // a third pair line replaces the to layer
        ASSERT_EQ(h->ptXY.GetSize(), 1);
        EXPECT_DOUBLE_EQ(h->ptXY[0].dY, 4.0);
        EXPECT_EQ(h->pTextArray->GetSize(), 1);
        EXPECT_EQ(test::Entries(logs.notUsed), Lines{".FOO||1|CTX|3"});

        CExFiducialArray fiducials;
        auto fiducial = [&](const Lines& r) {
            return ReadAtLevel(fiducials, &CExFiducialArray::SetFiducialData, level, r, logs, 2.0);
        };
        test::ExpectRows(".FIDUCIAL", fiducialRows, fiducial);
        CExFiducial* f = fiducial({".FIDUCIAL", "..XY (1, 2)", "..xy 3, 4", "..LAYER_PAIR 1", "..PID 2",
                                   "..TEXT \"F\"", "..NETNAME GND"});
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(f->ptXY.GetSize(), 2);
        EXPECT_DOUBLE_EQ(f->ptXY[0].dX, 2.0);
        EXPECT_DOUBLE_EQ(f->ptXY[1].dY, 8.0);
        // Fiducials know no net: the only entry beyond the hole's.
        EXPECT_EQ(test::Entries(logs.notUsed), (Lines{".FOO||1|CTX|3", ".NETNAME|GND|1|CTX|3"}));
    }
}

TEST(GraphicRecord, ObstructsAndGraphicsKeepTheLastShape)
{
    using O = CExObstruct;
    const test::Row<O> rows[] = {
        {{"..ROUTE_LYR 2"}, &O::sRouteLyr, "2"},
        {{"..ACTIVATION Always"}, &O::sActivation, "Always"},
        {{"..METALIZATION_PIN P1"}, &O::sMetalizationPin, "P1"},
        {{"..DISPLAY_CONDITION On"}, &O::sDisplayCondition, "On"},
    };
    for (int level : kLevels) {
        SCOPED_TRACE(level);
        Logs logs;
        CExObstructArray obstructs;
        auto obstruct = [&](const Lines& r) {
            return ReadAtLevel(obstructs, &CExObstructArray::SetObstructData, level, r, logs, 2.0);
        };
        test::ExpectRows(".OBSTRUCT", rows, obstruct);
        CExObstruct* o = obstruct({".OBSTRUCT \"Route Obstruct\"", "..TEXT \"O\"", "..ROUND", "...DIAMETER 1",
                                   "..SQUARE", "...WIDTH 3"});
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->sKeywordValue, "Route Obstruct");
        EXPECT_EQ(o->pTextArray->GetSize(), 1);
        auto* square = dynamic_cast<CExSquare*>(o->pDrawObj);
        ASSERT_NE(square, nullptr);
        EXPECT_DOUBLE_EQ(square->dWidth, 6.0);

        // Dimension data is a shape of an obstruct...
        CExObstruct* od = obstruct({".OBSTRUCT", "..DIMENSION_DATA", "...FEATURE Edge"});
        ASSERT_NE(od, nullptr);
        EXPECT_NE(dynamic_cast<CExDimension_Data*>(od->pDrawObj), nullptr);
        EXPECT_TRUE(logs.notUsed.IsEmpty());

        // ...but not of a graphic, which logs it and keeps its shape.
        CExGraphicArray graphics;
        CExGraphic* g = ReadAtLevel(graphics, &CExGraphicArray::SetGraphicData, level,
                                    {".GRAPHIC", "..USER_LYR \"Notes\"", "..SQUARE", "...WIDTH 1", "..POLYLINE_PATH",
                                     "...WIDTH 2", "..DIMENSION_DATA", "...FEATURE Edge", "..GFX_COMMON",
                                     "..TEXT \"G\""},
                                    logs);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->sUserLyr, "Notes");
        auto* path = dynamic_cast<CExPolyline_Path*>(g->pDrawObj);
        ASSERT_NE(path, nullptr);
        EXPECT_DOUBLE_EQ(path->dWidth, 2.0);
        EXPECT_EQ(g->pTextArray->GetSize(), 1);
        EXPECT_TRUE(g->pGfxCommonArray->IsEmpty());
        EXPECT_EQ(test::Entries(logs.notUsed), Lines{".DIMENSION_DATA||1|CTX|3|..FEATURE Edge"});
    }
}
