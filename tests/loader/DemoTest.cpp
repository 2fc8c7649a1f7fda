// The example design, loaded as a host loads it: every file is understood
// whole, and every name one file gives is defined in the file it refers to.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "expedition.h"
#include "support/Fields.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

const CExPadstack* Padstack(const CExPadstack_Library& lib, const std::string& name)
{
    for (const CExPadstack* p : *lib.pPadstackArray)
        if (p->sName == name)
            return p;
    return nullptr;
}

const CExPackage_Cell* Cell(const CExCell_Library& lib, const std::string& name)
{
    for (const CExPackage_Cell* c : *lib.pPackageCellArray)
        if (c->sCellName == name)
            return c;
    return nullptr;
}

// Every pad, hole and drill symbol a padstack or hole names is in the library.
void ExpectNamesResolve(const CExPadstack_Library& lib)
{
    std::set<std::string> pads, holes;
    for (const CExPad* p : *lib.pPadArray)
        pads.insert(p->sName);
    for (const CExHole* h : *lib.pHoleArray) {
        holes.insert(h->sName);
        EXPECT_TRUE(h->sCustomSymbol.empty() || lib.pGetCustom_Drill_Symbol(h->sCustomSymbol)) << h->sName;
    }
    for (const CExPadstack* ps : *lib.pPadstackArray) {
        for (const std::string* name : {&ps->sTopPad, &ps->sTopSoldermaskPad, &ps->sTopSolderpastePad,
                                        &ps->sBottomPad, &ps->sBottomSoldermaskPad, &ps->sInternalPad,
                                        &ps->sThermalPad, &ps->sClearancePad})
            EXPECT_TRUE(name->empty() || pads.count(*name)) << ps->sName << ": " << *name;
        EXPECT_TRUE(ps->sHoleName.empty() || holes.count(ps->sHoleName)) << ps->sName;
    }
}

TEST(Demo, EveryFileIsUnderstoodAndEveryNameResolves)
{
    CExExpedition root;
    ASSERT_EQ(test::LoadDesign(root, test::DemoFiles()), 1);
    ASSERT_TRUE(root.pLayout && root.pJobPreferences && root.pPadstackLibrary && root.pCellLibrary &&
                root.pNetClassArray && root.pNetPropArray && root.pLibPart);
    const CExLayout& l = *root.pLayout;
    const CExCell_Library& cells = *root.pCellLibrary;
    const CExPadstack_Library& pads = *root.pPadstackLibrary;
    for (const CExTemporaryArray* log : {l.pNotUsedLog, l.pIgnoreLog, cells.pNotUsedLog, cells.pIgnoreLog,
                                         pads.pIgnoreLog, root.pJobPreferences->pNotUsedLog,
                                         root.pNetPropArray->pNotUsedLog, root.pNetPropArray->pIgnoreLog,
                                         root.pLibPart->pNotUsedLog})
        EXPECT_TRUE(log->IsEmpty()) << log->GetAt(0)->sContext;
    EXPECT_EQ(root.pLibPart->pIgnoreLog->GetSize(), 5);  // the five header lines
    // The design's technology is the default one: the other technology's
    // block is logged, and the default block's pads are read.
    ASSERT_EQ(pads.pNotUsedLog->GetSize(), 1);
    EXPECT_EQ(pads.pNotUsedLog->GetAt(0)->sValue, "\"Fine_Pitch\"");
    EXPECT_EQ(Padstack(pads, "SMD_SOIC")->sTopSolderpastePad, "OBL1.55x0.6");

    // One element per record of each file.
    EXPECT_EQ(test::Counts(l), "pDimensionSettingArray=1 pDimensionArray=1 ptsBoardOrigin=1 ptsNcDrillOrigin=1 "
                               "pPackageCellArray=5 pGeneratedDataArray=1 pTextArray=3 pSilkScreenOutlineArray=1 "
                               "pAssemblyOutlineShapes=1 pAssemblyOutlineTexts=1 pRouteOutline=1 pBoardOutline=1 "
                               "pNetArray=6 pTearDropTemplateArray=1");
    EXPECT_EQ(test::Counts(cells), "pPackageCellArray=4 pMechanicalCellArray=1 pDrawingCellArray=1");
    EXPECT_EQ(test::Counts(*root.pJobPreferences), "pLayerStackupArray=9 pViaArray=2");

    // Nets and their copper: every via's padstack is in the library.
    std::string kinds;
    std::set<std::string> nets;
    for (const CExNet* net : *l.pNetArray) {
        nets.insert(net->sNetName);
        kinds += net->sNetName + ":";
        for (const CExRouteObj* obj : *net->pRouteObjArray) {
            kinds += " " + obj->sType;
            const auto* via = dynamic_cast<const CExVia*>(obj);
            EXPECT_TRUE(!via || Padstack(pads, via->sPadstackName)) << obj->sType;
        }
        kinds += "\n";
    }
    EXPECT_EQ(kinds, "GND: TRACE TRACE TRACE TRACE VIA VIA TESTPOINT CONDUCTIVE_AREA\nVCC: TRACE TRACE TRACE\n"
                     "N1: TRACE\nN2: TRACE\nN3: TRACE VIA TRACE VIA TRACE\nN4: TRACE VIA TRACE VIA TRACE\n");

    // Placed components: every cell and pin padstack comes from the libraries.
    std::set<std::string> refs;
    for (const CExPackage_Cell* cell : *l.pPackageCellArray) {
        EXPECT_NE(Cell(cells, cell->sCellName), nullptr) << cell->sCellName;
        for (const CExText* text : *cell->pTextArray)
            refs.insert(text->sText);
        for (const CExPackage_Pin* pin : *cell->pPinArray)
            EXPECT_NE(Padstack(pads, pin->sPadstackName), nullptr) << pin->sPadstackName;
    }
    EXPECT_EQ(refs, (std::set<std::string>{"J1", "U1", "R1", "R2", "C1"}));
    for (const CExPackage_Cell* cell : *cells.pPackageCellArray)
        for (const CExPackage_Pin* pin : *cell->pPinArray)
            EXPECT_NE(Padstack(pads, pin->sPadstackName), nullptr) << cell->sCellName;
    ExpectNamesResolve(pads);

    // A few values read exactly.
    const CExPackage_Cell* soic = Cell(cells, "SOIC8");
    ASSERT_NE(soic, nullptr);
    EXPECT_EQ(soic->pPinArray->GetSize(), 8);
    EXPECT_DOUBLE_EQ(soic->pPinArray->GetAt(0)->aXY[0].dX, -2.7);
    EXPECT_NEAR(soic->pPinArray->GetAt(0)->aXY[0].dY - soic->pPinArray->GetAt(1)->aXY[0].dY, 1.27, 1e-12);
    const CExPlane_Lyr* plane = l.pGeneratedDataArray->GetAt(0);
    ASSERT_NE(plane, nullptr);
    EXPECT_EQ(plane->sPlaneLayer, "2");
    EXPECT_EQ(plane->pPlaneNetArray->GetAt(0)->sNetName, "GND");
    // The plane's copper: clearances round the other nets' pins and vias, and a
    // thermal round a ground via with two tie legs across its void.
    const CExPlane_Net& planeNet = *plane->pPlaneNetArray->GetAt(0);
    ASSERT_EQ(planeNet.pActualShapeArray->GetSize(), 1);
    EXPECT_EQ(planeNet.pActualShapeArray->GetAt(0)->pShapeArray->GetSize(), 9);
    EXPECT_EQ(planeNet.pActualShapeArray->GetAt(0)->pTieLegArray->GetSize(), 2);
    ASSERT_EQ(l.pDimensionArray->GetSize(), 1);
    EXPECT_EQ(l.pDimensionArray->GetAt(0)->nDimensionSettingsId, l.pDimensionSettingArray->GetAt(0)->nSettingsId);

    // Net classes name the design's nets; net properties hold their values.
    for (const CExNetClass* c : *root.pNetClassArray) {
        Lines names;
        CTokenizer().GetTokenArray(names, c->sNetNames, " ");
        for (const std::string& name : names)
            EXPECT_TRUE(nets.count(name)) << c->sName << ": " << name;
    }
    const CExNetProp* gnd = root.pNetPropArray->GetNetProp("GND");
    ASSERT_NE(gnd, nullptr);
    EXPECT_EQ(gnd->saPropNames, (Lines{"WIDTH", "PLANE_NET", "NET_CLASS"}));
    EXPECT_EQ(gnd->saPropValues, (Lines{"05", "", "Power"}));

    // Parts: slots, swap groups and symbols of the dual amplifier.
    const CExPartData* opamp = nullptr;
    for (const CExPartData* p : *root.pLibPart->pPartDataArray)
        if (p->sNumber == "OPAMP-DUAL-SOIC8")
            opamp = p;
    ASSERT_NE(opamp, nullptr);
    EXPECT_EQ(opamp->sRefPrefix, "U");
    ASSERT_EQ(opamp->pSlotArray->GetSize(), 3);
    EXPECT_EQ(opamp->pSlotArray->GetAt(1)->saPinNumbers, (Lines{"5", "6", "7"}));
    const CExPartDataSymbol* power = opamp->pSymbolArray->GetSymbolDataOfSameSlotName("PWR");
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->saPinNames, (Lines{"V+", "V-"}));
}

TEST(Demo, RemovingNetsKeepsTheRest)
{
    CExExpedition root;
    ASSERT_EQ(test::LoadDesign(root, test::DemoFiles(), 1), 1);
    ASSERT_NE(root.pLayout, nullptr);
    EXPECT_TRUE(root.pLayout->pNetArray->IsEmpty());
    EXPECT_FALSE(root.pLayout->pPackageCellArray->IsEmpty());
    EXPECT_FALSE(root.pLayout->pGeneratedDataArray->IsEmpty());
    EXPECT_TRUE(root.pLayout->pNotUsedLog->IsEmpty());
}

// Read for the padstack library's second technology, its blocks override
// the default ones.
TEST(Demo, PadstackLibraryForItsOtherTechnology)
{
    test::TempDir dir;
    CExExpedition root;
    ASSERT_EQ(test::LoadLibrary(root, dir.WriteLines("job", {".UNITS MM", ".PADSTACK_TECHNOLOGY \"Fine_Pitch\""}),
                                {}, {test::ExamplePath("demo/padstack_library.txt")}),
              1);
    ASSERT_NE(root.pPadstackLibrary, nullptr);
    EXPECT_TRUE(root.pPadstackLibrary->pNotUsedLog->IsEmpty());
    EXPECT_EQ(Padstack(*root.pPadstackLibrary, "SMD_SOIC")->sTopSolderpastePad, "OBL1.45x0.5");
    ExpectNamesResolve(*root.pPadstackLibrary);
}

} // namespace
