// Black-box tests of period, csv period and print period|leave.
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "cli/cli_runner.h"
#include "reports/period_builders.h"

namespace tkv {
namespace {

using test::CliRunner;
using test::MonthFigures;

std::vector<std::string> lines(const std::string& out) {
    std::vector<std::string> v;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

std::string readFile(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

void writeMonth(const CliRunner& cli, int year, int month, const MonthFigures& f) {
    cli.writeData(std::to_string(year) + (month < 10 ? "0" : "") + std::to_string(month) + ".dat",
                  test::MonthFileText(f));
}

MonthFigures Figures(std::string syukin, std::string zangyo, std::vector<std::string> marks = {}) {
    MonthFigures f;
    f.syukin = std::move(syukin);
    f.zangyo = std::move(zangyo);
    f.marks = std::move(marks);
    return f;
}

// April 2024 counted with a day of leave, June 2024 too short to count.
void fillSpring(const CliRunner& cli) {
    writeMonth(cli, 2024, 4, Figures("20.5", "12:30", {"有", "  "}));
    writeMonth(cli, 2024, 6, Figures("14.0", "2:00"));
}

const std::string kEmptyCells(9, '\t');

TEST(PeriodCli, TwelveMonthsFromTheStart) {
    CliRunner cli;
    fillSpring(cli);
    const auto r = cli.run({"period", "2024", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 12u + 4 + 1);
    EXPECT_EQ(l[0],
              "2024/04\t    21\t   0.0\t   1.0\t   0.0\t   0.0\t   12:30\t    0:00\t   "
              "12:30\t  160:00");
    EXPECT_EQ(l[1], "2024/05" + kEmptyCells);
    EXPECT_EQ(l[11], "2025/03" + kEmptyCells);
    EXPECT_EQ(l[12],
              " 合 計 \t    35\t   0.0\t   1.0\t   0.0\t   0.0\t   14:30\t    0:00\t   "
              "14:30\t  320:00");
    EXPECT_EQ(l[13],
              " 平 均 \t  20.5\t   0.0\t   1.0\t   0.0\t   0.0\t   12:30\t    0:00\t   "
              "12:30\t  160:00");
    EXPECT_EQ(l[15].substr(0, std::string(" 最 低 \t").size()), " 最 低 \t");
    EXPECT_EQ(l[16], "Flags\t1,0,0,0,0,0,0,0,0,0,0,0,1,1");
    EXPECT_EQ(r.err, "");
}

TEST(PeriodCli, GivenEndAndClamping) {
    CliRunner cli;
    fillSpring(cli);
    auto r = cli.run({"period", "2024", "4", "2024", "6"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out).size(), 3u + 4 + 1);
    EXPECT_EQ(lines(r.out).back(), "Flags\t1,0,0,1,1");
    // Months beyond 12 and years beyond 2090 are clamped, as in the window.
    r = cli.run({"period", "2024", "13", "2100", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out).front().substr(0, 7), "2024/12");
    EXPECT_EQ(lines(r.out)[lines(r.out).size() - 6].substr(0, 7), "2090/01");
}

struct ReversedCase {
    const char* name;
    std::vector<std::string> args;
};
void PrintTo(const ReversedCase& c, std::ostream* os) {
    *os << c.name;
}
class PeriodCliReversed : public ::testing::TestWithParam<ReversedCase> {};

// An end before the start is refused by every period command, and nothing
// is written.
TEST_P(PeriodCliReversed, IsRefused) {
    CliRunner cli;
    fillSpring(cli);
    const auto r = cli.run(GetParam().args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "集計期間の設定が異常です。\n");
    EXPECT_FALSE(std::filesystem::exists(cli.workDir() + "/x.csv"));
    EXPECT_FALSE(std::filesystem::exists(cli.workDir() + "/x.pdf"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PeriodCliReversed,
    ::testing::Values(
        // Twelve months from June 2090 end in May 2091, clamped to May 2090.
        ReversedCase{"TwelveMonthsFromJune2090", {"period", "2090", "6"}},
        ReversedCase{"StartBefore1990", {"period", "1985", "3"}},
        ReversedCase{"EndBeforeStart", {"period", "2024", "4", "2024", "3"}},
        ReversedCase{"Csv", {"csv", "period", "2024", "4", "2023", "4", "--out", "x.csv"}},
        ReversedCase{"Lines", {"print", "period", "2090", "6", "--lines"}},
        ReversedCase{"Pdf", {"print", "period", "2090", "6", "--pdf", "x.pdf"}}),
    [](const ::testing::TestParamInfo<ReversedCase>& p) { return std::string(p.param.name); });

TEST(PeriodCli, AllMonthsWithData) {
    CliRunner cli;
    auto r = cli.run({"period", "--all"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    r = cli.run({"csv", "period", "--all"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(cli.run({"print", "period", "--all", "--lines"}).out, "");

    fillSpring(cli);
    writeMonth(cli, 2024, 7, Figures("0.0", "0:00"));  // a file without data
    r = cli.run({"period", "--all"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 3u + 4 + 1);
    EXPECT_EQ(l[0].substr(0, 7), "2024/04");
    EXPECT_EQ(l[2].substr(0, 7), "2024/06");
}

TEST(PeriodCli, UnreadableMonthFileIsAFileError) {
    CliRunner cli;
    fillSpring(cli);
    std::filesystem::create_directories(cli.dataDir() + "/202405.dat");
    const auto r = cli.run({"period", "2024", "4"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("202405.dat"), std::string::npos) << r.err;
}

TEST(PeriodCli, Usage) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"period"}).exitCode, 1);
    EXPECT_EQ(cli.run({"period", "2024"}).exitCode, 1);
    EXPECT_EQ(cli.run({"period", "2024", "4", "2025"}).exitCode, 1);
    EXPECT_EQ(cli.run({"period", "2024", "April"}).exitCode, 1);
    EXPECT_EQ(cli.run({"csv", "period"}).exitCode, 1);
    EXPECT_EQ(cli.run({"print", "period", "2024", "4"}).exitCode, 1);
    EXPECT_EQ(cli.run({"print", "leave", "x", "--lines"}).exitCode, 1);
    EXPECT_EQ(cli.run({"print", "leave", "--lines", "--pdf", "x.pdf"}).exitCode, 1);
    const auto help = cli.run({"period", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("period SY SM [EY EM]"), std::string::npos);
}

TEST(CsvPeriodCli, WritesCp932ToStandardOutput) {
    CliRunner cli;
    fillSpring(cli);
    const auto r = cli.run({"csv", "period", "2024", "4", "2024", "6", "--out", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, cp932::fromUtf8("年月,平日出勤,休日出勤,出勤合計,有給休暇,代休,欠勤,普通残業,"
                                     "深夜残業,残業合計,勤務時間\r\n"
                                     "2024/4,21,0.0,21,1.0,0.0,0.0,12:30,0:00,12:30,160:00\r\n"
                                     "2024/5,,,,,,,,,,\r\n"
                                     "2024/6,14,0.0,14,0.0,0.0,0.0,2:00,0:00,2:00,160:00\r\n"
                                     "合計,35,0.0,35,1.0,0.0,0.0,14:30,0:00,14:30,320:00\r\n"
                                     "平均,20.5,0.0,21,1.0,0.0,0.0,12:30,0:00,12:30,160:00\r\n"
                                     "最高,21,0.0,21,1.0,0.0,0.0,12:30,0:00,12:30,160:00\r\n"
                                     "最低,21,0.0,21,1.0,0.0,0.0,12:30,0:00,12:30,160:00\r\n"));
}

TEST(CsvPeriodCli, DefaultFileName) {
    CliRunner cli;
    fillSpring(cli);
    ASSERT_EQ(cli.run({"settings", "set", "CSVNameAdd", "1"}).exitCode, 0);
    ASSERT_EQ(cli.run({"settings", "set", "CSVFileName", "山田"}).exitCode, 0);
    const auto r = cli.run({"csv", "period", "2024", "4"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "山田 2024年4月～2025年3月.csv\n");
    EXPECT_EQ(readFile(cli.workDir() + "/山田 2024年4月～2025年3月.csv").substr(0, 5),
              cp932::fromUtf8("年月,"));
}

TEST(PrintPeriodCli, LinesBeforeFitting) {
    CliRunner cli;
    fillSpring(cli);
    const auto r = cli.run({"print", "period", "2024", "4", "2024", "5", "--lines"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 1u + 2 + 4);
    EXPECT_EQ(l[0],
              "   年 月   平日出勤  休日出勤  出勤合計  有給休暇   代休    欠勤   普通残業  "
              "深夜残業  残業合計  勤務時間  ");
    EXPECT_EQ(l[1],
              "  2024/04     21日     0.0日      21日     1.0日   0.0日   0.0日     12:30  "
              "    0:00     12:30    160:00  ");
    EXPECT_EQ(l[2], "  2024/05" + std::string(97, ' '));
    EXPECT_EQ(l[6],
              "   最 低    20.5日     0.0日    20.5日     1.0日   0.0日   0.0日     12:30  "
              "    0:00     12:30    160:00  ");
}

TEST(PrintPeriodCli, PdfShowsTheSummaryLines) {
    CliRunner cli;
    fillSpring(cli);
    const std::string pdf = cli.workDir() + "/period.pdf";
    const auto r = cli.run({"print", "period", "2024", "4", "--pdf", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");

    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string txt = cli.workDir() + "/period.txt";
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
    const std::string text = readFile(txt);
    EXPECT_NE(text.find("残業時間一覧表"), std::string::npos) << text;
    EXPECT_NE(text.find("2024年 4月"), std::string::npos) << text;
    for (const auto& [label, overtime] :
         {std::pair{"合 計", "14:30"}, std::pair{"平 均", "12:30"}, std::pair{"最 高", "12:30"},
          std::pair{"最 低", "12:30"}}) {
        const std::size_t at = text.find(label);
        ASSERT_NE(at, std::string::npos) << label << " in " << text;
        const std::string line = text.substr(at, text.find('\n', at) - at);
        EXPECT_NE(line.find(overtime), std::string::npos) << line;
    }
}

TEST(PrintLeaveCli, EmptyLedgerPrintsTheHeaderOnly) {
    CliRunner cli;
    auto r = cli.run({"print", "leave", "--lines"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "  No    日  付    曜  区分   日数   残数        メ    モ        \n");
    // Nothing to print: no PDF, and a word why.
    r = cli.run({"print", "leave", "--pdf", "leave.pdf"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("empty"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(cli.workDir() + "/leave.pdf"));
}

TEST(PrintLeaveCli, LinesAndPdfOfTheLedger) {
    CliRunner cli;
    cli.writeData("Vacation.dat", cp932::fromUtf8("[System]\r\nKuriZan=10.0\r\nNowZan=0.0\r\n"
                                                  "[VacationData]\r\n"
                                                  "  1=2024/05/10,,有給,-1.0,,通院,,\r\n"
                                                  "  2=2024/04/01,,増加,20.0,,付与,,\r\n"));
    auto r = cli.run({"print", "leave", "--lines"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[1], "   1  2024/04/01  月  増加   20.0   30.0  付与" + std::string(16, ' ') + "  ");
    EXPECT_EQ(l[2], "   2  2024/05/10  金  有給   -1.0   29.0  通院" + std::string(16, ' ') + "  ");

    const std::string pdf = cli.workDir() + "/leave.pdf";
    r = cli.run({"print", "leave", "--pdf", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string txt = cli.workDir() + "/leave.txt";
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
    const std::string text = readFile(txt);
    EXPECT_NE(text.find("有給休暇一覧表"), std::string::npos) << text;
    EXPECT_NE(text.find("通院"), std::string::npos) << text;
}

}  // namespace
}  // namespace tkv
