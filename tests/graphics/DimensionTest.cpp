#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "GraphicTestSupport.h"
#include "graphics/ExAssembly_Outline.h"
#include "graphics/ExDimension.h"
#include "graphics/ExDimension_Setting.h"
#include "graphics/ExGraphic.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExPolyline_Path.h"

using gfxtest::ExpectLogged;
using gfxtest::Logs;
using gfxtest::Read;

TEST(Dimension, SettingsReadTheSameAtBothLevels)
{
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        Logs logs;
        CExDimension_SettingArray settings;
        const auto op = &CExDimension_SettingArray::SetDimensionSettingData;
        CExDimension_Setting* s =
            Read(settings, op, level, {".DIMENSION_SETTINGS 3", "..PRECISION 2", "..LINEWIDTH 10", "...DEEP 1"}, logs,
                 0.0254);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->nSettingsId, 3);
        EXPECT_EQ(s->nPrecision, 2);
        EXPECT_DOUBLE_EQ(s->dLineWidth, 0.254);

        // Precision defaults to 4; text where a number belongs reads as 0.
        CExDimension_Setting* plain = Read(settings, op, level, {".DIMENSION_SETTINGS \"7\""}, logs);
        ASSERT_NE(plain, nullptr);
        EXPECT_EQ(plain->nSettingsId, 7);
        EXPECT_EQ(plain->nPrecision, 4);
        CExDimension_Setting* bad = Read(settings, op, level, {".DIMENSION_SETTINGS 8", "..PRECISION high"}, logs);
        ASSERT_NE(bad, nullptr);
        EXPECT_EQ(bad->nPrecision, 0);
        EXPECT_EQ(settings.GetSize(), 3);
        EXPECT_TRUE(logs.notUsed.IsEmpty());
    }
}

TEST(Dimension, SettingsFillEveryMemberSkipTheRestAndLogUnknowns)
{
    Logs logs;
    CExDimension_SettingArray settings;
    test::Lines record = {".DIMENSION_SETTINGS 1", "..LAYERNAME \"Dim Layer\"", "..UNITS MM",
                          "..POSITIVE_TOLERANCE 0.1", "..NEGATIVE_TOLERANCE 0.2", "..LEADINGZERO Yes",
                          "..TRAILINGZEROS No", "..COMMAFORDECIMAL No", "..INCLUDEUNITS Yes", "..LINESTYLE Solid",
                          "..LINEWIDTH 1", "..TERMINATORSTYLE Arrow", "..TERMINATORHEIGHT 2", "..TERMINATORWIDTH 3",
                          "..TEXTJUSTIFICATION Center", "..STACKEDTEXTDISTANCE 4", "..EXTENSIONGAP 5",
                          "..ORIENTATION Horizontal", "..PRECISION 3"};
    // Every keyword the model does not keep leaves no trace.
    for (std::string_view skipped :
         {"ADDALLAROUNDSYMBOL", "ADDCROSSHAIR", "AUTOLEADERLINE", "CROSSHAIRHEIGHT", "CROSSHAIRWIDTH", "DIMMETHOD",
          "DIMMEASUREMENT", "DIMSTYLE", "DIMCRIT", "DIMOBJ", "DIMORGXY", "DIMORIGINPOSITION", "DIMINSIDE",
          "ENFORCEASME", "ENABLEDUALDIM", "FRAMELINEWIDTH", "IMPLIEDDIM", "LOWDIMSTYLE", "LOWERTOLERANCESTYLE",
          "LOWERUNITS", "LOWERPRECISION", "LOWERLEADINGZERO", "LOWERTRAILINGZERO", "LOWERCOMMA", "LOWERINCLUDEUNITS",
          "LEADINGDIMTEXT", "LOWPOSTOL", "LOWNEGTOL", "SHOWDIADIM", "TOLERANCESTYLE", "TRAILINGDIMTEXT",
          "TRAILINGTOLTEXT", "UNFORMATTED"})
        record.push_back(".." + std::string(skipped) + " 9");
    record.push_back("..UNKNOWN_SETTING 9");
    record.push_back("...UNDER_IT 1");

    CExDimension_Setting* s =
        Read(settings, &CExDimension_SettingArray::SetDimensionSettingData, 1, record, logs, 10.0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->sLayerName, "Dim Layer");
    EXPECT_EQ(s->sUnits, "MM");
    EXPECT_EQ(s->nPrecision, 3);
    EXPECT_EQ(s->sPositiveTolerance, "0.1");
    EXPECT_EQ(s->sNegativeTolerance, "0.2");
    EXPECT_EQ(s->sLeadingZero, "Yes");
    EXPECT_EQ(s->sTrailingZeros, "No");
    EXPECT_EQ(s->sCommaForDecimal, "No");
    EXPECT_EQ(s->sIncludeUnits, "Yes");
    EXPECT_EQ(s->sLineStyle, "Solid");
    EXPECT_DOUBLE_EQ(s->dLineWidth, 10.0);
    EXPECT_EQ(s->sTerminatorStyle, "Arrow");
    EXPECT_DOUBLE_EQ(s->dTerminatorHeight, 20.0);
    EXPECT_DOUBLE_EQ(s->dTerminatorWidth, 30.0);
    EXPECT_EQ(s->sTextJustification, "Center");
    EXPECT_DOUBLE_EQ(s->dStackedTextDistance, 40.0);
    EXPECT_DOUBLE_EQ(s->dExtensionGap, 50.0);
    EXPECT_EQ(s->sOrientation, "Horizontal");
    ASSERT_EQ(logs.notUsed.GetSize(), 1);
    ExpectLogged(logs.notUsed, 0, ".UNKNOWN_SETTING", "9", {"..UNDER_IT 1"});
}

TEST(Dimension, CellAndLayoutFormsGiveTheSameDimension)
{
    const test::Lines layoutForm = {".DIMENSION", "..DIMENSION_TYPE LINEAR", "..DIMENSION_SETTINGS_ID 3",
                                    "..GRAPHIC", "...USER_LYR Notes", "...POLYLINE_PATH", "....WIDTH 2",
                                    "....XY (0,0) (5,0)", "..ASSEMBLY_OUTLINE", "...SIDE TOP", "...ROUND",
                                    "....DIAMETER 1", "..TEXT \"12.5\"", "...HEIGHT 1", "..LEADERVERTEX 1",
                                    "..OFFSET 2", "..PID 3", "..FOO 1", "...BAR 2"};
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        Logs logs;
        CExDimensionArray dimensions;
        CExDimension* d =
            Read(dimensions, &CExDimensionArray::SetDimensionData, level, layoutForm, logs, 2.0);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->sDimensionType, "LINEAR");
        EXPECT_EQ(d->nDimensionSettingsId, 3);

        // The graphic's own children reach it whatever the nesting.
        ASSERT_EQ(d->pGraphicArray->GetSize(), 1);
        CExGraphic* g = d->pGraphicArray->GetAt(0);
        EXPECT_EQ(g->sUserLyr, "Notes");
        auto* path = dynamic_cast<CExPolyline_Path*>(g->pDrawObj);
        ASSERT_NE(path, nullptr);
        EXPECT_DOUBLE_EQ(path->dWidth, 4.0);
        EXPECT_EQ(path->aXY.GetSize(), 2);

        ASSERT_EQ(d->pAssemblyOutlineArray->GetSize(), 1);
        EXPECT_EQ(d->pAssemblyOutlineArray->GetAt(0)->sSide, "TOP");
        EXPECT_EQ(d->pAssemblyOutlineArray->GetAt(0)->pDrawObjArray->GetSize(), 1);
        ASSERT_EQ(d->pTextArray->GetSize(), 1);
        EXPECT_DOUBLE_EQ(d->pTextArray->GetAt(0)->dHeight, 2.0);

        ASSERT_EQ(logs.notUsed.GetSize(), 1);
        ExpectLogged(logs.notUsed, 0, ".FOO", "1", {"..BAR 2"});
        EXPECT_TRUE(logs.ignore.IsEmpty());
    }
}
