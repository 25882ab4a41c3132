// Openings of a case-2 wall: removal, fitting to the wall, collisions.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/core/support/TestSupport.h"
#include "tests/core/support/CalcSupport.h"
#include "core/ZunOpenings.h"

using namespace orv;

namespace {
std::unique_ptr<TCalcInput> wall(std::initializer_list<TOpening> openings)
{
    auto in = orvtest::DefaultInput();
    in->l = 300;
    in->h = 250;
    in->ScianaZOtworami = 1;
    const int k = orvtest::PutOpenings(*in, openings);
    in->LiczbaOkien = k;
    return in;
}
} // namespace

TEST(Openings, DeleteKeepsTheOrderOfTheOthers)
{
    auto in = wall({{10, 0, 20, 20}, {50, 0, 30, 30}, {100, 0, 40, 40}});
    auto out = std::make_unique<TCalcInput>();
    DeleteOpening(*in, 2, *out);
    EXPECT_EQ(+out->LiczbaOkien, 2);
    EXPECT_EQ(+out->Okna[1].x, 100.0);
    // the freed slot is cleared: the grid must not bring the old opening back
    EXPECT_EQ(+out->Okna[2].x, 0.0);
    EXPECT_EQ(+out->Okna[2].y, 0.0);
    EXPECT_EQ(+out->Okna[2].l, 0.0);
    EXPECT_EQ(+out->Okna[2].h, 0.0);
    EXPECT_EQ(+in->LiczbaOkien, 3);    // the input is untouched

    DeleteOpening(*in, 4, *out);
    EXPECT_EQ(std::memcmp(out.get(), in.get(), sizeof *in), 0);
    DeleteOpening(*in, 0, *out);
    EXPECT_EQ(+out->LiczbaOkien, 3);
    DeleteOpening(*in, -3, *out);
    EXPECT_EQ(+out->LiczbaOkien, 3);

    DeleteOpening(*in, 1, *in); // in place
    EXPECT_EQ(+in->LiczbaOkien, 2);
    EXPECT_EQ(+in->Okna[0].x, 50.0);
}

TEST(Openings, PruneCutsToTheWallAndDropsEmptyOnes)
{
    auto in = wall({{280, 10, 50, 30}, {300, 10, 20, 20}, {10, 200, 30, 50}, {10, 100, 0.00005, 20}});
    auto out = std::make_unique<TCalcInput>();
    PruneOpenings(*in, *out);
    ASSERT_EQ(+out->LiczbaOkien, 2);
    EXPECT_EQ(+out->Okna[0].x, 280.0);
    EXPECT_EQ(+out->Okna[0].l, 20.0);  // cut to the wall end
    EXPECT_EQ(+out->Okna[1].y, 200.0); // ends exactly at the top: unchanged
    EXPECT_EQ(+out->Okna[1].h, 50.0);
    // the slots of the dropped openings are cleared
    for (int k = 2; k < MaxOpenings; ++k) {
        const TOpening o = out->Okna[k];
        EXPECT_EQ(o.x + o.y + o.l + o.h, 0.0) << k;
    }
}

TEST(Openings, CountFromAFileIsBounded)
{
    auto in = wall({{10, 0, 20, 20}});
    in->LiczbaOkien = 1000;
    EXPECT_EQ(OpeningCount(*in), 5);
    auto out = std::make_unique<TCalcInput>();
    PruneOpenings(*in, *out); // reads only the five stored blocks
    EXPECT_LE(+out->LiczbaOkien, 5);
    in->LiczbaOkien = -2;
    EXPECT_EQ(OpeningCount(*in), 0);
    EXPECT_FALSE(OpeningCollides(*in, -1, 0, 0, 300, 250));
}

TEST(Openings, Collisions)
{
    auto in = wall({{100, 90, 120, 120}});
    struct Row { double x, y, l, h; bool collides; const char* why; } rows[] = {
        {220, 90, 50, 120, false, "touches the right edge"},
        {0, 0, 100, 90, false, "touches a corner"},
        {100, 150, 120, 80, true, "same x-range, overlapping y: the inner points"},
        {100, 90, 120, 120, true, "equal"},
        {50, 50, 200, 190, true, "encloses"},
        {150, 10, 20, 230, true, "tall narrow through the wide one: crossing"},
        {150, 100, 10, 10, true, "inside"},
        {10, 10, 30, 30, false, "apart"},
    };
    for (const Row& r : rows) EXPECT_EQ(OpeningCollides(*in, -1, r.x, r.y, r.l, r.h), r.collides) << r.why;
    // an edited opening does not collide with its own stored position
    EXPECT_FALSE(OpeningCollides(*in, 1, 110, 100, 120, 120));

    auto cross = wall({{50, 100, 200, 40}});
    EXPECT_TRUE(OpeningCollides(*cross, -1, 120, 20, 30, 200)); // corners all outside
}

TEST(Openings, CheckTellsTheUser)
{
    orvtest::MessageRecorder rec;
    auto in = wall({{100, 90, 120, 120}});
    EXPECT_TRUE(CheckOpening(*in, -1, 0, 0, 50, 50));
    EXPECT_TRUE(rec.messages.empty());
    EXPECT_FALSE(CheckOpening(*in, -1, 120, 100, 20, 20));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].headline, "Popraw definicję otworu!");
    EXPECT_EQ(rec.messages[0].text, "Zdefiniowany otwór koliduje z otworem już istniejącym.");
    EXPECT_EQ(rec.messages[0].type, mdError);
}
