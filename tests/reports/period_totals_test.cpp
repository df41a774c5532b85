#include "reports/period_totals.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reports/period_builders.h"
#include "settings/settings.h"

namespace tkv {

// Spans and months in failure messages.
void PrintTo(const YearMonth& ym, std::ostream* os) {
    *os << ym.year << "/" << ym.month;
}
void PrintTo(const PeriodSpan& s, std::ostream* os) {
    PrintTo(s.start, os);
    *os << "-";
    PrintTo(s.end, os);
}

namespace {

using test::MonthFigures;
using test::MonthFolder;

TEST(PeriodSpanArithmetic, AddMonthsCrossesYearsBothWays) {
    EXPECT_EQ(AddMonths({2024, 1}, -1), (YearMonth{2023, 12}));
    EXPECT_EQ(AddMonths({2024, 12}, 1), (YearMonth{2025, 1}));
    EXPECT_EQ(AddMonths({2024, 4}, 11), (YearMonth{2025, 3}));
    EXPECT_EQ(AddMonths({1990, 1}, -13), (YearMonth{1988, 12}));
    // Month numbers outside 1..12 count on from January.
    EXPECT_EQ(AddMonths({2024, 0}, 0), (YearMonth{2023, 12}));
    EXPECT_EQ(AddMonths({2024, 13}, 0), (YearMonth{2025, 1}));
}

TEST(PeriodSpanArithmetic, FieldsAreClampedAsTyped) {
    EXPECT_EQ(ClampSpan("1985", "0", "2100", "13"), (PeriodSpan{{1990, 1}, {2090, 12}}));
    EXPECT_EQ(ClampSpan("abc", "", "２０２４", "１２"), (PeriodSpan{{1990, 1}, {2024, 12}}));
    EXPECT_EQ(ClampSpan({{2024, -3}, {3000, 99}}), (PeriodSpan{{2024, 1}, {2090, 12}}));
}

TEST(PeriodSpanArithmetic, ReversedSpansAndMonthCounts) {
    EXPECT_EQ(SpanMonthCount({{2024, 4}, {2024, 4}}), 1);
    EXPECT_EQ(SpanMonthCount({{2023, 4}, {2024, 3}}), 12);
    EXPECT_FALSE(SpanReversed({{2024, 4}, {2024, 4}}));
    EXPECT_TRUE(SpanReversed({{2024, 4}, {2024, 3}}));
    EXPECT_EQ(SpanMonthCount({{2024, 4}, {2024, 3}}), 0);
    // Twelve months from June 2090 are clamped into a span that ends first.
    EXPECT_TRUE(SpanReversed(ClampSpan(TwelveMonthsFrom({2090, 6}))));
}

TEST(PeriodSpanArithmetic, CurrentYearHoldsTodaysMonth) {
    EXPECT_EQ(CurrentYearSpan(4, {2024, 3, 31}), (PeriodSpan{{2023, 4}, {2024, 3}}));
    EXPECT_EQ(CurrentYearSpan(4, {2024, 4, 1}), (PeriodSpan{{2024, 4}, {2025, 3}}));
    EXPECT_EQ(CurrentYearSpan(1, {2024, 12, 31}), (PeriodSpan{{2024, 1}, {2024, 12}}));
    EXPECT_EQ(CurrentYearSpan(0, {2024, 6, 1}), (PeriodSpan{{2024, 1}, {2024, 12}}));
    EXPECT_EQ(CurrentYearSpan(13, {2024, 6, 1}), (PeriodSpan{{2023, 12}, {2024, 11}}));
}

TEST(PeriodMonthFile, CountsLeaveMarksAsTheyStand) {
    Settings s;
    s.HanDayAM = "-0.5";
    s.HanDayPM = "abc";  // unreadable: a half day that adds nothing
    MonthFigures f;
    f.marks = {"有", "前", "後", " 有", "有 ", "代", "欠", "欠", "○", "  ", "半"};
    const PeriodMonth m = ParsePeriodMonth(test::MonthFileText(f), s);
    ASSERT_TRUE(m.hasData);
    EXPECT_DOUBLE_EQ(m.paidLeave, 1.5);
    EXPECT_DOUBLE_EQ(m.compensatory, 1);
    EXPECT_DOUBLE_EQ(m.absences, 2);
    EXPECT_DOUBLE_EQ(m.attendance, 20);
    EXPECT_EQ(m.normal, 600);
    EXPECT_EQ(m.working, 9600);
}

TEST(PeriodMonthFile, HalfDaysAddTheirSize) {
    Settings s;
    s.HanDayAM = "0.5";
    s.HanDayPM = "-0.4";
    MonthFigures f;
    f.marks = {"前", "後"};
    EXPECT_DOUBLE_EQ(ParsePeriodMonth(test::MonthFileText(f), s).paidLeave, 0.9);
}

TEST(PeriodMonthFile, NoAttendanceMeansNoData) {
    Settings s;
    for (const char* syukin : {"0.0", "-1.0", "", "x"}) {
        MonthFigures f;
        f.syukin = syukin;
        f.marks = {"有"};
        const PeriodMonth m = ParsePeriodMonth(test::MonthFileText(f), s);
        EXPECT_FALSE(m.hasData) << syukin;
        EXPECT_DOUBLE_EQ(m.paidLeave, 0) << syukin;
    }
}

TEST(PeriodMonthFile, OnlyDaysUpToLastDayCount) {
    const std::string text = cp932::fromUtf8(
        "[System]\r\nLastDay=1\r\nSyukinDay=1.0\r\n[DayData]\r\n 1= 4/ 1,月,有,\r\n"
        " 2= 4/ 2,火,有,\r\n");
    EXPECT_DOUBLE_EQ(ParsePeriodMonth(text, Settings{}).paidLeave, 1);
}

// --- the calculation ---

// A month of the span: its position from the start (0-based) and its file.
struct PlacedMonth {
    int offset;
    MonthFigures figures;
};
struct Cell {
    int row;  // grid row; 0 and below count back from the last row (0 = " 最 低 ")
    int column;
    std::string text;
};
struct CalcCase {
    const char* name;
    int months;
    std::vector<PlacedMonth> files;
    bool hankyu05 = false;
    std::string flags;
    std::vector<Cell> cells;
};

void PrintTo(const CalcCase& c, std::ostream* os) {
    *os << c.name;
}

MonthFigures Figures(std::string syukin, std::string kyujitu, std::string zangyo = "0:00",
                     std::string shinya = "0:00", std::vector<std::string> marks = {}) {
    MonthFigures f;
    f.syukin = std::move(syukin);
    f.kyujitu = std::move(kyujitu);
    f.zangyo = std::move(zangyo);
    f.shinya = std::move(shinya);
    f.marks = std::move(marks);
    return f;
}

constexpr int Lowest = 0, Highest = -1, Average = -2, Total = -3;

class PeriodCalculation : public ::testing::TestWithParam<CalcCase> {};

TEST_P(PeriodCalculation, FillsTheGrid) {
    const CalcCase& c = GetParam();
    MonthFolder folder;
    const YearMonth start{2024, 4};
    for (const PlacedMonth& m : c.files) folder.write(AddMonths(start, m.offset), m.figures);
    Settings s;
    s.Hankyu05 = c.hankyu05;
    PeriodMonthReader reader(s, folder.paths());
    const PeriodGrid grid = CalculatePeriod({start, AddMonths(start, c.months - 1)}, reader, s);

    ASSERT_EQ(grid.monthRows, c.months);
    ASSERT_EQ(grid.rowCount(), c.months + 4);
    EXPECT_EQ(PeriodFlagsText(grid), c.flags);
    EXPECT_EQ(grid.row(1)[0], "2024/04");
    EXPECT_EQ(grid.row(c.months + 1)[0], " 合 計 ");
    EXPECT_EQ(grid.row(c.months + 4)[0], " 最 低 ");
    for (const Cell& cell : c.cells) {
        const int row = cell.row > 0 ? cell.row : grid.rowCount() + cell.row;
        EXPECT_EQ(grid.row(row)[static_cast<std::size_t>(cell.column)], cell.text)
            << "row " << row << " column " << cell.column;
    }
    EXPECT_TRUE(reader.failures().empty());
}

const std::string kNoDays = "   0.0";
const std::string kNoTime = "    0:00";

INSTANTIATE_TEST_SUITE_P(
    Cases, PeriodCalculation,
    ::testing::Values(
        CalcCase{"FourteenAndAHalfDaysShownButNotCounted",
                 2,
                 {{0, Figures("14.5", "0.0", "3:00")}, {1, Figures("10.0", "5.0", "1:00")}},
                 true,
                 "0,1,1,1",
                 {{1, 1, "  14.5"},
                  {1, 6, "    3:00"},
                  {Total, 1, "  24.5"},
                  {Total, 6, "    4:00"},
                  {Average, 1, "  10.0"},
                  {Average, 2, "   5.0"},
                  {Average, 6, "    1:00"},
                  {Highest, 1, "  10.0"},
                  {Lowest, 6, "    1:00"}}},
        CalcCase{"NoCountedMonthGivesZeros",
                 1,
                 {{0, Figures("14.0", "0.5", "2:00", "1:00")}},
                 false,
                 "0,1,1",
                 {{Total, 1, "    14"},
                  {Total, 8, "    3:00"},
                  {Average, 1, kNoDays},
                  {Average, 5, kNoDays},
                  {Average, 6, kNoTime},
                  {Average, 8, kNoTime},
                  {Highest, 1, kNoDays},
                  {Highest, 9, kNoTime},
                  {Lowest, 3, kNoDays},
                  {Lowest, 8, kNoTime}}},
        CalcCase{"StartEqualsEnd",
                 1,
                 {{0, Figures("20.0", "0.0", "12:34")}},
                 false,
                 "1,1,1",
                 {{1, 6, "   12:34"}, {Average, 6, "   12:34"}, {Lowest, 6, "   12:34"}}},
        CalcCase{"Hankyu05OffRoundsAttendanceButTotalsTheFileValues",
                 2,
                 {{0, Figures("20.5", "1.0")}, {1, Figures("20.5", "1.0")}},
                 false,
                 "1,1,1,1",
                 {{1, 1, "    21"},
                  {1, 2, "   1.0"},
                  {Total, 1, "    41"},
                  {Total, 2, "   2.0"},
                  {Average, 1, "  20.5"},
                  {Highest, 1, "  20.5"}}},
        CalcCase{"MorningLeaveAddsHalfADay",
                 1,
                 {{0, Figures("19.5", "0.0", "0:00", "0:00", {"前", "  ", "有"})}},
                 false,
                 "1,1,1",
                 {{1, 3, "   1.5"}, {Total, 3, "   1.5"}}},
        CalcCase{"HighestTotalIsAMonthsOwnTotal",
                 2,
                 {{0, Figures("20.0", "0.0", "10:00", "0:00")},
                  {1, Figures("20.0", "0.0", "1:00", "9:30")}},
                 false,
                 "1,1,1,1",
                 {{Total, 8, "   20:30"},
                  {Average, 6, "    5:30"},
                  {Average, 7, "    4:45"},
                  {Average, 8, "   10:15"},
                  {Highest, 6, "   10:00"},
                  {Highest, 7, "    9:30"},
                  {Highest, 8, "   10:30"},
                  {Lowest, 8, "   10:00"}}},
        CalcCase{"AverageMinutesRoundHalfAwayFromZero",
                 2,
                 {{0, Figures("20.0", "0.0", "0:01", "-0:01")},
                  {1, Figures("20.0", "0.0", "0:02", "-0:02")}},
                 false,
                 "1,1,1,1",
                 {{Average, 6, "    0:02"}, {Average, 7, "   -0:02"}, {Average, 8, kNoTime}}},
        CalcCase{"MonthsWithoutDataKeepOnlyTheirLabel",
                 3,
                 {{1, Figures("20.0", "0.0", "5:00")}, {2, Figures("0.0", "2.0", "9:00")}},
                 false,
                 "0,1,0,1,1",
                 {{1, 1, ""},
                  {1, 9, ""},
                  {3, 0, "2024/06"},
                  {3, 6, ""},
                  {Total, 2, "   0.0"},
                  {Total, 6, "    5:00"}}}),
    [](const ::testing::TestParamInfo<CalcCase>& p) { return std::string(p.param.name); });

TEST(PeriodCalculation, ValuesAboveTheAverageAreMarked) {
    MonthFolder folder;
    folder.write({2024, 4}, Figures("22.0", "0.0", "20:00", "0:00", {"代", "代"}));
    folder.write({2024, 5}, Figures("18.0", "0.0", "10:00"));
    folder.write({2024, 6}, Figures("20.0", "0.0", "15:00", "0:00", {"代"}));
    Settings s;
    PeriodMonthReader reader(s, folder.paths());
    const PeriodGrid grid = CalculatePeriod({{2024, 4}, {2024, 6}}, reader, s);
    ASSERT_EQ(grid.row(grid.averageRow())[1], "  20.0");
    EXPECT_TRUE(PeriodAboveAverage(grid, 1, 1));
    EXPECT_TRUE(PeriodAboveAverage(grid, 1, 4));  // 2.0 days off against 1.0
    EXPECT_TRUE(PeriodAboveAverage(grid, 1, 6));
    EXPECT_FALSE(PeriodAboveAverage(grid, 2, 1));
    EXPECT_FALSE(PeriodAboveAverage(grid, 3, 1));  // equal is not above
    EXPECT_FALSE(PeriodAboveAverage(grid, 3, 6));
    EXPECT_FALSE(PeriodAboveAverage(grid, 1, 0));  // the label never is
    EXPECT_FALSE(PeriodAboveAverage(grid, grid.rowCount(), 1));
}

TEST(PeriodAllMonths, FindsTheFirstAndLastMonthWithData) {
    MonthFolder folder;
    folder.write({1989, 12}, Figures("20.0", "0.0"));  // before the scan
    folder.write({1995, 3}, Figures("20.0", "0.0"));
    folder.write({2000, 1}, Figures("0.0", "0.0"));  // a file, but no data
    folder.write({2010, 11}, Figures("1.0", "0.0"));
    folder.write({2091, 1}, Figures("20.0", "0.0"));  // after it
    Settings s;
    PeriodMonthReader reader(s, folder.paths());
    int ticks = 0;
    EXPECT_EQ(FindDataSpan(reader, [&] { ++ticks; }), (PeriodSpan{{1995, 3}, {2010, 11}}));
    EXPECT_EQ(ticks, 101);  // once a year

    MonthFolder empty;
    PeriodMonthReader none(s, empty.paths());
    EXPECT_EQ(FindDataSpan(none), std::nullopt);
}

TEST(PeriodMonthReader, ReadsEachFileOnceAndNotesUnreadableOnes) {
    MonthFolder folder;
    folder.write({2024, 4}, Figures("20.0", "0.0"));
    std::filesystem::create_directory(folder.path({2024, 5}));  // exists, cannot be read
    Settings s;
    PeriodMonthReader reader(s, folder.paths());
    EXPECT_TRUE(reader.read({2024, 4}).hasData);
    std::filesystem::remove(folder.path({2024, 4}));
    EXPECT_TRUE(reader.read({2024, 4}).hasData);  // from the first reading
    EXPECT_FALSE(reader.read({2024, 5}).hasData);
    EXPECT_FALSE(reader.read({2024, 6}).hasData);  // missing: no failure
    ASSERT_EQ(reader.failures().size(), 1u);
    EXPECT_EQ(reader.failures()[0].path, folder.path({2024, 5}));
}

}  // namespace
}  // namespace tkv
