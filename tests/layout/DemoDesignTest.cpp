#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "expedition.h"
#include "support/TestSupport.h"

namespace {

// The demo design of examples/demo, loaded as a host loads a design.
struct DemoDesign {
    explicit DemoDesign(int bRemoveNet = 0)
    {
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.SetRemoveNet(bRemoveNet);
        loader.vSetMExpeditionFilePath(test::ExamplePath("demo/job_preferences.txt"),
                                       test::ExamplePath("demo/cell_library.txt"),
                                       test::ExamplePath("demo/layout.txt"),
                                       test::ExamplePath("demo/padstack_library.txt"),
                                       test::ExamplePath("demo/net_classes.txt"),
                                       test::ExamplePath("demo/parts_database.txt"));
        result = loader.ParseExpeditionOfMFC();
    }
    CExExpedition root;
    int result = 0;
};

bool HasPadstack(const CExPadstack_Library& lib, const std::string& name)
{
    for (const CExPadstack* p : *lib.pPadstackArray)
        if (p->sName == name)
            return true;
    return false;
}

} // namespace

TEST(DemoDesign, LayoutIsReadWhole)
{
    DemoDesign d;
    ASSERT_EQ(d.result, 1);
    ASSERT_NE(d.root.pLayout, nullptr);
    ASSERT_NE(d.root.pJobPreferences, nullptr);
    ASSERT_NE(d.root.pPadstackLibrary, nullptr);
    ASSERT_NE(d.root.pCellLibrary, nullptr);
    const CExLayout& l = *d.root.pLayout;

    // Everything in the demo layout is understood.
    EXPECT_TRUE(l.pNotUsedLog->IsEmpty()) << l.pNotUsedLog->GetAt(0)->sKeyword;
    EXPECT_TRUE(l.pIgnoreLog->IsEmpty());

    EXPECT_EQ(l.sUnits, "MM");
    EXPECT_EQ(l.sJobName, "DEMO");
    EXPECT_DOUBLE_EQ(l.dScale, 1.0);
    EXPECT_EQ(l.pBoardOutline->GetSize(), 1);
    EXPECT_EQ(l.pRouteOutline->GetSize(), 1);
    EXPECT_EQ(l.ptsBoardOrigin.GetSize(), 1);
    EXPECT_EQ(l.ptsNcDrillOrigin.GetSize(), 1);
    EXPECT_EQ(l.pTearDropTemplateArray->GetSize(), 1);

    // Nets and their copper.
    std::map<std::string, std::map<std::string, int>> kinds;  // net -> route object type -> count
    std::set<std::string> traceLayers;
    for (const CExNet* net : *l.pNetArray)
        for (const CExRouteObj* obj : *net->pRouteObjArray) {
            ++kinds[net->sNetName][obj->sType];
            if (const auto* trace = dynamic_cast<const CExTrace*>(obj))
                traceLayers.insert(trace->sRouteLayer);
            if (const auto* via = dynamic_cast<const CExVia*>(obj)) {
                EXPECT_TRUE(HasPadstack(*d.root.pPadstackLibrary, via->sPadstackName)) << via->sPadstackName;
                EXPECT_EQ(via->pLayerPair->sFromLayer, "1");
                EXPECT_EQ(via->pLayerPair->sToLayer, "4");
            }
        }
    EXPECT_EQ(l.pNetArray->GetSize(), 6);
    const std::map<std::string, std::map<std::string, int>> expected = {
        {"GND", {{"TRACE", 4}, {"VIA", 2}, {"TESTPOINT", 1}, {"CONDUCTIVE_AREA", 1}}},
        {"VCC", {{"TRACE", 3}}},
        {"N1", {{"TRACE", 1}}},
        {"N2", {{"TRACE", 1}}},
        {"N3", {{"TRACE", 3}, {"VIA", 2}}},
        {"N4", {{"TRACE", 3}, {"VIA", 2}}},
    };
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(traceLayers, (std::set<std::string>{"1", "4"}));

    // Placed components: every cell and pin padstack comes from the libraries.
    std::set<std::string> refs;
    ASSERT_EQ(l.pPackageCellArray->GetSize(), 5);
    for (const CExPackage_Cell* cell : *l.pPackageCellArray) {
        EXPECT_EQ(d.root.pCellLibrary->pPackageCellArray->IsExist(cell->sCellName), 1) << cell->sCellName;
        ASSERT_EQ(cell->pTextArray->GetSize(), 1);
        refs.insert(cell->pTextArray->GetAt(0)->sText);
        for (const CExPackage_Pin* pin : *cell->pPinArray)
            EXPECT_TRUE(HasPadstack(*d.root.pPadstackLibrary, pin->sPadstackName)) << pin->sPadstackName;
    }
    EXPECT_EQ(refs, (std::set<std::string>{"J1", "U1", "R1", "R2", "C1"}));

    // The ground plane on layer 2.
    ASSERT_EQ(l.pGeneratedDataArray->GetSize(), 1);
    const CExPlane_Lyr* plane = l.pGeneratedDataArray->GetAt(0);
    EXPECT_EQ(plane->sPlaneLayer, "2");
    ASSERT_EQ(plane->pPlaneNetArray->GetSize(), 1);
    const CExPlane_Net* planeNet = plane->pPlaneNetArray->GetAt(0);
    EXPECT_EQ(planeNet->sNetName, "GND");
    EXPECT_EQ(planeNet->pPlaneShapes->GetSize(), 1);
    ASSERT_EQ(planeNet->pActualShapeArray->GetSize(), 1);
    EXPECT_EQ(planeNet->pActualShapeArray->GetAt(0)->nPlaneId, 1);
    // Clearances round the other nets' pins and vias and a thermal round a ground via: its
    // void and two tie legs across it.
    EXPECT_EQ(planeNet->pActualShapeArray->GetAt(0)->pShapeArray->GetSize(), 9);
    EXPECT_EQ(planeNet->pActualShapeArray->GetAt(0)->pTieLegArray->GetSize(), 2);

    // Texts, the silkscreen frame, the assembly outline and the dimension.
    EXPECT_EQ(l.pTextArray->GetSize(), 3);
    EXPECT_EQ(l.pSilkScreenOutlineArray->GetSize(), 1);
    EXPECT_EQ(l.pAssemblyOutlineShapes->GetSize(), 1);
    EXPECT_EQ(l.pAssemblyOutlineTexts->GetSize(), 1);
    ASSERT_EQ(l.pDimensionSettingArray->GetSize(), 1);
    ASSERT_EQ(l.pDimensionArray->GetSize(), 1);
    const CExDimension* dim = l.pDimensionArray->GetAt(0);
    EXPECT_EQ(dim->nDimensionSettingsId, l.pDimensionSettingArray->GetAt(0)->nSettingsId);
    EXPECT_EQ(dim->pGraphicArray->GetSize(), 3);
    EXPECT_EQ(dim->pTextArray->GetSize(), 1);
}

TEST(DemoDesign, RemovingNetsKeepsTheRest)
{
    DemoDesign d(1);
    ASSERT_EQ(d.result, 1);
    ASSERT_NE(d.root.pLayout, nullptr);
    const CExLayout& l = *d.root.pLayout;
    EXPECT_TRUE(l.pNetArray->IsEmpty());
    EXPECT_EQ(l.pPackageCellArray->GetSize(), 5);
    EXPECT_EQ(l.pGeneratedDataArray->GetSize(), 1);
    EXPECT_TRUE(l.pNotUsedLog->IsEmpty());
}
