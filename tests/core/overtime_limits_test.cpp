#include "core/overtime_limits.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "core/calendar.h"
#include "core/month_builders.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

// Month files by accounting month; a month not in the map has no file.
struct StoredMonths {
    std::map<YearMonth, MonthRecord> months;

    MonthLoader loader() const {
        return [this](int year, int month) -> std::optional<MonthRecord> {
            const auto it = months.find({year, month});
            if (it == months.end())
                return std::nullopt;
            return it->second;
        };
    }
};

// A month whose first day holds its 時間外 and whose second day is a
// statutory holiday worked for `holidayWork`.
MonthRecord Figures(YearMonth ym, const char* jikangai, const char* holidayWork = "") {
    MonthRecord m;
    m.year = ym.year;
    m.month = ym.month;
    m.LastDay = 2;
    m.day(1).cell(DayColumn::Overtime) = jikangai;
    m.day(2).cell(DayColumn::Kind) = "○";
    m.day(2).LegalHolidayFlag = "*";
    m.day(2).cell(DayColumn::Working) = holidayWork;
    return m;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string FailedChecks(const OvertimeLimits& r) {
    std::string failed;
    auto add = [&](bool passed, const char* name) {
        if (!passed)
            failed += (failed.empty() ? "" : ",") + std::string(name);
    };
    add(r.monthPassed, "month");
    add(r.monthsOverPassed, "monthsOver");
    add(r.yearPassed, "year");
    add(r.singleMonthPassed, "single");
    add(r.averagePassed, "average");
    return failed;
}

const char* LevelName(LimitLevel level) {
    switch (level) {
        case LimitLevel::Within:
            return "within";
        case LimitLevel::Warning:
            return "warning";
        case LimitLevel::Over:
            return "over";
    }
    return "?";
}

enum class Scheme { Ordinary, Special, Variable };

// `count` months from `from` with the same figures.
struct StoredRun {
    YearMonth from;
    int count;
    const char* jikangai;
    const char* holidayWork = "";
};

struct LimitCase {
    const char* name;
    Scheme scheme;
    std::vector<StoredRun> months;
    YearMonth checked;
    const char* failed;  // the checks that fail, comma-separated
    LimitLevel level;
    std::vector<std::string> lines;  // lines of the output that must be there
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name << ": " << c.months.size() << " runs of months -> failed [" << c.failed << "] "
        << LevelName(c.level);
}

// Every month lies in the past: there is no forecast to get in the way.
constexpr Date kLater{2026, 6, 30};
constexpr YearMonth kMay{2025, 5};
constexpr auto kSpecial = Scheme::Special;
constexpr auto kVariable = Scheme::Variable;
constexpr auto kOrdinary = Scheme::Ordinary;

LimitCase Row(const char* name, Scheme scheme, std::vector<StoredRun> months, YearMonth checked,
              const char* failed, LimitLevel level, std::vector<std::string> lines) {
    return {name, scheme, std::move(months), checked, failed, level, std::move(lines)};
}

const LimitCase kLimitCases[] = {
    Row("Exactly45IsNotOver", kOrdinary, {{kMay, 1, "45:00"}}, kMay, "", LimitLevel::Warning,
        {"Jikangai\t45:00", "HeadroomMonth\t0:00", "MonthsOverLimit\t0"}),
    Row("OneMinuteOver45", kOrdinary, {{kMay, 1, "45:01"}}, kMay, "month,monthsOver",
        LimitLevel::Over, {"HeadroomMonth\t-0:01", "MonthsOverLimit\t1"}),
    Row("Below20IsWithin", kOrdinary, {{kMay, 1, "20:00"}}, kMay, "", LimitLevel::Within,
        {"HeadroomMonth\t25:00", "HeadroomYear\t340:00"}),
    Row("HolidayWorkIsNotJikangai", kOrdinary, {{kMay, 1, "10:00", "8:00"}}, kMay, "",
        LimitLevel::Within,
        {"Jikangai\t10:00", "KyujitsuRodo\t8:00", "Total\t18:00", "YearJikangai\t10:00"}),
    Row("SingleMonth9959", kSpecial, {{kMay, 1, "60:00", "39:59"}}, kMay, "", LimitLevel::Warning,
        {"Total\t99:59", "HeadroomSingleMonth\t0:01", "Average2\t50:00"}),
    Row("SingleMonth10000", kSpecial, {{kMay, 1, "60:00", "40:00"}}, kMay, "single",
        LimitLevel::Over, {"Total\t100:00", "HeadroomSingleMonth\t0:00"}),
    Row("Average80AcrossTheYearStart", kSpecial, {{{2025, 3}, 2, "80:00"}}, {2025, 4}, "",
        LimitLevel::Warning,
        {"YearFrom\t2025/04", "YearJikangai\t80:00", "Average2\t80:00", "Average3\t53:20",
         "HeadroomAverage\t0:00", "MonthsOverLimit\t1"}),
    // 160:01 over two months: the average rounds up, so it shows above 80:00.
    Row("AverageOneMinuteOverAcrossTheYearStart", kSpecial,
        {{{2025, 3}, 1, "80:00"}, {{2025, 4}, 1, "80:01"}}, {2025, 4}, "average", LimitLevel::Over,
        {"Average2\t80:01", "HeadroomAverage\t-0:01"}),
    Row("SixthMonthOver45", kSpecial, {{{2025, 4}, 6, "46:00"}}, {2025, 9}, "", LimitLevel::Warning,
        {"MonthsOverLimit\t6", "YearJikangai\t276:00", "HeadroomYear\t444:00"}),
    Row("SeventhMonthOver45", kSpecial, {{{2025, 4}, 7, "46:00"}}, {2025, 10}, "month,monthsOver",
        LimitLevel::Over, {"MonthsOverLimit\t7", "YearJikangai\t322:00"}),
    // The month itself is within its limit; the year's count stays exceeded.
    Row("MonthUnder45AfterSevenOver", kSpecial, {{{2025, 4}, 7, "46:00"}, {{2025, 11}, 1, "10:00"}},
        {2025, 11}, "monthsOver", LimitLevel::Over, {"MonthsOverLimit\t7"}),
    Row("Premium60AtExactly60", kSpecial, {{kMay, 1, "60:00"}}, kMay, "", LimitLevel::Warning,
        {"Over60\t0:00", "Premium60\t0"}),
    // 1530 yen an hour is 25.5 yen a minute: rounded half up.
    Row("Premium60OneMinuteAbove", kSpecial, {{kMay, 1, "60:01"}}, kMay, "", LimitLevel::Warning,
        {"Over60\t0:01", "Premium60\t26"}),
    Row("Premium60HalfAnHourAbove", kSpecial, {{kMay, 1, "60:30"}}, kMay, "", LimitLevel::Warning,
        {"Over60\t0:30", "Premium60\t765"}),
    Row("VariableHoursExactly42", kVariable, {{kMay, 1, "42:00"}}, kMay, "", LimitLevel::Warning,
        {"HeadroomMonth\t0:00", "HeadroomYear\t278:00"}),
    Row("VariableHoursOneMinuteOver42", kVariable, {{kMay, 1, "42:01"}}, kMay, "month,monthsOver",
        LimitLevel::Over, {"HeadroomMonth\t-0:01"}),
    Row("VariableHoursYearOneMinuteOver320", kVariable,
        {{{2025, 4}, 8, "40:00"}, {{2025, 12}, 1, "0:01"}}, {2025, 12}, "year", LimitLevel::Over,
        {"YearJikangai\t320:01", "HeadroomYear\t-0:01"}),
    // April opens the agreement year and June lies inside the averages.
    Row("MissingMonthInsideTheWindow", kOrdinary, {{kMay, 1, "10:00"}, {{2025, 7}, 3, "10:00"}},
        {2025, 9}, "", LimitLevel::Within,
        {"MissingMonths\t2025/04,2025/06", "Average6\t6:40", "Average5\t8:00", "Average4\t7:30",
         "Average3\t10:00", "YearJikangai\t40:00"}),
};

class LimitBoundaryTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitBoundaryTest, ChecksAndFigures) {
    const LimitCase& c = GetParam();
    Settings s = test::DefaultSettings();
    s.KyoteiSpecial = c.scheme == Scheme::Special;
    s.KyoteiVariable = c.scheme == Scheme::Variable;
    if (s.KyoteiVariable) {
        s.KyoteiMonthLimit = " 42:00";
        s.KyoteiYearLimit = "320:00";
    }
    s.Premium60Rate = 1530;
    StoredMonths stored;
    for (const StoredRun& run : c.months) {
        YearMonth ym = run.from;
        for (int i = 0; i < run.count; ++i, ym = NextMonth(ym))
            stored.months[ym] = Figures(ym, run.jikangai, run.holidayWork);
    }

    const OvertimeLimits r = CheckOvertimeLimits(c.checked, stored.loader(), s, kLater);
    EXPECT_EQ(FailedChecks(r), c.failed);
    EXPECT_STREQ(LevelName(r.level), LevelName(c.level));
    const std::vector<std::string> lines = OvertimeLimitsLines(r);
    for (const std::string& line : c.lines) EXPECT_TRUE(Has(lines, line)) << line;
    EXPECT_FALSE(r.forecast.has_value());
}

INSTANTIATE_TEST_SUITE_P(Boundaries, LimitBoundaryTest, ::testing::ValuesIn(kLimitCases),
                         test::ByName());

// --- the forecast, on May 2025: 20 working days, from 1 May to 30 May ---

struct ForecastCase {
    const char* name;
    Date today;
    int workedThrough;   // working days up to this day have both times
    const char* perDay;  // 時間外 of each of them
    bool arrivedToday;   // today has an arrival without a leaving
    int workedDays;
    int daysLeft;
    const char* monthEnd;  // ForecastMonthEnd
    const char* cross;     // ForecastCross
};

void PrintTo(const ForecastCase& c, std::ostream* os) {
    *os << c.name << ": worked through " << c.workedThrough << " at " << c.perDay << " -> "
        << c.monthEnd << ", " << c.cross;
}

const ForecastCase kForecastCases[] = {
    {"FirstWorkingDayBeforeLeaving", {2025, 5, 1}, 0, "", true, 0, 20, "0:00", "-"},
    {"FirstWorkingDayAfterLeaving", {2025, 5, 1}, 1, " 2:00", false, 1, 19, "40:00", "-"},
    // 3:00 a day reaches 45:00 after 15 days and passes it on the 16th.
    {"FirstWorkingDayAtAFastPace", {2025, 5, 1}, 1, " 3:00", false, 1, 19, "60:00", "2025-05-26"},
    {"GoldenWeekCountsNoWorkingDays",
     {2025, 5, 3},
     2,
     " 3:00",
     false,
     2,
     18,
     "60:00",
     "2025-05-26"},
    {"LastWorkingDayBeforeLeaving", {2025, 5, 30}, 29, " 2:00", true, 19, 1, "40:00", "-"},
    {"LastWorkingDayAfterLeaving", {2025, 5, 30}, 30, " 2:00", false, 20, 0, "40:00", "-"},
    // Already past the limit: the day the records crossed it (19 x 2:30 = 47:30).
    {"LastWorkingDayAlreadyOver", {2025, 5, 30}, 30, " 2:30", false, 20, 0, "50:00", "2025-05-29"},
    {"LastCalendarDayIsASaturday", {2025, 5, 31}, 30, " 2:00", false, 20, 0, "40:00", "-"},
};

class ForecastTest : public ::testing::TestWithParam<ForecastCase> {};

TEST_P(ForecastTest, MonthEndAndCrossing) {
    const ForecastCase& c = GetParam();
    const Settings s = test::DefaultSettings();
    MonthRecord may;
    NewMonth(may, {2025, 5}, s, AnnualHolidayTable::Defaults());
    for (int d = 1; d <= may.rowCount(); ++d) {
        DayRow& row = may.day(d);
        if (row.kind() != DayKind::Ordinary)
            continue;
        if (d <= c.workedThrough) {
            row.cell(DayColumn::Arrival) = " 8:00";
            row.cell(DayColumn::Leaving) = "20:00";
            row.cell(DayColumn::Overtime) = c.perDay;
        } else if (d == c.today.day && c.arrivedToday) {
            row.cell(DayColumn::Arrival) = " 8:00";
        }
    }
    StoredMonths stored;
    stored.months[{2025, 5}] = may;

    const OvertimeLimits r = CheckOvertimeLimits({2025, 5}, stored.loader(), s, c.today);
    ASSERT_TRUE(r.forecast.has_value());
    EXPECT_EQ(r.forecast->workedDays, c.workedDays);
    EXPECT_EQ(r.forecast->daysLeft, c.daysLeft);
    const std::vector<std::string> lines = OvertimeLimitsLines(r);
    EXPECT_TRUE(Has(lines, std::string("ForecastMonthEnd\t") + c.monthEnd));
    EXPECT_TRUE(Has(lines, std::string("ForecastCross\t") + c.cross));
}

INSTANTIATE_TEST_SUITE_P(May2025, ForecastTest, ::testing::ValuesIn(kForecastCases),
                         test::ByName());

TEST(Forecast, NoneForAMonthWhollyPastOrNotBegun) {
    const Settings s = test::DefaultSettings();
    StoredMonths stored;
    stored.months[{2025, 5}] = Figures({2025, 5}, "30:00");
    for (const Date today : {Date{2025, 6, 1}, Date{2025, 4, 30}}) {
        const OvertimeLimits r = CheckOvertimeLimits({2025, 5}, stored.loader(), s, today);
        EXPECT_FALSE(r.forecast.has_value());
        const std::vector<std::string> lines = OvertimeLimitsLines(r);
        EXPECT_TRUE(Has(lines, "ForecastMonthEnd\t-"));
        EXPECT_TRUE(Has(lines, "ForecastCross\t-"));
    }
    EXPECT_FALSE(CheckOvertimeLimits({2025, 5}, stored.loader(), s, {2025, 4, 30}).begun);
}

TEST(Forecast, FollowsTheClosingDay) {
    // With the 20th as closing day, May runs from 21 April to 20 May.
    Settings s = test::DefaultSettings();
    s.SimeDay = 20;
    MonthRecord may;
    NewMonth(may, {2025, 5}, s, AnnualHolidayTable::Defaults());
    StoredMonths stored;
    stored.months[{2025, 5}] = may;
    EXPECT_TRUE(CheckOvertimeLimits({2025, 5}, stored.loader(), s, {2025, 4, 21}).forecast);
    EXPECT_FALSE(CheckOvertimeLimits({2025, 5}, stored.loader(), s, {2025, 5, 21}).forecast);
    const auto f = CheckOvertimeLimits({2025, 5}, stored.loader(), s, {2025, 5, 19}).forecast;
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->daysLeft, 2);  // 19 and 20 May
}

TEST(OvertimeLimits, TheWholeOutput) {
    Settings s = test::DefaultSettings();
    s.KyoteiStartMonth = 1;
    s.Premium60Rate = 2000;
    StoredMonths stored;
    stored.months[{2024, 11}] = Figures({2024, 11}, "30:00");
    stored.months[{2025, 1}] = Figures({2025, 1}, "44:15", "7:30");
    stored.months[{2025, 2}] = Figures({2025, 2}, "62:30", "8:00");
    const std::vector<std::string> expected = {
        "Jikangai\t62:30",        "KyujitsuRodo\t8:00",
        "Total\t70:30",           "YearFrom\t2025/01",
        "YearJikangai\t106:45",   "MonthsOverLimit\t1",
        "Average2\t61:08",        "Average3\t40:45",
        "Average4\t38:04",        "Average5\t30:27",
        "Average6\t25:23",        "HeadroomMonth\t-17:30",
        "HeadroomYear\t253:15",   "HeadroomSingleMonth\t29:30",
        "HeadroomAverage\t18:52", "Over60\t2:30",
        "Premium60\t5000",        "ForecastMonthEnd\t-",
        "ForecastCross\t-",       "MissingMonths\t2024/09,2024/10,2024/12"};
    EXPECT_EQ(OvertimeLimitsLines(CheckOvertimeLimits({2025, 2}, stored.loader(), s, kLater)),
              expected);
}

TEST(OvertimeLimits, MonthFigures) {
    MonthRecord m =
        test::Month(test::Day("  ", " 8:00", "23:30"), test::Day("○", " 9:00", "18:00"),
                    test::Day("○", " 9:00", "12:00"), test::Day("  ", " 9:00", "16:00"));
    m.day(1).cell(DayColumn::Overtime) = " 5:00";
    m.day(1).cell(DayColumn::LateNight) = " 1:30";
    m.day(2).cell(DayColumn::Overtime) = " 8:00";  // a company holiday: 時間外
    m.day(3).LegalHolidayFlag = "*";
    m.day(3).cell(DayColumn::Overtime) = " 3:00";  // a statutory holiday: 休日労働
    m.day(3).cell(DayColumn::Working) = " 3:00";
    m.day(4).cell(DayColumn::Overtime) = "-2:00";  // a flexible-time deficit
    MonthOvertime f = MonthOvertimeOf(m);
    EXPECT_EQ(f.jikangai, (5 * 60 + 90 + 8 * 60) - 120);
    EXPECT_EQ(f.kyujitsuRodo, 3 * 60);

    // A month whose deficits outweigh its overtime counts as none.
    m.day(4).cell(DayColumn::Overtime) = "-20:00";
    EXPECT_EQ(MonthOvertimeOf(m).jikangai, 0);
}

TEST(OvertimeLimits, AgreementYear) {
    Settings s = test::DefaultSettings();
    s.KyoteiStartMonth = 10;
    StoredMonths stored;
    stored.months[{2024, 10}] = Figures({2024, 10}, "20:00");
    stored.months[{2025, 2}] = Figures({2025, 2}, "50:00");
    const AgreementYearLimits y = CheckAgreementYear({2025, 2}, stored.loader(), s, {2025, 2, 10});
    EXPECT_EQ(y.yearFrom, (YearMonth{2024, 10}));
    EXPECT_EQ(y.months[0].month, (YearMonth{2024, 10}));
    EXPECT_EQ(y.months[11].month, (YearMonth{2025, 9}));
    EXPECT_TRUE(y.months[4].begun);
    EXPECT_FALSE(y.months[5].begun);
    EXPECT_EQ(y.months[4].yearJikangai, 70 * 60);
    EXPECT_FALSE(y.months[4].monthPassed);
    EXPECT_TRUE(y.months[4].forecast.has_value());
    // The months the begun months read, from five before the year's start on.
    const std::vector<YearMonth> missing = {{2024, 5}, {2024, 6},  {2024, 7},  {2024, 8},
                                            {2024, 9}, {2024, 11}, {2024, 12}, {2025, 1}};
    EXPECT_EQ(y.missing, missing);
}

TEST(OvertimeLimits, AgreementYearStart) {
    EXPECT_EQ(AgreementYearStart({2025, 3}, 4), (YearMonth{2024, 4}));
    EXPECT_EQ(AgreementYearStart({2025, 4}, 4), (YearMonth{2025, 4}));
    EXPECT_EQ(AgreementYearStart({2025, 12}, 1), (YearMonth{2025, 1}));
    EXPECT_EQ(AgreementYearStart({2025, 3}, 13), (YearMonth{2024, 4}));  // unusable: April
}

TEST(OvertimeLimits, TimeTexts) {
    EXPECT_EQ(LimitTimeText(0), "0:00");
    EXPECT_EQ(LimitTimeText(-185), "-3:05");
    EXPECT_EQ(LimitTimeText(720 * 60 + 1), "720:01");
    EXPECT_EQ(LimitTimeText(1000 * 60), "1000:00");
    EXPECT_EQ(YearMonthText({2025, 4}), "2025/04");
    EXPECT_EQ(IsoDateText({2025, 5, 6}), "2025-05-06");
}

}  // namespace
}  // namespace tkv
