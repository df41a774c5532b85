#include "core/day_span.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "base/param_names.h"
#include "base/test_folder.h"
#include "base/text_util.h"
#include "core/month_builders.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {

void PrintTo(const Date& d, std::ostream* os) {
    *os << d.year << '-' << d.month << '-' << d.day;
}

void PrintTo(const YearMonth& ym, std::ostream* os) {
    *os << ym.year << '/' << ym.month;
}

namespace {

std::string tagOf(YearMonth ym) {
    return std::to_string(ym.year * 100 + ym.month);
}

// ---------------------------------------------------------------- the check

struct CountCase {
    const char* name;
    DaySpan span;
    int days;
    bool valid;
};

void PrintTo(const CountCase& c, std::ostream* os) {
    PrintTo(c.span.start, os);
    *os << " .. ";
    PrintTo(c.span.end, os);
}

class SpanCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(SpanCountTest, CountsAndChecks) {
    const CountCase& c = GetParam();
    EXPECT_EQ(SpanDayCount(c.span), c.days);
    EXPECT_EQ(IsValidSpan(c.span), c.valid);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, SpanCountTest,
    ::testing::Values(
        CountCase{"StartIsEnd", {{2024, 3, 15}, {2024, 3, 15}}, 1, true},
        CountCase{"ThirtyDaysAfter", {{2024, 1, 1}, {2024, 1, 31}}, 31, true},
        CountCase{"ThirtyOneDaysAfter", {{2024, 1, 1}, {2024, 2, 1}}, 32, false},
        CountCase{"ThirtyDaysAfterOverNewYear", {{2023, 12, 15}, {2024, 1, 14}}, 31, true},
        CountCase{"ThirtyDaysAfterOverLeapDay", {{2024, 2, 1}, {2024, 3, 2}}, 31, true},
        CountCase{"ThirtyOneDaysAfterOverLeapDay", {{2024, 2, 1}, {2024, 3, 3}}, 32, false},
        CountCase{"ThirtyDaysAfterInAShortFebruary", {{2023, 2, 1}, {2023, 3, 3}}, 31, true},
        CountCase{"YearsLong", {{2020, 1, 1}, {2024, 1, 1}}, 32, false},
        CountCase{"ReversedByADay", {{2024, 3, 15}, {2024, 3, 14}}, 0, false},
        CountCase{"ReversedByAYear", {{2024, 3, 15}, {2023, 3, 20}}, 0, false},
        CountCase{"NotARealDate", {{2023, 2, 29}, {2023, 3, 5}}, 0, false}),
    test::ByName());

TEST(DaySpan, DialogStartsOnTheCalendarMonth) {
    EXPECT_EQ(CalendarMonthSpan({2024, 2, 10}), (DaySpan{{2024, 2, 1}, {2024, 2, 29}}));
    EXPECT_EQ(CalendarMonthSpan({2023, 12, 31}), (DaySpan{{2023, 12, 1}, {2023, 12, 31}}));
}

TEST(DaySpan, RefusedSpanGathersNothing) {
    int reads = 0;
    const SpanRows rows = GatherSpan({{2024, 1, 1}, {2024, 2, 1}}, [&reads](YearMonth) {
        ++reads;
        return std::string("/nonexistent/none.dat");
    });
    EXPECT_EQ(rows.month.LastDay, 0);
    EXPECT_EQ(reads, 0);
}

// ------------------------------------------------------------ the gathering

// Month files are written by the program's own save: every row of a month
// carries the month's tag as its memo and a working day from 8:00 to 19:00.
class SpanFiles {
public:
    explicit SpanFiles(int simeDay) { s.SimeDay = simeDay; }

    std::string path(YearMonth ym) const {
        return dir.file(IntToStrPad(ym.year, 4, '0') + IntToStrPad(ym.month, 2, '0') + ".dat");
    }
    MonthPathFn pathFn() const {
        return [this](YearMonth ym) { return path(ym); };
    }

    void save(YearMonth ym) {
        MonthRecord m;
        NewMonth(m, ym, s, holidays);
        for (int d = 1; d <= m.LastDay; ++d) {
            DayRow& row = m.day(d);
            row.cell(DayColumn::Kind) = "  ";
            row.cell(DayColumn::Arrival) = " 8:00";
            row.cell(DayColumn::Leaving) = "19:00";
            row.cell(DayColumn::Memo) = tagOf(ym);
        }
        ASSERT_TRUE(SaveMonth(m, path(ym), s).io.ok());
    }
    // A folder where the file should be: it exists but cannot be read.
    void damage(YearMonth ym) const { std::filesystem::create_directory(path(ym)); }

    test::TestFolder dir;
    Settings s = test::FirstRunSettings();
    AnnualHolidayTable holidays = AnnualHolidayTable::Defaults();
};

// A run of consecutive rows and the month file they come from.
struct RowRun {
    int rows;
    std::optional<YearMonth> from;  // none: date and weekday only
};

struct GatherCase {
    const char* name;
    int simeDay;
    DaySpan span;
    std::vector<YearMonth> saved;
    std::vector<YearMonth> damaged;
    YearMonth shown;
    std::array<YearMonth, 3> files;
    std::vector<RowRun> runs;
};

void PrintTo(const GatherCase& c, std::ostream* os) {
    *os << "closing day " << c.simeDay << ", ";
    PrintTo(c.span.start, os);
    *os << " .. ";
    PrintTo(c.span.end, os);
}

class SpanGatherTest : public ::testing::TestWithParam<GatherCase> {};

TEST_P(SpanGatherTest, RowsComeFromTheFilesThatHoldThem) {
    const GatherCase& c = GetParam();
    SpanFiles files(c.simeDay);
    for (const YearMonth& ym : c.saved) files.save(ym);
    for (const YearMonth& ym : c.damaged) files.damage(ym);

    std::vector<YearMonth> asked;
    const SpanRows rows = GatherSpan(c.span, [&](YearMonth ym) {
        asked.push_back(ym);
        return files.path(ym);
    });

    EXPECT_EQ(asked, std::vector<YearMonth>(c.files.begin(), c.files.end()));
    EXPECT_EQ(SpanMonthFiles(c.span), c.files);
    EXPECT_EQ((YearMonth{rows.month.year, rows.month.month}), c.shown);
    EXPECT_FALSE(rows.month.hasUnsavedChanges());

    int total = 0;
    for (const RowRun& run : c.runs) total += run.rows;
    ASSERT_EQ(rows.month.LastDay, total);

    Date d = c.span.start;
    int r = 1;
    for (const RowRun& run : c.runs) {
        for (int i = 0; i < run.rows; ++i, ++r, d = NextDay(d)) {
            SCOPED_TRACE("row " + std::to_string(r));
            const DayRow& row = rows.month.day(r);
            EXPECT_EQ(row.cell(DayColumn::Date), GridDateText(d.month, d.day));
            EXPECT_EQ(row.cell(DayColumn::Weekday), WeekdayName(WeekdayOf(d)));
            EXPECT_EQ(row.cell(DayColumn::Memo), run.from ? tagOf(*run.from) : "");
            EXPECT_EQ(row.cell(DayColumn::Leaving), run.from ? "19:00" : "");
        }
    }

    for (const SpanSource& source : rows.sources) {
        SCOPED_TRACE(tagOf(source.month));
        int filled = 0;
        for (const RowRun& run : c.runs)
            if (run.from == source.month)
                filled += run.rows;
        EXPECT_EQ(source.rowsFilled, filled);
        const bool saved = std::find(c.saved.begin(), c.saved.end(), source.month) != c.saved.end();
        const bool damaged =
            std::find(c.damaged.begin(), c.damaged.end(), source.month) != c.damaged.end();
        EXPECT_EQ(source.io.error, saved     ? IoError::None
                                   : damaged ? IoError::ReadFailed
                                             : IoError::NotFound);
    }
}

constexpr YearMonth Nov23{2023, 11}, Dec23{2023, 12}, Jan24{2024, 1}, Feb24{2024, 2},
    Mar24{2024, 3}, Apr24{2024, 4}, May24{2024, 5};

INSTANTIATE_TEST_SUITE_P(Spans, SpanGatherTest,
                         ::testing::Values(GatherCase{"OneDay",
                                                      31,
                                                      {{2024, 3, 15}, {2024, 3, 15}},
                                                      {Mar24},
                                                      {},
                                                      Mar24,
                                                      {Mar24, Apr24, May24},
                                                      {{1, Mar24}}},
                                           GatherCase{"ThirtyOneRows",
                                                      31,
                                                      {{2024, 1, 1}, {2024, 1, 31}},
                                                      {Jan24},
                                                      {},
                                                      Jan24,
                                                      {Jan24, Feb24, Mar24},
                                                      {{31, Jan24}}},
                                           GatherCase{"OverNewYearShowsJanuary",
                                                      31,
                                                      {{2023, 12, 25}, {2024, 1, 10}},
                                                      {Dec23, Jan24, Feb24},
                                                      {},
                                                      Jan24,
                                                      {Dec23, Jan24, Feb24},
                                                      {{7, Dec23}, {10, Jan24}}},
                                           GatherCase{"ClosingDay20TakesTwoFiles",
                                                      20,
                                                      {{2024, 3, 15}, {2024, 3, 25}},
                                                      {Mar24, Apr24},
                                                      {},
                                                      Mar24,
                                                      {Mar24, Apr24, May24},
                                                      {{6, Mar24}, {5, Apr24}}},
                                           GatherCase{"ClosingDay20OverNewYear",
                                                      20,
                                                      {{2023, 12, 18}, {2024, 1, 5}},
                                                      {Nov23, Dec23, Jan24},
                                                      {},
                                                      Jan24,
                                                      {Dec23, Jan24, Feb24},
                                                      {{3, Dec23}, {16, Jan24}}},
                                           GatherCase{"MissingFileLeavesDateAndWeekday",
                                                      31,
                                                      {{2023, 12, 25}, {2024, 1, 10}},
                                                      {Dec23},
                                                      {},
                                                      Jan24,
                                                      {Dec23, Jan24, Feb24},
                                                      {{7, Dec23}, {10, std::nullopt}}},
                                           GatherCase{"UnreadableFileLeavesDateAndWeekday",
                                                      31,
                                                      {{2023, 12, 25}, {2024, 1, 10}},
                                                      {Jan24},
                                                      {Dec23},
                                                      Jan24,
                                                      {Dec23, Jan24, Feb24},
                                                      {{7, std::nullopt}, {10, Jan24}}},
                                           GatherCase{"NoFilesAtAll",
                                                      31,
                                                      {{2024, 2, 20}, {2024, 3, 5}},
                                                      {},
                                                      {},
                                                      Mar24,
                                                      {Feb24, Mar24, Apr24},
                                                      {{15, std::nullopt}}}),
                         test::ByName());

// The span reads day lines exactly as a month load does, a line cut short
// included: the last piece still goes to the column it stands in.
TEST(DaySpan, ReadsACutLineAsAMonthLoadDoes) {
    SpanFiles files(31);
    test::WriteBytes(files.path(Jan24), cp932::fromUtf8("[System]\r\nLastDay=31\r\n[DayData]\r\n"
                                                        " 9=1/ 9,火,有,,,,,通院,,,,,$FF,,\r\n"
                                                        "10=1/10,水,  , 9:00,18:0\r\n"));
    const SpanRows rows = GatherSpan({{2024, 1, 9}, {2024, 1, 11}}, files.pathFn());
    ASSERT_EQ(rows.month.LastDay, 3);
    const DayRow& leave = rows.month.day(1);
    EXPECT_EQ(leave.cell(DayColumn::Date), " 1/ 9");
    EXPECT_EQ(leave.cell(DayColumn::Kind), "有");
    EXPECT_EQ(leave.cell(DayColumn::Memo), "通院");
    EXPECT_EQ(leave.MemoColor, 0xFF);
    const DayRow& cut = rows.month.day(2);
    EXPECT_EQ(cut.cell(DayColumn::Arrival), " 9:00");
    EXPECT_EQ(cut.cell(DayColumn::Leaving), "18:0");
    EXPECT_EQ(cut.cell(DayColumn::Memo), "");
    EXPECT_EQ(rows.month.day(3).cell(DayColumn::Weekday), "木");
    EXPECT_EQ(rows.sources[0].rowsFilled, 2);
}

// The month recalculation runs over the gathered rows as over a month.
TEST(DaySpan, RecalculatesOverTheRowsOfSeveralFiles) {
    SpanFiles files(31);
    files.save(Dec23);
    files.save(Jan24);
    SpanRows rows = GatherSpan({{2023, 12, 28}, {2024, 1, 5}}, files.pathFn());
    ASSERT_EQ(rows.month.LastDay, 9);
    // The summary of a month file is not the span's.
    EXPECT_EQ(rows.month.summary, SummaryTexts{});

    const MonthCalculation c = Recalculate(rows.month, files.s);
    // Nine rows from 8:00 to 19:00, each two hours past the standard end.
    EXPECT_EQ(c.daysInPeriod, 9);
    EXPECT_EQ(c.daysWorked, 9.0);
    EXPECT_EQ(c.normalOvertime, 9 * 120);
    EXPECT_EQ(StrToMinutes(rows.month.summary.ZanTMemo), 9 * 120);
    EXPECT_EQ(rows.month.day(4).cell(DayColumn::Overtime), " 2:00");
}

}  // namespace
}  // namespace tkv
