#include "settings/window_placement.h"

#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "base/registry_store.h"

namespace tkv {
namespace {

struct PositionCase {
    std::optional<int> top;
    std::optional<int> left;
    WindowPoint expected;
};

std::string Coordinate(std::optional<int> v) {
    return v ? test::Identifier(std::to_string(*v)) : "None";
}

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << "top " << Coordinate(c.top) << ", left " << Coordinate(c.left) << " -> ("
        << c.expected.top << ", " << c.expected.left << ")";
}

std::string PositionName(const ::testing::TestParamInfo<PositionCase>& info) {
    return "top" + Coordinate(info.param.top) + "_left" + Coordinate(info.param.left);
}

class RestorePositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(RestorePositionTest, Places) {
    const WindowSize screen{1920, 1080};
    const WindowSize window{601, 400};
    const auto& c = GetParam();
    EXPECT_EQ(RestorePosition(c.top, c.left, screen, window), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestorePositionTest,
    ::testing::Values(PositionCase{std::nullopt, std::nullopt, {340, 659}},
                      PositionCase{100, 200, {100, 200}},
                      PositionCase{1080 - 40, 200, {340, 200}},  // below the bottom edge
                      PositionCase{1080 - 50, 1920 - 50, {1030, 1870}},
                      PositionCase{100, 1920 - 49, {100, 659}},
                      PositionCase{-20, -300, {-20, -300}}),  // left-hand monitors stay
    PositionName);

TEST(RestorePosition, LargerWindowThanScreenCentresTowardZero) {
    EXPECT_EQ(RestorePosition(std::nullopt, std::nullopt, {100, 100}, {301, 301}),
              (WindowPoint{-100, -100}));
}

TEST(MaximizedPosition, KeepsTheCornerUnlessTheWindowWouldCrossAnEdge) {
    const WindowPoint workAt{30, 0};  // a panel along the top
    const WindowSize work{1920, 1050};
    // Room enough: the corner stays.
    EXPECT_EQ(MaximizedPosition({100, 200}, {700, 800}, workAt, work), (WindowPoint{100, 200}));
    // Across the right edge, across the bottom edge: moved in.
    EXPECT_EQ(MaximizedPosition({100, 1500}, {700, 800}, workAt, work), (WindowPoint{100, 1220}));
    EXPECT_EQ(MaximizedPosition({600, 200}, {700, 800}, workAt, work), (WindowPoint{280, 200}));
    // As large as the work area: its corner, never above or left of it.
    EXPECT_EQ(MaximizedPosition({500, 500}, {1920, 1050}, workAt, work), (WindowPoint{30, 0}));
    EXPECT_EQ(MaximizedPosition({0, -40}, {700, 800}, workAt, work), (WindowPoint{30, 0}));
}

TEST(WindowPlacementStore, UnderTheStartUsersKey) {
    IniRegistryStore reg;
    WindowPlacementStore store(reg, "taro");
    store.savePosition("TZangyoMain", {12, 34});
    store.saveSize("TZangyoMain", {640, 480});
    EXPECT_EQ(reg.readValue("Software\\Varnholt\\Zangyo\\User\\taro\\Position", "Top.TZangyoMain"),
              "12");
    EXPECT_EQ(store.restorePosition("TZangyoMain", {1920, 1080}, {640, 480}),
              (WindowPoint{12, 34}));
    EXPECT_EQ(store.restoreSize("TZangyoMain", {1, 2}), (WindowSize{640, 480}));
    EXPECT_EQ(store.restoreSize("TYuuKyu", {1, 2}), (WindowSize{1, 2}));
    reg.writeValue("Software\\Varnholt\\Zangyo\\User\\taro\\Position", "Top.TTotal", "garbage");
    EXPECT_EQ(store.restorePosition("TTotal", {1000, 1000}, {200, 200}), (WindowPoint{400, 400}));
}

}  // namespace
}  // namespace tkv
