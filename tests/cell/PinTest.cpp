#include <gtest/gtest.h>

#include <string>

#include "cell/ExPackage_Pin.h"
#include "core/ExTemporary.h"
#include "layout/ExTearDrop_Data.h"
#include "layout/ExText.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

const std::string kContext = ".PACKAGE_CELL \"SOIC8\"";

struct PinFixture {
    CExPackage_PinArray pins;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

    CExPackage_Pin* Parse(Lines group, double dScale = 1.0)
    {
        pins.SetPinData_InCell(group, kContext, 1, &ignoreLog, &notUsedLog, dScale);
        EXPECT_TRUE(group.empty());
        return pins.GetLastElement();
    }
};

} // namespace

TEST(PackagePin, PropertiesOfAPin)
{
    PinFixture f;
    CExPackage_Pin* pin = f.Parse({"..PIN \"A1\"", "...netname N1", "...ROTATION 90", "...ROTATION 45.5deg",
                                   "...XY (10, 20)", "...PIN_OPTIONS SMD", "...PIN_OPTIONS \"FIXED\"",
                                   "...PID 17", "....DEEPER 1", "...BREAKOUT_DATA", "....WHATEVER",
                                   "...DIMENSION_DATA", "...TEXT \"A1\"", "....HEIGHT 1"},
                                  0.0254);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin->sPinNumber, "A1");  // quotes go
    EXPECT_EQ(pin->sNetName, "N1");
    EXPECT_DOUBLE_EQ(pin->dRotation, 45.5);  // not scaled; the later line wins
    ASSERT_EQ(pin->aXY.GetSize(), 1);
    // A pin's position is scaled, unlike the cell's own origin.
    EXPECT_DOUBLE_EQ(pin->aXY[0].dX, 0.254);
    EXPECT_DOUBLE_EQ(pin->aXY[0].dY, 0.508);
    EXPECT_EQ(pin->saPinOptions, (Lines{"SMD", "FIXED"}));
    ASSERT_EQ(pin->pTextArray->GetSize(), 1);
    EXPECT_DOUBLE_EQ(pin->pTextArray->GetAt(0)->dHeight, 0.0254);
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
    EXPECT_TRUE(f.ignoreLog.IsEmpty());
}

TEST(PackagePin, PadstackStep)
{
    PinFixture f;
    CExPackage_Pin* pin = f.Parse({"..PIN 1", "...PADSTACK \"SMD_SOIC\"", "....IS_MODIFIED_PADSTACK \"No\"",
                                   "....PAD_NAME TOP", ".....PAD_LYR 1", ".....PADSTACK_PID 3",
                                   ".....MIRRORED_PADSTACK_PID 4", "....PADSTACK_PID 5", "....PAD_NAME BOTTOM",
                                   ".....PAD_LYR 2", "....USER_PAD_NAME \"U1\""});
    EXPECT_EQ(pin->sPadstackName, "SMD_SOIC");
    EXPECT_EQ(pin->sIsModifiedPadstack, "No");
    EXPECT_EQ(pin->saPadName, (Lines{"TOP", "BOTTOM"}));
    EXPECT_EQ(pin->saPadLyr, (Lines{"1", "2"}));
    EXPECT_EQ(pin->saUserPadName, (Lines{"U1"}));
    EXPECT_TRUE(f.notUsedLog.IsEmpty());

    // An unknown line ends the step: it and every line after it make one entry.
    pin = f.Parse({"..PIN 2", "...PADSTACK_X P", "....PAD_NAME TOP", "....FOO 1", "....PAD_NAME BOTTOM",
                   ".....PAD_LYR 3"});
    EXPECT_EQ(pin->sPadstackName, "P");  // a prefix test: PADSTACK_X is a padstack line
    EXPECT_EQ(pin->saPadName, (Lines{"TOP"}));
    EXPECT_TRUE(pin->saPadLyr.empty());
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    const CExTemporary& entry = *f.notUsedLog.GetAt(0);
    EXPECT_EQ(entry.sKeyword, "....FOO");
    EXPECT_EQ(entry.saLines, (Lines{"....PAD_NAME BOTTOM", ".....PAD_LYR 3"}));
    EXPECT_EQ(entry.sContext, kContext);
    EXPECT_EQ(entry.nFlag, 1);
}

TEST(PackagePin, TearDropsAndUnknownGroups)
{
    PinFixture f;
    CExPackage_Pin* pin =
        f.Parse({"..PIN 3", "...TEARDROP_DATA", "....TEARDROP_TEMPLATE_ID 7", "....ROUTE_LYR \"2\"",
                 "....OTHER x", "...TEARDROP_DATA", "...FOO bar", "....BAZ 1", "...XY 1,", "2"});
    ASSERT_EQ(pin->pTearDropDataArray->GetSize(), 2);
    EXPECT_EQ(pin->pTearDropDataArray->GetAt(0)->nTemplateId, 7);
    EXPECT_EQ(pin->pTearDropDataArray->GetAt(0)->sRouteLayer, "2");
    EXPECT_EQ(pin->pTearDropDataArray->GetAt(1)->nTemplateId, 0);  // defaults
    // A line without a dot continues the line before.
    ASSERT_EQ(pin->aXY.GetSize(), 1);
    EXPECT_DOUBLE_EQ(pin->aXY[0].dY, 2.0);
    ASSERT_EQ(f.notUsedLog.GetSize(), 1);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sKeyword, "...FOO");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->saLines, (Lines{"....BAZ 1"}));
}

TEST(PackagePin, OddGroups)
{
    PinFixture f;
    Lines empty;
    f.pins.SetPinData_InCell(empty, kContext, 1, &f.ignoreLog, &f.notUsedLog, 1.0);
    EXPECT_TRUE(f.pins.IsEmpty());

    // No value: the whole line is the number. Same numbers are both kept.
    EXPECT_EQ(f.Parse({"..PIN"})->sPinNumber, "..PIN");
    EXPECT_EQ(f.Parse({"  ..PIN 1  ", "", "...ROTATION abc", ". stray", "..OTHER 2"})->sPinNumber, "1");
    EXPECT_EQ(f.Parse({"..PIN 1"})->sPinNumber, "1");
    EXPECT_EQ(f.pins.GetSize(), 3);
    EXPECT_DOUBLE_EQ(f.pins.GetAt(1)->dRotation, 0.0);
    // Shallower lines inside the group are no property.
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
}
