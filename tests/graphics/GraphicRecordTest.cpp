#include <gtest/gtest.h>

#include <string>

#include "GraphicTestSupport.h"
#include "graphics/ExAssembly_Outline.h"
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

using gfxtest::ExpectLogged;
using gfxtest::Logs;
using gfxtest::Read;

TEST(GraphicRecord, AssemblyOutlineReadsTheSameAtBothLevels)
{
    const test::Lines record = {".ASSEMBLY_OUTLINE", "..SIDE TOP", "..DISPLAY_CONDITION \"Always\"",
                                "..POLYLINE_PATH", "...WIDTH 5", "...XY (0,0) (10,0)", "..ROUND", "...DIAMETER 2",
                                "..TEXT \"REF\"", "...HEIGHT 1", "..PID 7", "..GFX_COMMON", "...ANY thing",
                                "..UNDERSIDE_SPACE 1", "..DISPLAY_WIDTH 3"};
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        Logs logs;
        CExAssembly_OutlineArray outlines;
        CExAssembly_Outline* o = Read(outlines, &CExAssembly_OutlineArray::SetAssemblyData, level, record, logs, 2.0);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(outlines.GetSize(), 1);
        EXPECT_EQ(o->sSide, "TOP");
        EXPECT_EQ(o->sDisplayCondition, "Always");
        ASSERT_EQ(o->pDrawObjArray->GetSize(), 2);
        auto* path = dynamic_cast<CExPolyline_Path*>(o->pDrawObjArray->GetAt(0));
        ASSERT_NE(path, nullptr);
        EXPECT_DOUBLE_EQ(path->dWidth, 10.0);
        ASSERT_EQ(path->aXY.GetSize(), 2);
        EXPECT_DOUBLE_EQ(path->aXY[1].dX, 20.0);
        auto* round = dynamic_cast<CExRound*>(o->pDrawObjArray->GetAt(1));
        ASSERT_NE(round, nullptr);
        EXPECT_DOUBLE_EQ(round->dDiameter, 4.0);
        ASSERT_EQ(o->pTextArray->GetSize(), 1);
        EXPECT_EQ(o->pTextArray->GetAt(0)->sText, "REF");
        EXPECT_DOUBLE_EQ(o->pTextArray->GetAt(0)->dHeight, 2.0);
        EXPECT_TRUE(o->pGfxCommonArray->IsEmpty());
        EXPECT_TRUE(logs.notUsed.IsEmpty());
        EXPECT_TRUE(logs.ignore.IsEmpty());
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
    EXPECT_EQ(Read(silk, &CExSilkScreen_OutlineArray::SetSilkOutData, 1, {}, logs), nullptr);
    EXPECT_EQ(Read(obstructs, &CExObstructArray::SetObstructData, 2, {}, logs), nullptr);

    CExSilkScreen_Outline* s =
        Read(silk, &CExSilkScreen_OutlineArray::SetSilkOutData, 1, {".SILKSCREEN_OUTLINE"}, logs);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->sSide.empty() && s->pDrawObjArray->IsEmpty() && s->pTextArray->IsEmpty());
    CExPlacement_Keepout* k =
        Read(keepouts, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData, 2, {".PLACEMENT_KEEPOUT"}, logs);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->dHeight, 0.0);
    // Obstructs and graphics hold a plain shape until one is read.
    CExObstruct* ob = Read(obstructs, &CExObstructArray::SetObstructData, 1, {".OBSTRUCT"}, logs);
    ASSERT_NE(ob, nullptr);
    ASSERT_NE(ob->pDrawObj, nullptr);
    EXPECT_TRUE(ob->pDrawObj->sShapeType.empty());
    EXPECT_EQ(ob->sKeywordValue, ".OBSTRUCT");  // a line without a blank is its own value
    CExGraphic* g = Read(graphics, &CExGraphicArray::SetGraphicData, 2, {".GRAPHIC"}, logs);
    ASSERT_NE(g, nullptr);
    ASSERT_NE(g->pDrawObj, nullptr);
    CExMounting_Hole* h = Read(holes, &CExMounting_HoleArray::SetMountingHoleData, 1, {".MOUNTING_HOLE"}, logs);
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->pLayerPair->sFromLayer.empty() && h->pLayerPair->sToLayer.empty());
    EXPECT_EQ(silk.GetSize() + keepouts.GetSize() + obstructs.GetSize() + graphics.GetSize() + holes.GetSize(), 5);
    EXPECT_TRUE(logs.notUsed.IsEmpty());
}

TEST(GraphicRecord, OutlinesLogUnknownChildrenAndKeepTheLastValue)
{
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        Logs logs;
        CExSilkScreen_OutlineArray silk;
        // A line shallower than the children (after the shift: "..STRAY 1"
        // in a level-2 record) belongs to no child and is dropped.
        test::Lines record = {".SILKSCREEN_OUTLINE", "..FOO 1", "...BAR x", "..SIDE BOTTOM", "..side \"Top\"",
                              "..GFX_COMMON", "..PID 4", "..TEXT \"S\"", "..SQUARE", "...WIDTH 1"};
        if (level == 2)
            record.insert(record.begin() + 1, ".STRAY 1");
        CExSilkScreen_Outline* s = Read(silk, &CExSilkScreen_OutlineArray::SetSilkOutData, level, record, logs);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->sSide, "Top");
        EXPECT_EQ(s->pTextArray->GetSize(), 1);
        EXPECT_EQ(s->pDrawObjArray->GetSize(), 1);
        ASSERT_EQ(logs.notUsed.GetSize(), 1);
        ExpectLogged(logs.notUsed, 0, ".FOO", "1", {"..BAR x"});

        // Solder masks read the same keywords into their own members.
        CExMC_SolderMaskArray masks;
        CExMC_SolderMask* m = Read(masks, &CExMC_SolderMaskArray::SetSolderMaskData, level,
                                   {".MC_SOLDERMASK", "..SIDE TOP", "..TEXT \"M\"", "..ROUND", "...DIAMETER 1",
                                    "..HEIGHT 2", "..DISPLAY_CONDITION On"},
                                   logs);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->sSide, "TOP");
        EXPECT_EQ(m->sDisplayCondition, "On");
        EXPECT_EQ(m->pTextArray->GetSize(), 1);
        EXPECT_EQ(m->pDrawObjArray->GetSize(), 1);
        ASSERT_EQ(logs.notUsed.GetSize(), 2);
        ExpectLogged(logs.notUsed, 1, ".HEIGHT", "2", {});

        // Paste has no texts: its ".TEXT" leaves no trace; shapes accumulate.
        CExSolder_PasteArray pastes;
        CExSolder_Paste* p = Read(pastes, &CExSolder_PasteArray::SetSolderPaste, level,
                                  {".SOLDER_PASTE", "..TEXT \"P\"", "...HEIGHT 1", "..ROUND", "...DIAMETER 1",
                                   "..SQUARE", "...WIDTH 1", "..SIDE BOTTOM"},
                                  logs);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->sSide, "BOTTOM");
        EXPECT_EQ(p->pDrawObjArray->GetSize(), 2);
        EXPECT_EQ(logs.notUsed.GetSize(), 2);
        EXPECT_TRUE(logs.ignore.IsEmpty());
    }
}

TEST(GraphicRecord, KeepoutHeightIsScaledAndSetKeepoutDataFillsTheGivenKeepout)
{
    const test::Lines record = {".PLACEMENT_KEEPOUT", "..HEIGHT 2.5", "...IGNORED 1", "..ROUTE_LYR \"All\"",
                                "..TEXT \"K\"", "..DISPLAY_WIDTH 1", "..RECT_SHAPE", "...XY (0,0) (1,1)"};
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        Logs logs;
        CExPlacement_KeepoutArray keepouts;
        CExPlacement_Keepout* k =
            Read(keepouts, &CExPlacement_KeepoutArray::SetPlacement_KeepoutData, level, record, logs, 10.0);
        ASSERT_NE(k, nullptr);
        EXPECT_DOUBLE_EQ(k->dHeight, 25.0);
        EXPECT_EQ(k->sRouteLyr, "All");
        EXPECT_EQ(k->pDrawObjArray->GetSize(), 1);
        EXPECT_TRUE(logs.notUsed.IsEmpty());

        // A cell's own keepout: filled in place, twice; shapes add up, the
        // height is replaced, nothing is appended anywhere.
        CExPlacement_Keepout own;
        test::Lines first = gfxtest::Deeper(record, level - 1);
        own.SetKeepoutData(level, first, "CTX", 3, &logs.ignore, &logs.notUsed, 10.0);
        test::Lines second = gfxtest::Deeper({".PLACEMENT_KEEPOUT", "..HEIGHT 1", "..ROUND", "...DIAMETER 1"},
                                             level - 1);
        own.SetKeepoutData(level, second, "CTX", 3, &logs.ignore, &logs.notUsed, 10.0);
        EXPECT_TRUE(first.empty() && second.empty());
        EXPECT_DOUBLE_EQ(own.dHeight, 10.0);
        EXPECT_EQ(own.sRouteLyr, "All");
        EXPECT_EQ(own.pDrawObjArray->GetSize(), 2);
        EXPECT_EQ(keepouts.GetSize(), 1);
    }
}

TEST(GraphicRecord, MountingHolesAndFiducialsReadPositionsAndLayerPairs)
{
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        Logs logs;
        CExMounting_HoleArray holes;
        CExMounting_Hole* h = Read(holes, &CExMounting_HoleArray::SetMountingHoleData, level,
                                   {".MOUNTING_HOLE", "..NETNAME \"GND\"", "..PADSTACK MH3", "..LAYER_PAIR 1",
                                    "..LAYER_PAIR 4", "..LAYER_PAIR 6", "..ROTATION 90", "..XY (1, 2)",
                                    "..MOUNTING_HOLE_OPTIONS PLATED", "..TEXT \"H\"", "..FOO"},
                                   logs, 2.0);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->sNetName, "GND");
        EXPECT_EQ(h->sPadstack, "MH3");
        EXPECT_EQ(h->pLayerPair->sFromLayer, "1");
        EXPECT_EQ(h->pLayerPair->sToLayer, "6");  // a third pair line replaces the to layer
        EXPECT_DOUBLE_EQ(h->dRotation, 90.0);     // angles are not scaled
        ASSERT_EQ(h->ptXY.GetSize(), 1);
        EXPECT_DOUBLE_EQ(h->ptXY[0].dX, 2.0);
        EXPECT_DOUBLE_EQ(h->ptXY[0].dY, 4.0);
        EXPECT_EQ(h->pTextArray->GetSize(), 1);
        ASSERT_EQ(logs.notUsed.GetSize(), 1);
        ExpectLogged(logs.notUsed, 0, ".FOO", "", {});

        CExFiducialArray fiducials;
        CExFiducial* f = Read(fiducials, &CExFiducialArray::SetFiducialData, level,
                              {".FIDUCIAL", "..XY (1, 2)", "..xy 3, 4", "..ROTATION 90", "..FACEMENT TOP",
                               "..FIDUCIAL_OPTIONS \"Global\"", "..PADSTACK FID1", "..SIDE BOTTOM", "..LAYER_PAIR 1",
                               "..PID 2", "..TEXT \"F\"", "..NETNAME GND"},
                              logs, 2.0);
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(f->ptXY.GetSize(), 2);
        EXPECT_DOUBLE_EQ(f->ptXY[0].dX, 2.0);
        EXPECT_DOUBLE_EQ(f->ptXY[0].dY, 4.0);
        EXPECT_DOUBLE_EQ(f->ptXY[1].dY, 8.0);
        EXPECT_DOUBLE_EQ(f->dRotation, 90.0);
        EXPECT_EQ(f->sFacement, "TOP");
        EXPECT_EQ(f->sFiducialOptions, "Global");
        EXPECT_EQ(f->sPadstack, "FID1");
        EXPECT_EQ(f->sSide, "BOTTOM");
        // Fiducials know no net: the only entry beyond the hole's.
        ASSERT_EQ(logs.notUsed.GetSize(), 2);
        ExpectLogged(logs.notUsed, 1, ".NETNAME", "GND", {});
    }
}

TEST(GraphicRecord, ObstructsAndGraphicsKeepTheLastShape)
{
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        Logs logs;
        CExObstructArray obstructs;
        CExObstruct* o = Read(obstructs, &CExObstructArray::SetObstructData, level,
                              {".OBSTRUCT \"Route Obstruct\"", "..ROUTE_LYR 2", "..ACTIVATION Always",
                               "..METALIZATION_PIN P1", "..DISPLAY_CONDITION On", "..TEXT \"O\"", "..ROUND",
                               "...DIAMETER 1", "..SQUARE", "...WIDTH 3"},
                              logs, 2.0);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->sKeywordValue, "Route Obstruct");
        EXPECT_EQ(o->sRouteLyr, "2");
        EXPECT_EQ(o->sActivation, "Always");
        EXPECT_EQ(o->sMetalizationPin, "P1");
        EXPECT_EQ(o->sDisplayCondition, "On");
        EXPECT_EQ(o->pTextArray->GetSize(), 1);
        auto* square = dynamic_cast<CExSquare*>(o->pDrawObj);
        ASSERT_NE(square, nullptr);
        EXPECT_DOUBLE_EQ(square->dWidth, 6.0);

        // Dimension data is a shape of an obstruct...
        CExObstruct* od = Read(obstructs, &CExObstructArray::SetObstructData, level,
                               {".OBSTRUCT", "..DIMENSION_DATA", "...FEATURE Edge"}, logs);
        ASSERT_NE(od, nullptr);
        EXPECT_NE(dynamic_cast<CExDimension_Data*>(od->pDrawObj), nullptr);
        EXPECT_TRUE(logs.notUsed.IsEmpty());

        // ...but not of a graphic, which logs it and keeps its shape.
        CExGraphicArray graphics;
        CExGraphic* g = Read(graphics, &CExGraphicArray::SetGraphicData, level,
                             {".GRAPHIC", "..USER_LYR \"Notes\"", "..SQUARE", "...WIDTH 1", "..POLYLINE_PATH",
                              "...WIDTH 2", "..DIMENSION_DATA", "...FEATURE Edge", "..GFX_COMMON", "..TEXT \"G\""},
                             logs);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->sUserLyr, "Notes");
        auto* path = dynamic_cast<CExPolyline_Path*>(g->pDrawObj);
        ASSERT_NE(path, nullptr);
        EXPECT_DOUBLE_EQ(path->dWidth, 2.0);
        EXPECT_EQ(g->pTextArray->GetSize(), 1);
        EXPECT_TRUE(g->pGfxCommonArray->IsEmpty());
        ASSERT_EQ(logs.notUsed.GetSize(), 1);
        ExpectLogged(logs.notUsed, 0, ".DIMENSION_DATA", "", {"..FEATURE Edge"});
    }
}
