// Black-box tests of limits: the overtime-agreement figures of a month from
// the month files of a small data folder.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_util.h"
#include "cli/cli_runner.h"
#include "core/calendar.h"
#include "core/day_kind.h"
#include "core/month_builders.h"
#include "core/month_file.h"
#include "settings/holiday_list.h"

namespace tkv {
namespace {

using test::CliRunner;

std::string monthFile(const CliRunner& cli, YearMonth ym) {
    return cli.dataDir() + "/" + IntToStrPad(ym.year, 4, '0') + IntToStrPad(ym.month, 2, '0') +
           ".dat";
}

// Saves calendar month `ym` with every ordinary day up to `through` worked
// from 8:00 to `leaving` (standard hours 8:00-17:00 with an hour's break:
// 20:00 is three hours' overtime); `holidayWork`, a statutory holiday worked
// 9:00-15:00 (five hours).
void saveMonth(const CliRunner& cli, YearMonth ym, const char* leaving, int through = 31,
               int holidayWork = 0) {
    const Settings s = test::DefaultSettings();
    MonthRecord m;
    NewMonth(m, ym, s, AnnualHolidayTable::Defaults());
    for (int d = 1; d <= m.rowCount(); ++d) {
        DayRow& row = m.day(d);
        if (d == holidayWork) {
            row.LegalHolidayFlag = "*";
            row.cell(DayColumn::Arrival) = " 9:00";
            row.cell(DayColumn::Leaving) = "15:00";
        } else if (row.kind() == DayKind::Ordinary && d <= through) {
            row.cell(DayColumn::Arrival) = " 8:00";
            row.cell(DayColumn::Leaving) = leaving;
        }
    }
    std::filesystem::create_directories(cli.dataDir());
    ASSERT_TRUE(SaveMonth(m, monthFile(cli, ym), s).io.ok());
}

// February 18:00 (18 days of one hour), April 63:00 (21 days of three
// hours), May up to the 15th 27:00 (9 days of three hours) and Sunday the
// 11th worked as the statutory holiday; December, January and March have no file.
void fillSpring(const CliRunner& cli) {
    saveMonth(cli, {2025, 2}, "18:00");
    saveMonth(cli, {2025, 4}, "20:00");
    saveMonth(cli, {2025, 5}, "20:00", 15, 11);
}

std::string join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

TEST(LimitsCli, RunningMonthWithItsForecast) {
    CliRunner cli;
    fillSpring(cli);
    const auto r = cli.run({"--at", "2025-05-16 18:00", "limits", "2025", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              join({"Jikangai\t27:00", "KyujitsuRodo\t5:00", "Total\t32:00", "YearFrom\t2025/04",
                    "YearJikangai\t90:00", "MonthsOverLimit\t1", "Average2\t47:30",
                    "Average3\t31:40", "Average4\t28:15", "Average5\t22:36", "Average6\t18:50",
                    "HeadroomMonth\t18:00", "HeadroomYear\t270:00", "HeadroomSingleMonth\t68:00",
                    "HeadroomAverage\t32:30", "Over60\t0:00", "Premium60\t0",
                    // 27:00 over 9 days worked, 11 days left: the 7th of them.
                    "ForecastMonthEnd\t60:00", "ForecastCross\t2025-05-26",
                    "MissingMonths\t2024/12,2025/01,2025/03"}));
    // Nothing is written.
    EXPECT_FALSE(std::filesystem::exists(monthFile(cli, {2025, 3})));
}

TEST(LimitsCli, WhollyPastMonthHasNoForecast) {
    CliRunner cli;
    fillSpring(cli);
    for (const char* at : {"2025-06-01 00:00", "2026-01-05 09:00"}) {
        const auto r = cli.run({"--at", at, "limits", "2025", "5"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(r.out.find("Jikangai\t27:00\n"), std::string::npos) << at;
        EXPECT_NE(r.out.find("\nForecastMonthEnd\t-\nForecastCross\t-\n"), std::string::npos) << at;
    }
}

TEST(LimitsCli, OverLimitsThePremiumAndNegativeHeadroom) {
    CliRunner cli;
    fillSpring(cli);
    ASSERT_EQ(cli.run({"settings", "set", "Premium60Rate", "1500"}).exitCode, 0);
    const auto r = cli.run({"--at", "2025-06-20 12:00", "limits", "2025", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* line : {"\nHeadroomMonth\t-18:00\n", "\nOver60\t3:00\n", "\nPremium60\t4500\n",
                             "\nMissingMonths\t2024/11,2024/12,2025/01,2025/03\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << r.out;
}

TEST(LimitsCli, FolderWithoutMonthsCountsEveryMonthAsMissing) {
    CliRunner cli;
    const auto r = cli.run({"--at", "2025-05-16 18:00", "limits", "2025", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Jikangai\t0:00\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nHeadroomAverage\t80:00\n"), std::string::npos);
    // No day worked: the forecast is the overtime so far.
    EXPECT_NE(r.out.find("\nForecastMonthEnd\t0:00\nForecastCross\t-\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nMissingMonths\t2024/12,2025/01,2025/02,2025/03,2025/04,2025/05\n"),
              std::string::npos)
        << r.out;
    EXPECT_FALSE(std::filesystem::exists(monthFile(cli, {2025, 5})));
}

TEST(LimitsCli, UnreadableMonthIsAnErrorNotZero) {
    CliRunner cli;
    fillSpring(cli);
    // A folder where March's file should be cannot be read as a month.
    std::filesystem::create_directories(monthFile(cli, {2025, 3}));
    const auto r = cli.run({"--at", "2025-05-16 18:00", "limits", "2025", "5"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("202503.dat"), std::string::npos) << r.err;
}

struct LimitsUsage {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const LimitsUsage& c, std::ostream* os) {
    *os << c.name;
}

class LimitsCliUsage : public ::testing::TestWithParam<LimitsUsage> {};

TEST_P(LimitsCliUsage, IsRefusedWithExitOne) {
    CliRunner cli;
    const auto r = cli.run(GetParam().args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("limits"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Arguments, LimitsCliUsage,
                         ::testing::Values(LimitsUsage{"NoMonth", {"limits", "2025"}},
                                           LimitsUsage{"MonthThirteen", {"limits", "2025", "13"}},
                                           LimitsUsage{"TooMany", {"limits", "2025", "5", "6"}}),
                         [](const ::testing::TestParamInfo<LimitsUsage>& p) {
                             return std::string(p.param.name);
                         });

}  // namespace
}  // namespace tkv
