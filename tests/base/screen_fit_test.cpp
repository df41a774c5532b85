#include "base/screen_fit.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/param_names.h"

namespace tkv {

void PrintTo(const ScreenRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ") " << r.width << "x" << r.height;
}

namespace {

struct FitCase {
    const char* name;
    ScreenRect window;
    ScreenRect work;
    int minimumWidth;
    int minimumHeight;
    ScreenRect expected;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name << ": ";
    PrintTo(c.window, os);
    *os << " into ";
    PrintTo(c.work, os);
}

class FitIntoWorkAreaTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitIntoWorkAreaTest, Fits) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitIntoWorkArea(c.window, c.work, c.minimumWidth, c.minimumHeight), c.expected);
}

// A 1280x900 screen with a 30-pixel panel along its top: work area (0,30) 1280x870.
constexpr ScreenRect kWork{0, 30, 1280, 870};

const FitCase kFitCases[] = {
    {"InsideStays", {100, 100, 600, 500}, kWork, 0, 0, {100, 100, 600, 500}},
    {"TouchingEdgesStays", {0, 30, 1280, 870}, kWork, 0, 0, {0, 30, 1280, 870}},
    // Stored at scale 1, shown at 1.5: the bottom 164 pixels hung below the screen.
    {"BottomCutMovesUp", {200, 400, 700, 664}, kWork, 0, 0, {200, 236, 700, 664}},
    {"RightCutMovesLeft", {1000, 100, 400, 300}, kWork, 0, 0, {880, 100, 400, 300}},
    {"AbovePanelMovesDown", {50, 0, 400, 300}, kWork, 0, 0, {50, 30, 400, 300}},
    {"LeftOfScreenMovesRight", {-300, 100, 400, 300}, kWork, 0, 0, {0, 100, 400, 300}},
    {"TallerThanScreenShrinks", {10, 40, 600, 1200}, kWork, 0, 0, {10, 30, 600, 870}},
    {"WiderAndTallerShrinksBoth", {500, 500, 1600, 1000}, kWork, 0, 0, {0, 30, 1280, 870}},
    {"ShrinksOnlyToTheMinimum", {10, 40, 600, 1200}, kWork, 0, 1000, {10, 30, 600, 1000}},
    {"MinimumAboveSizeKeepsSize", {10, 40, 600, 1200}, kWork, 0, 5000, {10, 30, 600, 1200}},
    {"LeftHandMonitor",
     {-1500, 100, 800, 600},
     {-1920, 0, 1920, 1040},
     0,
     0,
     {-1500, 100, 800, 600}},
    {"NoWorkAreaLeavesAlone", {5000, 5000, 10, 10}, {0, 0, 0, 0}, 0, 0, {5000, 5000, 10, 10}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FitIntoWorkAreaTest, ::testing::ValuesIn(kFitCases),
                         test::ByName());

struct ScreenCase {
    const char* name;
    ScreenRect window;
    std::size_t expected;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name << " -> screen " << c.expected;
}

class ScreenOfWindowTest : public ::testing::TestWithParam<ScreenCase> {};

// Primary (index 1) on the right, a second monitor to its left.
const std::vector<ScreenRect> kScreens{{-1920, 0, 1920, 1080}, {0, 0, 2560, 1440}};

TEST_P(ScreenOfWindowTest, Picks) {
    EXPECT_EQ(ScreenOfWindow(GetParam().window, kScreens, 1), GetParam().expected);
}

const ScreenCase kScreenCases[] = {
    {"OnThePrimary", {100, 100, 800, 600}, 1},
    {"OnTheLeftMonitor", {-1000, 100, 800, 600}, 0},
    {"StraddlingGoesWhereMostIs", {-600, 100, 800, 600}, 0},
    {"StraddlingTheOtherWay", {-200, 100, 800, 600}, 1},
    {"MonitorGoneFallsToPrimary", {3000, 100, 800, 600}, 1},
    {"FarBelowFallsToPrimary", {100, 5000, 800, 600}, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, ScreenOfWindowTest, ::testing::ValuesIn(kScreenCases),
                         test::ByName());

TEST(ScreenOfWindow, NoScreensGivesThePrimaryIndex) {
    EXPECT_EQ(ScreenOfWindow({0, 0, 10, 10}, {}, 0), 0U);
}

}  // namespace
}  // namespace tkv
