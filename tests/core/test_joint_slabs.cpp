// The joint members of the continuous model: slab moduli typed or chosen as
// a concrete class, J stored per member, and the plate support kinds the
// pictures are drawn from.
#include <gtest/gtest.h>

#include "core/MyUtils.h"
#include "core/ZunSlabs.h"
#include "core/ZunStrings.h"
#include "tests/core/support/TestSupport.h"

using namespace orv;

namespace {

class JointSlabs : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldSep_ = DecimalSeparator();
        SetDecimalSeparator(',');
        InitElementRecord(in);
    }
    void TearDown() override { SetDecimalSeparator(oldSep_); }

    orvtest::MessageRecorder messages;
    TCalcInput in{};

private:
    char oldSep_ = '.';
};

} // namespace

TEST_F(JointSlabs, ModulusTextsAreAClassOrANumber)
{
    EXPECT_TRUE(CheckSlabModulusText("B37"));
    EXPECT_TRUE(CheckSlabModulusText("25,5"));
    EXPECT_TRUE(CheckSlabModulusText(""));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(CheckSlabModulusText("B35"));
    EXPECT_FALSE(CheckSlabModulusText("2x"));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].headline, "Popraw!");
    EXPECT_EQ(messages.messages[0].text, "Nie ma takiej klasy betonu!");
    EXPECT_EQ(messages.messages[1].text, "Błąd w zapisie liczby!");
    EXPECT_EQ(messages.messages[1].type, mdError);
}

TEST_F(JointSlabs, ModulusOfAClassIsItsEcm)
{
    // PN-B-03264: B15 (C12/15) 27 GPa, B25 (C20/25) 30 GPa, B60 (C50/60) 37 GPa.
    EXPECT_DOUBLE_EQ(SlabModulusValue("B15"), 27.0);
    EXPECT_DOUBLE_EQ(SlabModulusValue("B25"), 30.0);
    EXPECT_DOUBLE_EQ(SlabModulusValue("B60"), 37.0);
    EXPECT_DOUBLE_EQ(SlabModulusValue("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(SlabModulusValue(""), 0.0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_DOUBLE_EQ(SlabModulusValue("abc"), 0.0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Błąd przy konwersji wyrażenia: abc");
}

TEST_F(JointSlabs, ModulusIsStoredAsShownAndJPerMember)
{
    EXPECT_TRUE(StoreSlabModulus(in, 7, 31.27));
    EXPECT_EQ(in.E7, 31.3);
    EXPECT_FALSE(StoreSlabModulus(in, 7, 31.3));
    EXPECT_FALSE(StoreSlabModulus(in, 5, 10)); // E5 is a wall's, not a slab's
    in.J6 = 10;
    EXPECT_TRUE(StoreJointJ(in, 6, 25));
    EXPECT_EQ(in.J6, 25.0);
    EXPECT_FALSE(StoreJointJ(in, 6, 25));
    EXPECT_FALSE(StoreJointJ(in, 8, 25));
}

TEST(PlateSupports, KindsFollowTheNames)
{
    // Case A: free top, the other edges hinged; I: fixed all round; L: hinged
    // top, fixed bottom and left, free right.
    EXPECT_EQ(EdgeSupportKind(0, 0), esFree);
    EXPECT_EQ(EdgeSupportKind(0, 3), esHinged);
    for (int e = 0; e < 4; ++e) EXPECT_EQ(EdgeSupportKind(8, e), esFixed);
    EXPECT_EQ(EdgeSupportKind(11, 0), esHinged);
    EXPECT_EQ(EdgeSupportKind(11, 2), esFixed);
    EXPECT_EQ(EdgeSupportKind(11, 3), esFree);
    EXPECT_EQ(EdgeSupportKind(-1, 0), esNone);
    EXPECT_EQ(EdgeSupportKind(0, 4), esNone);
    const char* names[3] = {"swobodna", "podparta przegubowo", "utwierdzona"};
    for (int sc = 0; sc < 12; ++sc)
        for (int e = 0; e < 4; ++e) EXPECT_EQ(EdgeSupportName(sc, e), names[EdgeSupportKind(sc, e)]);
}
