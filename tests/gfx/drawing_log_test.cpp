#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/headless_session.h"

using ::testing::ElementsAre;

TEST(DrawingLog, RectangleCornersAreOrderedEitherWay) {
    LoggedDisplay d;
    d.display.drawRectangle(10, 10, 0, 0, 0, 0);
    d.display.drawRectangle(0, 0, 10, 10, 0, 0);
    EXPECT_THAT(d.takeLog(),
                ElementsAre("black rectangle with bounding box (0,10) to (10,0), filled\n",
                            "black rectangle with bounding box (0,10) to (10,0), filled\n"));
}
