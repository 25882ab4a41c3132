// A project written to a file, read back and dumped as the reviewer's tool
// does: the reports of every element survive the file and tell the verdicts.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "tests/core/support/CalcSupport.h"
#include "tests/core/support/ReportDump.h"
#include "tests/core/support/TestSupport.h"
#include "core/ZunProject.h"

using namespace orv;

namespace {
TProjectElement element(const char* name, double nod, double t)
{
    TProjectElement e;
    std::memset(&e, 0, sizeof e);
    InitElementRecord(e.Input);
    InitProjectHeader("Inż. Projektant", e.Header);
    InitLoadCompilation(e.Loads);
    e.Name.set(name);
    e.Input.Nod = nod;
    e.Input.Nsld = 30;
    e.Input.t = t;
    return e;
}
} // namespace

TEST(ReportDump, ThroughAProjectFile)
{
    orvtest::ScratchDir dir;
    orvtest::MessageRecorder rec;
    TElementList elements = {
        element("Ściana nośna", 150, 25),   // N1d = 180 kN < 298.69 kN
        element("Przeciążona", 600, 25),    // N1d = 630 kN > 298.69 kN
        element("Bez grubości", 150, 0),    // a thickness the editor refuses: error 50
    };
    const std::string file = dir.file("przykład.clcm");
    ASSERT_TRUE(WriteProjectFile({"Uwagi"}, file, elements, 3, 0));

    TElementList back;
    std::vector<std::string> comments;
    ASSERT_TRUE(ReadProjectFile(comments, file, back));
    ASSERT_EQ(back.size(), 3u);

    std::ostringstream direct, read;
    orvtest::DumpProject(elements, direct);
    orvtest::DumpProject(back, read);
    EXPECT_EQ(read.str(), direct.str());

    const std::string s = orvtest::Shown(read.str());
    EXPECT_NE(s.find("element 1: Ściana nośna\ncase 0\nerror 0\nverdict satisfied\n"), std::string::npos) << s;
    EXPECT_NE(s.find("element 2: Przeciążona\ncase 0\nerror 0\nverdict exceeded\n"), std::string::npos) << s;
    EXPECT_NE(s.find("N1d = 630,00 kN  >  N1R,d"), std::string::npos) << s;
    EXPECT_NE(s.find("element 3: Bez grubości\ncase 0\nerror 50\nverdict exceeded\n"), std::string::npos) << s;
    EXPECT_TRUE(rec.messages.empty());
}
