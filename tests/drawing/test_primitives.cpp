#include <gtest/gtest.h>
#include "support/RecordingCanvas.h"
#include "DrawPrimitives.h"
using namespace orv;
TEST(Build, Links) { test::RecordingCanvas c; EXPECT_EQ(SizeUnit(c, 13), 13); }
