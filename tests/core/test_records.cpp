#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ZunTypes.h"

using namespace orv;

TEST(ElementDefaults, SelfWeightsAndInertia)
{
    auto in = std::make_unique<TCalcInput>();
    std::memset(in.get(), 0, sizeof *in);
    InitElementRecord(*in);
    EXPECT_NEAR(in->Gs, 14.85, 1e-12);
    EXPECT_NEAR(in->Gs_mb, 14.85, 1e-12);
    EXPECT_NEAR(in->Gs_s, 3.7125, 1e-12);
    EXPECT_NEAR(in->J2, 130208.33, 0.005);
    EXPECT_DOUBLE_EQ(in->J5, in->J2);
}
