#include "core/auto_time_input.h"

#include <ostream>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "base/text_util.h"
#include "core/calendar.h"
#include "core/month_builders.h"
#include "core/month_record.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

struct AutoCase {
    const char* name;
    DateTime now;
    AutoTimeWhich which;
    int startTeijiIn;
    int endOverWrite;
    const char* existing;  // in the target cell
    AutoTimeAction action;
    const char* text;
    Date day;
};

void PrintTo(const AutoCase& c, std::ostream* os) {
    *os << (c.which == AutoTimeWhich::Arrival ? "arrival" : "leaving") << " at " << c.now.year
        << "-" << c.now.month << "-" << c.now.day << " " << c.now.hour << ":" << c.now.minute
        << ", cell [" << c.existing << "] -> action " << static_cast<int>(c.action) << " ["
        << c.text << "]";
}

class AutoTimeInputTest : public ::testing::TestWithParam<AutoCase> {};

TEST_P(AutoTimeInputTest, Decides) {
    const AutoCase& c = GetParam();
    Settings s = test::FirstRunSettings();
    s.times.standardStart = " 8:30";
    s.StartAdjustSelect = RoundMethod::Up;
    s.StartTime2 = 3;                                                // 15 minutes
    s.StartTeijiIn = static_cast<StandardStartUse>(c.startTeijiIn);  // the stored codes
    s.EndOverWrite = static_cast<LeavingOverwrite>(c.endOverWrite);
    const AutoTimePlan plan = PlanAutoTimeInput(c.now, s, c.which, AutoTimeMode::Automatic);
    EXPECT_EQ(plan.workingDay, c.day);
    EXPECT_EQ(plan.timeText, c.text);

    MonthRecord m;
    NewMonth(m, plan.month, s, AnnualHolidayTable::Defaults());
    const int row = c.day.day;
    m.day(row).cell(c.which == AutoTimeWhich::Arrival ? DayColumn::Arrival : DayColumn::Leaving) =
        c.existing;
    const AutoTimeOutcome out = ResolveAutoTimeInput(plan, m, s);
    EXPECT_EQ(out.action, c.action);
    EXPECT_EQ(out.row, row);
}

INSTANTIATE_TEST_SUITE_P(Cases, AutoTimeInputTest,
                         ::testing::Values(AutoCase{"ArrivalBeforeStandardTakesIt",
                                                    {2025, 3, 10, 8, 10},
                                                    AutoTimeWhich::Arrival,
                                                    1,
                                                    0,
                                                    "",
                                                    AutoTimeAction::Write,
                                                    " 8:30",
                                                    {2025, 3, 10}},
                                           AutoCase{"ArrivalRoundedUp",
                                                    {2025, 3, 10, 8, 40},
                                                    AutoTimeWhich::Arrival,
                                                    1,
                                                    0,
                                                    "",
                                                    AutoTimeAction::Write,
                                                    " 8:45",
                                                    {2025, 3, 10}},
                                           AutoCase{"ArrivalNeverReplaced",
                                                    {2025, 3, 10, 8, 40},
                                                    AutoTimeWhich::Arrival,
                                                    0,
                                                    0,
                                                    " 8:00",
                                                    AutoTimeAction::Keep,
                                                    " 8:45",
                                                    {2025, 3, 10}},
                                           AutoCase{"LeavingAfterMidnight",
                                                    {2025, 3, 11, 0, 40},
                                                    AutoTimeWhich::Leaving,
                                                    0,
                                                    0,
                                                    "",
                                                    AutoTimeAction::Write,
                                                    "24:40",
                                                    {2025, 3, 10}},
                                           AutoCase{"LeavingOverwritten",
                                                    {2025, 3, 10, 19, 5},
                                                    AutoTimeWhich::Leaving,
                                                    0,
                                                    0,
                                                    "18:00",
                                                    AutoTimeAction::Write,
                                                    "19:05",
                                                    {2025, 3, 10}},
                                           AutoCase{"LeavingAsked",
                                                    {2025, 3, 10, 19, 5},
                                                    AutoTimeWhich::Leaving,
                                                    0,
                                                    1,
                                                    "18:00",
                                                    AutoTimeAction::Ask,
                                                    "19:05",
                                                    {2025, 3, 10}},
                                           AutoCase{"LeavingKept",
                                                    {2025, 3, 10, 19, 5},
                                                    AutoTimeWhich::Leaving,
                                                    0,
                                                    2,
                                                    "18:00",
                                                    AutoTimeAction::Keep,
                                                    "19:05",
                                                    {2025, 3, 10}},
                                           AutoCase{"LeavingIntoPreviousYear",
                                                    {2025, 1, 1, 2, 0},
                                                    AutoTimeWhich::Leaving,
                                                    0,
                                                    0,
                                                    "",
                                                    AutoTimeAction::Write,
                                                    "26:00",
                                                    {2024, 12, 31}}),
                         test::ByName());

TEST(AutoTimeInput, DialogTextsAndNoRounding) {
    Settings s = test::FirstRunSettings();
    s.EndAdjustSelect = RoundMethod::Down;
    s.EndTime2 = 6;
    s.NoAutoInAdjust = true;
    const AutoTimePlan plan =
        PlanAutoTimeInput({2025, 3, 10, 19, 5}, s, AutoTimeWhich::Leaving, AutoTimeMode::Confirm);
    EXPECT_EQ(plan.unroundedText, "19:05");
    EXPECT_EQ(plan.timeText, "19:05");
    EXPECT_EQ(plan.dialogDate, "3月10日(月)");
    EXPECT_FALSE(
        PlanAutoTimeInput({2025, 3, 10, 19, 5}, s, AutoTimeWhich::Leaving, AutoTimeMode::None)
            .active);
}

}  // namespace
}  // namespace tkv
