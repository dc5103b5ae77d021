// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screen/windowfit.h"

#include <gtest/gtest.h>

namespace {

struct Fit {
    const char* name;
    ScreenRect window;
    FrameMargins frame;
    ScreenRect room;
    ScreenSize minimum;
    ScreenRect expected;
};

// A title bar of 24 and borders of 2; a room under a panel 30 high, as on many desktops.
constexpr FrameMargins frame{2, 24, 2, 2};
constexpr ScreenRect laptop{0, 30, 1280, 690};

const Fit fits[] = {
    // Too tall for the room: 690 - 24 - 2 = 664 high, its frame moved up to the panel's edge.
    {"MainWindowDefaultOnALaptop",
     {100, 100, 1024, 700},
     frame,
     laptop,
     {196, 87},
     {100, 54, 1024, 664}},
    // Its frame's corner at (-2, -24) comes in to the room's corner.
    {"PlacedAtTheCorner", {0, 0, 1024, 700}, frame, laptop, {196, 87}, {2, 54, 1024, 664}},
    {"AlreadyInsideStays", {300, 200, 400, 300}, frame, laptop, {0, 0}, {300, 200, 400, 300}},
    // Frame right edge 1400 + 400 + 2 = 1802 in a room ending at 1280: left edge 1280 - 404.
    {"OffToTheRightComesBack", {1400, 200, 400, 300}, frame, laptop, {0, 0}, {878, 200, 400, 300}},
    {"OffToTheLeftAndAboveComesBack",
     {-500, -40, 400, 300},
     frame,
     laptop,
     {0, 0},
     {2, 54, 400, 300}},
    // A second screen to the right of the first: x from 1920.
    {"OnASecondScreen",
     {1900, 0, 1024, 700},
     {},
     {1920, 0, 1366, 768},
     {0, 0},
     {1920, 0, 1024, 700}},
    // 1366 × 768 at 150 %: 910 × 512 in the program's pixels.
    {"WiderAndTallerThanTheRoom",
     {0, 0, 1000, 680},
     frame,
     {0, 0, 910, 512},
     {0, 0},
     {2, 24, 906, 486}},
    // Its minimum 929 wide cannot fit: the title bar's left end stays on the screen.
    {"MinimumLargerThanTheRoom",
     {50, 50, 1000, 680},
     frame,
     {0, 0, 910, 512},
     {929, 486},
     {2, 24, 929, 486}},
};

class WindowFitTest : public testing::TestWithParam<Fit> {};

TEST_P(WindowFitTest, FrameInsideTheRoom) {
    const Fit& fit = GetParam();
    const ScreenRect placed = fitWindow(fit.window, fit.frame, fit.room, fit.minimum);
    EXPECT_EQ(placed.x, fit.expected.x);
    EXPECT_EQ(placed.y, fit.expected.y);
    EXPECT_EQ(placed.width, fit.expected.width);
    EXPECT_EQ(placed.height, fit.expected.height);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowFitTest, testing::ValuesIn(fits),
                         [](const testing::TestParamInfo<Fit>& row) { return row.param.name; });

} // namespace
