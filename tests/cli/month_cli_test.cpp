#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "base/ini_file.h"
#include "cli/cli_runner.h"

namespace tkv {
namespace {

using test::CliRunner;

std::vector<std::string> lines(const std::string& out) {
    std::vector<std::string> v;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

std::string dayValue(const CliRunner& cli, const std::string& file, const std::string& key) {
    IniFile ini;
    ini.load(cli.dataDir() + "/" + file);
    return ini.readString("DayData", key, "<missing>");
}

TEST(MonthCli, PrintsTheCalendarMonthWithoutSaving) {
    CliRunner cli;
    const auto r = cli.run({"month", "2004", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 31u + 1 + 7 + 41);  // days, blank, summary, pay window
    EXPECT_EQ(l[0], " 3/ 1\t月\t  \t\t\t\t\t\t");
    EXPECT_EQ(l[19], " 3/20\t土\t○\t\t\t\t\t\t春分の日");
    EXPECT_EQ(l[31], "");
    EXPECT_EQ(l[32], "SyukinMemo\t     0");
    EXPECT_EQ(l[34], "ZanTMemo\t  0:00");
    EXPECT_TRUE(cli.readData("200403.dat").empty());
}

TEST(MonthCli, DayLandsInTheAccountingMonthAndRecalculates) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"settings", "set", "SimeDay", "20"}).exitCode, 0);
    const auto r =
        cli.run({"day", "2004-12-21", "--in", "9:00", "--out", "18:00", "--memo", "出張"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "12/21\t火\t  \t 9:00\t18:00\t 1:00\t\t 8:00\t出張\n");
    EXPECT_EQ(dayValue(cli, "200501.dat", "1"), "12/21,火,  , 9:00,18:00, 1:00,,出張,,,, 8:00,,,");

    const auto m = lines(cli.run({"month", "2005", "1"}).out);
    EXPECT_EQ(m[0], "12/21\t火\t  \t 9:00\t18:00\t 1:00\t\t 8:00\t出張");
    EXPECT_EQ(m[32], "SyukinMemo\t     1");
}

TEST(MonthCli, KindsAndTheLedger) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"day", "2024-04-01", "--kind", "有給", "--memo", "通院"}).exitCode, 0);
    ASSERT_EQ(cli.run({"day", "2024-04-02", "--kind", "前"}).exitCode, 0);
    auto l = lines(cli.run({"ledger"}).out);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "KuriZan\t0.0");
    EXPECT_EQ(l[1], "NowZan\t-1.5");
    EXPECT_EQ(l[2], "1\t2024/04/01\t月\t有給\t -1.0\t -1.0\t通院");
    EXPECT_EQ(l[3], "2\t2024/04/02\t火\t午前\t -0.5\t -1.5\t");

    ASSERT_EQ(cli.run({"day", "2024-04-01", "--kind", "none"}).exitCode, 0);
    l = lines(cli.run({"ledger"}).out);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1], "NowZan\t-0.5");

    EXPECT_EQ(cli.run({"day", "2024-04-01", "--kind", "bogus"}).exitCode, 1);
    EXPECT_EQ(cli.run({"day", "2024-02-30", "--in", "9:00"}).exitCode, 1);
    EXPECT_EQ(cli.run({"day", "2024-04-01", "--in"}).exitCode, 1);
}

TEST(MonthCli, PunchAfterMidnightWritesThePreviousDay) {
    CliRunner cli;
    auto r = cli.run({"--at", "2025-03-11 00:40", "punch", "out"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2025-03-10 out 24:40\n");
    EXPECT_EQ(dayValue(cli, "202503.dat", "10"), "3/10,月,  ,,24:40,,,,,,,,,,");

    r = cli.run({"--at", "2025-03-11 08:05", "punch", "in"});
    EXPECT_EQ(r.out, "2025-03-11 in 8:05\n");
    r = cli.run({"--at", "2025-03-11 08:20", "punch", "in"});
    EXPECT_EQ(r.out, "2025-03-11 in kept 8:05\n");
}

TEST(MonthCli, PunchRespectsEndOverWrite) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"--at", "2025-03-10 18:00", "punch", "out"}).exitCode, 0);
    ASSERT_EQ(cli.run({"settings", "set", "EndOverWrite", "1"}).exitCode, 0);
    EXPECT_EQ(cli.run({"--at", "2025-03-10 19:00", "punch", "out"}).out,
              "2025-03-10 out kept 18:00\n");
    EXPECT_EQ(cli.run({"--at", "2025-03-10 19:00", "punch", "out", "--force"}).out,
              "2025-03-10 out 19:00\n");
    ASSERT_EQ(cli.run({"settings", "set", "EndOverWrite", "2"}).exitCode, 0);
    EXPECT_EQ(cli.run({"--at", "2025-03-10 20:00", "punch", "out", "--force"}).out,
              "2025-03-10 out kept 19:00\n");
}

TEST(MonthCli, Holidays) {
    CliRunner cli;
    const auto l = lines(cli.run({"holidays", "2003"}).out);
    auto has = [&](const std::string& want) {
        return std::find(l.begin(), l.end(), want) != l.end();
    };
    EXPECT_TRUE(has("2003-01-01\t○\t元旦"));
    EXPECT_TRUE(has("2003-01-13\t○\t成人の日"));
    EXPECT_TRUE(has("2003-11-24\t○\t"));
    EXPECT_TRUE(has("2003-09-23\t○\t秋分の日"));
    EXPECT_FALSE(has("2003-05-06\t○\t"));
    ASSERT_EQ(cli.run({"settings", "set", "SeijinDay", "0"}).exitCode, 0);
    const auto off = lines(cli.run({"holidays", "2003"}).out);
    EXPECT_NE(std::find(off.begin(), off.end(), "2003-01-13\t\t成人の日"), off.end());
}

TEST(MonthCli, HolidaysFollowTheHolidayLawSetting) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"settings", "get", "HolidayLaw"}).out, "1\n");
    auto l = lines(cli.run({"holidays", "2019"}).out);
    auto has = [&](const std::string& want) {
        return std::find(l.begin(), l.end(), want) != l.end();
    };
    EXPECT_TRUE(has("2019-01-01\t○\t元日"));
    EXPECT_TRUE(has("2019-04-30\t○\t国民の休日"));
    EXPECT_TRUE(has("2019-05-01\t○\t休日（祝日扱い）"));
    EXPECT_TRUE(has("2019-05-06\t○\t振替休日"));
    EXPECT_TRUE(has("2019-08-11\t○\t山の日"));
    EXPECT_FALSE(has("2019-12-23\t○\t天皇誕生日"));

    ASSERT_EQ(cli.run({"settings", "set", "HolidayLaw", "0"}).exitCode, 0);
    EXPECT_EQ(cli.run({"settings", "get", "HolidayLaw"}).out, "0\n");
    l = lines(cli.run({"holidays", "2019"}).out);
    EXPECT_TRUE(has("2019-01-01\t○\t元旦"));
    EXPECT_TRUE(has("2019-05-06\t○\t"));
    EXPECT_TRUE(has("2019-12-23\t○\t天皇誕生日"));
    EXPECT_FALSE(has("2019-08-11\t○\t山の日"));
}

TEST(MonthCli, DamagedFilesDoNotCrash) {
    CliRunner cli;
    cli.writeData("200403.dat",
                  "[System]\r\nLastDay=2\r\n[DayData]\r\n 1=\xff\xff,,,99999999:99,abc\r\n");
    cli.writeData(
        "Vacation.dat",
        "[System]\r\nKuriZan=1e308\r\n[VacationData]\r\n1=2024/4/1,x,有給,-1,\r\n2=\xff,\r\n");
    EXPECT_EQ(cli.run({"month", "2004", "3"}).exitCode, 0);
    EXPECT_EQ(cli.run({"ledger"}).exitCode, 0);
}

}  // namespace
}  // namespace tkv

namespace tkv {
namespace {

TEST(MonthCli, PayWindowFieldsFollowTheSummary) {
    test::CliRunner cli;
    ASSERT_EQ(cli.run({"day", "2025-03-10", "--in", "8:30", "--out", "21:15"}).exitCode, 0);
    const auto l = lines(cli.run({"recalc", "2025", "3"}).out);
    auto value = [&](const std::string& name) {
        for (const std::string& line : l)
            if (line.rfind(name + "\t", 0) == 0)
                return line.substr(name.size() + 1);
        return std::string("<missing>");
    };
    EXPECT_EQ(value("MokuTMemo"), "-30:45");  // 36,900 yen short of the take-home target
    EXPECT_EQ(value("TTotal.KihonMemo"), "200,000");
    EXPECT_EQ(value("TTotal.ZanKinMemo"), "6,375");
    EXPECT_EQ(value("TTotal.SikyuMemo"), "241,375");
    EXPECT_EQ(value("TTotal.TedoriMemo"), "193,100");
    EXPECT_EQ(value("TTotal.ChikokuMemo"), "1");
    EXPECT_EQ(value("TTotal.SyusyaMemo"), "  8:30");
    EXPECT_EQ(value("TTotal.GeeKeiMemo"), "31");
}

}  // namespace
}  // namespace tkv
