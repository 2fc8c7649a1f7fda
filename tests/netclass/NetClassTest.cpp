#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Fields.h"
#include "support/Records.h"

namespace {

using test::Lines;

// The arrays leave their elements to their owner.
template <class Array>
struct Owned : Array {
    ~Owned() override { this->DeleteAll(); }
};

// The caller of GetNetClass owns the classes as well as the array.
std::string TakeOut(CExNetClassArray& classes, const std::string& netNames)
{
    CExNetClassArray* taken = classes.GetNetClass(netNames);
    const std::string names = test::Items(*taken);
    taken->DeleteAll();
    delete taken;
    return names;
}

} // namespace

TEST(NetClassArray, ClassRecordsAndTheLinesInFrontOfThem)
{
    Owned<CExNetClassArray> classes;
    for (Lines r : {
             Lines{".NETCLASS \"Power\"", "..NETNAMES \"VCC\" \"GND\""},
             Lines{"  .NETCLASS \"(Default)\"  ", "..NETNAMES \"N1\""},
             Lines{".NETCLASS \"Lonely\""},
             Lines{},
             // One or two lines of a pending record in front are dropped unparsed.
             Lines{".NETNAME \"X\"", ".NETCLASS \"Fast\"", "..NETNAMES \"N1\""},
             Lines{".NETNAME \"X\"", "..W 1", ".NETCLASS \"Slow\"", "..NETNAMES \"N2\""},
             Lines{".NETNAME \"X\"", "..W 1", ".NETCLASS \"Cut\""},
             // At most two lines are dropped, whatever follows them.
             Lines{"a", "b", "c", ".NETCLASS \"TooFar\"", "..NETNAMES x"},
             // Two lines are taken as they are, whatever the first holds.
             Lines{"..anything \"q\"", "..NETNAMES n"},
         }) {
        classes.SetData(r);
        EXPECT_TRUE(r.empty());
    }
    EXPECT_EQ(test::Items(classes), "CExNetClass{sName=Power sNetNames=VCC GND} CExNetClass{sName=Fast sNetNames=N1} "
                                    "CExNetClass{sName=Slow sNetNames=N2} CExNetClass{sName=c sNetNames=.NETCLASS TooFar} "
                                    "CExNetClass{sName=..anything q sNetNames=n}");
    EXPECT_TRUE(classes.pIgnoreLog->IsEmpty() && classes.pNotUsedLog->IsEmpty());

    // GetNetClass moves the classes of exactly these net names out.
    Owned<CExNetClassArray> more;
    for (Lines r : {Lines{".NETCLASS A", "..NETNAMES VCC GND"}, Lines{".NETCLASS B", "..NETNAMES N1"},
                    Lines{".NETCLASS C", "..NETNAMES VCC GND"}, Lines{".NETCLASS D", "..NETNAMES vcc gnd"}})
        more.SetData(r);
    EXPECT_EQ(TakeOut(more, "VCC GND"), "CExNetClass{sName=A sNetNames=VCC GND} CExNetClass{sName=C sNetNames=VCC GND}");
    EXPECT_EQ(TakeOut(more, "VCC GND"), "");
    EXPECT_EQ(test::Items(more), "CExNetClass{sName=B sNetNames=N1} CExNetClass{sName=D sNetNames=vcc gnd}");
}

TEST(NetPropArray, PropertiesOfANet)
{
    Owned<CExNetPropArray> props;
    for (Lines r : {Lines{".NETNAME \"gnd\"", "..WIDTH 0.25", "..SHIELD", "..NOTE \"a b\" c"},
                    Lines{".NETNAME \"A\"", "..X 1", "...Y 2", "..Z 3"}, Lines{".NETNAMES \"B\"", "..X 1"},
                    Lines{".NETNAME", "..X 1"}, Lines{}}) {
        props.SetData(r);
        EXPECT_TRUE(r.empty());
    }
    // Names are upper-cased, dots leave values; a deeper line logs the whole
    // record, with itself as context, and ends it; what was read stays.
    EXPECT_EQ(test::Items(props), "CExNetProp{sNetName=GND saPropNames=[WIDTH|SHIELD|NOTE] saPropValues=[025||a b c]} "
                                  "CExNetProp{sNetName=A saPropNames=[X] saPropValues=[1]}");
    EXPECT_EQ(test::Entries(*props.pIgnoreLog), Lines{".NETNAME|\"A\"|1|...Y 2|1|..X 1|...Y 2|..Z 3"});
    EXPECT_TRUE(props.pNotUsedLog->IsEmpty());
    EXPECT_EQ(props.GetNetProp("GND"), props.GetAt(0));
    EXPECT_EQ(props.GetNetProp("gnd"), nullptr);
    EXPECT_EQ(props.GetNetProp("A"), props.GetAt(1));
}

TEST(NetConnectionArray, RecordsAreOnlyLogged)
{
    CExNetConnectionArray connections;
    for (Lines r : {Lines{".FILETYPE X"}, Lines{".units mm"}, Lines{".LAYER_STACKUP_SECTION", "..A"},
                    Lines{".GRIDS_SECTION", "..G 1"}, Lines{".NETNAME N"}, Lines{}}) {
        connections.SetData(r);
        EXPECT_TRUE(r.empty());
    }
    EXPECT_TRUE(connections.IsEmpty());
    EXPECT_EQ(test::Keywords(*connections.pIgnoreLog), (Lines{".FILETYPE", ".GRIDS_SECTION"}));
    EXPECT_EQ(test::Entries(*connections.pNotUsedLog), Lines{".NETNAME|N|1|.NETNAME N|1"});
}

// The file reader's own grouping: a class record takes the line after its
// first whatever it holds, and what was pending in front of it goes first.
TEST(NetClassFile, WorkerGroupsClassesPropertiesAndHeaders)
{
    test::TempDir dir;
    CExExpedition root;
    ASSERT_EQ(test::LoadLibrary(
                  root, "", {}, {},
                  dir.WriteLines("classes.txt",
                                 {".FILETYPE NET_CLASS", ".VERSION2", ".CREATOR me", ".DATE today", ".UNITS TH",
                                  ".OUTPUT_IN_DB_UNITS YES",
                                  // a header keyword that needs its blank and lacks it starts a record
                                  ".NETNAME \"P\"", "..W 1", ".UNITSX", "..LENGTH 2",
                                  // header lines are dropped inside a record: ..B joins Q
                                  ".NETNAME \"Q\"", "..A 1", ".UNITS MM", "..B 2",
                                  // a pending record of more than two lines is handed over first
                                  ".NETCLASS \"Power\"", "..NETNAMES \"VCC\" \"GND\"", ".NETNAME \"R\"", "..A 1",
                                  // a pending record of two lines is dropped in front of a class
                                  ".NETCLASS \"Next\"",
                                  // the line after a class line is taken whatever it holds
                                  ".NETNAME \"S\"", "..A 1", "  ", "", ".NETCLASS \"Blank\"", "   ",
                                  "..NETNAMES \"late\"", ".NETNAME \"T\"", "..A 1", "..B", "more",
                                  ".NETCLASS \"(Default)\""})),
              1);
    ASSERT_TRUE(root.pNetClassArray && root.pNetPropArray && root.pNetConnectionArray);
    EXPECT_EQ(test::Items(*root.pNetClassArray), "CExNetClass{sName=Power sNetNames=VCC GND} "
                                                 "CExNetClass{sName=Next sNetNames=.NETNAME S} CExNetClass{sName=Blank}");
    // S went into a class; T is the last record, its continuation joined.
    EXPECT_EQ(test::Items(*root.pNetPropArray),
              "CExNetProp{sNetName=P saPropNames=[W] saPropValues=[1]} "
              "CExNetProp{sNetName=Q saPropNames=[A|B] saPropValues=[1|2]} "
              "CExNetProp{sNetName=T saPropNames=[A|Bmore] saPropValues=[1|]}");
    EXPECT_TRUE(root.pNetPropArray->pIgnoreLog->IsEmpty() && root.pNetPropArray->pNotUsedLog->IsEmpty());
    EXPECT_TRUE(root.pNetConnectionArray->IsEmpty());

    // A file ending with a class line; an empty file.
    CExExpedition end, empty;
    ASSERT_EQ(test::LoadLibrary(end, "", {}, {},
                                dir.WriteLines("end.txt", {".NETNAME \"A\"", "..X 1", "..Y 2", ".NETCLASS \"Last\""})),
              1);
    EXPECT_TRUE(end.pNetClassArray->IsEmpty());
    EXPECT_EQ(test::Items(*end.pNetPropArray), "CExNetProp{sNetName=A saPropNames=[X|Y] saPropValues=[1|2]}");
    ASSERT_EQ(test::LoadLibrary(empty, "", {}, {}, dir.Write("empty.txt", "")), 1);
    EXPECT_TRUE(empty.pNetClassArray->IsEmpty() && empty.pNetPropArray->IsEmpty());
}
