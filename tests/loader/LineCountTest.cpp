#include <gtest/gtest.h>

#include <string>

#include "loader/PC_Corvane_Get.h"
#include "support/TestSupport.h"

namespace {

using namespace std::string_literals;

TEST(LineCount, LinesPlusOne)
{
    test::TempDir dir;
    CPC_Corvane_Get loader;
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("lf", "a\nb\n"), 0), 3);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("nolast", "a\nb"), 0), 3);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("crlf", "a\r\nb\r\n"), 0), 3);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("lonecr", "a\rb\rc\n"), 0), 2);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("blank", "\n\n\n"), 0), 4);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("nul", "a\0\nb\0c"s), 0), 3);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("empty", ""), 0), 1);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Write("huge", std::string(10u << 20, 'x') + "\n.END\n"), 0), 3);

    EXPECT_EQ(loader.nGetFileLineCount((dir.Path() / "missing").string(), 0), 0);
    EXPECT_EQ(loader.nGetFileLineCount(dir.Path().string(), 0), 0);
    EXPECT_EQ(loader.nGetFileLineCount("", 1), 0);
}

TEST(LineCount, HeaderCaptureWithFlagOne)
{
    test::TempDir dir;
    const std::string prefs = dir.WriteLines("prefs.jpf", {".FILETYPE JOB_PREFERENCES", "", "   .units \"MM\"  ",
                                                          ".PADSTACK_TECHNOLOGY  \"(Default) Tech\"", ".UNITS TH",
                                                          ".PADSTACK_TECHNOLOGY Other", "..LAYER 1"});
    {
        CPC_Corvane_Get loader;
        EXPECT_EQ(g_sUnits, "");
        EXPECT_EQ(loader.nGetFileLineCount(prefs, 0), 8);
        EXPECT_EQ(g_sUnits, "");  // only flag 1 looks at the lines
        EXPECT_EQ(g_sPadstackTechnology, "");
        EXPECT_EQ(loader.nGetFileLineCount(prefs, 1), 8);  // the same total
        EXPECT_EQ(g_sUnits, "MM");                          // quotes removed, first one wins
        EXPECT_EQ(g_sPadstackTechnology, "(Default) Tech");
    }
    {
        // Once set, a value stays until a new loader is made.
        CPC_Corvane_Get loader;
        const std::string other = dir.WriteLines("other.jpf", {".UNITS IN", ".UNITS MM", ".PADSTACK_TECHNOLOGY T2"});
        loader.nGetFileLineCount(other, 1);
        EXPECT_EQ(g_sUnits, "IN");
        loader.nGetFileLineCount(prefs, 1);
        EXPECT_EQ(g_sUnits, "IN");
        EXPECT_EQ(g_sPadstackTechnology, "T2");
    }
    {
        // The value is what follows the first blank; without a blank it is the
        // whole line; an empty value leaves the string for a later line.
        CPC_Corvane_Get loader;
        const std::string odd = dir.Write("odd.jpf", ".UNITSX\r\n.PADSTACK_TECHNOLOGY \"\"\r\n.PADSTACK_TECHNOLOGY b c");
        EXPECT_EQ(loader.nGetFileLineCount(odd, 1), 4);
        EXPECT_EQ(g_sUnits, ".UNITSX");
        EXPECT_EQ(g_sPadstackTechnology, "b c");
    }
    {
        // A header found early must not change the count of what follows.
        CPC_Corvane_Get loader;
        std::string text = ".UNITS MM\n.PADSTACK_TECHNOLOGY X\n";
        for (int i = 0; i < 100000; ++i)
            text += "..LINE\n";
        text += "last without newline";
        EXPECT_EQ(loader.nGetFileLineCount(dir.Write("big.jpf", text), 1), 100004);
        EXPECT_EQ(g_sUnits, "MM");
        // And a file with no header at all is counted whole.
        CPC_Corvane_Get fresh;
        EXPECT_EQ(fresh.nGetFileLineCount(dir.Write("noheader.jpf", "a\nb\nc"), 1), 4);
        EXPECT_EQ(g_sUnits, "");
    }
}

} // namespace
