#include "reports/month_list_lines.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "core/month_record.h"
#include "core/recalculate.h"
#include "settings/settings.h"

namespace tkv {
namespace {

DayRow Row(std::string date, std::string weekday, std::string kind, std::string arrival,
           std::string leaving, std::string normal, std::string late, std::string working,
           std::string memo) {
    DayRow r;
    r.cells = {date, weekday, kind, arrival, leaving, normal, late, working, memo};
    return r;
}

TEST(MonthListHeader, WidensTheMemoHeadingWithPrintMemo) {
    Settings s;
    EXPECT_EQ(cp932::byteLength(MonthListHeader(s)), 81);
    s.PrintMemo = 15;
    EXPECT_EQ(cp932::byteLength(MonthListHeader(s)), 91);
    // Below ten characters the dialog would have raised it: ten it is.
    s.PrintMemo = 3;
    EXPECT_EQ(cp932::byteLength(MonthListHeader(s)), 81);
    EXPECT_EQ(MemoColumnBytes(s), 20);
}

struct RecordCase {
    const char* name;
    DayRow row;
    bool printTime = false;
    int memoCut = 0;
    std::string expected;  // the whole line
};

void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

class MonthListRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(MonthListRecordTest, BuildsTheLine) {
    const RecordCase& c = GetParam();
    Settings s;
    s.PrintTime = c.printTime;
    const std::string line = MonthListRecord(c.row, s, c.memoCut);
    EXPECT_EQ(line, c.expected);
    // Every line lines up under the header, memo column included.
    EXPECT_EQ(cp932::byteLength(line), 82 - c.memoCut);
}

const std::string kTwentyBlanks(20, ' ');
const std::string kNoKind(6, ' ');
const std::string kNoTimes(7 + 7 + 8 + 7 + 7 + 7, ' ');  // arrival .. working, all blank

// Expected lines are written field by field: date 6, weekday 4, kind 6,
// arrival 7, leaving 7, normal 8, late night 7, total 7, working 7, a blank,
// the memo column and two blanks.
INSTANTIATE_TEST_SUITE_P(
    Cases, MonthListRecordTest,
    ::testing::Values(
        RecordCase{"OrdinaryDayWithOvertime",
                   Row(" 3/ 1", "月", "  ", " 9:00", "18:30", " 1:30", "", " 8:30", "会議"), false,
                   0,
                   std::string("  3/ 1") + "  月" + kNoKind + "   9:00" + "  18:30" + "   1:30 " +
                       "       " + "  1:30 " + "  8:30 " + " 会議" + std::string(16, ' ') + "  "},
        RecordCase{"HolidayInBrackets",
                   Row(" 3/20", "土", "○", "10:00", "11:30", " 1:30", "", " 1:30", ""), false, 0,
                   std::string("  3/20") + "  土" + "  休日" + "  10:00" + "  11:30" + " [ 1:30]" +
                       "       " + "[ 1:30]" + "[ 1:30]" + " " + kTwentyBlanks + "  "},
        RecordCase{"DecimalHours",
                   Row(" 3/20", "土", "○", "10:00", "11:30", " 1:30", "", " 1:30", ""), true, 0,
                   std::string("  3/20") + "  土" + "  休日" + "  10:00" + "  11:30" + " [ 1.50]" +
                       "       " + "[ 1.50]" + "[ 1.50]" + " " + kTwentyBlanks + "  "},
        RecordCase{
            "NoOvertimeLeavesBlankFields", Row(" 3/ 2", "火", "有", "", "", "", "", "", ""), false,
            0, std::string("  3/ 2") + "  火" + "  有給" + kNoTimes + " " + kTwentyBlanks + "  "},
        RecordCase{"LateNightCountsInTheTotal",
                   Row(" 3/ 3", "水", "", " 9:00", "23:00", " 5:00", " 1:00", "13:00", ""), false,
                   0,
                   std::string("  3/ 3") + "  水" + kNoKind + "   9:00" + "  23:00" + "   5:00 " +
                       "  1:00 " + "  6:00 " + " 13:00 " + " " + kTwentyBlanks + "  "},
        RecordCase{
            "UnknownMarkPrintsAsOrdinary", Row(" 3/ 4", "木", "?", "", "", "", "", "", ""), false,
            0, std::string("  3/ 4") + "  木" + kNoKind + kNoTimes + " " + kTwentyBlanks + "  "},
        RecordCase{"FullWidthMemoCutAfterTenCharacters",
                   Row(" 3/ 5", "金", "", "", "", "", "", "",
                       "一二三四五六七八九十壱弐参四五六七八九十廿"),
                   false, 0,
                   std::string("  3/ 5") + "  金" + kNoKind + kNoTimes + " 一二三四五六七八九十" +
                       "  "},
        RecordCase{
            "DoubleByteAtByteTwentyLeavesABlank",
            Row(" 3/ 6", "土", "", "", "", "", "", "", "a一二三四五六七八九十"), false, 0,
            std::string("  3/ 6") + "  土" + kNoKind + kNoTimes + " a一二三四五六七八九 " + "  "},
        RecordCase{
            "MemoCutNarrowsTheMemo",
            Row(" 3/ 7", "日", "", "", "", "", "", "", "abcdefghijklmnopqrst"), false, 5,
            std::string("  3/ 7") + "  日" + kNoKind + kNoTimes + " abcdefghijklmno" + "  "}),
    [](const ::testing::TestParamInfo<RecordCase>& p) { return std::string(p.param.name); });

TEST(MonthListRecord, KindNames) {
    EXPECT_EQ(PrintedKindName("○"), "休日");
    EXPECT_EQ(PrintedKindName(" 半 "), "半ド");
    EXPECT_EQ(PrintedKindName("  "), "    ");
    EXPECT_EQ(PrintedKindName("x"), "    ");
}

TEST(MonthListFirstPage, DayCountsFollowHankyu05) {
    MonthCalculation c;
    c.scheduledDays = 21;
    c.holidays = 10;
    c.weekdayDaysWorked = 19.5;
    c.holidayDaysWorked = 1;
    c.totalWorkDays = 20.5;
    c.paidLeaveDays = 1.5;
    c.compensatoryDays = 1;
    c.absences = 0;
    c.daysInPeriod = 31;
    Settings s;
    const std::string rounded = MonthListDayCounts(c, s);
    // Widths 8, 9, 9, 9, 9, 9, 8, 8, 8.
    EXPECT_EQ(rounded,
              "    21日     10日     20日      1日     21日    1.5日     1日     0日    31日");
    s.Hankyu05 = true;
    EXPECT_EQ(MonthListDayCounts(c, s),
              "    21日     10日   19.5日    1.0日   20.5日    1.5日     1日     0日    31日");
    EXPECT_EQ(cp932::byteLength(MonthListDayCaption()), 81);
    EXPECT_EQ(cp932::byteLength(MonthListTimeCaption()), 81);
}

TEST(MonthListFirstPage, TimesWithStatutoryHolidaysAmongTheHolidays) {
    MonthCalculation c;
    c.nonHoliday = {600, 90, 9600};
    c.holiday = {120, 0, 480};
    c.statutory = {60, 30, 240};
    c.workingTime = 10320;
    Settings s;
    // Widths 8, then 10 each.
    EXPECT_EQ(MonthListTimes(c, s),
              "   10:00      1:30      3:00      0:30     13:00      2:00     15:00    172:00");
    s.PrintTime = true;
    EXPECT_EQ(MonthListTimes(c, s),
              "   10.00      1.50      3.00      0.50     13.00      2.00     15.00    172.00");
}

TEST(MonthListFirstPage, EmptyMonthPrintsZeros) {
    const std::string line = MonthListTimes(MonthCalculation{}, Settings{});
    EXPECT_EQ(line,
              "    0:00      0:00      0:00      0:00      0:00      0:00      0:00      0:00");
}

TEST(MonthListLines, MonthTextAndJobTitle) {
    EXPECT_EQ(MonthListMonthText(2004, 3), "2004年 3月分");
    EXPECT_EQ(MonthListJobTitle(2004, 12), "2004年12月分 残業一覧");
}

}  // namespace
}  // namespace tkv
