#include <gtest/gtest.h>

#include <string>

#include "support/Fields.h"
#include "support/Records.h"

using test::Lines;

TEST(TearDropTemplate, EveryParameter)
{
    test::Logs logs;
    CExTearDrop_TemplateArray templates;
    auto parse = [&](Lines record, double dScale) {
        return test::Take(templates, record, [&](Lines& r) {
            templates.SetTearDrop_Templte(r, "TEARDROP_TEMPLATE", 1, &logs.ignore, &logs.notUsed, dScale);
        });
    };
    using T = CExTearDrop_Template;
    const test::Row<T> rows[] = {
        {{}, &T::nTemplateId, 3},
        {{}, &T::dRatio, 1},
        {{"..RATIO 1.5"}, &T::dRatio, 1.5},  // a ratio is not a length
        {{"..PREFERRED 10"}, &T::dPreferred, 20},
        {{"..PREFERRED 10", "..preferred 20"}, &T::dPreferred, 40},  // the later line wins
        {{"..SECONDARY 5"}, &T::dSecondary, 10},
        {{"..MAX_PAD_TO_VIA 1"}, &T::dMaxPadToVia, 2},
        {{"..MAX_MVO_TO_MVO 2"}, &T::dMaxMvoToMvo, 4},
        {{"..MAX_MVO_TO_PAD 3"}, &T::dMaxMvoToPad, 6},
        {{"..MAX_MVO_TO_VIA 4"}, &T::dMaxMvoToVia, 8},
        {{"..EXCLUDE_FIXED_LOCKED_TRACES \"Yes\""}, &T::sExcludeFixedLockedTraces, "Yes"},
        {{"..EXCLUDE_RECTANGLE_PADS N", "o"}, &T::sExcludeRectanglePads, "No"},  // continued on the next line
        {{"..SECONDARY 1", "...EXCLUDE_SMD_PADS Yes"}, &T::sExcludeSmdPads, "Yes"},
        // Written at level 2 the SMD pad exclusion is an unknown parameter.
        {{"..EXCLUDE_SMD_PADS Yes"}, &T::sExcludeSmdPads, ""},
    };
    test::ExpectRows(".TEARDROP_TEMPLATE \"3\"", rows, [&](const Lines& r) { return parse(r, 2.0); });
    // Unknown parameters are logged with the caller's context and flag.
    EXPECT_EQ(test::Entries(logs.notUsed), Lines{"..EXCLUDE_SMD_PADS|Yes|2|TEARDROP_TEMPLATE|1"});
    EXPECT_EQ(parse({}, 1.0), nullptr);
    EXPECT_EQ(parse({".TEARDROP_TEMPLATE abc", "..SHAPE Curved"}, 1.0)->nTemplateId, 0);
    EXPECT_EQ(test::Entry(*logs.notUsed.GetAt(1)), "..SHAPE|Curved|2|TEARDROP_TEMPLATE|1");
    EXPECT_TRUE(logs.ignore.IsEmpty());
}

TEST(TearDropTemplate, OneGroup)
{
    CExTearDrop_Template t;
    CExTemporaryArray notUsed;
    // A known parameter drops the lines below it without a log entry; an
    // unknown one goes to the log whole.
    Lines group{"  ..SECONDARY \"7\"  ", "...DETAIL x"};
    CExTearDrop_Template::SetTemplateData(&t, group, "ctx", 3, nullptr, &notUsed, 0.5);
    EXPECT_TRUE(group.empty());
    EXPECT_DOUBLE_EQ(t.dSecondary, 3.5);
    CExTearDrop_Template::SetTemplateData(&t, group = {"..OTHER 1", "...DETAIL x"}, "ctx", 3, nullptr, &notUsed, 0.5);
    CExTearDrop_Template::SetTemplateData(&t, group = {}, "ctx", 3, nullptr, &notUsed, 0.5);
    EXPECT_EQ(test::Entries(notUsed), Lines{"..OTHER|1|2|ctx|3|...DETAIL x"});
}

TEST(TearDropData, ViaAndPinGroups)
{
    CExTearDrop_DataArray data;
    for (Lines group : {
             // A via's group, the layer before the template number.
             Lines{".TEARDROP_DATA", "..ROUTE_LYR \"Top\"", "..TEARDROP_TEMPLATE_ID \"4\"", "..OTHER z"},
             // A pin's group, in lower case.
             Lines{"...TEARDROP_DATA", "  ....teardrop_template_id 2  ", "....route_lyr Bottom"},
             // No deeper lines: defaults.
             Lines{"...TEARDROP_DATA"},
             Lines{},
         }) {
        data.AddFromGroup(group);
        EXPECT_TRUE(group.empty());
    }
    EXPECT_EQ(test::Items(data), "CExTearDrop_Data{nTemplateId=4 dRatio=1 sRouteLayer=Top} "
                                 "CExTearDrop_Data{nTemplateId=2 dRatio=1 sRouteLayer=Bottom} "
                                 "CExTearDrop_Data{dRatio=1}");
}
