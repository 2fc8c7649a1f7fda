#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ExExpedition.h"
#include "core/ExTemporary.h"
#include "loader/PC_Corvane_Get.h"
#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"
#include "support/TestSupport.h"

namespace {

using test::Lines;

// Loads a net class file on its own, as a library load does.
struct LoadedNetClasses {
    explicit LoadedNetClasses(const std::string& path)
    {
        CPC_Corvane_Get loader;
        loader.vSetExpedition(&root);
        loader.vSetMExpeditionLibFilePath("", {}, "", {}, path, "");
        EXPECT_EQ(loader.ParseXpeditionLib(), 1);
    }
    CExNetClassArray& Classes() { return *root.pNetClassArray; }
    CExNetPropArray& Props() { return *root.pNetPropArray; }
    CExExpedition root;
};

std::vector<std::string> ClassNames(const CExNetClassArray& a)
{
    std::vector<std::string> names;
    for (const CExNetClass* c : a)
        names.push_back(c->sName);
    return names;
}

// The caller of GetNetClass owns the classes as well as the array.
struct OwnedClasses {
    explicit OwnedClasses(CExNetClassArray* p) : a(p) {}
    ~OwnedClasses()
    {
        a->DeleteAll();
        delete a;
    }
    CExNetClassArray* a;
};

} // namespace

TEST(NetClassArray, ClassRecordsAndTheLinesInFrontOfThem)
{
    CExNetClassArray classes;
    std::vector<Lines> records = {
        {".NETCLASS \"Power\"", "..NETNAMES \"VCC\" \"GND\""},
        {"  .NETCLASS \"(Default)\"  ", "..NETNAMES \"N1\""},
        {".NETCLASS \"Lonely\""},
        {},
        // One or two lines of a pending record in front are dropped unparsed.
        {".NETNAME \"X\"", ".NETCLASS \"Fast\"", "..NETNAMES \"N1\""},
        {".NETNAME \"X\"", "..W 1", ".NETCLASS \"Slow\"", "..NETNAMES \"N2\""},
        {".NETNAME \"X\"", "..W 1", ".NETCLASS \"Cut\""},
        // At most two lines are dropped, whatever follows them.
        {"a", "b", "c", ".NETCLASS \"TooFar\"", "..NETNAMES x"},
        // Two lines are taken as they are, whatever the first holds.
        {"..anything \"q\"", "..NETNAMES n"},
    };
    for (Lines& r : records) {
        classes.SetData(r);
        EXPECT_TRUE(r.empty());
    }
    ASSERT_EQ(classes.GetSize(), 5);
    EXPECT_EQ(classes.GetAt(0)->sName, "Power");
    EXPECT_EQ(classes.GetAt(0)->sNetNames, "VCC GND");
    EXPECT_EQ(ClassNames(classes), (Lines{"Power", "Fast", "Slow", "c", "..anything q"}));
    EXPECT_EQ(classes.GetAt(1)->sNetNames, "N1");
    EXPECT_EQ(classes.GetAt(3)->sNetNames, ".NETCLASS TooFar");
    EXPECT_EQ(classes.pIgnoreLog->GetSize() + classes.pNotUsedLog->GetSize(), 0);
    classes.DeleteAll();  // the array leaves its elements to its owner
}

TEST(NetClassArray, GetNetClassMovesMatchingClassesOut)
{
    CExNetClassArray classes;
    std::vector<Lines> records = {{".NETCLASS A", "..NETNAMES VCC GND"},
                                  {".NETCLASS B", "..NETNAMES N1"},
                                  {".NETCLASS C", "..NETNAMES VCC GND"},
                                  {".NETCLASS D", "..NETNAMES vcc gnd"}};
    for (Lines& r : records)
        classes.SetData(r);

    OwnedClasses first(classes.GetNetClass("VCC GND"));
    EXPECT_EQ(ClassNames(*first.a), (Lines{"A", "C"}));
    EXPECT_EQ(ClassNames(classes), (Lines{"B", "D"}));
    OwnedClasses second(classes.GetNetClass("VCC GND"));
    EXPECT_EQ(second.a->GetSize(), 0);
    EXPECT_EQ(classes.GetSize(), 2);
    classes.DeleteAll();
}

TEST(NetPropArray, PropertiesOfANet)
{
    CExNetPropArray props;
    Lines gnd = {".NETNAME \"gnd\"", "..WIDTH 0.25", "..SHIELD", "..NOTE \"a b\" c"};
    Lines deep = {".NETNAME \"A\"", "..X 1", "...Y 2", "..Z 3"};
    Lines other = {".NETNAMES \"B\"", "..X 1"};
    Lines noBlank = {".NETNAME", "..X 1"};
    Lines empty;
    for (Lines* r : {&gnd, &deep, &other, &noBlank, &empty}) {
        props.SetData(*r);
        EXPECT_TRUE(r->empty());
    }
    ASSERT_EQ(props.GetSize(), 2);
    const CExNetProp& g = *props.GetAt(0);
    EXPECT_EQ(g.sNetName, "GND");
    EXPECT_EQ(g.saPropNames, (Lines{"WIDTH", "SHIELD", "NOTE"}));
    EXPECT_EQ(g.saPropValues, (Lines{"025", "", "a b c"}));

    // A deeper line logs the whole record and ends it; what was read stays.
    const CExNetProp& a = *props.GetAt(1);
    EXPECT_EQ(a.saPropNames, (Lines{"X"}));
    EXPECT_EQ(a.saPropValues, (Lines{"1"}));
    ASSERT_EQ(props.pIgnoreLog->GetSize(), 1);
    const CExTemporary& e = *props.pIgnoreLog->GetAt(0);
    EXPECT_EQ(e.sKeyword, ".NETNAME");
    EXPECT_EQ(e.sValue, "\"A\"");
    EXPECT_EQ(e.saLines, (Lines{"..X 1", "...Y 2", "..Z 3"}));
    EXPECT_EQ(e.nFlag, 1);
    EXPECT_EQ(props.pNotUsedLog->GetSize(), 0);

    EXPECT_EQ(props.GetNetProp("GND"), props.GetAt(0));
    EXPECT_EQ(props.GetNetProp("gnd"), nullptr);
    EXPECT_EQ(props.GetNetProp("A"), props.GetAt(1));
    props.DeleteAll();
}

TEST(NetConnectionArray, RecordsAreOnlyLogged)
{
    CExNetConnectionArray connections;
    std::vector<Lines> records = {{".FILETYPE X"}, {".units mm"},  {".LAYER_STACKUP_SECTION", "..A"},
                                  {".GRIDS_SECTION", "..G 1"},    {".NETNAME N"}, {}};
    for (Lines& r : records) {
        connections.SetData(r);
        EXPECT_TRUE(r.empty());
    }
    EXPECT_EQ(connections.GetSize(), 0);
    ASSERT_EQ(connections.pIgnoreLog->GetSize(), 2);
    EXPECT_EQ(connections.pIgnoreLog->GetAt(1)->sKeyword, ".GRIDS_SECTION");
    EXPECT_EQ(connections.pIgnoreLog->GetAt(1)->saLines, (Lines{"..G 1"}));
    ASSERT_EQ(connections.pNotUsedLog->GetSize(), 1);
    EXPECT_EQ(connections.pNotUsedLog->GetAt(0)->sContext, ".NETNAME N");
}

TEST(NetClassFile, WorkerGroupsClassesPropertiesAndHeaders)
{
    test::TempDir dir;
    const std::string path = dir.WriteLines(
        "classes.txt",
        {".FILETYPE NET_CLASS", ".VERSION2", ".CREATOR me", ".DATE today", ".UNITS TH", ".OUTPUT_IN_DB_UNITS YES",
         // a header keyword that needs its blank and lacks it starts a record
         ".NETNAME \"P\"", "..W 1", ".UNITSX", "..LENGTH 2",
         // header lines are dropped inside a record: ..B joins Q
         ".NETNAME \"Q\"", "..A 1", ".UNITS MM", "..B 2",
         // a pending record of more than two lines is handed over first
         ".NETCLASS \"Power\"", "..NETNAMES \"VCC\" \"GND\"", ".NETNAME \"R\"", "..A 1",
         // a pending record of two lines is dropped in front of a class
         ".NETCLASS \"Next\"",
         // the line after a class line is taken whatever it holds
         ".NETNAME \"S\"", "..A 1", "  ", "", ".NETCLASS \"Blank\"", "   ", "..NETNAMES \"late\"", ".NETNAME \"T\"",
         "..A 1", "..B", "more", ".NETCLASS \"(Default)\""});
    LoadedNetClasses loaded(path);
    ASSERT_NE(loaded.root.pNetClassArray, nullptr);
    ASSERT_NE(loaded.root.pNetConnectionArray, nullptr);
    CExNetClassArray& classes = loaded.Classes();
    CExNetPropArray& props = loaded.Props();

    EXPECT_EQ(ClassNames(classes), (Lines{"Power", "Next", "Blank"}));
    EXPECT_EQ(classes.GetAt(1)->sNetNames, ".NETNAME S");
    EXPECT_EQ(classes.GetAt(2)->sNetNames, "");

    ASSERT_NE(props.GetNetProp("P"), nullptr);
    EXPECT_EQ(props.GetNetProp("P")->saPropNames, (Lines{"W"}));
    ASSERT_NE(props.GetNetProp("Q"), nullptr);
    EXPECT_EQ(props.GetNetProp("Q")->saPropNames, (Lines{"A", "B"}));
    EXPECT_EQ(props.GetNetProp("R"), nullptr);
    // S went into a class; T is the last record, its continuation joined.
    EXPECT_EQ(props.GetNetProp("S"), nullptr);
    ASSERT_NE(props.GetNetProp("T"), nullptr);
    EXPECT_EQ(props.GetNetProp("T")->saPropNames, (Lines{"A", "Bmore"}));
    EXPECT_EQ(props.GetSize(), 3);
    EXPECT_EQ(props.pIgnoreLog->GetSize() + props.pNotUsedLog->GetSize(), 0);
    EXPECT_EQ(loaded.root.pNetConnectionArray->GetSize(), 0);
}

TEST(NetClassFile, FileEndingWithAClassLine)
{
    test::TempDir dir;
    LoadedNetClasses loaded(dir.WriteLines("end.txt", {".NETNAME \"A\"", "..X 1", "..Y 2", ".NETCLASS \"Last\""}));
    EXPECT_EQ(loaded.Classes().GetSize(), 0);
    ASSERT_EQ(loaded.Props().GetSize(), 1);
    EXPECT_EQ(loaded.Props().GetAt(0)->saPropNames, (Lines{"X", "Y"}));

    LoadedNetClasses empty(dir.Write("empty.txt", ""));
    EXPECT_EQ(empty.Classes().GetSize(), 0);
    EXPECT_EQ(empty.Props().GetSize(), 0);
}

TEST(NetClassFile, DemoFileLoads)
{
    LoadedNetClasses loaded(test::ExamplePath("demo/net_classes.txt"));
    CExNetClassArray& classes = loaded.Classes();
    EXPECT_EQ(ClassNames(classes), (Lines{"Power", "Signal"}));
    EXPECT_EQ(classes.GetAt(1)->sNetNames, "N1 N2 N3 N4");
    CExNetPropArray& props = loaded.Props();
    EXPECT_EQ(props.GetSize(), 6);
    const CExNetProp* gnd = props.GetNetProp("GND");
    ASSERT_NE(gnd, nullptr);
    EXPECT_EQ(gnd->saPropNames, (Lines{"WIDTH", "PLANE_NET", "NET_CLASS"}));
    EXPECT_EQ(gnd->saPropValues, (Lines{"05", "", "Power"}));
    EXPECT_EQ(props.pIgnoreLog->GetSize() + props.pNotUsedLog->GetSize(), 0);

    OwnedClasses signal(classes.GetNetClass("N1 N2 N3 N4"));
    EXPECT_EQ(ClassNames(*signal.a), (Lines{"Signal"}));
}
