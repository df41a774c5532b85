#include "core/recalculate.h"

#include <climits>
#include <cstdint>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "base/text_util.h"
#include "core/calendar.h"
#include "core/month_builders.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

using test::Day;
using test::DefaultSettings;
using test::Month;

// ---------------------------------------------------------------------------
// One day against the default settings, with one setting changed where named.

struct DayCase {
    const char* name;
    void (*tweak)(Settings&);
    const char* kind;
    const char* arrival;
    const char* leaving;
    // Expected cells: kind, arrival, leaving, normal overtime, late night, working.
    const char* kindCell;
    const char* arrivalCell;
    const char* leavingCell;
    const char* overtime;
    const char* lateNight;
    const char* working;
};

void None(Settings&) {}

// Different standards for the two half-day leaves, so that mixing them up shows.
template <bool leaveWorks, bool flex>
void HalfDayStandards(Settings& s) {
    s.times.morningLeaveWork = " 3:30";    // a morning-leave day
    s.times.afternoonLeaveWork = " 5:00";  // an afternoon-leave day
    s.YuukyuKinmu = leaveWorks;
    s.FlexTime = flex;
}

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << "[" << c.kind << "] [" << c.arrival << "]-[" << c.leaving << "] -> [" << c.overtime
        << "] [" << c.lateNight << "] [" << c.working << "]";
}

class DayCalculationTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(DayCalculationTest, RewritesTheRow) {
    const DayCase& c = GetParam();
    Settings s = DefaultSettings();
    c.tweak(s);
    DayRow row = Day(c.kind, c.arrival, c.leaving);
    // Stale values from an earlier run must never survive.
    row.cell(DayColumn::Overtime) = row.cell(DayColumn::LateNight) = row.cell(DayColumn::Working) =
        " 3:33";
    MonthRecord m = Month(row);

    Recalculate(m, s);

    const DayRow& r = m.day(1);
    EXPECT_EQ(r.cell(DayColumn::Kind), c.kindCell);
    EXPECT_EQ(r.cell(DayColumn::Arrival), c.arrivalCell);
    EXPECT_EQ(r.cell(DayColumn::Leaving), c.leavingCell);
    EXPECT_EQ(r.cell(DayColumn::Overtime), c.overtime);
    EXPECT_EQ(r.cell(DayColumn::LateNight), c.lateNight);
    EXPECT_EQ(r.cell(DayColumn::Working), c.working);
}

const DayCase kDayCases[] = {
    {"StandardDay", None, "  ", "8:00", "17:00", "  ", " 8:00", "17:00", "", "", " 8:00"},
    {"IntoLateNight", None, "  ", "8:00", "23:30", "  ", " 8:00", "23:30", " 5:00", " 1:30",
     "14:30"},
    {"LeavingAfterMidnight", None, "  ", "18:00", "1:30", "  ", "18:00", "25:30", " 4:00", " 3:30",
     " 7:30"},
    {"EarlyMorning", None, "  ", "4:00", "9:00", "  ", " 4:00", " 9:00", " 3:00", " 1:00", " 5:00"},
    // 29:00 onwards is normal overtime again, and 36:00-37:00 is a break.
    {"PastTheNextMorning", None, "  ", "8:00", "37:00", "  ", " 8:00", "37:00", "12:00", " 7:00",
     "27:00"},
    {"BreakRepeatedAfterMidnight",
     [](Settings& s) {
         s.times.breaks[1].first = " 0:00";
         s.times.breaks[1].second = " 0:30";
     },
     "  ", "22:00", "6:00", "  ", "22:00", "30:00", " 1:00", " 6:30", " 7:30"},
    {"BreakAcrossMidnightIgnored",
     [](Settings& s) {
         s.times.breaks[1].first = "23:30";
         s.times.breaks[1].second = " 0:30";
     },
     "  ", "22:00", "6:00", "  ", "22:00", "30:00", " 1:00", " 7:00", " 8:00"},
    {"HolidayIsAllOvertime", None, "○", "9:00", "18:00", "○", " 9:00", "18:00", " 8:00", "",
     " 8:00"},
    {"PaidLeaveWithoutTimes", None, "有", "", "", "有", "", "", "", "", ""},
    {"PaidLeaveCountsAsWorking", [](Settings& s) { s.YuukyuKinmu = true; }, "有", "", "", "有", "",
     "", "", "", " 8:00"},
    {"PaidLeaveWithTimes", None, "有", "9:00", "12:00", "有", " 9:00", "12:00", " 3:00", "",
     " 3:00"},
    // A morning leave works the afternoon: its 4:00 plus the afternoon-leave standard.
    {"MorningLeaveWorksTheAfternoon", HalfDayStandards<true, false>, "前", "13:00", "17:00", "前",
     "13:00", "17:00", "", "", " 9:00"},
    {"AfternoonLeaveWorksTheMorning", HalfDayStandards<true, false>, "後", "8:00", "12:00", "後",
     " 8:00", "12:00", "", "", " 7:30"},
    {"HalfLeaveWithoutTimesIsCleared", [](Settings& s) { s.YuukyuKinmu = true; }, "後", "", "",
     "後", "", "", "", "", ""},
    {"CompensatoryDayCredit",
     [](Settings& s) {
         s.DaikyuZanCalc = true;
         s.times.compensatoryCredit = "-8:00";
     },
     "代", "", "", "代", "", "", "-8:00", "", ""},
    {"ArrivalOnly", None, "  ", "8:00", "", "  ", " 8:00", "", "", "", ""},
    {"BelowMinimumOvertime", [](Settings& s) { s.times.minimumOvertime = " 0:30"; }, "  ", "8:00",
     "17:20", "  ", " 8:00", "17:20", "", "", " 8:00"},
    {"AtMinimumOvertime", [](Settings& s) { s.times.minimumOvertime = " 0:30"; }, "  ", "8:00",
     "17:30", "  ", " 8:00", "17:30", " 0:30", "", " 8:30"},
    {"OvertimeRoundedDown",
     [](Settings& s) {
         s.ZangyoAdjustSelect = RoundMethod::Down;
         s.ZangyoTime2 = 5;  // 30 minutes
     },
     "  ", "8:00", "18:10", "  ", " 8:00", "18:10", " 1:00", "", " 9:00"},
    // Rounding is for the calculation only: the cells keep what was typed.
    {"ArrivalUpLeavingDown",
     [](Settings& s) {
         s.CalcTimeAdjust = true;
         s.StartAdjustSelect = RoundMethod::Up;
         s.StartTime2 = 3;  // 15 minutes
         s.EndAdjustSelect = RoundMethod::Down;
         s.EndTime2 = 3;
     },
     "  ", "8:07", "17:52", "  ", " 8:07", "17:52", " 0:45", "", " 8:30"},
    {"FlexDeficit", [](Settings& s) { s.FlexTime = true; }, "  ", "9:00", "16:00", "  ", " 9:00",
     "16:00", "-2:00", "", " 6:00"},
    // Down on a deficit means further from zero.
    {"FlexDeficitRoundedDown",
     [](Settings& s) {
         s.FlexTime = true;
         s.ZangyoAdjustSelect = RoundMethod::Down;
         s.ZangyoTime2 = 5;
     },
     "  ", "9:00", "15:50", "  ", " 9:00", "15:50", "-2:30", "", " 5:30"},
    {"FlexMorningLeave", HalfDayStandards<false, true>, "前", "13:00", "16:00", "前", "13:00",
     "16:00", "-0:30", "", " 3:00"},
    {"FlexAfternoonLeave", HalfDayStandards<false, true>, "後", "8:00", "12:00", "後", " 8:00",
     "12:00", "-1:00", "", " 4:00"},
    // The standard minutes of "有" with times are counted twice.
    {"FlexPaidLeaveWithTimes", [](Settings& s) { s.FlexTime = true; }, "有", "9:00", "12:00", "有",
     " 9:00", "12:00", " 6:00", "", " 6:00"},
    {"FlexAbsenceWithoutTimes", [](Settings& s) { s.FlexTime = true; }, "欠", "", "", "欠", "", "",
     "", "", ""},
    {"ShortDay", None, "半", "8:00", "14:00", "半", " 8:00", "14:00", " 1:00", "", " 5:00"},
    {"ExplicitMidnightArrival", None, "  ", "0:00", "5:00", "  ", " 0:00", " 5:00", "", " 5:00",
     " 5:00"},
    {"FullWidthTimes", None, "", "８：３０", "１７：００", "  ", " 8:30", "17:00", "", "", " 7:30"},
    {"KindTrimmed", None, " 有 ", "", "", "有", "", "", "", "", ""},
    {"UnknownKindIsOrdinary", None, "X", "8:00", "17:00", "  ", " 8:00", "17:00", "", "", " 8:00"},
    {"UnreadableArrival", None, "  ", "abc", "17:00", "  ", "", "17:00", "", "", ""},
    {"ArrivalBeyondTwoDays", None, "  ", "49:00", "17:00", "  ", "", "17:00", "", "", ""},
    {"NegativeArrival", None, "  ", "-1:00", "17:00", "  ", "", "17:00", "", "", ""},
    {"LeavingAtMidnightIsNoLeaving", None, "  ", "8:00", "0:00", "  ", " 8:00", "", "", "", ""},
    // Moving the leaving a day on would pass 48:00: it stays, the day has no time.
    {"NoShiftBeyondTwoDays", None, "  ", "33:20", "31:40", "  ", "33:20", "31:40", "", "", ""},
    {"LateNightEndEmptyMeansFive", [](Settings& s) { s.times.lateNightEnd = ""; }, "  ", "4:00",
     "9:00", "  ", " 4:00", " 9:00", " 3:00", " 1:00", " 5:00"},
};

INSTANTIATE_TEST_SUITE_P(Days, DayCalculationTest, ::testing::ValuesIn(kDayCases), test::ByName());

// ---------------------------------------------------------------------------

TEST(RecalculateTest, HandEnteredValuesWin) {
    DayRow zeroOvertime = Day("  ", "8:00", "19:00");
    zeroOvertime.cell(DayColumn::Overtime) = "0:00";
    zeroOvertime.ManualFlag[0] = "*";
    DayRow workingOnly = Day("  ", "8:00", "");  // no leaving: computed cells are emptied
    workingOnly.cell(DayColumn::Overtime) = " 1:00";
    workingOnly.cell(DayColumn::Working) = "10:00";
    workingOnly.ManualFlag[2] = "*";
    DayRow emptyManual = Day("  ", "", "");
    emptyManual.ManualFlag[1] = "*";
    DayRow deficit = Day("  ", "", "");
    deficit.cell(DayColumn::Overtime) = "-1:30";
    deficit.ManualFlag[0] = "*";
    MonthRecord m = Month(zeroOvertime, workingOnly, emptyManual, deficit);

    const MonthCalculation c = Recalculate(m, DefaultSettings());

    EXPECT_EQ(m.day(1).cell(DayColumn::Overtime), " 0:00");
    EXPECT_EQ(m.day(1).cell(DayColumn::Working), "10:00");  // computed from the day's times
    EXPECT_EQ(m.day(2).cell(DayColumn::Overtime), "");
    EXPECT_EQ(m.day(2).cell(DayColumn::Working), "10:00");
    EXPECT_EQ(m.day(3).cell(DayColumn::LateNight), " 0:00");
    EXPECT_EQ(m.day(4).cell(DayColumn::Overtime), "-1:30");
    EXPECT_EQ(c.nonHoliday.normal, -90);  // the 2:00 computed on day 1 gave way to 0:00
    EXPECT_EQ(c.nonHoliday.working, 20 * 60);
    EXPECT_EQ(c.averageOvertime, 0);  // only day 1 has both times
}

TEST(RecalculateTest, TotalsAndPayByClassOfDay) {
    Settings s = DefaultSettings();
    s.pay = {200000, 10000, 5000, 2000, 2500, 250000, 80, 2600, 3000, 15000, 3200, 3500};
    DayRow statutory = Day("○", "9:00", "23:00");
    statutory.LegalHolidayFlag = "*";
    MonthRecord m = Month(Day("  ", "8:00", "23:30"), Day("○", "9:00", "18:00"), statutory);

    const MonthCalculation c = Recalculate(m, s);

    EXPECT_EQ(c.nonHoliday.normal, 300);
    EXPECT_EQ(c.nonHoliday.lateNight, 90);
    EXPECT_EQ(c.nonHoliday.working, 870);
    EXPECT_EQ(c.holiday.normal, 480);
    EXPECT_EQ(c.holiday.lateNight, 0);
    EXPECT_EQ(c.statutory.normal, 720);
    EXPECT_EQ(c.statutory.lateNight, 60);
    EXPECT_EQ(c.statutory.working, 780);

    EXPECT_EQ(c.overtimePayBy.nonHolidayNormal, 10000);
    EXPECT_EQ(c.overtimePayBy.nonHolidayLateNight, 3750);
    EXPECT_EQ(c.overtimePayBy.holidayNormal, 20800);
    EXPECT_EQ(c.overtimePayBy.holidayLateNight, 0);
    EXPECT_EQ(c.overtimePayBy.statutoryNormal, 38400);
    EXPECT_EQ(c.overtimePayBy.statutoryLateNight, 3500);
    EXPECT_EQ(c.overtimePay, 76450);
    EXPECT_EQ(c.basePay, 215000);
    EXPECT_EQ(c.grossPay, 291450);
    EXPECT_EQ(c.takeHome, 218160);  // 80 % of the gross, less 15000
    // (250000 - 218160) yen at 2000 yen an hour and 80 %: 19:54 of weekday overtime short.
    EXPECT_EQ(c.targetRemainder, -1194);

    EXPECT_EQ(m.summary.ZanTMemo, " 25:00");
    EXPECT_EQ(m.summary.SZanTMemo, "  2:30");
    EXPECT_EQ(m.summary.KeiTMemo, " 27:30");
    EXPECT_EQ(m.summary.KinmuTMemo, " 35:30");
    EXPECT_EQ(m.summary.MokuTMemo, "-19:54");
    EXPECT_EQ(m.summary.SyukinMemo, "     3");
    EXPECT_EQ(m.summary.KyujituMemo, "     2");
    EXPECT_EQ(c.summary, m.summary);
    EXPECT_EQ(c.payWindow.ZanTMemo, "  5:00");
    EXPECT_EQ(c.payWindow.KZanTMemo, "  8:00");
    EXPECT_EQ(c.payWindow.KSZanTMemo, "  0:00");
    EXPECT_EQ(c.payWindow.HZanTMemo, " 12:00");
    EXPECT_EQ(c.payWindow.HSZanTMemo, "  1:00");
    EXPECT_EQ(c.payWindow.TKeiTMemo, " 27:30");
}

struct PayCase {
    const char* overtime;  // hand-entered normal overtime of one weekday
    int rate;
    long long pay;
};

TEST(RecalculateTest, OvertimePayRounding) {
    const PayCase cases[] = {
        {"0:10", 1000, 167},    // 166.67
        {"0:30", 1001, 501},    // 500.5, half away from zero
        {"-0:30", 1000, -500},  // the sign covers the minutes too
        {"-8:30", 1000, -8500}, {"100:20", 1500, 150500},
    };
    for (const PayCase& pc : cases) {
        DayRow row = Day("  ", "", "");
        row.cell(DayColumn::Overtime) = pc.overtime;
        row.ManualFlag[0] = "*";
        MonthRecord m = Month(row);
        Settings s = DefaultSettings();
        s.pay.weekdayOvertimeRate = pc.rate;
        EXPECT_EQ(Recalculate(m, s).overtimePay, pc.pay) << pc.overtime;
    }
}

TEST(RecalculateTest, TargetRemainder) {
    struct Case {
        const char* name;
        void (*tweak)(Settings&);
        int remainder;
        const char* text;
    };
    // One weekday with 5:00 of overtime and 1:30 of late night.
    const Case cases[] = {
        {"OvertimeTarget",
         [](Settings& s) {
             s.MokuhyoTime = true;
             s.times.targetOvertime = "20:00";
         },
         390 - 1200, "-13:30"},
        {"ZeroWeekdayRate",
         [](Settings& s) {
             s.pay.targetTakeHome = 300000;
             s.pay.takeHomePercent = 80;
         },
         0, "  0:00"},
        {"ZeroTakeHomeRatio",
         [](Settings& s) {
             s.pay.weekdayOvertimeRate = 2000;
             s.pay.targetTakeHome = 300000;
         },
         0, "  0:00"},
        {"TakeHomeReached",
         [](Settings& s) {
             s.pay.basicSalary = 300000;
             s.pay.weekdayOvertimeRate = 2000;
             s.pay.takeHomePercent = 100;
             s.pay.targetTakeHome = 300000;
         },
         // 10000 yen above the target at 2000 yen an hour is 5:00.
         300, "  5:00"},
        {"FloorAtMinus99Hours",
         [](Settings& s) {
             s.pay.weekdayOvertimeRate = 1000;
             s.pay.targetTakeHome = 1000000;
             s.pay.takeHomePercent = 100;
         },
         -5940, "-99:00"},
        {"OvertimeTargetFloor",
         [](Settings& s) {
             s.MokuhyoTime = true;
             s.times.targetOvertime = "200:00";
         },
         -5940, "-99:00"},
    };
    for (const Case& tc : cases) {
        Settings s = DefaultSettings();
        tc.tweak(s);
        MonthRecord m = Month(Day("  ", "8:00", "23:30"));
        const MonthCalculation c = Recalculate(m, s);
        EXPECT_EQ(c.targetRemainder, tc.remainder) << tc.name;
        EXPECT_EQ(m.summary.MokuTMemo, tc.text) << tc.name;
    }
}

TEST(RecalculateTest, DayCounters) {
    Settings s = DefaultSettings();
    s.HanDayAM = "-0.5";
    s.HanDayPM = "-0.3";
    MonthRecord m = Month(Day("  ", "8:00", "17:00"), Day("○", "", ""), Day("○", "9:00", "12:00"),
                          Day("有", "", ""), Day("前", "13:00", "17:00"), Day("後", "", ""),
                          Day("代", "", ""), Day("欠", "", ""), Day("半", "8:00", "12:00"));

    MonthCalculation c = Recalculate(m, s);
    EXPECT_EQ(c.daysInPeriod, 9);
    EXPECT_EQ(c.scheduledDays, 7);
    EXPECT_EQ(c.holidays, 2);
    EXPECT_DOUBLE_EQ(c.paidLeaveDays, 1.8);
    EXPECT_EQ(c.compensatoryDays, 1);
    EXPECT_EQ(c.absences, 1);
    EXPECT_DOUBLE_EQ(c.daysWorked, 4);
    EXPECT_DOUBLE_EQ(c.weekdayDaysWorked, 3);
    EXPECT_DOUBLE_EQ(c.holidayDaysWorked, 1);
    EXPECT_DOUBLE_EQ(c.totalWorkDays, 4);
    EXPECT_EQ(m.summary.SyukinMemo, "     4");

    s.Hankyu05 = true;
    c = Recalculate(m, s);
    EXPECT_DOUBLE_EQ(c.daysWorked, 3.5);
    EXPECT_DOUBLE_EQ(c.weekdayDaysWorked, 2.5);
    EXPECT_EQ(m.summary.SyukinMemo, "   3.5");
    EXPECT_EQ(m.summary.KyujituMemo, "   1.0");
}

TEST(RecalculateTest, AveragesRoundTiesToEven) {
    // Arrivals 8:00 and 8:01 average 8:00.5, leavings 17:00 and 25:30 average 21:15.
    MonthRecord m = Month(Day("  ", "8:00", "17:00"), Day("  ", "8:01", "1:30"),
                          Day("○", "5:00", "6:00"), Day("前", "13:00", "17:00"));
    MonthCalculation c = Recalculate(m, DefaultSettings());
    EXPECT_EQ(c.averagedDays, 2);
    EXPECT_EQ(c.averageArrival, 480);
    EXPECT_EQ(c.averageLeaving, 1275);
    EXPECT_EQ(c.payWindow.SyusyaMemo, "  8:00");
    EXPECT_EQ(c.payWindow.TaisyaMemo, " 21:15");

    m = Month(Day("  ", "8:01", "17:00"), Day("  ", "8:02", "17:01"));
    c = Recalculate(m, DefaultSettings());
    EXPECT_EQ(c.averageArrival, 482);   // 481.5
    EXPECT_EQ(c.averageOvertime, 0);    // 0.5
    EXPECT_EQ(c.averageLeaving, 1020);  // 1020.5

    // Rounding for the calculation leaves the average at the times entered.
    Settings rounded = DefaultSettings();
    rounded.CalcTimeAdjust = true;
    rounded.StartAdjustSelect = RoundMethod::Up;
    rounded.StartTime2 = 3;
    m = Month(Day("  ", "8:07", "17:00"));
    c = Recalculate(m, rounded);
    EXPECT_EQ(c.averageArrival, 487);

    m = Month(Day("○", "9:00", "18:00"), Day("有", "", ""));
    c = Recalculate(m, DefaultSettings());
    EXPECT_EQ(c.averagedDays, 0);
    EXPECT_EQ(c.payWindow.SyusyaMemo, "  0:00");
    EXPECT_EQ(c.payWindow.TaisyaMemo, "  0:00");
    EXPECT_EQ(c.payWindow.ZanheiMemo, "  0:00");
}

TEST(RecalculateTest, LateArrivalsAndEarlyLeavings) {
    MonthRecord m = Month(Day("  ", "8:01", "17:00"), Day("  ", "8:00", "16:59"),
                          Day("  ", "9:00", ""),         // late, no leaving
                          Day("半", "8:30", "12:00"),    // late against the short-day start
                          Day("半", "8:00", "11:00"),    // early against the short-day end
                          Day("○", "10:00", "15:00"),    // holidays never count
                          Day("前", "13:00", "16:00"));  // nor do leave days
    MonthCalculation c = Recalculate(m, DefaultSettings());
    EXPECT_TRUE(c.lateEarlyCounted);
    EXPECT_EQ(c.lateArrivals, 3);
    EXPECT_EQ(c.earlyLeavings, 2);

    Settings flex = DefaultSettings();
    flex.FlexTime = true;
    c = Recalculate(m, flex);
    EXPECT_FALSE(c.lateEarlyCounted);
    EXPECT_EQ(c.lateArrivals, 0);
    EXPECT_EQ(c.earlyLeavings, 0);
}

TEST(RecalculateTest, OnlyRowsOfTheMonthAreTouched) {
    MonthRecord m = Month(Day("  ", "8:00", "17:00"));
    m.days[1] = Day("X", "8", "17");
    const MonthRecord before = m;
    Recalculate(m, DefaultSettings());
    EXPECT_EQ(m.days[1], before.days[1]);
    EXPECT_EQ(m.days[0].cell(DayColumn::Working), " 8:00");
}

// Both halves of Time01..Time22, in order.
std::vector<std::pair<TimeText*, TimeText*>> TimeHalves(Settings& s) {
    std::vector<std::pair<TimeText*, TimeText*>> halves;
#define PAIR(name, first, second) halves.emplace_back(&s.times.first, &s.times.second);
#define ELEMENT(array, index, name) \
    halves.emplace_back(&s.times.array[index].first, &s.times.array[index].second);
#define SKIP(...)
    TKV_TIME_SETTINGS(PAIR, SKIP, ELEMENT)
#undef PAIR
#undef ELEMENT
#undef SKIP
    return halves;
}

// Kin01..Kin12, in order.
std::vector<int*> Amounts(Settings& s) {
    std::vector<int*> amounts;
#define PAY(member, name, firstRun) amounts.push_back(&s.pay.member);
    TKV_PAY_SETTINGS(PAY)
#undef PAY
    return amounts;
}

// Any grid content and any settings: no failure, and a second run changes
// nothing (so nothing typed is lost a little more at every run).
TEST(RecalculateTest, AnyInputIsStableAndNeverFails) {
    const char* times[] = {"",      "0:00",  "00",    "8:00",  "830",         "17:45", "1:30",
                           "25:30", "47:59", "48:00", "48:01", "-1",          "abc",   "８：０５",
                           "33:20", "9:99",  "0:-30", ":",     "99999999999", "12.30", " ",
                           "0abc"};
    const char* kinds[] = {"", "  ", "○", "有", "前", "後", "代", "欠", "半", "?", "有給"};
    const char* values[] = {"", " 0:00", "-8:00", "abc", "99999999:00", "-99999999:00"};
    std::uint32_t seed = 12345;
    auto next = [&seed](std::size_t n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::size_t>(seed >> 8) % n;
    };
    for (int run = 0; run < 300; ++run) {
        Settings s = DefaultSettings();
        s.FlexTime = next(2) == 1;
        s.CalcTimeAdjust = next(2) == 1;
        s.StartAdjustSelect = static_cast<RoundMethod>(static_cast<int>(next(6)) - 1);
        s.StartTime2 = static_cast<int>(next(9)) - 1;
        s.EndAdjustSelect = static_cast<RoundMethod>(next(4));
        s.EndTime2 = static_cast<int>(next(7));
        s.ZangyoAdjustSelect = static_cast<RoundMethod>(next(4));
        s.ZangyoTime2 = static_cast<int>(next(7));
        s.DaikyuZanCalc = next(2) == 1;
        s.YuukyuKinmu = next(2) == 1;
        s.Hankyu05 = next(2) == 1;
        s.MokuhyoTime = next(2) == 1;
        s.HanDayAM = times[next(std::size(times))];
        for (const auto& [first, second] : TimeHalves(s)) {
            if (next(4) == 0)
                *first = times[next(std::size(times))];
            if (next(4) == 0)
                *second = values[next(std::size(values))];
        }
        for (int* k : Amounts(s))
            *k = next(3) == 0 ? (next(2) ? INT_MAX : INT_MIN) : static_cast<int>(next(5000));

        MonthRecord m;
        m.LastDay = run == 0 ? 99 : (run == 1 ? -4 : static_cast<int>(next(32)));
        for (DayRow& row : m.days) {
            row.cell(DayColumn::Kind) = kinds[next(std::size(kinds))];
            row.cell(DayColumn::Arrival) = times[next(std::size(times))];
            row.cell(DayColumn::Leaving) = times[next(std::size(times))];
            for (DayColumn col : ComputedColumns) {
                row.cell(col) = values[next(std::size(values))];
                row.ManualFlag[ManualFlagIndex(col)] = next(4) == 0 ? "*" : "";
            }
            row.LegalHolidayFlag = next(3) == 0 ? "*" : "";
        }

        const MonthCalculation first = Recalculate(m, s);
        const MonthRecord afterFirst = m;
        const MonthCalculation second = Recalculate(m, s);
        ASSERT_EQ(m.days, afterFirst.days) << "run " << run;
        EXPECT_EQ(first.summary, second.summary) << "run " << run;
        EXPECT_EQ(first.grossPay, second.grossPay) << "run " << run;
        EXPECT_GE(first.targetRemainder, -5940);
        for (int r = 1; r <= m.rowCount(); ++r) {
            const int arrival = StrToMinutes(m.day(r).cell(DayColumn::Arrival));
            const int leaving = StrToMinutes(m.day(r).cell(DayColumn::Leaving));
            EXPECT_TRUE(arrival >= 0 && arrival <= 2880) << "run " << run;
            EXPECT_TRUE(leaving >= 0 && leaving <= 2880) << "run " << run;
        }
    }
}

// Leaving a month that was only looked at must not ask about saving it.
TEST(RecalculateMonth, FreshMonthStaysUnchanged) {
    for (int simeDay : {31, 20, 15}) {
        Settings s = test::DefaultSettings();
        s.SimeDay = simeDay;
        MonthRecord m;
        NewMonth(m, {2025, 5}, s, AnnualHolidayTable::Defaults());
        m.takeSnapshot();
        Recalculate(m, s);
        EXPECT_FALSE(m.hasUnsavedChanges()) << "closing day " << simeDay;
    }
}

}  // namespace
}  // namespace tkv
