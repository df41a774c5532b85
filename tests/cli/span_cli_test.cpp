#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "cli/cli_runner.h"

namespace tkv {
namespace {

using test::CliRunner;
using test::OutputLines;

// December 2024 with overtime on the 26th, January 2025 with a day of paid
// leave on the 6th (so Vacation.dat exists too).
void fillYearEnd(const CliRunner& cli) {
    ASSERT_EQ(
        cli.run({"day", "2024-12-26", "--in", "8:00", "--out", "19:00", "--memo", "納会"}).exitCode,
        0);
    ASSERT_EQ(cli.run({"day", "2025-01-06", "--kind", "有給"}).exitCode, 0);
}

bool startsWith(const std::string& line, const std::string& prefix) {
    return line.rfind(prefix, 0) == 0;
}

// Every file of the data folder with its bytes.
std::map<std::string, std::string> dataFiles(const CliRunner& cli) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(cli.dataDir()))
        files[e.path().filename().string()] = cli.readData(e.path().filename().string());
    return files;
}

TEST(SpanCli, PrintsTheDaysFromTheFilesThatHoldThem) {
    CliRunner cli;
    fillYearEnd(cli);
    const auto before = dataFiles(cli);
    const auto r = cli.run({"span", "2024-12-25", "2025-01-10"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = OutputLines(r.out);
    ASSERT_GE(l.size(), 18u);
    EXPECT_TRUE(startsWith(l[0], "12/25\t水\t")) << l[0];
    EXPECT_EQ(l[1], "12/26\t木\t  \t 8:00\t19:00\t 2:00\t\t10:00\t納会");
    EXPECT_TRUE(startsWith(l[12], " 1/ 6\t月\t有\t")) << l[12];
    EXPECT_TRUE(startsWith(l[16], " 1/10\t金\t")) << l[16];
    EXPECT_EQ(l[17], "");
    EXPECT_EQ(l[18], "SyukinMemo\t     1");
    EXPECT_NE(std::find(l.begin(), l.end(), "ZanTMemo\t  2:00"), l.end()) << r.out;
    // The format of month: the pay figures follow.
    EXPECT_TRUE(startsWith(l.back(), "TTotal.")) << l.back();
    // Nothing written, no month file made.
    EXPECT_EQ(dataFiles(cli), before);
}

TEST(SpanCli, OneDayAndThirtyOneDays) {
    CliRunner cli;
    auto r = cli.run({"span", "2025-01-06", "2025-01-06"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(startsWith(OutputLines(r.out)[0], " 1/ 6\t月\t")) << OutputLines(r.out)[0];
    EXPECT_EQ(OutputLines(r.out)[1], "");
    r = cli.run({"span", "2025-01-01", "2025-01-31"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(startsWith(OutputLines(r.out)[30], " 1/31")) << OutputLines(r.out)[30];
    EXPECT_EQ(OutputLines(r.out)[31], "");
}

struct RefusedCase {
    const char* name;
    std::vector<std::string> args;
    const char* err;  // the whole of stderr; nullptr: a usage error
};
void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}
class SpanCliRefused : public ::testing::TestWithParam<RefusedCase> {};

// Refused spans and bad dates: exit 1, nothing written.
TEST_P(SpanCliRefused, ExitsOneAndWritesNothing) {
    CliRunner cli;
    fillYearEnd(cli);
    const auto before = dataFiles(cli);
    const auto r = cli.run(GetParam().args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    if (GetParam().err)
        EXPECT_EQ(r.err, GetParam().err);
    else
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
    EXPECT_EQ(dataFiles(cli), before);
    EXPECT_FALSE(std::filesystem::exists(cli.workDir() + "/x.csv"));
    EXPECT_FALSE(std::filesystem::exists(cli.workDir() + "/2025年1月.csv"));
}

constexpr const char* kRefused = "集計期間を正しく設定してください。\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, SpanCliRefused,
    ::testing::Values(
        RefusedCase{"Reversed", {"span", "2025-01-10", "2025-01-09"}, kRefused},
        RefusedCase{"ThirtyTwoDays", {"span", "2025-01-01", "2025-02-01"}, kRefused},
        RefusedCase{"CsvReversed", {"csv", "span", "2025-01-10", "2024-12-25"}, kRefused},
        RefusedCase{
            "CsvTooLong", {"csv", "span", "2024-12-01", "2025-01-10", "--out", "x.csv"}, kRefused},
        RefusedCase{
            "LinesTooLong", {"print", "span", "2024-12-01", "2025-01-01", "--lines"}, kRefused},
        RefusedCase{"ImpossibleDate", {"span", "2025-02-29", "2025-03-01"}, nullptr},
        RefusedCase{"NotADate", {"span", "2025/01/01", "2025-01-02"}, nullptr},
        RefusedCase{"OneDate", {"span", "2025-01-01"}, nullptr},
        RefusedCase{"CsvImpossibleDate", {"csv", "span", "2025-01-01", "2025-01-32"}, nullptr},
        RefusedCase{"PrintWithoutTarget", {"print", "span", "2025-01-01", "2025-01-02"}, nullptr}),
    [](const ::testing::TestParamInfo<RefusedCase>& p) { return std::string(p.param.name); });

// A span from 10 to 31 December is shown as December: each row still
// carries its real year, and the file is named after the shown month.
TEST(CsvSpanCli, RealDatesAndTheShownMonthsName) {
    CliRunner cli;
    fillYearEnd(cli);
    auto r = cli.run({"csv", "span", "2024-12-10", "2024-12-31", "--out", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = OutputLines(cp932::toUtf8(r.out));
    ASSERT_EQ(l.size(), 1u + 22 + 1);
    EXPECT_EQ(l[0], "日付,曜日,休日,出勤,退社,普通,深夜,合計,勤務,メモ\r");
    EXPECT_EQ(l[1], "2024/12/10,火,,,,,,,,\r");
    EXPECT_EQ(l[17], "2024/12/26,木,,8:00,19:00,2:00,,2:00,10:00,納会\r");
    EXPECT_TRUE(startsWith(l[22], "2024/12/31,火,")) << l[22];
    EXPECT_EQ(l[23], "合計,,,,,2:00,0:00,2:00,10:00,\r");

    // Across the new year the rows go on into January.
    r = cli.run({"csv", "span", "2024-12-31", "2025-01-01"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2025年1月.csv\n");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(cli.workDir() + "/2025年1月.csv", bytes).ok());
    const auto written = OutputLines(cp932::toUtf8(bytes));
    ASSERT_EQ(written.size(), 4u);
    EXPECT_TRUE(startsWith(written[1], "2024/12/31,")) << written[1];
    EXPECT_TRUE(startsWith(written[2], "2025/1/1,")) << written[2];
}

TEST(PrintSpanCli, LinesOfTheMonthList) {
    CliRunner cli;
    fillYearEnd(cli);
    const auto r = cli.run({"print", "span", "2024-12-25", "2025-01-10", "--lines"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = OutputLines(r.out);
    ASSERT_EQ(l.size(), 4u + 1 + 17);
    EXPECT_EQ(l[0],
              " 会社平日 会社休日 平日出勤 休日出勤 出勤合計 有給休暇  代休日  欠勤日 月間日数  ");
    EXPECT_TRUE(startsWith(l[3], "    2:00")) << l[3];
    EXPECT_TRUE(startsWith(l[5], " 12/25  水")) << l[5];
    EXPECT_TRUE(startsWith(l[6], " 12/26  木         8:00  19:00   2:00")) << l[6];
    EXPECT_TRUE(startsWith(l[21], "  1/10  金")) << l[21];
}

}  // namespace
}  // namespace tkv
