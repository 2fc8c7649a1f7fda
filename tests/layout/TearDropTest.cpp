#include <gtest/gtest.h>

#include <string>

#include "core/ExTemporary.h"
#include "layout/ExTearDrop_Data.h"
#include "layout/ExTearDrop_Template.h"
#include "support/TestSupport.h"

namespace {

struct TemplateFixture {
    CExTearDrop_TemplateArray templates;
    CExTemporaryArray ignoreLog;
    CExTemporaryArray notUsedLog;

    CExTearDrop_Template* Parse(test::Lines record, double dScale = 1.0)
    {
        templates.SetTearDrop_Templte(record, "TEARDROP_TEMPLATE", 1, &ignoreLog, &notUsedLog, dScale);
        EXPECT_TRUE(record.empty());
        return templates.GetLastElement();
    }
};

} // namespace

TEST(TearDropTemplate, EveryParameterIsReached)
{
    TemplateFixture f;
    CExTearDrop_Template* t = f.Parse({".TEARDROP_TEMPLATE \"3\"", "..RATIO 1.5", "..PREFERRED 10", "..SECONDARY 5",
                                       "..MAX_PAD_TO_VIA 1", "..MAX_MVO_TO_MVO 2", "..MAX_MVO_TO_PAD 3",
                                       "..MAX_MVO_TO_VIA 4", "..EXCLUDE_FIXED_LOCKED_TRACES \"Yes\"",
                                       "..EXCLUDE_RECTANGLE_PADS N", "o" /* continues the line before */,
                                       "...EXCLUDE_SMD_PADS Yes", "..preferred 20"},
                                      2.0);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->nTemplateId, 3);
    EXPECT_DOUBLE_EQ(t->dRatio, 1.5);  // a ratio is not a length
    EXPECT_DOUBLE_EQ(t->dPreferred, 40.0);  // the later line wins
    EXPECT_DOUBLE_EQ(t->dSecondary, 10.0);
    EXPECT_DOUBLE_EQ(t->dMaxPadToVia, 2.0);
    EXPECT_DOUBLE_EQ(t->dMaxMvoToMvo, 4.0);
    EXPECT_DOUBLE_EQ(t->dMaxMvoToPad, 6.0);
    EXPECT_DOUBLE_EQ(t->dMaxMvoToVia, 8.0);
    EXPECT_EQ(t->sExcludeFixedLockedTraces, "Yes");
    EXPECT_EQ(t->sExcludeRectanglePads, "No");
    EXPECT_EQ(t->sExcludeSmdPads, "Yes");
    EXPECT_TRUE(f.notUsedLog.IsEmpty());
    EXPECT_TRUE(f.ignoreLog.IsEmpty());
}

TEST(TearDropTemplate, DefaultsAndUnknownParameters)
{
    TemplateFixture f;
    test::Lines empty;
    f.templates.SetTearDrop_Templte(empty, "TEARDROP_TEMPLATE", 1, &f.ignoreLog, &f.notUsedLog, 1.0);
    EXPECT_TRUE(f.templates.IsEmpty());

    CExTearDrop_Template* t = f.Parse({".TEARDROP_TEMPLATE 12"}, 25.4);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->nTemplateId, 12);
    EXPECT_DOUBLE_EQ(t->dRatio, 1.0);
    EXPECT_DOUBLE_EQ(t->dPreferred, 0.0);
    EXPECT_EQ(t->sExcludeSmdPads, "");

    // Unknown parameters are logged with the caller's context and flag;
    // the SMD pad exclusion written at level 2 is one of them.
    t = f.Parse({".TEARDROP_TEMPLATE abc", "..SHAPE Curved", "..EXCLUDE_SMD_PADS Yes", "..RATIO 2"});
    EXPECT_EQ(t->nTemplateId, 0);
    EXPECT_EQ(t->sExcludeSmdPads, "");
    EXPECT_DOUBLE_EQ(t->dRatio, 2.0);
    ASSERT_EQ(f.notUsedLog.GetSize(), 2);
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sKeyword, "..SHAPE");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sValue, "Curved");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->sContext, "TEARDROP_TEMPLATE");
    EXPECT_EQ(f.notUsedLog.GetAt(0)->nFlag, 1);
    EXPECT_EQ(f.notUsedLog.GetAt(1)->sKeyword, "..EXCLUDE_SMD_PADS");
    EXPECT_EQ(f.templates.GetSize(), 2);
}

TEST(TearDropTemplate, OneGroup)
{
    CExTearDrop_Template t;
    CExTemporaryArray notUsed;
    // A known parameter drops the lines below it without a log entry.
    test::Lines group{"  ..SECONDARY \"7\"  ", "...DETAIL x"};
    CExTearDrop_Template::SetTemplateData(&t, group, "ctx", 3, nullptr, &notUsed, 0.5);
    EXPECT_TRUE(group.empty());
    EXPECT_DOUBLE_EQ(t.dSecondary, 3.5);
    EXPECT_TRUE(notUsed.IsEmpty());

    // An unknown one goes to the log whole.
    group = {"..OTHER 1", "...DETAIL x"};
    CExTearDrop_Template::SetTemplateData(&t, group, "ctx", 3, nullptr, &notUsed, 0.5);
    EXPECT_TRUE(group.empty());
    ASSERT_EQ(notUsed.GetSize(), 1);
    EXPECT_EQ(notUsed.GetAt(0)->saLines, (test::Lines{"...DETAIL x"}));
    EXPECT_EQ(notUsed.GetAt(0)->nFlag, 3);

    group.clear();
    CExTearDrop_Template::SetTemplateData(&t, group, "ctx", 3, nullptr, &notUsed, 0.5);
    EXPECT_EQ(notUsed.GetSize(), 1);
}

TEST(TearDropData, ViaAndPinGroups)
{
    CExTearDrop_DataArray data;
    // A via's group, the layer before the template number.
    test::Lines group{".TEARDROP_DATA", "..ROUTE_LYR \"Top\"", "..TEARDROP_TEMPLATE_ID \"4\"", "..OTHER z"};
    data.AddFromGroup(group);
    EXPECT_TRUE(group.empty());
    // A pin's group, in lower case.
    group = {"...TEARDROP_DATA", "  ....teardrop_template_id 2  ", "....route_lyr Bottom"};
    data.AddFromGroup(group);
    // No deeper lines: defaults.
    group = {"...TEARDROP_DATA"};
    data.AddFromGroup(group);
    group.clear();
    data.AddFromGroup(group);

    ASSERT_EQ(data.GetSize(), 3);
    EXPECT_EQ(data.GetAt(0)->nTemplateId, 4);
    EXPECT_EQ(data.GetAt(0)->sRouteLayer, "Top");
    EXPECT_EQ(data.GetAt(1)->nTemplateId, 2);
    EXPECT_EQ(data.GetAt(1)->sRouteLayer, "Bottom");
    EXPECT_EQ(data.GetAt(2)->nTemplateId, 0);
    EXPECT_DOUBLE_EQ(data.GetAt(2)->dRatio, 1.0);
    EXPECT_EQ(data.GetAt(2)->sRouteLayer, "");
}
