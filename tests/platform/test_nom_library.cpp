// The load-tables library through its bridge: every entry point with rows
// typed by the user against hand-worked sums, the rows coming back on the
// next call, a cancelled dialog leaving the caller's numbers alone, and a
// folder without the library.
#include <gtest/gtest.h>

#include "tests/common/QtTestApp.h"

#include <QApplication>

#include "platform/MakerLibrary.h"
#include "platform/NomLib.h"
#include "tests/core/support/TestSupport.h"
#include "tests/platform/support/LoadTableDriver.h"

using namespace orv;
using orvtest::DriveNextLoadTable;
using orvtest::LoadTableSession;

namespace {

class NomLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        orvtest::EnsureApp<QApplication>();
        SetMakerLibraryFolder(QStringLiteral(ORV_BUILD_DIR));
    }
    void TearDown() override { SetMakerLibraryFolder({}); }

    orvtest::MessageRecorder messages;
    TPoint a{-1, -1}, b{-1, -1};
};

bool SameSettings(const TLoadTableSettings& x, const TLoadTableSettings& y)
{
    return x.I1 == y.I1 && x.I2 == y.I2 && x.I3 == y.I3 && x.D1 == y.D1 && x.D2 == y.D2 &&
           x.D3 == y.D3;
}

} // namespace

TEST_F(NomLibrary, WallLayersGiveTheirUnitWeightAndReopenWithTheirRows)
{
    // 0.25 m masonry at 18 kN/m3 and 2 x 0.015 m plaster at 20 kN/m3:
    // (0.25*18 + 0.03*20) / 0.28 = (4.5 + 0.6) / 0.28 = 18.2143 kN/m3.
    std::string s;
    double v = 0;
    LoadTableSession user;
    user.rows = {{"Mur", 0.25, 18.0, 1.35}, {"Tynk obustronny", 0.03, 20.0, 1.35}};
    DriveNextLoadTable(user);
    ASSERT_TRUE(CallShowWallsObcDlg(nullptr, a, b, s, v));
    EXPECT_NEAR(v, 5.1 / 0.28, 1e-9);
    EXPECT_NE(s.find("Tynk obustronny"), std::string::npos);
    EXPECT_FALSE(a.X == -1 && a.Y == -1); // the dialog's place came back

    // The next call opens with both rows; Cancel keeps text and value.
    const std::string kept = s;
    LoadTableSession second;
    second.rows = {{"Beton", 1.0, 25.0, 1.35}};
    second.confirm = false;
    DriveNextLoadTable(second);
    EXPECT_FALSE(CallShowWallsObcDlg(nullptr, a, b, s, v));
    EXPECT_EQ(second.openedRows, 2);
    EXPECT_EQ(s, kept);
    EXPECT_NEAR(v, 5.1 / 0.28, 1e-9);
}

TEST_F(NomLibrary, ConcreteAndSoilTables)
{
    std::string s;
    double v = 0;
    LoadTableSession user;
    user.rows = {{"Żelbet", 0.24, 25.0, 1.35}};
    DriveNextLoadTable(user);
    ASSERT_TRUE(CallShowConcreteObcDlg(nullptr, a, b, s, v));
    EXPECT_DOUBLE_EQ(v, 25.0);
    EXPECT_NE(s.find("Żelbet"), std::string::npos);

    // Sand 1.2 m over gravel 0.8 m: (1.2*19 + 0.8*20) / 2.0 = 38.8 / 2 = 19.4 kN/m3.
    std::string soil;
    double rho = 0;
    LoadTableSession digger;
    digger.rows = {{"Piasek", 1.2, 19.0, 1.35}, {"Żwir", 0.8, 20.0, 1.35}};
    DriveNextLoadTable(digger);
    ASSERT_TRUE(CallShowSoilLoadDlg(nullptr, soil, rho));
    EXPECT_NEAR(rho, 19.4, 1e-12);
}

TEST_F(NomLibrary, PermanentFloorLoadOverTheBandWidthTheProgramSet)
{
    // 0.05 m screed at 23 and 0.20 m slab at 25 kN/m3, gamma_f 1.35:
    // g_k = 1.15 + 5.00 = 6.15 kN/m2, g_d = 6.15 * 1.35 = 8.3025 kN/m2;
    // over the band of 2.5 m: 20.75625 kN/m.
    TLoadTableSettings st;
    st.I3 = 1;
    st.D3 = 2.5;
    std::string s1 = "b=4", s2;
    double a1 = 0, a2 = 0;
    LoadTableSession user;
    user.rows = {{"Wylewka", 0.05, 23.0, 1.35}, {"Płyta", 0.20, 25.0, 1.35}};
    DriveNextLoadTable(user);
    ASSERT_TRUE(CallShowObcStaleDlg(nullptr, 2, st, s1, s2, a1, a2));
    EXPECT_DOUBLE_EQ(user.openedWidth, 2.5); // the program's width, not the text's 4
    EXPECT_NEAR(a1, 8.3025, 1e-12);
    EXPECT_DOUBLE_EQ(a2, 2.5);
    EXPECT_NEAR(a1 * a2, 20.75625, 1e-12);
    EXPECT_EQ(s1, "b=2.5");
    EXPECT_EQ(st.I3, 0);

    // In the compilation (mode 1) there is no band: A2 = 1.
    LoadTableSession again;
    DriveNextLoadTable(again);
    ASSERT_TRUE(CallShowObcStaleDlg(nullptr, 1, st, s1, s2, a1, a2));
    EXPECT_EQ(again.openedRows, 2);
    EXPECT_FALSE(again.hadWidth);
    EXPECT_NEAR(a1, 8.3025, 1e-12);
    EXPECT_DOUBLE_EQ(a2, 1.0);
}

TEST_F(NomLibrary, VariableFloorLoad)
{
    // q_k = 2.0 kN/m2 (offices partitions 0.5 on top): 2.5 kN/m2 characteristic,
    // design 2.5 * 1.5 = 3.75 kN/m2, band 3.0 m.
    TLoadTableSettings st;
    std::string s1, s2;
    double a1 = 0, a2 = 0, a3 = 0;
    LoadTableSession user;
    user.rows = {{"Użytkowe", 1.0, 2.0, 1.5}, {"Ścianki działowe", 1.0, 0.5, 1.5}};
    user.width = 3.0;
    DriveNextLoadTable(user);
    ASSERT_TRUE(CallShowObcZmienneDlg(nullptr, 2, st, s1, s2, a1, a2, a3));
    EXPECT_NEAR(a1, 3.75, 1e-12);
    EXPECT_DOUBLE_EQ(a2, 3.0);
    EXPECT_NEAR(a3, 2.5, 1e-12);
    EXPECT_DOUBLE_EQ(st.D3, 3.0);
}

TEST_F(NomLibrary, WindTables)
{
    // c_pe = -0.7, q_p = 0.5 kN/m2, gamma_f = 1.5: w_d = -0.525 kN/m2.
    TLoadTableSettings st;
    std::string s1, s2, s3 = "trzeci", s4 = "czwarty";
    double a1 = 0, a2 = 0;
    LoadTableSession user;
    user.rows = {{"Ssanie", -0.7, 0.5, 1.5}};
    DriveNextLoadTable(user);
    ASSERT_TRUE(CallShowWindWallLoadsDlg(nullptr, 1, st, s1, s2, s3, s4, a1, a2));
    EXPECT_NEAR(a1, -0.525, 1e-12);
    EXPECT_DOUBLE_EQ(a2, 1.0);
    EXPECT_NE(s2.find("Ssanie"), std::string::npos);
    EXPECT_EQ(s3, "trzeci");
    EXPECT_EQ(s4, "czwarty");

    // One side: c_pe = -0.6 at 0.5 kN/m2, gamma_f 1.5 = -0.45 kN/m2, over
    // 2.0 m: A1 = -0.9 kN/m, A3 = 1.
    std::string s[6];
    unsigned char both = 0;
    double b1 = 0, b2 = 0, b3 = 0;
    LoadTableSession one;
    one.rows = {{"Strefa E", -0.6, 0.5, 1.5}};
    one.width = 2.0;
    DriveNextLoadTable(one);
    ASSERT_TRUE(CallShowWindAllWallLoadsDlg(nullptr, 2, both, st, s, b1, b2, b3));
    EXPECT_NEAR(b1, -0.9, 1e-12);
    EXPECT_DOUBLE_EQ(b3, 1.0);
    EXPECT_EQ(both, 0);
    EXPECT_NE(s[2].find("Strefa E"), std::string::npos);
    EXPECT_EQ(s[0], "b=2");

    // Both sides: pressure +0.8 and suction -0.5 at 0.5 kN/m2, gamma_f 1.5:
    // A1 = 0.6, A2 = -0.375 kN/m2; the rows go to both texts.
    LoadTableSession sides;
    sides.clearFirst = true;
    sides.rows = {{"D", 0.8, 0.5, 1.5}, {"E", -0.5, 0.5, 1.5}};
    sides.both = 1;
    DriveNextLoadTable(sides);
    ASSERT_TRUE(CallShowWindAllWallLoadsDlg(nullptr, 2, both, st, s, b1, b2, b3));
    EXPECT_EQ(sides.openedRows, 1);
    EXPECT_EQ(both, 1);
    EXPECT_NEAR(b1, 0.6, 1e-12);
    EXPECT_NEAR(b2, -0.375, 1e-12);
    EXPECT_EQ(s[3], s[2]);
}

TEST_F(NomLibrary, WholeLoadTable)
{
    // 10 kN/m permanent at 1.35 and 4 kN/m variable at 1.5:
    // characteristic 14, design 13.5 + 6.0 = 19.5 kN/m, mean factor 19.5/14.
    TLoadTableSettings st;
    std::string s1, s2;
    double a1 = 0, a2 = 1.1, a3 = 1.0;
    LoadTableSession user;
    user.rows = {{"Stałe", 1.0, 10.0, 1.35}, {"Zmienne", 1.0, 4.0, 1.5}};
    DriveNextLoadTable(user);
    ASSERT_TRUE(CallShowAllObcDlg(nullptr, a, b, 3, st, s1, s2, a1, a2, a3));
    EXPECT_NEAR(a1, 19.5, 1e-12);
    EXPECT_NEAR(a2, 19.5 / 14.0, 1e-12);
    EXPECT_NEAR(a3, 14.0, 1e-12);
    EXPECT_FALSE(a.X == -1 && a.Y == -1);
}

TEST_F(NomLibrary, CancelLeavesTheCallersSettingsAlone)
{
    // The library remembers its band width and list row even when cancelled;
    // the caller's settings must not follow.
    TLoadTableSettings st;
    st.I1 = 2;
    st.D1 = 7.0;
    st.D3 = 1.25;
    const TLoadTableSettings before = st;
    std::string s1 = "b=1.25", s2, s3, s4, s[6];
    double a1 = 5, a2 = 6, a3 = 7;
    unsigned char both = 0;
    auto cancelWith = [] {
        static LoadTableSession user;
        user = LoadTableSession{};
        user.rows = {{"x", 1.0, 3.0, 1.5}};
        user.width = 9.0;
        user.confirm = false;
        DriveNextLoadTable(user);
    };
    cancelWith();
    EXPECT_FALSE(CallShowObcStaleDlg(nullptr, 2, st, s1, s2, a1, a2));
    cancelWith();
    EXPECT_FALSE(CallShowObcZmienneDlg(nullptr, 2, st, s1, s2, a1, a2, a3));
    cancelWith();
    EXPECT_FALSE(CallShowWindWallLoadsDlg(nullptr, 1, st, s1, s2, s3, s4, a1, a2));
    cancelWith();
    EXPECT_FALSE(CallShowWindAllWallLoadsDlg(nullptr, 2, both, st, s, a1, a2, a3));
    cancelWith();
    EXPECT_FALSE(CallShowAllObcDlg(nullptr, a, b, 3, st, s1, s2, a1, a2, a3));
    EXPECT_TRUE(SameSettings(st, before));
    EXPECT_EQ(s1, "b=1.25");
    EXPECT_TRUE(s2.empty());
    EXPECT_EQ(a1, 5);
    EXPECT_EQ(a2, 6);
    EXPECT_EQ(a3, 7);
    EXPECT_EQ(a.X, -1); // places too
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(NomLibrary, DamagedRowsAreSkippedWhenTheTableOpens)
{
    std::string s = "zły|nan|1|1\nbez pól\nMur|0.25|18|1.35\nDuży|1e300|1|1";
    double v = 0;
    LoadTableSession user;
    DriveNextLoadTable(user);
    ASSERT_TRUE(CallShowWallsObcDlg(nullptr, a, b, s, v));
    EXPECT_EQ(user.openedRows, 1);
    EXPECT_DOUBLE_EQ(v, 18.0);
    EXPECT_EQ(s, "Mur|0.25|18|1.35");
}

TEST_F(NomLibrary, EveryEntryPointReportsAMissingLibraryAndChangesNothing)
{
    orvtest::ScratchDir empty;
    SetMakerLibraryFolder(QString::fromStdString(empty.path().string()));
    TLoadTableSettings st;
    st.D3 = 1.5;
    std::string t1 = "a", t2 = "b", t3 = "c", t4 = "d", s[6] = {"1", "2", "3", "4", "5", "6"};
    double v1 = 1, v2 = 2, v3 = 3;
    unsigned char both = 1;
    EXPECT_FALSE(CallShowAllObcDlg(nullptr, a, b, 3, st, t1, t2, v1, v2, v3));
    EXPECT_FALSE(CallShowConcreteObcDlg(nullptr, a, b, t1, v1));
    EXPECT_FALSE(CallShowWallsObcDlg(nullptr, a, b, t1, v1));
    EXPECT_FALSE(CallShowWindWallLoadsDlg(nullptr, 1, st, t1, t2, t3, t4, v1, v2));
    EXPECT_FALSE(CallShowWindAllWallLoadsDlg(nullptr, 2, both, st, s, v1, v2, v3));
    EXPECT_FALSE(CallShowObcZmienneDlg(nullptr, 2, st, t1, t2, v1, v2, v3));
    EXPECT_FALSE(CallShowObcStaleDlg(nullptr, 2, st, t1, t2, v1, v2));
    EXPECT_FALSE(CallShowSoilLoadDlg(nullptr, t1, v1));

    ASSERT_EQ(messages.messages.size(), 8u);
    const std::string details = MissingLibraryText(NomLibraryFile());
    EXPECT_NE(details.find(empty.path().string()), std::string::npos);
    for (const orvtest::RecordedMessage& m : messages.messages) {
        EXPECT_EQ(m.headline, "Nie można uruchomić tej funkcji!");
        EXPECT_EQ(m.text, details);
    }
    EXPECT_EQ(t1, "a");
    EXPECT_EQ(t4, "d");
    EXPECT_EQ(s[5], "6");
    EXPECT_EQ(v1, 1);
    EXPECT_EQ(v2, 2);
    EXPECT_EQ(v3, 3);
    EXPECT_EQ(both, 1);
    EXPECT_EQ(st.D3, 1.5);
    EXPECT_EQ(a.X, -1);
}
