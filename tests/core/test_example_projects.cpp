// The example projects: written by the generator, read back by the project
// reader unchanged, and every element calculates with its conditions met.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "core/ProjectSession.h"
#include "core/ZunCalc.h"
#include "core/ZunProject.h"
#include "core/ZunRtf.h"
#include "tests/core/support/TestSupport.h"
#include "tools/ExampleProjects.h"

using namespace orv;

namespace {

struct ReadBack {
    bool ok = false;
    std::vector<std::string> comments;
    TElementList elements;
};

ReadBack ReadExample(const std::string& file)
{
    ReadBack r;
    r.ok = ReadProjectFile(r.comments, file, r.elements);
    return r;
}

// One element calculated: its error number, whether a condition fails, the results.
struct Verdict {
    u8 error = 255;
    bool exceeded = true;
    TCalcResults results;
};

Verdict Calculate(const TProjectElement& e)
{
    Verdict v;
    TTraceLines lines;
    const TCalcInput in = e.Input;
    v.error = CalcElement(lines, in, v.results);
    v.exceeded = IsCapacityExceeded(in, v.results);
    return v;
}

// The examples written into a scratch folder and read back.
struct WrittenExamples {
    orvtest::ScratchDir dir;
    std::vector<TExampleProject> built = BuildExampleProjects();
    std::vector<ReadBack> read;

    WrittenExamples()
    {
        std::string failed;
        EXPECT_TRUE(WriteExampleProjects(dir.path().string(), failed)) << failed;
        for (const TExampleProject& p : built) read.push_back(ReadExample(dir.file(p.FileName)));
    }
};

} // namespace

TEST(ExampleProjects, EveryElementReadBackCalculatesWithItsConditionsMet)
{
    orvtest::MessageRecorder messages;
    const WrittenExamples ex;
    ASSERT_EQ(ex.built.size(), 2u);
    EXPECT_EQ(ex.built[0].FileName, "Przykład 1.clcm");
    EXPECT_EQ(ex.built[1].FileName, "Przykład 2.clcm");
    const std::vector<std::vector<int>> cases = {
        {ccWallVerticalHinged, ccWallVerticalHinged, ccWallVerticalContinuous, ccConcentratedLoad,
         ccWallVerticalHinged},
        {ccWallHorizontal, ccBasementWall, ccColumn}};

    for (std::size_t p = 0; p < ex.built.size(); ++p) {
        const ReadBack& r = ex.read[p];
        ASSERT_TRUE(r.ok) << ex.built[p].FileName;
        ASSERT_EQ(r.elements.size(), cases[p].size());
        EXPECT_EQ(r.comments, ex.built[p].Comments);
        for (std::size_t i = 0; i < r.elements.size(); ++i) {
            const TProjectElement& e = r.elements[i];
            EXPECT_EQ(e.Input.Case, cases[p][i]);
            EXPECT_FALSE(e.Name.str().empty());
            EXPECT_FALSE(e.Description.str().empty());
            const Verdict v = Calculate(e);
            EXPECT_EQ(v.error, 0) << e.Name.str() << ": " << CalcErrorText(v.error);
            EXPECT_FALSE(v.exceeded) << e.Name.str();
        }
    }
    EXPECT_TRUE(messages.messages.empty());
}

// The reader's range checks leave every record as it was built: nothing in
// the examples lies outside its range.
TEST(ExampleProjects, RecordsComeBackByteForByte)
{
    const WrittenExamples ex;
    for (std::size_t p = 0; p < ex.built.size(); ++p) {
        TElementList expected = ex.built[p].Elements;
        std::memcpy(expected[0].Version, "01.3", 4);
        expected[0].Count = static_cast<i32>(expected.size());
        expected[0].Current = 0;
        const ReadBack& r = ex.read[p];
        ASSERT_EQ(r.elements.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(std::memcmp(&r.elements[i], &expected[i], sizeof(TProjectElement)), 0)
                << ex.built[p].FileName << " element " << i;
        const TProjectHeader h = r.elements[0].Header;
        EXPECT_EQ(h.Author.str(), "mgr inż. Jan Kowalski");
        EXPECT_EQ(h.CommentPlace, 1);
        EXPECT_EQ(h.FigureSize[0], 10.0);
        EXPECT_EQ(h.FigureSize[9], 8.0);
        // The steel grade comes from the catalogue: 34GS, class A-III, f_yd 350 MPa.
        const TSteelGrade s = r.elements[0].Input.stal;
        EXPECT_EQ(s.Znak.str(), "34GS");
        EXPECT_EQ(+s.Klasa, 3);
        EXPECT_EQ(+s.fyd, 350e6);
    }
}

// Results of two elements against hand-worked numbers.
TEST(ExampleProjects, BasementWallAndPierByHand)
{
    const WrittenExamples ex;
    ASSERT_EQ(ex.read[1].elements.size(), 3u);

    // Basement wall: concrete blocks group 1, f_b 15, M10, K 0.40;
    // f_k = 0.40 x 15^0.7 x 10^0.3 = 0.40 x 6.6568 x 1.99526 = 5.3128 MPa, gamma_m 2.2.
    // G_s = 2.5 x 0.38 x 22 x 1.1 = 22.99 kN/m; N_Sd = 65 + 22.99 x (2.5 - 0.85)/2.5 = 80.173 kN/m;
    // N_max = 0.38 x 5312.8/(3 x 2.2) = 305.89 kN/m; b_e = 6.0 >= 2h -> beta 20,
    // N_min = 18.5 x 2.5 x 1.7^2/(20 x 0.38) = 17.587 kN/m.
    const Verdict basement = Calculate(ex.read[1].elements[1]);
    ASSERT_EQ(basement.error, 0);
    EXPECT_NEAR(basement.results.N_2d, 80.173, 1e-3);
    EXPECT_NEAR(basement.results.N_maxRd, 305.89, 1e-2);
    EXPECT_EQ(basement.results.beta_A, 20);
    EXPECT_NEAR(basement.results.N_minRd, 17.587, 1e-3);

    // Pier 38 x 51 cm of solid bricks group 1, f_b 15, M10, K 0.45: f_k = 5.9770 MPa;
    // A = 0.1938 m2 -> eta_A = 1.43 - (0.1938 - 0.12)/0.08 x 0.18 = 1.26395;
    // f_d = 5.9770/(2.2 x 1.26395) = 2.14945 MPa; N_0Rd = 0.1938 x 2149.45 = 416.56 kN.
    // G_s = 2.8 x 0.38 x 0.51 x 18 x 1.1 = 10.744 kN -> N_2d = 230.744 kN.
    const Verdict pier = Calculate(ex.read[1].elements[2]);
    ASSERT_EQ(pier.error, 0);
    EXPECT_NEAR(pier.results.A, 0.1938, 1e-12);
    EXPECT_NEAR(pier.results.N_0Rd, 416.56, 1e-2);
    EXPECT_NEAR(pier.results.N_2d, 230.744, 1e-3);
    EXPECT_GT(pier.results.N_1Rd_xy, 220.0);
}

// The wall under a beam of Przykład 1 (case 3) turned into the continuous
// model: with the joint walls identical, they take the wall's masonry and
// section, and the slabs it never had those of a new element; it calculates.
TEST(ExampleProjects, AWallTurnedIntoTheContinuousModelTakesItsJointFromTheWall)
{
    orvtest::MessageRecorder messages;
    const WrittenExamples ex;
    ProjectSession fresh;
    fresh.addElement("Nowy", "", ccWallVerticalContinuous);
    const TCalcInput d = fresh.current().Input;

    for (bool identical : {true, false}) {
        ProjectSession s;
        ASSERT_TRUE(s.openAsUntitled(ex.dir.file("Przykład 1.clcm"), "Przykład 1").ok());
        ASSERT_TRUE(s.setCurrent(3));
        s.editCurrent([&](TProjectElement& e) { e.Input.IdentyczneParametryScian = identical ? 1 : 0; });
        const TCalcInput before = s.current().Input;
        ASSERT_EQ(before.Case, ccConcentratedLoad);
        ASSERT_EQ(before.E2, 0.0);
        ASSERT_EQ(before.J3, 0.0);
        ASSERT_TRUE(s.setCase(ccWallVerticalContinuous));
        const TCalcInput in = s.current().Input;
        if (!identical) {
            // Walls of their own keep what the element holds: no slab, no verdict.
            EXPECT_EQ(in.E2, 0.0);
            EXPECT_EQ(in.J3, 0.0);
            EXPECT_EQ(s.results().Error, 12);
            continue;
        }
        // Solid bricks f_b 15 MPa in M10: f_k = 0.45 x 15^0.7 x 10^0.3 = 5.977 MPa,
        // E = 1000 f_k = 5.977 GPa; J = t^3 b / 12 = 25^3 x 250 / 12 = 325,520.8 cm4.
        EXPECT_NEAR(in.E2, 5.977, 1e-3);
        EXPECT_EQ(in.E5, in.E2);
        EXPECT_NEAR(in.J2, 325520.833, 1e-3);
        EXPECT_EQ(in.J5, in.J2);
        EXPECT_EQ(std::memcmp(&in.ElementE2, &in.ElementE5, sizeof in.ElementE2), 0);
        EXPECT_EQ(in.ElementE2.fb, 15.0);
        for (const auto& [now, made] : {std::pair{in.J3, d.J3}, {in.J6, d.J6}, {in.E3, d.E3}, {in.E6, d.E6}})
            EXPECT_EQ(now, made);
        EXPECT_GT(in.J3, 0.0);
        EXPECT_EQ(std::memcmp(&in.Stropy[0], &d.Stropy[0], sizeof in.Stropy[0]), 0);
        // The joint is accepted; with no load from above the mean stress is
        // too low for the model, and 300 kN over 0.25 x 2.5 m (0.48 MPa) is not.
        EXPECT_EQ(s.results().Error, ceLowMeanStress) << CalcErrorText(s.results().Error);
        s.editCurrent([](TProjectElement& e) { e.Input.Nod = 300; });
        EXPECT_EQ(s.results().Error, 0) << CalcErrorText(s.results().Error);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ExampleProjects, BuildFolderHoldsTheGeneratedFiles)
{
    const WrittenExamples ex;
    for (const TExampleProject& p : ex.built) {
        const std::string built = std::string(ORV_BUILD_DIR) + "/" + p.FileName;
        const std::string fresh = orvtest::ReadFileBytes(ex.dir.file(p.FileName));
        EXPECT_EQ(fresh.size() / sizeof(TProjectElement), p.Elements.size());
        EXPECT_EQ(fresh.substr(0, 4), "01.3");
        EXPECT_TRUE(orvtest::ReadFileBytes(built) == fresh) << built;
    }
}

TEST(ExampleProjects, UnwritableFolderIsReported)
{
    orvtest::MessageRecorder messages;
    orvtest::ScratchDir dir;
    std::string failed;
    EXPECT_FALSE(WriteExampleProjects(dir.file("brak/folderu"), failed));
    EXPECT_NE(failed.find("Przykład 1.clcm"), std::string::npos);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].headline, "Błąd zapisu pliku!");
}

// The build's tool replaces an example the way the program saves: the old
// file's owner, group and mode stay, and no temporary file is left.
TEST(ExampleProjects, TheToolKeepsTheOwnerAndModeOfAFileItReplaces)
{
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file another owner needs the superuser";
    orvtest::ScratchDir dir;
    const std::string file = dir.file("Przykład 1.clcm");
    orvtest::WriteFileBytes(file, "stary");
    ASSERT_EQ(::chown(file.c_str(), 4321, 4322), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const std::string command = "'" + std::string(ORV_MAKE_EXAMPLES) + "' '" + dir.path().string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(orvtest::ReadFileBytes(file).substr(0, 4), "01.3");
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.is_regular_file();
    EXPECT_EQ(entries, 2); // both examples, nothing else
}
