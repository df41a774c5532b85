#include "core/target_bar.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "core/month_record.h"
#include "settings/settings.h"

namespace tkv {
namespace {

struct BarCase {
    const char* achieved;  // KeiTMemo
    const char* target;    // Time16 (overtime target)
    const char* percentText;
    bool red;
    int filled;
    int filledColor;  // of the last filled segment
    int tickEvery;
};

void PrintTo(const BarCase& c, std::ostream* os) {
    *os << "[" << c.achieved << "] of [" << c.target << "] -> " << c.percentText
        << (c.red ? " red" : "") << ", " << c.filled << " segments";
}

std::string BarName(const ::testing::TestParamInfo<BarCase>& info) {
    const BarCase& c = info.param;
    return test::Identifier(c.achieved) +
           (*c.target == '\0' ? "_withoutTarget" : "_of_" + test::Identifier(c.target));
}

class TargetBarTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(TargetBarTest, PercentSegmentsAndTicks) {
    const BarCase& c = GetParam();
    Settings s;
    s.MokuhyoTime = true;
    s.times.targetOvertime = c.target;
    MonthRecord m;
    m.summary.KeiTMemo = c.achieved;
    const TargetBarState st = ComputeTargetBar(m, s);
    EXPECT_EQ(st.percentText, c.percentText);
    EXPECT_EQ(st.percentRed, c.red);

    const auto shapes = TargetBarShapes(st, 450, 16);  // 10 pixels a segment, 46 segments
    int filled = 0, lastColor = -1, ticks = 0, firstTick = 0;
    for (const BarShape& b : shapes) {
        if (b.kind == BarShape::FilledSegment)
            ++filled, lastColor = b.color;
        if (b.kind == BarShape::Tick && ticks++ == 0)
            firstTick = (b.left + 1) / 10;
    }
    EXPECT_EQ(filled, c.filled);
    if (c.filled > 0) {
        EXPECT_EQ(lastColor, c.filledColor);
    }
    if (c.tickEvery > 0) {
        EXPECT_EQ(firstTick, c.tickEvery);
    } else {
        EXPECT_TRUE(shapes.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TargetBarTest,
    ::testing::Values(BarCase{" 10:00", "20:00", "50%", false, 15, 0xFFFF00, 3},
                      BarCase{" 25:00", "20:00", "125%", false, 37, 0x00FFFF, 3},
                      BarCase{" 20:00", "20:00", "100%", false, 30, 0xFF0000, 3},
                      BarCase{" -2:00", "20:00", "-10%", true, 9, 0x0000FF, 9},
                      BarCase{"300:00", "20:00", "1500%", false, 46, 0x00FFFF, 3},
                      BarCase{" 10:00", "", "---%", false, 0, 0, 0}),
    BarName);

TEST(TargetBar, TakeHomeTargetAndRemainingDays) {
    Settings s;  // target from the take-home remainder
    MonthRecord m;
    m.LastDay = 4;
    m.summary.KeiTMemo = " 10:00";
    m.summary.MokuTMemo = "-10:00";  // target 20:00
    m.day(1).cell(DayColumn::Arrival) = " 8:00";
    m.day(1).cell(DayColumn::Leaving) = "20:00";
    m.day(2).cell(DayColumn::Kind) = "  ";
    m.day(3).cell(DayColumn::Kind) = "○";
    m.day(4).cell(DayColumn::Arrival) = " 0:00";  // midnight arrival counts as present
    m.day(4).cell(DayColumn::Leaving) = " 9:00";
    TargetBarState st = ComputeTargetBar(m, s);
    EXPECT_EQ(st.percentText, "50%");
    EXPECT_EQ(st.plannedDays, 3);
    EXPECT_EQ(st.workedDays, 2);
    EXPECT_EQ(st.perDayText, "10:00");

    m.day(2).cell(DayColumn::Arrival) = " 8:00";
    m.day(2).cell(DayColumn::Leaving) = "17:00";
    st = ComputeTargetBar(m, s);
    EXPECT_EQ(st.perDayText, "--:--");                 // every working day is done
    EXPECT_TRUE(TargetBarShapes(st, 44, 16).empty());  // too narrow to paint
}

}  // namespace
}  // namespace tkv
